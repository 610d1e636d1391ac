// The main menu and the in-game menu: items, clicks, the settings panel and the confirmation dialog.
#include "platform/headless.h"
#include "platform/platform.h"
#include "core/clock.h"
#include "core/globals.h"
#include "shell/menu.h"
#include "core/resources.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "support/screen_check.h"
#include "ui/settings_panel.h"
#include "ui/window.h"
#include "world/objects.h"

#include <vector>

namespace {

constexpr int X_POLOZKY = 490;   // right of every text, so the pointer covers none
int y_polozky(int i) { return 285 + 25 * i; }

const char* CZ[POCET_POLOZEK] = {"Nová hra", "Pokračovat", "Spustit načtenou", "Zkusit vytvořenou",
                                  "Editor úrovní", "Uložit hru", "Načíst hru", "Nejlepší hry",
                                  "Nápověda", "Konec hry"};
const char* EN[POCET_POLOZEK] = {"New game", "Continue", "Start loaded", "Try creation", "Level editor",
                                  "Save game", "Load game", "The best games", "Help", "End game"};

// The colour of each item as the list draws it.
std::vector<int> barvy_polozek(int vybrana, int vytvorena_uroven, int nactena)
{
    BITMAP* b = create_bitmap(800, 600);
    clear_to_color(b, 0);
    const char** texty = jazyk == 1 ? CZ : EN;
    zobraz_polozky(texty, vybrana, 400, 276, 25, vytvorena_uroven, nactena, b);
    std::vector<int> barvy;
    for (int i = 0; i < POCET_POLOZEK; i++) {
        int barva = -1;
        for (int c : {BARVA_1, BARVA_2, BARVA_3})
            if (text_je_videt(b, texty[i], 400, 276 + 25 * i, c)) barva = c;
        barvy.push_back(barva);
    }
    destroy_bitmap(b);
    return barvy;
}

// The best-games table is on the screen: its title bar starts with the bar's left end.
bool ukazuje_tabulku() { return oblasti_shodne(screen, 164, 45, obr(bmp_bar_pieces), 0, 0, 10, 20); }
bool ukazuje_dotaz() { return oblasti_shodne(screen, 205, 140, obr(bmp_dialog_panel), 0, 0, 20, 5); }

void klik_na_polozku(int i) { hl_klik(X_POLOZKY, y_polozky(i)); }

// The pointer rests on empty space for n passes (the repeat clock runs meanwhile).
void cekej(int n) { hl_pridej({.x = 300, .y = 150, .b = 0, .pruchodu = n}); }

// Holds the left button at (x, y) for n passes, then lets go.
void drz(int x, int y, int n)
{
    cekej(20);
    hl_pridej({.x = x, .y = y, .b = 1, .pruchodu = n});
    hl_pridej({.x = x, .y = y, .b = 0, .pruchodu = 1});
}

}  // namespace

class Menu : public Obrazovka {};

TEST_F(Menu, ItemColoursFollowAvailability)
{
    int G = BARVA_3, W = BARVA_1, O = BARVA_2;
    pocet_kol = 0;
    EXPECT_EQ(barvy_polozek(-1, 0, -1), (std::vector<int>{G, G, G, G, W, G, W, W, W, W}));
    pocet_kol = 4;
    HRAJE_SE = 1;
    MOD_HRY = 1;
    nas[NAS_SKORE] = 120;
    EXPECT_EQ(barvy_polozek(7, 3, 0), (std::vector<int>{W, W, W, W, W, W, W, O, W, W}));
    nas[NAS_SKORE] = 0;   // nothing to save yet
    EXPECT_EQ(barvy_polozek(5, 0, -1), (std::vector<int>{W, W, G, G, W, G, W, W, W, W}));
    nas[NAS_SKORE] = 50;
    MOD_HRY = 2;  // a tried level is never saved
    EXPECT_EQ(barvy_polozek(-1, 1, -1)[5], G);
    jazyk = 2;
    EXPECT_EQ(barvy_polozek(0, 1, -1), (std::vector<int>{O, W, G, W, W, G, W, W, W, W}));
}

TEST_F(Menu, UnavailableItemUnderThePointerStaysGreyAndCannotBeChosen)
{
    pocet_kol = 0;
    bool sedy = false;
    hl_pri_vstupu([&](long long) {
        if (mys_y == y_polozky(0) && text_je_videt(screen, "Nová hra", 400, 276, BARVA_3)) sedy = true;
    });
    klik_na_polozku(0);
    klik_na_polozku(9);
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_TRUE(sedy);
    EXPECT_EQ(HRAJE_SE, 0);
    EXPECT_EQ(zjisti_cursor(400, y_polozky(0), 300, 500, 275, 25, 0, -1), -1);
}

TEST_F(Menu, AnItemActsOnlyWhenReleasedOverIt)
{
    bool tabulka = false;
    hl_pri_vstupu([&](long long) { tabulka = tabulka || ukazuje_tabulku(); });
    hl_pridej({.x = X_POLOZKY, .y = y_polozky(7), .b = 1, .pruchodu = 3});
    hl_pridej({.x = 100, .y = 100, .pruchodu = 3});
    hl_pridej({.b = 0, .pruchodu = 3});
    klik_na_polozku(9);
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_FALSE(tabulka);

    hl_reset();
    hl_pri_vstupu([&](long long) { tabulka = tabulka || ukazuje_tabulku(); });
    klik_na_polozku(7);
    hl_pridej({.x = 400, .y = 560, .pruchodu = 3});
    hl_klik(400, 560);   // OK of the table
    klik_na_polozku(9);
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_TRUE(tabulka);
}

TEST_F(Menu, HeldVolumeArrowsStepAndStop)
{
    volume_hudba = 200;
    drz(55, 510, 6 * 45);   // one step every six passes of six ticks
    klik_na_polozku(9);
    menu(MENU_HLAVNI);
    std::vector<int> hudba;
    for (const HL_UDALOST& u : hl_zaznam)
        if (u.druh == HL_HLASITOST) hudba.push_back(u.b);
    ASSERT_GE(hudba.size(), 44u);
    for (int k = 0; k < 40; k++) EXPECT_EQ(hudba[k], 195 - 5 * k);
    EXPECT_EQ(hudba[40], 0);
    EXPECT_EQ(volume_hudba, 0);

    hl_reset();
    volume_hudba = 200;
    drz(205, 505, 6 * 15);
    klik_na_polozku(9);
    menu(MENU_HLAVNI);
    EXPECT_EQ(volume_hudba, 255);
    std::vector<int> nahoru;
    for (const HL_UDALOST& u : hl_zaznam)
        if (u.druh == HL_HLASITOST && (nahoru.empty() || nahoru.back() != u.b)) nahoru.push_back(u.b);
    EXPECT_EQ(nahoru.size(), 11u);
}

TEST_F(Menu, VolumeBelowFiveGoesNegativeShownAsZero)
{
    volume_zvuk = 3;
    drz(595, 510, 1);
    cekej(2);
    bool nula = false;
    hl_pri_vstupu([&](long long) { nula = nula || text_je_videt(screen, "0%", 670, 501, BARVA_1); });
    klik_na_polozku(9);
    menu(MENU_HLAVNI);
    EXPECT_EQ(volume_zvuk, -2);
    EXPECT_TRUE(nula);
    EXPECT_EQ(hl_zaznam.front().druh, HL_HLASITOST);
    EXPECT_EQ(hl_zaznam.front().a, 0);

    hl_reset();
    drz(745, 510, 1);
    klik_na_polozku(9);
    menu(MENU_HLAVNI);
    EXPECT_EQ(volume_zvuk, 3);
}

TEST_F(Menu, LanguageArrowsToggleEveryText)
{
    pocet_kol = 2;
    for (int x : {595, 745}) {
        int pred = jazyk;
        hl_reset();
        cekej(20);
        hl_klik(x, 310);
        cekej(2);
        bool prelozeno = false;
        hl_pri_vstupu([&](long long) {
            const char** t = pred == 1 ? EN : CZ;
            prelozeno = prelozeno || (text_je_videt(screen, t[0], 400, 276, BARVA_1) &&
                                      text_je_videt(screen, t[7], 400, 451, BARVA_1) &&
                                      text_je_videt(screen, pred == 1 ? "EN" : "CZ", 670, 301, BARVA_1));
        });
        klik_na_polozku(9);
        menu(MENU_HLAVNI);
        EXPECT_NE(jazyk, pred);
        EXPECT_TRUE(prelozeno);
    }
    EXPECT_EQ(jazyk, 1);
}

TEST_F(Menu, MusicChoiceCyclesThroughThePieces)
{
    auto volby = [](int x, int kroku) {
        std::vector<int> v;
        hl_pri_vstupu([&](long long) {
            if (v.empty() || v.back() != nastav_midi) v.push_back(nastav_midi);
        });
        drz(x, 305, 17 * kroku);   // a step every 17 passes of 6 ticks: over 100 ticks
        klik_na_polozku(9);
        menu(MENU_HLAVNI);
        return v;
    };
    pocet_midi = 3;
    nastav_midi = 10;
    EXPECT_EQ(volby(55, 5), (std::vector<int>{10, 3, 2, 1, 0, 10}));
    EXPECT_GE(hl_pocet(HL_MIDI_START, 3), 1);
    EXPECT_GE(hl_pocet(HL_MIDI_START, 2), 1);
    EXPECT_GE(hl_pocet(HL_MIDI_STOP, 0), 1);
    hl_reset();
    nastav_midi = 0;
    EXPECT_EQ(volby(205, 5), (std::vector<int>{0, 1, 2, 3, 10, 0}));
    hl_reset();
    pocet_midi = 0;
    nastav_midi = 0;
    EXPECT_EQ(volby(205, 3), (std::vector<int>{0}));
}

TEST(SettingsPanel, ArrowZones)
{
    auto pod = [](int x, int y) { return zjisti_cursor(x, y, 300, 500, 275, 25, 0, -1); };
    EXPECT_EQ(pod(31, 524), OVL_HUDBA_MINUS);   // the music "<<<" reaches five rows lower
    EXPECT_EQ(pod(55, 525), -1);
    EXPECT_EQ(pod(595, 522), -1);
    EXPECT_EQ(pod(595, 519), OVL_ZVUK_MINUS);
    EXPECT_EQ(pod(770, 301), -1);
    // Items: strictly inside x 300..500 and the 20-row band of each line.
    EXPECT_EQ(pod(301, 376), 4);
    EXPECT_EQ(pod(300, 380), -1);
    EXPECT_EQ(pod(400, 375), -1);
}

TEST(SettingsPanel, TimeAndDateAreWrittenAsInTheCorner)
{
    char b[32];
    format_casu(b, sizeof b, {9, 5, 3});
    EXPECT_STREQ(b, "09:05:03");
    format_data(b, sizeof b, 1, 2, 104);
    EXPECT_STREQ(b, "1.3. 2004");
}

class ConfirmDialog : public Obrazovka {
protected:
    void SetUp() override
    {
        Obrazovka::SetUp();
        pocet_kol = 3;
        HRAJE_SE = 1;
        MOD_HRY = 1;
        LEVEL = 2;
        nas[NAS_SKORE] = 300;
        vytvorena = 4;
    }
};

TEST_F(ConfirmDialog, CancelKeepsTheGameAndContinueNeverAsks)
{
    bool videl = false;
    hl_pri_vstupu([&](long long) { videl = videl || ukazuje_dotaz(); });
    klik_na_polozku(0);
    hl_klik(520, 340);       // Cancel
    klik_na_polozku(1);
    EXPECT_EQ(menu(MENU_VE_HRE), 0);
    EXPECT_TRUE(videl);
    EXPECT_EQ(LEVEL, 2);
    EXPECT_EQ(MOD_HRY, 1);
}

TEST_F(ConfirmDialog, OkCarriesTheChoiceOut)
{
    klik_na_polozku(0);
    hl_klik(280, 340);
    EXPECT_EQ(menu(MENU_VE_HRE), STAV_NOVE_KOLO);
    EXPECT_EQ(LEVEL, 1);
    EXPECT_EQ(MOD_HRY, 1);
    EXPECT_EQ(HRAJE_SE, 1);

    hl_reset();
    klik_na_polozku(3);
    hl_klik(100, 100);       // a click beside the buttons keeps the question
    hl_klik(280, 340);
    EXPECT_EQ(menu(MENU_VE_HRE), STAV_NOVE_KOLO);
    EXPECT_EQ(MOD_HRY, 2);
    EXPECT_EQ(LEVEL, 4);

    hl_reset();
    MOD_HRY = 1;
    klik_na_polozku(9);
    hl_klik(280, 340);
    EXPECT_EQ(menu(MENU_VE_HRE), STAV_KONEC);
}

TEST_F(ConfirmDialog, NotAskedInTryModeNorAfterASave)
{
    MOD_HRY = 2;
    bool videl = false;
    hl_pri_vstupu([&](long long) { videl = videl || ukazuje_dotaz(); });
    klik_na_polozku(9);
    EXPECT_EQ(menu(MENU_VE_HRE), STAV_KONEC);
    EXPECT_FALSE(videl);

    MOD_HRY = 1;
    for (int z : {0, 2, 3, 9}) {
        EXPECT_TRUE(potvrzeni_nutne(z, 0));
        EXPECT_FALSE(potvrzeni_nutne(z, 1));
    }
    EXPECT_FALSE(potvrzeni_nutne(1, 0));
    HRAJE_SE = 0;
    EXPECT_FALSE(potvrzeni_nutne(0, 0));
}

TEST_F(ConfirmDialog, DialogNamesTheAction)
{
    struct { int akce, jazyk; const char* nazev; } pripady[] = {
        {0, 1, "Nová hra"}, {9, 1, "Konec hry"}, {2, 2, "Load game"},
    };
    for (auto p : pripady) {
        jazyk = p.jazyk;
        char radek[160];
        std::snprintf(radek, sizeof radek,
                      jazyk == 1 ? "k menu. Pokud ovšem potvrdíte volbu %s stiskem"
                                 : "returned to menu. If you confirm the option %s",
                      p.nazev);
        BITMAP* a = create_bitmap(800, 600);
        BITMAP* b = create_bitmap(800, 600);
        clear_to_color(a, 0);
        clear_to_color(b, 0);
        zobraz_dotaz(p.akce, 1, a);
        blit(obr(bmp_dialog_panel), b, 0, 0, 205, 140, 390, 220);
        vypis_zarovnane(b, radek, 230, 570, 210, BARVA_1);
        EXPECT_TRUE(oblasti_shodne(a, 205, 208, b, 205, 208, 390, 18)) << p.nazev;
        EXPECT_TRUE(text_je_videt(a, jazyk == 1 ? "POZOR" : "ATTENTION", 400, 147, BARVA_1));
        EXPECT_TRUE(text_je_videt(a, "OK", 280, 332, BARVA_2));
        EXPECT_TRUE(text_je_videt(a, "Cancel", 520, 332, BARVA_1));
        destroy_bitmap(a);
        destroy_bitmap(b);
    }
}
