// The settings panel around the menu's item list: music and effects volume, language, music choice,
// and the champion, the time of day, the date and the number of levels.
#pragma once
#include <allegro.h>

// Controls under the pointer, beside the menu items 0..9.
enum : int {
    OVL_HUDBA_MINUS = 21, OVL_HUDBA_PLUS, OVL_ZVUK_MINUS, OVL_ZVUK_PLUS,
    OVL_JAZYK_MINUS, OVL_JAZYK_PLUS, OVL_VOLBA_MINUS, OVL_VOLBA_PLUS,
};

void kresli_nastaveni(int kurzor, BITMAP* cil);        // the whole panel
bool nastaveni(int kurzor);                            // one step of a held control, paced by speed_counter;
                                                       // true when it stepped
int zjisti_cursor(int x, int y, int vlevo, int vpravo, int nahore, int krok, int vytvorena_uroven,
                  int nactena);                        // item 0..9, control 21..28, or -1
