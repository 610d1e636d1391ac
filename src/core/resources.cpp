// The resource catalogue: expected kinds and sizes of odraz.dat, and the check made at start-up.
#include "core/resources.h"

DATAFILE* data = nullptr;

POZADAVEK_ZDROJE pozadavek_zdroje(int p)
{
    if (p >= bmp_bonus_01 && p < bmp_mouse_pointer) return {ZDROJ_OBRAZEK, 0, 0, false};
    if (p == bmp_mouse_pointer) return {ZDROJ_OBRAZEK, 0, 0, false};
    if (p >= bmp_brick_00 && p <= bmp_brick_00 + 10) return {ZDROJ_OBRAZEK, 39, 20, false};
    if (p >= bmp_ball_grey_8 && p <= 36) {
        static constexpr int prumer[3] = {8, 12, 16};
        int d = prumer[(p - bmp_ball_grey_8) % 3];
        return {ZDROJ_OBRAZEK, d, d, false};
    }
    if (p >= bmp_minibrick_00 && p <= bmp_minibrick_00 + 10) return {ZDROJ_OBRAZEK, 10, 5, false};
    if (p >= bmp_paddle_grey_40 && p <= 64) return {ZDROJ_OBRAZEK, 40 * ((p - bmp_paddle_grey_40) % 3 + 1), 0, false};
    switch (p) {
    case bmp_menu_background: return {ZDROJ_OBRAZEK, 800, 600, false};
    case bmp_frame_pieces:    return {ZDROJ_OBRAZEK, 50, 50, true};
    case bmp_dialog_panel:    return {ZDROJ_OBRAZEK, 390, 220, false};
    case bmp_bar_pieces:
    case bmp_bar_pieces_lit:  return {ZDROJ_OBRAZEK, 250, 20, true};
    case fnt_main:            return {ZDROJ_PISMO, 0, 0, false};
    case bmp_window_texture:  return {ZDROJ_OBRAZEK, 50, 50, true};
    case 55:                  return {ZDROJ_NIC, 0, 0, false};
    case bmp_gun_left:
    case bmp_gun_right:
    case bmp_shot:            return {ZDROJ_OBRAZEK, 0, 0, false};
    case bmp_button:
    case bmp_button_lit:      return {ZDROJ_OBRAZEK, 80, 25, false};
    default: break;
    }
    if (p >= snd_bonus && p <= snd_wall) return {ZDROJ_ZVUK, 0, 0, false};
    return {ZDROJ_NIC, 0, 0, false};
}

static bool velikost_sedi(const BITMAP* b, const POZADAVEK_ZDROJE& z)
{
    if (z.nejmene) return b->w >= z.sirka && b->h >= z.vyska;
    if (z.sirka && b->w != z.sirka) return false;
    if (z.vyska && b->h != z.vyska) return false;
    return true;
}

// A datafile the code can rely on: at least 76 entries, each used position of its kind and size.
bool katalog_v_poradku(const DATAFILE* d)
{
    if (!d) return false;
    for (int p = 0; p < POCET_ZDROJU; p++)
        if (d[p].type == DAT_END) return false;
    for (int p = 0; p < POCET_ZDROJU; p++) {
        POZADAVEK_ZDROJE z = pozadavek_zdroje(p);
        if (z.druh == ZDROJ_NIC) continue;
        if (!d[p].dat) return false;
        if (z.druh == ZDROJ_PISMO && d[p].type != DAT_FONT) return false;
        if (z.druh == ZDROJ_ZVUK && d[p].type != DAT_SAMPLE) return false;
        if (z.druh == ZDROJ_OBRAZEK) {
            if (d[p].type != DAT_BITMAP) return false;
            if (!velikost_sedi(static_cast<const BITMAP*>(d[p].dat), z)) return false;
        }
    }
    return true;
}

BITMAP* obr(int pozice) { return static_cast<BITMAP*>(data[pozice].dat); }
int res_koule(int druh, int prumer) { return 25 + 3 * druh + (prumer - 7) / 4; }
int res_prkno(int druh, int sirka) { return 52 + 3 * druh + sirka / 40; }
int res_kostka(int typ) { return bmp_brick_00 + typ; }
