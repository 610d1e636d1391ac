// The brick store at the frame end: removal in order, scoring, the row index, the win test.
#include "world_fixture.h"

using BrickStore = Svet;

// Destroyed bricks go and are scored once (10 for types 1-5, 20 for 6-9, 50 for grey); the rest keep
// their order. While the gun is on, the shots' row index is rebuilt: first and last store index per row.
TEST_F(BrickStore, DestroyedBricksAreScoredAndTheRestKeepTheirOrder)
{
    int druhy[] = {1, 5, 6, 7, 2, 8, 9, 10, 3};
    for (int bunka : {3, 25, 27, 30}) kostka_v(bunka, 1);
    for (int i = 0; i < 9; i++) kostka_v(40 + i, druhy[i]);
    kostka_v(430, 1);
    for (int i : {0, 4, 5, 6, 7, 9, 10, 11}) kostka[i]->zasahy = 0;   // side by side, grey included
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ(nas[NAS_SKORE], 10 + 10 + 10 + 20 + 20 + 20 + 20 + 50);
    ASSERT_EQ(POCET_KOSTEK, 6);
    EXPECT_EQ(kostka[3]->pozice, 44);
    EXPECT_EQ(kostka[4]->pozice, 48);
    EXPECT_EQ(nas[NAS_RADKY + 2], PRAZDNY_RADEK);   // the gun is off
    nas[NAS_PUSKA] = 1;
    re_kostky(kostka, &POCET_KOSTEK);   // nothing is scored twice
    EXPECT_EQ(nas[NAS_SKORE], 160);
    int cekane[] = {PRAZDNY_RADEK, PRAZDNY_RADEK, 0, 2, 3, 4, PRAZDNY_RADEK};   // rows 0 to 3
    for (int i = 0; i < 7; i++) EXPECT_EQ(nas[NAS_RADKY + i], cekane[i]) << "entry " << i;
    EXPECT_EQ(nas[NAS_RADKY + 42], 5);
    EXPECT_EQ(nas[NAS_RADKY + 43], 5);
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
