// The records of the playfield: the makers and the frame-end clearing.
#include "world_fixture.h"

using WorldObjects = Svet;

TEST_F(WorldObjects, NoBrickOfAnUnknownType)
{
    EXPECT_EQ(nova_kostka(10, 10, 11, 1, 0), nullptr);   // no such type, no picture for it
    EXPECT_EQ(nova_kostka(10, 10, 0, 1, 0), nullptr);
}

TEST_F(WorldObjects, FrameEndRemovesDeadObjectsTheLastTakingTheHole)
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
