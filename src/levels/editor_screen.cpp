// The level editor's screen and what lies under the pointer on it.
#include "levels/editor.h"

#include "core/globals.h"
#include "core/resources.h"
#include "levels/editor_dialogs.h"
#include "ui/text.h"
#include "ui/window.h"

namespace {

constexpr TLACITKO TLACITKA_EDITORU[] = {
    {NAJETO_AUTOR, 420, 550, {"Autor", "Author"}},
    {NAJETO_OK, 580, 550, {"OK", "OK"}},
    {NAJETO_CANCEL, 680, 550, {"Cancel", "Cancel"}},
};

constexpr int PALETA_X = 80;      // entry k at x 80 + 60k
constexpr int PALETA_KROK = 60;
constexpr int PALETA_Y = 465;

// A box of three bar pieces: left end, middle, right end.
void pruh(BITMAP* cil, int x, int y, int sirka, int krok)
{
    static constexpr int ZDROJ[3] = {0, 30, 50};
    for (int k = 0; k < 3; k++) blit(obr(bmp_bar_pieces), cil, ZDROJ[k], 0, x + krok * k, y, sirka, 20);
}

void kresli_mrizku(const int* mrizka, int vlevo, int nahore, BITMAP* cil)
{
    for (int i = 0; i < POCET_BUNEK; i++) {
        int x = vlevo + SIRKA_KOSTKY * (i % SLOUPCU), y = nahore + VYSKA_KOSTKY * (i / SLOUPCU);
        blit(obr(bmp_brick_00), cil, 0, 0, x, y, SIRKA_KOSTKY, VYSKA_KOSTKY);
        int v = mrizka[i];
        if (v > KOSTKA_PRAZDNA && v <= KOSTKA_SEDA) blit(obr(res_kostka(v)), cil, 0, 0, x, y, SIRKA_KOSTKY, VYSKA_KOSTKY);
    }
}

void kresli_paletu(int vybrany, BITMAP* cil)
{
    for (int k = 0; k < TYPU_PALETY; k++)
        blit(obr(res_kostka(k)), cil, 0, 0, PALETA_X + PALETA_KROK * k, PALETA_Y, SIRKA_KOSTKY, VYSKA_KOSTKY);
    int x = 75 + PALETA_KROK * vybrany;
    rect(cil, x, 461, x + 48, 488, makecol(150, 150, 150));
}

}  // namespace

void zobraz_vse(const char* jmeno, const char* soubor, const int* mrizka, int vlevo, int, int nahore, int,
                int vybrany, int najete, BITMAP* cil)
{
    na_okno(10, 451, 790, 501, cil);
    kresli_mrizku(mrizka, vlevo, nahore, cil);
    kresli_paletu(vybrany, cil);
    pruh(cil, 30, 525, 50, 50);
    textprintf_centre_ex(cil, font, 105, 527, BARVA_1, -1, "%s", tx({"Jméno autora", "Name of author"}));
    pruh(cil, 30, 555, 50, 50);
    textprintf_centre_ex(cil, font, 105, 557, BARVA_1, -1, "%s", jmeno);
    pruh(cil, 200, 555, 200, 50);
    textprintf_centre_ex(cil, font, 275, 557, BARVA_1, -1, "%s", bez_slozky(soubor));
    kresli_tlacitka(cil, TLACITKA_EDITORU, najete);
}

int zjisti_cursor(int x, int y, int vlevo, int nahore)
{
    if (x < vlevo || y < nahore) return -1;
    int c = (x - vlevo) / SIRKA_KOSTKY, r = (y - nahore) / VYSKA_KOSTKY;
    if (c >= SLOUPCU || r >= RADKU) return -1;
    return r * SLOUPCU + c;
}

int zjisti_vybrane(int x, int y, int vybrany)
{
    if (y < 466 || y > 484) return vybrany;
    for (int k = 0; k < TYPU_PALETY; k++)
        if (PALETA_X + PALETA_KROK * k < x && x < PALETA_X + 40 + PALETA_KROK * k) return k;
    return vybrany;
}

int zjisti_najete(int x, int y, int rozbitna)
{
    int n = tlacitko_na(TLACITKA_EDITORU, x, y, NAJETO_NIC);
    return n == NAJETO_OK && rozbitna != 1 ? NAJETO_NIC : n;
}

int zjisti_konec(int x, int y, int stav)
{
    int t = tlacitko_dialogu(x, y);
    if (t == DIALOG_VLEVO) return stav == EDITOR_DOTAZ_ULOZIT ? EDITOR_ULOZIT : EDITOR_OPUSTIT;
    if (t == DIALOG_VPRAVO) return EDITOR_KRESLI;
    return stav;
}
