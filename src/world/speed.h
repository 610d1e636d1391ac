// The game speed: the step length from the play clock's minute, its once-a-minute ramp, and the
// speeds of a ball sent off at a given angle.
#pragma once
#include "world/objects.h"

// Sets hlavni_krok to the value of the current minute of the play clock.
void srovnat_rychlost();

// Once per new minute m: moves hlavni_krok up by 0.05 towards the minute's value (from minute 11 on
// it is maxi_krok). Returns m.
int zmena_rychlosti(int m);

// Gives the ball the speed hlavni_krok at angle `uhel` (256ths of a turn) from the vertical, with the
// library's fixed-point sine and root.
void rychlost_pod_uhlem(OBJECT* koule, int uhel);
