// The help page, from which the level gallery opens.
#pragma once
#include <allegro.h>

constexpr int SIRKA_STRANKY = 640;
constexpr int VYSKA_STRANKY = 970;
constexpr int VYSKA_VYREZU = 400;                                // the viewport on the page
constexpr int NEJDAL_STRANKY = VYSKA_STRANKY - VYSKA_VYREZU;    // the last scroll position, 570

void napoveda();                             // runs the help page until the player leaves
void zobraz_napoveda_cz(BITMAP* stranka);    // the whole page in Czech (640 x 970)
void zobraz_napoveda_en(BITMAP* stranka);    // the whole page in English
void zobraz_tl(int kurzor, BITMAP* cil);     // the four buttons, `kurzor` lit
int urci_cursor_n(int x, int y);             // the button under the pointer, -1 none
