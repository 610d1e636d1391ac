// The brick store at the frame end: removal in order, scoring, the row index, the win test.
#include "world_fixture.h"

using BrickStore = Svet;

// Destroyed bricks go and are scored once: 10 for types 1-5, 20 for 6-9, 50 for grey; the rest keep their
// order. (The shots' row index built here is checked through the shots.)
TEST_F(BrickStore, DestroyedBricksAreScoredAndTheRestKeepTheirOrder)
{
    int druhy[] = {1, 5, 6, 7, 2, 8, 9, 10, 3};
    for (int i = 0; i < 9; i++) kostka_v(40 + i, druhy[i]);
    for (int i : {0, 1, 2, 3, 5, 6, 7}) kostka[i]->zasahy = 0;   // two side by side, grey included
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ(nas[NAS_SKORE], 10 + 10 + 20 + 20 + 20 + 20 + 50);
    ASSERT_EQ(POCET_KOSTEK, 2);
    EXPECT_EQ(kostka[0]->pozice, 44);
    EXPECT_EQ(kostka[1]->pozice, 48);
    re_kostky(kostka, &POCET_KOSTEK);   // nothing is scored twice
    EXPECT_EQ(nas[NAS_SKORE], 150);
}

TEST_F(BrickStore, RoundIsWonWhenOnlyGreyBricksOrNoneAreLeft)
{
    int stav = 0;
    kontrola_stavu_kostek(kostka, POCET_KOSTEK, &stav);
    EXPECT_EQ(stav, STAV_VYHRA);
    stav = 0;
    kostka_v(10, KOSTKA_SEDA);
    kostka_v(12, 4)->zasahy = 0;   // destroyed, but standing until the frame ends
    kontrola_stavu_kostek(kostka, POCET_KOSTEK, &stav);
    EXPECT_EQ(stav, 0);
    re_kostky(kostka, &POCET_KOSTEK);
    kontrola_stavu_kostek(kostka, POCET_KOSTEK, &stav);
    EXPECT_EQ(stav, STAV_VYHRA);
}
