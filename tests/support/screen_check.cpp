// Screen inspection for tests.
#include "support/screen_check.h"

bool text_je_videt(BITMAP* b, const char* text, int x, int y, int barva, ZAROVNANI z)
{
    int w = text_length(font, text), h = text_height(font);
    if (z == NA_STRED) x -= w / 2;
    if (z == VPRAVO) x -= w;
    BITMAP* t = create_bitmap(w, h);
    clear_to_color(t, bitmap_mask_color(t));
    textout_ex(t, font, text, 0, 0, barva, -1);
    bool vse = true;
    for (int j = 0; j < h && vse; j++)
        for (int i = 0; i < w && vse; i++)
            if (getpixel(t, i, j) == barva && getpixel(b, x + i, y + j) != barva) vse = false;
    destroy_bitmap(t);
    return vse;
}

bool oblasti_shodne(BITMAP* a, int ax, int ay, BITMAP* b, int bx, int by, int w, int h)
{
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++)
            if (getpixel(a, ax + i, ay + j) != getpixel(b, bx + i, by + j)) return false;
    return true;
}

int pixelu_barvy(BITMAP* b, int x, int y, int w, int h, int barva)
{
    int n = 0;
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) n += getpixel(b, x + i, y + j) == barva;
    return n;
}
