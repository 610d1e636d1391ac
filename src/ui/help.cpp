// The help page: one long page of text drawn once on entry in the current language, ending with the
// capsules and their names, scrolled through a window; its "levels" button opens the gallery.
#include "ui/help.h"

#include "core/bitmap.h"
#include "core/globals.h"
#include "core/resources.h"
#include "core/version.h"
#include "platform/platform.h"
#include "ui/gallery.h"
#include "ui/help_text.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"
#include "ui/text.h"
#include "ui/window.h"

#include <span>

constexpr int POCET_BONUSU = 16;
constexpr int ODSTUP_NADPISU = 35;      // from the line above to a heading
constexpr int POD_NADPISEM = 25;        // from a heading to its first line
constexpr int RADKOVANI = 20;
constexpr int NEJVETSI_MEZERA = 150;    // more room than this to spread, and a line stays left-aligned
constexpr int ODSTUP_TABULKY = 30;      // from the last line to the capsules, then again per row
constexpr int POD_TABULKOU = 40;        // from the last row of capsules to the version line
constexpr int PRAH_POSUNU = 30;         // ticks between two steps of a held arrow
constexpr int KROK_POSUNU = 5;

static constexpr TLACITKO TLACITKA_NAPOVEDY[] = {
    {PROHL_OK, 670, 550, {"OK", "OK"}},
    {PROHL_ZPET, 50, 550, {"<<<", "<<<"}},
    {PROHL_DAL, 150, 550, {">>>", ">>>"}},
    {PROHL_PREPNI, 570, 550, {"úrovně", "levels"}},
};

int urci_cursor_n(int x, int y) { return tlacitko_na(TLACITKA_NAPOVEDY, x, y, -1); }
void zobraz_tl(int kurzor, BITMAP* cil) { kresli_tlacitka(cil, TLACITKA_NAPOVEDY, kurzor); }

static void radek(BITMAP* s, const std::string& text, int y)
{
    vypis_zarovnane(s, text.c_str(), 0, SIRKA_STRANKY, y, BARVA_1, NEJVETSI_MEZERA);
}

// The sections, then rows of four capsules with their names, then the game's name and version.
static void kresli_stranku(BITMAP* s, const TEXT_NAPOVEDY& t, std::span<const char* const> bonusy)
{
    clear_to_color(s, 0);
    int y = -ODSTUP_NADPISU;
    for (const ODDIL_NAPOVEDY& o : t.oddily) {
        y += ODSTUP_NADPISU;
        radek(s, o.nadpis, y);
        for (size_t i = 0; i < o.radky.size(); i++) {
            y += i == 0 ? POD_NADPISEM : RADKOVANI;
            radek(s, radek_napovedy(t, o.radky[i], POCET_DODANYCH_UROVNI), y);
        }
    }
    y += ODSTUP_TABULKY;
    for (int i = 0; i < POCET_BONUSU; i++) {
        if (i % 4 == 0) y += ODSTUP_TABULKY;
        int x = 20 + 150 * (i % 4);
        draw_sprite(s, obr(bmp_bonus_01 + i), x, y);
        textprintf_ex(s, font, x + 50, y + 6, BARVA_1, -1, "%s", bonusy[i]);
    }
    textprintf_centre_ex(s, font, SIRKA_STRANKY / 2, y + POD_TABULKOU, BARVA_1, -1, t.verze, ODRAZ_VERZE);
}

void zobraz_napoveda_cz(BITMAP* stranka)
{
    static constexpr const char* BONUSY[POCET_BONUSU] = {
        "život +",     "život -",     "koule +",        "koule modrá",    "koule rudá",   "koule šedá",
        "koule větší", "koule menší", "prkno větší",    "prkno menší",    "rychlost větší", "rychlost menší",
        "střela",      "prkno lepidlo", "náhodný odraz", "další úroveň",
    };
    kresli_stranku(stranka, NAPOVEDA_CZ, BONUSY);
}

void zobraz_napoveda_en(BITMAP* stranka)
{
    static constexpr const char* BONUSY[POCET_BONUSU] = {
        "live +",       "live -",       "ball +",       "ball blue",    "ball red",      "ball grey",
        "ball size +",  "ball size -",  "board size +", "board size -", "game speed +",  "game speed -",
        "shot",         "board glue",   "random ricochet", "next level",
    };
    kresli_stranku(stranka, NAPOVEDA_EN, BONUSY);
}

void napoveda()
{
    BITMAPA stranka = nova_bitmapa(SIRKA_STRANKY, VYSKA_STRANKY);
    if (jazyk == 1) zobraz_napoveda_cz(stranka.get());
    else zobraz_napoveda_en(stranka.get());
    int pozice = 0, pozice_galerie = 0, kurzor = -1;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            kurzor = urci_cursor_n(mys_x, mys_y);
            if (s->klik == KLIK_PUSTIL && kurzor == PROHL_OK) {
                s->konec = true;
                return;
            }
            if (s->klik == KLIK_PUSTIL && kurzor == PROHL_PREPNI && galery(&pozice_galerie) == 1) {
                s->konec = true;
                return;
            }
            int drzena = s->klik == KLIK_DRZI ? kurzor : -1;
            if (posun_sipkou(&pozice, drzena, PRAH_POSUNU, KROK_POSUNU, NEJDAL_STRANKY)) s->zmena = true;
        },
        [&](BITMAP* b) {
            kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
            na_okno(50, 50, 750, 520, b);
            zobraz_tl(kurzor, b);
            blit(stranka.get(), b, 0, pozice, 80, 80, SIRKA_STRANKY, VYSKA_VYREZU);
        });
}
