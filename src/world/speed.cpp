// The game speed: the step length from the play clock's minute, its once-a-minute ramp, and the
// speeds of a ball sent off at a given angle.
#include "world/speed.h"

#include "core/globals.h"
#include "core/play_clock.h"

constexpr int MINUT_RAMPY = 10;   // from minute 11 on the speed is maxi_krok
static constexpr double RYCHLOST_MINUTY[MINUT_RAMPY + 1] = {
    0.35, 0.40, 0.45, 0.50, 0.55, 0.60, 0.65, 0.70, 0.75, 0.80, 0.85,
};

void srovnat_rychlost()
{
    int m = minuty;
    if (m > MINUT_RAMPY) {
        hlavni_krok = maxi_krok;
    } else if (m >= 0) {
        hlavni_krok = float(RYCHLOST_MINUTY[m]);
    }
}

// Never a jump: a slowdown bonus is caught up 0.05 a minute. Compared and added in double precision.
int zmena_rychlosti(int m)
{
    if (m > MINUT_RAMPY) {
        hlavni_krok = maxi_krok;
    } else if (m >= 1 && hlavni_krok < RYCHLOST_MINUTY[m]) {
        hlavni_krok = float(hlavni_krok + 0.05);
    }
    return m;
}

void rychlost_pod_uhlem(OBJECT* koule, int uhel)
{
    koule->rychlost_x = float(fixtof(fixsin(itofix(uhel))) * hlavni_krok);
    koule->rychlost_y = float(fixtof(fixsqrt(ftofix(hlavni_krok * hlavni_krok
                                                      - koule->rychlost_x * koule->rychlost_x))));
}
