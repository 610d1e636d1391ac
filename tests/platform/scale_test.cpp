// The enlarged display: the program started with --scale 2 shows its 800x600 picture with every pixel
// doubled, and a pointer on the large display reaches the game at half its position.
#include "core/globals.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/startup.h"
#include "support/headless_game.h"
#include "support/sandbox.h"
#include "support/screen_check.h"

#include <gtest/gtest.h>

namespace {

// Every pixel of the 800x600 picture is an n x n block of the display.
bool zdvojeny(BITMAP* obraz, BITMAP* displej, int n)
{
    for (int y = 0; y < obraz->h; y++)
        for (int x = 0; x < obraz->w; x++)
            for (int k = 0; k < n * n; k++)
                if (_getpixel16(displej, x * n + k % n, y * n + k / n) != _getpixel16(obraz, x, y)) return false;
    return true;
}

}  // namespace

TEST(EnlargedDisplay, PictureDoubledAndPointerHalved)
{
    spust_headless(nullptr);
    HRAJE_SE = 0;   // a fresh program: no game to ask about on the way out
    {
        PISKOVISTE p(S_DATY | S_UROVNEMI);
        BITMAP* obraz = create_bitmap(800, 600);
        bool rozsvicena = false, zdvojena = false;
        int displej_w = 0;
        // "Nová hra" (y 285, right of its text) is pointed at on the large display; the game must light it at half that.
        hl_pridej({.x = 2 * 490 + 1, .y = 2 * 285 + 1, .pruchodu = 20});
        hl_pri_vstupu([&](long long) {
            if (rozsvicena) return;
            plat_sejmi(obraz);
            rozsvicena = text_je_videt(obraz, "Nová hra", 400, 276, BARVA_2);
            if (!rozsvicena) return;
            displej_w = hl_obrazovka()->w;
            zdvojena = zdvojeny(obraz, hl_obrazovka(), 2);
        });
        hl_klik(2 * 400, 2 * 510 + 1);   // "Konec hry"
        hl_limit_necinnosti = 1000;
        const char* argv[] = {"odraz", "--scale", "2"};
        EXPECT_NO_THROW(EXPECT_EQ(hlavni(3, argv), 0));
        EXPECT_TRUE(rozsvicena);
        EXPECT_EQ(displej_w, 1600);
        EXPECT_TRUE(zdvojena);
        destroy_bitmap(obraz);
    }
    ukonci_headless();
    EXPECT_EQ(hl_obrazovka()->w, 800);   // the next test finds the plain display again
}
