// Sending composed frames to the display.
#include "ui/screen_frame.h"

#include "platform/platform.h"

#include <cstring>
#include <utility>

SNIMEK_OBRAZOVKY novy_snimek()
{
    return {nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY), nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY), -1};
}

bool stejne_bitmapy(BITMAP* a, BITMAP* b)
{
    if (a->w != b->w || a->h != b->h || bitmap_color_depth(a) != bitmap_color_depth(b)) return false;
    size_t radek = size_t(a->w) * size_t((bitmap_color_depth(a) + 7) / 8);
    for (int y = 0; y < a->h; y++)
        if (std::memcmp(a->line[y], b->line[y], radek) != 0) return false;
    return true;
}

bool snimek_plati(const SNIMEK_OBRAZOVKY& s) { return s.cislo == plat_cislo_snimku(); }

void ukaz_snimek(SNIMEK_OBRAZOVKY* s)
{
    if (snimek_plati(*s) && stejne_bitmapy(s->kresba.get(), s->ukazany.get())) return;
    plat_ukaz_vse(s->kresba.get());
    std::swap(s->kresba, s->ukazany);
    s->cislo = plat_cislo_snimku();
}
