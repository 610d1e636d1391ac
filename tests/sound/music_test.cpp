// The succession of music pieces, the choice fitted to the pieces found, and the volumes handed on.
#include "support/game_setup.h"
#include "platform/headless.h"
#include "sound/sound.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

class MusicSuccession : public ::testing::Test {
protected:
    void SetUp() override { spust_headless(nullptr); }
    void TearDown() override
    {
        pocet_midi = 0;
        ukonci_headless();
    }
};

TEST_F(MusicSuccession, AllInTurnFromTheSecondPieceAFixedChoiceRepeatsAndZeroStops)
{
    pocet_midi = 3;
    jake_midi = 1;
    // Lets each piece end and asks for the next, as every screen loop does.
    auto poradi = [](int volba, int kolik) {
        nastav_midi = volba;
        std::vector<int> kusy;
        for (int i = 0; i < kolik; i++, hl_midi_dohralo()) {
            re_midi();
            kusy.push_back(hl_zaznam.back().a);
        }
        return kusy;
    };
    EXPECT_EQ(poradi(10, 4), (std::vector<int>{2, 3, 1, 2}));
    EXPECT_EQ(poradi(2, 2), (std::vector<int>{2, 2}));
    EXPECT_EQ(poradi(10, 2), (std::vector<int>{3, 1}));   // switched back: goes on after the last piece played
    re_midi();
    nastav_midi = 0;
    re_midi();
    re_midi();
    EXPECT_EQ(hl_pocet(HL_MIDI_STOP, 0), 1);   // nothing was playing the second time
    hl_zaznam.clear();
    pocet_midi = 0;
    nastav_midi = 10;
    re_midi();
    EXPECT_TRUE(hl_zaznam.empty());
}

TEST_F(MusicSuccession, ChoiceIsFittedToThePiecesFoundAndVolumesAreClamped)
{
    struct { int volba, kusu, ocekavano; } pripady[] = {
        {7, 3, 3}, {10, 3, 10}, {9, 9, 9}, {0, 3, 0}, {-1, 3, 10}, {11, 3, 10}, {5, 0, 0},
    };
    for (auto p : pripady) {
        nastav_midi = p.volba;
        pocet_midi = p.kusu;
        prizpusob_volbu_hudby();
        EXPECT_EQ(nastav_midi, p.ocekavano) << "choice " << p.volba << " with " << p.kusu << " pieces";
    }
    volume_zvuk = -2;
    volume_hudba = 300;
    pouzij_hlasitost();
    EXPECT_EQ(std::tuple(hl_zaznam.back().druh, hl_zaznam.back().a, hl_zaznam.back().b), std::tuple(HL_HLASITOST, 0, 255));
    EXPECT_EQ(volume_zvuk, -2);   // the panel keeps its own value
}
