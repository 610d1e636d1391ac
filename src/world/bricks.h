// The brick store between ticks: removal and scoring of destroyed bricks, the row index of the
// shots, and the test that the round is won.
#pragma once
#include "world/objects.h"

// Hits a brick of this type needs: 5 for type 9, 2 for type 8, 1 for the rest.
int zasahy_druhu(int druh);

// Appends a brick for every cell holding 1..10, in cell order, at kostky[*pocet] on; other values are
// empty cells. The store never grows past its 440 places.
void kostky_z_bunek(const int* bunky, KOSTKA** kostky, int* pocet);

// Points for removing a brick: 50 for grey, 20 for types 6 to 9, 10 for the rest.
int body_za_kostku(const KOSTKA* k);

// Marks every row of the row index as holding no brick.
void smaz_index_radku();

// Once per drawn frame: frees destroyed bricks keeping the order of the others, adds their points to
// the score and, while the gun is on, rebuilds the row index.
void re_kostky(KOSTKA** kostky, int* pocet);

// Writes 661 into *stav when no brick but grey ones is left (or none at all).
void kontrola_stavu_kostek(KOSTKA** kostky, int pocet, int* stav);
