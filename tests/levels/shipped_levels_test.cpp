// The levels that ship with the game: the built files, their text sources, and that each can be won.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/binary_file.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "levels/level_text.h"
#include "levels/loader.h"
#include "platform/headless.h"
#include "support/fake_data.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "world/simulation.h"

namespace {

std::string cesta_urovne(int n) { return ODRAZ_RUN_DIR "/" + jmeno_urovne(n); }
// Level/level_NNN.lvl is built from data/levels/level_NNN.txt.
std::string cesta_textu(int n) { return ODRAZ_SOURCE_DIR "/data/levels/" + jmeno_urovne(n).substr(6, 9) + ".txt"; }

// The shipped levels: the texts numbered from 001 without a gap.
int pocet_urovni()
{
    int n = 0;
    while (soubor_existuje(cesta_textu(n + 1).c_str())) n++;
    return n;
}

bool rozbitna(int v) { return v >= 1 && v <= 9; }

UROVEN nacti(int n)
{
    UROVEN u;
    EXPECT_EQ(CTENI_CELE, nacti_uroven(cesta_urovne(n).c_str(), &u)) << n;
    return u;
}

// The headless driver with blank pictures of the right sizes, for the bot's games.
class ShippedLevel : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { spust_headless(nullptr), zaloz_falesna_data(); }
    void TearDown() override { zrus_falesna_data(), ukonci_headless(); }
};

}  // namespace

TEST(ShippedLevels, AtLeastTwentyFiveAndEveryBrickTypeTakesPart)
{
    EXPECT_GE(pocet_urovni(), 25);
    bool pouzit[KOSTKA_SEDA + 1] = {};
    for (int n = 1; n <= pocet_urovni(); n++)
        for (int v : nacti(n).bunky) pouzit[v] = true;
    for (int t = 1; t <= KOSTKA_SEDA; t++) EXPECT_TRUE(pouzit[t]) << "type " << t;
}

// The built file is made from its text source, by "Odraz", with room to play in rows 16..21. Grey bricks
// may stand in the way but never wall breakable ones in: from the empty space at the bottom, every
// breakable brick is reached through cells that are empty or breakable themselves.
TEST_P(ShippedLevel, FileIsMadeFromItsTextAndNothingIsWalledIn)
{
    const int n = GetParam();
    std::string text = precti_bajty(cesta_textu(n).c_str());
    UROVEN u;
    CHYBA_TEXTU ch;
    ASSERT_TRUE(uroven_z_textu(text.data(), text.size(), &u, &ch)) << "line " << ch.radek << ": " << ch.zprava;
    EXPECT_EQ(0u, text.find("# Level " + std::to_string(n) + ": ")) << "the text needs its title";
    unsigned char b[VELIKOST_UROVNE];
    uroven_do_bajtu(u, b);
    EXPECT_EQ(precti_bajty(cesta_urovne(n).c_str()), std::string(reinterpret_cast<char*>(b), sizeof b)) << "stale";
    EXPECT_STREQ("Odraz", u.autor);

    bool dosazena[POCET_BUNEK] = {};
    std::function<void(int, int)> dojdi = [&](int r, int c) {
        if (r < 0 || r >= RADKU || c < 0 || c >= SLOUPCU || dosazena[r * SLOUPCU + c]) return;
        if (u.bunky[r * SLOUPCU + c] == KOSTKA_SEDA) return;
        dosazena[r * SLOUPCU + c] = true;
        dojdi(r - 1, c), dojdi(r + 1, c), dojdi(r, c - 1), dojdi(r, c + 1);
    };
    for (int c = 0; c < SLOUPCU; c++) dojdi(RADKU - 1, c);
    int rozbitnych = 0;
    for (int i = 0; i < POCET_BUNEK; i++) {
        EXPECT_TRUE(u.bunky[i] == 0 || i < 16 * SLOUPCU) << "cell " << i;
        EXPECT_FALSE(rozbitna(u.bunky[i]) && !dosazena[i]) << "walled in: cell " << i;
        rozbitnych += rozbitna(u.bunky[i]);
    }
    EXPECT_GE(rozbitnych, 1) << "the level would be won before it starts";
}

// The bot wins every level, in time: with no bonus at all (so no red ball; grey walls open only at
// minute 7) and lives never used up, as when a level is tried; and as in a real game, with three
// lives and the bonuses the loader deals, good and bad alike.
TEST_P(ShippedLevel, BotFinishesIt)
{
    const UROVEN u = nacti(GetParam());
    for (unsigned seed : {1u, 2u, 3u, 11u, 12u}) {
        const bool bonusy = seed > 10;
        SIM_NASTAVENI nast;
        nast.seed = seed;
        nast.max_tiku = 15 * 600L * 59;   // 15 minutes of the play clock, whose minute has 59 seconds
        nast.mod_hry = bonusy ? MOD_OBYCEJNA : MOD_ZKUSEBNI;   // three lives by default
        if (bonusy) nast.prirad_bonusy = prirad_bonusy;
        SIM_VYSLEDEK v = simuluj(u.bunky, nast);
        EXPECT_EQ(STAV_VYHRA, v.status) << "seed " << seed << (bonusy ? " with" : " without") << " bonuses: "
                                        << v.zbyva_rozbitnych << " breakable bricks left after " << v.tiku
                                        << " ticks, " << v.zivoty << " lives";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLevel, ::testing::Range(1, pocet_urovni() + 1));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ShippedLevel);
