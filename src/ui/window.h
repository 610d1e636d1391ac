// Shared pieces of every screen but the playfield: framed windows, push buttons, the menu's item
// list with its availability rule, the confirmation dialog, and the mouse pointer.
#pragma once
#include <allegro.h>

constexpr int POCET_POLOZEK = 10;

void na_okno(int x1, int y1, int x2, int y2, BITMAP* cil);     // a window from the window texture
void kresli_tlacitko(BITMAP* cil, int l, int t, const char* popis, bool rozsviceno);  // 80x25 at (l, t)
bool na_tlacitku(int x, int y, int l, int t);                   // pointer strictly inside the button
bool polozka_dostupna(int i, int vytvorena_uroven, int nactena);   // may menu item i be chosen now
const char* text_polozky(int i);                                // item i in the current language
void zobraz_polozky(const char** texty, int vybrana, int stred_x, int nahore, int krok,
                    int vytvorena_uroven, int nactena, BITMAP* cil);
void zobraz_dotaz(int akce, int tlacitko, BITMAP* cil);         // the "you have a game open" dialog
int zjisti_cu(int x, int y);                                    // dialog button: 1 OK, 2 Cancel, -1 none
void vypis_zarovnane(BITMAP* cil, const char* s, int x1, int x2, int y, int barva);  // justified line
void kresli_mys(BITMAP* cil);                                   // the pointer at the polled position
