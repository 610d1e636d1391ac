// The gun: two barrels on the paddle while the shot bonus lasts, volleys of two shots, their flight.
#pragma once
#include "world/objects.h"

// Mounts both barrels when the gun comes on, kills them when it goes off.
void nova_puska(OBJECT* prkno, OBJECT** pusky, int* pocet_pusek);

// Fires a pair of shots from the paddle's ends (the left button is down), at most one pair per 101
// ticks of pro_strelu and never beyond 30 shots.
void nova_strela(OBJECT** strely, int* pocet_strel, OBJECT** pusky, OBJECT* prkno);

// Moves the shots up; one that reaches the ceiling dies.
void re_strela(OBJECT** strely, int pocet);
