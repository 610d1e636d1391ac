// The saved-games screens: saving the game in progress into one of twenty named slots, and choosing
// a slot to continue.
#pragma once
#include "persist/save_file.h"
#include "ui/text.h"

#include <allegro.h>
#include <span>

int save_game();   // 1 when the game was saved, 0 when the player cancelled or it could not be written
int load_game();   // the slot chosen, 0..19, or -1

// One key of a slot's name: the name-field rules; Enter (with a letter typed) sets `stav` to -1, Esc
// puts the backup back and sets it to -2.
void pis_jmeno_s(int* pozice, char* jmeno, const char* zaloha, int* stav);
// The game in progress as a slot: the standing bricks by cell, lives, score, level, effects, clock and
// speed. The name is left as it is.
void hra_ze_stavu(ULOZENA_HRA* h);

// The notice that a save could not be written, over the table: its lines, and its drawing with the OK
// button lit when `tlacitko` is SLOT_OK.
std::span<const TEXT> radky_neulozeno();
void zobraz_neulozeno(int tlacitko, BITMAP* cil);
