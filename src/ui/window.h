// Shared pieces of every screen but the playfield: framed windows, push buttons, the menu's item
// list with its availability rule, the confirmation dialog, justified lines and the mouse pointer.
#pragma once
#include "ui/text.h"

#include <allegro.h>
#include <span>

// The menu's items, in their order on the screen.
enum POLOZKA : int {
    POL_NOVA_HRA, POL_POKRACOVAT, POL_SPUSTIT_NACTENOU, POL_ZKUSIT_VYTVORENOU, POL_EDITOR,
    POL_ULOZIT, POL_NACIST, POL_NEJLEPSI, POL_NAPOVEDA, POL_KONEC, POCET_POLOZEK,
};

// A push button of 80 x 25 at (vlevo, nahore): `cislo` is what the hit test answers for it.
struct TLACITKO {
    int cislo;
    int vlevo, nahore;
    TEXT popis;
};

// The dialog buttons of the confirmation.
enum : int { DOTAZ_OK = 1, DOTAZ_CANCEL = 2 };

void na_okno(int x1, int y1, int x2, int y2, BITMAP* cil);     // a window from the window texture
void kresli_tlacitko(BITMAP* cil, int l, int t, const char* popis, bool rozsviceno);  // 80x25 at (l, t)
bool na_tlacitku(int x, int y, int l, int t);                   // pointer strictly inside the button
// The number of the button under the pointer, the first in table order, or `nic`.
int tlacitko_na(std::span<const TLACITKO> t, int x, int y, int nic);
// Every button of the table, the one numbered `rozsviceno` lit.
void kresli_tlacitka(BITMAP* cil, std::span<const TLACITKO> t, int rozsviceno);

bool polozka_dostupna(int i, int vytvorena_uroven, int nactena);   // may menu item i be chosen now
const char* text_polozky(int i);                                // item i in the current language
void zobraz_polozky(const char** texty, int vybrana, int stred_x, int nahore, int krok,
                    int vytvorena_uroven, int nactena, BITMAP* cil);
void zobraz_dotaz(int akce, int tlacitko, BITMAP* cil);         // the "you have a game open" dialog
int zjisti_cu(int x, int y);                                    // DOTAZ_OK, DOTAZ_CANCEL or -1

// A line with its words spread to fill x1..x2. A line that would need more than `nejvic` pixels of
// spreading, or whose words with plain spaces are as wide as the box, is drawn with plain spaces from x1.
void vypis_zarovnane(BITMAP* cil, const char* s, int x1, int x2, int y, int barva, int nejvic = 100);
void kresli_mys(BITMAP* cil);                                   // the pointer at the polled position
