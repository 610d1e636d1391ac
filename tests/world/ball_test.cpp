// The balls: walls and the bottom, resting balls on the paddle, the launch, the extra ball and the
// loss of the last ball.
#include "core/play_clock.h"
#include "world_fixture.h"

#include "world/ball.h"
#include "world/paddle.h"

#include <cmath>

class Ball : public Svet {
protected:
    void krok() { re_koule(kolo.koule, kolo.pocet_kouli, kolo.prkno); }
};

TEST_F(Ball, WallsTurnTheBallWithoutMovingItBackAndTheBottomLosesIt)
{
    prkno(300);
    OBJECT* k = koule(10.1f, 300, -1, 1, 0.2f, 0.3f);
    krok();
    EXPECT_EQ(k->smer_x, 1);
    EXPECT_NEAR(k->x, 9.9f, 1e-5);
    k->x = 5;   // far beyond the line: it sounds at every tick until it is back
    krok();
    krok();
    k->x = 790 - 12 - 0.1f;
    krok();
    EXPECT_EQ(k->smer_x, -1);
    k->y = 10.2f;
    k->smer_y = -1;
    krok();
    EXPECT_EQ(k->smer_y, 1);
    EXPECT_EQ(zvuku(snd_wall), 5);

    k->y = 589.8f;
    krok();
    EXPECT_EQ(k->druh, 0);
    float y = k->y;
    krok();   // a dead ball stays put
    EXPECT_FLOAT_EQ(k->y, y);
    EXPECT_EQ(zvuku(snd_ball_lost), 1);
    EXPECT_EQ(zvuku(snd_wall), 5);
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
    EXPECT_FLOAT_EQ(a->x, 300);
    EXPECT_FLOAT_EQ(a->y, PRKNO_Y - 12);
    nas[NAS_SIRKA_PRKNA] = 80;   // 70 still lies on an 80 paddle but the ball would hang past its end
    re_prkno(p, kolo.pusky, 0, 250);
    krok();
    EXPECT_FLOAT_EQ(b->posun, 60);
    nas[NAS_SIRKA_PRKNA] = 40;
    re_prkno(p, kolo.pusky, 0, 250);
    krok();
    EXPECT_FLOAT_EQ(a->posun, 20);
    EXPECT_FLOAT_EQ(a->x, 270);
    nas[NAS_SIRKA_PRKNA] = 120;   // widening leaves them where they are
    krok();
    EXPECT_FLOAT_EQ(a->posun, 20);
}

TEST_F(Ball, LaunchAndExtraBall)
{
    OBJECT* p = prkno(300);
    OBJECT* k = koule(0, 0, -1, -1, 0.3f, 0.2f, false);   // posun 10: centre at px + 16, zone of angle 30
    krok();
    aktivace_kouli(kolo.koule, kolo.pocet_kouli);
    EXPECT_TRUE(k->aktivni);
    EXPECT_EQ(k->smer_y, -1);
    odraz_od_prkna(p, kolo.koule, kolo.pocet_kouli);   // the paddle bounce of the same tick starts it
    EXPECT_EQ(k->smer_x, -1);
    EXPECT_NEAR(k->rychlost_x, 0.35 * std::sin(30 * M_PI / 128), 1e-4);

    nas[NAS_PRUMER] = 16;
    nas[NAS_DRUH_KOULE] = KOULE_MODRA;
    for (int i = 0; i < 8; i++) koule(100, 100);
    for (int pokus = 0; pokus < 2; pokus++) {   // the tenth ball is made, an eleventh request dropped
        nas[NAS_KOULE_NAVIC] = 1;
        nova_koule(p, kolo.koule, &kolo.pocet_kouli);
        EXPECT_EQ(nas[NAS_KOULE_NAVIC], 0);
    }
    ASSERT_EQ(kolo.pocet_kouli, 10);
    OBJECT* n = kolo.koule[9];
    EXPECT_FALSE(n->aktivni);
    EXPECT_FLOAT_EQ(n->x, 300);
    EXPECT_FLOAT_EQ(n->y, PRKNO_Y - 16);
    EXPECT_EQ(n->obrazek, obr(33));
}

TEST_F(Ball, LossOfTheLastBall)
{
    OBJECT* p = prkno(300);
    minuty = 3;
    hlavni_krok = 0.8f;
    nastav(2, 1, 1, KOULE_RUDA, 16, 120, 1, 1);
    int stav = 0;
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    nas[NAS_SKORE] = 0;
    int cekane[] = {1, 0, 0, KOULE_SEDA, 12, 80, 0, 0, 0};   // a life less, every effect reset
    for (int i = 0; i < 9; i++) EXPECT_EQ(nas[i], cekane[i]) << "entry " << i;
    EXPECT_FLOAT_EQ(hlavni_krok, 0.5f);   // back to the clock's speed
    ASSERT_EQ(kolo.pocet_kouli, 1);
    EXPECT_FALSE(kolo.koule[0]->aktivni);
    EXPECT_FLOAT_EQ(kolo.koule[0]->y, PRKNO_Y - 12);
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);   // a ball in play: nothing
    EXPECT_EQ(nas[NAS_ZIVOTY], 1);

    MOD_HRY = MOD_ZKUSEBNI;   // trying a level: replaced, no life taken
    for (int i = 0; i < 3; i++) {
        kolo.koule[0]->druh = 0;
        re_last_object(kolo.koule, &kolo.pocet_kouli);
        kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    }
    EXPECT_EQ(nas[NAS_ZIVOTY], 1);
    EXPECT_EQ(stav, 0);

    MOD_HRY = 1;
    nastav(0, 1, 0, KOULE_RUDA, 16, 120, 1, 0);
    kolo.koule[0]->druh = 0;
    re_last_object(kolo.koule, &kolo.pocet_kouli);
    kontrola_stavu_kouli(p, kolo.koule, &kolo.pocet_kouli, &stav);
    EXPECT_EQ(stav, STAV_PROHRA);   // no life left: the game is over and nothing else happens
    EXPECT_EQ(kolo.pocet_kouli, 0);
    EXPECT_EQ(nas[NAS_DRUH_KOULE], KOULE_RUDA);
}

TEST_F(Ball, LostBallIsReplacedAtTheTickAfterTheFrameEnd)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(0, 1);
    OBJECT* k = kolo.koule[0];
    k->aktivni = true;
    k->y = 590;
    k->smer_y = 1;
    tik_kola(&kolo, false, 300);
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(k->druh, 0);
    EXPECT_EQ(nas[NAS_ZIVOTY], 3);   // still counted until the frame ends
    konec_snimku(&kolo);
    tik_kola(&kolo, false, 300);
    EXPECT_EQ(nas[NAS_ZIVOTY], 2);
    ASSERT_EQ(kolo.pocet_kouli, 1);
    tik_kola(&kolo, false, 300);
    EXPECT_FLOAT_EQ(kolo.koule[0]->x, 310);   // resting at posun 10
    EXPECT_EQ(kolo.status, 0);
}
