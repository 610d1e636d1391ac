// Minute 7 of the play clock: every grey brick turns into a two-hit brick.
#pragma once
#include "world/objects.h"

// Turns every standing grey brick into a type-8 brick needing two hits and lists it in `premenene`,
// in brick order, for the drawing code to show. Returns how many were turned.
int odstran_sede(KOSTKA** kostky, int pocet, KOSTKA** premenene);
