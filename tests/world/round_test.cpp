// A round's objects through the game loop's steps: setting up, one tick, the frame end, freeing.
#include "world_fixture.h"

using Round = Svet;

TEST_F(Round, SetUpAndFreeing)
{
    nas[NAS_SIRKA_PRKNA] = 120;   // as a saved game may leave it: the paddle catches up at the first tick
    kolo.status = STAV_NENI_UROVEN;
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 250));
    OBJECT* p = kolo.prkno;
    EXPECT_FLOAT_EQ(p->x, 250);
    EXPECT_FLOAT_EQ(p->y, PRKNO_Y);
    EXPECT_EQ(p->velikost, 80);
    EXPECT_EQ(p->obrazek, obr(res_prkno(1, 120)));
    ASSERT_EQ(kolo.pocet_kouli, 1);
    EXPECT_FLOAT_EQ(kolo.koule[0]->x, 260);
    EXPECT_FLOAT_EQ(kolo.koule[0]->y, PRKNO_Y - 12);
    EXPECT_FALSE(kolo.koule[0]->aktivni);
    EXPECT_EQ(kolo.status, STAV_NENI_UROVEN);

    for (int i = 0; i < 30; i++) kostka_v(i, 1 + i % 10);
    nas[NAS_PUSKA] = 1;
    tik_kola(&kolo, false, 250);
    strela(100, 300);
    kapsle(4, 100, 100);
    uvolni_kolo(&kolo);
    EXPECT_EQ(kolo.prkno, nullptr);
    EXPECT_EQ(kolo.pocet_kouli + kolo.pocet_pusek + kolo.pocet_strel + kolo.pocet_bonusu, 0);
    EXPECT_EQ(POCET_KOSTEK, 0);
    EXPECT_EQ(kostka[0], nullptr);
}

TEST_F(Round, OneTickFromLaunchToCapsule)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* k = kostka_v(45, 1, 3);
    kostka_v(400, 8);
    OBJECT* b = koule(218.5f, 69.5f, 1, -1, 0.2f, 0.3f);   // rising into the brick's bottom
    tik_kola(&kolo, true, 300);
    OBJECT* z_prkna = kolo.koule[0];   // launched, bounced and moved in the same tick
    EXPECT_TRUE(z_prkna->aktivni);
    EXPECT_EQ(z_prkna->smer_x, -1);
    EXPECT_LT(z_prkna->y, PRKNO_Y - 12);
    EXPECT_EQ(zvuku(snd_paddle), 1);
    EXPECT_EQ(k->zasahy, 0);   // the brick hit in that tick drops its capsule at once
    EXPECT_EQ(b->smer_y, 1);
    ASSERT_EQ(kolo.pocet_bonusu, 1);
    konec_snimku(&kolo);
    EXPECT_EQ(nas[NAS_SKORE], 10);
    EXPECT_EQ(POCET_KOSTEK, 1);

    kolo.bonusy[0]->x = 320;   // caught: 50 points, and "ball +" brings a ball at the next tick
    kolo.bonusy[0]->y = PRKNO_Y - 14.8f;
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(nas[NAS_SKORE], 60);
    EXPECT_EQ(kolo.pocet_kouli, 2);
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(kolo.pocet_kouli, 3);
    EXPECT_EQ(kolo.status, 0);
}

TEST_F(Round, FirstStatusOfAPassStands)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(3, 1);
    nas[NAS_ZIVOTY] = 0;
    kapsle(16, 320, PRKNO_Y - 14.8f);   // "next level"
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(kolo.status, STAV_VYHRA);
    kapsle(2, 330, PRKNO_Y - 14.8f);    // then "live -" with no life left, in the same pass
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(nas[NAS_ZIVOTY], -1);
    EXPECT_EQ(kolo.status, STAV_VYHRA);

    kolo.status = STAV_POMALU;   // set by the loop before the tick
    kapsle(16, 340, PRKNO_Y - 14.8f);
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(kolo.status, STAV_POMALU);
}
