// The level loader: bricks from level files and saved games, the bonus draw, and damaged saved games.
// (Damaged level files are read by the level file reader: level_file_test.)
#include "core/globals.h"
#include "core/level_file.h"
#include "core/resources.h"
#include "levels/loader.h"
#include "persist/save_file.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "world/objects.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

void uloz_uroven(int n, std::initializer_list<std::pair<int, int>> bunky, const char* autor = "Tester")
{
    UROVEN u{};
    for (auto [i, v] : bunky) u.bunky[i] = v;
    std::strcpy(u.autor, autor);
    ASSERT_TRUE(zapis_uroven(jmeno_urovne(n).c_str(), u));
}

class LevelLoader : public Obrazovka {
protected:
    PISKOVISTE piskoviste;
    float puvodni_krok = hlavni_krok;
    KOSTKA* kostky[POCET_BUNEK] = {};
    int pocet = 0;
    char autor[MAX_JMENO] = "############";   // a name written without its zero byte would show

    void SetUp() override { Obrazovka::SetUp(), std::srand(1); }
    void TearDown() override { uvolni(), hlavni_krok = puvodni_krok, Obrazovka::TearDown(); }
    void uvolni() { for (; pocet > 0; pocet--) delete kostky[pocet - 1]; }
    int nahraj(int level, int mod = 1, int ulozena = 0)
    {
        uvolni();
        return priprav_kostky(autor, mod, level, ulozena, kostky, &pocet);
    }
};

}  // namespace

// Every type once, with gaps between, the grey one in the last cell: cell order, hits and picture by type,
// the place. Levels outside 1..999 are none, whatever file carries their number.
TEST_F(LevelLoader, CellsBecomeBricksInCellOrderAndMissingLevelsAreNone)
{
    const int ZASAHY[KOSTKA_SEDA + 1] = {0, 1, 1, 1, 1, 1, 1, 1, 2, 5, 1};
    uloz_uroven(1, {{41, 1}, {43, 2}, {45, 3}, {47, 4}, {49, 5}, {51, 6}, {53, 7}, {55, 8}, {57, 9}, {439, 10}});
    ASSERT_EQ(0, nahraj(1));
    EXPECT_STREQ("Tester", autor);
    ASSERT_EQ(KOSTKA_SEDA, pocet);
    for (int t = 1; t <= KOSTKA_SEDA; t++) {
        const KOSTKA& b = *kostky[t - 1];
        EXPECT_EQ(std::tuple(t, ZASAHY[t], obr(res_kostka(t))), std::tuple(b.druh, b.zasahy, b.obrazek)) << t;
    }
    EXPECT_EQ(std::tuple(751, 430, 0), std::tuple(kostky[9]->x, kostky[9]->y, kostky[9]->bonus));
    vytvor_uroven(0, 1);
    vytvor_uroven(1000, 1);
    for (int n : {2, 0, -1, 1000}) EXPECT_EQ(std::pair(nahraj(n), pocet), std::pair(int(STAV_NENI_UROVEN), 0)) << n;
}

// Each load draws the bonuses anew, for bricks of types 1..7 only. A first draw 1..120 names bonus 1..16,
// 17 and 18 "ball +" (3); the rarer bonuses need a second draw (mod 2..40) to come out 1, and a second draw
// of 17 or 18 after a 16 is "ball +" too: a plain bonus comes 1 in 120, the rarest 1 in 4800.
TEST_F(LevelLoader, BonusesAreDrawnAnewAtEveryLoadWithTheirChances)
{
    vytvor_uroven(1, 2);
    std::vector<int> bonusy[2];
    for (std::vector<int>& b : bonusy) {
        ASSERT_EQ(0, nahraj(1));
        for (int i = 0; i < pocet; i++) b.push_back(kostky[i]->bonus);
    }
    EXPECT_NE(bonusy[0], bonusy[1]);   // 440 draws alike by chance: about never

    std::vector<KOSTKA> cihly(1000);   // so many draws that the 1-in-2400 way to "ball +" shows
    std::vector<KOSTKA*> ukazatele;
    for (int i = 0; i < 1000; i++) {
        cihly[i] = KOSTKA{0, 0, 1 + i % KOSTKA_SEDA, 0, 1, i % POCET_BUNEK, nullptr};
        ukazatele.push_back(&cihly[i]);
    }
    std::srand(20261206);
    long pocty[17] = {}, losu = 0;
    for (int kolo = 0; kolo < 10000; kolo++) {
        prirad_bonusy(ukazatele.data(), 0, 1000);
        for (const KOSTKA& k : cihly) {
            ASSERT_TRUE(k.bonus >= 0 && k.bonus <= 16 && (k.druh < KOSTKA_DVA_ZASAHY || k.bonus == 0))
                << "type " << k.druh << ", bonus " << k.bonus;
            if (k.druh < KOSTKA_DVA_ZASAHY) pocty[k.bonus]++, losu++;
        }
    }
    const std::pair<int, double> SANCE[] = {{2, 1 / 120.}, {1, 1 / 1200.}, {16, 1 / 4800.}, {3, 3 / 120. + 1 / 2400.}};
    for (auto [b, p] : SANCE) EXPECT_NEAR(losu * p, pocty[b], 5 * std::sqrt(losu * p) + 1) << "bonus " << b;
}

// Continuing a saved game (through the real screens: shell/game_test) fails with 666 and leaves the game
// as it was when the slot, its record or its level is not there; what a damaged record holds is kept to
// what the game can show and play.
TEST_F(LevelLoader, ContinuingFailsWithoutChangingTheGameOrRestoresABoundedState)
{
    vytvor_uroven(1, 1);
    uloz_uroven(5, {{100, 1}}, "Level Author");
    vytvor_uroven(0, 1);
    vytvor_uroven(1000, 1);
    auto uloz_hry = [](int k, const ULOZENA_HRA& h) {   // slot k holds h, the others an ordinary game
        ULOZENA_HRA hry[POCET_ULOZENYCH];
        for (ULOZENA_HRA& jina : hry) jina = ULOZENA_HRA{{}, 3, 100, 1, 1, 12, 80, 0, 0, 0, 0, 0, 0.4f, "Jina"};
        hry[k] = h;
        ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, POCET_ULOZENYCH));
    };
    ULOZENA_HRA h{{}, 4, 12340, 5, 2, 16, 40, 1, 1, 1, 6, 58, 0.6f, "My save"};
    auto ocekavej_666 = [&](int ulozena, const char* proc) {
        nas[NAS_ZIVOTY] = 77, LEVEL = 33, hlavni_krok = 0.123f;
        EXPECT_EQ(STAV_CHYBI_SOUBOR, nahraj(1, MOD_ULOZENA_HRA, ulozena)) << proc;
        EXPECT_EQ(std::tuple(0, 77, 33, 0.123f), std::tuple(pocet, nas[NAS_ZIVOTY], LEVEL, hlavni_krok)) << proc;
    };
    ocekavej_666(0, "no save.ddt");
    for (int level : {6, 0, 1000}) {
        h.level = level;
        uloz_hry(3, h);
        ocekavej_666(3, level == 6 ? "the level file is gone" : "stored level outside 1..999");
    }
    h.level = 5;
    uloz_hry(3, h);
    for (int k : {-1, 20}) ocekavej_666(k, "slot outside 0..19");
    zapis_bajty(SOUBOR_ULOZENYCH_HER, precti_bajty(SOUBOR_ULOZENYCH_HER).substr(0, 1821 * 3 + 1000));
    ocekavej_666(3, "record cut short");
    EXPECT_EQ(0, nahraj(1, MOD_ULOZENA_HRA, 2)) << "whole records before the cut still continue";

    ULOZENA_HRA zla{{}, -1, INT32_MIN, 5, 4, 10, 100, 2, 7, INT32_MAX, -3, 59, NAN, "Zla"};
    zla.mrizka[0] = 8;
    uloz_hry(0, zla);
    nas[NAS_KOULE_NAVIC] = 1;   // the extra-ball request is not saved
    ASSERT_EQ(0, nahraj(1, MOD_ULOZENA_HRA, 0));
    EXPECT_EQ((std::vector<int>{0, 0, 1, 1, 12, 80, 0, 0, 0, 0, 0}), std::vector<int>(nas, nas + 11));
    EXPECT_EQ(mini_krok, hlavni_krok);
    for (float krok : {3.0f, 0.95f}) {   // a speed capsule reaches 0.95; nothing reaches 3
        h.krok = krok;
        uloz_hry(7, h);
        ASSERT_EQ(0, nahraj(1, MOD_ULOZENA_HRA, 7));
        EXPECT_EQ(krok < 1 ? krok : mini_krok, hlavni_krok);
    }
    EXPECT_EQ((std::vector<int>{4, 12340, 1, 2, 16, 40, 1, 1, 1, 6, 58}), std::vector<int>(nas, nas + 11));
    EXPECT_EQ(5, LEVEL);
    EXPECT_STREQ("Level Author", autor);   // the level's author, not the save's name
}
