// save.ddt of any bytes, with the slot to continue in the first byte: a slot is read whole or not at
// all, what it holds writes and reads back the same, and the loader continues it with bricks of its
// grid and a state the game can show and play, or refuses it.
#include "fuzz_bricks.h"
#include "fuzz_support.h"

#include "core/globals.h"
#include "core/level_file.h"
#include "core/modes.h"
#include "levels/loader.h"
#include "persist/save_file.h"
#include "world/objects.h"

#include <cmath>
#include <cstddef>
#include <cstring>

static void urovne()
{
    static bool hotovo = false;
    if (hotovo) return;
    hotovo = true;
    UROVEN u{};
    for (int i = 0; i < POCET_BUNEK; i += 3) u.bunky[i] = 1 + i % KOSTKA_SEDA;
    std::strcpy(u.autor, "Fuzz");
    for (int l = 1; l <= 3; l++) OVER(zapis_uroven(jmeno_urovne(l).c_str(), u));
}

static bool jedno_z(int v, int a, int b, int c) { return v == a || v == b || v == c; }

// The state a continued game starts from.
static void over_stav()
{
    OVER(nas[NAS_ZIVOTY] >= 0 && nas[NAS_SKORE] >= 0);
    OVER(LEVEL >= 1 && LEVEL <= 3);
    OVER(nas[NAS_DRUH_KOULE] >= KOULE_SEDA && nas[NAS_DRUH_KOULE] <= KOULE_RUDA);
    OVER(jedno_z(nas[NAS_PRUMER], 8, 12, 16) && jedno_z(nas[NAS_SIRKA_PRKNA], 40, 80, 120));
    for (int i : {NAS_PUSKA, NAS_LEPIDLO, NAS_NAHODNY_ODRAZ}) OVER(nas[i] == 0 || nas[i] == 1);
    OVER(nas[NAS_MINUTY] >= 0 && nas[NAS_SEKUNDY] >= 0 && nas[NAS_SEKUNDY] < 60);
    OVER(std::isfinite(hlavni_krok) && hlavni_krok > 0 && hlavni_krok < 2 * maxi_krok);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    if (n == 0) return 0;
    fuzz_adresar();
    fuzz_obrazky();
    urovne();
    int slot = int(d[0] % (POCET_ULOZENYCH + 2)) - 1;   // -1 and 20 are no slots
    fuzz_soubor(SOUBOR_ULOZENYCH_HER, d + 1, n - 1);

    ULOZENA_HRA h;
    STAV_CTENI s = nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, slot, &h);
    bool cely = slot >= 0 && slot < POCET_ULOZENYCH && n - 1 >= VELIKOST_ZAZNAMU * (slot + 1);
    OVER((s == CTENI_CELE) == cely);
    for (int b : h.mrizka) OVER(bunka_platna(b));
    OVER(jmeno_konci(h.jmeno));
    if (cely) {
        unsigned char b[VELIKOST_ZAZNAMU];
        hra_do_bajtu(h, b);
        ULOZENA_HRA znovu;
        hra_z_bajtu(b, &znovu);
        OVER(std::memcmp(&h, &znovu, offsetof(ULOZENA_HRA, jmeno)) == 0 && std::strcmp(h.jmeno, znovu.jmeno) == 0);
    }

    char autor[MAX_JMENO] = "puvodni";
    POCET_KOSTEK = 0;
    LEVEL = 7;
    int vysledek = priprav_kostky(autor, MOD_ULOZENA_HRA, 0, slot, kostka, &POCET_KOSTEK);
    if (vysledek == 0) {
        OVER(cely && h.level >= 1 && h.level <= 3);
        OVER(std::strcmp(autor, "Fuzz") == 0);
        over_stav();
        over_a_uvolni_kostky(h.mrizka);
    } else {
        OVER(vysledek == STAV_CHYBI_SOUBOR && POCET_KOSTEK == 0 && LEVEL == 7);
        OVER(std::strcmp(autor, "puvodni") == 0);
    }
    return 0;
}
