// A game saved from the in-game menu and continued after a restart: the bricks that stood, the state,
// the clock and the speed come back; a slot whose level has gone ends in the file error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/globals.h"
#include "core/level_file.h"
#include "core/play_clock.h"
#include "persist/save_file.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "shell/menu.h"
#include "support/game_setup.h"
#include "support/sandbox.h"
#include "support/screen_check.h"
#include "world/bot.h"
#include "world/bricks.h"
#include "world/round.h"

namespace {

bool ukazuje_menu() { return text_je_videt(screen, "Editor úrovní", 400, 376, BARVA_1); }
void polozka(int i) { hl_klik(490, 285 + 25 * i); }

// "Načíst hru", the row labelled 4, OK, "Spustit načtenou".
void nacti_a_spust()
{
    polozka(6);
    hl_klik(400, 170);
    hl_klik(240, 560);
    polozka(2);
}

// What the round held when the menu opened over it.
struct STAV {
    int mrizka[POCET_BUNEK] = {};
    int nas[11] = {};
    float krok = 0;
};

STAV zachyt()
{
    STAV s;
    for (int i = 0; i < POCET_KOSTEK; i++) s.mrizka[kostka[i]->pozice] = kostka[i]->druh;
    std::memcpy(s.nas, nas, sizeof s.nas);
    s.krok = hlavni_krok;
    return s;
}

// The round just started from the save is the round that was saved, its tough bricks whole again.
bool stejne_kolo(const STAV& s)
{
    int pocet = 0;
    for (int b : s.mrizka) pocet += b != 0;
    bool stejne = POCET_KOSTEK == pocet && LEVEL == 1 && MOD_HRY == MOD_OBYCEJNA && hlavni_krok == s.krok &&
                  sekundy == s.nas[NAS_SEKUNDY] && minuty == s.nas[NAS_MINUTY];
    for (int i = 0; i < POCET_KOSTEK; i++) {
        const KOSTKA* k = kostka[i];
        stejne = stejne && s.mrizka[k->pozice] == k->druh && k->x == x_bunky(k->pozice) &&
                 k->y == y_bunky(k->pozice) && k->zasahy == zasahy_druhu(k->druh);
    }
    for (int i = 0; i < 11; i++) stejne = stejne && (i == NAS_KOULE_NAVIC || nas[i] == s.nas[i]);
    return stejne;
}

class SavedGame : public Obrazovka {
protected:
    PISKOVISTE* p = nullptr;
    void SetUp() override
    {
        Obrazovka::SetUp();
        p = new PISKOVISTE(S_DATY);
        std::srand(11);
        hl_limit_necinnosti = 2000000;
        UROVEN u{};   // ten bricks in row 12; a 5-hit, a grey and a 2-hit brick along the top
        for (int i = 0; i < 10; i++) u.bunky[12 * 20 + 5 + i] = 1 + i % 5;
        u.bunky[0] = KOSTKA_PET_ZASAHU;
        u.bunky[9] = KOSTKA_SEDA;
        u.bunky[19] = KOSTKA_DVA_ZASAHY;
        zapis_uroven(jmeno_urovne(1).c_str(), u);
        pocet_kol = 1;
    }
    void TearDown() override
    {
        delete p;
        Obrazovka::TearDown();
    }
};

}  // namespace

TEST_F(SavedGame, ContinuesWithTheBricksThatStoodAndFailsWhenItsLevelIsGone)
{
    // Play until something is scored, hit the tough bricks, change the speed, save as "Ulozena", end.
    SIM_BOT bot;
    bot_start(&bot, 7, false);
    STAV ulozeno;
    int faze = 0;
    hl_pri_vstupu([&](long long) {
        if (faze == 0 && hrane_kolo && nas[NAS_SKORE] > 0) {
            for (int i = 0; i < POCET_KOSTEK; i++)
                if (kostka[i]->druh == KOSTKA_PET_ZASAHU || kostka[i]->druh == KOSTKA_DVA_ZASAHY) kostka[i]->zasahy = 1;
            nas[NAS_LEPIDLO] = 1;
            hlavni_krok = 0.6f;   // as a speed capsule leaves it, off the minute's speed
            hl_mys(-1, -1, 0);
            hl_drz(KEY_ESC, true);
            faze = 1;
        } else if (faze == 0 && hrane_kolo) {
            SIM_VSTUP v = bot_tah(&bot, hrane_kolo);
            hl_mys(v.mys_x, -1, v.tlacitko ? 1 : 0);
        } else if (faze == 1 && ukazuje_menu()) {
            hl_drz(KEY_ESC, false);
            ulozeno = zachyt();
            polozka(5);
            hl_klik(400, 170);
            for (char c : std::string("Ulozena\r")) hl_stisk(c == '\r' ? KEY_ENTER : KEY_A, c);
            hl_klik(240, 560);
            hl_pridej({.x = 300, .y = 150, .pruchodu = 5});
            polozka(9);          // saved: no question
            faze = 2;
        }
    });
    hl_klik(490, 285);           // "Nová hra"
    EXPECT_EQ(0, menu(MENU_HLAVNI));
    ASSERT_EQ(2, faze);
    ULOZENA_HRA h;
    ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 3, &h));
    EXPECT_STREQ("Ulozena", h.jmeno);
    EXPECT_GT(h.skore, 0);

    // A new start: load the slot and continue it.
    hl_reset();
    HRAJE_SE = MOD_HRY = 0;
    std::memset(nas, 0, sizeof nas);
    nas[NAS_SIRKA_PRKNA] = ZAKLADNI_SIRKA;
    bool stejne = false, otazka = false;
    hl_pri_vstupu([&](long long) {
        if (faze == 2 && hrane_kolo) {
            stejne = stejne_kolo(ulozeno);
            hl_drz(KEY_ESC, true);
            faze = 3;
        } else if (faze == 3 && ukazuje_menu()) {
            hl_drz(KEY_ESC, false);
            polozka(9);
            hl_klik(280, 340);   // not saved in this visit: asked, and OK
            faze = 4;
        }
        otazka = otazka || text_je_videt(screen, "POZOR", 400, 147, BARVA_1);
    });
    nacti_a_spust();
    EXPECT_EQ(0, menu(MENU_HLAVNI));
    EXPECT_EQ(4, faze);
    EXPECT_TRUE(stejne);
    EXPECT_TRUE(otazka);

    // The level of the slot is gone: the file error, then the menu again.
    std::filesystem::remove(jmeno_urovne(1));
    hl_reset();
    HRAJE_SE = 0;
    bool chyba = false;
    hl_pri_vstupu([&](long long) {
        if (!chyba && text_je_videt(screen, "CHYBA HRY", 400, 147, BARVA_1)) {
            chyba = true;
            hl_stisk(KEY_SPACE, ' ');
            hl_pridej({.x = 300, .y = 150, .pruchodu = 5});
            polozka(9);
        }
    });
    nacti_a_spust();
    EXPECT_EQ(STAV_KONEC, menu(MENU_HLAVNI));
    EXPECT_TRUE(chyba);
}
