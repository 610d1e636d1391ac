// The playfield's records: the shared state block, the brick store, the step length, and the making
// and once-per-frame clearing of moving objects.
#include "world/objects.h"

#include "core/resources.h"

#include <new>

int nas[POCET_NAS];
KOSTKA* kostka[POCET_BUNEK];
int POCET_KOSTEK = 0;
unsigned long long zmeny_kostek = 0;

float hlavni_krok = 0.35f;
float mini_krok = 0.35f;
float maxi_krok = 0.9f;

// The second argument goes to the ricochet entry, not to the score; score and clock stay.
void nastav(int zivoty, int odraz, int koule_navic, int druh, int prumer, int sirka, int puska, int lepidlo)
{
    nas[NAS_ZIVOTY] = zivoty;
    nas[NAS_NAHODNY_ODRAZ] = odraz;
    nas[NAS_KOULE_NAVIC] = koule_navic;
    nas[NAS_DRUH_KOULE] = druh;
    nas[NAS_PRUMER] = prumer;
    nas[NAS_SIRKA_PRKNA] = sirka;
    nas[NAS_PUSKA] = puska;
    nas[NAS_LEPIDLO] = lepidlo;
}

// The size comes from the sprite; a new ball rests 10 pixels in from the paddle's left end.
OBJECT* novy_object(int res, float x, float y, int velikost, float rychlost_x, float rychlost_y,
                    int smer_x, int smer_y, int druh, int aktivni)
{
    OBJECT* o = new (std::nothrow) OBJECT;
    if (!o) return nullptr;
    BITMAP* b = obr(res);
    *o = OBJECT{x, y, x, y, b->w, b->h, rychlost_x, rychlost_y, 10.0f, smer_x, smer_y, aktivni != 0,
                velikost, druh, 0, hlavni_krok, b};
    return o;
}

KOSTKA* nova_kostka(int x, int y, int druh, int zasahy, int pozice)
{
    if (druh < 1 || druh > KOSTKA_SEDA) return nullptr;
    KOSTKA* k = new (std::nothrow) KOSTKA;
    if (!k) return nullptr;
    *k = KOSTKA{x, y, druh, 0, zasahy, pozice, obr(res_kostka(druh))};
    zmeny_kostek++;
    return k;
}

// What the next frame's dirty rectangle starts from: the position just drawn and the sprite's size.
static void obnov_object(OBJECT* o)
{
    o->x_stare = o->x;
    o->y_stare = o->y;
    o->sirka = o->obrazek->w;
    o->vyska = o->obrazek->h;
}

void re_last_object(OBJECT** pole, int* pocet)
{
    for (int i = 0; i < *pocet;) {
        if (pole[i]->druh != 0) {
            i++;
            continue;
        }
        OBJECT* posledni = pole[--*pocet];
        if (i != *pocet) *pole[i] = *posledni;   // slot i is looked at again: the newcomer may be dead too
        delete posledni;
        pole[*pocet] = nullptr;
    }
    for (int i = 0; i < *pocet; i++) obnov_object(pole[i]);
}

void re_last_prkno(OBJECT* prkno)
{
    if (prkno) obnov_object(prkno);
}
