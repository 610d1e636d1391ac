// Capsules: release from destroyed bricks, the rectangle that blocks a release, the limit, the fall
// and the catch.
#include "world_fixture.h"

#include "world/capsules.h"

class Capsules : public Svet {
protected:
    void uvolni() { novy_bonus(kostka, POCET_KOSTEK, kolo.bonusy, &kolo.pocet_bonusu); }
};

// Destroyed bricks release their capsules from the last one back; a capsule lying in the 40 x 25
// rectangle at a brick's corner holds its capsule back, which is then lost; five falling are the most.
TEST_F(Capsules, ReleasedBackwardsUnlessACapsuleLiesAtTheCorner)
{
    KOSTKA* a = kostka_v(45, 1, 7);   // x 205
    kostka_v(46, 2, 9);               // x 244: its capsule lies in a's rectangle
    kostka_v(47, 3, 4);               // standing: keeps its bonus
    kostka_v(48, 4, 5);               // x 322: clear of the capsule at 244 (30 wide)
    kostka_v(49, 4, 17);              // no such bonus
    for (int i : {0, 1, 3, 4}) kostka[i]->zasahy = 0;
    uvolni();
    ASSERT_EQ(kolo.pocet_bonusu, 2);
    OBJECT* c = kolo.bonusy[1];
    EXPECT_EQ(std::tuple(kolo.bonusy[0]->druh, c->druh, c->x, c->y, c->obrazek),
              std::tuple(5, 9, 244.0f, 50.0f, obr(8)));
    EXPECT_EQ(std::tuple(a->bonus, kostka[2]->bonus), std::tuple(0, 4));
    a->bonus = 7;   // the rectangle ends 40 to the right and 25 below the brick's corner
    std::tie(c->x, kolo.bonusy[0]->x, kolo.bonusy[0]->y) = std::tuple(245.f, 205.f, 75.f);
    uvolni();
    ASSERT_EQ(kolo.pocet_bonusu, 3);
    a->bonus = 7;
    kolo.bonusy[2]->y = 74.9f;
    uvolni();
    EXPECT_EQ(kolo.pocet_bonusu, 3);
    for (int i = 0; i < 2; i++) kapsle(1, 600, 300);   // five falling: nothing more, the bonus stays
    a->bonus = 7;
    kolo.bonusy[2]->y = 300;
    uvolni();
    EXPECT_EQ(std::tuple(kolo.pocet_bonusu, a->bonus), std::tuple(5, 7));
}

// They fall 0.4 a tick and die below the field; the paddle catches those that overlap it, for 50 points.
TEST_F(Capsules, CapsulesFallAndThePaddleCatchesThoseItTouches)
{
    OBJECT* c = kapsle(5, 300, 100);
    re_bonus(kolo.bonusy, kolo.pocet_bonusu);
    EXPECT_FLOAT_EQ(c->y, 100.4f);
    c->y = 589.7f;
    re_bonus(kolo.bonusy, kolo.pocet_bonusu);
    EXPECT_EQ(c->druh, 0);
    OBJECT* p = prkno(300);   // 300..380, 557..577
    OBJECT* chycena = kapsle(5, 300 - 29.5f, PRKNO_Y - 14.5f);
    OBJECT* vedle = kapsle(6, 300 - 30, PRKNO_Y);   // its right edge on the paddle's left end
    OBJECT* nad = kapsle(7, 320, PRKNO_Y - 15);     // its bottom on the paddle's top
    c->y = PRKNO_Y;                                 // dead
    nas[NAS_SKORE] = 100;
    brat_bonus(p, kolo.bonusy, kolo.pocet_bonusu);
    EXPECT_EQ(std::tuple(chycena->aktivni, vedle->aktivni || nad->aktivni || c->aktivni), std::tuple(true, false));
    EXPECT_EQ(std::tuple(nas[NAS_SKORE], zvuku(snd_bonus)), std::tuple(150, 1));
}
