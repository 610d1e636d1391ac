// The settings panel: drawing, the held arrows and the hit test of the menu screen.
#include "ui/settings_panel.h"

#include "core/clock.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "sound/sound.h"
#include "ui/text.h"
#include "ui/window.h"

#include <cstdio>

// Pointer zones of the arrows, inclusive; the music "<<<" reaches five rows lower than the rest.
struct ZONA {
    int ovladac, x1, y1, x2, y2;
};
static constexpr ZONA ZONY[] = {
    {OVL_HUDBA_MINUS, 31, 501, 79, 524}, {OVL_HUDBA_PLUS, 181, 501, 229, 519},
    {OVL_ZVUK_MINUS, 571, 501, 619, 519}, {OVL_ZVUK_PLUS, 721, 501, 769, 519},
    {OVL_JAZYK_MINUS, 571, 301, 619, 319}, {OVL_JAZYK_PLUS, 721, 301, 769, 319},
    {OVL_VOLBA_MINUS, 31, 301, 79, 319}, {OVL_VOLBA_PLUS, 181, 301, 229, 319},
};

int zjisti_cursor(int x, int y, int vlevo, int vpravo, int nahore, int krok, int vytvorena_uroven,
                  int nactena)
{
    for (int i = 0; i < POCET_POLOZEK; i++) {
        if (vlevo < x && x < vpravo && nahore + krok * i < y && y < nahore + krok * i + 20)
            return polozka_dostupna(i, vytvorena_uroven, nactena) ? i : -1;
    }
    for (const ZONA& z : ZONY)
        if (x >= z.x1 && x <= z.x2 && y >= z.y1 && y <= z.y2) return z.ovladac;
    return -1;
}

static void hlasitost_krok(int kurzor)
{
    if (kurzor == OVL_HUDBA_MINUS && volume_hudba > 0) volume_hudba -= 5;
    if (kurzor == OVL_HUDBA_PLUS && volume_hudba <= 254) volume_hudba += 5;
    if (kurzor == OVL_ZVUK_MINUS && volume_zvuk > 0) volume_zvuk -= 5;
    if (kurzor == OVL_ZVUK_PLUS && volume_zvuk <= 254) volume_zvuk += 5;
    pouzij_hlasitost();
}

// The music choice runs 0, 1 .. pocet_midi, 10 and round again; with no piece it stays 0.
static void volba_hudby_krok(int smer)
{
    nastav_midi += smer;
    if (nastav_midi > pocet_midi && nastav_midi <= 9) nastav_midi = smer < 0 ? pocet_midi : 10;
    if (nastav_midi < 0) nastav_midi = 10;
    if (nastav_midi > 10) nastav_midi = 0;
    if (pocet_midi == 0) nastav_midi = 0;
    re_midi();
}

bool nastaveni(int kurzor)
{
    bool hlasitost = kurzor >= OVL_HUDBA_MINUS && kurzor <= OVL_ZVUK_PLUS;
    if (hlasitost && speed_counter > 30) {
        speed_counter = 0;
        hlasitost_krok(kurzor);
        return true;
    }
    if (speed_counter <= 100) return false;
    if (kurzor == OVL_JAZYK_MINUS || kurzor == OVL_JAZYK_PLUS) {
        speed_counter = 0;
        jazyk = jazyk == 1 ? 2 : 1;
        return true;
    }
    if (kurzor == OVL_VOLBA_MINUS || kurzor == OVL_VOLBA_PLUS) {
        speed_counter = 0;
        volba_hudby_krok(kurzor == OVL_VOLBA_MINUS ? -1 : 1);
        return true;
    }
    return false;
}

static void sipky(BITMAP* cil, int kurzor, int minus, int x_minus, int x_plus, int y)
{
    textprintf_centre_ex(cil, font, x_minus, y, kurzor == minus ? BARVA_2 : BARVA_1, -1, "<<<");
    textprintf_centre_ex(cil, font, x_plus, y, kurzor == minus + 1 ? BARVA_2 : BARVA_1, -1, ">>>");
}

static void blok(BITMAP* cil, int kurzor, int minus, int stred, int y, const TEXT& nadpis, const char* hodnota)
{
    textprintf_centre_ex(cil, font, stred, y - 25, BARVA_1, -1, "%s", tx(nadpis));
    sipky(cil, kurzor, minus, stred - 75, stred + 75, y);
    textprintf_centre_ex(cil, font, stred, y, BARVA_1, -1, "%s", hodnota);
}

static void informace(BITMAP* cil)
{
    int h, m, s, d, mes, r;
    char cas[32], datum[32];
    hodiny(&h, &m, &s, &d, &mes, &r);
    format_casu(cas, sizeof cas, {h, m, s});
    format_data(datum, sizeof datum, d, mes, r);
    textprintf_ex(cil, font, 60, 241, BARVA_1, -1, "%s: %s", tx({"Jméno šampióna", "Name of champion"}),
                  sampion_jmeno);
    textprintf_ex(cil, font, 325, 241, BARVA_1, -1, "%s", cas);
    textprintf_right_ex(cil, font, 475, 241, BARVA_1, -1, "%s", datum);
    textprintf_right_ex(cil, font, 740, 241, BARVA_1, -1, "%s - %d", tx({"počet úrovní", "number of levels"}),
                        pocet_kol);
}

void kresli_nastaveni(int kurzor, BITMAP* cil)
{
    char hodnota[32];
    if (nastav_midi == 0) std::snprintf(hodnota, sizeof hodnota, "%s", tx({"bez hudby", "no music"}));
    else if (nastav_midi == 10) std::snprintf(hodnota, sizeof hodnota, "%s", tx({"postupně", "successive"}));
    else std::snprintf(hodnota, sizeof hodnota, "midi %d", nastav_midi);
    blok(cil, kurzor, OVL_VOLBA_MINUS, 130, 301, {"Volba hudby", "Music option"}, hodnota);
    blok(cil, kurzor, OVL_JAZYK_MINUS, 670, 301, {"Volba jazyka", "Language option"}, jazyk == 1 ? "CZ" : "EN");
    std::snprintf(hodnota, sizeof hodnota, "%d%%", volume_hudba * 100 / 255);
    blok(cil, kurzor, OVL_HUDBA_MINUS, 130, 501, {"Hlasitost hudby", "Volume music"}, hodnota);
    std::snprintf(hodnota, sizeof hodnota, "%d%%", volume_zvuk * 100 / 255);
    blok(cil, kurzor, OVL_ZVUK_MINUS, 670, 501, {"Hlasitost zvuků", "Volume sound"}, hodnota);
    informace(cil);
}
