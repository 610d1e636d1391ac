// The balls: walls and the bottom, resting balls on the paddle, the extra ball, the loss of the last ball.
#include "world_fixture.h"

#include "world/ball.h"
#include "world/paddle.h"

#include <vector>

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
    EXPECT_EQ(std::tuple(k->smer_x, k->x), std::tuple(1, 10.1f - 0.2f));
    k->x = 5;
    krok();
    krok();
    std::tie(k->x, k->y, k->smer_y) = std::tuple(790 - 12 - 0.1f, 10.2f, -1);
    krok();
    EXPECT_EQ(std::tuple(k->smer_x, k->smer_y), std::tuple(-1, 1));
    k->y = 589.8f;
    krok();
    float y = k->y;
    krok();   // a dead ball stays put
    EXPECT_EQ(std::tuple(k->druh, k->y), std::tuple(0, y));
    EXPECT_EQ(std::tuple(zvuku(snd_wall), zvuku(snd_ball_lost)), std::tuple(5, 1));
}

TEST_F(Ball, RestingBallRidesOnThePaddleAndNeverHangsPastItsEnd)
{
    nas[NAS_SIRKA_PRKNA] = 120;
    OBJECT* p = prkno(200);
    OBJECT *a = koule(0, 0, -1, -1, 0.3f, 0.2f, false), *b = koule(0, 0, -1, -1, 0.3f, 0.2f, false);
    std::tie(a->posun, b->posun) = std::tuple(100, 70);
    krok();
    EXPECT_EQ(std::tuple(a->x, a->y), std::tuple(300.0f, PRKNO_Y - 12));
    for (int sirka : {80, 40, 120}) {   // 70 lies on an 80 paddle but would hang past its end; widening keeps
        nas[NAS_SIRKA_PRKNA] = sirka;
        re_prkno(p, kolo.pusky, 0, 250);
        krok();
        if (sirka == 80) { EXPECT_FLOAT_EQ(b->posun, 60); }
    }
    EXPECT_EQ(std::tuple(a->posun, a->x), std::tuple(20.0f, 270.0f));
}

// "ball +" makes a tenth ball of the current kind resting on the paddle; an eleventh request is dropped.
TEST_F(Ball, ExtraBallUpToTen)
{
    OBJECT* p = prkno(300);
    std::tie(nas[NAS_PRUMER], nas[NAS_DRUH_KOULE]) = std::tuple(16, KOULE_MODRA);
    for (int i = 0; i < 9; i++) koule(100, 100);
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
    std::tie(minuty, hlavni_krok) = std::tuple(3, 0.8f);
    nastav(2, 1, 1, KOULE_RUDA, 16, 120, 1, 1);
    int stav = 0;
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    EXPECT_EQ(std::vector(nas, nas + 9), (std::vector{1, 0, 0, KOULE_SEDA, 12, 80, 0, 0, 0}));
    EXPECT_FLOAT_EQ(hlavni_krok, 0.5f);
    ASSERT_EQ(kolo.pocet_kouli, 1);
    EXPECT_EQ(std::tuple(kolo.koule[0]->aktivni, kolo.koule[0]->y), std::tuple(false, PRKNO_Y - 12));
    auto ztrat = [&](int mod) {
        MOD_HRY = mod;
        kolo.koule[0]->druh = 0;
        re_last_object(kolo.koule, &kolo.pocet_kouli);
        kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    };
    ztrat(MOD_ZKUSEBNI);
    ASSERT_EQ(nas[NAS_ZIVOTY], 1);
    ztrat(1);
    EXPECT_EQ(std::tuple(nas[NAS_ZIVOTY], stav), std::tuple(0, 0));
    nas[NAS_DRUH_KOULE] = KOULE_RUDA;
    ztrat(1);
    EXPECT_EQ(std::tuple(stav, kolo.pocet_kouli, nas[NAS_DRUH_KOULE]), std::tuple(STAV_PROHRA, 0, KOULE_RUDA));
}
