// The effects of the sixteen bonuses, applied when their capsule has been caught.
#include "world/bonus_effects.h"

#include "core/globals.h"
#include "world/capsules.h"

// What a bonus does to one entry of nas: keep it, set it, or step a size up or down.
constexpr int NECH = -1, VETSI = -2, MENSI = -3;

// One bonus. Every effect that touches the settings also clears the extra-ball request; "ball +"
// sets it, and the speed bonuses and "next level" leave everything alone.
struct UCINEK {
    int zivoty;             // change of the lives
    int odraz, navic, druh, prumer, sirka, puska, lepidlo;
    double krok;            // change of the step length
    int stav;               // written into the round's state word
};
static constexpr UCINEK UCINKY[POCET_DRUHU_BONUSU + 1] = {
    //  zivoty odraz  navic  druh  prumer  sirka  puska  lepidlo krok  stav
    {0, NECH, NECH, NECH, NECH, NECH, NECH, NECH, 0.0, 0},
    {1, 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0, 0.0, 0},         // 1 life +
    {-1, 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0, 0.0, 0},        // 2 life -
    {0, NECH, 1, NECH, NECH, NECH, NECH, NECH, 0.0, 0},                            // 3 ball +
    {0, 0, 0, KOULE_MODRA, NECH, NECH, 0, 0, 0.0, 0},                              // 4 blue ball
    {0, 0, 0, KOULE_RUDA, NECH, NECH, 0, 0, 0.0, 0},                               // 5 red ball
    {0, 0, 0, KOULE_SEDA, NECH, NECH, NECH, NECH, 0.0, 0},                         // 6 grey ball
    {0, 0, 0, NECH, VETSI, NECH, NECH, NECH, 0.0, 0},                              // 7 ball size +
    {0, 0, 0, NECH, MENSI, NECH, NECH, NECH, 0.0, 0},                              // 8 ball size -
    {0, 0, 0, NECH, NECH, VETSI, NECH, NECH, 0.0, 0},                              // 9 paddle +
    {0, 0, 0, NECH, NECH, MENSI, NECH, NECH, 0.0, 0},                              // 10 paddle -
    {0, NECH, NECH, NECH, NECH, NECH, NECH, NECH, 0.1, 0},                         // 11 speed +
    {0, NECH, NECH, NECH, NECH, NECH, NECH, NECH, -0.1, 0},                        // 12 speed -
    {0, 0, 0, KOULE_SEDA, NECH, NECH, 1, 0, 0.0, 0},                               // 13 gun
    {0, 0, 0, KOULE_SEDA, NECH, NECH, 0, 1, 0.0, 0},                               // 14 glue
    {0, 1, 0, NECH, NECH, NECH, NECH, NECH, 0.0, 0},                               // 15 random ricochet
    {0, NECH, NECH, NECH, NECH, NECH, NECH, NECH, 0.0, STAV_VYHRA},                // 16 next level
};

// Sizes come in three steps: a step up from the smallest gives the middle one, else the largest.
static int zmen(int hodnota, int pravidlo, int mala, int stredni, int velka)
{
    if (pravidlo == VETSI) return hodnota == mala ? stredni : velka;
    if (pravidlo == MENSI) return hodnota == velka ? stredni : mala;
    return pravidlo == NECH ? hodnota : pravidlo;
}

// The limits are tested before the change, so a step can end beyond them.
static void zmen_krok(double o)
{
    if (o > 0 && hlavni_krok < maxi_krok) hlavni_krok = float(hlavni_krok + o);
    if (o < 0 && hlavni_krok > mini_krok) hlavni_krok = float(hlavni_krok + o);
}

// Lives are never taken in try mode; in a game the loss of a life below zero ends it.
static void zmen_zivoty(int o, int* stav)
{
    if (o == 0) return;
    if (o < 0 && MOD_HRY == MOD_ZKUSEBNI) return;
    nas[NAS_ZIVOTY] += o;
    if (o < 0 && nas[NAS_ZIVOTY] < 0) *stav = STAV_PROHRA;
}

static void proved_ucinek(const UCINEK& u, int* stav)
{
    zmen_zivoty(u.zivoty, stav);
    nastav(nas[NAS_ZIVOTY],
           zmen(nas[NAS_NAHODNY_ODRAZ], u.odraz, 0, 0, 0),
           zmen(nas[NAS_KOULE_NAVIC], u.navic, 0, 0, 0),
           zmen(nas[NAS_DRUH_KOULE], u.druh, 0, 0, 0),
           zmen(nas[NAS_PRUMER], u.prumer, 8, 12, 16),
           zmen(nas[NAS_SIRKA_PRKNA], u.sirka, 40, 80, 120),
           zmen(nas[NAS_PUSKA], u.puska, 0, 0, 0),
           zmen(nas[NAS_LEPIDLO], u.lepidlo, 0, 0, 0));
    zmen_krok(u.krok);
    if (u.stav != 0 && MOD_HRY != MOD_ZKUSEBNI) *stav = u.stav;
}

void menit_nastaveni(OBJECT** bonusy, int pocet, int* stav)
{
    for (int i = 0; i < pocet; i++) {
        OBJECT* c = bonusy[i];
        if (!c->aktivni) continue;
        c->aktivni = false;
        if (c->druh >= 1 && c->druh <= POCET_DRUHU_BONUSU) proved_ucinek(UCINKY[c->druh], stav);
        c->druh = 0;
    }
}
