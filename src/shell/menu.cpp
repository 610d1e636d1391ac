// The menu screen. At top level it also runs the games that its items start: each game ends in an
// end screen after which the top-level menu opens anew, so a long evening of play never deepens the
// call chain.
#include "shell/menu.h"

#include "core/bitmap.h"
#include "core/globals.h"
#include "core/resources.h"
#include "levels/editor.h"
#include "persist/best_games.h"
#include "persist/saved_games.h"
#include "platform/platform.h"
#include "shell/game.h"
#include "ui/help.h"
#include "ui/screen_loop.h"
#include "ui/settings_panel.h"
#include "ui/window.h"
#include "world/objects.h"

#include <ctime>

constexpr int NEZVOLENO = -1;   // "chosen": nothing yet

struct MENU_STAV {
    int kurzor = -1;          // item or control under the pointer
    int zvoleno = NEZVOLENO;  // the leaving item chosen
    int dotaz = -1;           // item waiting for confirmation
    int odpoved = -1;         // dialog button under the pointer
    int nactena = -1;         // slot loaded in this visit
    int ulozeno = 0;          // saved in this visit
    std::time_t cas = 0;      // the second the panel's clock shows
};

static bool odchazi(int polozka)
{
    return polozka == POL_NOVA_HRA || polozka == POL_POKRACOVAT || polozka == POL_SPUSTIT_NACTENOU ||
           polozka == POL_ZKUSIT_VYTVORENOU || polozka == POL_KONEC;
}

static bool ma_obrazovku(int polozka) { return polozka >= POL_EDITOR && polozka <= POL_NAPOVEDA; }

// The item screens run on the release over them and return to the menu.
static void spust_obrazovku(MENU_STAV* m, int polozka)
{
    switch (polozka) {
    case POL_EDITOR: level_editor(); break;
    case POL_ULOZIT: m->ulozeno = save_game(); break;
    case POL_NACIST: m->nactena = load_game(); break;
    case POL_NEJLEPSI: nej_score(); break;
    case POL_NAPOVEDA: napoveda(); break;
    default: break;
    }
}

// Leaving an ordinary game that was not saved in this visit asks first; "Continue" never does.
bool potvrzeni_nutne(int zvoleno, int ulozeno)
{
    bool ptat_se = HRAJE_SE == 1 && MOD_HRY == MOD_OBYCEJNA && ulozeno == 0;
    return ptat_se && (zvoleno == POL_NOVA_HRA || zvoleno == POL_SPUSTIT_NACTENOU ||
                       zvoleno == POL_ZKUSIT_VYTVORENOU || zvoleno == POL_KONEC);
}

static void vyber(MENU_STAV* m, OBRAZOVKA* o)
{
    bool klik = o->klik == KLIK_PUSTIL;
    if (m->dotaz == -1) m->kurzor = zjisti_cursor(mys_x, mys_y, 300, 500, 275, 25, vytvorena, m->nactena);
    else m->odpoved = zjisti_cu(mys_x, mys_y);
    if (klik && ma_obrazovku(m->kurzor)) {
        spust_obrazovku(m, m->kurzor);
        m->kurzor = -1;
    }
    if (o->klik == KLIK_DRZI && nastaveni(m->kurzor)) o->zmena = true;
    if (klik && m->kurzor >= 0 && odchazi(m->kurzor)) m->zvoleno = m->kurzor;
    if (klik && potvrzeni_nutne(m->zvoleno, m->ulozeno)) {
        m->dotaz = m->zvoleno;
        m->zvoleno = NEZVOLENO;
        m->kurzor = -1;
    }
    if (klik && m->dotaz != -1 && (m->odpoved == DOTAZ_OK || m->odpoved == DOTAZ_CANCEL)) {
        m->zvoleno = m->odpoved == DOTAZ_OK ? m->dotaz : NEZVOLENO;
        m->dotaz = -1;
        m->odpoved = -1;
    }
}

static void kresli_menu(const MENU_STAV& m, BITMAP* pozadi, BITMAP* prace)
{
    const char* texty[POCET_POLOZEK];
    for (int i = 0; i < POCET_POLOZEK; i++) texty[i] = text_polozky(i);
    blit(pozadi, prace, 0, 0, 0, 0, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    zobraz_polozky(texty, m.kurzor, 400, 276, 25, vytvorena, m.nactena, prace);
    kresli_nastaveni(m.kurzor, prace);
    if (m.dotaz != -1) zobraz_dotaz(m.dotaz, m.odpoved, prace);
}

// One visit of the menu screen; returns the leaving item chosen and the slot loaded meanwhile.
static int obrazovka_menu(int* nactena)
{
    BITMAPA pozadi = nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    blit(obr(bmp_menu_background), pozadi.get(), 0, 0, 0, 0, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    plat_mys_rozsah(0, 0, SIRKA_OBRAZOVKY - 1, VYSKA_OBRAZOVKY - 1);
    plat_mys_pozice(400, 300);
    MENU_STAV m;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            vyber(&m, s);
            std::time_t t = std::time(nullptr);
            if (t != m.cas) s->zmena = true;
            m.cas = t;
            s->konec = odchazi(m.zvoleno);
        },
        [&](BITMAP* prace) { kresli_menu(m, pozadi.get(), prace); });
    omez_mys_na_prkno(nas[NAS_SIRKA_PRKNA]);
    *nactena = m.nactena;
    return m.zvoleno;
}

// Sets the mode of play for an item that starts a game.
static void priprav_hru(int zvoleno, int nactena)
{
    if (zvoleno == POL_NOVA_HRA) {
        MOD_HRY = MOD_OBYCEJNA;
        LEVEL = 1;
    } else if (zvoleno == POL_SPUSTIT_NACTENOU) {
        MOD_HRY = MOD_ULOZENA_HRA;
        ULOZENA = nactena;
    } else if (zvoleno == POL_ZKUSIT_VYTVORENOU) {
        MOD_HRY = MOD_ZKUSEBNI;
        LEVEL = vytvorena;
    }
    HRAJE_SE = 1;
}

int menu(int mode)
{
    for (;;) {
        int nactena = -1;
        int zvoleno = obrazovka_menu(&nactena);
        if (zvoleno == POL_KONEC) return STAV_KONEC;
        if (zvoleno == POL_POKRACOVAT) return STAV_HRAJE;
        priprav_hru(zvoleno, nactena);
        if (mode == MENU_VE_HRE) return STAV_NOVE_KOLO;
        int vysledek = game();
        if (vysledek != ZNOVU_MENU) return vysledek;
    }
}
