// The game speed: the value of each minute, the ramp once a minute, and a speed bonus against both.
#include "world_fixture.h"

#include "world/speed.h"

using Speed = Svet;

TEST_F(Speed, MinuteValuesAndTheRamp)
{
    for (auto [minuta, krok] : {std::pair(0, 0.35f), {1, 0.40f}, {10, 0.85f}, {11, 0.9f}}) {
        minuty = minuta;
        srovnat_rychlost();
        EXPECT_FLOAT_EQ(hlavni_krok, krok) << "minute " << minuta;
    }
    hlavni_krok = 0.8f;   // one step a minute, up to the minute's value
    EXPECT_EQ(zmena_rychlosti(10), 10);
    EXPECT_NEAR(hlavni_krok, 0.85, 1e-6);
    hlavni_krok = 0.25f;   // after a slowdown at minute 5: one step only, never a jump
    zmena_rychlosti(5);
    EXPECT_NEAR(hlavni_krok, 0.30, 1e-6);
    hlavni_krok = 0.62f;   // above the minute's value, at minute 0, or with a damaged saved clock: left alone
    for (int m : {4, 0, -2}) zmena_rychlosti(m);
    minuty = -2;
    srovnat_rychlost();
    EXPECT_FLOAT_EQ(hlavni_krok, 0.62f);
    hlavni_krok = 0.95f;   // "game speed +" beyond the maximum, then minute 11
    zmena_rychlosti(11);
    EXPECT_EQ(hlavni_krok, 0.9f);
}

TEST_F(Speed, TheTickRampsTheSpeedWhenTheMinuteChanges)
{
    ASSERT_TRUE(zaloz_objekty_kola(&kolo, 300));
    kostka_v(0, 1);
    tik();
    EXPECT_FLOAT_EQ(hlavni_krok, 0.35f);
    hl_posun_cas(600 * 60);   // the play clock reaches 1:00 (its minute has 59 seconds)
    EXPECT_EQ(minuty, 1);
    tik();
    tik();
    EXPECT_EQ(kolo.posledni_minuta, 1);
    EXPECT_NEAR(hlavni_krok, 0.40, 1e-6);
}
