// Minute 7 of the play clock: every grey brick turns into a two-hit brick, one after the other.
#pragma once
#include "world/objects.h"

// Turns every standing grey brick into a type-8 brick needing two hits, each redrawn into `buffer`
// and onto the screen with a sound and a pause of 100 ms. With a null buffer the bricks change
// without drawing or pausing.
void odstran_sede(KOSTKA** kostky, int pocet, BITMAP* buffer);
