// Direct copies for 16-bit memory bitmaps.
#include "ui/memory_blit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

static bool primo(BITMAP* a, BITMAP* b)
{
    return is_memory_bitmap(a) && is_memory_bitmap(b) && bitmap_color_depth(a) == 16 && bitmap_color_depth(b) == 16;
}

void kopiruj_obdelnik(BITMAP* zdroj, BITMAP* cil, int x, int y, int w, int h)
{
    if (!primo(zdroj, cil)) {
        blit(zdroj, cil, x, y, x, y, w, h);
        return;
    }
    int x1 = std::max({x, 0, cil->cl}), y1 = std::max({y, 0, cil->ct});
    int x2 = std::min({x + w, zdroj->w, cil->cr}), y2 = std::min({y + h, zdroj->h, cil->cb});
    if (x1 >= x2 || y1 >= y2) return;
    std::size_t bajtu = std::size_t(x2 - x1) * 2;
    for (int r = y1; r < y2; r++) std::memcpy(cil->line[r] + 2 * x1, zdroj->line[r] + 2 * x1, bajtu);
}

void kresli_masku(BITMAP* cil, BITMAP* sprite, int x, int y)
{
    if (!primo(sprite, cil)) {
        draw_sprite(cil, sprite, x, y);
        return;
    }
    int x1 = std::max(x, cil->cl), y1 = std::max(y, cil->ct);
    int x2 = std::min(x + sprite->w, cil->cr), y2 = std::min(y + sprite->h, cil->cb);
    for (int r = y1; r < y2; r++) {
        const auto* z = reinterpret_cast<const uint16_t*>(sprite->line[r - y]);
        auto* c = reinterpret_cast<uint16_t*>(cil->line[r]);
        for (int s = x1; s < x2; s++) {
            uint16_t v = z[s - x];
            c[s] = v == MASK_COLOR_16 ? c[s] : v;   // a select, not a branch: the loop vectorizes
        }
    }
}
