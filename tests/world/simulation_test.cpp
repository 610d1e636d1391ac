// Whole rounds played by the harness: repeatability, the bot finishing a level, scripted losses, and
// long randomized games checked against the rules at every tick and every frame end.
#include "core/play_clock.h"
#include "world_fixture.h"

#include "world/capsules.h"
#include "world/simulation.h"

#include <set>

namespace {

void plna_deska(int* bunky, unsigned seed)
{
    for (int i = 0; i < POCET_BUNEK; i++) bunky[i] = 1 + int((i * 7 + seed * 13 + i / 20) % 10);
}

// Watches a game: objects within their limits and in the field (a ball at most a step or two beyond a
// wall line it is turning back from), bricks in cell order, and a score that is exactly the removed
// bricks' points, each brick once, plus 50 per caught capsule.
struct HLIDAC {
    int skore = 0, chycenych = 0;
    std::set<int> odstranene;
    long tiku = 0;
    bool chyba = false;
    void porusi(const char* co)
    {
        if (!chyba) ADD_FAILURE() << co << " at tick " << tiku;
        chyba = true;
    }
};

bool mimo(const KOLO* k)
{
    if (k->pocet_kouli > MAX_KOULI || k->pocet_pusek > MAX_PUSEK || k->pocet_strel > MAX_STREL) return true;
    if (k->pocet_bonusu > MAX_BONUSU || POCET_KOSTEK > POCET_BUNEK) return true;
    for (int i = 0; i < k->pocet_kouli; i++) {
        const OBJECT* o = k->koule[i];
        if (o->druh != 0 && (o->x < STENA_VLEVO - 3.0f || o->x + o->velikost > STENA_VPRAVO + 3.0f
                             || o->y < STROP - 3.0f || o->y > DNO)) return true;
    }
    for (int i = 0; i < k->pocet_bonusu; i++)
        if (k->bonusy[i]->druh != 0 && k->bonusy[i]->y > DNO) return true;
    for (int i = 0; i < k->pocet_strel; i++)
        if (k->strely[i]->druh != 0 && k->strely[i]->y <= STROP) return true;
    return false;
}

void sleduj(const KOLO* k, SIM_UDALOST u, long, void* data)
{
    HLIDAC* h = static_cast<HLIDAC*>(data);
    if (u == SIM_PO_TIKU) {
        h->tiku++;
        if (mimo(k)) h->porusi("an object out of its limits");
        return;
    }
    for (int i = 0; i < k->pocet_bonusu; i++)
        if (k->bonusy[i]->druh == 0 && k->bonusy[i]->y <= DNO) h->chycenych++;
    if (nas[NAS_SKORE] != h->skore + BODY_ZA_BONUS * h->chycenych) h->porusi("a wrong score");
    for (int i = 0; i < POCET_KOSTEK; i++) {
        if (i > 0 && kostka[i - 1]->pozice >= kostka[i]->pozice) h->porusi("bricks out of order");
        if (kostka[i]->zasahy > 0) continue;
        if (!h->odstranene.insert(kostka[i]->pozice).second) h->porusi("a brick removed twice");
        h->skore += body_za_kostku(kostka[i]);
    }
}

// Launches the ball, then keeps the paddle away from it.
SIM_VSTUP pryc(const KOLO* k, long, void*)
{
    if (k->pocet_kouli == 0) return {400, true};
    return {k->koule[0]->x < 400 ? 700 : 10, true};
}

}  // namespace

using Simulation = Svet;

TEST_F(Simulation, SameSeedSameGame)
{
    int bunky[POCET_BUNEK];
    plna_deska(bunky, 3);
    SIM_NASTAVENI n;
    n.max_tiku = 20000;
    n.bonusy = SIM_BONUSY_NAHODNE;
    n.seed = 11;
    SIM_VYSLEDEK a = simuluj(bunky, n), b = simuluj(bunky, n);
    n.seed = 12;
    SIM_VYSLEDEK c = simuluj(bunky, n);
    EXPECT_EQ(std::make_tuple(a.tiku, a.skore, a.zbyva_kostek, a.chycenych_bonusu, a.zivoty, a.minuty),
              std::make_tuple(b.tiku, b.skore, b.zbyva_kostek, b.chycenych_bonusu, b.zivoty, b.minuty));
    EXPECT_EQ(a.tiku, 20000);
    EXPECT_NE(std::make_pair(a.skore, a.zbyva_kostek), std::make_pair(c.skore, c.zbyva_kostek));
}

TEST_F(Simulation, MissingEveryBallLosesTheGameButNotATry)
{
    int bunky[POCET_BUNEK] = {1};
    SIM_NASTAVENI n;
    n.rizeni = pryc;
    n.max_tiku = 600 * 60;
    SIM_VYSLEDEK v = simuluj(bunky, n);
    EXPECT_EQ(v.status, STAV_PROHRA);
    EXPECT_EQ(v.ztracenych_kouli, 4);
    EXPECT_EQ(v.zivoty, 0);
    n.mod_hry = MOD_ZKUSEBNI;
    v = simuluj(bunky, n);
    EXPECT_EQ(v.status, 0);
    EXPECT_GT(v.ztracenych_kouli, 4);
    EXPECT_EQ(v.zivoty, 3);
}

TEST_F(Simulation, RandomizedGamesKeepTheRules)
{
    int bunky[POCET_BUNEK], chyceno = 0;
    for (unsigned seed = 1; seed <= 12; seed++) {
        plna_deska(bunky, seed);
        for (int i = 0; seed % 3 == 0 && i < POCET_BUNEK; i++) bunky[i] = int((i * 2654435761u + seed) % 11);
        HLIDAC h;
        SIM_NASTAVENI n;
        n.seed = seed;
        n.max_tiku = 15000;
        n.tiku_na_snimek = 1 + seed % 13;
        n.bonusy = SIM_BONUSY_VSECHNY;
        n.s_dalsi_urovni = seed % 4 == 0;
        n.bot_bere_vse = true;
        n.mod_hry = seed % 5 == 0 ? MOD_ZKUSEBNI : 1;
        n.sledovani = sleduj;
        n.data = &h;
        SIM_VYSLEDEK v = simuluj(bunky, n);
        int kostek = 0;
        for (int c : bunky) kostek += c >= 1 && c <= 10;
        EXPECT_EQ(v.skore, h.skore + BODY_ZA_BONUS * h.chycenych) << "seed " << seed;
        EXPECT_EQ(int(h.odstranene.size()) + v.zbyva_kostek, kostek) << "seed " << seed;
        chyceno += v.chycenych_bonusu;
        hl_reset();
        if (h.chyba) return;
    }
    EXPECT_GT(chyceno, 12);
}
