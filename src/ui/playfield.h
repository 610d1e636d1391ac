// Drawing the playfield and its status bar with dirty rectangles, the frame every screen shares,
// whole-screen copies and the curtain wipe that reveals a round.
#pragma once
#include "world/objects.h"

#include <allegro.h>

constexpr int RADEK_STAVU = 580;                // top of the status bar
constexpr int POZADI_HRA = 1;                   // frame with the status bar
constexpr int POZADI_OBRAZOVKA = 2;             // frame only
constexpr int PAUZA_SEDE_MS = 100;              // between two grey bricks turning at 7:00

// Width, height, left and top of the rectangle covering an object where it was and where it is now.
void spocti_souradnice(const OBJECT* o, int* sirka, int* vyska, int* vlevo, int* nahore);
void kresli_pozadi(int sirka, int vyska, int vlevo, int nahore, BITMAP* zdroj, BITMAP* cil);
void kresli_object(const OBJECT* o, BITMAP* cil);
void kresli_na_screen(int sirka, int vyska, int vlevo, int nahore, BITMAP* zdroj);   // to the display
void kresli_pozadi_kola(int mod, const char* autor, BITMAP* cil);   // clears, frame, status bar in mode 1
void kresli_prostredi(const char* autor, BITMAP* cil);              // frame and status bar, no clearing
void zakresli_kostky(KOSTKA** kostky, int pocet, BITMAP* cil);
void tisk_vse(BITMAP* zdroj, BITMAP* cil);
void pis_texty(int sek, int min, BITMAP* base_bmp, BITMAP* scene_bmp);
void efektni_tisk(BITMAP* zdroj);                                   // reveals zdroj on the display
void ukaz_premenene(KOSTKA* const* kostky, int pocet, BITMAP* scene_bmp);   // the 7:00 grey conversion
void draw_all(OBJECT* prkno, OBJECT** pusky, int pocet_pusek, OBJECT** koule, int pocet_kouli,
              KOSTKA** kostky, int pocet_kostek, OBJECT** strely, int pocet_strel, OBJECT** bonusy,
              int pocet_bonusu, BITMAP* base_bmp, BITMAP* scene_bmp, BITMAP* sprite_bmp);
