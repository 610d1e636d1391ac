// A player for the simulation: it serves the ball that will reach the paddle first, landing it on the
// zone that sends it towards a brick it can hit, holds the button down (launch and gun) and catches
// the capsules it wants while no ball is about to land.
#include "world/bot.h"

#include "world/capsules.h"

#include <cmath>

constexpr int ZON = 9;
static constexpr int UHEL_ZONY[ZON] = {40, 30, 20, 10, 0, 10, 20, 30, 40};
static constexpr int SMER_ZONY[ZON] = {-1, -1, -1, -1, 0, 1, 1, 1, 1};
constexpr int NAHODNE_Z = 5;          // one approach in five lands on a random zone
constexpr int TRPELIVOST = 4;         // approaches without progress before it plays at random
constexpr float CAS_NA_BONUS = 3.0f;  // ticks a ball must be away before the paddle leaves it

static unsigned nahoda(SIM_BOT* b)
{
    b->los = b->los * 1103515245u + 12345u;
    return (b->los >> 16) & 0x7fff;
}

void bot_start(SIM_BOT* b, unsigned seed, bool bere_vse)
{
    *b = SIM_BOT{seed * 2654435761u + 1u, bere_vse, nullptr, -1, -1, -1, 0, 400};
}

// Folds a free flight back between the walls, as the bounces would.
static float mezi_stenami(float x, int v)
{
    float l = STENA_VLEVO + v / 2.0f, w = STENA_VPRAVO - v / 2.0f - l;
    float m = std::fmod(x - l, 2 * w);
    if (m < 0) m += 2 * w;
    return l + (m < w ? m : 2 * w - m);
}

// The falling ball that reaches the paddle's top first; null when none is falling.
static const OBJECT* prvni_dopadne(const KOLO* k, float* za_tiku)
{
    const OBJECT* nej = nullptr;
    *za_tiku = 1e9f;
    for (int i = 0; i < k->pocet_kouli; i++) {
        const OBJECT* o = k->koule[i];
        float spodek = o->y + o->velikost;
        if (o->druh == 0 || !o->aktivni || o->smer_y != 1 || spodek >= PRKNO_Y + 2) continue;
        float t = (PRKNO_Y - spodek) / std::fmax(o->rychlost_y, 0.01f);
        if (t < *za_tiku) *za_tiku = t, nej = o;
    }
    return nej;
}

static int zbyva_zasahu()
{
    int n = 0;
    for (int i = 0; i < POCET_KOSTEK; i++)
        if (kostka[i]->druh != KOSTKA_SEDA && kostka[i]->zasahy > 0) n += kostka[i]->zasahy;
    return n;
}

// A breakable brick that is the lowest standing one of its column, else any breakable one.
static int vyber_cil(SIM_BOT* b)
{
    int nejnizsi[SLOUPCU], kandidati[POCET_BUNEK], n = 0;
    for (int& c : nejnizsi) c = -1;
    for (int i = 0; i < POCET_KOSTEK; i++)
        if (kostka[i]->zasahy > 0) nejnizsi[kostka[i]->pozice % SLOUPCU] = i;
    for (int c : nejnizsi)
        if (c >= 0 && kostka[c]->druh != KOSTKA_SEDA) kandidati[n++] = c;
    if (n == 0)
        for (int i = 0; i < POCET_KOSTEK; i++)
            if (kostka[i]->zasahy > 0 && kostka[i]->druh != KOSTKA_SEDA) kandidati[n++] = i;
    return n == 0 ? -1 : kostka[kandidati[nahoda(b) % n]]->pozice;
}

static const KOSTKA* najdi(int pozice)
{
    for (int i = 0; i < POCET_KOSTEK; i++)
        if (kostka[i]->pozice == pozice && kostka[i]->zasahy > 0) return kostka[i];
    return nullptr;
}

// A new approach: a new target, or a random zone now and then and whenever no brick has been hit
// for a while.
static void novy_prilet(SIM_BOT* b)
{
    int zbyva = zbyva_zasahu();
    b->bez_pokroku = zbyva == b->zbyva_zasahu ? b->bez_pokroku + 1 : 0;
    b->zbyva_zasahu = zbyva;
    b->cil = vyber_cil(b);
    bool nahodne = b->cil < 0 || b->bez_pokroku >= TRPELIVOST || nahoda(b) % NAHODNE_Z == 0;
    b->nahodna_zona = nahodne ? int(nahoda(b) % ZON) : -1;
}

// The zone whose angle carries the ball from where it will land closest to the target brick.
static int zona_k_cili(const SIM_BOT* b, const OBJECT* o, float dopad)
{
    if (b->nahodna_zona >= 0) return b->nahodna_zona;
    const KOSTKA* cil = najdi(b->cil);
    if (!cil) return ZON / 2;
    int v = o->velikost;
    float tx = cil->x + cil->obrazek->w / 2.0f;
    float vyska = PRKNO_Y - v / 2.0f - (cil->y + cil->obrazek->h + v / 2.0f);
    int nej = ZON / 2;
    float nej_chyba = 1e9f;
    for (int z = 0; z < ZON; z++) {
        float posun = SMER_ZONY[z] * vyska * float(std::tan(UHEL_ZONY[z] * M_PI / 128));
        float chyba = std::fabs(mezi_stenami(dopad + posun, v) - tx);
        if (chyba < nej_chyba) nej_chyba = chyba, nej = z;
    }
    return nej;
}

static int pod_kouli(SIM_BOT* b, const KOLO* k, const OBJECT* o)
{
    if (o != b->sledovana) novy_prilet(b);
    b->sledovana = o;
    int v = o->velikost, pw = k->prkno->velikost;
    float cx = o->x + o->smer_x * o->rychlost_x + v / 2;   // where the ball is at the next test
    float spodek = o->y + v;
    float dopad = mezi_stenami(cx + o->smer_x * o->rychlost_x * (PRKNO_Y - spodek) / std::fmax(o->rychlost_y, 0.01f), v);
    float u = pw / float(ZON);
    return int(std::lround(cx - u * (zona_k_cili(b, o, dopad) + 0.5f)));
}

static bool chce(const SIM_BOT* b, int bonus)
{
    return b->bere_vse || (bonus != BONUS_ZIVOT_MINUS && bonus != BONUS_DALSI_UROVEN);
}

// The lowest wanted capsule that is level with the paddle; null when there is none.
static const OBJECT* bonus_u_prkna(const SIM_BOT* b, const KOLO* k)
{
    const OBJECT* nej = nullptr;
    float py = k->prkno->y, ph = float(k->prkno->obrazek->h);
    for (int i = 0; i < k->pocet_bonusu; i++) {
        const OBJECT* c = k->bonusy[i];
        if (c->druh == 0 || !chce(b, c->druh)) continue;
        if (c->y + c->obrazek->h <= py || c->y >= py + ph) continue;
        if (!nej || c->y > nej->y) nej = c;
    }
    return nej;
}

SIM_VSTUP bot_tah(SIM_BOT* b, const KOLO* k)
{
    float za_tiku;
    const OBJECT* o = prvni_dopadne(k, &za_tiku);
    if (!o) b->sledovana = nullptr;   // it rose again: its next fall is a new approach
    const OBJECT* c = za_tiku > CAS_NA_BONUS ? bonus_u_prkna(b, k) : nullptr;
    if (c) {
        b->mys = int(c->x + c->obrazek->w / 2 - k->prkno->velikost / 2);
    } else if (o) {
        b->mys = pod_kouli(b, k, o);
    }
    return {b->mys, true};
}
