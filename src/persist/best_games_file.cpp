// Reading and writing n_score.ddt.
#include "persist/best_games_file.h"

#include "core/binary_file.h"

#include <cstring>

void prazdna_tabulka(NEJ_SCORE* tabulka)
{
    for (int i = 0; i < POCET_NEJ; i++) {
        tabulka[i].skore = 0;
        tabulka[i].level = 0;
        std::memset(tabulka[i].jmeno, 0, MAX_JMENO);
        std::strcpy(tabulka[i].jmeno, PRAZDNY_ZAZNAM);
    }
}

// An entry is taken only when all its 21 bytes are there; names always end within their field.
void cti_tabulku(const char* soubor, NEJ_SCORE* tabulka)
{
    prazdna_tabulka(tabulka);
    SOUBOR f = otevri_soubor(soubor, "rb");
    if (!f) return;
    for (int i = 0; i < POCET_NEJ; i++) {
        NEJ_SCORE z;
        if (!cti_int(f.get(), &z.skore) || !cti_int(f.get(), &z.level) ||
            !cti_bajty(f.get(), z.jmeno, MAX_JMENO))
            return;
        z.jmeno[MAX_JMENO - 1] = 0;
        tabulka[i] = z;
    }
}

bool zapis_tabulku(const char* soubor, const NEJ_SCORE* tabulka)
{
    std::vector<unsigned char> obsah;
    for (int i = 0; i < POCET_NEJ; i++) {
        pis_int(obsah, tabulka[i].skore);
        pis_int(obsah, tabulka[i].level);
        pis_bajty(obsah, tabulka[i].jmeno, MAX_JMENO);
    }
    return zapis_soubor(soubor, obsah);
}

void nacti_sampiona(const char* soubor, char* jmeno)
{
    std::memset(jmeno, 0, MAX_JMENO);
    SOUBOR f = otevri_soubor(soubor, "rb");
    if (!f) {
        std::strcpy(jmeno, NEUVEDENO);
        return;
    }
    if (std::fseek(f.get(), 8, SEEK_SET) == 0) cti_bajty(f.get(), jmeno, MAX_JMENO);
    jmeno[MAX_JMENO - 1] = 0;
}
