// Whole-pixel enlargement: each source row is widened once, then the widened row is repeated.
#include "platform/scaling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

void zvetsi_obdelnik(BITMAP* z, BITMAP* cil, int x, int y, int w, int h, int n)
{
    if (n < 1) return;
    int x2 = std::min({x + w, z->w, cil->w / n}), y2 = std::min({y + h, z->h, cil->h / n});
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (x >= x2 || y >= y2) return;
    const size_t bajtu = size_t(x2 - x) * n * sizeof(uint16_t);
    for (int r = y; r < y2; r++) {
        const uint16_t* zdroj = reinterpret_cast<const uint16_t*>(z->line[r]) + x;
        uint16_t* radek = reinterpret_cast<uint16_t*>(cil->line[r * n]) + x * n;
        for (int i = 0; i < x2 - x; i++) std::fill_n(radek + i * n, n, zdroj[i]);
        for (int k = 1; k < n; k++) std::memcpy(reinterpret_cast<uint16_t*>(cil->line[r * n + k]) + x * n, radek, bajtu);
    }
}
