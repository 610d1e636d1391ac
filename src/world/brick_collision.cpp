// Balls and shots against bricks: which brick is touched, from which side or corner a ball bounces,
// and how much damage the brick takes by the kind of the ball.
#include "world/brick_collision.h"

#include "core/resources.h"
#include "sound/sound.h"
#include "world/speed.h"

constexpr int OKRAJ_STRANY = 10;   // a side is hit within 10 pixels of the brick's edge
constexpr int OKRAJ_ROHU = 9;      // a corner zone reaches 9 pixels into the brick
constexpr int UHEL_Z_ROHU = 20;    // a straight ball leaves a lower corner at this angle

// A grey ball bounces off every brick, a blue one only off grey bricks, a red one off none.
static bool odrazi_se(const OBJECT* koule, const KOSTKA* k)
{
    return koule->druh == KOULE_SEDA || (koule->druh == KOULE_MODRA && k->druh == KOSTKA_SEDA);
}

// Without a bounce a brick is still broken by a red ball, and by a blue one unless it is grey.
static bool rozbiji(const OBJECT* koule, const KOSTKA* k)
{
    return koule->druh == KOULE_RUDA || (koule->druh == KOULE_MODRA && k->druh != KOSTKA_SEDA);
}

static bool prekryva(const KOSTKA* k, const OBJECT* koule)
{
    int v = koule->velikost;
    return k->x + k->obrazek->w >= koule->x && koule->x + v >= k->x
        && koule->y + v >= k->y && k->y + k->obrazek->h >= koule->y;
}

// Top or bottom when the centre is over the brick, left or right when it is level with it.
static int strana_kostky(const KOSTKA* k, const OBJECT* koule)
{
    int v = koule->velikost, bw = k->obrazek->w, bh = k->obrazek->h;
    float cx = koule->x + v / 2, cy = koule->y + v / 2;
    if (k->x < cx && cx < k->x + bw) {
        if (koule->y + v < k->y + OKRAJ_STRANY) return STRANA_NAHORE;
        if (koule->y > k->y + bh - OKRAJ_STRANY) return STRANA_DOLE;
        return 0;
    }
    if (k->y < cy && cy < k->y + bh) {
        if (koule->x + v < k->x + OKRAJ_STRANY) return STRANA_VLEVO;
        if (koule->x > k->x + bw - OKRAJ_STRANY) return STRANA_VPRAVO;
    }
    return 0;
}

// Turns the ball away from a side and moves it one step back out along that axis.
static void odraz_od_strany(OBJECT* koule, int strana)
{
    switch (strana) {
    case STRANA_NAHORE: koule->smer_y = -1; break;
    case STRANA_DOLE:   koule->smer_y = 1; break;
    case STRANA_VLEVO:  koule->smer_x = -1; break;
    default:            koule->smer_x = 1; break;
    }
    if (strana == STRANA_NAHORE || strana == STRANA_DOLE) {
        koule->y += koule->smer_y * koule->rychlost_y;
    } else {
        koule->x += koule->smer_x * koule->rychlost_x;
    }
}

// Whether the contact of this tick damages the brick; if so the damage and the sound.
static bool zasah(KOSTKA* k, const OBJECT* koule, int strana, bool odrazil)
{
    if (!odrazil && (strana == 0 || !rozbiji(koule, k))) return false;
    if (k->druh != KOSTKA_SEDA && strana != 0) k->zasahy -= 1;
    if (k->druh != KOSTKA_SEDA && koule->druh == KOULE_MODRA) k->zasahy = 0;
    if (koule->druh == KOULE_RUDA) k->zasahy = 0;
    zvuk(snd_brick);
    return true;
}

// The store runs in ascending cell order, so the bricks' tops never decrease along it: a ball can
// only touch the run of bricks whose tops lie between a brick's height above it and its bottom. When
// the store is not in that order, every brick is looked at.
struct RADA {
    bool serazena;
    int vyska;      // the tallest brick
};

static RADA zjisti_radu(KOSTKA** kostky, int pocet)
{
    RADA r{true, 0};
    for (int j = 0; j < pocet; j++) {
        if (kostky[j]->obrazek->h > r.vyska) r.vyska = kostky[j]->obrazek->h;
        if (j > 0 && kostky[j]->y < kostky[j - 1]->y) r.serazena = false;
    }
    return r;
}

static int prvni_na_dosah(KOSTKA** kostky, int pocet, const RADA& r, const OBJECT* koule)
{
    if (!r.serazena) return 0;
    int od = 0, po = pocet;
    while (od < po) {
        int m = (od + po) / 2;
        if (kostky[m]->y + r.vyska < koule->y) {
            od = m + 1;
        } else {
            po = m;
        }
    }
    return od;
}

static bool za_dosahem(const KOSTKA* k, const OBJECT* koule, const RADA& r)
{
    return r.serazena && koule->y + koule->velikost < k->y;
}

// Sides: the first brick this ball damages ends the search. *dotek keeps the first side found on a
// brick the ball bounces off.
static bool strany(KOSTKA** kostky, int pocet, const RADA& r, OBJECT* koule, int* dotek)
{
    for (int j = prvni_na_dosah(kostky, pocet, r, koule); j < pocet; j++) {
        KOSTKA* k = kostky[j];
        if (za_dosahem(k, koule, r)) break;
        if (k->zasahy <= 0 || !prekryva(k, koule)) continue;
        int strana = strana_kostky(k, koule);
        bool odrazi = odrazi_se(koule, k), odrazil = false;
        if (strana != 0 && koule->posledni_kostka != k->pozice && odrazi) {
            odraz_od_strany(koule, strana);
            koule->posledni_kostka = k->pozice;
            odrazil = true;
        }
        if (*dotek == 0 && odrazi) *dotek = strana;
        if (zasah(k, koule, strana, odrazil)) return true;
    }
    return false;
}

static bool rohy(KOSTKA** kostky, int pocet, const RADA& r, OBJECT* koule, int* dotek)
{
    for (int j = prvni_na_dosah(kostky, pocet, r, koule); j < pocet; j++) {
        KOSTKA* k = kostky[j];
        if (za_dosahem(k, koule, r)) break;
        if (k->zasahy <= 0 || !prekryva(k, koule)) continue;
        int odrazil = 0;
        int roh = odraz_body_k(k, koule, &odrazil);
        if (*dotek == 0 && odrazi_se(koule, k)) *dotek = roh;
        if (zasah(k, koule, roh, odrazil != 0)) return true;
    }
    return false;
}

int odraz_od_kostek(KOSTKA** kostky, int pocet, OBJECT** koule, int pocet_kouli)
{
    RADA r = zjisti_radu(kostky, pocet);
    int zasazeno = 0;
    for (int i = 0; i < pocet_kouli; i++) {
        OBJECT* b = koule[i];
        if (b->druh == 0) continue;
        int dotek = 0;
        if (strany(kostky, pocet, r, b, &dotek)) zasazeno = 1;
        if (rohy(kostky, pocet, r, b, &dotek)) zasazeno = 1;
        if (dotek == 0) b->posledni_kostka = -1;   // the next contact may bounce again
    }
    return zasazeno;
}

// The four corners in the order they are tried: which edges meet there, and the way out of them.
struct ROH_KOSTKY {
    bool vpravo, dole;
    int smer_x, smer_y;
};
static constexpr ROH_KOSTKY ROHY[4] = {
    {false, false, -1, -1}, {true, false, 1, -1}, {false, true, -1, 1}, {true, true, 1, 1},
};

// The ball's edge lies on the brick's edge or less than 9 pixels inside it.
static bool v_rohu(const KOSTKA* k, const OBJECT* koule, const ROH_KOSTKY& r)
{
    int v = koule->velikost, bw = k->obrazek->w, bh = k->obrazek->h;
    bool vodorovne = r.vpravo ? k->x + bw - OKRAJ_ROHU < koule->x && koule->x <= k->x + bw
                              : k->x <= koule->x + v && koule->x + v < k->x + OKRAJ_ROHU;
    bool svisle = r.dole ? k->y + bh - OKRAJ_ROHU < koule->y && koule->y <= k->y + bh
                         : k->y <= koule->y + v && koule->y + v < k->y + OKRAJ_ROHU;
    return vodorovne && svisle;
}

// A ball moving straight at a lower corner turns diagonal; one already leaving the corner's way keeps
// going; otherwise the side nearer the ball decides.
static void odraz_od_rohu(OBJECT* koule, const ROH_KOSTKY& r, float dx, float dy)
{
    if (r.dole && koule->smer_x == 0) {
        koule->smer_x = r.smer_x;
        koule->smer_y = r.smer_y;
        rychlost_pod_uhlem(koule, UHEL_Z_ROHU);
    } else if (koule->smer_y == r.smer_y) {
        koule->smer_x = r.smer_x;
    } else if (koule->smer_y == -r.smer_y && koule->smer_x == r.smer_x) {
        koule->smer_y = r.smer_y;
    } else if (dx > dy) {
        koule->smer_x = r.smer_x;
    } else {
        koule->smer_y = r.smer_y;
    }
}

int odraz_body_k(KOSTKA* k, OBJECT* koule, int* odrazil)
{
    const ROH_KOSTKY* r = nullptr;
    for (const ROH_KOSTKY& roh : ROHY) {
        if (v_rohu(k, koule, roh)) {
            r = &roh;
            break;
        }
    }
    if (!r) return 0;
    int v = koule->velikost;
    float dx = (r->vpravo ? k->x + k->obrazek->w : k->x) - (koule->x + v / 2);
    float dy = (r->dole ? k->y + k->obrazek->h : k->y) - (koule->y + v / 2);
    if (fixtof(fixsqrt(ftofix(dx * dx + dy * dy))) > v / 2) return 0;
    if (koule->posledni_kostka != -1 || !odrazi_se(koule, k)) return ROH;
    odraz_od_rohu(koule, *r, dx, dy);
    koule->posledni_kostka = k->pozice;
    *odrazil = 1;
    return ROH;
}

// The shot is looked up in the row index: the row above the one its top is in.
int odraz_str_od_kostek(KOSTKA** kostky, int pocet, OBJECT** strely, int pocet_strel)
{
    int zasazeno = 0;
    for (int i = 0; i < pocet_strel; i++) {
        OBJECT* s = strely[i];
        int r = int(s->y / VYSKA_KOSTKY) - 1;
        if (r < 0 || r >= RADKU || nas[NAS_RADKY + 2 * r] == PRAZDNY_RADEK) continue;
        int posledni = nas[NAS_RADKY + 2 * r + 1];
        for (int p = nas[NAS_RADKY + 2 * r]; p <= posledni && s->druh > 0; p++) {
            if (p < 0 || p >= pocet) continue;
            KOSTKA* k = kostky[p];
            if (k->zasahy <= 0) continue;
            if (s->x + s->obrazek->w < k->x || k->x + k->obrazek->w <= s->x) continue;
            if (s->y + s->obrazek->h < k->y || k->y + k->obrazek->h <= s->y) continue;
            s->druh = 0;
            if (k->druh != KOSTKA_SEDA) k->zasahy -= 1;
            zasazeno = 1;
            zvuk(snd_brick);
        }
    }
    return zasazeno;
}
