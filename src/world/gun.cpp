// The gun: two barrels on the paddle while the shot bonus lasts, volleys of two shots, their flight.
#include "world/gun.h"

#include "core/globals.h"
#include "core/play_clock.h"
#include "core/resources.h"
#include "sound/sound.h"

constexpr float RYCHLOST_STRELY = 0.4f;
constexpr int ODSTUP_SALVY = 100;   // pro_strelu must exceed this between volleys

static void pridej(OBJECT** pole, int* pocet, OBJECT* o)
{
    if (o) pole[(*pocet)++] = o;
}

void nova_puska(OBJECT* prkno, OBJECT** pusky, int* pocet_pusek)
{
    float y = prkno->y - 5;
    if (nas[NAS_PUSKA] == 1 && *pocet_pusek == 0) {
        pridej(pusky, pocet_pusek, novy_object(bmp_gun_left, prkno->x, y, 0, 0, 0, 0, 0, 1, 0));
        pridej(pusky, pocet_pusek,
               novy_object(bmp_gun_right, prkno->x + prkno->velikost - 10, y, 0, 0, 0, 0, 0, 2, 0));
    }
    if (*pocet_pusek == 2 && nas[NAS_PUSKA] == 0) {
        pusky[0]->druh = 0;
        pusky[1]->druh = 0;
    }
}

// The barrels are passed by the game loop but the shots leave from the paddle itself.
void nova_strela(OBJECT** strely, int* pocet_strel, OBJECT**, OBJECT* prkno)
{
    if (nas[NAS_PUSKA] != 1 || *pocet_strel + 1 >= MAX_STREL || pro_strelu <= ODSTUP_SALVY) return;
    pro_strelu = 0;
    float x = prkno->x, y = prkno->y;
    pridej(strely, pocet_strel, novy_object(bmp_shot, x + 1, y, 0, 0, RYCHLOST_STRELY, 0, -1, 1, 1));
    pridej(strely, pocet_strel,
           novy_object(bmp_shot, x + prkno->velikost - 2, y, 0, 0, RYCHLOST_STRELY, 0, -1, 1, 1));
    zvuk(snd_click);
}

void re_strela(OBJECT** strely, int pocet)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* s = strely[i];
        if (s->druh == 0) continue;
        s->y += s->smer_y * s->rychlost_y;
        if (s->y <= STROP) s->druh = 0;
    }
}
