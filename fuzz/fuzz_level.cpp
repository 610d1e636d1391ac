// A level file of any bytes: the cells the game sees are 0..10, the author name ends, the file reads
// as the bytes decode, what is written back reads back the same, and the loader makes exactly the
// bricks of the cells.
#include "fuzz_bricks.h"
#include "fuzz_support.h"

#include "core/level_file.h"
#include "core/modes.h"
#include "levels/loader.h"
#include "world/objects.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    fuzz_adresar();
    fuzz_obrazky();
    UROVEN u;
    uroven_z_bajtu(d, n, &u);
    for (int b : u.bunky) OVER(bunka_platna(b));
    OVER(jmeno_konci(u.autor));

    unsigned char b[VELIKOST_UROVNE];
    uroven_do_bajtu(u, b);
    UROVEN znovu;
    OVER(uroven_z_bajtu(b, sizeof b, &znovu) == 0);
    OVER(std::memcmp(u.bunky, znovu.bunky, sizeof u.bunky) == 0 && std::strcmp(u.autor, znovu.autor) == 0);

    fuzz_soubor("Level/level_001.lvl", d, n);
    UROVEN ze_souboru;
    STAV_CTENI s = nacti_uroven("Level/level_001.lvl", &ze_souboru);
    OVER(s == (n >= VELIKOST_UROVNE ? CTENI_CELE : CTENI_KRATKE));
    OVER(std::memcmp(&u, &ze_souboru, sizeof u) == 0);

    char autor[MAX_JMENO];
    POCET_KOSTEK = 0;
    OVER(priprav_kostky(autor, MOD_OBYCEJNA, 1, 0, kostka, &POCET_KOSTEK) == 0);
    OVER(std::memcmp(autor, u.autor, MAX_JMENO) == 0);
    over_a_uvolni_kostky(u.bunky);
    return 0;
}
