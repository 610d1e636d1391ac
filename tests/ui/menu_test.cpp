// The main menu and the in-game menu: items, clicks, the settings panel and the confirmation dialog.
#include "core/bitmap.h"
#include "core/clock.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/menu.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "support/screen_check.h"
#include "ui/settings_panel.h"
#include "ui/window.h"
#include "world/objects.h"

#include <tuple>
#include <vector>

namespace {

const char* CZ[POCET_POLOZEK] = {"Nová hra", "Pokračovat", "Spustit načtenou", "Zkusit vytvořenou",
                                  "Editor úrovní", "Uložit hru", "Načíst hru", "Nejlepší hry",
                                  "Nápověda", "Konec hry"};
const char* EN[POCET_POLOZEK] = {"New game", "Continue", "Start loaded", "Try creation", "Level editor",
                                  "Save game", "Load game", "The best games", "Help", "End game"};

// The colour of each item as the list draws it.
std::vector<int> barvy_polozek(int vybrana, int vytvorena_uroven, int nactena)
{
    BITMAPA b = nova_bitmapa(800, 600);
    clear_to_color(b.get(), 0);
    const char** texty = jazyk == 1 ? CZ : EN;
    zobraz_polozky(texty, vybrana, 400, 276, 25, vytvorena_uroven, nactena, b.get());
    std::vector<int> barvy(POCET_POLOZEK, -1);
    for (int i = 0; i < POCET_POLOZEK; i++)
        for (int c : {BARVA_1, BARVA_2, BARVA_3})
            if (text_je_videt(b.get(), texty[i], 400, 276 + 25 * i, c)) barvy[i] = c;
    return barvy;
}

bool ukazuje_dotaz() { return oblasti_shodne(screen, 205, 140, obr(bmp_dialog_panel), 0, 0, 20, 5); }
void klik_na_polozku(int i) { hl_klik(490, 285 + 25 * i); }   // right of every text, so the pointer covers none
int az_do_konce() { klik_na_polozku(9); return menu(MENU_HLAVNI); }   // "Konec hry" ends the script

// The pointer rests on empty space for 20 passes (the repeat clock runs meanwhile), then holds the left
// button at (x, y) for n passes and lets go.
void drz(int x, int y, int n)
{
    hl_pridej({.x = 300, .y = 150, .b = 0, .pruchodu = 20});
    hl_pridej({.x = x, .y = y, .b = 1, .pruchodu = n});
    hl_pridej({.x = x, .y = y, .b = 0, .pruchodu = 1});
}

// Keeps every value in turn, repeats left out.
void zmena(std::vector<int>* v, int hodnota) { if (v->empty() || v->back() != hodnota) v->push_back(hodnota); }

}  // namespace

class Menu : public Obrazovka {};

TEST_F(Menu, ItemColoursFollowAvailability)
{
    int G = BARVA_3, W = BARVA_1, O = BARVA_2;
    pocet_kol = 0;
    EXPECT_EQ(barvy_polozek(-1, 0, -1), (std::vector<int>{G, G, G, G, W, G, W, W, W, W}));
    pocet_kol = 4, HRAJE_SE = 1, MOD_HRY = 1, nas[NAS_SKORE] = 120;
    EXPECT_EQ(barvy_polozek(7, 3, 0), (std::vector<int>{W, W, W, W, W, W, W, O, W, W}));
    nas[NAS_SKORE] = 0;   // nothing to save yet
    EXPECT_EQ(barvy_polozek(5, 0, -1), (std::vector<int>{W, W, G, G, W, G, W, W, W, W}));
    nas[NAS_SKORE] = 50, MOD_HRY = 2, jazyk = 2;   // a tried level is never saved
    EXPECT_EQ(barvy_polozek(0, 1, -1), (std::vector<int>{O, W, G, W, W, G, W, W, W, W}));
}

// A grey item under the pointer stays grey and does nothing; a press carried off an item does nothing
// either; a click opens it. Items answer strictly inside x 300..500 and the 20-row band of their line.
TEST_F(Menu, ItemsActOnlyWhenAvailableAndReleasedOverThem)
{
    pocet_kol = 0;
    bool sedy = false, tabulka = false;
    auto sleduj = [&](long long) {
        sedy = sedy || (mys_y == 285 && text_je_videt(screen, "Nová hra", 400, 276, BARVA_3));
        tabulka = tabulka || oblasti_shodne(screen, 164, 45, obr(bmp_bar_pieces), 0, 0, 10, 20);   // its title bar
    };
    hl_pri_vstupu(sleduj);
    klik_na_polozku(0);
    hl_pridej({.x = 490, .y = 285 + 25 * 7, .b = 1, .pruchodu = 3});   // "Nejlepší hry" pressed, then left
    hl_pridej({.x = 100, .y = 100, .pruchodu = 3});
    hl_pridej({.b = 0, .pruchodu = 3});
    EXPECT_EQ(az_do_konce(), STAV_KONEC);
    EXPECT_EQ(std::tuple(sedy, tabulka, HRAJE_SE), std::tuple(true, false, 0));

    hl_reset();
    hl_pri_vstupu(sleduj);
    klik_na_polozku(7);
    hl_pridej({.x = 400, .y = 560, .pruchodu = 3});
    hl_klik(400, 560);   // OK of the table
    EXPECT_EQ(az_do_konce(), STAV_KONEC);
    EXPECT_TRUE(tabulka);

    const int pod[][3] = {{400, 285, -1}, {301, 376, 4}, {300, 380, -1}, {400, 375, -1}, {770, 301, -1},
                          {31, 524, OVL_HUDBA_MINUS}, {55, 525, -1},   // the music "<<<" reaches five rows lower
                          {595, 519, OVL_ZVUK_MINUS}, {595, 522, -1}};
    for (auto [x, y, co] : pod) EXPECT_EQ(zjisti_cursor(x, y, 300, 500, 275, 25, 0, -1), co) << x << "," << y;
}

// Held, a volume arrow steps by five and stops at 0 and 255; the effects volume may fall below zero,
// shown and played as 0, and comes back by the same step.
TEST_F(Menu, HeldVolumeArrowsStepByFiveBetweenTheEnds)
{
    volume_hudba = 200;
    volume_zvuk = 3;
    bool nula = false;
    hl_pri_vstupu([&](long long) {
        nula = nula || (volume_zvuk < 0 && text_je_videt(screen, "0%", 670, 501, BARVA_1));
    });
    drz(205, 505, 6 * 15);
    drz(55, 510, 6 * 55);
    drz(595, 510, 1);
    drz(745, 510, 1);
    az_do_konce();
    std::vector<int> hudba, zvuk, cekana;
    for (const HL_UDALOST& u : hl_zaznam)
        if (u.druh == HL_HLASITOST) zmena(&hudba, u.b), zmena(&zvuk, u.a);
    for (int v = 205; v <= 255; v += 5) cekana.push_back(v);
    for (int v = 250; v >= 0; v -= 5) cekana.push_back(v);
    EXPECT_EQ(hudba, cekana);
    EXPECT_EQ(zvuk, (std::vector<int>{3, 0, 3}));
    EXPECT_TRUE(nula);
}

// The language arrows toggle every text. The music choice runs 10 (all in turn), pieces 3..1, 0 (none)
// and round, each change starting its piece; with no piece found it stays 0.
TEST_F(Menu, LanguageAndMusicArrowsCycleTheirChoices)
{
    pocet_kol = 2, pocet_midi = 3, nastav_midi = 10;
    std::vector<int> jazyky, volby;
    hl_pri_vstupu([&](long long) {
        const char** t = jazyk == 1 ? CZ : EN;
        if (text_je_videt(screen, t[0], 400, 276, BARVA_1) && text_je_videt(screen, t[7], 400, 451, BARVA_1)
            && text_je_videt(screen, jazyk == 1 ? "CZ" : "EN", 670, 301, BARVA_1))
            zmena(&jazyky, jazyk);
        zmena(&volby, nastav_midi);
    });
    drz(595, 310, 1);
    drz(745, 310, 1);
    drz(55, 305, 17 * 5);   // a step every 17 passes of 6 ticks: over 100 ticks
    drz(205, 305, 17 * 5);
    az_do_konce();
    EXPECT_EQ(jazyky, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(volby, (std::vector<int>{10, 3, 2, 1, 0, 10, 0, 1, 2, 3, 10}));
    EXPECT_GE(hl_pocet(HL_MIDI_START, 3), 2);
    EXPECT_GE(hl_pocet(HL_MIDI_START, 2), 2);
    EXPECT_GE(hl_pocet(HL_MIDI_STOP, 0), 1);
    pocet_midi = nastav_midi = 0, speed_counter = 101;
    EXPECT_TRUE(nastaveni(OVL_VOLBA_PLUS));
    EXPECT_EQ(nastav_midi, 0);
}

// Leaving a game that could be saved asks first: Cancel keeps the game, OK carries the choice out, a click
// beside the buttons keeps the question. "Pokračovat" never asks, nor does anything in a try or after a save.
TEST_F(Menu, ConfirmationGuardsAGameNotSaved)
{
    bool videl = false;
    auto hra = [&](int mod) {
        hl_reset();
        pocet_kol = 3, HRAJE_SE = 1, MOD_HRY = mod, LEVEL = 2, nas[NAS_SKORE] = 300, vytvorena = 4;
        hl_pri_vstupu([&](long long) { videl = videl || ukazuje_dotaz(); });
    };
    hra(2);
    klik_na_polozku(9);
    EXPECT_EQ(menu(MENU_VE_HRE), STAV_KONEC);
    EXPECT_FALSE(videl);
    hra(1);
    klik_na_polozku(0);
    hl_klik(520, 340);    // Cancel
    klik_na_polozku(1);
    EXPECT_EQ(menu(MENU_VE_HRE), 0);
    EXPECT_EQ(std::tuple(videl, LEVEL, MOD_HRY), std::tuple(true, 2, 1));
    const struct { int polozka, stav, level, mod; } ok[] = {   // OK of the question, after a click beside it
        {0, STAV_NOVE_KOLO, 1, 1}, {3, STAV_NOVE_KOLO, 4, 2}, {9, STAV_KONEC, 2, 1}};
    for (auto [polozka, stav, level, mod] : ok) {
        hra(1);
        klik_na_polozku(polozka);
        hl_klik(100, 100);
        hl_klik(280, 340);
        int vysledek = menu(MENU_VE_HRE);
        EXPECT_EQ(std::tuple(vysledek, LEVEL, MOD_HRY, HRAJE_SE), std::tuple(stav, level, mod, 1)) << polozka;
    }
    HRAJE_SE = 1, MOD_HRY = 1;
    for (int z : {0, 2, 3, 9}) EXPECT_TRUE(potvrzeni_nutne(z, 0) && !potvrzeni_nutne(z, 1)) << z;
    EXPECT_FALSE(potvrzeni_nutne(1, 0));
    HRAJE_SE = 0;
    EXPECT_FALSE(potvrzeni_nutne(0, 0));
}

TEST(SettingsPanel, TimeAndDateAreWrittenAsInTheCorner)
{
    char c[32], d[32];
    format_casu(c, sizeof c, {9, 5, 3}), format_data(d, sizeof d, 1, 2, 104);
    EXPECT_EQ(std::string(c) + " " + d, "09:05:03 1.3. 2004");
}
