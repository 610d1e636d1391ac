// Minute 7 of the play clock: every grey brick turns into a two-hit brick.
#include "world/grey_bricks.h"

#include "core/resources.h"

// A grey brick that a red ball destroyed in this same frame stays destroyed: it is scored as grey.
int odstran_sede(KOSTKA** kostky, int pocet, KOSTKA** premenene)
{
    int n = 0;
    for (int i = 0; i < pocet; i++) {
        KOSTKA* k = kostky[i];
        if (k->druh != KOSTKA_SEDA || k->zasahy <= 0) continue;
        k->druh = KOSTKA_DVA_ZASAHY;
        k->zasahy = 2;
        k->obrazek = obr(res_kostka(KOSTKA_DVA_ZASAHY));
        zmeny_kostek++;
        premenene[n++] = k;
    }
    return n;
}
