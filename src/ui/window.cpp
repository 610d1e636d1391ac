// Windows, buttons, the menu list and the confirmation dialog.
#include "ui/window.h"

#include "core/globals.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "world/objects.h"

#include <cstdio>

// The window sheet: 20x20 corners, 10x20 top and bottom edges, 20x10 side edges, a 10x10 fill.
void na_okno(int x1, int y1, int x2, int y2, BITMAP* cil)
{
    BITMAP* t = obr(bmp_window_texture);
    for (int x = x1; x < x2; x += 10)
        for (int y = y1; y < y2; y += 10) blit(t, cil, 20, 20, x, y, 10, 10);
    for (int x = x1; x < x2; x += 10) {
        blit(t, cil, 20, 0, x, y1, 10, 20);
        blit(t, cil, 20, 30, x, y2 - 20, 10, 20);
    }
    for (int y = y1; y < y2; y += 10) {
        blit(t, cil, 0, 20, x1, y, 20, 10);
        blit(t, cil, 30, 20, x2 - 20, y, 20, 10);
    }
    blit(t, cil, 0, 0, x1, y1, 20, 20);
    blit(t, cil, 30, 0, x2 - 20, y1, 20, 20);
    blit(t, cil, 0, 30, x1, y2 - 20, 20, 20);
    blit(t, cil, 30, 30, x2 - 20, y2 - 20, 20, 20);
}

void kresli_tlacitko(BITMAP* cil, int l, int t, const char* popis, bool rozsviceno)
{
    blit(obr(rozsviceno ? bmp_button_lit : bmp_button), cil, 0, 0, l, t, 80, 25);
    textprintf_centre_ex(cil, font, l + 40, t + 5, rozsviceno ? BARVA_2 : BARVA_1, -1, "%s", popis);
}

bool na_tlacitku(int x, int y, int l, int t) { return l < x && x < l + 80 && t < y && y < t + 25; }

int tlacitko_na(std::span<const TLACITKO> t, int x, int y, int nic)
{
    for (const TLACITKO& b : t)
        if (na_tlacitku(x, y, b.vlevo, b.nahore)) return b.cislo;
    return nic;
}

void kresli_tlacitka(BITMAP* cil, std::span<const TLACITKO> t, int rozsviceno)
{
    for (const TLACITKO& b : t) kresli_tlacitko(cil, b.vlevo, b.nahore, tx(b.popis), b.cislo == rozsviceno);
}

bool polozka_dostupna(int i, int vytvorena_uroven, int nactena)
{
    switch (i) {
    case POL_NOVA_HRA: return pocet_kol > 0;
    case POL_POKRACOVAT: return HRAJE_SE != 0;
    case POL_SPUSTIT_NACTENOU: return nactena != -1;
    case POL_ZKUSIT_VYTVORENOU: return vytvorena_uroven != 0;
    case POL_ULOZIT: return HRAJE_SE != 0 && nas[NAS_SKORE] != 0 && MOD_HRY == MOD_OBYCEJNA;
    default: return true;
    }
}

static const TEXT POLOZKY[POCET_POLOZEK] = {
    {"Nová hra", "New game"},
    {"Pokračovat", "Continue"},
    {"Spustit načtenou", "Start loaded"},
    {"Zkusit vytvořenou", "Try creation"},
    {"Editor úrovní", "Level editor"},
    {"Uložit hru", "Save game"},
    {"Načíst hru", "Load game"},
    {"Nejlepší hry", "The best games"},
    {"Nápověda", "Help"},
    {"Konec hry", "End game"},
};

const char* text_polozky(int i) { return tx(POLOZKY[i]); }

void zobraz_polozky(const char** texty, int vybrana, int stred_x, int nahore, int krok,
                    int vytvorena_uroven, int nactena, BITMAP* cil)
{
    for (int i = 0; i < POCET_POLOZEK; i++) {
        int barva = BARVA_1;
        if (!polozka_dostupna(i, vytvorena_uroven, nactena)) barva = BARVA_3;
        else if (i == vybrana) barva = BARVA_2;
        textprintf_centre_ex(cil, font, stred_x, nahore + krok * i, barva, -1, "%s", texty[i]);
    }
}

// The library spreads whatever room is left over the gaps, so words as wide as the box would touch.
void vypis_zarovnane(BITMAP* cil, const char* s, int x1, int x2, int y, int barva, int nejvic)
{
    if (text_length(font, s) >= x2 - x1) textout_ex(cil, font, s, x1, y, barva, -1);
    else textout_justify_ex(cil, font, s, x1, x2, y, nejvic, barva, -1);
}

static const TEXT NAZEV_AKCE[4] = {
    {"Nová hra", "New game"}, {"Konec hry", "End game"},
    {"Načíst hru", "Load game"}, {"Zkusit vytvořenou", "Try creation"},
};

static const TEXT& nazev_akce(int akce)
{
    if (akce == POL_NOVA_HRA) return NAZEV_AKCE[0];
    if (akce == POL_SPUSTIT_NACTENOU) return NAZEV_AKCE[2];
    if (akce == POL_ZKUSIT_VYTVORENOU) return NAZEV_AKCE[3];
    return NAZEV_AKCE[1];
}

static constexpr TLACITKO TLACITKA_DOTAZU[] = {
    {DOTAZ_OK, 240, 327, {"OK", "OK"}},
    {DOTAZ_CANCEL, 480, 327, {"Cancel", "Cancel"}},
};

void zobraz_dotaz(int akce, int tlacitko, BITMAP* cil)
{
    static const TEXT RADKY[4] = {
        {"Máte rozehranou hru. Stisknete-li Cancel, vrátíte se zpět",
         "You have opened a game. If you click on Cancel, you will be"},
        {"k menu. Pokud ovšem potvrdíte volbu %s stiskem", "returned to menu. If you confirm the option %s"},
        {"OK, o tuto hru přijdete. Můžete ji před tímto krokem uložit.",
         "by clicking on OK, you will loose this opened game. But"},
        {nullptr, "you can of course save it before you decide to leave it."},
    };
    blit(obr(bmp_dialog_panel), cil, 0, 0, 205, 140, 390, 220);
    textprintf_centre_ex(cil, font, 400, 147, BARVA_1, -1, "%s", tx({"POZOR", "ATTENTION"}));
    for (int r = 0; r < 4; r++) {
        const char* vzor = tx(RADKY[r]);
        if (!vzor) continue;
        char radek[160];
        std::snprintf(radek, sizeof radek, vzor, tx(nazev_akce(akce)));
        vypis_zarovnane(cil, radek, 230, 570, 190 + 20 * r, BARVA_1);
    }
    kresli_tlacitka(cil, TLACITKA_DOTAZU, tlacitko);
}

int zjisti_cu(int x, int y) { return tlacitko_na(TLACITKA_DOTAZU, x, y, -1); }

void kresli_mys(BITMAP* cil) { draw_sprite(cil, obr(bmp_mouse_pointer), mys_x, mys_y); }
