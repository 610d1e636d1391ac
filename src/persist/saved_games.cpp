// The saved-games screens: the save screen names a slot and writes the game into it, the load screen
// picks a slot for the menu's "continue" item; both show the same table.
#include "persist/saved_games.h"

#include "core/globals.h"
#include "core/resources.h"
#include "persist/slot_table.h"
#include "platform/platform.h"
#include "sound/sound.h"
#include "ui/name_field.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"
#include "ui/window.h"
#include "world/objects.h"

#include <cstring>

void pis_jmeno_s(int* pozice, char* jmeno, const char* zaloha, int* stav)
{
    KLAVESA_JMENA k = klavesa_jmena(pozice, jmeno);
    if (k == JMENO_ENTER) *stav = -1;
    if (k != JMENO_ESC) return;
    std::memcpy(jmeno, zaloha, MAX_JMENO);
    *pozice = 0;
    zvuk(snd_click);
    *stav = -2;
}

// The cell whose brick place is exactly (x, y), or -1.
static int bunka_na(int x, int y)
{
    int dx = x - MRIZKA_X, dy = y - MRIZKA_Y;
    if (dx < 0 || dy < 0 || dx % SIRKA_KOSTKY != 0 || dy % VYSKA_KOSTKY != 0) return -1;
    int sloupec = dx / SIRKA_KOSTKY, rada = dy / VYSKA_KOSTKY;
    if (sloupec >= SLOUPCU || rada >= RADKU) return -1;
    return rada * SLOUPCU + sloupec;
}

// A brick destroyed in the frame that opened the menu (no hits left) is already gone for the player,
// so it is not saved; of two bricks on one cell the first counts.
void hra_ze_stavu(ULOZENA_HRA* h)
{
    std::memset(h->mrizka, 0, sizeof h->mrizka);
    for (int i = 0; i < POCET_KOSTEK && i < POCET_BUNEK; i++) {
        const KOSTKA* k = kostka[i];
        if (!k || k->zasahy <= 0) continue;
        int b = bunka_na(k->x, k->y);
        if (b >= 0 && h->mrizka[b] == KOSTKA_PRAZDNA) h->mrizka[b] = k->druh;
    }
    h->zivoty = nas[NAS_ZIVOTY];
    h->skore = nas[NAS_SKORE];
    h->level = LEVEL;
    h->druh_koule = nas[NAS_DRUH_KOULE];
    h->velikost_koule = nas[NAS_PRUMER];
    h->sirka_prkna = nas[NAS_SIRKA_PRKNA];
    h->puska = nas[NAS_PUSKA];
    h->lepidlo = nas[NAS_LEPIDLO];
    h->nahodny_odraz = nas[NAS_NAHODNY_ODRAZ];
    h->hodiny_min = nas[NAS_MINUTY];
    h->hodiny_sek = nas[NAS_SEKUNDY];
    h->krok = hlavni_krok;
}

// ---- the notice of a save that failed ----------------------------------------------------------------

static constexpr TEXT RADKY_NEULOZENO[] = {
    {"Soubor save.ddt se nepodařilo zapsat, a proto tato hra",
     "The file save.ddt could not be written, so this game has"},
    {"uložena nebyla. Dříve uložené hry zůstaly beze změny.",
     "not been saved. The games saved before are unchanged."},
    {"Zkontrolujte volné místo na disku a právo zápisu do",
     "Check the free space on the disk and the right to write"},
    {"adresáře hry, potom zkuste hru uložit znovu.",
     "into the game's directory, then try to save again."},
};

static constexpr TLACITKO TLACITKO_NEULOZENO[] = {{SLOT_OK, 360, 327, {"OK", "OK"}}};

std::span<const TEXT> radky_neulozeno() { return RADKY_NEULOZENO; }

void zobraz_neulozeno(int tlacitko, BITMAP* cil)
{
    blit(obr(bmp_dialog_panel), cil, 0, 0, 205, 140, 390, 220);
    textprintf_centre_ex(cil, font, 400, 147, BARVA_1, -1, "%s", tx({"HRA NEBYLA ULOŽENA", "GAME NOT SAVED"}));
    int y = 190;
    for (const TEXT& r : RADKY_NEULOZENO) {
        vypis_zarovnane(cil, tx(r), 230, 570, y, BARVA_1);
        y += 20;
    }
    kresli_tlacitka(cil, TLACITKO_NEULOZENO, tlacitko);
}

// Over the table as it was left, until OK is clicked or a key pressed.
static void hlaseni_neulozeno(const ULOZENA_HRA* hry)
{
    int tlacitko = SLOT_NIC;
    plat_vyprazdni_klavesy();
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            tlacitko = tlacitko_na(TLACITKO_NEULOZENO, mys_x, mys_y, SLOT_NIC);
            bool klavesa = plat_klavesa_ceka();
            if (klavesa) plat_cti_klavesu(nullptr);
            s->konec = klavesa || (s->klik == KLIK_PUSTIL && tlacitko == SLOT_OK);
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            zobraz_ulozene(hry, SLOT_NIC, POCET_ULOZENYCH, SLOT_NIC, TABULKA_ULOZIT, b);
            zobraz_neulozeno(tlacitko, b);
        });
    plat_vyprazdni_klavesy();
}

// ---- saving --------------------------------------------------------------------------------------

namespace {
struct UKLADANI {
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    int kurzor = SLOT_NIC;      // what the pointer is over
    int jmenovany = -1;         // the row whose name is being typed
    int zvoleny = -1;           // the row named and chosen
    int pozice = 0;             // characters typed
    char zaloha[MAX_JMENO];     // the named row as it was: its name and numbers
    int zivoty = 0, skore = 0, level = 0;
    int vysledek = -1;          // SLOT_OK or SLOT_CANCEL once the player leaves
};

// The row shows the game being saved, with no name yet.
void zacni_jmenovat(UKLADANI* u, int r)
{
    ULOZENA_HRA& h = u->hry[r];
    std::memcpy(u->zaloha, h.jmeno, MAX_JMENO);
    std::memset(h.jmeno, 0, MAX_JMENO);
    u->zivoty = h.zivoty;
    u->skore = h.skore;
    u->level = h.level;
    h.zivoty = nas[NAS_ZIVOTY];
    h.skore = nas[NAS_SKORE];
    h.level = LEVEL;
    u->jmenovany = r;
    u->pozice = 0;
}

// One key of the name; Enter chooses the row, Esc gives it back as it was.
bool jmenuj(UKLADANI* u)
{
    ULOZENA_HRA& h = u->hry[u->jmenovany];
    char pred[MAX_JMENO];
    std::memcpy(pred, h.jmeno, MAX_JMENO);
    int stav = 0;
    pis_jmeno_s(&u->pozice, h.jmeno, u->zaloha, &stav);
    if (stav == -1) {
        u->zvoleny = u->jmenovany;
        u->jmenovany = -1;
    } else if (stav == -2) {
        h.zivoty = u->zivoty;
        h.skore = u->skore;
        h.level = u->level;
        u->jmenovany = -1;
    }
    return stav != 0 || std::memcmp(pred, h.jmeno, MAX_JMENO) != 0;
}

// While a row is named the mouse does nothing; until then keys do nothing.
void reaguj_ukladani(UKLADANI* u, OBRAZOVKA* o)
{
    bool klik = o->klik == KLIK_PUSTIL;
    if (u->jmenovany == -1) {
        u->kurzor = urci_cursor(mys_x, mys_y, POCET_ULOZENYCH, u->zvoleny);
        if (klik && u->kurzor >= 0 && u->kurzor < POCET_ULOZENYCH) {
            zacni_jmenovat(u, u->kurzor);
            o->zmena = true;
        } else {
            plat_vyprazdni_klavesy();
        }
    }
    if (u->jmenovany != -1 && jmenuj(u)) o->zmena = true;
    o->mys = u->jmenovany == -1;
    if (klik && (u->kurzor == SLOT_OK || u->kurzor == SLOT_CANCEL)) u->vysledek = u->kurzor;
    o->konec = u->vysledek != -1;
}
}

int save_game()
{
    UKLADANI u;
    cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, u.hry);
    plat_vyprazdni_klavesy();
    OBRAZOVKA o;
    spust_obrazovku(
        &o, [&](OBRAZOVKA* s) { reaguj_ukladani(&u, s); },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            zobraz_ulozene(u.hry, u.kurzor, POCET_ULOZENYCH, u.kurzor, TABULKA_ULOZIT, b);
        });
    if (u.vysledek != SLOT_OK) return 0;
    ULOZENA_HRA& h = u.hry[u.zvoleny];
    hra_ze_stavu(&h);
    if (uloz_do_slotu(SOUBOR_ULOZENYCH_HER, u.zvoleny, h)) return 1;
    hlaseni_neulozeno(u.hry);
    return 0;
}

// ---- loading -------------------------------------------------------------------------------------

int load_game()
{
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry);
    int kurzor = SLOT_NIC, zvoleny = -1, vysledek = -2;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            kurzor = urci_cursor_l(mys_x, mys_y, POCET_ULOZENYCH, zvoleny);
            if (kurzor >= 0 && kurzor < POCET_ULOZENYCH && hry[kurzor].skore == 0) kurzor = SLOT_NIC;   // empty
            if (s->klik != KLIK_PUSTIL) return;
            if (kurzor == SLOT_NIC || kurzor < POCET_ULOZENYCH) zvoleny = kurzor;
            if (kurzor == SLOT_OK) vysledek = zvoleny;
            if (kurzor == SLOT_CANCEL) vysledek = -1;
            s->konec = vysledek != -2;
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            zobraz_ulozene(hry, zvoleny, POCET_ULOZENYCH, kurzor, TABULKA_NACIST, b);
        });
    return vysledek;
}
