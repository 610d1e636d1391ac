// An off-screen bitmap that destroys itself.
#pragma once
#include <allegro.h>
#include <memory>

struct ZNIC_BITMAPU {
    void operator()(BITMAP* b) const { if (b) destroy_bitmap(b); }
};
using BITMAPA = std::unique_ptr<BITMAP, ZNIC_BITMAPU>;

inline BITMAPA nova_bitmapa(int w, int h) { return BITMAPA(create_bitmap(w, h)); }
