// The level box that opens a round and the screens that end a round or a game.
#pragma once
#include <allegro.h>

// The message boxes that end a game: a title, justified body lines at their y, "press any key".
struct RADEK_ZPRAVY {
    int y;
    const char* text;
};
struct ZPRAVA {
    const char* nadpis;
    RADEK_ZPRAVY radky[5];
};
enum ZPRAVA_KONCE : int { ZPRAVA_VITEZSTVI, ZPRAVA_CHYBA_HRY, ZPRAVA_CHYBA_SOUBORU, POCET_ZPRAV_KONCE };
const ZPRAVA& zprava_konce(int druh);            // the texts of a box in the current language
void kresli_zpravu(const ZPRAVA& z, BITMAP* cil);   // the 390 x 220 box at (0, 0) of `cil`

void hlaska_kolo(int level, BITMAP* cil);   // the small level box at (280, 230) of `cil`
int game_next();                            // next level, or the end of a try
int game_over();
int game_winner();
int game_error();
int game_error_soubor();
