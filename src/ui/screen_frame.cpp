// Sending composed frames to the screen.
#include "ui/screen_frame.h"

#include "platform/platform.h"

#include <cstring>
#include <utility>

SNIMEK_OBRAZOVKY novy_snimek()
{
    return {nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY), nova_bitmapa(SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY), false};
}

bool stejne_bitmapy(BITMAP* a, BITMAP* b)
{
    if (a->w != b->w || a->h != b->h || bitmap_color_depth(a) != bitmap_color_depth(b)) return false;
    size_t radek = size_t(a->w) * size_t((bitmap_color_depth(a) + 7) / 8);
    for (int y = 0; y < a->h; y++)
        if (std::memcmp(a->line[y], b->line[y], radek) != 0) return false;
    return true;
}

void ukaz_snimek(SNIMEK_OBRAZOVKY* s)
{
    if (s->platny && stejne_bitmapy(s->kresba.get(), s->ukazany.get())) return;
    acquire_screen();
    blit(s->kresba.get(), screen, 0, 0, 0, 0, SIRKA_OBRAZOVKY, VYSKA_OBRAZOVKY);
    release_screen();
    std::swap(s->kresba, s->ukazany);
    s->platny = true;
}
