// The measures every floor of the game shares: the brick grid and where it lies on the screen, the
// brick types and ball kinds that have rules of their own, and the name fields.
#pragma once

constexpr int SLOUPCU = 20;                    // the level grid: 20 columns x 22 rows
constexpr int RADKU = 22;
constexpr int POCET_BUNEK = SLOUPCU * RADKU;   // 440 cells, index = row * 20 + column
constexpr int SIRKA_KOSTKY = 39;
constexpr int VYSKA_KOSTKY = 20;
constexpr int MRIZKA_X = 10;                   // display position of cell 0's top-left corner
constexpr int MRIZKA_Y = 10;

// Cell values and brick types: 0 empty, 1..10 bricks; these three have rules of their own.
constexpr int KOSTKA_PRAZDNA = 0;
constexpr int KOSTKA_DVA_ZASAHY = 8;
constexpr int KOSTKA_PET_ZASAHU = 9;
constexpr int KOSTKA_SEDA = 10;                // grey: only the red ball breaks it before minute 7

// Ball kinds, also the colour of the paddle.
constexpr int KOULE_SEDA = 1;
constexpr int KOULE_MODRA = 2;
constexpr int KOULE_RUDA = 3;

constexpr int MAX_JMENO = 13;                  // name fields: up to 12 characters and a zero byte
inline constexpr char NEUVEDENO[] = "Neuvedeno";        // the name nobody has typed yet
inline constexpr char PRAZDNY_ZAZNAM[] = "- - - - - -";   // the name of an empty table row or save slot

// Where cell `bunka` lies on the screen: the left and the top edge of its brick.
constexpr int x_bunky(int bunka) { return MRIZKA_X + SIRKA_KOSTKY * (bunka % SLOUPCU); }
constexpr int y_bunky(int bunka) { return MRIZKA_Y + VYSKA_KOSTKY * (bunka / SLOUPCU); }
