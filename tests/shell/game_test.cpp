// Whole games through the headless driver: rounds, next levels, end screens, pause, the in-game menu.
#include "core/play_clock.h"
#include "core/level_file.h"
#include "persist/best_games_file.h"
#include "persist/save_file.h"
#include "core/resources.h"
#include "core/binary_file.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "core/globals.h"
#include "shell/menu.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/bot.h"
#include "world/round.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace {

// Level n with the given (cell, type) bricks.
void uroven(int n, std::initializer_list<std::pair<int, int>> kostky)
{
    UROVEN u{};
    for (auto [bunka, typ] : kostky) u.bunky[bunka] = typ;
    std::strcpy(u.autor, "Tester");
    zapis_uroven(jmeno_urovne(n).c_str(), u);
}

// A row of `kolik` ordinary bricks in the middle of row 12.
void rada(int n, int kolik)
{
    UROVEN u{};
    for (int i = 0; i < kolik; i++) u.bunky[12 * 20 + 10 - kolik / 2 + i] = 1 + i % 5;
    std::strcpy(u.autor, "Tester");
    zapis_uroven(jmeno_urovne(n).c_str(), u);
}

bool ukazuje_menu() { return text_je_videt(screen, jazyk == 1 ? "Editor úrovní" : "Level editor", 400, 376, BARVA_1); }
bool ukazuje_tabulku() { return text_je_videt(screen, "N E J L E P Š Í   H R Y", 400, 47, BARVA_1); }
bool ukazuje_jmeno() { return text_je_videt(screen, "Zadejte své jméno", 400, 268, BARVA_1); }
bool ukazuje_nadpis(const char* t) { return text_je_videt(screen, t, 400, 147, BARVA_1); }

// A player: the bot moves the paddle while a round is on; the screens between are answered as asked.
struct HRAC {
    SIM_BOT bot;
    bool hraje = true;          // the bot plays; false leaves the paddle to the test
    int kol = 0;                // rounds seen
    int uroven = 0;             // level of the round seen last
    int akce_v = -1000;         // pass of the last answer, so that a screen is answered once
};

void hrac_tah(HRAC* h, long long pruchod)
{
    if (hrane_kolo) {
        if (LEVEL != h->uroven) {
            h->uroven = LEVEL;
            h->kol++;
            bot_start(&h->bot, 7, false);
        }
        if (!h->hraje) return;
        SIM_VSTUP v = bot_tah(&h->bot, hrane_kolo);
        hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
        return;
    }
    if (pruchod - h->akce_v < 20) return;
    if (ukazuje_tabulku()) {
        h->akce_v = pruchod;
        hl_klik(400, 560);
    } else if (ukazuje_menu()) {
        h->akce_v = pruchod;
        hl_klik(490, 285 + 25 * 9);
    }
}

class WholeGame : public Obrazovka {
protected:
    PISKOVISTE* p = nullptr;
    void SetUp() override
    {
        Obrazovka::SetUp();
        p = new PISKOVISTE(S_DATY);
        std::srand(11);
        hl_limit_necinnosti = 2000000;
    }
    void TearDown() override
    {
        delete p;
        Obrazovka::TearDown();
    }
    // Starts a new game from the top-level menu and plays until the program would end.
    int hraj(HRAC* h, std::function<void(long long)> navic = nullptr)
    {
        pocet_kol = 0;
        while (pocet_kol < 999 && soubor_existuje(jmeno_urovne(pocet_kol + 1).c_str())) pocet_kol++;
        hl_klik(490, 285);
        hl_pri_vstupu([h, navic](long long n) {
            if (navic) navic(n);
            hrac_tah(h, n);
        });
        return menu(MENU_HLAVNI);
    }
};

}  // namespace

TEST_F(WholeGame, WonGameKeepsScoreAcrossLevelsAndEntersTheTable)
{
    rada(1, 4);
    rada(2, 3);
    HRAC h;
    int skore_po_1 = -1, zivoty_po_1 = -1;
    bool box_urovne_2 = false, vitezstvi = false;
    int jmeno_kroku = 0;
    auto sledovani = [&](long long) {
        if (hrane_kolo && LEVEL == 2 && skore_po_1 < 0) {
            skore_po_1 = nas[NAS_SKORE];
            zivoty_po_1 = nas[NAS_ZIVOTY];
        }
        if (!hrane_kolo && LEVEL == 2 && text_je_videt(screen, "Ú R O V E Ň  2", 400, 253, BARVA_1))
            box_urovne_2 = true;
        if (!vitezstvi && ukazuje_nadpis("GRATULUJI VÍTĚZÍTE")) {
            vitezstvi = true;
            hl_stisk(KEY_K, 'K');      // the key that closes the box is the first letter of the name
        }
        if (ukazuje_jmeno() && jmeno_kroku == 0) {
            jmeno_kroku = 1;
            for (char c : std::string("ate")) hl_stisk(KEY_A, c);
            hl_stisk(KEY_ENTER, 13);
        }
    };
    EXPECT_EQ(hraj(&h, sledovani), STAV_KONEC);
    EXPECT_EQ(h.kol, 2);
    EXPECT_GE(skore_po_1, 40);
    EXPECT_GE(zivoty_po_1, 0);
    EXPECT_TRUE(vitezstvi);
    EXPECT_EQ(HRAJE_SE, 0);
    NEJ_SCORE t[POCET_NEJ];
    cti_tabulku("n_score.ddt", t);
    EXPECT_STREQ(t[0].jmeno, "Kate");
    EXPECT_EQ(t[0].level, 2);
    EXPECT_EQ(t[0].skore, nas[NAS_SKORE]);
    EXPECT_GE(t[0].skore, 70);
    EXPECT_STREQ(sampion_jmeno, "Kate");
}

TEST_F(WholeGame, LosingEveryBallEndsInGameOver)
{
    uroven(1, {{0, 9}});
    HRAC h;
    h.hraje = false;
    long long tik_posledniho_kola = 0;
    bool box = false;
    auto uhybat = [&](long long) {
        if (hrane_kolo) {
            tik_posledniho_kola = hl_tiku;
            const KOLO* k = hrane_kolo;
            int x = k->pocet_kouli > 0 && k->koule[0]->x < 400 ? 700 : 10;
            hl_mys(x, -1, 1);          // the paddle keeps away from the ball and launches it
        } else if (!box && text_je_videt(screen, "K O N E C  H R Y", 400, 223, BARVA_1)) {
            box = true;
            EXPECT_GE(hl_tiku - tik_posledniho_kola, 880);   // it stood there for a second and a half
        }
    };
    EXPECT_EQ(hraj(&h, uhybat), STAV_KONEC);
    EXPECT_TRUE(box);
    EXPECT_EQ(nas[NAS_ZIVOTY], 0);
    EXPECT_EQ(HRAJE_SE, 0);
    EXPECT_FALSE(soubor_existuje("n_score.ddt"));   // no points: no name was asked for
}

TEST_F(WholeGame, PauseFreezesTheClock)
{
    rada(1, 10);
    HRAC h;
    h.hraje = false;
    int faze = 0, sek_pred = -1, min_pred = -1;
    long long zacatek = 0;
    auto pauza = [&](long long n) {
        if (!hrane_kolo) return;
        if (faze == 0 && sekundy == 3) {
            faze = 1;
            zacatek = n;
            hl_drz(KEY_P, true);
        } else if (faze == 1) {      // the pass after P went down: the loop waits for a key
            sek_pred = nas[NAS_SEKUNDY];
            min_pred = nas[NAS_MINUTY];
            faze = 2;
        } else if (faze == 2 && n - zacatek > 2000) {   // twenty virtual seconds later
            hl_drz(KEY_P, false);
            hl_stisk(KEY_SPACE, ' ');
            faze = 3;
        } else if (faze == 3) {      // the key arrives; the pause ends in this pass
            faze = 31;
        } else if (faze == 31) {
            EXPECT_EQ(sekundy, sek_pred);
            EXPECT_EQ(minuty, min_pred);
            EXPECT_LE(speed_counter, 12);   // no burst of catch-up ticks
            faze = 4;
            hl_drz(KEY_ESC, true);
        } else if (faze == 4) {
            hl_drz(KEY_ESC, false);
            hl_klik(490, 285 + 25 * 9);    // End game, and OK to the question
            hl_klik(280, 340);
            faze = 5;
        }
    };
    EXPECT_EQ(hraj(&h, pauza), 0);
    EXPECT_EQ(faze, 5);
    EXPECT_EQ(sek_pred, 3);
}

TEST_F(WholeGame, InGameMenuContinuesWhereItWasInTheNewLanguage)
{
    rada(1, 10);
    HRAC h;
    h.hraje = false;
    int faze = 0, x_pred = 0, sek_pred = 0;
    bool anglicky = false;
    auto menu_hra = [&](long long) {
        if (faze == 0 && hrane_kolo && sekundy == 2) {
            hl_mys(250, -1, 0);
            faze = 1;
        } else if (faze == 1 && hrane_kolo) {
            x_pred = mys_x;
            sek_pred = sekundy;
            hl_drz(KEY_ESC, true);
            faze = 2;
        } else if (faze == 2) {
            hl_drz(KEY_ESC, false);
            hl_pridej({.x = 300, .y = 150, .pruchodu = 30});
            hl_klik(595, 310);                   // language
            hl_klik(490, 285 + 25);              // Continue
            faze = 3;
        } else if (faze == 3 && hrane_kolo && mys_y >= 500) {   // back in the paddle's strip
            EXPECT_EQ(mys_x, x_pred);
            EXPECT_EQ(sekundy, sek_pred);
            anglicky = text_je_videt(screen, "Score", 30, 582, BARVA_1, VLEVO) &&
                       text_je_videt(screen, "Author of level  Tester", 770, 582, BARVA_1, VPRAVO);
            faze = 4;
            hl_mys(-1, -1, 2);                   // the right button opens the menu too
        } else if (faze == 4 && ukazuje_menu()) {
            hl_mys(-1, -1, 0);
            hl_klik(490, 285 + 25 * 9);
            hl_klik(280, 340);
            faze = 5;
        }
    };
    EXPECT_EQ(hraj(&h, menu_hra), 0);
    EXPECT_TRUE(anglicky);
    EXPECT_EQ(jazyk, 2);
    EXPECT_EQ(faze, 5);
}

TEST_F(WholeGame, StallEndsTheRoundWithTheErrorBoxAndNoFrameAfter)
{
    rada(1, 10);
    HRAC h;
    BITMAP* pred = create_bitmap(800, 600);
    int faze = 0;
    bool stejne = false;
    auto zasek = [&](long long) {
        if (faze == 0 && hrane_kolo && sekundy == 1) {
            blit(screen, pred, 0, 0, 0, 0, 800, 600);
            hl_posun_cas(1100);
            faze = 1;
        } else if (faze == 1 && ukazuje_nadpis("CHYBA HRY")) {
            stejne = oblasti_shodne(screen, 0, 0, pred, 0, 0, 800, 140) &&
                     oblasti_shodne(screen, 0, 360, pred, 0, 360, 800, 240);
            hl_stisk(KEY_SPACE, ' ');
            faze = 2;
        }
    };
    EXPECT_EQ(hraj(&h, zasek), STAV_KONEC);
    EXPECT_EQ(faze, 2);
    EXPECT_TRUE(stejne);
    EXPECT_EQ(HRAJE_SE, 0);
    destroy_bitmap(pred);
}

TEST_F(WholeGame, MissingNextLevelIsAWinAndRoundsDoNotDeepenTheStack)
{
    for (int n = 1; n <= 40; n++) uroven(n, {{5, 10}});   // grey only: won at the first tick
    uroven(42, {{5, 1}});                                  // hidden behind the gap
    HRAC h;
    std::uintptr_t hloubka_1 = 0, hloubka_40 = 0;
    bool vyhra = false;
    auto hloubka = [&](long long) {
        char znacka;
        auto adresa = reinterpret_cast<std::uintptr_t>(&znacka);
        if (hrane_kolo && LEVEL == 1 && !hloubka_1) hloubka_1 = adresa;
        if (hrane_kolo && LEVEL == 40 && !hloubka_40) hloubka_40 = adresa;
        if (!vyhra && ukazuje_nadpis("GRATULUJI VÍTĚZÍTE")) {
            vyhra = true;
            hl_stisk(KEY_SPACE, ' ');
        }
    };
    EXPECT_EQ(hraj(&h, hloubka), STAV_KONEC);
    EXPECT_TRUE(vyhra);
    EXPECT_EQ(LEVEL, 41);
    ASSERT_NE(hloubka_1, 0u);
    EXPECT_EQ(hloubka_1, hloubka_40);
}

TEST_F(WholeGame, EscHeldAsTheRoundEndsDoesNotOpenTheMenu)
{
    uroven(1, {{5, 10}});   // grey only: won at the first tick, and no level 2: the game is won
    HRAC h;
    bool menu_ve_hre = false, vyhra = false;
    auto esc = [&](long long) {
        hl_drz(KEY_ESC, !vyhra);
        if (hrane_kolo && ukazuje_menu()) menu_ve_hre = true;
        if (!vyhra && ukazuje_nadpis("GRATULUJI VÍTĚZÍTE")) {
            vyhra = true;
            hl_drz(KEY_ESC, false);
            hl_stisk(KEY_SPACE, ' ');
        }
    };
    EXPECT_EQ(hraj(&h, esc), STAV_KONEC);
    EXPECT_TRUE(vyhra);
    EXPECT_FALSE(menu_ve_hre);
}

TEST_F(WholeGame, GreyBricksTurnAtSevenWithoutCountingTheirPauseAndAWiderPaddleKeepsOutOfTheWall)
{
    uroven(1, {{0, 10}, {1, 10}, {19, 1}});
    ULOZENA_HRA h{{}, 3, 100, 1, KOULE_SEDA, 12, 80, 0, 0, 0, 6, 58, 0.6f, "Sedm"};
    h.mrizka[0] = h.mrizka[1] = KOSTKA_SEDA;
    h.mrizka[19] = 1;
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, &h, 1));
    MOD_HRY = MOD_ULOZENA_HRA;
    ULOZENA = 0;
    HRAJE_SE = 1;
    int faze = 0;
    float x = 0, y = 0;   // where the ball was at the start of the last pass
    bool ukazane = false;
    hl_pri_vstupu([&](long long) {
        if (!hrane_kolo) return;
        const OBJECT* koule = hrane_kolo->koule[0];
        if (faze == 0 && POCET_KOSTEK == 3 && kostka[1]->druh == KOSTKA_DVA_ZASAHY) {
            faze = 1;
            ukazane = oblasti_shodne(hl_obrazovka(), x_bunky(1), y_bunky(1), obr(res_kostka(KOSTKA_DVA_ZASAHY)),
                                     0, 0, SIRKA_KOSTKY, VYSKA_KOSTKY);
            // the pauses of 100 ms a brick were not play: the ball went on only for this pass's ticks
            EXPECT_LT(std::abs(koule->x - x) + std::abs(koule->y - y), 20.0f);
            EXPECT_EQ(minuty, 7);
            EXPECT_EQ(sekundy, 0);
        } else if (faze == 0) {
            hl_mys(-1, -1, 1);   // launch; the ball flies through the last second before 7:00
        } else if (faze == 1) {
            nas[NAS_SIRKA_PRKNA] = 120;   // as "board size +" would do
            faze = 2;
        } else if (faze == 2 && hrane_kolo->prkno->velikost == 120) {
            hl_mys(790, -1, 0);
            faze = 3;
        } else if (faze == 3) {
            EXPECT_EQ(mys_x, 790 - 120);
            hl_drz(KEY_ESC, true);
            faze = 4;
        } else if (faze == 4) {
            hl_drz(KEY_ESC, false);
            hl_klik(490, 285 + 25 * 9);
            hl_klik(280, 340);
            faze = 5;
        }
        x = koule->x;
        y = koule->y;
    });
    EXPECT_EQ(game(), 0);
    EXPECT_EQ(faze, 5);
    EXPECT_TRUE(ukazane);
    EXPECT_GE(hl_pocet(HL_SAMPLE, snd_brick), 2);
}
