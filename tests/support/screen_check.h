// Looking at what a screen shows: texts in their colours, pictures in their places.
#pragma once
#include <allegro.h>

enum ZAROVNANI { VLEVO, NA_STRED, VPRAVO };

// Every pixel of `text`, printed with the game font at (x, y) in `barva`, is there in `b`.
bool text_je_videt(BITMAP* b, const char* text, int x, int y, int barva, ZAROVNANI z = NA_STRED);
// The w x h area of `a` at (ax, ay) equals that of `b` at (bx, by).
bool oblasti_shodne(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by, int w, int h);
// How many pixels of the area have colour `barva`.
int pixelu_barvy(BITMAP* b, int x, int y, int w, int h, int barva);
