// The save and load screens through the headless driver: the table, naming a slot, what is written,
// damaged files, the notice of a failed save and the menu's saved flag.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/globals.h"
#include "core/resources.h"
#include "persist/saved_games.h"
#include "persist/slot_table.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/menu.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/objects.h"

namespace {

int y_radku(int i) { return 97 + 22 * i; }
void klik_na_radek(int i) { hl_klik(400, 104 + 22 * i); }
void napis(const char* c) { for (; *c; c++) hl_stisk(*c == '\r' ? KEY_ENTER : *c == 27 ? KEY_ESC : KEY_A, *c); }

// A text in either colour: rows light up under the pointer.
bool videt(const char* t, int x, int y, ZAROVNANI z)
{
    return text_je_videt(screen, t, x, y, BARVA_1, z) || text_je_videt(screen, t, x, y, BARVA_2, z);
}

// Slot k: "Hra a", "Hra b", ... with k lives, level 10 + k and score 100 k (slot 0 is empty).
void zapis_vzor()
{
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    for (int k = 0; k < POCET_ULOZENYCH; k++) {
        hry[k] = ULOZENA_HRA{{}, k, 100 * k, 10 + k, 1, 12, 80, 0, 0, 0, 0, 0, 0.4f, {}};
        std::snprintf(hry[k].jmeno, MAX_JMENO, "Hra %c", 'a' + k);
    }
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, POCET_ULOZENYCH));
}

// A game in progress at level 6 with four bricks, one of them destroyed in this very frame.
class SaveScreens : public Obrazovka {
protected:
    PISKOVISTE p;
    void SetUp() override
    {
        Obrazovka::SetUp();
        HRAJE_SE = 1;
        MOD_HRY = MOD_OBYCEJNA;
        pocet_kol = LEVEL = 6;
        int stav[11] = {2, 470, 0, KOULE_MODRA, 16, 120, 1, 0, 1, 3, 41};
        std::memcpy(nas, stav, sizeof stav);
        hlavni_krok = 0.55f;
        int bunky[4][3] = {{0, 1, 1}, {21, KOSTKA_PET_ZASAHU, 2}, {45, KOSTKA_DVA_ZASAHY, 0}, {439, KOSTKA_SEDA, 1}};
        for (auto [b, druh, zasahy] : bunky) kostka[POCET_KOSTEK++] = nova_kostka(x_bunky(b), y_bunky(b), druh, zasahy, b);
    }
    void TearDown() override
    {
        for (int i = 0; i < POCET_KOSTEK; i++) delete kostka[i];
        POCET_KOSTEK = 0;
        Obrazovka::TearDown();
    }
};

}  // namespace

// A fresh installation shows twenty empty rows; a damaged file shows what it stores, safely. Neither
// lets a row be chosen.
TEST_F(SaveScreens, FreshOrDamagedFilesAreShownSafelyAndLoadNothing)
{
    auto prazdne = [] {
        return text_je_videt(screen, "N A Č Í S T   H R U", 400, 47, BARVA_1) &&
               text_je_videt(screen, "Jméno hry", 182, 72, BARVA_1, VLEVO) &&
               text_je_videt(screen, "Skóre", 655, 72, BARVA_1, VPRAVO) &&
               text_je_videt(screen, "- - - - - -", 182, y_radku(0), BARVA_1, VLEVO) &&
               text_je_videt(screen, "0", 411, y_radku(19), BARVA_1, VPRAVO) &&
               text_je_videt(screen, "20", 152, y_radku(19), BARVA_1, VPRAVO);
    };
    auto poskozene = [] {
        return videt("QQQQQQQQQQQQ", 182, y_radku(0), VLEVO) && videt("-559038737", 411, y_radku(0), VPRAVO) &&
               videt("-5", 655, y_radku(0), VPRAVO) && videt("- - - - - -", 182, y_radku(1), VLEVO);
    };
    std::string r(1760, '\x7f');   // cells far out of range, odd words, a name without its zero
    r += std::string("\xef\xbe\xad\xde\xfb\xff\xff\xff", 8) + std::string(40, '\0') + std::string(13, 'Q');
    for (bool poskozeny : {false, true}) {
        hl_reset();
        if (poskozeny) zapis_bajty(SOUBOR_ULOZENYCH_HER, r + r.substr(0, 900));   // and a cut record
        bool tabulka = false, rozsviceno = false;
        hl_pri_vstupu([&](long long) {
            tabulka = tabulka || (poskozeny ? poskozene() : prazdne());
            rozsviceno = rozsviceno || text_je_videt(screen, "4", 152, y_radku(3), BARVA_2, VPRAVO) ||
                         text_je_videt(screen, "OK", 240, 555, BARVA_2);
        });
        klik_na_radek(3);
        hl_pridej({.x = 275, .y = 570, .pruchodu = 3});   // on OK, off its label
        hl_klik(275, 570);
        hl_klik(560, 560);
        EXPECT_EQ(-1, load_game());
        EXPECT_TRUE(tabulka) << poskozeny;
        EXPECT_FALSE(rozsviceno) << poskozeny;
        EXPECT_EQ(poskozeny, std::filesystem::exists(SOUBOR_ULOZENYCH_HER));
    }
}

TEST_F(SaveScreens, SavingIntoTheFourthRowWritesItsRecordOnlyAndLoadingChoosesAUsedRow)
{
    zapis_vzor();
    std::string pred = precti_bajty(SOUBOR_ULOZENYCH_HER);
    int faze = 0;
    hl_pri_vstupu([&](long long) {
        if (faze == 0 && text_je_videt(screen, "U L O Ž I T   H R U", 400, 47, BARVA_1) &&
            text_je_videt(screen, "xy", 182, y_radku(2), BARVA_2, VLEVO) &&
            text_je_videt(screen, "470", 655, y_radku(2), BARVA_2, VPRAVO))
            faze = 1;
        else if (faze == 1 && videt("Hra c", 182, y_radku(2), VLEVO) && videt("200", 655, y_radku(2), VPRAVO) &&
                 videt("2", 411, y_radku(2), VPRAVO) && videt("12", 513, y_radku(2), VPRAVO))
            faze = 2;
    });
    klik_na_radek(2);
    napis("xy\x1b");
    hl_pridej({.pruchodu = 3});
    klik_na_radek(3);
    klik_na_radek(5);         // the mouse does nothing while a row is named
    hl_klik(560, 560);
    napis("\rAb cdefghijkL\r");   // Enter on an empty name does nothing; the 13th letter is not taken
    klik_na_radek(7);         // once chosen, only OK and Cancel remain
    hl_klik(240, 560);
    EXPECT_EQ(1, save_game());
    EXPECT_EQ(2, faze);
    EXPECT_EQ(3 + 12 + 1, hl_pocet(HL_SAMPLE, snd_click));

    std::string po = precti_bajty(SOUBOR_ULOZENYCH_HER);
    ASSERT_EQ(36420u, po.size());
    EXPECT_EQ(pred.substr(0, 5463), po.substr(0, 5463));
    EXPECT_EQ(pred.substr(7284), po.substr(7284));
    ULOZENA_HRA h{{}, 2, 470, 6, KOULE_MODRA, 16, 120, 1, 0, 1, 3, 41, 0.55f, "Ab cdefghijk"};
    h.mrizka[0] = 1;          // the 2-hit brick destroyed in this frame is not saved
    h.mrizka[21] = KOSTKA_PET_ZASAHU;
    h.mrizka[439] = KOSTKA_SEDA;
    std::string zaznam(1821, '\0');
    hra_do_bajtu(h, reinterpret_cast<unsigned char*>(zaznam.data()));
    EXPECT_EQ(zaznam, po.substr(5463, 1821));

    hl_reset();               // Cancel after naming writes nothing
    klik_na_radek(4);
    napis("Q\r");
    hl_klik(560, 560);
    EXPECT_EQ(0, save_game());
    EXPECT_EQ(po, precti_bajty(SOUBOR_ULOZENYCH_HER));

    hl_reset();               // loading, in English: only a used row can be chosen, and nothing is written
    jazyk = 2;
    bool anglicky = false, vybrany = false;
    hl_pri_vstupu([&](long long) {
        anglicky = anglicky || (text_je_videt(screen, "L O A D   G A M E", 400, 47, BARVA_1) &&
                                text_je_videt(screen, "Live", 411, 72, BARVA_1, VPRAVO) &&
                                text_je_videt(screen, "Hra h", 182, y_radku(7), BARVA_1, VLEVO) &&
                                text_je_videt(screen, "700", 655, y_radku(7), BARVA_1, VPRAVO));
        vybrany = vybrany || (text_je_videt(screen, "Hra f", 182, y_radku(5), BARVA_2, VLEVO) &&
                              text_je_videt(screen, "OK", 240, 555, BARVA_2));
    });
    klik_na_radek(0);         // empty: cannot be chosen
    hl_klik(275, 570);
    klik_na_radek(2);
    hl_klik(60, 300);         // a click on nothing clears the choice
    hl_klik(275, 570);
    klik_na_radek(5);
    hl_pridej({.x = 275, .y = 570, .pruchodu = 3});
    hl_klik(275, 570);
    EXPECT_EQ(5, load_game());
    EXPECT_EQ(std::pair(anglicky, vybrany), std::pair(true, true));
    EXPECT_EQ(po, precti_bajty(SOUBOR_ULOZENYCH_HER));
    EXPECT_EQ((std::array{urci_cursor_l(126, 96, 20, -1), urci_cursor_l(674, 532, 20, -1),
                          urci_cursor_l(125, 100, 20, -1), urci_cursor_l(400, 115, 20, -1)}),
              (std::array{0, 19, -1, -1}));
    EXPECT_EQ(urci_cursor(201, 551, 20, 4), SLOT_OK);
    EXPECT_EQ(urci_cursor(599, 574, 20, -1), SLOT_CANCEL);
}

// A directory in the way of save.ddt: the notice says the game was not saved, and "Konec hry" asks.
// (After a save that worked it does not: shell/game_test.)
TEST_F(SaveScreens, AFailedSaveIsReportedAndTheMenuStillAsks)
{
    std::filesystem::create_directory(SOUBOR_ULOZENYCH_HER);
    bool dotaz = false, hlaseni = false;
    hl_pri_vstupu([&](long long) {
        dotaz = dotaz || text_je_videt(screen, "POZOR", 400, 147, BARVA_1);
        hlaseni = hlaseni || text_je_videt(screen, "HRA NEBYLA ULOŽENA", 400, 147, BARVA_1);
    });
    hl_klik(490, 285 + 25 * 5);   // "Uložit hru"
    klik_na_radek(1);
    napis("a\r");
    hl_klik(240, 560);
    hl_pridej({.x = 300, .y = 150, .pruchodu = 20});
    hl_stisk(KEY_SPACE, ' ');     // closes the notice
    hl_klik(490, 285 + 25 * 9);   // "Konec hry"
    hl_klik(280, 340);            // OK of the question
    EXPECT_EQ(STAV_KONEC, menu(MENU_VE_HRE));
    EXPECT_EQ(std::pair(dotaz, hlaseni), std::pair(true, true));
    EXPECT_TRUE(std::filesystem::is_directory(SOUBOR_ULOZENYCH_HER));
    for (int j : {1, 2}) {
        jazyk = j;
        for (const TEXT& r : radky_neulozeno()) EXPECT_LT(text_length(font, tx(r)), 570 - 230) << tx(r);
    }
}
