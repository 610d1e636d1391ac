// One round's moving objects and the two steps the game loop repeats: a tick of the world and the
// clearing at the end of a drawn frame.
#pragma once
#include "world/objects.h"

struct KOLO {                       // the moving objects of one round, owned by the game loop
    OBJECT* prkno;
    OBJECT* koule[MAX_KOULI];  int pocet_kouli;
    OBJECT* pusky[MAX_PUSEK];  int pocet_pusek;
    OBJECT* strely[MAX_STREL]; int pocet_strel;
    OBJECT* bonusy[MAX_BONUSU]; int pocet_bonusu;
    int status;                     // a STAV_KOLA: 0 while the round runs
    int posledni_minuta;            // minute at which the speed was last adjusted
    KOSTKA* premenene[POCET_BUNEK]; // grey bricks turned breakable in the last tick, for the drawing code
    int pocet_premenenych;
};

// One tick of the world, after the loop has counted it and polled the mouse. The first nonzero
// status stands: later ticks of the same pass run but cannot replace it. At 7:00 the grey bricks turn
// breakable; the tick lists them in `premenene` and the game shows them before the next tick.
void tik_kola(KOLO* k, bool leve_tlacitko, int mys);

// End of a drawn frame: dead objects and destroyed bricks go, the bricks are scored.
void konec_snimku(KOLO* k);

// The paddle at the mouse and the first ball resting on it, with every list empty; status and
// posledni_minuta are left alone. False when the paddle cannot be made.
bool zaloz_objekty_kola(KOLO* k, int mys);

// Frees every object and brick of the round; the lists and the brick store end up empty.
void uvolni_kolo(KOLO* k);
