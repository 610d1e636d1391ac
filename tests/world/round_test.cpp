// A round's objects through the game loop's steps: setting up, one tick, the grey bricks at 7:00, the
// status of a pass, the frame end, freeing.
#include "world_fixture.h"

#include "world/grey_bricks.h"

using Round = Svet;

// A round starts with a ball resting on the paddle. In one tick the ball is launched, bounced off the
// paddle and moved, and a brick hit drops its capsule; the frame end scores the brick. A caught "ball +"
// brings its ball at the next tick. Freeing the round leaves nothing behind.
TEST_F(Round, OneTickFromLaunchToCapsule)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    ASSERT_EQ(kolo.pocet_kouli, 1);
    EXPECT_EQ(std::tuple(kolo.koule[0]->x, kolo.koule[0]->y, kolo.koule[0]->aktivni),
              std::tuple(310.0f, PRKNO_Y - 12, false));
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
    std::tie(kolo.bonusy[0]->x, kolo.bonusy[0]->y) = std::tuple(320.f, PRKNO_Y - 14.8f);
    tik();
    EXPECT_EQ(std::tuple(nas[NAS_SKORE], kolo.pocet_kouli), std::tuple(60, 2));
    tik();
    EXPECT_EQ(std::tuple(kolo.pocet_kouli, kolo.status), std::tuple(3, 0));
    strela(100, 300);
    uvolni_kolo(&kolo);
    EXPECT_EQ(std::tuple(kolo.prkno, kostka[0]), std::tuple(nullptr, nullptr));
    EXPECT_EQ(kolo.pocet_kouli + kolo.pocet_pusek + kolo.pocet_strel + kolo.pocet_bonusu + POCET_KOSTEK, 0);
}

// "next level", then "live -" with no life left in the same pass: the win stands; so does a status the
// loop set before the tick.
TEST_F(Round, FirstStatusOfAPassStands)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(3, 1);
    nas[NAS_ZIVOTY] = 0;
    for (int bonus : {16, 2}) {
        kapsle(bonus, 320, PRKNO_Y - 14.8f);
        tik();
        EXPECT_EQ(kolo.status, STAV_VYHRA);
    }
    EXPECT_EQ(nas[NAS_ZIVOTY], -1);
    kolo.status = STAV_POMALU;
    kapsle(16, 340, PRKNO_Y - 14.8f);
    tik();
    EXPECT_EQ(kolo.status, STAV_POMALU);
}

// In the one second of 7:00 the tick turns every standing grey brick into a two-hit brick and lists it
// for the drawing; one a red ball destroyed in this frame stays destroyed and is scored as grey.
TEST_F(Round, GreyBricksTurnAtSevenMinutesAndAreListedForTheDrawing)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    KOSTKA* a = kostka_v(3, KOSTKA_SEDA);
    KOSTKA* b = kostka_v(5, KOSTKA_SEDA);
    b->zasahy = 0;
    kostka_v(7, 1);
    KOSTKA* c = kostka_v(30, KOSTKA_SEDA);
    std::tie(kolo.posledni_minuta, minuty, sekundy) = std::tuple(7, 7, 0);
    tik();
    for (KOSTKA* k : {a, c})
        EXPECT_EQ(std::tuple(k->druh, k->zasahy, k->obrazek),
                  std::tuple(KOSTKA_DVA_ZASAHY, 2, obr(res_kostka(KOSTKA_DVA_ZASAHY))));
    ASSERT_EQ(kolo.pocet_premenenych, 2);
    EXPECT_EQ(std::tuple(kolo.premenene[0], kolo.premenene[1], b->druh, b->zasahy), std::tuple(a, c, KOSTKA_SEDA, 0));
    tik();   // nothing grey is left: the list of the next tick is empty
    EXPECT_EQ(kolo.pocet_premenenych, 0);
    sekundy = 1;
    KOSTKA* d = kostka_v(31, KOSTKA_SEDA);
    tik();
    EXPECT_EQ(d->druh, KOSTKA_SEDA);
    konec_snimku(&kolo);
    EXPECT_EQ(nas[NAS_SKORE], 50);
}
