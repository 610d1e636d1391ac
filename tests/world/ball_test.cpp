// The balls: walls and the bottom, resting balls on the paddle, the launch, the extra ball and the
// loss of the last ball.
#include "core/play_clock.h"
#include "world_fixture.h"

#include "world/ball.h"
#include "world/paddle.h"

#include <cmath>
#include <tuple>

class Ball : public Svet {
protected:
    void krok() { re_koule(kolo.koule, kolo.pocet_kouli, kolo.prkno); }
};

// A wall turns the ball without moving it back: beyond the line it sounds at every tick until it is back.
TEST_F(Ball, WallsTurnTheBallWithoutMovingItBackAndTheBottomLosesIt)
{
    prkno(300);
    OBJECT* k = koule(10.1f, 300, -1, 1);
    krok();
    EXPECT_EQ(k->smer_x, 1);
    EXPECT_NEAR(k->x, 9.9f, 1e-5);
    k->x = 5;
    krok();
    krok();
    k->x = 790 - 12 - 0.1f;
    krok();
    EXPECT_EQ(k->smer_x, -1);
    k->y = 10.2f;
    k->smer_y = -1;
    krok();
    EXPECT_EQ(k->smer_y, 1);
    k->y = 589.8f;
    krok();
    EXPECT_EQ(k->druh, 0);
    float y = k->y;
    krok();   // a dead ball stays put
    EXPECT_FLOAT_EQ(k->y, y);
    EXPECT_EQ(std::tuple(zvuku(snd_wall), zvuku(snd_ball_lost)), std::tuple(5, 1));
}

TEST_F(Ball, RestingBallRidesOnThePaddleAndNeverHangsPastItsEnd)
{
    nas[NAS_SIRKA_PRKNA] = 120;
    OBJECT* p = prkno(200);
    OBJECT* a = koule(0, 0, -1, -1, 0.3f, 0.2f, false);
    OBJECT* b = koule(0, 0, -1, -1, 0.3f, 0.2f, false);
    a->posun = 100;
    b->posun = 70;
    krok();
    EXPECT_EQ(std::tuple(a->x, a->y), std::tuple(300.0f, PRKNO_Y - 12));
    nas[NAS_SIRKA_PRKNA] = 80;   // 70 still lies on an 80 paddle but the ball would hang past its end
    re_prkno(p, kolo.pusky, 0, 250);
    krok();
    EXPECT_FLOAT_EQ(b->posun, 60);
    nas[NAS_SIRKA_PRKNA] = 40;
    re_prkno(p, kolo.pusky, 0, 250);
    krok();
    EXPECT_EQ(std::tuple(a->posun, a->x), std::tuple(20.0f, 270.0f));
    nas[NAS_SIRKA_PRKNA] = 120;   // widening leaves them where they are
    krok();
    EXPECT_FLOAT_EQ(a->posun, 20);
}

// The paddle bounce of the launching tick gives the ball its start; "ball +" makes a tenth ball of the
// current kind resting on the paddle, an eleventh request is dropped.
TEST_F(Ball, LaunchAndExtraBall)
{
    OBJECT* p = prkno(300);
    OBJECT* k = koule(0, 0, -1, -1, 0.3f, 0.2f, false);   // posun 10: centre at px + 16, zone of angle 30
    krok();
    aktivace_kouli(kolo.koule, kolo.pocet_kouli);
    EXPECT_EQ(std::tuple(k->aktivni, k->smer_y), std::tuple(true, -1));
    odraz_od_prkna(p, kolo.koule, kolo.pocet_kouli);
    EXPECT_EQ(k->smer_x, -1);
    EXPECT_NEAR(k->rychlost_x, 0.35 * std::sin(30 * M_PI / 128), 1e-4);

    nas[NAS_PRUMER] = 16;
    nas[NAS_DRUH_KOULE] = KOULE_MODRA;
    for (int i = 0; i < 8; i++) koule(100, 100);
    for (int pokus = 0; pokus < 2; pokus++) {
        nas[NAS_KOULE_NAVIC] = 1;
        nova_koule(p, kolo.koule, &kolo.pocet_kouli);
        EXPECT_EQ(nas[NAS_KOULE_NAVIC], 0);
    }
    ASSERT_EQ(kolo.pocet_kouli, 10);
    OBJECT* n = kolo.koule[9];
    EXPECT_EQ(std::tuple(n->aktivni, n->x, n->y, n->obrazek), std::tuple(false, 300.0f, PRKNO_Y - 16, obr(33)));
}

// The last ball lost costs a life and resets every effect and the speed to the clock's, with a new ball
// resting on the paddle; a try costs no life; with no life left the game is over and nothing else happens.
TEST_F(Ball, LossOfTheLastBall)
{
    OBJECT* p = prkno(300);
    minuty = 3;
    hlavni_krok = 0.8f;
    nastav(2, 1, 1, KOULE_RUDA, 16, 120, 1, 1);
    int stav = 0;
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    nas[NAS_SKORE] = 0;
    int cekane[] = {1, 0, 0, KOULE_SEDA, 12, 80, 0, 0, 0};
    for (int i = 0; i < 9; i++) EXPECT_EQ(nas[i], cekane[i]) << "entry " << i;
    EXPECT_FLOAT_EQ(hlavni_krok, 0.5f);
    ASSERT_EQ(kolo.pocet_kouli, 1);
    EXPECT_EQ(std::tuple(kolo.koule[0]->aktivni, kolo.koule[0]->y), std::tuple(false, PRKNO_Y - 12));
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);   // a ball in play: nothing
    EXPECT_EQ(nas[NAS_ZIVOTY], 1);

    auto ztrat = [&] {
        kolo.koule[0]->druh = 0;
        re_last_object(kolo.koule, &kolo.pocet_kouli);
        kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    };
    MOD_HRY = MOD_ZKUSEBNI;
    ztrat();
    ztrat();
    EXPECT_EQ(nas[NAS_ZIVOTY], 1);
    MOD_HRY = 1;
    ztrat();
    EXPECT_EQ(std::tuple(nas[NAS_ZIVOTY], stav), std::tuple(0, 0));
    nas[NAS_DRUH_KOULE] = KOULE_RUDA;
    ztrat();
    EXPECT_EQ(std::tuple(stav, kolo.pocet_kouli, nas[NAS_DRUH_KOULE]), std::tuple(STAV_PROHRA, 0, KOULE_RUDA));
}
