// The levels that ship with the game: the built files, their text sources, and that each can be won.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/game_setup.h"
#include "core/level_file.h"
#include "levels/level_text.h"
#include "levels/loader.h"
#include "core/binary_file.h"
#include "platform/headless.h"
#include "core/globals.h"
#include "support/fake_data.h"
#include "support/sandbox.h"
#include "world/simulation.h"

namespace {

std::string cesta_urovne(int n) { return ODRAZ_RUN_DIR "/" + jmeno_urovne(n); }

std::string cesta_textu(int n)
{
    std::string jmeno = jmeno_urovne(n);   // Level/level_NNN.lvl
    return ODRAZ_SOURCE_DIR "/data/levels/" + jmeno.substr(6, 9) + ".txt";
}

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

// One shipped level, with the headless driver and blank pictures of the right sizes for the bot's games.
struct HEADLESS {
    HEADLESS() { spust_headless(nullptr); }
    ~HEADLESS() { ukonci_headless(); }
};

class ShippedLevel : public ::testing::TestWithParam<int> {
protected:
    HEADLESS headless;
    FALESNA_DATA data;
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

// The built file is whole, valid and made from its text source. Grey bricks may stand in the way but
// never wall breakable ones in: from the empty space at the bottom, every breakable brick is reached
// through cells that are empty or breakable themselves.
TEST_P(ShippedLevel, FileIsWholeValidMadeFromItsTextAndNothingIsWalledIn)
{
    const int n = GetParam();
    std::string s = precti_bajty(cesta_urovne(n).c_str());
    ASSERT_EQ(VELIKOST_UROVNE, s.size()) << "not built, or not whole";
    int rozbitnych = 0;
    for (size_t i = 0; i < VELIKOST_MRIZKY; i += 4) {
        int32_t v = cti_le32(reinterpret_cast<const unsigned char*>(s.data()) + i);
        ASSERT_TRUE(bunka_platna(v)) << "cell " << i / 4 << " holds " << v;
        EXPECT_TRUE(v == 0 || i / 4 < 16 * SLOUPCU) << "rows 16..21 stay empty, room to play: cell " << i / 4;
        rozbitnych += rozbitna(v);
    }
    EXPECT_GE(rozbitnych, 1) << "the level would be won before it starts";
    EXPECT_EQ(std::string("Odraz\0\0\0\0\0\0\0\0", MAX_JMENO), s.substr(VELIKOST_MRIZKY));

    std::string text = precti_bajty(cesta_textu(n).c_str());
    UROVEN u;
    CHYBA_TEXTU ch;
    ASSERT_TRUE(uroven_z_textu(text.data(), text.size(), &u, &ch))
        << cesta_textu(n) << ":" << ch.radek << ":" << ch.sloupec << ": " << ch.zprava;
    unsigned char b[VELIKOST_UROVNE];
    uroven_do_bajtu(u, b);
    EXPECT_EQ(s, std::string(reinterpret_cast<char*>(b), sizeof b)) << "the built file is stale";
    EXPECT_EQ(0u, text.find("# Level " + std::to_string(n) + ": ")) << "the text needs its title";

    bool dosazena[POCET_BUNEK] = {};
    std::function<void(int, int)> dojdi = [&](int r, int c) {
        if (r < 0 || r >= RADKU || c < 0 || c >= SLOUPCU || dosazena[r * SLOUPCU + c]) return;
        if (u.bunky[r * SLOUPCU + c] == KOSTKA_SEDA) return;
        dosazena[r * SLOUPCU + c] = true;
        dojdi(r - 1, c), dojdi(r + 1, c), dojdi(r, c - 1), dojdi(r, c + 1);
    };
    for (int c = 0; c < SLOUPCU; c++) dojdi(RADKU - 1, c);
    for (int i = 0; i < POCET_BUNEK; i++) EXPECT_FALSE(rozbitna(u.bunky[i]) && !dosazena[i]) << "cell " << i;
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
        if (bonusy) {
            nast.zivoty = 3;
            nast.prirad_bonusy = prirad_bonusy;
        } else {
            nast.mod_hry = MOD_ZKUSEBNI;
        }
        SIM_VYSLEDEK v = simuluj(u.bunky, nast);
        EXPECT_EQ(STAV_VYHRA, v.status) << "seed " << seed << (bonusy ? " with" : " without") << " bonuses: "
                                        << v.zbyva_rozbitnych << " breakable bricks left after " << v.tiku
                                        << " ticks, " << v.zivoty << " lives";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLevel, ::testing::Range(1, pocet_urovni() + 1));
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ShippedLevel);
