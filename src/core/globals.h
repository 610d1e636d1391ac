// The game's shared globals: modes of play, level count, settings, names and the text colours.
#pragma once
#include "core/constants.h"
#include "core/modes.h"

extern int BARVA_1, BARVA_2, BARVA_3;   // text colours: ordinary, highlighted, unavailable

extern int pocet_kol;                   // level files found, 0..999
extern int LEVEL;                       // current level number
extern int MOD_HRY;                     // a MOD value
extern int ULOZENA;                     // saved-game slot to continue
extern int HRAJE_SE;                    // 1 while a game is in progress
extern int vytvorena;                   // level saved by the editor in this run, 0 none
extern int jazyk;                       // 1 Czech, anything else English
extern char sampion_jmeno[MAX_JMENO];   // first name of the best-games table
extern char autor_jmeno[MAX_JMENO];     // author name offered by the level editor
