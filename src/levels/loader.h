// The level loader: turns a level file, or a saved game with its level, into the bricks of a round and
// hides the bonuses in them.
#pragma once
#include "core/modes.h"
#include "world/objects.h"

// Fills `kostky` from index *pocet on (the caller sets it to 0) with the bricks of level `level`, or in
// mode 3 with those of saved game `ulozena` together with its state. `autor` (13 bytes) receives the
// level's author. Returns 0, STAV_NENI_UROVEN when there is no such level, or STAV_CHYBI_SOUBOR when
// the saved game or its level cannot be used.
int priprav_kostky(char* autor, int mod, int level, int ulozena, KOSTKA** kostky, int* pocet);

// Draws a bonus, with rand(), for each of the bricks kostky[od] .. kostky[do_ - 1] that may carry one.
void prirad_bonusy(KOSTKA** kostky, int od, int do_);
