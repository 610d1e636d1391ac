// The level editor: a grid of 20 x 22 cells painted with the mouse from a palette of brick types,
// an author name, and saving as the next level file of the game.
#pragma once
#include "core/constants.h"

#include <allegro.h>

// What the editor is doing; the first two end it.
enum STAV_EDITORU : int {
    EDITOR_ULOZIT = 1,     // save and leave
    EDITOR_OPUSTIT = 2,    // leave without saving
    EDITOR_KRESLI = 3,     // drawing
    EDITOR_JMENO = 4,      // typing the author name
    EDITOR_DOTAZ_ULOZIT = 5,
    EDITOR_DOTAZ_OPUSTIT = 6,
};

// The editor's buttons as zjisti_najete answers; EDITOR_KRESLI means none.
enum : int { NAJETO_AUTOR = 4, NAJETO_OK = 5, NAJETO_CANCEL = 6, NAJETO_NIC = 3 };

constexpr int TYPU_PALETY = 11;   // palette entries 0 (erase) .. 10

// Draws, names and saves a new level, or edits the one saved last in this run.
void level_editor();

// The editor screen: panel, grid with `mrizka` placed from (vlevo, nahore), palette with `vybrany`
// framed, the name, the file name without its directory, the buttons with `najete` lit.
void zobraz_vse(const char* jmeno, const char* soubor, const int* mrizka, int vlevo, int vpravo, int nahore,
                int dole, int vybrany, int najete, BITMAP* cil);

int zjisti_cursor(int x, int y, int vlevo, int nahore);   // the cell under the pointer, or -1
int zjisti_vybrane(int x, int y, int vybrany);            // the palette entry under the pointer, or `vybrany`
int zjisti_najete(int x, int y, int rozbitna);            // NAJETO_*; OK only while `rozbitna` is 1
// The dialog button under the pointer in state 5 or 6: the left one saves (1) or leaves (2), the
// right one (3) returns to drawing; elsewhere `stav` itself.
int zjisti_konec(int x, int y, int stav);

// One key of the author name field: letters and space up to 12, Backspace, a key without a character
// clears; Enter with a name keeps it in `zaloha`, Esc puts `zaloha` back; both return to drawing.
void pis_jmeno(int* pozice, char* jmeno, char* zaloha, int* stav);
