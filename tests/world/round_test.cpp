// A round's objects through the game loop's steps: setting up, one tick, the frame end, freeing.
#include "world_fixture.h"

#include <tuple>

using Round = Svet;

TEST_F(Round, SetUpAndFreeing)
{
    nas[NAS_SIRKA_PRKNA] = 120;   // as a saved game may leave it: the paddle catches up at the first tick
    kolo.status = STAV_NENI_UROVEN;
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 250));
    OBJECT* p = kolo.prkno;
    EXPECT_EQ(std::tuple(p->x, p->y, p->velikost, p->obrazek), std::tuple(250.0f, PRKNO_Y, 80, obr(res_prkno(1, 120))));
    ASSERT_EQ(kolo.pocet_kouli, 1);
    OBJECT* k = kolo.koule[0];
    EXPECT_EQ(std::tuple(k->x, k->y, k->aktivni), std::tuple(260.0f, PRKNO_Y - 12, false));
    EXPECT_EQ(kolo.status, STAV_NENI_UROVEN);
    for (int i = 0; i < 30; i++) kostka_v(i, 1 + i % 10);
    nas[NAS_PUSKA] = 1;
    tik_kola(&kolo, false, 250);
    strela(100, 300);
    kapsle(4, 100, 100);
    uvolni_kolo(&kolo);
    EXPECT_EQ(kolo.prkno, nullptr);
    EXPECT_EQ(kolo.pocet_kouli + kolo.pocet_pusek + kolo.pocet_strel + kolo.pocet_bonusu + POCET_KOSTEK, 0);
    EXPECT_EQ(kostka[0], nullptr);
}

// In one tick the ball is launched, bounced off the paddle and moved, and a brick hit drops its capsule;
// the frame end scores the brick. A caught "ball +" brings its ball at the next tick.
TEST_F(Round, OneTickFromLaunchToCapsule)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* k = kostka_v(45, 1, 3);
    kostka_v(400, 8);
    OBJECT* b = koule(218.5f, 69.5f, 1, -1);   // rising into the brick's bottom
    tik(true);
    OBJECT* z_prkna = kolo.koule[0];
    EXPECT_EQ(std::tuple(z_prkna->aktivni, z_prkna->smer_x, zvuku(snd_paddle)), std::tuple(true, -1, 1));
    EXPECT_LT(z_prkna->y, PRKNO_Y - 12);
    EXPECT_EQ(std::tuple(k->zasahy, b->smer_y, kolo.pocet_bonusu), std::tuple(0, 1, 1));
    konec_snimku(&kolo);
    EXPECT_EQ(std::tuple(nas[NAS_SKORE], POCET_KOSTEK), std::tuple(10, 1));
    kolo.bonusy[0]->x = 320;
    kolo.bonusy[0]->y = PRKNO_Y - 14.8f;
    tik();
    EXPECT_EQ(std::tuple(nas[NAS_SKORE], kolo.pocet_kouli), std::tuple(60, 2));
    tik();
    EXPECT_EQ(std::tuple(kolo.pocet_kouli, kolo.status), std::tuple(3, 0));
}

// "next level", then "live -" with no life left in the same pass: the win stands; so does a status the
// loop set before the tick.
TEST_F(Round, FirstStatusOfAPassStands)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(3, 1);
    nas[NAS_ZIVOTY] = 0;
    kapsle(16, 320, PRKNO_Y - 14.8f);
    tik();
    EXPECT_EQ(kolo.status, STAV_VYHRA);
    kapsle(2, 330, PRKNO_Y - 14.8f);
    tik();
    EXPECT_EQ(std::tuple(nas[NAS_ZIVOTY], kolo.status), std::tuple(-1, STAV_VYHRA));
    kolo.status = STAV_POMALU;
    kapsle(16, 340, PRKNO_Y - 14.8f);
    tik();
    EXPECT_EQ(kolo.status, STAV_POMALU);
}
