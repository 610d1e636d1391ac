// A stand-in for odraz.dat in memory: every position of the catalogue with a picture of the size
// the code relies on (blank), short silent samples and the library's font.
#include "support/fake_data.h"

#include "core/resources.h"

static DATAFILE falesna[POCET_ZDROJU + 1];
static DATAFILE* nahrazena = nullptr;
static bool zalozena = false;

// Sizes where the catalogue leaves them to the artwork: typical ones.
static void velikost_obrazku(int p, int* w, int* h)
{
    POZADAVEK_ZDROJE z = pozadavek_zdroje(p);
    *w = z.sirka;
    *h = z.vyska;
    if (p >= bmp_bonus_01 && p < bmp_mouse_pointer) *w = 30, *h = 15;
    if (p == bmp_mouse_pointer) *w = 16, *h = 16;
    if (p >= bmp_paddle_grey_40 && p <= bmp_paddle_grey_40 + 8) *h = 20;
    if (p == bmp_gun_left || p == bmp_gun_right) *w = 10, *h = 15;
    if (p == bmp_shot) *w = 4, *h = 10;
    if (*w == 0) *w = 1;
    if (*h == 0) *h = 1;
}

static DATAFILE polozka(int p)
{
    POZADAVEK_ZDROJE z = pozadavek_zdroje(p);
    if (z.druh == ZDROJ_ZVUK) return {create_sample(8, 0, 11025, 16), DAT_SAMPLE, 16, nullptr};
    if (z.druh == ZDROJ_PISMO) return {font, DAT_FONT, 0, nullptr};
    int w, h;
    velikost_obrazku(p, &w, &h);
    BITMAP* b = create_bitmap_ex(16, w, h);
    clear_to_color(b, makecol_depth(16, 40 + 2 * p, 200 - 2 * p, 120));
    return {b, DAT_BITMAP, 0, nullptr};
}

void zaloz_falesna_data()
{
    if (zalozena) return;
    for (int p = 0; p < POCET_ZDROJU; p++) falesna[p] = polozka(p);
    falesna[POCET_ZDROJU] = {nullptr, DAT_END, 0, nullptr};
    nahrazena = data;
    data = falesna;
    zalozena = true;
}

void zrus_falesna_data()
{
    if (!zalozena) return;
    for (int p = 0; p < POCET_ZDROJU; p++) {
        if (falesna[p].type == DAT_BITMAP) destroy_bitmap(static_cast<BITMAP*>(falesna[p].dat));
        if (falesna[p].type == DAT_SAMPLE) destroy_sample(static_cast<SAMPLE*>(falesna[p].dat));
        falesna[p] = {};
    }
    data = nahrazena;
    nahrazena = nullptr;
    zalozena = false;
}
