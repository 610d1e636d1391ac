// The menu screen. At top level it also runs the games that its items start: each game ends in an
// end screen after which the top-level menu opens anew, so a long evening of play never deepens the
// call chain.
#include "shell/menu.h"

#include "persist/best_games.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "shell/globals.h"
#include "shell/resources.h"
#include "sound/sound.h"
#include "ui/bitmap.h"
#include "ui/screen_frame.h"
#include "ui/settings_panel.h"
#include "ui/window.h"
#include "world/objects.h"


constexpr int NIC = 5;   // "chosen": nothing yet

struct MENU_STAV {
    int klik = 0;          // 0 idle, 1 held, 2 released after a press (one pass)
    int kurzor = -1;       // item or control under the pointer
    int zvoleno = NIC;
    int dotaz = -1;        // item waiting for confirmation
    int odpoved = -1;      // dialog button under the pointer
    int nactena = -1;      // slot loaded in this visit
    int ulozeno = 0;       // saved in this visit
};

static void stav_kliku(MENU_STAV* m)
{
    if (m->klik == 2) m->klik = 0;
    bool dole = mys_b & 1;
    if (dole && m->klik == 0) m->klik = 1;
    if (!dole && m->klik == 1) m->klik = 2;
}

static bool odchazi(int polozka) { return polozka <= 3 || polozka == 9; }

// The item screens run on the release over them and return to the menu.
static void spust_obrazovku(int polozka)
{
    if (polozka == 7) nej_score();
}

// Leaving an ordinary game that was not saved in this visit asks first; "Continue" never does.
bool potvrzeni_nutne(int zvoleno, int ulozeno)
{
    bool ptat_se = HRAJE_SE == 1 && MOD_HRY == 1 && ulozeno == 0;
    return ptat_se && (zvoleno == 0 || zvoleno == 2 || zvoleno == 3 || zvoleno == 9);
}

static void vyber(MENU_STAV* m, SNIMEK_OBRAZOVKY* snimek)
{
    bool klik = m->klik == 2;
    if (klik && m->kurzor >= 4 && m->kurzor <= 8) {
        spust_obrazovku(m->kurzor);
        snimek->platny = false;
    }
    if (m->klik == 1) nastaveni(m->kurzor);
    if (klik && m->kurzor >= 4 && m->kurzor <= 8) m->kurzor = -1;
    if (klik && m->kurzor >= 0 && odchazi(m->kurzor)) m->zvoleno = m->kurzor;
    if (klik && potvrzeni_nutne(m->zvoleno, m->ulozeno)) {
        m->dotaz = m->zvoleno;
        m->zvoleno = NIC;
        m->kurzor = -1;
    }
    if (klik && m->dotaz != -1 && (m->odpoved == 1 || m->odpoved == 2)) {
        m->zvoleno = m->odpoved == 1 ? m->dotaz : NIC;
        m->dotaz = -1;
        m->odpoved = -1;
    }
}

static void kresli_menu(const MENU_STAV& m, BITMAP* pozadi, SNIMEK_OBRAZOVKY* snimek)
{
    BITMAP* prace = snimek->kresba.get();
    const char* texty[POCET_POLOZEK];
    for (int i = 0; i < POCET_POLOZEK; i++) texty[i] = text_polozky(i);
    blit(pozadi, prace, 0, 0, 0, 0, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    zobraz_polozky(texty, m.kurzor, 400, 276, 25, vytvorena, m.nactena, prace);
    kresli_nastaveni(m.kurzor, prace);
    if (m.dotaz != -1) zobraz_dotaz(m.dotaz, m.odpoved, prace);
    kresli_mys(prace);
    ukaz_snimek(snimek);
}

// One visit of the menu screen; returns the leaving item chosen and what it needs for the game.
static int obrazovka_menu(int* nactena)
{
    BITMAPA pozadi = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    SNIMEK_OBRAZOVKY snimek = novy_snimek();
    blit(obr(bmp_menu_background), pozadi.get(), 0, 0, 0, 0, 800, 600);
    plat_mys_rozsah(0, 0, SIRKA_OBRAZOVKY - 1, VYSKA_OBRAZOVKY - 1);
    plat_mys_pozice(400, 300);
    MENU_STAV m;
    while (!odchazi(m.zvoleno)) {
        plat_vstup();
        stav_kliku(&m);
        if (m.dotaz == -1) m.kurzor = zjisti_cursor(mys_x, mys_y, 300, 500, 275, 25, vytvorena, m.nactena);
        else m.odpoved = zjisti_cu(mys_x, mys_y);
        vyber(&m, &snimek);
        kresli_menu(m, pozadi.get(), &snimek);
        if (!plat_midi_hraje()) re_midi();
        plat_cekej_snimek();
    }
    plat_mys_rozsah(10, 500, 790 - nas[5], 501);
    *nactena = m.nactena;
    return m.zvoleno;
}

// Sets the mode of play for an item that starts a game.
static void priprav_hru(int zvoleno, int nactena)
{
    if (zvoleno == 0) {
        MOD_HRY = 1;
        LEVEL = 1;
    } else if (zvoleno == 2) {
        MOD_HRY = 3;
        ULOZENA = nactena;
    } else if (zvoleno == 3) {
        MOD_HRY = 2;
        LEVEL = vytvorena;
    }
    HRAJE_SE = 1;
}

int menu(int mode)
{
    for (;;) {
        int nactena = -1;
        int zvoleno = obrazovka_menu(&nactena);
        if (zvoleno == 9) return STAV_KONEC;
        if (zvoleno == 1) return 0;
        priprav_hru(zvoleno, nactena);
        if (mode == MENU_VE_HRE) return STAV_NOVE_KOLO;
        int vysledek = game();
        if (vysledek != ZNOVU_MENU) return vysledek;
    }
}
