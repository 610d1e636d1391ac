// odraz_sim: plays one level with the simulation harness and prints what happened.
//   odraz_sim [--seed N] [--runs N] [--ticks N] [--frame K] [--lives N] [--try]
//             [--bonuses none|random|all|game] [--dat odraz.dat] [level.lvl]
// Without a level file it plays a built-in full board. Without --dat the sprites are stand-ins of
// the catalogue's sizes.
#include "support/headless_game.h"
#include "core/level_file.h"
#include "levels/loader.h"
#include "platform/headless.h"
#include "core/resources.h"
#include "support/fake_data.h"
#include "world/simulation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

struct VOLBY {
    SIM_NASTAVENI n;
    int behu = 1;
    const char* uroven = nullptr;
    const char* dat = nullptr;
};

static void plna_deska(int* bunky)
{
    for (int i = 0; i < POCET_BUNEK; i++) bunky[i] = 1 + (i * 7 + i / SLOUPCU) % 10;
}

static bool bonusy(const char* jak, SIM_NASTAVENI* n)
{
    if (!std::strcmp(jak, "none")) n->bonusy = SIM_BEZ_BONUSU;
    else if (!std::strcmp(jak, "random")) n->bonusy = SIM_BONUSY_NAHODNE;
    else if (!std::strcmp(jak, "all")) n->bonusy = SIM_BONUSY_VSECHNY;
    else if (!std::strcmp(jak, "game")) n->prirad_bonusy = prirad_bonusy;
    else return false;
    return true;
}

static bool cti_volby(int argc, char** argv, VOLBY* v)
{
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool dalsi = i + 1 < argc;
        if (a == "--try") v->n.mod_hry = MOD_ZKUSEBNI;
        else if (a == "--seed" && dalsi) v->n.seed = unsigned(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--runs" && dalsi) v->behu = std::atoi(argv[++i]);
        else if (a == "--ticks" && dalsi) v->n.max_tiku = std::atol(argv[++i]);
        else if (a == "--frame" && dalsi) v->n.tiku_na_snimek = std::atoi(argv[++i]);
        else if (a == "--lives" && dalsi) v->n.zivoty = std::atoi(argv[++i]);
        else if (a == "--bonuses" && dalsi) { if (!bonusy(argv[++i], &v->n)) return false; }
        else if (a == "--dat" && dalsi) v->dat = argv[++i];
        else if (a[0] != '-' && !v->uroven) v->uroven = argv[i];
        else return false;
    }
    return true;
}

static const char* jmeno_stavu(int s)
{
    if (s == STAV_VYHRA) return "won";
    if (s == STAV_PROHRA) return "lost";
    return s == 0 ? "out of ticks" : "other";
}

static void vypis(unsigned seed, const SIM_VYSLEDEK& r)
{
    std::printf("seed %u: %s (status %d) after %ld ticks, play clock %d:%02d\n", seed, jmeno_stavu(r.status),
                r.status, r.tiku, r.minuty, r.sekundy);
    std::printf("  bricks left %d (breakable %d), score %d, lives %d\n", r.zbyva_kostek, r.zbyva_rozbitnych,
                r.skore, r.zivoty);
    std::printf("  balls lost %d, capsules caught %d, capsules missed %d\n", r.ztracenych_kouli,
                r.chycenych_bonusu, r.propadlych_bonusu);
}

int main(int argc, char** argv)
{
    VOLBY v;
    if (!cti_volby(argc, argv, &v)) {
        std::fprintf(stderr, "usage: odraz_sim [--seed N] [--runs N] [--ticks N] [--frame K] [--lives N] [--try]\n"
                             "                 [--bonuses none|random|all|game] [--dat odraz.dat] [level.lvl]\n");
        return 2;
    }
    int bunky[POCET_BUNEK];
    plna_deska(bunky);
    if (v.uroven) {
        UROVEN u;
        if (nacti_uroven(v.uroven, &u) == CTENI_CHYBI) {
            std::fprintf(stderr, "odraz_sim: cannot read %s\n", v.uroven);
            return 1;
        }
        std::memcpy(bunky, u.bunky, sizeof bunky);
    }
    if (!spust_headless(v.dat)) {
        std::fprintf(stderr, "odraz_sim: cannot load %s\n", v.dat);
        return 1;
    }
    if (!v.dat) zaloz_falesna_data();
    int vyher = 0;
    for (int b = 0; b < v.behu; b++) {
        SIM_NASTAVENI n = v.n;
        n.seed = v.n.seed + unsigned(b);
        SIM_VYSLEDEK r = simuluj(bunky, n);
        vypis(n.seed, r);
        vyher += r.status == STAV_VYHRA;
        hl_reset();
    }
    if (v.behu > 1) std::printf("won %d of %d\n", vyher, v.behu);
    if (!v.dat) zrus_falesna_data();
    ukonci_headless();
    return 0;
}
