// The collision search keeps a map of where the bricks stand from tick to tick: whatever happens to
// the store between two ticks, the next search must see the store as it is.
#include "world_fixture.h"

#include "world/brick_collision.h"
#include "world/grey_bricks.h"

namespace {

// A grey ball falling straight onto the middle of the top of cell `bunka`'s brick.
OBJECT* nad(OBJECT* b, int bunka)
{
    b->x = x_bunky(bunka) + 13.5f;
    b->y = y_bunky(bunka) - 11.0f;
    b->smer_x = 0;
    b->smer_y = 1;
    b->posledni_kostka = -1;
    return b;
}

}  // namespace

using HledaniKostek = Svet;

TEST_F(HledaniKostek, TheStoreAsItIsNowIsSearched)
{
    OBJECT* b = koule(0, 0);
    auto odraz = [&] { return odraz_od_kostek(kostka, POCET_KOSTEK, kolo.koule, kolo.pocet_kouli); };
    KOSTKA* a = kostka_v(45, KOSTKA_DVA_ZASAHY);
    KOSTKA* c = kostka_v(47, KOSTKA_DVA_ZASAHY);
    EXPECT_EQ(odraz(), 0);   // the ball is still far away: the map of these two is made

    a->zasahy = 0;           // a frame end removes the first: the second moves up in the store
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ((nad(b, 47), odraz()), 1);
    EXPECT_EQ(c->zasahy, 1);
    EXPECT_EQ((nad(b, 45), odraz()), 0);   // nothing stands there any more

    delete kostka[0];        // a new round: the store is made anew, maybe in the very same memory
    POCET_KOSTEK = 0;
    KOSTKA* d = kostka_v(60, 1);
    EXPECT_EQ((nad(b, 47), odraz()), 0);
    EXPECT_EQ((nad(b, 60), odraz()), 1);
    EXPECT_EQ(d->zasahy, 0);

    d->zasahy = 1;           // the same bricks in another order: searched one by one, still found
    KOSTKA* e = kostka_v(20, 1);
    EXPECT_EQ((nad(b, 60), odraz()), 1);
    EXPECT_EQ((nad(b, 20), odraz()), 1);
    EXPECT_EQ(d->zasahy + e->zasahy, 0);
}

TEST_F(HledaniKostek, ShotsFindTheBricksLeftAfterAFrameEnd)
{
    nas[NAS_PUSKA] = 1;
    KOSTKA* bunky[3] = {kostka_v(41, 1), kostka_v(42, 1), kostka_v(61, KOSTKA_SEDA)};
    re_kostky(kostka, &POCET_KOSTEK);
    KOSTKA* premenene[POCET_BUNEK];
    EXPECT_EQ(odstran_sede(kostka, POCET_KOSTEK, premenene), 1);
    OBJECT* s = strela(x_bunky(42) + 5.0f, y_bunky(42) + 15.0f);   // in the lower half of cell 42's brick
    EXPECT_EQ(odraz_str_od_kostek(kostka, POCET_KOSTEK, kolo.strely, kolo.pocet_strel), 1);
    EXPECT_EQ(bunky[1]->zasahy, 0);
    re_kostky(kostka, &POCET_KOSTEK);   // cell 42 goes; cell 61 (now two hits) moves up to index 1
    s->druh = 1;
    s->x = x_bunky(61) + 5.0f;
    s->y = y_bunky(61) + 15.0f;
    EXPECT_EQ(odraz_str_od_kostek(kostka, POCET_KOSTEK, kolo.strely, kolo.pocet_strel), 1);
    EXPECT_EQ(bunky[2]->zasahy, 1);
    EXPECT_EQ(bunky[0]->zasahy, 1);
}
