// The level loader: level files and saved games become bricks; bonuses are drawn anew at every load.
#include "levels/loader.h"
#include <cmath>
#include <cstdlib>
#include <cstring>
#include "core/level_file.h"
#include "persist/save_file.h"
#include "core/globals.h"
#include "core/play_clock.h"
#include "world/bricks.h"
#include "world/capsules.h"

namespace {
constexpr int LOS_BONUSU = 120;        // the first draw is 1..120; 1..18 mean something

// Bonuses that are rarer than the rest: the first draw only earns a second draw, which must come out 1.
struct DRUHY_TAH {
    int prvni;      // the first draw
    int moznosti;   // the second draw is rand() mod this
};
constexpr DRUHY_TAH DRUHE_TAHY[] = {{1, 10}, {4, 3}, {5, 6}, {14, 4}, {15, 6}, {16, 40}};

int moznosti_druheho_tahu(int prvni)
{
    for (const DRUHY_TAH& t : DRUHE_TAHY)
        if (t.prvni == prvni) return t.moznosti;
    return 0;
}

bool je_koule_navic(int d) { return d == 17 || d == 18; }

// One brick's bonus, 0 for none. A second draw of 17 or 18 (after a first 16) also gives "ball +".
int losuj_bonus()
{
    int d = std::rand() % LOS_BONUSU + 1;
    if (d > POCET_DRUHU_BONUSU) return je_koule_navic(d) ? BONUS_KOULE_PLUS : 0;
    int moznosti = moznosti_druheho_tahu(d);
    if (moznosti == 0) return d;
    int druhy = std::rand() % moznosti;
    if (druhy == 1) return d;
    return je_koule_navic(druhy) ? BONUS_KOULE_PLUS : 0;
}

bool muze_nest_bonus(int druh) { return druh >= 1 && druh < KOSTKA_DVA_ZASAHY; }

void postav_a_obdaruj(const int* bunky, KOSTKA** kostky, int* pocet)
{
    int od = *pocet;
    kostky_z_bunek(bunky, kostky, pocet);
    prirad_bonusy(kostky, od, *pocet);
}

bool je_uroven(int level) { return level >= PRVNI_UROVEN && level <= POSLEDNI_UROVEN; }

bool jedna_z(int v, int a, int b, int c) { return v == a || v == b || v == c; }

// The speed bonuses take the step length at most 0.1 past either limit; anything else is damage.
constexpr double PRESAH_KROKU = 0.1 + 1e-3;

bool krok_mozny(float krok)
{
    return std::isfinite(krok) && krok >= mini_krok - PRESAH_KROKU && krok <= maxi_krok + PRESAH_KROKU;
}

// The saved state, kept to what the game can show and play: a damaged slot picks no wrong picture.
void obnov_stav(const ULOZENA_HRA& h)
{
    nas[NAS_ZIVOTY] = h.zivoty >= 0 ? h.zivoty : 0;
    nas[NAS_SKORE] = h.skore >= 0 ? h.skore : 0;
    LEVEL = h.level;
    nas[NAS_DRUH_KOULE] = jedna_z(h.druh_koule, KOULE_SEDA, KOULE_MODRA, KOULE_RUDA) ? h.druh_koule : KOULE_SEDA;
    nas[NAS_PRUMER] = jedna_z(h.velikost_koule, 8, 12, 16) ? h.velikost_koule : ZAKLADNI_PRUMER;
    nas[NAS_SIRKA_PRKNA] = jedna_z(h.sirka_prkna, 40, 80, 120) ? h.sirka_prkna : ZAKLADNI_SIRKA;
    nas[NAS_PUSKA] = h.puska == 1 ? 1 : 0;
    nas[NAS_LEPIDLO] = h.lepidlo == 1 ? 1 : 0;
    nas[NAS_NAHODNY_ODRAZ] = h.nahodny_odraz == 1 ? 1 : 0;
    nas[NAS_MINUTY] = h.hodiny_min >= 0 ? h.hodiny_min : 0;
    nas[NAS_SEKUNDY] = h.hodiny_sek >= 0 && h.hodiny_sek < SEKUND_MINUTY ? h.hodiny_sek : 0;
    hlavni_krok = krok_mozny(h.krok) ? h.krok : mini_krok;
}

// Continuing saved game `ulozena`: its bricks and state, and the author of its level. Nothing is
// changed unless the record is whole and its level file is there.
int priprav_ulozenou(char* autor, int ulozena, KOSTKA** kostky, int* pocet)
{
    ULOZENA_HRA h;
    if (nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, ulozena, &h) != CTENI_CELE) return STAV_CHYBI_SOUBOR;
    if (!je_uroven(h.level)) return STAV_CHYBI_SOUBOR;
    UROVEN u;
    if (nacti_uroven(jmeno_urovne(h.level).c_str(), &u) == CTENI_CHYBI) return STAV_CHYBI_SOUBOR;
    obnov_stav(h);
    std::memcpy(autor, u.autor, MAX_JMENO);
    postav_a_obdaruj(h.mrizka, kostky, pocet);
    return 0;
}

int priprav_uroven(char* autor, int level, KOSTKA** kostky, int* pocet)
{
    if (!je_uroven(level)) return STAV_NENI_UROVEN;
    UROVEN u;
    if (nacti_uroven(jmeno_urovne(level).c_str(), &u) == CTENI_CHYBI) return STAV_NENI_UROVEN;
    std::memcpy(autor, u.autor, MAX_JMENO);
    postav_a_obdaruj(u.bunky, kostky, pocet);
    return 0;
}
}

void prirad_bonusy(KOSTKA** kostky, int od, int do_)
{
    for (int i = od; i < do_; i++)
        if (muze_nest_bonus(kostky[i]->druh)) kostky[i]->bonus = losuj_bonus();
}

int priprav_kostky(char* autor, int mod, int level, int ulozena, KOSTKA** kostky, int* pocet)
{
    if (mod == MOD_ULOZENA_HRA) return priprav_ulozenou(autor, ulozena, kostky, pocet);
    return priprav_uroven(autor, level, kostky, pocet);
}
