// The best-games table: entering a finished game with the player's name, and showing the table.
#pragma once
#include "persist/best_games_file.h"

#include <allegro.h>

int zaradit_skore(NEJ_SCORE* tabulka, int skore, int level);   // inserts; the row, or -1 when it does not qualify
int zapis_score(int vitez);                          // 1 when the game entered the table (name typed)
int nej_score();                                     // shows the table until OK is clicked
void zobraz_nej_score(const NEJ_SCORE* tabulka, int cursor, int pocet, BITMAP* cil);
int urci_cursor_s(int x, int y);                     // 1 on the OK button, else -1
void pis_jmeno_u(int* pozice, char* jmeno, int* hotovo);   // one key of the name entry
