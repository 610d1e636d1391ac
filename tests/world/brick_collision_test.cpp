// Balls and shots against bricks: sides, the corner table, the rule of the last brick, the three
// ball kinds, the shots' row lookup, and the map of the store kept from tick to tick.
#include "world_fixture.h"

#include "world/brick_collision.h"
#include "world/grey_bricks.h"

#include <cmath>

// Brick in cell 45: x 205..244, y 50..70; its corners (205, 50), (244, 50), (205, 70), (244, 70).
class BrickCollision : public Svet {
protected:
    KOSTKA* k = nullptr;
    void SetUp() override
    {
        Svet::SetUp();
        k = kostka_v(45, 1);
    }
    int odraz() { return odraz_od_kostek(kostka, POCET_KOSTEK, kolo.koule, kolo.pocet_kouli); }
};

TEST_F(BrickCollision, SidesTurnTheBallAndStepItBackOut)
{
    struct { float x, y; int sx, sy, cekany_sx, cekany_sy; float dx, dy; } strany[] = {
        {218.5f, 39, 0, 1, 0, -1, 0, -0.3f},   // straight down on the top's middle
        {218.5f, 69, 1, -1, 1, 1, 0, 0.3f},    // bottom
        {195, 54, 1, 1, -1, 1, -0.2f, 0},      // left
        {242, 54, -1, -1, 1, -1, 0.2f, 0},     // right
    };
    for (auto& p : strany) {
        k->zasahy = 1;
        bez_kouli();
        OBJECT* b = koule(p.x, p.y, p.sx, p.sy);
        EXPECT_EQ(odraz(), 1);
        EXPECT_EQ(std::tuple(b->smer_x, b->smer_y, b->x, b->y, b->posledni_kostka, k->zasahy),
                  std::tuple(p.cekany_sx, p.cekany_sy, p.x + p.dx, p.y + p.dy, 45, 0));
    }
    EXPECT_EQ(zvuku(snd_brick), 4);
}

// A ball still overlapping the brick it bounced off neither bounces nor damages it again until a tick
// without touch; the store is searched whole when its bricks are out of cell order.
TEST_F(BrickCollision, SameBrickIsNotBouncedOffTwiceInARow)
{
    k->zasahy = 2;
    OBJECT* b = koule(218.5f, 39, 0, 1, 0, 0.3f);
    EXPECT_EQ(odraz(), 1);
    b->smer_y = 1;
    EXPECT_EQ(odraz(), 0);
    EXPECT_EQ(std::tuple(b->smer_y, k->zasahy, b->posledni_kostka), std::tuple(1, 1, 45));
    b->y = 20;
    EXPECT_EQ(std::tuple(odraz(), b->posledni_kostka), std::tuple(0, -1));
    KOSTKA* nahore = kostka_v(5, 1);   // after the brick of row 2, though above it
    std::tie(b->y, b->smer_y) = std::tuple(29.f, -1);
    EXPECT_EQ(odraz(), 1);
    EXPECT_EQ(std::tuple(nahore->zasahy, k->zasahy), std::tuple(0, 1));
}

TEST_F(BrickCollision, BallKindsDecideBounceAndDamage)
{
    KOSTKA* seda = kostka_v(47, KOSTKA_SEDA);        // x 283..322
    KOSTKA* pet = kostka_v(49, KOSTKA_PET_ZASAHU);   // x 361..400
    OBJECT* b = koule(0, 65, 0, -1, 0, 0.3f);        // rising into a bottom
    struct { int druh; float x; int smer_y; int seda, pet; } pripady[] = {
        {KOULE_SEDA, 296.5f, 1, 1, 5},    // grey on grey: bounce and sound, no damage
        {KOULE_SEDA, 374.5f, 1, 1, 4},    // grey on five hits: one hit
        {KOULE_MODRA, 374.5f, -1, 1, 0},  // blue smashes and flies on
        {KOULE_MODRA, 296.5f, 1, 1, 0},   // blue bounces off grey unharmed
        {KOULE_RUDA, 296.5f, -1, 0, 0},   // red destroys grey too, without turning
    };
    for (auto& p : pripady) {
        std::tie(b->druh, b->x, b->y, b->smer_y) = std::tuple(p.druh, p.x, 65.f, -1);
        b->posledni_kostka = p.druh == KOULE_RUDA ? 47 : -1;
        EXPECT_EQ(odraz(), 1);
        EXPECT_EQ(std::tuple(b->smer_y, seda->zasahy, pet->zasahy), std::tuple(p.smer_y, p.seda, p.pet))
            << "kind " << p.druh << " at " << p.x;
    }
    EXPECT_EQ(std::tuple(b->posledni_kostka, zvuku(snd_brick)), std::tuple(-1, 5));   // red bounced off nothing
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ(nas[NAS_SKORE], 50 + 20);
    KOSTKA* vedle = kostka_v(46, 2);   // x 244..283: its lower-left corner (244, 70) is near the ball
    for (int druh : {KOULE_MODRA, KOULE_RUDA, KOULE_SEDA}) {   // two bricks in a tick: only without bouncing
        k->zasahy = vedle->zasahy = 1;
        bez_kouli();
        koule(237, 66, 1, -1)->druh = druh;   // under the first one's bottom, centre (243, 72)
        EXPECT_EQ(odraz(), 1);
        EXPECT_EQ(std::tuple(k->zasahy, vedle->zasahy), std::tuple(0, druh == KOULE_SEDA ? 1 : 0)) << druh;
    }
}

// A ball already leaving the corner's way, or coming back along it, keeps or reverses its other
// direction; one meeting the corner diagonally turns by the nearer side (dx > dy or not, at each corner);
// a straight ball leaves a lower corner diagonally at angle 20. A recent bounce or a red ball: contact
// without turning; too far, inside or beside: no contact.
TEST_F(BrickCollision, CornerTable)
{
    struct { float x, y; int sx, sy, cekany_sx, cekany_sy, posledni = -1, druh = KOULE_SEDA; } rohy[] = {
        {196, 41, 1, -1, -1, -1}, {196, 41, -1, 1, -1, -1},                           // leaving, coming back
        {195, 42, 1, 1, -1, 1},   {197, 40, 1, 1, 1, -1},   {196, 41, 0, 1, 0, -1},   // top left
        {239, 46, -1, 1, 1, 1},   {241, 41, -1, 1, -1, -1},                           // top right
        {196, 67, 1, -1, -1, -1}, {201, 62, 1, -1, 1, 1},                             // bottom left
        {239, 68, -1, -1, 1, -1}, {241, 67, -1, -1, -1, 1},                           // bottom right
        {196, 67, 0, -1, -1, 1},  {241, 67, 0, 1, 1, 1},                              // straight
        {196, 41, 1, 1, 1, 1, 7}, {196, 41, 1, 1, 1, 1, -1, KOULE_RUDA},              // no turn
    };
    for (auto& r : rohy) {
        bez_kouli();
        OBJECT* b = koule(r.x, r.y, r.sx, r.sy);
        std::tie(b->posledni_kostka, b->druh) = std::tuple(r.posledni, r.druh);
        int odrazil = 0;
        EXPECT_EQ(odraz_body_k(k, b, &odrazil), ROH);
        bool toci = r.posledni == -1 && r.druh == KOULE_SEDA;
        EXPECT_EQ(std::tuple(b->smer_x, b->smer_y, odrazil, b->x), std::tuple(r.cekany_sx, r.cekany_sy, toci, r.x))
            << r.x << "," << r.y << " going " << r.sx << "," << r.sy;
        if (r.sx == 0 && r.y > 60) { EXPECT_NEAR(b->rychlost_x, 0.35 * std::sin(20 * M_PI / 128), 1e-4); }
    }
    for (auto [x, y] : {std::pair(193.f, 38.f), {218.5f, 54.f}, {190.f, 41.f}}) {
        int odrazil = 0;
        EXPECT_EQ(odraz_body_k(k, koule(x, y), &odrazil), 0) << x << "," << y;
    }
    bez_kouli();   // through the whole tick, a straight ball into the lower-left corner breaks the brick
    OBJECT* b = koule(196, 67, 0, -1);
    EXPECT_EQ(std::tuple(odraz(), k->zasahy, b->smer_x), std::tuple(1, 0, -1));
}

// A shot hits the first live brick of the row above the one its top is in and is used up, lost on grey;
// shots and balls search the store as it is now, whatever a frame end or a new round did to it.
TEST_F(BrickCollision, ShotsHitTheRowAboveAndEverySearchSeesTheStoreAsItIsNow)
{
    auto strely = [this] { return odraz_str_od_kostek(kostka, POCET_KOSTEK, kolo.strely, kolo.pocet_strel); };
    KOSTKA* seda = kostka_v(46, KOSTKA_SEDA);
    KOSTKA* dole = kostka_v(61, 1);   // row 3, y 70..90, after k (row 2, y 50..70) in the store
    std::tie(nas[NAS_PUSKA], k->zasahy) = std::tuple(1, 2);
    re_kostky(kostka, &POCET_KOSTEK);
    OBJECT* s = strela(220, 69);
    EXPECT_EQ(strely(), 1);
    EXPECT_EQ(std::tuple(s->druh, k->zasahy, strely()), std::tuple(0, 1, 0));   // a dead shot tests nothing
    OBJECT* g = strela(260, 60);
    EXPECT_EQ(std::tuple(strely(), g->druh, seda->zasahy), std::tuple(1, 0, 1));   // lost on grey, unharmed
    s->druh = 1;
    EXPECT_EQ((strely(), k->zasahy), 0);
    re_kostky(kostka, &POCET_KOSTEK);   // k goes: row 3 moves up in the store and in the row index
    std::tie(s->druh, s->x, s->y) = std::tuple(1, x_bunky(61) + 5.0f, y_bunky(61) + 15.0f);
    EXPECT_EQ((strely(), dole->zasahy), 0);
    re_kostky(kostka, &POCET_KOSTEK);
    OBJECT* b = koule(0, 0);
    auto nad = [&](int bunka) {   // falling straight onto the middle of the top of the cell's brick
        std::tie(b->x, b->y, b->smer_x, b->smer_y, b->posledni_kostka) =
            std::tuple(x_bunky(bunka) + 13.5f, y_bunky(bunka) - 11.0f, 0, 1, -1);
        return odraz();
    };
    EXPECT_EQ(std::tuple(nad(61), nad(46)), std::tuple(0, 1));
    delete kostka[0];   // a new round: a new store, maybe in the very same memory
    std::tie(POCET_KOSTEK, nas[NAS_PUSKA], s->druh, s->y) = std::tuple(0, 0, 1, 65.f);
    EXPECT_EQ(strely(), 0);   // with the gun off the row index stays, and reaches beyond the store
    kostka_v(60, 1);
    EXPECT_EQ(std::tuple(nad(46), nad(60)), std::tuple(0, 1));
}
