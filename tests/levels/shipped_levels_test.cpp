// The levels that ship with the game: the built files, their text sources, and that each can be won.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "levels/level_file.h"
#include "levels/level_text.h"
#include "levels/loader.h"
#include "platform/binary_file.h"
#include "platform/headless.h"
#include "shell/globals.h"
#include "support/fake_data.h"
#include "support/sandbox.h"
#include "world/simulation.h"

namespace {

constexpr int NEJMENE_UROVNI = 25;
constexpr int PRVNI_VOLNY_RADEK = 16;   // rows 16..21 stay empty: room to play above the paddle

std::string cesta_urovne(int n)
{
    char b[64];
    std::snprintf(b, sizeof b, ODRAZ_RUN_DIR "/Level/level_%03d.lvl", n);
    return b;
}

std::string cesta_textu(int n)
{
    char b[512];
    std::snprintf(b, sizeof b, ODRAZ_SOURCE_DIR "/data/levels/level_%03d.txt", n);
    return b;
}

bool existuje(const std::string& cesta) { return soubor_existuje(cesta.c_str()); }

// The shipped levels: the texts numbered from 001 without a gap.
int pocet_urovni()
{
    int n = 0;
    while (existuje(cesta_textu(n + 1))) n++;
    return n;
}

// The raw cell words of a level file, unchecked, so that the file itself is judged.
std::vector<int32_t> surove_bunky(const std::string& obsah)
{
    std::vector<int32_t> b;
    for (size_t i = 0; i + 4 <= VELIKOST_MRIZKY && i + 4 <= obsah.size(); i += 4)
        b.push_back(cti_le32(reinterpret_cast<const unsigned char*>(obsah.data()) + i));
    return b;
}

bool rozbitna(int v) { return v >= 1 && v <= 9; }

UROVEN nacti(int n)
{
    UROVEN u;
    EXPECT_EQ(CTENI_CELE, nacti_uroven(cesta_urovne(n).c_str(), &u)) << n;
    return u;
}

// The comment lines at the head of a level text, without their "# ".
std::string komentar_textu(const std::string& text)
{
    std::string k;
    size_t i = 0;
    while (i < text.size() && text[i] == '#') {
        size_t konec = text.find('\n', i);
        std::string radek = text.substr(i, konec - i);
        k += (radek.size() > 2 ? radek.substr(2) : "") + "\n";
        i = konec + 1;
    }
    if (!k.empty()) k.pop_back();
    return k;
}

}  // namespace

TEST(ShippedLevels, AtLeastTwentyFiveNumberedWithoutGaps)
{
    int n = pocet_urovni();
    EXPECT_GE(n, NEJMENE_UROVNI);
    for (int i = 1; i <= n; i++) EXPECT_TRUE(existuje(cesta_urovne(i))) << "level " << i << " not built";
}

TEST(ShippedLevels, FilesAreWholeWithValidCellsAndName)
{
    for (int n = 1; n <= pocet_urovni(); n++) {
        std::string s = precti_bajty(cesta_urovne(n).c_str());
        ASSERT_EQ(VELIKOST_UROVNE, s.size()) << "level " << n;
        int rozbitnych = 0;
        for (int32_t v : surove_bunky(s)) {
            ASSERT_TRUE(v >= 0 && v <= NEJVYSSI_DRUH) << "level " << n << " cell value " << v;
            rozbitnych += rozbitna(v);
        }
        EXPECT_GE(rozbitnych, 1) << "level " << n << " would be won before it starts";
        EXPECT_EQ(std::string("Odraz\0\0\0\0\0\0\0\0", MAX_JMENO), s.substr(VELIKOST_MRIZKY)) << "level " << n;
    }
}

TEST(ShippedLevels, TextAndBinaryMatchExactly)
{
    for (int n = 1; n <= pocet_urovni(); n++) {
        std::string text = precti_bajty(cesta_textu(n).c_str());
        UROVEN z_textu;
        CHYBA_TEXTU ch;
        ASSERT_TRUE(uroven_z_textu(text.data(), text.size(), &z_textu, &ch))
            << cesta_textu(n) << ":" << ch.radek << ":" << ch.sloupec << ": " << ch.zprava;
        unsigned char b[VELIKOST_UROVNE];
        uroven_do_bajtu(z_textu, b);
        EXPECT_EQ(precti_bajty(cesta_urovne(n).c_str()), std::string(reinterpret_cast<char*>(b), sizeof b)) << n;
        // Back from the binary file, the text comes out as it is kept: the sources are in their one form.
        EXPECT_EQ(text, uroven_do_textu(nacti(n), komentar_textu(text).c_str())) << n;
        EXPECT_EQ(0u, text.find("# Level " + std::to_string(n) + ": ")) << "level " << n << " needs its title";
    }
}

TEST(ShippedLevels, LowestRowsLeaveRoomToPlay)
{
    for (int n = 1; n <= pocet_urovni(); n++) {
        UROVEN u = nacti(n);
        for (int i = PRVNI_VOLNY_RADEK * SLOUPCU_MRIZKY; i < BUNEK_MRIZKY; i++)
            ASSERT_EQ(0, u.bunky[i]) << "level " << n << " row " << i / SLOUPCU_MRIZKY;
    }
}

// Grey bricks may stand in the way but never wall breakable ones in: from the empty space at the
// bottom, every breakable brick is reached through cells that are empty or breakable themselves.
TEST(ShippedLevels, NoBreakableBrickIsWalledInByGrey)
{
    for (int n = 1; n <= pocet_urovni(); n++) {
        UROVEN u = nacti(n);
        bool dosazena[BUNEK_MRIZKY] = {};
        std::vector<int> fronta;
        for (int i = (RADKU_MRIZKY - 1) * SLOUPCU_MRIZKY; i < BUNEK_MRIZKY; i++) {
            dosazena[i] = true;
            fronta.push_back(i);
        }
        while (!fronta.empty()) {
            int i = fronta.back();
            fronta.pop_back();
            int r = i / SLOUPCU_MRIZKY, s = i % SLOUPCU_MRIZKY;
            const int sousede[4][2] = {{r - 1, s}, {r + 1, s}, {r, s - 1}, {r, s + 1}};
            for (const auto& [rr, ss] : sousede) {
                if (rr < 0 || rr >= RADKU_MRIZKY || ss < 0 || ss >= SLOUPCU_MRIZKY) continue;
                int j = rr * SLOUPCU_MRIZKY + ss;
                if (dosazena[j] || u.bunky[j] == DRUH_SEDA) continue;
                dosazena[j] = true;
                fronta.push_back(j);
            }
        }
        for (int i = 0; i < BUNEK_MRIZKY; i++)
            EXPECT_FALSE(rozbitna(u.bunky[i]) && !dosazena[i]) << "level " << n << " cell " << i;
    }
}

TEST(ShippedLevels, EveryBrickTypeTakesPartAndTheStartIsGentle)
{
    bool pouzit[NEJVYSSI_DRUH + 1] = {};
    for (int n = 1; n <= pocet_urovni(); n++)
        for (int v : nacti(n).bunky) pouzit[v] = true;
    for (int t = 1; t <= NEJVYSSI_DRUH; t++) EXPECT_TRUE(pouzit[t]) << "type " << t;

    for (int n = 1; n <= 2; n++) {
        int cihel = 0;
        for (int v : nacti(n).bunky) {
            EXPECT_TRUE(v <= 7) << "level " << n << " starts with armour or grey";
            cihel += v > 0;
        }
        EXPECT_LE(cihel, 60) << "level " << n;
    }
}

namespace {

constexpr long TIKU_ZA_MINUTU = 600L * 59;   // the play clock's minute has 59 seconds
constexpr long NEJDELE = 15 * TIKU_ZA_MINUTU;

// One shipped level played by the bot, headless, with blank pictures of the right sizes.
class ShippedLevelPlay : public ::testing::TestWithParam<int> {
protected:
    UROVEN u;
    void SetUp() override
    {
        hl_start(nullptr);
        zaloz_falesna_data();
        u = nacti(GetParam());
    }
    void TearDown() override
    {
        zrus_falesna_data();
        hl_konec();
    }
};

}  // namespace

// No bonus at all (so no red ball: grey walls open only at minute 7) and lives that are never used
// up, as when a level is tried: the level must be won in time.
TEST_P(ShippedLevelPlay, BotWinsWithoutBonuses)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SIM_NASTAVENI nast;
        nast.seed = seed;
        nast.max_tiku = NEJDELE;
        nast.mod_hry = MOD_ZKUSEBNI;
        SIM_VYSLEDEK v = simuluj(u.bunky, nast);
        EXPECT_EQ(STAV_VYHRA, v.status) << "seed " << seed << ": " << v.zbyva_rozbitnych
                                        << " breakable bricks left after " << v.tiku << " ticks";
    }
}

// As in a real game: three lives and the bonuses the loader deals, good and bad alike.
TEST_P(ShippedLevelPlay, BotWinsWithThreeLivesAndTheGamesBonuses)
{
    for (unsigned seed : {11u, 12u}) {
        SIM_NASTAVENI nast;
        nast.seed = seed;
        nast.max_tiku = NEJDELE;
        nast.zivoty = 3;
        nast.prirad_bonusy = prirad_bonusy;
        SIM_VYSLEDEK v = simuluj(u.bunky, nast);
        EXPECT_EQ(STAV_VYHRA, v.status) << "seed " << seed << ": " << v.zbyva_rozbitnych
                                        << " breakable bricks left, " << v.zivoty << " lives";
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLevelPlay, ::testing::Range(1, pocet_urovni() + 1),
                         [](const ::testing::TestParamInfo<int>& i) {
                             char b[16];
                             std::snprintf(b, sizeof b, "Level%03d", i.param);
                             return std::string(b);
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ShippedLevelPlay);
