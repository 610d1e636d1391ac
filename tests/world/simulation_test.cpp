// Whole rounds played by the harness: long randomized games checked against the rules at every tick and
// every frame end, each repeated exactly from its seed.
#include "world_fixture.h"

#include "world/capsules.h"
#include "world/simulation.h"

#include <algorithm>
#include <set>
#include <span>

namespace {

// Watches a game: objects within their limits and in the field (a ball at most a step or two beyond a
// wall line it is turning back from), bricks in cell order, and a score that is exactly the removed
// bricks' points, each brick once, plus 50 per caught capsule.
struct HLIDAC {
    int skore = 0, chycenych = 0, tiku = 0;
    bool chyba = false;
    std::set<int> odstranene;
    void porusi(bool porusil, const char* co)
    {
        if (porusil && !chyba) ADD_FAILURE() << co << " at tick " << tiku;
        chyba = chyba || porusil;
    }
};

bool mimo(const KOLO* k)
{
    bool mimo = k->pocet_kouli > MAX_KOULI || k->pocet_pusek > MAX_PUSEK || k->pocet_strel > MAX_STREL ||
                k->pocet_bonusu > MAX_BONUSU || POCET_KOSTEK > POCET_BUNEK;
    for (const OBJECT* o : std::span(k->koule, k->pocet_kouli))
        mimo = mimo || (o->druh != 0 && (o->x < STENA_VLEVO - 3.0f || o->x + o->velikost > STENA_VPRAVO + 3.0f ||
                                         o->y < STROP - 3.0f || o->y > DNO));
    for (const OBJECT* o : std::span(k->bonusy, k->pocet_bonusu)) mimo = mimo || (o->druh != 0 && o->y > DNO);
    for (const OBJECT* o : std::span(k->strely, k->pocet_strel)) mimo = mimo || (o->druh != 0 && o->y <= STROP);
    return mimo;
}

void sleduj(const KOLO* k, SIM_UDALOST u, long, void* data)
{
    HLIDAC* h = static_cast<HLIDAC*>(data);
    if (u == SIM_PO_TIKU) {
        h->tiku++;
        return h->porusi(mimo(k), "an object out of its limits");
    }
    for (const OBJECT* o : std::span(k->bonusy, k->pocet_bonusu)) h->chycenych += o->druh == 0 && o->y <= DNO;
    h->porusi(nas[NAS_SKORE] != h->skore + BODY_ZA_BONUS * h->chycenych, "a wrong score");
    for (int i = 0; i < POCET_KOSTEK; i++) {
        h->porusi(i > 0 && kostka[i - 1]->pozice >= kostka[i]->pozice, "bricks out of order");
        if (kostka[i]->zasahy > 0) continue;
        h->porusi(!h->odstranene.insert(kostka[i]->pozice).second, "a brick removed twice");
        h->skore += body_za_kostku(kostka[i]);
    }
}

}  // namespace

using Simulation = Svet;

TEST_F(Simulation, RandomizedGamesKeepTheRulesAndRepeatFromTheirSeed)
{
    int bunky[POCET_BUNEK], chyceno = 0;
    auto vysledek = [](const SIM_VYSLEDEK& v) { return std::tuple(v.tiku, v.skore, v.zbyva_kostek, v.zivoty); };
    auto nastaveni = [](unsigned seed, HLIDAC* h) {
        return SIM_NASTAVENI{.seed = seed, .max_tiku = 15000, .tiku_na_snimek = int(1 + seed % 13),
                             .mod_hry = seed % 5 == 0 ? MOD_ZKUSEBNI : 1, .bonusy = SIM_BONUSY_VSECHNY,
                             .s_dalsi_urovni = seed % 4 == 0, .bot_bere_vse = true,
                             .sledovani = h ? sleduj : nullptr, .data = h};
    };
    std::set<decltype(vysledek(SIM_VYSLEDEK{}))> ruzne;
    for (unsigned seed = 1; seed <= 12; seed++) {
        for (int i = 0; i < POCET_BUNEK; i++)
            bunky[i] = seed % 3 ? 1 + int((i * 7 + seed * 13 + i / 20) % 10) : int((i * 2654435761u + seed) % 11);
        HLIDAC h;
        SIM_VYSLEDEK v = simuluj(bunky, nastaveni(seed, &h));
        int kostek = int(std::count_if(bunky, bunky + POCET_BUNEK, [](int c) { return c >= 1 && c <= 10; }));
        EXPECT_EQ(v.skore, h.skore + BODY_ZA_BONUS * h.chycenych) << "seed " << seed;
        EXPECT_EQ(int(h.odstranene.size()) + v.zbyva_kostek, kostek) << "seed " << seed;
        chyceno += v.chycenych_bonusu;
        ruzne.insert(vysledek(v));
        if (seed == 12) { EXPECT_EQ(vysledek(simuluj(bunky, nastaveni(seed, nullptr))), vysledek(v)) << "again"; }
        hl_reset();
        if (h.chyba) return;
    }
    EXPECT_GT(chyceno, 12);
    EXPECT_GT(ruzne.size(), 10u);
}
