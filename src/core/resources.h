// The resource catalogue: every picture, sound effect and the font of odraz.dat, addressed by position.
#pragma once
#include <allegro.h>

// Positions in odraz.dat. Ranges (bonus capsules, bricks, balls, paddles) are reached by arithmetic.
enum : int {
    bmp_bonus_01 = 0,            // capsules of bonus 1..16 at positions 0..15
    bmp_mouse_pointer = 16,
    bmp_brick_00 = 17,           // brick type t at 17 + t (0 = the editor's empty cell)
    bmp_ball_grey_8 = 28,        // ball of kind k and diameter d at 25 + 3k + (d - 7) / 4
    bmp_minibrick_00 = 37,       // miniature brick type t at 37 + t
    bmp_menu_background = 48,
    bmp_frame_pieces = 49,
    bmp_dialog_panel = 50,
    bmp_bar_pieces = 51,
    bmp_bar_pieces_lit = 52,
    fnt_main = 53,
    bmp_window_texture = 54,
    bmp_paddle_grey_40 = 56,     // paddle of ball kind k and width w at 52 + 3k + w / 40
    bmp_gun_left = 65,
    bmp_gun_right = 66,
    bmp_shot = 67,
    bmp_button = 68,
    bmp_button_lit = 69,
    snd_bonus = 70,
    snd_ball_lost = 71,
    snd_click = 72,
    snd_brick = 73,
    snd_paddle = 74,
    snd_wall = 75,
    POCET_ZDROJU = 76,
};

// What the code relies on at one position: the kind and, for pictures, the exact or least size.
enum DRUH_ZDROJE : int { ZDROJ_NIC, ZDROJ_OBRAZEK, ZDROJ_ZVUK, ZDROJ_PISMO };
struct POZADAVEK_ZDROJE {
    DRUH_ZDROJE druh;
    int sirka, vyska;   // exact size, or 0 where any size will do
    bool nejmene;       // sizes are a lower bound, not exact
};

extern DATAFILE* data;  // the loaded datafile, from start-up to exit

POZADAVEK_ZDROJE pozadavek_zdroje(int pozice);        // what position `pozice` must hold
bool katalog_v_poradku(const DATAFILE* d);             // every position present with its kind and size
BITMAP* obr(int pozice);                               // picture at a position
int res_koule(int druh, int prumer);                   // ball sprite position for kind 1..3, diameter 8/12/16
int res_prkno(int druh, int sirka);                    // paddle sprite position for kind 1..3, width 40/80/120
int res_kostka(int typ);                               // brick picture of type 0..10
