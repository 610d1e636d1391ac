// The level loader: bricks from level files and saved games, the bonus draw, and damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "levels/level_file.h"
#include "levels/loader.h"
#include "persist/save_file.h"
#include "platform/headless.h"
#include "shell/globals.h"
#include "shell/resources.h"
#include "support/fake_data.h"
#include "support/sandbox.h"
#include "world/objects.h"

namespace {

void uloz_uroven(int n, const UROVEN& u)
{
    char cesta[DELKA_CESTY_UROVNE];
    jmeno_urovne(n, cesta, sizeof cesta);
    ASSERT_TRUE(zapis_uroven(cesta, u));
}

UROVEN uroven_s(std::initializer_list<std::pair<int, int>> bunky, const char* autor = "Tester")
{
    UROVEN u{};
    for (auto [i, v] : bunky) u.bunky[i] = v;
    std::strcpy(u.autor, autor);
    return u;
}

UROVEN plna_uroven(int typ)
{
    UROVEN u{};
    for (int& b : u.bunky) b = typ;
    std::strcpy(u.autor, "Full");
    return u;
}

class LevelLoader : public ::testing::Test {
protected:
    PISKOVISTE piskoviste;
    int puvodni_nas[POCET_NAS];
    int puvodni_level = 0;
    float puvodni_krok = 0;
    KOSTKA* kostky[POCET_BUNEK] = {};
    int pocet = 0;
    char autor[MAX_JMENO];

    void SetUp() override
    {
        hl_start(nullptr);
        zaloz_falesna_data();
        std::memcpy(puvodni_nas, nas, sizeof nas);
        puvodni_level = LEVEL;
        puvodni_krok = hlavni_krok;
        std::memset(autor, '#', sizeof autor);
        std::srand(1);
    }
    void TearDown() override
    {
        uvolni();
        zrus_falesna_data();
        hl_konec();
        std::memcpy(nas, puvodni_nas, sizeof nas);
        LEVEL = puvodni_level;
        hlavni_krok = puvodni_krok;
    }
    void uvolni()
    {
        for (int i = 0; i < pocet; i++) delete kostky[i];
        pocet = 0;
    }
    int nahraj(int level)
    {
        uvolni();
        return priprav_kostky(autor, 1, level, 0, kostky, &pocet);
    }
    int pokracuj(int ulozena)
    {
        uvolni();
        return priprav_kostky(autor, MOD_ULOZENA_HRA, 1, ulozena, kostky, &pocet);
    }
    std::vector<int> bonusy() const
    {
        std::vector<int> b;
        for (int i = 0; i < pocet; i++) b.push_back(kostky[i]->bonus);
        return b;
    }
};

}  // namespace

TEST_F(LevelLoader, EmptyGridGivesNoBricks)
{
    uloz_uroven(1, uroven_s({}));
    EXPECT_EQ(0, nahraj(1));
    EXPECT_EQ(0, pocet);
    EXPECT_STREQ("Tester", autor);
}

TEST_F(LevelLoader, FiveHitBrickInTheLastCell)
{
    uloz_uroven(1, uroven_s({{439, 9}}));
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(1, pocet);
    const KOSTKA& k = *kostky[0];
    EXPECT_EQ(751, k.x);
    EXPECT_EQ(430, k.y);
    EXPECT_EQ(9, k.druh);
    EXPECT_EQ(5, k.zasahy);
    EXPECT_EQ(0, k.bonus);
    EXPECT_EQ(439, k.pozice);
    EXPECT_EQ(obr(res_kostka(9)), k.obrazek);
}

TEST_F(LevelLoader, EveryCellBecomesItsBrickInCellOrder)
{
    UROVEN u{};
    for (int i = 0; i < BUNEK_MRIZKY; i++) u.bunky[i] = i % 11;   // every type, and gaps
    uloz_uroven(1, u);
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(400, pocet);
    int i = 0;
    for (int n = 0; n < pocet; n++, i++) {
        if (u.bunky[i] == 0) i++;
        const KOSTKA& k = *kostky[n];
        ASSERT_EQ(i, k.pozice);
        EXPECT_EQ(10 + 39 * (i % 20), k.x) << i;
        EXPECT_EQ(10 + 20 * (i / 20), k.y) << i;
        EXPECT_EQ(u.bunky[i], k.druh) << i;
        EXPECT_EQ(k.druh == 9 ? 5 : k.druh == 8 ? 2 : 1, k.zasahy) << i;
        EXPECT_EQ(obr(res_kostka(k.druh)), k.obrazek) << i;
    }
}

TEST_F(LevelLoader, LevelNumbersPickTheirFiles)
{
    for (int n : {9, 10, 99, 100}) uloz_uroven(n, uroven_s({{n, 1}}, "Numbered"));
    for (int n : {9, 10, 99, 100}) {
        ASSERT_EQ(0, nahraj(n)) << n;
        ASSERT_EQ(1, pocet) << n;
        EXPECT_EQ(n, kostky[0]->pozice);
    }
}

TEST_F(LevelLoader, MissingLevelChangesNothing)
{
    uloz_uroven(1, plna_uroven(1));
    KOSTKA jina{};
    KOSTKA* znacka = &jina;
    for (int n : {2, 0, -1, 1000, 999}) {
        kostky[0] = znacka;
        int p = 0;
        std::memset(autor, '#', sizeof autor);
        EXPECT_EQ(STAV_NENI_UROVEN, priprav_kostky(autor, 1, n, 0, kostky, &p)) << n;
        EXPECT_EQ(0, p);
        EXPECT_EQ(znacka, kostky[0]);
        EXPECT_EQ(std::string(MAX_JMENO, '#'), std::string(autor, MAX_JMENO));
    }
    kostky[0] = nullptr;
}

TEST_F(LevelLoader, LevelZeroAndOutsideTheNumberingIsNoLevel)
{
    char cesta[DELKA_CESTY_UROVNE];
    jmeno_urovne(0, cesta, sizeof cesta);   // a file can carry the name, but level 0 does not exist
    ASSERT_TRUE(zapis_uroven(cesta, plna_uroven(1)));
    EXPECT_EQ(STAV_NENI_UROVEN, nahraj(0));
    EXPECT_EQ(0, pocet);
}

TEST_F(LevelLoader, StoreNeverGrowsPastItsPlaces)
{
    uloz_uroven(1, plna_uroven(3));
    for (int i = 0; i < 430; i++) kostky[i] = nullptr;
    int p = 430;   // a caller that forgot to empty the store
    ASSERT_EQ(0, priprav_kostky(autor, 1, 1, 0, kostky, &p));
    EXPECT_EQ(POCET_BUNEK, p);
    for (int i = 430; i < POCET_BUNEK; i++) delete kostky[i];
}

// --- bonuses ----------------------------------------------------------------------------------------

TEST_F(LevelLoader, TwoLoadsGiveTheSameBricksButNewBonuses)
{
    uloz_uroven(1, plna_uroven(2));
    ASSERT_EQ(0, nahraj(1));
    std::vector<int> prvni = bonusy();
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(POCET_BUNEK, pocet);
    for (int i = 0; i < pocet; i++) EXPECT_EQ(i, kostky[i]->pozice);
    EXPECT_NE(prvni, bonusy());   // 440 draws alike by chance: about never

    std::srand(42);
    nahraj(1);
    std::vector<int> se_semenem = bonusy();
    std::srand(42);
    nahraj(1);
    EXPECT_EQ(se_semenem, bonusy());
}

TEST_F(LevelLoader, ArmouredAndGreyBricksCarryNoBonusAndDrawNothing)
{
    UROVEN u{};
    for (int i = 0; i < BUNEK_MRIZKY; i++) u.bunky[i] = 8 + i % 3;
    uloz_uroven(1, u);
    std::srand(7);
    int ocekavany = std::rand();
    for (int pokus = 0; pokus < 20; pokus++) {
        std::srand(7);
        ASSERT_EQ(0, nahraj(1));
        for (int b : bonusy()) ASSERT_EQ(0, b);
        ASSERT_EQ(ocekavany, std::rand());
    }
}

namespace {

// The bonus rules as the help pages promise them, step by step on the same rand() stream.
// `vnorena_trojka` counts the "ball +" won by a second draw of 17 or 18.
int bonus_podle_pravidel(int* vnorena_trojka)
{
    int d = std::rand() % 120 + 1;
    int bonus = 0;
    if (d <= 16) {
        if (d == 1) { d = std::rand() % 10; if (d == 1) bonus = 1; }
        else if (d == 4) { d = std::rand() % 3; if (d == 1) bonus = 4; }
        else if (d == 5) { d = std::rand() % 6; if (d == 1) bonus = 5; }
        else if (d == 14) { d = std::rand() % 4; if (d == 1) bonus = 14; }
        else if (d == 15) { d = std::rand() % 6; if (d == 1) bonus = 15; }
        else if (d == 16) {
            d = std::rand() % 40;
            if (d == 1) bonus = 16;
            if (d == 17 || d == 18) (*vnorena_trojka)++;
        }
        else bonus = d;
    }
    if (d == 17 || d == 18) bonus = 3;
    return bonus;
}

}  // namespace

TEST_F(LevelLoader, BonusesFollowTheDrawsExactly)
{
    UROVEN u{};
    for (int i = 0; i < BUNEK_MRIZKY; i++) u.bunky[i] = 1 + i % 10;   // bricks with and without bonuses
    uloz_uroven(1, u);
    int vnorenych = 0;
    for (unsigned seed = 1; seed <= 300; seed++) {
        std::srand(seed);
        ASSERT_EQ(0, nahraj(1));
        int dalsi = std::rand();
        std::srand(seed);
        for (int i = 0; i < pocet; i++) {
            if (kostky[i]->druh > 7) continue;
            ASSERT_EQ(bonus_podle_pravidel(&vnorenych), kostky[i]->bonus) << "seed " << seed << " brick " << i;
        }
        ASSERT_EQ(dalsi, std::rand()) << "the loader drew a different number of times, seed " << seed;
    }
    EXPECT_GT(vnorenych, 0) << "the second draw of 17 or 18 never came up";
}

TEST(BonusDraw, ChancesMatchOverManyBricks)
{
    constexpr int N = 200000;
    std::vector<KOSTKA> bricks(N);
    std::vector<KOSTKA*> ukazatele(N);
    for (int i = 0; i < N; i++) {
        bricks[i] = KOSTKA{0, 0, 1 + i % 7, 0, 1, 0, nullptr};
        ukazatele[i] = &bricks[i];
    }
    std::srand(20261206);
    prirad_bonusy(ukazatele.data(), 0, N);
    int pocty[17] = {};
    for (const KOSTKA& k : bricks) {
        ASSERT_TRUE(k.bonus >= 0 && k.bonus <= 16) << k.bonus;
        pocty[k.bonus]++;
    }
    double sance[17] = {};
    for (int b : {2, 6, 7, 8, 9, 10, 11, 12, 13}) sance[b] = 1.0 / 120;
    sance[3] = 61.0 / 2400;
    sance[1] = 1.0 / 1200;
    sance[4] = 1.0 / 360;
    sance[5] = sance[15] = 1.0 / 720;
    sance[14] = 1.0 / 480;
    sance[16] = 1.0 / 4800;
    double zadny = 1;
    for (int b = 1; b <= 16; b++) zadny -= sance[b];
    sance[0] = zadny;
    for (int b = 0; b <= 16; b++) {
        double ocekavano = N * sance[b];
        double odchylka = std::sqrt(ocekavano * (1 - sance[b]));
        EXPECT_NEAR(ocekavano, pocty[b], 5 * odchylka + 1) << "bonus " << b;
    }
}

TEST(BonusDraw, OnlyBricksOneToSevenDraw)
{
    KOSTKA bricks[10];
    KOSTKA* ukazatele[10];
    for (int t = 1; t <= 10; t++) {
        bricks[t - 1] = KOSTKA{0, 0, t, 0, 1, 0, nullptr};
        ukazatele[t - 1] = &bricks[t - 1];
    }
    for (unsigned seed = 1; seed < 3000; seed++) {
        std::srand(seed);
        prirad_bonusy(ukazatele, 0, 10);
        for (int t = 8; t <= 10; t++) ASSERT_EQ(0, bricks[t - 1].bonus);
    }
}

// --- damaged level files ------------------------------------------------------------------------------

TEST_F(LevelLoader, GarbageLevelFilesLoadSafely)
{
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

TEST_F(LevelLoader, OutOfRangeCellsAndUnterminatedNames)
{
    std::string s;
    const int32_t hodnoty[] = {-1, 11, 1000, std::numeric_limits<int32_t>::min(), 5, 0x01000001};
    for (int i = 0; i < BUNEK_MRIZKY; i++) {
        uint32_t v = static_cast<uint32_t>(i < 6 ? hodnoty[i] : 0);
        for (int b = 0; b < 4; b++) s += static_cast<char>(v >> (8 * b));
    }
    s += std::string(13, 'N');
    zapis_bajty("Level/level_001.lvl", s);
    ASSERT_EQ(0, nahraj(1));
    ASSERT_EQ(1, pocet);
    EXPECT_EQ(4, kostky[0]->pozice);
    EXPECT_EQ(5, kostky[0]->druh);
    EXPECT_STREQ("NNNNNNNNNNNN", autor);
}

TEST_F(LevelLoader, ShortLevelFileLoadsWhatIsThere)
{
    UROVEN u = plna_uroven(4);
    unsigned char b[VELIKOST_UROVNE];
    uroven_do_bajtu(u, b);
    zapis_bajty("Level/level_001.lvl", std::string(reinterpret_cast<char*>(b), 4 * 25 + 2));
    ASSERT_EQ(0, nahraj(1));
    EXPECT_EQ(25, pocet);
    EXPECT_STREQ("", autor);
}

// --- continuing a saved game ---------------------------------------------------------------------------

namespace {

ULOZENA_HRA ulozena_hra(int level)
{
    ULOZENA_HRA h{};
    h.mrizka[0] = 8;
    h.mrizka[21] = 3;
    h.mrizka[439] = 10;
    h.zivoty = 4;
    h.skore = 12340;
    h.level = level;
    h.druh_koule = 2;
    h.velikost_koule = 16;
    h.sirka_prkna = 40;
    h.puska = 1;
    h.lepidlo = 1;
    h.nahodny_odraz = 1;
    h.hodiny_min = 6;
    h.hodiny_sek = 58;
    h.krok = 0.6f;
    std::strcpy(h.jmeno, "My save");
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

TEST_F(LevelLoader, ContinuingRestoresTheStateOfItsSlot)
{
    uloz_uroven(1, plna_uroven(1));
    uloz_uroven(5, uroven_s({{100, 1}}, "Level Author"));
    uloz_hry(7, ulozena_hra(5));
    nas[2] = 1;
    ASSERT_EQ(0, pokracuj(7));
    EXPECT_EQ(5, LEVEL);
    const int ocekavane[11] = {4, 12340, 1, 2, 16, 40, 1, 1, 1, 6, 58};   // nas[2] is not saved
    for (int i = 0; i < 11; i++) EXPECT_EQ(ocekavane[i], nas[i]) << "nas[" << i << "]";
    EXPECT_FLOAT_EQ(0.6f, hlavni_krok);
    EXPECT_STREQ("Level Author", autor);   // the level's author, not the save's name
    ASSERT_EQ(3, pocet);                     // the saved bricks, not the level's
    EXPECT_EQ(0, kostky[0]->pozice);
    EXPECT_EQ(2, kostky[0]->zasahy);
    EXPECT_EQ(21, kostky[1]->pozice);
    EXPECT_EQ(439, kostky[2]->pozice);
    EXPECT_EQ(10, kostky[2]->druh);
}

TEST_F(LevelLoader, ContinuingFailsWithoutChangingTheGame)
{
    uloz_uroven(1, plna_uroven(1));
    uloz_uroven(5, uroven_s({{100, 1}}, "Level Author"));
    auto ocekavej_666 = [&](int ulozena, const char* proc) {
        std::memcpy(nas, puvodni_nas, sizeof nas);
        nas[0] = 77;
        LEVEL = 33;
        hlavni_krok = 0.123f;
        EXPECT_EQ(STAV_CHYBI_SOUBOR, pokracuj(ulozena)) << proc;
        EXPECT_EQ(0, pocet) << proc;
        EXPECT_EQ(77, nas[0]) << proc;
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
    std::string s = precti_bajty(SOUBOR_ULOZENYCH_HER);
    zapis_bajty(SOUBOR_ULOZENYCH_HER, s.substr(0, 1821 * 3 + 1000));
    ocekavej_666(3, "record cut short");
    ocekavej_666(10, "record beyond the end");
    EXPECT_EQ(0, pokracuj(2));   // whole records before the cut still continue
}

TEST_F(LevelLoader, StoredValuesAreBoundedBeforeUse)
{
    uloz_uroven(5, uroven_s({}, "Level Author"));
    struct PRIPAD {
        int ULOZENA_HRA::* pole;
        int ulozena, index, ocekavana;
    };
    const PRIPAD pripady[] = {
        {&ULOZENA_HRA::zivoty, -1, 0, 0},          {&ULOZENA_HRA::zivoty, 0, 0, 0},
        {&ULOZENA_HRA::zivoty, 50, 0, 50},         {&ULOZENA_HRA::skore, INT32_MIN, 1, 0},
        {&ULOZENA_HRA::druh_koule, 0, 3, 1},       {&ULOZENA_HRA::druh_koule, 4, 3, 1},
        {&ULOZENA_HRA::druh_koule, 3, 3, 3},       {&ULOZENA_HRA::druh_koule, -2, 3, 1},
        {&ULOZENA_HRA::velikost_koule, 10, 4, 12}, {&ULOZENA_HRA::velikost_koule, 8, 4, 8},
        {&ULOZENA_HRA::velikost_koule, 0, 4, 12},  {&ULOZENA_HRA::velikost_koule, 17, 4, 12},
        {&ULOZENA_HRA::sirka_prkna, 120, 5, 120},  {&ULOZENA_HRA::sirka_prkna, 100, 5, 80},
        {&ULOZENA_HRA::sirka_prkna, -40, 5, 80},   {&ULOZENA_HRA::sirka_prkna, 400, 5, 80},
        {&ULOZENA_HRA::puska, 2, 6, 0},            {&ULOZENA_HRA::puska, -1, 6, 0},
        {&ULOZENA_HRA::lepidlo, 7, 7, 0},          {&ULOZENA_HRA::nahodny_odraz, INT32_MAX, 8, 0},
        {&ULOZENA_HRA::hodiny_min, -3, 9, 0},      {&ULOZENA_HRA::hodiny_min, 0, 9, 0},
        {&ULOZENA_HRA::hodiny_min, 25, 9, 25},     {&ULOZENA_HRA::hodiny_sek, 59, 10, 0},
        {&ULOZENA_HRA::hodiny_sek, -1, 10, 0},     {&ULOZENA_HRA::hodiny_sek, 0, 10, 0},
    };
    for (const PRIPAD& p : pripady) {
        ULOZENA_HRA h = ulozena_hra(5);
        h.*p.pole = p.ulozena;
        uloz_hry(0, h);
        ASSERT_EQ(0, pokracuj(0));
        EXPECT_EQ(p.ocekavana, nas[p.index]) << "stored " << p.ulozena << " in nas[" << p.index << "]";
    }
}

TEST_F(LevelLoader, StepLengthOutsideWhatTheGameReachesBecomesTheMinimum)
{
    uloz_uroven(5, uroven_s({}, "Level Author"));
    const float spatne[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), 0.0f, -0.5f, 1e30f, 3.0f};
    for (float krok : spatne) {
        ULOZENA_HRA h = ulozena_hra(5);
        h.krok = krok;
        uloz_hry(0, h);
        hlavni_krok = 0.777f;
        ASSERT_EQ(0, pokracuj(0));
        EXPECT_EQ(mini_krok, hlavni_krok) << krok;
    }
    for (float krok : {0.3f, 0.35f, 0.9f, 0.95f}) {   // reachable with the speed capsules
        ULOZENA_HRA h = ulozena_hra(5);
        h.krok = krok;
        uloz_hry(0, h);
        ASSERT_EQ(0, pokracuj(0));
        EXPECT_EQ(krok, hlavni_krok);
    }
}

TEST_F(LevelLoader, SavedGridWithDamagedCellsMakesOnlyRealBricks)
{
    uloz_uroven(5, uroven_s({}, "Level Author"));
    uloz_hry(0, ulozena_hra(5));
    std::string s = precti_bajty(SOUBOR_ULOZENYCH_HER);
    s[4 * 21] = 11;                 // cell 21: type 11
    s[4 * 22 + 3] = '\x80';         // cell 22: negative
    s[4 * 23] = 6;                  // cell 23: a good brick
    zapis_bajty(SOUBOR_ULOZENYCH_HER, s);
    ASSERT_EQ(0, pokracuj(0));
    ASSERT_EQ(3, pocet);
    EXPECT_EQ(0, kostky[0]->pozice);
    EXPECT_EQ(23, kostky[1]->pozice);
    EXPECT_EQ(439, kostky[2]->pozice);
}
