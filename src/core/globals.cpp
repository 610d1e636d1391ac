// Definitions of the game's shared globals.
#include "core/globals.h"

int BARVA_1, BARVA_2, BARVA_3;
int pocet_kol = 0;
int LEVEL = 1;
int MOD_HRY = MOD_ZADNY;
int ULOZENA = 0;
int HRAJE_SE = 0;
int vytvorena = 0;
int jazyk = 1;
char sampion_jmeno[MAX_JMENO];
char autor_jmeno[MAX_JMENO];
