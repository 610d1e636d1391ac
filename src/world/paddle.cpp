// The paddle: it follows the mouse, and balls bounce off it at the angle of the zone they land on
// (or stick to it while the glue lasts).
#include "world/paddle.h"

#include "core/resources.h"
#include "sound/sound.h"
#include "world/speed.h"

#include <cstdlib>

constexpr int ZON_PRKNA = 9;
constexpr int DRUH_PUSKY_VLEVO = 1;

void re_prkno(OBJECT* prkno, OBJECT** pusky, int pocet_pusek, int mys)
{
    prkno->x = float(mys);
    int sirka = nas[NAS_SIRKA_PRKNA], druh = nas[NAS_DRUH_KOULE];
    if (prkno->velikost != sirka || prkno->druh != druh) {
        prkno->velikost = sirka;
        prkno->druh = druh;
        prkno->obrazek = obr(res_prkno(druh, sirka));
    }
    if (pocet_pusek != 2) return;
    for (int i = 0; i < 2; i++)
        pusky[i]->x = float(pusky[i]->druh == DRUH_PUSKY_VLEVO ? mys : prkno->velikost + mys - 10);
}

// The inner zones 1..7 of the nine: the middle one takes both of its edges, the left ones their left
// edge, the right ones their right edge.
struct PASMO {
    int od;             // the zone spans px + od·u .. px + (od + 1)·u
    bool leva_vcetne, prava_vcetne;
    int smer_x, uhel;
};
static constexpr PASMO PASMA[] = {
    {1, true, false, -1, 30}, {2, true, false, -1, 20}, {3, true, false, -1, 10},
    {4, true, true, 0, 0},
    {5, false, true, 1, 10},  {6, false, true, 1, 20},  {7, false, true, 1, 30},
};

struct SMER_ODRAZU {
    int smer_x, uhel;
};

// The zone rule. A ball coming towards the middle may hang over an end by almost its width; one
// moving outwards needs its centre over the paddle. False: the ball misses.
static bool zona_prkna(const OBJECT* k, float px, int pw, int v, SMER_ODRAZU* s)
{
    float u = float(pw) / ZON_PRKNA;
    float cx = k->x + v / 2;
    if ((k->smer_x >= 0 && k->x + v >= px && cx <= px + u) || (k->smer_x <= 0 && cx >= px && cx <= px + u)) {
        *s = {-1, 40};
        return true;
    }
    for (const PASMO& p : PASMA) {
        float leva = px + p.od * u, prava = px + (p.od + 1) * u;
        bool za_levou = p.leva_vcetne ? cx >= leva : cx > leva;
        bool pred_pravou = p.prava_vcetne ? cx <= prava : cx < prava;
        if (za_levou && pred_pravou) {
            *s = {p.smer_x, p.uhel};
            return true;
        }
    }
    float posledni = px + 8 * u;
    if ((k->smer_x <= 0 && k->x <= px + pw && cx >= posledni)
        || (k->smer_x >= 0 && k->x <= px + pw - v / 2 && cx >= posledni)) {
        *s = {1, 40};
        return true;
    }
    return false;
}

static void nahodny_odraz(SMER_ODRAZU* s)
{
    s->uhel = 10 * (std::rand() % 5);
    if (s->uhel == 0) {
        s->smer_x = 0;
        return;
    }
    s->smer_x = std::rand() % 2 == 0 ? 1 : -1;
}

// A ball takes a new kind or size only here, at the paddle.
static void obnov_kouli(OBJECT* k)
{
    int druh = nas[NAS_DRUH_KOULE], prumer = nas[NAS_PRUMER];
    if (k->velikost == prumer && k->druh == druh) return;
    k->velikost = prumer;
    k->druh = druh;
    k->obrazek = obr(res_koule(druh, prumer));
}

// Glue: the ball rests where it landed, at least 5 pixels in from the left end and 20 from the right.
static void prilepit(OBJECT* k, float px, int pw)
{
    k->posun = k->x - px;
    if (k->posun > pw - 20) k->posun = float(pw - 20);
    if (k->posun < 5) k->posun = 5.0f;
    k->aktivni = false;
}

static void odraz_kouli(OBJECT* k, const OBJECT* prkno, int v, int uhel)
{
    rychlost_pod_uhlem(k, uhel);
    k->krok = hlavni_krok;
    k->smer_y = -1;
    k->y = prkno->y - v;
    zvuk(snd_paddle);
}

void odraz_od_prkna(OBJECT* prkno, OBJECT** koule, int pocet)
{
    float px = prkno->x, py = prkno->y;
    int pw = prkno->velikost;
    for (int i = 0; i < pocet; i++) {
        OBJECT* k = koule[i];
        if (k->druh == 0) continue;
        int v = k->velikost;   // as it landed; the refresh below may change it
        float spodek = k->y + v;
        if (spodek < py || spodek >= py + 2) continue;
        SMER_ODRAZU s;
        if (!zona_prkna(k, px, pw, v, &s)) continue;
        if (nas[NAS_NAHODNY_ODRAZ] == 1) nahodny_odraz(&s);
        k->smer_x = s.smer_x;
        obnov_kouli(k);
        if (nas[NAS_LEPIDLO] == 1 && k->aktivni && k->smer_y == 1) prilepit(k, px, pw);
        if (k->aktivni) odraz_kouli(k, prkno, v, s.uhel);
    }
}
