// The records of the playfield: the makers and the frame-end clearing.
#include "world_fixture.h"

using WorldObjects = Svet;

// No brick of a type with no picture; at the frame end dead objects go, the last live one taking the
// first hole, and the last element goes without a copy.
TEST_F(WorldObjects, NoBrickOfAnUnknownTypeAndDeadObjectsGoAtTheFrameEnd)
{
    EXPECT_EQ(nova_kostka(10, 10, 11, 1, 0), nullptr);
    EXPECT_EQ(nova_kostka(10, 10, 0, 1, 0), nullptr);
    OBJECT* pole[5];
    int pocet = 5;
    for (int i = 0; i < 5; i++) pole[i] = novy_object(bmp_shot, 100.0f + i, 300, 0, 0, 0.4f, 0, -1, 1, 1);
    for (int i : {0, 1, 4}) pole[i]->druh = 0;   // two side by side, and the last whose copy would be dead
    pole[2]->y = 200;
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 2);
    EXPECT_FLOAT_EQ(pole[0]->x, 103);
    EXPECT_FLOAT_EQ(pole[1]->x, 102);
    EXPECT_FLOAT_EQ(pole[1]->y_stare, 200);
    EXPECT_EQ(pole[2], nullptr);
    pole[1]->druh = 0;
    re_last_object(pole, &pocet);
    ASSERT_EQ(pocet, 1);
    EXPECT_FLOAT_EQ(pole[0]->x, 103);
    delete pole[0];
}
