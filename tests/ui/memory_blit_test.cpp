// The direct copies give exactly what the library's blit and draw_sprite give, edges and clipping included.
#include "support/game_setup.h"
#include "platform/headless.h"
#include "core/bitmap.h"
#include "ui/memory_blit.h"
#include "ui/screen_frame.h"

#include <cstdlib>
#include <gtest/gtest.h>

static void sum(BITMAP* b, unsigned seed)
{
    std::srand(seed);
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) putpixel(b, x, y, std::rand() % 7 == 0 ? MASK_COLOR_16 : std::rand() & 0xffff);
}

TEST(MemoryBlit, MatchesTheLibraryEverywhere)
{
    spust_headless(nullptr);
    BITMAPA zdroj = nova_bitmapa(120, 90), a = nova_bitmapa(100, 80), b = nova_bitmapa(100, 80);
    BITMAPA sprite = nova_bitmapa(17, 11);
    sum(zdroj.get(), 1);
    sum(sprite.get(), 2);
    std::srand(3);
    for (int i = 0; i < 400; i++) {
        sum(a.get(), 10 + i);
        blit(a.get(), b.get(), 0, 0, 0, 0, 100, 80);
        int x = std::rand() % 160 - 40, y = std::rand() % 130 - 30;
        int w = std::rand() % 70 - 5, h = std::rand() % 50 - 5;
        for (BITMAP* c : {a.get(), b.get()}) {
            if (i % 3 == 0) set_clip_rect(c, 5, 7, 90, 70);   // a clipped target every third time
            else set_clip_rect(c, 0, 0, 99, 79);
        }
        kopiruj_obdelnik(zdroj.get(), a.get(), x, y, w, h);
        blit(zdroj.get(), b.get(), x, y, x, y, w, h);
        ASSERT_TRUE(stejne_bitmapy(a.get(), b.get())) << "copy " << x << "," << y << " " << w << "x" << h;
        kresli_masku(a.get(), sprite.get(), x, y);
        draw_sprite(b.get(), sprite.get(), x, y);
        ASSERT_TRUE(stejne_bitmapy(a.get(), b.get())) << "sprite at " << x << "," << y;
    }
    ukonci_headless();
}
