// Copies between the game's off-screen bitmaps straight through their line pointers: the playfield's
// many small rectangles cost a fraction of the library's general blit. Anything else (the screen,
// other depths) goes through the library.
#pragma once
#include <allegro.h>

// The w x h rectangle at (x, y) of `zdroj` to the same place in `cil`, clipped to both.
void kopiruj_obdelnik(BITMAP* zdroj, BITMAP* cil, int x, int y, int w, int h);
// `sprite` at (x, y) of `cil`, its mask-coloured pixels left out.
void kresli_masku(BITMAP* cil, BITMAP* sprite, int x, int y);
