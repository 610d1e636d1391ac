// The best-games table: who gets in, where, the name entry, the screen, and the file with its champion.
#include "persist/best_games.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "core/globals.h"
#include "core/resources.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/objects.h"

#include <cstring>
#include <gtest/gtest.h>

static void naplnena(NEJ_SCORE* t)
{
    for (int i = 0; i < POCET_NEJ; i++) {
        t[i] = NEJ_SCORE{2000 - 100 * i, 20 - i, {}};
        std::snprintf(t[i].jmeno, MAX_JMENO, "Hrac %d", i);
    }
}

// Keys go in one per pass: (scancode, character) pairs as the keyboard gives them.
static void napis(const char* c)
{
    for (; *c; c++) hl_stisk(*c == '\r' ? KEY_ENTER : *c == '\b' ? KEY_BACKSPACE : KEY_A, *c);
}

TEST(BestGames, InsertionPlaces)
{
    NEJ_SCORE t[POCET_NEJ];
    prazdna_tabulka(t);
    EXPECT_EQ(zaradit_skore(t, 0, 3), -1);         // a score of 0 never enters
    EXPECT_EQ(zaradit_skore(t, 10, 3), 0);         // the first game with points is the champion
    EXPECT_EQ(std::pair(t[0].level, std::string(t[1].jmeno)), std::pair(3, std::string("- - - - - -")));
    naplnena(t);
    EXPECT_EQ(zaradit_skore(t, 1700, 9), 3);       // equal to entry 3: goes above it, the last falls out
    EXPECT_EQ(std::string(t[3].jmeno) + "|" + t[4].jmeno + "|" + t[19].jmeno, "|Hrac 3|Hrac 18");
    naplnena(t);
    EXPECT_EQ(zaradit_skore(t, 99, 1), -1);        // lower than all twenty
    EXPECT_EQ(zaradit_skore(t, 100, 1), 19);       // equal to the twentieth: replaces it
    EXPECT_EQ(t[19].level, 1);
}

TEST(BestGames, FileRoundTripShortMissingAndTheChampion)
{
    PISKOVISTE p;
    NEJ_SCORE t[POCET_NEJ], u[POCET_NEJ];
    char sampion[MAX_JMENO];
    auto sampion_je = [&](const std::string& jmeno) {
        nacti_sampiona("n_score.ddt", sampion);
        EXPECT_EQ(std::string(sampion), jmeno);
    };
    cti_tabulku("n_score.ddt", u);
    EXPECT_STREQ(u[7].jmeno, "- - - - - -");
    sampion_je("Neuvedeno");

    naplnena(t);
    ASSERT_TRUE(zapis_tabulku("n_score.ddt", t));
    std::string b = precti_bajty("n_score.ddt");
    ASSERT_EQ(b.size(), 420u);
    EXPECT_EQ(b.substr(21 * 2, 21), std::string("\x08\x07\0\0\x12\0\0\0Hrac 2\0\0\0\0\0\0\0", 21));
    cti_tabulku("n_score.ddt", u);
    for (int i = 0; i < POCET_NEJ; i++) EXPECT_EQ(0, std::memcmp(&t[i], &u[i], 8 + MAX_JMENO)) << i;
    sampion_je("Hrac 0");

    zapis_bajty("n_score.ddt", b.substr(0, 21 * 5 + 10));   // five whole entries and a piece
    cti_tabulku("n_score.ddt", u);
    EXPECT_EQ(std::pair(u[4].skore, std::string(u[5].jmeno)), std::pair(1600, std::string("- - - - - -")));

    std::string bez_nuly = b;   // names without their zero byte are cut, never read past
    bez_nuly.replace(8, 13, std::string(13, 'Q'));
    zapis_bajty("n_score.ddt", bez_nuly + std::string(100, '\xff'));
    cti_tabulku("n_score.ddt", u);
    EXPECT_EQ(std::pair(std::string(u[0].jmeno), u[19].skore), std::pair(std::string(12, 'Q'), 100));
    sampion_je(std::string(12, 'Q'));
    zapis_bajty("n_score.ddt", "short");
    sampion_je("");
}

class NameEntry : public Obrazovka {};

// The name field's rules on the real screen: Backspace and Enter do nothing on an empty name, the 13th
// letter and digits are not taken, a key without a character clears the name. The table then shows the
// entry and closes only on OK.
TEST_F(NameEntry, QualifyingGameIsEnteredWrittenAndShown)
{
    PISKOVISTE p;
    nas[NAS_SKORE] = 480;
    LEVEL = 8;
    bool vyzva = false;
    hl_pri_vstupu([&](long long) { vyzva = vyzva || text_je_videt(screen, "Zadejte své jméno", 400, 268, BARVA_1); });
    napis("\b\rabcdefghijklmN\b5");
    hl_stisk(KEY_LEFT, 0);
    napis("Ema\r");
    EXPECT_EQ(zapis_score(1), 1);
    EXPECT_TRUE(vyzva);
    EXPECT_EQ(hl_pocet(HL_SAMPLE, snd_click), 12 + 1 + 1 + 3 + 1);
    NEJ_SCORE t[POCET_NEJ];
    cti_tabulku("n_score.ddt", t);
    EXPECT_EQ(std::pair(t[0].skore, t[0].level), std::pair(480, 7));   // a won game: the last level there is
    EXPECT_EQ(std::string(t[0].jmeno, MAX_JMENO), std::string("Ema\0\0\0\0\0\0\0\0\0\0", 13));
    EXPECT_STREQ(sampion_jmeno, "Ema");

    jazyk = 2;
    bool nadpis = false, radky = false, lit = false;
    hl_pri_vstupu([&](long long) {
        nadpis = nadpis || text_je_videt(screen, "T H E   B E S T   G A M E S", 400, 47, BARVA_1);
        radky = radky || (text_je_videt(screen, "Ema", 228, 97, BARVA_1, VLEVO) &&
                          text_je_videt(screen, "480", 614, 97, BARVA_1, VPRAVO) &&
                          text_je_videt(screen, "20", 193, 97 + 22 * 19, BARVA_1, VPRAVO));
        lit = lit || text_je_videt(screen, "OK", 400, 555, BARVA_2);
    });
    hl_stisk(KEY_ESC, 27);                     // no key closes it
    hl_klik(360, 560);                         // on the button's left edge
    hl_pridej({.x = 400, .y = 560, .b = 1, .pruchodu = 2});
    hl_pridej({.x = 200, .y = 560, .b = 0});   // released beside it
    hl_pridej({.x = 439, .y = 574, .pruchodu = 3});
    hl_klik(439, 574);
    EXPECT_EQ(nej_score(), 0);
    EXPECT_EQ(std::tuple(nadpis, radky, lit), std::tuple(true, true, true));
    EXPECT_EQ(std::tuple(urci_cursor_s(360, 560), urci_cursor_s(361, 551), urci_cursor_s(440, 560)),
              std::tuple(-1, 1, -1));
}

TEST_F(NameEntry, KeysTypedBetweenTwoPassesAllCountAndNothingAfterEnter)
{
    char jmeno[MAX_JMENO] = {};
    int pozice = 0, hotovo = 0;
    napis("xyz\rw");
    for (int i = 0; i < 5; i++) plat_vstup();
    pis_jmeno_u(&pozice, jmeno, &hotovo);
    EXPECT_STREQ(jmeno, "xyz");
    EXPECT_EQ(hotovo, 1);
    EXPECT_FALSE(plat_klavesa_ceka());
}
