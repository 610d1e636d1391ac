// Whole-pixel enlargement of the game's 800x600 picture for large displays, shared by both drivers.
#pragma once
#include <allegro.h>

// Copies the w x h rectangle at (x, y) of the 16-bit memory bitmap `z` to (x*n, y*n) of the 16-bit
// memory bitmap `cil`, every pixel as an n x n block. The rectangle is clipped to both bitmaps.
void zvetsi_obdelnik(BITMAP* z, BITMAP* cil, int x, int y, int w, int h, int n);
