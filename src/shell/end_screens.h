// The level box that opens a round and the screens that end a round or a game.
#pragma once
#include <allegro.h>

void hlaska_kolo(int level, BITMAP* cil);   // the small level box at (280, 230) of `cil`
int game_next();                            // next level, or the end of a try
int game_over();
int game_winner();
int game_error();
int game_error_soubor();
