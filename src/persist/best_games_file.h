// n_score.ddt: the twenty best games, 21 bytes each — score, level (little-endian int32) and a
// 13-byte name — from the best down, in the order they were entered.
#pragma once
#include "core/constants.h"

constexpr int POCET_NEJ = 20;
constexpr int VELIKOST_ZAZNAMU_NEJ = 21;

struct NEJ_SCORE {
    int skore;
    int level;
    char jmeno[MAX_JMENO];
};

void prazdna_tabulka(NEJ_SCORE* tabulka);                         // 20 empty entries
void cti_tabulku(const char* soubor, NEJ_SCORE* tabulka);         // entries not in the file stay empty
bool zapis_tabulku(const char* soubor, const NEJ_SCORE* tabulka);  // whole, or the old file stays
void nacti_sampiona(const char* soubor, char* jmeno);             // entry 0's name, "Neuvedeno" without file
