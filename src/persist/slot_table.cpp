// The saved-games table: bars of 20 x 20 pieces per column, a row of texts per slot, two buttons.
#include "persist/slot_table.h"

#include "core/globals.h"
#include "core/resources.h"
#include "ui/text.h"
#include "ui/window.h"

#include <iterator>

namespace {
// The column boundaries: slot number, name, lives, level, score.
constexpr int HRANICE[] = {125, 167, 369, 431, 533, 675};
constexpr int SLOUPCU_TABULKY = int(std::size(HRANICE)) - 1;
constexpr int Y_HLAVICKY = 70;
constexpr int Y_RADKU = 95;
constexpr int ROZESTUP = 22;

constexpr TLACITKO TLACITKA[] = {
    {SLOT_OK, 200, 550, {"OK", "OK"}},
    {SLOT_CANCEL, 520, 550, {"Cancel", "Cancel"}},
};

// A bar from b to e of 20 x 20 pieces: left end, middles, right end at e - 22.
void pruh(BITMAP* kusy, BITMAP* cil, int b, int e, int y)
{
    for (int x = b; x < e - 2; x += 20) blit(kusy, cil, x == b ? 0 : x == e - 22 ? 80 : 40, 0, x, y, 20, 20);
}

void radek_pruhu(BITMAP* kusy, BITMAP* cil, int y)
{
    for (int s = 0; s < SLOUPCU_TABULKY; s++) pruh(kusy, cil, HRANICE[s], HRANICE[s + 1], y);
}

void nadpis(BITMAP* cil, int mod)
{
    BITMAP* b = obr(bmp_bar_pieces);
    for (int x = 125; x <= 665; x += 10) blit(b, cil, x == 125 ? 0 : x == 665 ? 90 : 40, 0, x, 45, 10, 20);
    TEXT t = mod == TABULKA_ULOZIT ? TEXT{"U L O Ž I T   H R U", "S A V E   G A M E"}
                                   : TEXT{"N A Č Í S T   H R U", "L O A D   G A M E"};
    textprintf_centre_ex(cil, font, 400, 47, BARVA_1, -1, "%s", tx(t));
}

void hlavicka(BITMAP* cil)
{
    radek_pruhu(obr(bmp_bar_pieces), cil, Y_HLAVICKY);
    textprintf_ex(cil, font, 182, 72, BARVA_1, -1, "%s", tx({"Jméno hry", "Name of game"}));
    textprintf_right_ex(cil, font, 411, 72, BARVA_1, -1, "%s", tx({"Život", "Live"}));
    textprintf_right_ex(cil, font, 513, 72, BARVA_1, -1, "%s", tx({"Úroveň", "Level"}));
    textprintf_right_ex(cil, font, 655, 72, BARVA_1, -1, "%s", tx({"Skóre", "Score"}));
}

void radek(BITMAP* cil, const ULOZENA_HRA& h, int i, bool zvyrazneny)
{
    radek_pruhu(obr(zvyrazneny ? bmp_bar_pieces_lit : bmp_bar_pieces), cil, Y_RADKU + ROZESTUP * i);
    int y = Y_RADKU + 2 + ROZESTUP * i;
    int barva = zvyrazneny ? BARVA_2 : BARVA_1;
    textprintf_right_ex(cil, font, 152, y, barva, -1, "%d", i + 1);
    textprintf_ex(cil, font, 182, y, barva, -1, "%s", h.jmeno);
    textprintf_right_ex(cil, font, 411, y, barva, -1, "%d", h.zivoty);
    textprintf_right_ex(cil, font, 513, y, barva, -1, "%d", h.level);
    textprintf_right_ex(cil, font, 655, y, barva, -1, "%d", h.skore);
}

// The row whose band holds the pointer, or SLOT_NIC.
int radek_na(int x, int y, int pocet)
{
    if (x < 126 || x > 674) return SLOT_NIC;
    for (int i = 0; i < pocet; i++)
        if (y >= 96 + ROZESTUP * i && y <= 114 + ROZESTUP * i) return i;
    return SLOT_NIC;
}

int tlacitko(int x, int y, int zvoleny)
{
    int t = tlacitko_na(TLACITKA, x, y, SLOT_NIC);
    return t == SLOT_OK && zvoleny == -1 ? SLOT_NIC : t;
}
}

void zobraz_ulozene(const ULOZENA_HRA* hry, int zvyrazneni1, int pocet, int zvyrazneni2, int mod, BITMAP* cil)
{
    nadpis(cil, mod);
    hlavicka(cil);
    for (int i = 0; i < pocet && i < POCET_ULOZENYCH; i++) radek(cil, hry[i], i, i == zvyrazneni1 || i == zvyrazneni2);
    kresli_tlacitka(cil, TLACITKA, zvyrazneni2);
}

int urci_cursor(int x, int y, int pocet, int zvoleny)
{
    int t = tlacitko(x, y, zvoleny);
    if (t != SLOT_NIC || zvoleny != -1) return t;
    return radek_na(x, y, pocet);
}

int urci_cursor_l(int x, int y, int pocet, int zvoleny)
{
    int t = tlacitko(x, y, zvoleny);
    return t != SLOT_NIC ? t : radek_na(x, y, pocet);
}
