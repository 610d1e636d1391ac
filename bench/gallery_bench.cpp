// The level gallery with 999 level files: the time from opening it to its first frame on the screen
// (reading every file, the waiting message, the first rows of miniatures), the memory it takes, and
// one pass of the screen loop while a held arrow scrolls a new row into view every pass.
#include "core/globals.h"
#include "core/level_file.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/startup.h"
#include "support/headless_game.h"
#include "support/sandbox.h"
#include "ui/gallery.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

using hodiny = std::chrono::steady_clock;
constexpr int UROVNI = 999;

// A working directory with 999 different levels, made once for the whole run.
void priprav_urovne()
{
    static std::unique_ptr<PISKOVISTE> p;
    if (p) return;
    p = std::make_unique<PISKOVISTE>();
    for (int n = 1; n <= UROVNI; n++) {
        UROVEN u{};
        for (int i = 0; i < POCET_BUNEK; i++) u.bunky[i] = (i * 7 + n) % 11;
        std::strcpy(u.autor, "Hrac");
        zapis_uroven(jmeno_urovne(n).c_str(), u);
    }
}

void spust()
{
    priprav_urovne();
    spust_headless(ODRAZ_RUN_DIR "/odraz.dat");
    nastav_barvy_a_pismo();
    jazyk = 1;
    pocet_kol = UROVNI;
}

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:").
double pameti_mb(const char* pole)
{
    std::ifstream f("/proc/self/status");
    std::string radek;
    while (std::getline(f, radek))
        if (radek.rfind(pole, 0) == 0) return std::stod(radek.substr(std::strlen(pole))) / 1024.0;
    return 0;
}

// From the call to the first poll after the gallery's first frame was shown (the waiting message is a
// frame of its own before it).
void BM_GalerieDoPrvnihoSnimku(benchmark::State& st)
{
    spust();
    double pred = pameti_mb("VmRSS:"), behem = 0;
    for (auto _ : st) {
        hl_reset();
        long long snimek = plat_cislo_snimku();
        hodiny::time_point start = hodiny::now(), prvni{};
        hl_pri_vstupu([&](long long) {
            if (prvni == hodiny::time_point{} && plat_cislo_snimku() >= snimek + 2) {
                prvni = hodiny::now();
                behem = pameti_mb("VmRSS:");
            }
        });
        hl_klik(710, 562);
        int pozice = 0;
        galery(&pozice);
        st.SetIterationTime(std::chrono::duration<double>(prvni - start).count());
    }
    st.counters["rss_pred_mb"] = pred;
    st.counters["rss_v_galerii_mb"] = behem;
    st.counters["spicka_procesu_mb"] = pameti_mb("VmHWM:");
    ukonci_headless();
}
BENCHMARK(BM_GalerieDoPrvnihoSnimku)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Every pass of the loop moves the held ">>>" a row down (the tick clock is set to pass the repeat
// threshold each pass), so each pass draws three new miniatures, composes and shows the frame.
void BM_GalerieKrokPosunu(benchmark::State& st)
{
    spust();
    constexpr int PRUCHODU = 300;
    for (auto _ : st) {
        hl_reset();
        hl_tiku_na_vstup = 101;
        hodiny::time_point od{}, po{};
        hl_pri_vstupu([&](long long pruchod) {
            if (pruchod == 2) od = hodiny::now();
            if (pruchod == 2 + PRUCHODU) po = hodiny::now();
        });
        hl_pridej({.x = 190, .y = 562, .b = 1, .pruchodu = PRUCHODU + 5});
        hl_klik(710, 562);
        int pozice = 0;
        galery(&pozice);
        if (pozice < PRUCHODU * 150) st.SkipWithError("the arrow did not move a row every pass");
        st.SetIterationTime(std::chrono::duration<double>(po - od).count() / PRUCHODU);
    }
    ukonci_headless();
}
BENCHMARK(BM_GalerieKrokPosunu)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);

}  // namespace
