// One round's moving objects and the two steps the game loop repeats: a tick of the world and the
// clearing at the end of a drawn frame.
#include "world/round.h"

#include "core/play_clock.h"
#include "core/resources.h"
#include "world/ball.h"
#include "world/bonus_effects.h"
#include "world/brick_collision.h"
#include "world/bricks.h"
#include "world/capsules.h"
#include "world/grey_bricks.h"
#include "world/gun.h"
#include "world/paddle.h"
#include "world/speed.h"

constexpr int MINUTA_SEDYCH = 7;   // the grey bricks turn breakable at 7:00

void tik_kola(KOLO* k, bool leve_tlacitko, int mys)
{
    int stav = STAV_HRAJE;
    k->pocet_premenenych = 0;
    if (leve_tlacitko) {
        aktivace_kouli(k->koule, k->pocet_kouli);
        nova_strela(k->strely, &k->pocet_strel, k->pusky, k->prkno);
    }
    nova_puska(k->prkno, k->pusky, &k->pocet_pusek);
    nova_koule(k->prkno, k->koule, &k->pocet_kouli);
    odraz_od_prkna(k->prkno, k->koule, k->pocet_kouli);
    re_prkno(k->prkno, k->pusky, k->pocet_pusek, mys);
    re_koule(k->koule, k->pocet_kouli, k->prkno);
    re_strela(k->strely, k->pocet_strel);
    re_bonus(k->bonusy, k->pocet_bonusu);
    int koule = odraz_od_kostek(kostka, POCET_KOSTEK, k->koule, k->pocet_kouli);
    int strely = odraz_str_od_kostek(kostka, POCET_KOSTEK, k->strely, k->pocet_strel);
    if (koule == 1 || strely == 1) novy_bonus(kostka, POCET_KOSTEK, k->bonusy, &k->pocet_bonusu);
    brat_bonus(k->prkno, k->bonusy, k->pocet_bonusu);
    menit_nastaveni(k->bonusy, k->pocet_bonusu, &stav);
    kontrola_stavu_kouli(k->prkno, k->koule, &k->pocet_kouli, &stav);
    kontrola_stavu_kostek(kostka, POCET_KOSTEK, &stav);
    if (k->status == STAV_HRAJE) k->status = stav;
    if (minuty != k->posledni_minuta) k->posledni_minuta = zmena_rychlosti(minuty);
    if (sekundy == 0 && minuty == MINUTA_SEDYCH) k->pocet_premenenych = odstran_sede(kostka, POCET_KOSTEK, k->premenene);
}

void konec_snimku(KOLO* k)
{
    re_last_prkno(k->prkno);
    re_last_object(k->pusky, &k->pocet_pusek);
    re_last_object(k->koule, &k->pocet_kouli);
    re_last_object(k->strely, &k->pocet_strel);
    re_last_object(k->bonusy, &k->pocet_bonusu);
    re_kostky(kostka, &POCET_KOSTEK);
}

bool zaloz_objekty_kola(KOLO* k, int mys)
{
    k->prkno = nullptr;
    k->pocet_kouli = k->pocet_pusek = k->pocet_strel = k->pocet_bonusu = 0;
    k->prkno = novy_object(res_prkno(nas[NAS_DRUH_KOULE], nas[NAS_SIRKA_PRKNA]), float(mys), PRKNO_Y,
                           ZAKLADNI_SIRKA, 0, 0, 0, 0, KOULE_SEDA, 1);
    if (!k->prkno) return false;
    OBJECT* koule = novy_object(res_koule(nas[NAS_DRUH_KOULE], nas[NAS_PRUMER]), k->prkno->x + 10.0f,
                                k->prkno->y - nas[NAS_PRUMER], nas[NAS_PRUMER], 0.3f, 0.2f, -1, -1,
                                nas[NAS_DRUH_KOULE], 0);
    if (koule) k->koule[k->pocet_kouli++] = koule;
    return true;
}

static void uvolni(OBJECT** pole, int* pocet)
{
    for (int i = 0; i < *pocet; i++) {
        delete pole[i];
        pole[i] = nullptr;
    }
    *pocet = 0;
}

void uvolni_kolo(KOLO* k)
{
    delete k->prkno;
    k->prkno = nullptr;
    uvolni(k->pusky, &k->pocet_pusek);
    uvolni(k->koule, &k->pocet_kouli);
    for (int i = 0; i < POCET_KOSTEK; i++) {
        delete kostka[i];
        kostka[i] = nullptr;
    }
    uvolni(k->strely, &k->pocet_strel);
    uvolni(k->bonusy, &k->pocet_bonusu);
    POCET_KOSTEK = 0;
}
