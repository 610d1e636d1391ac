// The level loader: bricks from level files and saved games, the bonus draw, and damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "support/game_setup.h"
#include "core/level_file.h"
#include "levels/loader.h"
#include "persist/save_file.h"
#include "platform/headless.h"
#include "core/globals.h"
#include "core/resources.h"
#include "support/fake_data.h"
#include "support/sandbox.h"
#include "world/objects.h"

namespace {

void uloz_uroven(int n, std::initializer_list<std::pair<int, int>> bunky, const char* autor = "Tester")
{
    UROVEN u{};
    for (auto [i, v] : bunky) u.bunky[i] = v;
    std::strcpy(u.autor, autor);
    ASSERT_TRUE(zapis_uroven(jmeno_urovne(n).c_str(), u));
}

class LevelLoader : public ::testing::Test {
protected:
    PISKOVISTE piskoviste;
    int puvodni_nas[POCET_NAS];
    int puvodni_level = LEVEL;
    float puvodni_krok = hlavni_krok;
    KOSTKA* kostky[POCET_BUNEK] = {};
    int pocet = 0;
    char autor[MAX_JMENO];

    void SetUp() override
    {
        spust_headless(nullptr);
        zaloz_falesna_data();
        std::memcpy(puvodni_nas, nas, sizeof nas);
        std::memset(autor, '#', sizeof autor);
        std::srand(1);
    }
    void TearDown() override
    {
        uvolni();
        zrus_falesna_data();
        ukonci_headless();
        std::memcpy(nas, puvodni_nas, sizeof nas);
        LEVEL = puvodni_level;
        hlavni_krok = puvodni_krok;
    }
    void uvolni()
    {
        for (int i = 0; i < pocet; i++) delete kostky[i];
        pocet = 0;
    }
    int nahraj(int level, int mod = 1, int ulozena = 0)
    {
        uvolni();
        return priprav_kostky(autor, mod, level, ulozena, kostky, &pocet);
    }
    int pokracuj(int ulozena) { return nahraj(1, MOD_ULOZENA_HRA, ulozena); }
    std::vector<int> bonusy() const
    {
        std::vector<int> b;
        for (int i = 0; i < pocet; i++) b.push_back(kostky[i]->bonus);
        return b;
    }
};

}  // namespace

TEST_F(LevelLoader, CellsBecomeBricksInCellOrder)
{
    uloz_uroven(1, {});
    EXPECT_EQ(0, nahraj(1));
    EXPECT_EQ(0, pocet) << "an all-empty grid";
    EXPECT_STREQ("Tester", autor);

    uloz_uroven(1, {{439, 9}});
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(1, pocet);
    const KOSTKA& k = *kostky[0];   // at (751, 430), type 9, 5 hits, no bonus, cell 439
    EXPECT_EQ(std::tuple(751, 430, 9, 5, 0, 439), std::tuple(k.x, k.y, k.druh, k.zasahy, k.bonus, k.pozice));

    // every type once, with gaps between: cell order, hits by type, the type's picture
    const int ZASAHY[KOSTKA_SEDA + 1] = {0, 1, 1, 1, 1, 1, 1, 1, 2, 5, 1};
    uloz_uroven(1, {{41, 1}, {43, 2}, {45, 3}, {47, 4}, {49, 5}, {51, 6}, {53, 7}, {55, 8}, {57, 9}, {59, 10}});
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(KOSTKA_SEDA, pocet);
    for (int t = 1; t <= KOSTKA_SEDA; t++) {
        const KOSTKA& b = *kostky[t - 1];
        EXPECT_EQ(std::tuple(39 + 2 * t, t, ZASAHY[t]), std::tuple(b.pozice, b.druh, b.zasahy));
        EXPECT_EQ(obr(res_kostka(t)), b.obrazek) << t;
    }
}

TEST_F(LevelLoader, LevelNumbersPickTheirFilesAndMissingOnesAreNoLevel)
{
    for (int n : {9, 10, 99, 100}) uloz_uroven(n, {{n, 1}});
    for (int n : {9, 10, 99, 100}) {
        ASSERT_EQ(0, nahraj(n)) << n;
        ASSERT_EQ(1, pocet) << n;
        EXPECT_EQ(n, kostky[0]->pozice) << "level " << n << " read another file";
    }
    uvolni();
    vytvor_uroven(0, 1);      // files can carry these numbers, but levels run 1..999
    vytvor_uroven(1000, 1);
    KOSTKA jina{};
    for (int n : {2, 999, 0, -1, 1000}) {
        kostky[0] = &jina;
        std::memset(autor, '#', sizeof autor);
        int p = 0;
        EXPECT_EQ(STAV_NENI_UROVEN, priprav_kostky(autor, 1, n, 0, kostky, &p)) << n;
        EXPECT_EQ(0, p);
        EXPECT_EQ(&jina, kostky[0]);
        EXPECT_EQ(std::string(MAX_JMENO, '#'), std::string(autor, MAX_JMENO));
    }
    kostky[0] = nullptr;
}

// --- bonuses ----------------------------------------------------------------------------------------

TEST_F(LevelLoader, TwoLoadsGiveTheSameBricksButOtherBonuses)
{
    vytvor_uroven(1, 2);
    ASSERT_EQ(0, nahraj(1));
    std::vector<int> prvni = bonusy();
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(POCET_BUNEK, pocet);
    for (int i = 0; i < pocet; i++) ASSERT_EQ(i, kostky[i]->pozice);
    EXPECT_NE(prvni, bonusy());   // 440 draws alike by chance: about never

    std::srand(42);
    nahraj(1);
    std::vector<int> se_semenem = bonusy();
    std::srand(42);
    nahraj(1);
    EXPECT_EQ(se_semenem, bonusy()) << "the same seed deals the same bonuses";
}

TEST_F(LevelLoader, BonusDrawMatchesTheChances)
{
    // A first draw 1..120; 1..16 name a bonus, 17 and 18 "ball +" (3). The rarer bonuses also need a
    // second draw (mod 2..40) to come out 1, and a second draw of 17 or 18 after a 16 is "ball +" too.
    double sance[17] = {};
    for (int b = 1; b <= 16; b++) sance[b] = 1.0 / 120;
    const std::pair<int, int> DRUHY_TAH[] = {{1, 10}, {4, 3}, {5, 6}, {14, 4}, {15, 6}, {16, 40}};
    for (auto [b, moznosti] : DRUHY_TAH) sance[b] /= moznosti;
    sance[3] += 2.0 / 120 + 2.0 / 120 / 40;
    sance[0] = 1;
    for (int b = 1; b <= 16; b++) sance[0] -= sance[b];

    // Bricks 1..7 draw; 8, 9 and 10 never carry a bonus. So many draws that the 1-in-2400 way to
    // "ball +" shows beyond the tolerance.
    constexpr int KOSTEK = 1000, KOL = 10000;
    std::vector<KOSTKA> cihly(KOSTEK);
    std::vector<KOSTKA*> ukazatele(KOSTEK);
    for (int i = 0; i < KOSTEK; i++) {
        cihly[i] = KOSTKA{0, 0, 1 + i % KOSTKA_SEDA, 0, 1, i % POCET_BUNEK, nullptr};
        ukazatele[i] = &cihly[i];
    }
    std::srand(20261206);
    long pocty[17] = {}, losu = 0;
    for (int kolo = 0; kolo < KOL; kolo++) {
        prirad_bonusy(ukazatele.data(), 0, KOSTEK);
        for (const KOSTKA& k : cihly) {
            if (k.druh >= KOSTKA_DVA_ZASAHY) {
                ASSERT_EQ(0, k.bonus) << "type " << k.druh;
                continue;
            }
            ASSERT_TRUE(k.bonus >= 0 && k.bonus <= 16) << k.bonus;
            pocty[k.bonus]++;
            losu++;
        }
    }
    for (int b = 0; b <= 16; b++) {
        double ocekavano = losu * sance[b];
        EXPECT_NEAR(ocekavano, pocty[b], 5 * std::sqrt(ocekavano * (1 - sance[b])) + 1) << "bonus " << b;
    }

}

// --- damaged level files ------------------------------------------------------------------------------

TEST_F(LevelLoader, GarbageLevelFilesLoadSafely)
{
    // random lengths 0..2500 (short, whole and long files), random cells and names without a zero byte
    std::mt19937 nahoda(5);
    for (int pokus = 0; pokus < 200; pokus++) {
        std::string s(nahoda() % 2500, '\0');
        for (char& c : s) c = static_cast<char>(nahoda() % 256);
        if (pokus % 2)   // many small values: real bricks among the garbage
            for (size_t i = 0; i + 3 < s.size(); i += 4) s[i + 1] = s[i + 2] = s[i + 3] = (nahoda() % 8 ? 0 : s[i + 3]);
        zapis_bajty("Level/level_001.lvl", s);
        ASSERT_EQ(0, nahraj(1));
        ASSERT_LE(pocet, POCET_BUNEK);
        int predchozi = -1;
        for (int i = 0; i < pocet; i++) {
            const KOSTKA& k = *kostky[i];
            ASSERT_TRUE(k.druh >= 1 && k.druh <= 10);
            ASSERT_GT(k.pozice, predchozi);
            ASSERT_LT(k.pozice * 4 + 3, static_cast<int>(s.size()));   // only from cells that were there
            ASSERT_EQ(static_cast<unsigned char>(s[4 * k.pozice]), k.druh);
            ASSERT_TRUE(k.bonus == 0 || k.druh <= 7);
            predchozi = k.pozice;
        }
        ASSERT_LT(strnlen(autor, MAX_JMENO), size_t(MAX_JMENO));
    }
}

// --- continuing a saved game ---------------------------------------------------------------------------

namespace {

ULOZENA_HRA ulozena_hra(int level)
{
    ULOZENA_HRA h{{}, 4, 12340, level, 2, 16, 40, 1, 1, 1, 6, 58, 0.6f, "My save"};
    h.mrizka[0] = 8;
    h.mrizka[21] = 3;
    h.mrizka[439] = 10;
    return h;
}

// Twenty slots, slot k holding `h` and the others an ordinary game at level 1.
void uloz_hry(int k, const ULOZENA_HRA& h)
{
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    for (ULOZENA_HRA& jina : hry) jina = ulozena_hra(1);
    hry[k] = h;
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, POCET_ULOZENYCH));
}

}  // namespace

TEST_F(LevelLoader, ContinuingFailsWithoutChangingTheGame)
{
    vytvor_uroven(1, 1);
    uloz_uroven(5, {{100, 1}}, "Level Author");
    auto ocekavej_666 = [&](int ulozena, const char* proc) {
        nas[NAS_ZIVOTY] = 77;
        LEVEL = 33;
        hlavni_krok = 0.123f;
        EXPECT_EQ(STAV_CHYBI_SOUBOR, pokracuj(ulozena)) << proc;
        EXPECT_EQ(0, pocet) << proc;
        EXPECT_EQ(77, nas[NAS_ZIVOTY]) << proc;
        EXPECT_EQ(33, LEVEL) << proc;
        EXPECT_EQ(0.123f, hlavni_krok) << proc;
    };
    ocekavej_666(0, "no save.ddt");

    uloz_hry(3, ulozena_hra(6));
    ocekavej_666(3, "the level file is gone");
    for (int k : {-1, 20, 1000}) ocekavej_666(k, "slot outside 0..19");
    for (int level : {0, -4, 1000}) {
        uloz_hry(3, ulozena_hra(level));
        ocekavej_666(3, "stored level outside 1..999");
    }

    uloz_hry(3, ulozena_hra(5));
    zapis_bajty(SOUBOR_ULOZENYCH_HER, precti_bajty(SOUBOR_ULOZENYCH_HER).substr(0, 1821 * 3 + 1000));
    ocekavej_666(3, "record cut short");
    ocekavej_666(10, "record beyond the end");
    EXPECT_EQ(0, pokracuj(2)) << "whole records before the cut still continue";
}

TEST_F(LevelLoader, ContinuingRestoresItsSlotWithBoundedValues)
{
    vytvor_uroven(1, 1);
    uloz_uroven(5, {{100, 1}}, "Level Author");
    uloz_hry(7, ulozena_hra(5));
    nas[NAS_KOULE_NAVIC] = 1;
    ASSERT_EQ(0, pokracuj(7));
    EXPECT_EQ(5, LEVEL);
    const std::pair<int, int> ocekavane[] = {   // the extra-ball request is not saved
        {NAS_ZIVOTY, 4}, {NAS_SKORE, 12340}, {NAS_KOULE_NAVIC, 1}, {NAS_DRUH_KOULE, 2}, {NAS_PRUMER, 16},
        {NAS_SIRKA_PRKNA, 40}, {NAS_PUSKA, 1}, {NAS_LEPIDLO, 1}, {NAS_NAHODNY_ODRAZ, 1}, {NAS_MINUTY, 6},
        {NAS_SEKUNDY, 58}};
    for (auto [i, v] : ocekavane) EXPECT_EQ(v, nas[i]) << "entry " << i;
    EXPECT_FLOAT_EQ(0.6f, hlavni_krok);
    EXPECT_STREQ("Level Author", autor);   // the level's author, not the save's name
    ASSERT_EQ(3, pocet);                     // the saved bricks, not the level's
    EXPECT_EQ(std::tuple(0, 8, 2), std::tuple(kostky[0]->pozice, kostky[0]->druh, kostky[0]->zasahy));
    EXPECT_EQ(std::tuple(21, 3), std::tuple(kostky[1]->pozice, kostky[1]->druh));
    EXPECT_EQ(std::tuple(439, 10), std::tuple(kostky[2]->pozice, kostky[2]->druh));

    // what a damaged slot stores is kept to what the game can show and play
    struct PRIPAD {
        int ULOZENA_HRA::* pole;
        int ulozena, index, ocekavana;
    };
    const PRIPAD pripady[] = {
        {&ULOZENA_HRA::zivoty, -1, NAS_ZIVOTY, 0},            {&ULOZENA_HRA::skore, INT32_MIN, NAS_SKORE, 0},
        {&ULOZENA_HRA::druh_koule, 4, NAS_DRUH_KOULE, 1},     {&ULOZENA_HRA::velikost_koule, 10, NAS_PRUMER, 12},
        {&ULOZENA_HRA::velikost_koule, 8, NAS_PRUMER, 8},     {&ULOZENA_HRA::sirka_prkna, 100, NAS_SIRKA_PRKNA, 80},
        {&ULOZENA_HRA::puska, 2, NAS_PUSKA, 0},               {&ULOZENA_HRA::nahodny_odraz, INT32_MAX, NAS_NAHODNY_ODRAZ, 0},
        {&ULOZENA_HRA::hodiny_min, -3, NAS_MINUTY, 0},        {&ULOZENA_HRA::hodiny_sek, 59, NAS_SEKUNDY, 0},
    };
    for (const PRIPAD& p : pripady) {
        ULOZENA_HRA h = ulozena_hra(5);
        h.*p.pole = p.ulozena;
        uloz_hry(0, h);
        ASSERT_EQ(0, pokracuj(0));
        EXPECT_EQ(p.ocekavana, nas[p.index]) << "stored " << p.ulozena << " in nas[" << p.index << "]";
    }

    // the step length: what the speed capsules can reach stays, anything else becomes the minimum
    const float nekonecno = std::numeric_limits<float>::infinity();
    const std::pair<float, float> kroky[] = {
        {std::numeric_limits<float>::quiet_NaN(), mini_krok}, {-nekonecno, mini_krok}, {3.0f, mini_krok},
        {0.3f, 0.3f}, {0.95f, 0.95f}};
    for (auto [ulozeny, ocekavany] : kroky) {
        ULOZENA_HRA h = ulozena_hra(5);
        h.krok = ulozeny;
        uloz_hry(0, h);
        hlavni_krok = 0.777f;
        ASSERT_EQ(0, pokracuj(0));
        EXPECT_EQ(ocekavany, hlavni_krok) << ulozeny;
    }
}
