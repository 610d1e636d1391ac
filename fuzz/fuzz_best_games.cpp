// n_score.ddt of any bytes: twenty entries whose names end, a champion's name that ends, and a table
// that is written back reads back the same.
#include "fuzz_support.h"

#include "persist/best_games_file.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    fuzz_adresar();
    fuzz_soubor("n_score.ddt", d, n);
    NEJ_SCORE t[POCET_NEJ];
    cti_tabulku("n_score.ddt", t);
    for (const NEJ_SCORE& z : t) OVER(jmeno_konci(z.jmeno));
    char sampion[MAX_JMENO];
    nacti_sampiona("n_score.ddt", sampion);
    OVER(jmeno_konci(sampion));
    if (n >= 21) OVER(std::strcmp(sampion, t[0].jmeno) == 0);

    if (!zkus_zapis(n)) return 0;
    OVER(zapis_tabulku("zpet.ddt", t));
    NEJ_SCORE znovu[POCET_NEJ];
    cti_tabulku("zpet.ddt", znovu);
    for (int i = 0; i < POCET_NEJ; i++) {
        OVER(znovu[i].skore == t[i].skore && znovu[i].level == t[i].level);
        OVER(std::strcmp(znovu[i].jmeno, t[i].jmeno) == 0);
    }
    return 0;
}
