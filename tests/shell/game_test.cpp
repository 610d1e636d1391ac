// Whole games through the headless driver: rounds, next levels, end screens, pause, the in-game menu,
// a game saved there and continued after a restart, and the same course with and without the frame cap.
#include "core/binary_file.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "persist/best_games_file.h"
#include "persist/save_file.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "shell/menu.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/bot.h"
#include "world/round.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

namespace {

// Level n with the given (cell, type) bricks, and a row of `rada` ordinary ones in the middle of row 12.
void uroven(int n, std::initializer_list<std::pair<int, int>> kostky, int rada = 0)
{
    UROVEN u{};
    for (auto [bunka, typ] : kostky) u.bunky[bunka] = typ;
    for (int i = 0; i < rada; i++) u.bunky[12 * 20 + 10 - rada / 2 + i] = 1 + i % 5;
    std::strcpy(u.autor, "Tester");
    zapis_uroven(jmeno_urovne(n).c_str(), u);
}

bool ukazuje_menu() { return text_je_videt(screen, jazyk == 1 ? "Editor úrovní" : "Level editor", 400, 376, BARVA_1); }
bool ukazuje_nadpis(const char* t) { return text_je_videt(screen, t, 400, 147, BARVA_1); }
void polozka(int i) { hl_klik(490, 285 + 25 * i); }
void napis(const std::string& t)   // '\r' is Enter
{
    for (char c : t) hl_stisk(c == '\r' ? KEY_ENTER : KEY_A, c);
}
void odejdi() { hl_pridej({.x = 300, .y = 150, .pruchodu = 5}), polozka(9); }   // "Konec hry" after a move

class WholeGame : public Obrazovka {
protected:
    PISKOVISTE p{S_DATY};
    SIM_BOT bot;
    int uroven_kola = 0;           // level of the round seen last
    long long odpoved_v = -1000;   // pass of the last answer, so that a screen is answered once
    void SetUp() override { Obrazovka::SetUp(), std::srand(11); }
    // Starts a new game from the top-level menu and plays until the program would end: `navic` sees every
    // poll first; the bot moves the paddle while a round is on, when asked to; the table and the menu are
    // answered.
    int hraj(const std::function<void(long long)>& navic, bool s_botem = false)
    {
        pocet_kol = souvisle_urovne();
        polozka(0);
        hl_pri_vstupu([=, this](long long n) {
            navic(n);
            bool odpovedet = !hrane_kolo && n - odpoved_v >= 20;
            if (hrane_kolo && s_botem) {
                if (LEVEL != uroven_kola) bot_start(&bot, 7, false);
                uroven_kola = LEVEL;
                SIM_VSTUP v = bot_tah(&bot, hrane_kolo);
                hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
            } else if (odpovedet && text_je_videt(screen, "N E J L E P Š Í   H R Y", 400, 47, BARVA_1)) {
                odpoved_v = n;
                hl_klik(400, 560);
            } else if (odpovedet && ukazuje_menu()) {
                odpoved_v = n;
                polozka(9);
            }
        });
        return menu(MENU_HLAVNI);
    }
};

// The round as a pass finds it, left by the ticks up to `tik`.
struct PRUCHOD {
    long long tik;
    int status, skore, zivoty, kouli;
    std::vector<int> kostky;   // cell and hits left of every brick standing
    float koule_x, koule_y;
    bool operator==(const PRUCHOD&) const = default;
};
struct VSTUP { long long tik; int x; bool tlacitko; };   // the bot's mouse at a pass of the capped game
struct KOLO_S_BOTEM { std::vector<PRUCHOD> pruchody; int status; long long konec; };

// One round on a machine that takes no time for a pass. The bot plays it and its moves are kept in
// `vstupy`, or the moves kept are played back, each at the same tick as before. Each pass notes the
// round as the ticks before it left it: PRUCHOD::tik is the last of them.
KOLO_S_BOTEM hraj_se_stropem(int strop, std::vector<VSTUP>* vstupy, bool prehrat)
{
    hl_reset();
    std::srand(3);
    std::tie(strop_snimku, hl_tiku_na_vstup, MOD_HRY, LEVEL, HRAJE_SE) = std::tuple(strop, 0, MOD_OBYCEJNA, 1, 1);
    SIM_BOT bot;
    bot_start(&bot, 7, false);
    KOLO_S_BOTEM h{};
    long long odehrano = -1;
    size_t dalsi = 0;
    VSTUP v{};
    hl_pri_vstupu([&](long long) {
        if (!hrane_kolo) return;
        if (odehrano >= 0) {
            const KOLO* k = hrane_kolo;
            PRUCHOD p{odehrano, k->status, nas[NAS_SKORE], nas[NAS_ZIVOTY], k->pocet_kouli, {}, 0, 0};
            for (const KOSTKA* c : std::span(kostka, POCET_KOSTEK))
                p.kostky.insert(p.kostky.end(), {c->pozice, c->zasahy});
            if (p.kouli > 0) std::tie(p.koule_x, p.koule_y) = std::tuple(k->koule[0]->x, k->koule[0]->y);
            h.pruchody.push_back(p);
        }
        odehrano = hl_tiku;   // this pass runs every tick up to here
        if (prehrat) {
            while (dalsi < vstupy->size() && (*vstupy)[dalsi].tik <= hl_tiku) v = (*vstupy)[dalsi++];
        } else {
            SIM_VSTUP t = bot_tah(&bot, hrane_kolo);
            vstupy->push_back(v = {hl_tiku, t.mys_x, t.tlacitko});
        }
        hl_mys(v.x, -1, v.tlacitko ? 1 : 0);
    });
    h.status = hraj_kolo();
    h.konec = hl_tiku;
    hl_pri_vstupu(nullptr);
    strop_snimku = NEJVIC_SNIMKU;
    return h;
}

}  // namespace

// Dead objects and destroyed bricks go at the end of a frame, so the two games are compared where both
// have just ended one: at every frame of the capped game (the other ends one after every tick).
TEST_F(WholeGame, SameCourseWithAndWithoutTheFrameCapForTheSameInputPerTick)
{
    uroven(1, {}, 6);
    std::vector<VSTUP> vstupy;
    KOLO_S_BOTEM se = hraj_se_stropem(NEJVIC_SNIMKU, &vstupy, false), bez = hraj_se_stropem(0, &vstupy, true);
    const std::vector<PRUCHOD>&s = se.pruchody, &b = bez.pruchody;
    ASSERT_EQ(se.status, STAV_VYHRA);
    ASSERT_GT(s.size(), 1000u);
    EXPECT_GT(b.size(), 4 * s.size());
    for (size_t i = 1; i < s.size(); i++) {   // a frame every 5 ticks (a sixth now and then): 120 a second
        long long d = s[i].tik - s[i - 1].tik;
        ASSERT_TRUE(d == 5 || d == 6) << "a pass of " << d << " ticks after tick " << s[i - 1].tik;
    }
    size_t j = 0, stejnych = 0;
    for (const PRUCHOD& q : s) {
        while (j < b.size() && b[j].tik < q.tik) j++;
        if (j == b.size()) break;   // the other game is over: the win waited for no frame there
        ASSERT_TRUE(b[j] == q) << "after tick " << q.tik;
        stejnych++;
    }
    EXPECT_GE(stejnych + 2, s.size());
    EXPECT_EQ(bez.status, se.status);
    EXPECT_LE(std::abs(se.konec - bez.konec), 6);   // the win waits for a frame end
}

// Two levels played, then 38 grey-only ones won at their first tick with Esc held all along: no menu opens
// as a round ends, the rounds do not deepen the stack, and the missing level 41 makes it a won game whose
// score goes into the table under the name typed, its first letter the key that closed the box.
TEST_F(WholeGame, WonGameKeepsScoreAcrossLevelsAndEntersTheTable)
{
    uroven(1, {}, 4);
    uroven(2, {}, 3);
    for (int n = 3; n <= 40; n++) uroven(n, {{5, 10}});
    uroven(42, {{5, 1}});   // hidden behind the gap
    std::uintptr_t hloubka_3 = 0, hloubka_40 = 0;
    bool menu_ve_hre = false, vitezstvi = false, jmeno = false;
    auto sledovani = [&](long long) {
        char znacka;
        auto adresa = reinterpret_cast<std::uintptr_t>(&znacka);
        hl_drz(KEY_ESC, LEVEL >= 3 && !vitezstvi);
        if (hrane_kolo && ukazuje_menu()) menu_ve_hre = true;
        if (hrane_kolo && LEVEL == 3 && !hloubka_3) hloubka_3 = adresa;
        if (hrane_kolo && LEVEL == 40 && !hloubka_40) hloubka_40 = adresa;
        if (!vitezstvi && ukazuje_nadpis("GRATULUJI VÍTĚZÍTE")) {
            vitezstvi = true;
            hl_drz(KEY_ESC, false);
            hl_stisk(KEY_K, 'K');
        }
        if (!jmeno && text_je_videt(screen, "Zadejte své jméno", 400, 268, BARVA_1)) {
            jmeno = true;
            napis("ate\r");
        }
    };
    EXPECT_EQ(hraj(sledovani, true), STAV_KONEC);
    EXPECT_EQ(std::tuple(vitezstvi, menu_ve_hre, HRAJE_SE, LEVEL), std::tuple(true, false, 0, 41));
    ASSERT_NE(hloubka_3, 0u);
    EXPECT_EQ(hloubka_3, hloubka_40);
    NEJ_SCORE t[POCET_NEJ];
    cti_tabulku("n_score.ddt", t);
    EXPECT_EQ(std::tuple(std::string(t[0].jmeno), t[0].level, t[0].skore, std::string(sampion_jmeno)),
              std::tuple("Kate", 40, nas[NAS_SKORE], "Kate"));
    EXPECT_GE(t[0].skore, 70);   // the ten points of each of the seven bricks, kept from level to level
}

TEST_F(WholeGame, LosingEveryBallEndsInGameOver)
{
    uroven(1, {{0, 9}});
    long long tik_posledniho_kola = 0;
    bool box = false;
    auto uhybat = [&](long long) {
        if (hrane_kolo) {
            tik_posledniho_kola = hl_tiku;
            hl_mys(hrane_kolo->pocet_kouli > 0 && hrane_kolo->koule[0]->x < 400 ? 700 : 10, -1, 1);
        } else if (!box && text_je_videt(screen, "K O N E C  H R Y", 400, 223, BARVA_1)) {
            box = true;
            EXPECT_GE(hl_tiku - tik_posledniho_kola, 880);   // it stood there for a second and a half
        }
    };
    EXPECT_EQ(hraj(uhybat), STAV_KONEC);
    EXPECT_EQ(std::tuple(box, nas[NAS_ZIVOTY], HRAJE_SE), std::tuple(true, 0, 0));
    EXPECT_FALSE(soubor_existuje("n_score.ddt"));   // no points: no name was asked for
}

// P pauses until a key, Esc or the right button opens the menu over the round; neither counts as play,
// and the round goes on where it was, in the language chosen meanwhile. A stalled round then ends with the
// error box, and no frame after it.
TEST_F(WholeGame, PauseAndTheInGameMenuStopTheClockAndAStallEndsTheRound)
{
    uroven(1, {}, 10);
    int faze = 0, sek_pred = -1, x_pred = 0;
    long long zacatek = 0;
    bool anglicky = false, stejne = false;
    BITMAP* pred = create_bitmap(800, 600);
    auto hrac = [&](long long n) {
        if (faze == 0 && hrane_kolo && sekundy == 3) {
            hl_mys(250, -1, 0);
            zacatek = n;
            hl_drz(KEY_P, true);
            faze = 1;
        } else if (faze == 1) {      // the pass after P went down: the loop waits for a key
            sek_pred = nas[NAS_SEKUNDY];
            faze = 2;
        } else if (faze == 2 && n - zacatek > 2000) {   // twenty virtual seconds later
            hl_drz(KEY_P, false);
            hl_stisk(KEY_SPACE, ' ');
            faze = 3;
        } else if (faze == 3) {      // the key arrives; the pause ends in this pass
            faze = 4;
        } else if (faze == 4) {
            EXPECT_EQ(sekundy, sek_pred);
            EXPECT_LE(speed_counter, 12);   // no burst of catch-up ticks
            x_pred = mys_x;
            hl_drz(KEY_ESC, true);
            faze = 5;
        } else if (faze == 5) {
            hl_drz(KEY_ESC, false);
            hl_pridej({.x = 300, .y = 150, .pruchodu = 30});
            hl_klik(595, 310);       // language
            polozka(1);              // Continue
            faze = 6;
        } else if (faze == 6 && hrane_kolo && mys_y >= 500) {   // back in the paddle's strip
            EXPECT_EQ(mys_x, x_pred);
            EXPECT_EQ(sekundy, sek_pred);
            anglicky = text_je_videt(screen, "Score", 30, 582, BARVA_1, VLEVO) &&
                       text_je_videt(screen, "Author of level  Tester", 770, 582, BARVA_1, VPRAVO);
            hl_mys(-1, -1, 2);
            faze = 7;
        } else if (faze == 7 && ukazuje_menu()) {
            hl_mys(-1, -1, 0);
            polozka(1);
            faze = 8;
        } else if (faze == 8 && hrane_kolo && mys_y >= 500) {
            blit(screen, pred, 0, 0, 0, 0, 800, 600);
            hl_posun_cas(1100);   // a stall
            faze = 9;
        } else if (faze == 9 && ukazuje_nadpis("GAME ERROR")) {
            stejne = oblasti_shodne(screen, 0, 0, pred, 0, 0, 800, 140) &&
                     oblasti_shodne(screen, 0, 360, pred, 0, 360, 800, 240);
            hl_stisk(KEY_SPACE, ' ');
            faze = 10;
        }
    };
    EXPECT_EQ(hraj(hrac), STAV_KONEC);
    destroy_bitmap(pred);
    EXPECT_EQ(std::tuple(faze, sek_pred, HRAJE_SE, anglicky, stejne), std::tuple(10, 3, 0, true, true));
}

// A slot continued from the menu: the bricks it stored stand at their places and whole, the state, the
// clock and the speed come back. At 7:00 its grey bricks turn, their pause not counted as play; a wider
// paddle keeps out of the wall. Saved again, the game ends without a question; once its level is gone,
// the slot ends in the file error.
TEST_F(WholeGame, ASavedGameContinuesAsItStoodAndFailsWhenItsLevelIsGone)
{
    uroven(1, {{0, 10}, {1, 10}, {19, 1}});
    ULOZENA_HRA hry[4] = {};   // rows 1 to 3 empty
    hry[3] = ULOZENA_HRA{{}, 3, 100, 1, KOULE_SEDA, 16, 80, 0, 0, 1, 6, 58, 0.6f, "Sedm"};
    const std::vector<std::array<int, 3>> ulozene = {{0, 10, 1}, {1, 10, 1}, {5, 8, 2}, {19, 1, 1}, {21, 9, 5}};
    for (auto [bunka, druh, zasahy] : ulozene) hry[3].mrizka[bunka] = druh;
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, 4));
    pocet_kol = 1;
    // "Načíst hru", the row labelled 4, OK, "Spustit načtenou"
    auto nacti_a_spust = [] { polozka(6), hl_klik(400, 170), hl_klik(240, 560), polozka(2); };
    int faze = 0;
    float x = 0, y = 0;   // where the ball was at the start of the last pass, and when
    long long t = 0;
    bool stejne = false, ukazane = false, otazka = false;
    hl_pri_vstupu([&](long long) {
        otazka = otazka || ukazuje_nadpis("POZOR");
        if (!hrane_kolo) return;
        const OBJECT* koule = hrane_kolo->koule[0];
        if (faze == 0) {
            std::vector<std::array<int, 3>> stoji;
            bool na_mistech = true;
            for (const KOSTKA* k : std::span(kostka, POCET_KOSTEK)) {
                stoji.push_back({k->pozice, k->druh, k->zasahy});
                na_mistech = na_mistech && k->x == x_bunky(k->pozice) && k->y == y_bunky(k->pozice);
            }
            std::vector<int> stav(nas, nas + 11);
            stav[NAS_KOULE_NAVIC] = 0;   // not saved
            stejne = na_mistech && stoji == ulozene && stav == std::vector{3, 100, 0, 1, 16, 80, 0, 0, 1, 6, 58} &&
                     LEVEL == 1 && MOD_HRY == MOD_OBYCEJNA && hlavni_krok == 0.6f && minuty == 6 && sekundy == 58;
            hl_mys(-1, -1, 1);   // launch; the ball flies through the last second before 7:00
            faze = 1;
        } else if (faze == 1 && kostka[0]->druh == KOSTKA_DVA_ZASAHY) {
            ukazane = oblasti_shodne(hl_obrazovka(), x_bunky(1), y_bunky(1), obr(res_kostka(KOSTKA_DVA_ZASAHY)),
                                     0, 0, SIRKA_KOSTKY, VYSKA_KOSTKY);
            // a pause of 100 ms a brick, not counted as play: the ball went on only for this pass's ticks
            EXPECT_GE(hl_tiku - t, 2 * 60);
            EXPECT_LT(std::abs(koule->x - x) + std::abs(koule->y - y), 20.0f);
            EXPECT_EQ(std::pair(int(minuty), int(sekundy)), std::pair(7, 0));
            nas[NAS_SIRKA_PRKNA] = 120;   // as "board size +" would do
            faze = 2;
        } else if (faze == 2 && hrane_kolo->prkno->velikost == 120) {
            hl_mys(790, -1, 0);
            faze = 3;
        } else if (faze == 3) {
            EXPECT_EQ(mys_x, 790 - 120);   // a wider paddle keeps out of the wall
            hl_drz(KEY_ESC, true);
            faze = 4;
        } else if (faze == 4) {
            hl_drz(KEY_ESC, false);
            polozka(5);          // "Uložit hru" into the row labelled 4
            hl_klik(400, 170);
            napis("Znovu\r");
            hl_klik(240, 560);
            odejdi();            // saved: no question
            faze = 5;
        }
        std::tie(x, y, t) = std::tuple(koule->x, koule->y, hl_tiku);
    });
    nacti_a_spust();
    EXPECT_EQ(0, menu(MENU_HLAVNI));
    EXPECT_EQ(std::tuple(faze, stejne, ukazane, otazka), std::tuple(5, true, true, false));
    EXPECT_GE(hl_pocet(HL_SAMPLE, snd_brick), 2);
    ULOZENA_HRA h;
    ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 3, &h));
    EXPECT_STREQ("Znovu", h.jmeno);

    std::filesystem::remove(jmeno_urovne(1));
    hl_reset();
    HRAJE_SE = 0;
    bool chyba = false;
    hl_pri_vstupu([&](long long) {
        if (!chyba && ukazuje_nadpis("CHYBA HRY")) {
            chyba = true;
            hl_stisk(KEY_SPACE, ' ');
            odejdi();
        }
    });
    nacti_a_spust();
    EXPECT_EQ(STAV_KONEC, menu(MENU_HLAVNI));
    EXPECT_TRUE(chyba);
}
