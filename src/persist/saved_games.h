// The saved-games screens: saving the game in progress into one of twenty named slots, and choosing
// a slot to continue.
#pragma once

int save_game();   // 1 when the game was saved, 0 otherwise
int load_game();   // the slot chosen, 0..19, or -1
