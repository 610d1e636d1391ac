// The brick store and the object lists at the frame end: removal in order, scoring, the win test.
#include "world_fixture.h"

using BrickStore = Svet;

// Destroyed bricks go and are scored once: 10 for types 1-5, 20 for 6-9, 50 for grey; the rest keep their
// order. No brick of a type with no picture is made.
TEST_F(BrickStore, DestroyedBricksAreScoredAndTheRestKeepTheirOrder)
{
    int druhy[] = {1, 5, 6, 7, 2, 8, 9, 10, 3};
    for (int i = 0; i < 9; i++) kostka_v(40 + i, druhy[i]);
    for (int i : {0, 1, 2, 3, 5, 6, 7}) kostka[i]->zasahy = 0;   // two side by side, grey included
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ(nas[NAS_SKORE], 10 + 10 + 20 + 20 + 20 + 20 + 50);
    ASSERT_EQ(POCET_KOSTEK, 2);
    EXPECT_EQ(std::tuple(kostka[0]->pozice, kostka[1]->pozice), std::tuple(44, 48));
    re_kostky(kostka, &POCET_KOSTEK);   // nothing is scored twice
    EXPECT_EQ(nas[NAS_SKORE], 150);
    EXPECT_EQ(nova_kostka(10, 10, 11, 1, 0), nullptr);
    EXPECT_EQ(nova_kostka(10, 10, 0, 1, 0), nullptr);
}

TEST_F(BrickStore, RoundIsWonWhenOnlyGreyBricksOrNoneAreLeft)
{
    auto stav = [] { int s = 0; return kontrola_stavu_kostek(kostka, POCET_KOSTEK, &s), s; };
    EXPECT_EQ(stav(), STAV_VYHRA);
    kostka_v(10, KOSTKA_SEDA);
    kostka_v(12, 4)->zasahy = 0;   // destroyed, but standing until the frame ends
    EXPECT_EQ(stav(), 0);
    re_kostky(kostka, &POCET_KOSTEK);
    EXPECT_EQ(stav(), STAV_VYHRA);
}

// At the frame end dead objects go, the last live one taking the first hole, and the last element goes
// without a copy.
TEST_F(BrickStore, DeadObjectsGoAtTheFrameEnd)
{
    OBJECT* pole[5];
    int pocet = 5;
    for (int i = 0; i < 5; i++) pole[i] = novy_object(bmp_shot, 100.0f + i, 300, 0, 0, 0.4f, 0, -1, 1, 1);
    for (int i : {0, 1, 4}) pole[i]->druh = 0;   // two side by side, and the last whose copy would be dead
    pole[2]->y = 200;
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 2);
    EXPECT_EQ(std::tuple(pole[0]->x, pole[1]->x, pole[1]->y_stare, pole[2]), std::tuple(103.f, 102.f, 200.f, nullptr));
    pole[1]->druh = 0;
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 1);
    EXPECT_FLOAT_EQ(pole[0]->x, 103);
    delete pole[0];
}
