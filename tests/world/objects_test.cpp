// The records of the playfield: the setter of the state block, the makers, the frame-end clearing.
#include "world_fixture.h"

using Objekty = Svet;

TEST_F(Objekty, SettersAndMakers)
{
    nas[NAS_SKORE] = 1234;
    nas[NAS_MINUTY] = 3;
    nastav(7, 1, 1, KOULE_RUDA, 16, 120, 1, 1);
    int cekane[] = {7, 1234, 1, KOULE_RUDA, 16, 120, 1, 1, 1, 3};   // ricochet is entry 8, not the score
    for (int i = 0; i < 10; i++) EXPECT_EQ(nas[i], cekane[i]) << "entry " << i;

    hlavni_krok = 0.55f;
    OBJECT* o = novy_object(61, 12.5f, 557.0f, 120, 0.1f, 0.2f, -1, 1, 2, 5);
    EXPECT_EQ(o->sirka, 120);
    EXPECT_EQ(o->vyska, obr(61)->h);
    EXPECT_FLOAT_EQ(o->y_stare, 557.0f);
    EXPECT_FLOAT_EQ(o->posun, 10.0f);
    EXPECT_TRUE(o->aktivni);
    EXPECT_EQ(o->posledni_kostka, 0);
    EXPECT_FLOAT_EQ(o->krok, 0.55f);
    delete o;
    KOSTKA* k = nova_kostka(751, 430, KOSTKA_PET_ZASAHU, 5, 439);
    EXPECT_EQ(k->obrazek, obr(26));
    EXPECT_EQ(k->bonus, 0);
    delete k;
    EXPECT_EQ(nova_kostka(10, 10, 11, 1, 0), nullptr);   // no such type, no picture for it
}

TEST_F(Objekty, FrameEndRemovesDeadObjectsTheLastTakingTheHole)
{
    OBJECT* pole[5];
    int pocet = 5;
    for (int i = 0; i < 5; i++) pole[i] = novy_object(bmp_shot, 100.0f + i, 300, 0, 0, 0.4f, 0, -1, 1, 1);
    for (int i : {0, 1, 4}) pole[i]->druh = 0;   // two side by side, and the last whose copy would be dead
    pole[2]->y = 200;
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 2);
    EXPECT_FLOAT_EQ(pole[0]->x, 103);   // the last live one moved into the first hole
    EXPECT_FLOAT_EQ(pole[1]->x, 102);
    EXPECT_FLOAT_EQ(pole[1]->y_stare, 200);
    EXPECT_EQ(pole[2], nullptr);
    pole[1]->druh = 0;   // the last element goes without a copy
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 1);
    EXPECT_FLOAT_EQ(pole[0]->x, 103);
    delete pole[0];

    OBJECT* p = prkno(100);
    p->x = 250;
    p->obrazek = obr(res_prkno(1, 120));
    re_last_prkno(p);
    EXPECT_FLOAT_EQ(p->x_stare, 250);
    EXPECT_EQ(p->sirka, 120);
}
