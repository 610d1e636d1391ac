// The level gallery: a miniature of every level file, three to a row with its number and author, in a
// window that scrolls a row at a time. Opened from the help page.
#pragma once
#include "core/bitmap.h"
#include "core/level_file.h"

#include <allegro.h>
#include <array>
#include <vector>

// The four buttons of the help page and of the gallery, by their numbers.
enum : int { PROHL_OK = 1, PROHL_ZPET = 2, PROHL_DAL = 3, PROHL_PREPNI = 4 };

constexpr int SIRKA_ARCHU = 640;        // the sheet of miniatures, as wide as the viewport
constexpr int VYSKA_RADY = 150;         // one row of three levels
constexpr int SIRKA_BUNKY_ARCHU = 215;  // one level's place in a row
constexpr int RAD_V_PAMETI = 8;         // rows kept drawn; the viewport spans at most four

// Every level read on entry, and the rows of the sheet drawn so far. The sheet itself is never made
// whole: a row is drawn when it first comes into view, the same as it would stand in the sheet.
struct GALERIE {
    int mist = 0;                       // levels the sheet has places for
    int vyska = 0;                      // height of the sheet
    std::vector<UROVEN> urovne;         // levels 1.. up to the first file that could not be opened
    std::array<BITMAPA, RAD_V_PAMETI> rady;
    std::array<int, RAD_V_PAMETI> cislo_rady{};   // the sheet row each holds, -1 none
};

int vyska_archu(int pocet);             // ((pocet + 2) / 3) * 150 + 10
// The furthest the held ">>>" takes the sheet: it adds a row while the top is short of height - 460.
int nejdal_archu(int vyska);
// Reads levels 1..pocet until a file cannot be opened. Bad cells read as empty, a short file
// keeps what it has, a name is cut at 12 characters.
void nacti_galerii(GALERIE* g, int pocet);
// Level n's miniature, frame and caption with (x, y) as the origin of its place in the sheet.
void kresli_uroven_galerie(BITMAP* cil, int x, int y, int n, const UROVEN& u);
// The sheet's rows pozice .. pozice + vyska - 1, 640 wide, to (x, y) of `cil`. Below the sheet's end
// nothing is drawn, so the window behind shows.
void vyrez_galerie(GALERIE* g, int pozice, BITMAP* cil, int x, int y, int vyska);

// Held-arrow scrolling of the help and the gallery, paced by the tick counter: once more than `prah`
// ticks have passed, the held arrow (PROHL_ZPET or PROHL_DAL, anything else none) moves `krok`,
// forward only while the position is below `mez`. True when the position changed.
bool posun_sipkou(int* pozice, int drzena, int prah, int krok, int mez);

// Runs the gallery from scroll position *pozice, which holds the last position shown on return.
// 1 when left with "OK", -1 with the help button.
int galery(int* pozice);
void zobraz_tl_g(int kurzor, BITMAP* cil);   // the four buttons, `kurzor` lit
int urci_cursor_g(int x, int y);             // the button under the pointer, 0 none
