// The paddle: it follows the mouse, and balls bounce off it at the angle of the zone they land on
// (or stick to it while the glue lasts).
#pragma once
#include "world/objects.h"

// Puts the paddle and its gun barrels at the mouse; takes on a new width or colour from nas (the game
// then keeps the pointer out of the wall for the new width).
void re_prkno(OBJECT* prkno, OBJECT** pusky, int pocet_pusek, int mys);

// Every ball whose bottom lies in the paddle's top two pixels: the zone sets its direction, it takes
// the current kind and size, and a ball in flight is caught by glue or sent off at hlavni_krok.
void odraz_od_prkna(OBJECT* prkno, OBJECT** koule, int pocet);
