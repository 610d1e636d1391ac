// Minute 7 of the play clock: every grey brick turns into a two-hit brick, one after the other.
#include "world/grey_bricks.h"

#include "platform/platform.h"
#include "shell/resources.h"
#include "sound/sound.h"

constexpr int PAUZA_SEDE_MS = 100;

static void ukaz_kostku(const KOSTKA* k, BITMAP* buffer)
{
    BITMAP* b = k->obrazek;
    acquire_bitmap(buffer);
    blit(b, buffer, 0, 0, k->x, k->y, b->w, b->h);
    release_bitmap(buffer);
    acquire_screen();
    blit(buffer, screen, k->x, k->y, k->x, k->y, b->w, b->h);
    release_screen();
}

// A grey brick that a red ball destroyed in this same frame stays destroyed: it is scored as grey.
void odstran_sede(KOSTKA** kostky, int pocet, BITMAP* buffer)
{
    for (int i = 0; i < pocet; i++) {
        KOSTKA* k = kostky[i];
        if (k->druh != KOSTKA_SEDA || k->zasahy <= 0) continue;
        k->druh = KOSTKA_DVA_ZASAHY;
        k->zasahy = 2;
        k->obrazek = obr(res_kostka(KOSTKA_DVA_ZASAHY));
        if (buffer) ukaz_kostku(k, buffer);
        zvuk(snd_brick);
        if (buffer) plat_rest(PAUZA_SEDE_MS);
    }
}
