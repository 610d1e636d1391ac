// Balls and shots against bricks: which brick is touched, from which side or corner a ball bounces,
// and how much damage the brick takes by the kind of the ball.
#include "world/brick_collision.h"

#include "core/resources.h"
#include "sound/sound.h"
#include "world/speed.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

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

// Where the bricks stand: the brick in each grid cell. The store runs in ascending cell order and
// every brick sits in its own cell, so the bricks an object may touch are those of the few cells
// around it, and walking those cells in order walks the store in order. A store that is not so (only
// a test builds one) is searched brick by brick. Bricks never move, so the map is kept from call to
// call while the store holds the same bricks and no brick was made or changed its picture.
struct MAPA_KOSTEK {
    bool plati = false;
    int pocet = -1;
    KOSTKA** kostky = nullptr;
    unsigned long long zmeny = 0;
    std::array<KOSTKA*, POCET_BUNEK> obsah{};     // the store as mapped
    std::array<int16_t, POCET_BUNEK> bunka{};     // the cell of each brick of obsah
    std::array<KOSTKA*, POCET_BUNEK> v_bunce{};   // the brick in each cell, null for none
};

static void zmapuj(KOSTKA** kostky, int pocet, MAPA_KOSTEK* m)
{
    m->kostky = kostky;
    m->pocet = pocet;
    m->zmeny = zmeny_kostek;
    std::copy(kostky, kostky + pocet, m->obsah.begin());
    m->v_bunce.fill(nullptr);
    m->plati = false;
    int predchozi = -1;
    for (int j = 0; j < pocet; j++) {
        KOSTKA* k = kostky[j];
        int p = k->pozice;
        if (p <= predchozi || p >= POCET_BUNEK || k->x != x_bunky(p) || k->y != y_bunky(p)) return;
        if (k->obrazek->w > SIRKA_KOSTKY || k->obrazek->h > VYSKA_KOSTKY) return;
        m->v_bunce[p] = k;
        m->bunka[j] = int16_t(p);
        predchozi = p;
    }
    m->plati = true;
}

// How many pointers two runs share from their start (compared a block at a time).
static int shodnych(KOSTKA* const* a, KOSTKA* const* b, int n)
{
    constexpr int BLOK = 16;
    int i = 0;
    while (i + BLOK <= n && std::memcmp(a + i, b + i, BLOK * sizeof(KOSTKA*)) == 0) i += BLOK;
    while (i < n && a[i] == b[i]) i++;
    return i;
}

// After a frame end the store is the mapped one less the bricks removed, in the same order: only the
// cells of those are emptied. False when the store is not so.
static bool zmapuj_ubytek(KOSTKA** kostky, int pocet, MAPA_KOSTEK* m)
{
    if (!m->plati || m->kostky != kostky || m->zmeny != zmeny_kostek || pocet > m->pocet) return false;
    KOSTKA** obsah = m->obsah.data();
    int16_t* bunka = m->bunka.data();
    int i = 0, j = 0;
    while (i < m->pocet) {
        int beh = shodnych(kostky + j, obsah + i, std::min(pocet - j, m->pocet - i));
        std::copy(obsah + i, obsah + i + beh, obsah + j);   // the bricks that stay move up
        std::copy(bunka + i, bunka + i + beh, bunka + j);
        i += beh;
        j += beh;
        if (i < m->pocet) m->v_bunce[bunka[i++]] = nullptr;   // obsah[i] was removed
    }
    m->pocet = j;
    return j == pocet;
}

static const MAPA_KOSTEK& mapa(KOSTKA** kostky, int pocet)
{
    static MAPA_KOSTEK m;
    pocet = std::clamp(pocet, 0, POCET_BUNEK);
    bool stejna = m.kostky == kostky && m.pocet == pocet && m.zmeny == zmeny_kostek
               && std::equal(kostky, kostky + pocet, m.obsah.begin());
    if (!stejna && !zmapuj_ubytek(kostky, pocet, &m)) zmapuj(kostky, pocet, &m);
    return m;
}

// The columns (or rows) whose brick may reach into [od, po]: a brick is at most one cell wide, so its
// left edge lies at most a cell before od. The overlap checks add in single precision, so the span is
// widened by two pixels to cover their rounding. Far off the grid (or not a number) means every one.
struct USEK {
    int od, po;
};

static int podil_dolu(int a, int b) { return a >= 0 ? a / b : -((b - 1 - a) / b); }

template <int ZACATEK, int KROK, int POCET>
static USEK na_dosah(float od, float po)
{
    if (!(od > -1e6f && po < 1e6f)) return {0, POCET - 1};
    int a = podil_dolu(int(od) - 2 - ZACATEK - KROK, KROK);   // int() may round up a negative by one
    int b = podil_dolu(int(po) + 2 - ZACATEK, KROK);
    return {std::max(a, 0), std::min(b, POCET - 1)};
}

// The bricks that may overlap the box x1..x2, y1..y2, in store order.
static int kandidati(const MAPA_KOSTEK& m, float x1, float x2, float y1, float y2, KOSTKA** vystup)
{
    if (!m.plati) {
        std::copy(m.kostky, m.kostky + m.pocet, vystup);
        return m.pocet;
    }
    int n = 0;
    USEK sl = na_dosah<MRIZKA_X, SIRKA_KOSTKY, SLOUPCU>(x1, x2);
    USEK ra = na_dosah<MRIZKA_Y, VYSKA_KOSTKY, RADKU>(y1, y2);
    for (int r = ra.od; r <= ra.po; r++)
        for (int c = sl.od; c <= sl.po; c++)
            if (KOSTKA* k = m.v_bunce[r * SLOUPCU + c]) vystup[n++] = k;
    return n;
}

static int kandidati_koule(const MAPA_KOSTEK& m, const OBJECT* koule, KOSTKA** vystup)
{
    int v = koule->velikost;
    return kandidati(m, koule->x, koule->x + v, koule->y, koule->y + v, vystup);
}

// Sides: the first brick this ball damages ends the search. *dotek keeps the first side found on a
// brick the ball bounces off.
static bool strany(const MAPA_KOSTEK& m, OBJECT* koule, int* dotek)
{
    KOSTKA* kand[POCET_BUNEK];
    int n = kandidati_koule(m, koule, kand);
    for (int i = 0; i < n; i++) {
        KOSTKA* k = kand[i];
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

static bool rohy(const MAPA_KOSTEK& m, OBJECT* koule, int* dotek)
{
    KOSTKA* kand[POCET_BUNEK];
    int n = kandidati_koule(m, koule, kand);
    for (int i = 0; i < n; i++) {
        KOSTKA* k = kand[i];
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
    const MAPA_KOSTEK& m = mapa(kostky, pocet);
    int zasazeno = 0;
    for (int i = 0; i < pocet_kouli; i++) {
        OBJECT* b = koule[i];
        if (b->druh == 0) continue;
        int dotek = 0;
        if (strany(m, b, &dotek)) zasazeno = 1;
        if (rohy(m, b, &dotek)) zasazeno = 1;
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

// The shot is looked up in the row index: the row above the one its top is in. Of that range of the
// store it hits the first brick still standing that it overlaps. On the map the range is that of the
// cells of its first and its last brick, the store running in cell order.
static bool zasah_strely(const MAPA_KOSTEK& m, KOSTKA** kostky, OBJECT* s, int prvni, int posledni)
{
    KOSTKA* kand[POCET_BUNEK];
    int n = 0;
    int od = 0, po = -1;
    if (m.plati) {
        n = kandidati(m, s->x, s->x + s->obrazek->w, s->y, s->y + s->obrazek->h, kand);
        if (prvni <= posledni) od = kostky[prvni]->pozice, po = kostky[posledni]->pozice;
    } else {
        for (int p = prvni; p <= posledni; p++) kand[n++] = kostky[p];
    }
    for (int i = 0; i < n; i++) {
        KOSTKA* k = kand[i];
        if (m.plati && (k->pozice < od || k->pozice > po)) continue;
        if (k->zasahy <= 0) continue;
        if (s->x + s->obrazek->w < k->x || k->x + k->obrazek->w <= s->x) continue;
        if (s->y + s->obrazek->h < k->y || k->y + k->obrazek->h <= s->y) continue;
        s->druh = 0;
        if (k->druh != KOSTKA_SEDA) k->zasahy -= 1;
        zvuk(snd_brick);
        return true;
    }
    return false;
}

int odraz_str_od_kostek(KOSTKA** kostky, int pocet, OBJECT** strely, int pocet_strel)
{
    const MAPA_KOSTEK* m = nullptr;   // looked up when the first shot needs it
    int zasazeno = 0;
    for (int i = 0; i < pocet_strel; i++) {
        OBJECT* s = strely[i];
        int r = int(s->y / VYSKA_KOSTKY) - 1;
        if (s->druh <= 0 || r < 0 || r >= RADKU || nas[NAS_RADKY + 2 * r] == PRAZDNY_RADEK) continue;
        if (!m) m = &mapa(kostky, pocet);
        int prvni = std::max(nas[NAS_RADKY + 2 * r], 0);
        int posledni = std::min(nas[NAS_RADKY + 2 * r + 1], pocet - 1);
        if (zasah_strely(*m, kostky, s, prvni, posledni)) zasazeno = 1;
    }
    return zasazeno;
}
