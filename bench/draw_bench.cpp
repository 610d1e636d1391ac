// Cost of one frame of the playfield: the dirty-rectangle frame (draw_all and pis_texty) against a
// full redraw of the screen, with ten balls, thirty shots and five capsules on a full board.
#include "support/game_setup.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "core/globals.h"
#include "core/resources.h"
#include "shell/startup.h"
#include "core/bitmap.h"
#include "ui/playfield.h"
#include "world/round.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

struct SCENA {
    KOLO k{};
    BITMAPA base, scene, sprite, cela;
};

void pridej(OBJECT** pole, int* pocet, OBJECT* o) { pole[(*pocet)++] = o; }

void postav(SCENA* s)
{
    spust_headless(ODRAZ_RUN_DIR "/odraz.dat");
    nastav_barvy_a_pismo();
    nastav(3, 0, 0, 1, 12, 80, 1, 0);
    for (int i = 0; i < POCET_BUNEK; i++) kostka[POCET_KOSTEK++] = nova_kostka(10 + 39 * (i % 20), 10 + 20 * (i / 20), 1 + i % 10, 1, i);
    zaloz_objekty_kola(&s->k, 300);
    KOLO& k = s->k;
    pridej(k.pusky, &k.pocet_pusek, novy_object(bmp_gun_left, 300, 552, 0, 0, 0, 0, 0, 1, 0));
    pridej(k.pusky, &k.pocet_pusek, novy_object(bmp_gun_right, 370, 552, 0, 0, 0, 0, 0, 2, 0));
    for (int i = 1; i < MAX_KOULI; i++)
        pridej(k.koule, &k.pocet_kouli, novy_object(res_koule(1, 12), 30.0f + 75 * i, 460.0f + 8 * i, 12, 0.5f, 0.3f, 1, 1, 1, 1));
    for (int i = 0; i < MAX_STREL; i++)
        pridej(k.strely, &k.pocet_strel, novy_object(bmp_shot, 15.0f + 26 * i, 470.0f + i % 20, 0, 0, 0.4f, 0, -1, 1, 1));
    for (int i = 0; i < MAX_BONUSU; i++)
        pridej(k.bonusy, &k.pocet_bonusu, novy_object(i, 100.0f + 150 * i, 470, 0, 0, 0.4f, 0, 1, i + 1, 0));
    s->base = nova_bitmapa(800, 600);
    s->scene = nova_bitmapa(800, 600);
    s->sprite = nova_bitmapa(800, 580);
    s->cela = nova_bitmapa(800, 600);
    kresli_pozadi_kola(POZADI_HRA, "Odraz", s->base.get());
    kresli_pozadi_kola(POZADI_HRA, "Odraz", s->scene.get());
    zakresli_kostky(kostka, POCET_KOSTEK, s->scene.get());
    tisk_vse(s->scene.get(), s->sprite.get());
}

// Every object moves a little, as in the ticks of one frame, and the frame end commits the positions.
void pohni(KOLO* k, int n)
{
    float d = (n % 40 < 20) ? 0.7f : -0.7f;
    OBJECT** seznamy[3] = {k->koule, k->strely, k->bonusy};
    int pocty[3] = {k->pocet_kouli, k->pocet_strel, k->pocet_bonusu};
    for (int s = 0; s < 3; s++)
        for (int i = 0; i < pocty[s]; i++) {
            seznamy[s][i]->x_stare = seznamy[s][i]->x;
            seznamy[s][i]->y_stare = seznamy[s][i]->y;
            seznamy[s][i]->x += d;
            seznamy[s][i]->y += d;
        }
}

void snimek_spinavy(SCENA* s)
{
    KOLO& k = s->k;
    draw_all(k.prkno, k.pusky, k.pocet_pusek, k.koule, k.pocet_kouli, kostka, POCET_KOSTEK, k.strely, k.pocet_strel,
             k.bonusy, k.pocet_bonusu, s->base.get(), s->scene.get(), s->sprite.get());
    pis_texty(7, 3, s->base.get(), s->scene.get());
}

// The same picture drawn from nothing, as a game without retained bitmaps would draw each frame: the
// frame and status bar, every brick, every object, the status values, and the whole screen copied.
void snimek_cely(SCENA* s)
{
    KOLO& k = s->k;
    BITMAP* c = s->cela.get();
    kresli_pozadi_kola(POZADI_HRA, "Odraz", c);
    zakresli_kostky(kostka, POCET_KOSTEK, c);
    draw_sprite(c, k.prkno->obrazek, int(k.prkno->x), int(k.prkno->y));
    OBJECT** seznamy[4] = {k.pusky, k.koule, k.strely, k.bonusy};
    int pocty[4] = {k.pocet_pusek, k.pocet_kouli, k.pocet_strel, k.pocet_bonusu};
    for (int l = 0; l < 4; l++)
        for (int i = 0; i < pocty[l]; i++) draw_sprite(c, seznamy[l][i]->obrazek, int(seznamy[l][i]->x), int(seznamy[l][i]->y));
    textprintf_right_ex(c, font, 140, 582, BARVA_1, -1, "%d", nas[NAS_SKORE]);
    textprintf_right_ex(c, font, 260, 582, BARVA_1, -1, "%d", nas[NAS_ZIVOTY]);
    textprintf_right_ex(c, font, 400, 582, BARVA_1, -1, "%d", LEVEL);
    textprintf_right_ex(c, font, 570, 582, BARVA_1, -1, "%s", "03:07");
    blit(c, screen, 0, 0, 0, 0, 800, 600);
}

void BM_SnimekObdelniky(benchmark::State& st)
{
    SCENA s;
    postav(&s);
    int n = 0;
    for (auto _ : st) {
        pohni(&s.k, n++);
        snimek_spinavy(&s);
    }
    uvolni_kolo(&s.k);
    ukonci_headless();
}
BENCHMARK(BM_SnimekObdelniky);

void BM_SnimekCelaObrazovka(benchmark::State& st)
{
    SCENA s;
    postav(&s);
    int n = 0;
    for (auto _ : st) {
        pohni(&s.k, n++);
        snimek_cely(&s);
    }
    uvolni_kolo(&s.k);
    ukonci_headless();
}
BENCHMARK(BM_SnimekCelaObrazovka);

// Both side by side in one loop; the counter is how many times cheaper the dirty-rectangle frame is.
void BM_SnimekPomer(benchmark::State& st)
{
    SCENA s;
    postav(&s);
    using hodiny = std::chrono::steady_clock;
    hodiny::duration spinavy{}, cely{};
    int n = 0;
    for (auto _ : st) {
        pohni(&s.k, n++);
        auto t0 = hodiny::now();
        snimek_spinavy(&s);
        auto t1 = hodiny::now();
        snimek_cely(&s);
        auto t2 = hodiny::now();
        spinavy += t1 - t0;
        cely += t2 - t1;
    }
    st.counters["levnejsi_krat"] = double(cely.count()) / double(spinavy.count());
    uvolni_kolo(&s.k);
    ukonci_headless();
}
BENCHMARK(BM_SnimekPomer);

}  // namespace

