// A deterministic play of one level without screen, mouse or timer: the bricks of a cell grid, the
// tick and the frame end of the game loop, the play clock run from the tick count, and the paddle
// moved by a script or by the bot. The same settings and seed always give the same game.
#include "world/simulation.h"

#include "core/globals.h"
#include "core/play_clock.h"
#include "world/bricks.h"
#include "world/capsules.h"
#include "world/speed.h"

#include <algorithm>
#include <cstdlib>

constexpr int MYS_NA_ZACATKU = 400;

void postav_kostky(const int bunky[POCET_BUNEK])
{
    POCET_KOSTEK = 0;
    kostky_z_bunek(bunky, kostka, &POCET_KOSTEK);
}

// The harness's own deal: bricks of types 1..7 only, each with chance 1 in `z` of a bonus.
static void rozdej_bonusy(int z, bool s_dalsi_urovni)
{
    int druhu = s_dalsi_urovni ? POCET_DRUHU_BONUSU : POCET_DRUHU_BONUSU - 1;
    for (int i = 0; i < POCET_KOSTEK; i++) {
        KOSTKA* k = kostka[i];
        if (k->druh >= KOSTKA_DVA_ZASAHY) continue;
        if (std::rand() % z == 0) k->bonus = 1 + std::rand() % druhu;
    }
}

static void prirad(const SIM_NASTAVENI& n)
{
    if (n.prirad_bonusy) {
        n.prirad_bonusy(kostka, 0, POCET_KOSTEK);
    } else if (n.bonusy == SIM_BONUSY_NAHODNE) {
        rozdej_bonusy(8, n.s_dalsi_urovni);
    } else if (n.bonusy == SIM_BONUSY_VSECHNY) {
        rozdej_bonusy(1, n.s_dalsi_urovni);
    }
}

// The start of a round as the game loop makes it, with the play clock at 0:00.
static void zacni_kolo(const SIM_NASTAVENI& n)
{
    MOD_HRY = n.mod_hry;
    nas[NAS_SKORE] = 0;
    nas[NAS_MINUTY] = nas[NAS_SEKUNDY] = 0;
    nastav(n.zivoty, 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 0, 0);
    hlavni_krok = mini_krok;
    smaz_index_radku();
    sekundy = 0;
    minuty = 0;
    pro_strelu = 0;
    speed_counter = 0;
}

// The dead objects just before the frame end clears them: each is counted once.
static void spocitej_mrtve(const KOLO* k, SIM_VYSLEDEK* v)
{
    for (int i = 0; i < k->pocet_kouli; i++)
        if (k->koule[i]->druh == 0) v->ztracenych_kouli++;
    for (int i = 0; i < k->pocet_bonusu; i++) {
        const OBJECT* c = k->bonusy[i];
        if (c->druh != 0) continue;
        if (c->y > DNO) {
            v->propadlych_bonusu++;
        } else {
            v->chycenych_bonusu++;
        }
    }
}

struct SIM_BEH {
    const SIM_NASTAVENI* n;
    KOLO kolo;
    SIM_BOT bot;
    long tik;
    long sekund;    // timer seconds fired so far
};

// One tick as the game loop runs it: the timers that are due, the input, the world.
static void tik(SIM_BEH* b)
{
    b->tik++;
    increment_speed_counter();
    speed_counter--;
    long due = long(b->tik * JEDNOTEK_TIKU / JEDNOTEK_SEKUNDY);
    for (; b->sekund < due; b->sekund++) timer_func();
    const SIM_NASTAVENI& n = *b->n;
    SIM_VSTUP vstup = n.rizeni ? n.rizeni(&b->kolo, b->tik, n.data) : bot_tah(&b->bot, &b->kolo);
    int mys = std::clamp(vstup.mys_x, STENA_VLEVO, STENA_VPRAVO - b->kolo.prkno->velikost);
    tik_kola(&b->kolo, vstup.tlacitko, mys);
    if (n.sledovani) n.sledovani(&b->kolo, SIM_PO_TIKU, b->tik, n.data);
}

static void vyhodnot(const SIM_BEH& b, SIM_VYSLEDEK* v)
{
    v->tiku = b.tik;
    v->status = b.kolo.status;
    v->zbyva_kostek = POCET_KOSTEK;
    for (int i = 0; i < POCET_KOSTEK; i++)
        if (kostka[i]->druh != KOSTKA_SEDA) v->zbyva_rozbitnych++;
    v->skore = nas[NAS_SKORE];
    v->zivoty = nas[NAS_ZIVOTY];
    v->minuty = minuty;
    v->sekundy = sekundy;
}

// Passes of the game loop: ticks, then the frame end, until the status is set or the ticks run out.
static void hraj(SIM_BEH* b, SIM_VYSLEDEK* v)
{
    const SIM_NASTAVENI& n = *b->n;
    int snimek = std::max(1, n.tiku_na_snimek);
    while (b->tik < n.max_tiku) {
        for (int t = 0; t < snimek && b->tik < n.max_tiku; t++) tik(b);
        if (n.sledovani) n.sledovani(&b->kolo, SIM_PRED_KONCEM_SNIMKU, b->tik, n.data);
        spocitej_mrtve(&b->kolo, v);
        konec_snimku(&b->kolo);
        if (b->kolo.status != 0) break;
    }
    vyhodnot(*b, v);
}

SIM_VYSLEDEK simuluj(const int bunky[POCET_BUNEK], const SIM_NASTAVENI& n)
{
    SIM_VYSLEDEK v{};
    SIM_BEH b{&n, KOLO{}, SIM_BOT{}, 0, 0};
    int mod = MOD_HRY;
    zacni_kolo(n);
    postav_kostky(bunky);
    std::srand(n.seed);
    prirad(n);
    bot_start(&b.bot, n.seed, n.bot_bere_vse);
    if (zaloz_objekty_kola(&b.kolo, MYS_NA_ZACATKU)) {
        srovnat_rychlost();
        hraj(&b, &v);
    }
    uvolni_kolo(&b.kolo);
    MOD_HRY = mod;
    return v;
}

SIM_VYSLEDEK simuluj_uroven(const int bunky[POCET_BUNEK], unsigned seed, int max_tiku)
{
    SIM_NASTAVENI n;
    n.seed = seed;
    n.max_tiku = max_tiku;
    return simuluj(bunky, n);
}
