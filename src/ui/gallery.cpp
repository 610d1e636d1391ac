// The level gallery. Every level file is read once on entry; the rows of miniatures are drawn as they
// come into view and the last eight kept, so a thousand levels open at once in a few megabytes instead
// of a 64 MB sheet of them all.
#include "ui/gallery.h"

#include "core/globals.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"
#include "ui/text.h"
#include "ui/window.h"

#include <algorithm>

constexpr int NA_RADU = 3;              // levels in a row of the sheet
constexpr int OKRAJ_ARCHU = 10;         // black below the last row
constexpr int VIEWPORT_X = 80, VIEWPORT_Y = 60, VIEWPORT_V = 450;
constexpr int PRAH_POSUNU = 100;        // ticks between two steps of a held arrow

static constexpr TLACITKO TLACITKA_GALERIE[] = {
    {PROHL_OK, 670, 550, {"OK", "OK"}},
    {PROHL_ZPET, 50, 550, {"<<<", "<<<"}},
    {PROHL_DAL, 150, 550, {">>>", ">>>"}},
    {PROHL_PREPNI, 570, 550, {"nápověda", "help"}},
};

int urci_cursor_g(int x, int y) { return tlacitko_na(TLACITKA_GALERIE, x, y, 0); }
void zobraz_tl_g(int kurzor, BITMAP* cil) { kresli_tlacitka(cil, TLACITKA_GALERIE, kurzor); }

int vyska_archu(int pocet) { return (pocet + NA_RADU - 1) / NA_RADU * VYSKA_RADY + OKRAJ_ARCHU; }

int nejdal_archu(int vyska)
{
    int mez = vyska - 460, pozice = 0;
    while (pozice < mez) pozice += VYSKA_RADY;
    return pozice;
}

void nacti_galerii(GALERIE* g, int pocet)
{
    g->mist = std::clamp(pocet, 0, POSLEDNI_UROVEN);
    g->vyska = vyska_archu(g->mist);
    g->urovne.clear();
    g->urovne.reserve(g->mist);
    for (int n = 1; n <= g->mist; n++) {
        UROVEN u;
        if (nacti_uroven(jmeno_urovne(n).c_str(), &u) == CTENI_CHYBI) break;
        g->urovne.push_back(u);
    }
    for (BITMAPA& r : g->rady) r = nova_bitmapa(SIRKA_ARCHU, VYSKA_RADY);
    g->cislo_rady.fill(-1);
}

void kresli_uroven_galerie(BITMAP* cil, int x, int y, int n, const UROVEN& u)
{
    for (int k = 0; k < POCET_BUNEK; k++) {
        int typ = bunka_platna(u.bunky[k]) ? u.bunky[k] : KOSTKA_PRAZDNA;
        blit(obr(bmp_minibrick_00 + typ), cil, 0, 0, x + 5 + 10 * (k % SLOUPCU), y + 10 + 5 * (k / SLOUPCU), 10, 5);
    }
    int ramecek = makecol(200, 200, 200);
    rect(cil, x + 2, y + 7, x + 207, y + 122, ramecek);
    rect(cil, x + 2, y + 122, x + 207, y + 140, ramecek);
    textprintf_ex(cil, font, x + 10, y + 124, BARVA_1, -1, "%d %s", n, tx({"úroveň", "level"}));
    textprintf_right_ex(cil, font, x + 200, y + 124, BARVA_1, -1, "%s", u.autor);
}

// Row r of the sheet, drawn into the slot it shares with rows r +- 8 unless it is there already.
static BITMAP* rada_archu(GALERIE* g, int r)
{
    int slot = r % RAD_V_PAMETI;
    BITMAP* b = g->rady[slot].get();
    if (g->cislo_rady[slot] == r) return b;
    clear_to_color(b, 0);
    for (int c = 0; c < NA_RADU; c++) {
        int i = NA_RADU * r + c;
        if (i < static_cast<int>(g->urovne.size())) kresli_uroven_galerie(b, SIRKA_BUNKY_ARCHU * c, 0, i + 1, g->urovne[i]);
    }
    g->cislo_rady[slot] = r;
    return b;
}

void vyrez_galerie(GALERIE* g, int pozice, BITMAP* cil, int x, int y, int vyska)
{
    int rad = (g->mist + NA_RADU - 1) / NA_RADU;
    int od = std::max(pozice, 0), konec = std::min(pozice + vyska, g->vyska);
    while (od < konec) {
        int r = od / VYSKA_RADY, v_rade = od % VYSKA_RADY;
        int kolik = std::min(VYSKA_RADY - v_rade, konec - od);
        int cy = y + od - pozice;
        if (r < rad) blit(rada_archu(g, r), cil, 0, v_rade, x, cy, SIRKA_ARCHU, kolik);
        else rectfill(cil, x, cy, x + SIRKA_ARCHU - 1, cy + kolik - 1, 0);
        od += kolik;
    }
}

bool posun_sipkou(int* pozice, int drzena, int prah, int krok, int mez)
{
    if (speed_counter <= prah) return false;
    speed_counter = 0;
    int pred = *pozice;
    if (drzena == PROHL_DAL && *pozice < mez) *pozice += krok;
    if (drzena == PROHL_ZPET && *pozice > 0) *pozice = std::max(*pozice - krok, 0);
    return *pozice != pred;
}

// Shown over the help page's viewport while the levels are read.
static void ukaz_cekani()
{
    BITMAPA b = nova_bitmapa(640, 400);
    clear_to_color(b.get(), 0);
    textprintf_centre_ex(b.get(), font, 320, 200, BARVA_1, -1, "%s",
                         tx({"ČEKEJTE PROSÍM - NAČÍTÁM DATA", "PLEASE WAIT - READING DATA"}));
    plat_ukaz(b.get(), 0, 0, 80, 80, 640, 400);
}

int galery(int* pozice)
{
    ukaz_cekani();
    GALERIE g;
    nacti_galerii(&g, pocet_kol);
    *pozice = std::clamp(*pozice, 0, nejdal_archu(g.vyska));
    int kurzor = 0, vysledek = 0;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            kurzor = urci_cursor_g(mys_x, mys_y);
            if (s->klik == KLIK_PUSTIL && (kurzor == PROHL_OK || kurzor == PROHL_PREPNI)) {
                vysledek = kurzor == PROHL_OK ? 1 : -1;
                s->konec = true;
                return;
            }
            int drzena = s->klik == KLIK_DRZI ? kurzor : 0;
            if (posun_sipkou(pozice, drzena, PRAH_POSUNU, VYSKA_RADY, g.vyska - 460)) s->zmena = true;
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            na_okno(50, 50, 750, 520, b);
            zobraz_tl_g(kurzor, b);
            vyrez_galerie(&g, *pozice, b, VIEWPORT_X, VIEWPORT_Y, VIEWPORT_V);
        });
    return vysledek;
}
