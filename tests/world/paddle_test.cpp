// The paddle: the nine zones and their angles, the hanging-over rules, random ricochet, glue, the
// refresh of the ball, and the paddle following the mouse.
#include "world_fixture.h"

#include "world/paddle.h"

#include <cmath>
#include <set>

class Paddle : public Svet {
protected:
    // Lands a ball of diameter 12 at left edge x going (smer_x, smer_y), its bottom `hloubka` pixels
    // below the paddle's top; whether it bounced.
    bool dopad(float x, int smer_x, float hloubka = 0.5f, int smer_y = 1)
    {
        bez_kouli();
        koule(x, PRKNO_Y - 12 + hloubka, smer_x, smer_y, 0.9f, 0.1f);
        int zvuky = zvuku(snd_paddle);
        odraz_od_prkna(kolo.prkno, kolo.koule, kolo.pocet_kouli);
        return zvuku(snd_paddle) > zvuky;
    }
};

// On the default 80 paddle the zone edges fall between pixels (8.89 ... 71.11); the middle zone sends the
// ball straight up, the end zones send it outwards whichever way it came; the angle is in 256ths of a turn
// from the vertical, the speed the step length. Only the top two pixels catch, and the ends only a ball
// coming towards the middle.
TEST_F(Paddle, ZoneBoundariesAndWhereTheBallIsCaught)
{
    float px = prkno(100)->x;
    hlavni_krok = 0.6f;
    struct { float cx; int smer_x, uhel; } meze[] = {{0, -1, -40}, {0, 1, -40}, {8.8f, 1, -40}, {8.9f, 1, -30},
                                                     {44.4f, -1, 0}, {44.5f, 1, 10}, {71.1f, 1, 30}, {71.2f, -1, 40}};
    for (auto& m : meze) {
        ASSERT_TRUE(dopad(px + m.cx - 6, m.smer_x));
        const OBJECT* k = kolo.koule[0];
        EXPECT_EQ(std::tuple(k->smer_x, k->smer_y, k->y), std::tuple((m.uhel > 0) - (m.uhel < 0), -1, PRKNO_Y - 12));
        EXPECT_NEAR(k->rychlost_x, std::sin(std::abs(m.uhel) * M_PI / 128) * hlavni_krok, 1e-4) << "px + " << m.cx;
        EXPECT_NEAR(std::hypot(k->rychlost_x, k->rychlost_y), hlavni_krok, 2e-4);
    }
    EXPECT_EQ(zvuku(snd_paddle), 8);
    EXPECT_EQ(std::tuple(dopad(px + 30, 1, 2.0f), dopad(px + 30, 1, -0.01f), dopad(px + 30, 1, 1.9f)),
              std::tuple(false, false, true));   // 2 pixels in already: lost; not down yet
    struct { float x; int smer; bool odrazena; } konce[] = {
        {px - 12, 1, true},   {px - 12.5f, 1, false}, {px - 11, -1, false}, {px - 6, -1, true},
        {px + 80, -1, true},  {px + 80.5f, -1, false}, {px + 75, 1, false},  {px + 74, 1, true},
    };
    for (auto& p : konce) EXPECT_EQ(dopad(p.x, p.smer), p.odrazena) << "px + " << p.x - px << " going " << p.smer;
}

// Random ricochet: wherever the ball lands, it leaves at one of the five zone angles, to either side.
TEST_F(Paddle, RandomRicochetLeavesAtEveryZoneAngle)
{
    prkno(300);
    nas[NAS_NAHODNY_ODRAZ] = 1;
    std::set<int> videno;
    for (int i = 0; i < 60; i++) {
        ASSERT_TRUE(dopad(334, 1));
        const OBJECT* k = kolo.koule[0];
        int uhel = int(std::lround(std::asin(k->rychlost_x / hlavni_krok) * 128 / M_PI));
        EXPECT_TRUE(uhel % 10 == 0 && (uhel == 0) == (k->smer_x == 0)) << uhel << " to " << k->smer_x;
        videno.insert(k->smer_x * uhel);
    }
    EXPECT_EQ(videno, (std::set<int>{-40, -30, -20, -10, 0, 10, 20, 30, 40}));
}

// Glue holds a falling ball where it landed, 5 pixels in from the left end and 20 from the right at
// least; a rising one is bounced. A resting ball is steered and refreshed at every tick, never bounced.
// The paddle and its barrels follow the mouse and take a new width and colour.
TEST_F(Paddle, GlueRestingBallsAndThePaddleFollowingTheMouse)
{
    OBJECT* prk = prkno(300);
    float px = prk->x;
    nas[NAS_LEPIDLO] = 1;
    struct { float x; int smer; float posun; } lepi[] = {
        {px + 30, 1, 30}, {px - 8, 1, 5}, {px + 75, -1, 60}, {px + 60, -1, 60}, {px + 5, 1, 5},
    };
    for (auto& p : lepi) {
        EXPECT_FALSE(dopad(p.x, p.smer));
        EXPECT_FALSE(kolo.koule[0]->aktivni);
        EXPECT_FLOAT_EQ(kolo.koule[0]->posun, p.posun) << "px + " << p.x - px;
    }
    EXPECT_EQ(zvuku(snd_paddle), 0);
    EXPECT_TRUE(dopad(px + 30, 1, 0.5f, -1));
    ASSERT_FALSE(dopad(px + 5, 1));
    OBJECT* k = kolo.koule[0];
    std::tie(nas[NAS_DRUH_KOULE], nas[NAS_PRUMER], k->x, k->smer_x) = std::tuple(KOULE_MODRA, 16, px + 60, -1);
    odraz_od_prkna(kolo.prkno, kolo.koule, kolo.pocet_kouli);
    EXPECT_EQ(std::tuple(k->smer_x, k->velikost, k->obrazek, k->aktivni), std::tuple(1, 16, obr(33), false));
    OBJECT* prava = kolo.pusky[0] = novy_object(bmp_gun_right, 0, 552, 0, 0, 0, 0, 0, 2, 0);
    OBJECT* leva = kolo.pusky[1] = novy_object(bmp_gun_left, 0, 552, 0, 0, 0, 0, 0, 1, 0);
    kolo.pocet_pusek = 2;
    std::tie(nas[NAS_SIRKA_PRKNA], nas[NAS_DRUH_KOULE]) = std::tuple(120, KOULE_RUDA);
    re_prkno(prk, kolo.pusky, kolo.pocet_pusek, 500);
    EXPECT_EQ(std::tuple(prk->x, prk->velikost, prk->obrazek, leva->x, prava->x),
              std::tuple(500.f, 120, obr(64), 500.f, 500.f + 120 - 10));
}
