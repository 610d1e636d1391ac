// The balls: making them, their flight between the walls, the launch from the paddle, the extra ball,
// and what follows the loss of the last one.
#include "world/ball.h"

#include "core/globals.h"
#include "core/resources.h"
#include "sound/sound.h"
#include "world/speed.h"

OBJECT* udelej_kouli(float x, float y)
{
    int druh = nas[NAS_DRUH_KOULE], prumer = nas[NAS_PRUMER];
    return novy_object(res_koule(druh, prumer), x, y, prumer, 0.3f, 0.2f, -1, -1, druh, 0);
}

// The position is not corrected: a ball beyond a wall line turns and comes back on the next ticks,
// sounding at every tick it stays beyond.
static void let_koule(OBJECT* k)
{
    k->x += k->smer_x * k->rychlost_x;
    k->y += k->smer_y * k->rychlost_y;
    if (k->x <= STENA_VLEVO) {
        k->smer_x = 1;
        zvuk(snd_wall);
    }
    if (k->x + k->velikost >= STENA_VPRAVO) {
        k->smer_x = -1;
        zvuk(snd_wall);
    }
    if (k->y <= STROP) {
        k->smer_y = 1;
        zvuk(snd_wall);
    }
    if (k->y > DNO) {
        k->druh = 0;
        zvuk(snd_ball_lost);
    }
}

// A paddle that narrowed pulls its resting balls in, so that none hangs past its right end.
static void na_prkne(OBJECT* k, const OBJECT* prkno)
{
    float nejvic = float(nas[NAS_SIRKA_PRKNA] - 20);
    if (k->posun > nejvic) k->posun = nejvic;
    k->x = prkno->x + k->posun;
    k->y = prkno->y - k->velikost;
}

void re_koule(OBJECT** koule, int pocet, OBJECT* prkno)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* k = koule[i];
        if (k->druh == 0) continue;
        if (k->aktivni) {
            let_koule(k);
        } else {
            na_prkne(k, prkno);
        }
    }
}

// The paddle bounce of the same tick gives a launched ball its real start.
void aktivace_kouli(OBJECT** koule, int pocet)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* k = koule[i];
        if (k->aktivni || k->druh == 0) continue;
        k->aktivni = true;
        k->smer_y = -1;
    }
}

void kontrola_stavu_kouli(OBJECT* prkno, OBJECT** koule, int* pocet, int* stav)
{
    if (*pocet != 0) return;
    if (nas[NAS_ZIVOTY] <= 0) {
        *stav = STAV_PROHRA;
        return;
    }
    if (MOD_HRY != MOD_ZKUSEBNI) nas[NAS_ZIVOTY]--;
    nastav(nas[NAS_ZIVOTY], 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0);
    srovnat_rychlost();
    OBJECT* k = udelej_kouli(prkno->x, prkno->y - nas[NAS_PRUMER]);
    if (k) koule[(*pocet)++] = k;
}

void nova_koule(OBJECT* prkno, OBJECT** koule, int* pocet)
{
    if (nas[NAS_KOULE_NAVIC] == 1 && *pocet < MAX_KOULI) {
        OBJECT* k = udelej_kouli(prkno->x, prkno->y - nas[NAS_PRUMER]);
        if (k) koule[(*pocet)++] = k;
    }
    nas[NAS_KOULE_NAVIC] = 0;
}
