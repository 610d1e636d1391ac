// Speed of the playfield: one tick in the worst case the rules allow (a full board, ten balls, thirty
// shots, five capsules), and the simulation harness playing a whole level with the bot.
#include "core/play_clock.h"
#include "support/headless_game.h"
#include "platform/headless.h"
#include "core/globals.h"
#include "core/resources.h"
#include "support/fake_data.h"
#include "world/bricks.h"
#include "world/round.h"
#include "world/simulation.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <vector>

namespace {

constexpr int TIKU_NA_SCENU = 64;   // the scene is built anew after so many ticks

void pridej(OBJECT** pole, int* pocet, OBJECT* o) { pole[(*pocet)++] = o; }

// Every cell a five-hit brick carrying a bonus, the gun on and its row index built.
void plna_deska()
{
    nastav(3, 0, 0, KOULE_SEDA, ZAKLADNI_PRUMER, ZAKLADNI_SIRKA, 1, 0);
    hlavni_krok = 0.6f;
    for (int i = 0; i < POCET_BUNEK; i++) {
        KOSTKA* k = nova_kostka(10 + 39 * (i % 20), 10 + 20 * (i / 20), KOSTKA_PET_ZASAHU, 5, i);
        k->bonus = 1 + i % 15;
        kostka[POCET_KOSTEK++] = k;
    }
    re_kostky(kostka, &POCET_KOSTEK);
}

// Ten balls in flight either just under the bottom row (no brick hit, every brick a candidate for a
// whole-board search) or among the rows; thirty shots under the bottom row, five capsules falling.
void postav_scenu(KOLO* k, bool v_kostkach)
{
    uvolni_kolo(k);
    hl_reset();
    plna_deska();
    zaloz_objekty_kola(k, 300);
    OBJECT* b = k->koule[0];
    b->aktivni = true;
    b->x = 20;
    b->y = 500;
    for (int i = 1; i < MAX_KOULI; i++) {
        float y = v_kostkach ? 40.0f + 41 * i : 452.0f + 9 * i;
        pridej(k->koule, &k->pocet_kouli, novy_object(res_koule(1, 12), 30.0f + 75 * i, y, 12, 0.5f, 0.05f,
                                                      i % 2 ? 1 : -1, i % 3 ? 1 : -1, KOULE_SEDA, 1));
    }
    for (int i = 0; i < MAX_STREL; i++)
        pridej(k->strely, &k->pocet_strel, novy_object(bmp_shot, 15.0f + 26 * i, 470.0f + i % 20, 0, 0, 0.4f,
                                                       0, -1, 1, 1));
    for (int i = 0; i < MAX_BONUSU; i++)
        pridej(k->bonusy, &k->pocet_bonusu, novy_object(i, 100.0f + 150 * i, 470, 0, 0, 0.4f, 0, 1, i + 1, 0));
    pro_strelu = 0;
}

void BM_TikNejhorsi(benchmark::State& s)
{
    spust_headless(nullptr);
    zaloz_falesna_data();
    KOLO k{};
    postav_scenu(&k, s.range(0) != 0);
    int n = 0;
    for (auto _ : s) {
        tik_kola(&k, true, 300);
        if (++n % TIKU_NA_SCENU == 0) {
            s.PauseTiming();
            postav_scenu(&k, s.range(0) != 0);
            s.ResumeTiming();
        }
    }
    uvolni_kolo(&k);
    zrus_falesna_data();
    hl_reset();
}
BENCHMARK(BM_TikNejhorsi)->Arg(0)->Arg(1)->ArgName("balls_among_bricks");

// The same worst tick right after a frame end that removed a brick, when the collision search first
// brings its map of the bricks up to date. The first brick leaves the store, the others move up (the
// removal's share is that copy; the shots' row index is left as it was).
void BM_TikPoOdstraneni(benchmark::State& s)
{
    spust_headless(nullptr);
    zaloz_falesna_data();
    KOLO k{};
    postav_scenu(&k, true);
    std::vector<KOSTKA*> odebrane;
    for (auto _ : s) {
        odebrane.push_back(kostka[0]);
        std::copy(kostka + 1, kostka + POCET_KOSTEK, kostka);
        POCET_KOSTEK--;
        tik_kola(&k, true, 300);
        if (odebrane.size() == TIKU_NA_SCENU) {
            s.PauseTiming();
            for (KOSTKA* o : odebrane) delete o;
            odebrane.clear();
            postav_scenu(&k, true);
            s.ResumeTiming();
        }
    }
    for (KOSTKA* o : odebrane) delete o;
    uvolni_kolo(&k);
    zrus_falesna_data();
    hl_reset();
}
BENCHMARK(BM_TikPoOdstraneni);

// The harness playing a level of 200 bricks of every kind to its end with the bot.
void BM_SimulaceUrovne(benchmark::State& s)
{
    spust_headless(nullptr);
    zaloz_falesna_data();
    int bunky[POCET_BUNEK] = {};
    for (int i = 40; i < 240; i++) bunky[i] = 1 + (i * 7 + i / 20) % 10;
    long tiku = 0;
    int vyher = 0;
    for (auto _ : s) {
        SIM_VYSLEDEK v = simuluj_uroven(bunky, 1, 600 * 60 * 20);
        tiku += v.tiku;
        vyher += v.status == STAV_VYHRA;
        hl_reset();
    }
    s.counters["ticks"] = benchmark::Counter(double(tiku) / double(s.iterations()));
    s.counters["ticks_per_s"] = benchmark::Counter(double(tiku), benchmark::Counter::kIsRate);
    s.counters["won"] = double(vyher) / double(s.iterations());
    zrus_falesna_data();
}
BENCHMARK(BM_SimulaceUrovne)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
