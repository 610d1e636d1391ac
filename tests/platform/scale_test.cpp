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

TEST(EnlargedDisplay, PictureDoubledAndPointerHalved)
{
    spust_headless(nullptr);
    HRAJE_SE = 0;   // a fresh program: no game to ask about on the way out
    {
        PISKOVISTE p(S_DATY | S_UROVNEMI);
        BITMAP* obraz = create_bitmap(800, 600);
        bool rozsvicena = false, zdvojena = false;
        // "Nová hra" (y 285, right of its text) is pointed at on the large display; the game must light it at half that.
        hl_pridej({.x = 2 * 490 + 1, .y = 2 * 285 + 1, .pruchodu = 20});
        hl_pri_vstupu([&](long long) {
            if (rozsvicena) return;
            plat_sejmi(obraz);
            if (!(rozsvicena = text_je_videt(obraz, "Nová hra", 400, 276, BARVA_2))) return;
            BITMAP* d = hl_obrazovka();   // every pixel of the picture a 2 x 2 block of the display
            zdvojena = d->w == 1600 && d->h == 1200;
            for (int i = 0; zdvojena && i < 1600 * 1200; i++)
                zdvojena = _getpixel16(d, i % 1600, i / 1600) == _getpixel16(obraz, i % 1600 / 2, i / 3200);
        });
        hl_klik(2 * 400, 2 * 510 + 1);   // "Konec hry"
        hl_limit_necinnosti = 1000;
        const char* argv[] = {"odraz", "--scale", "2"};
        EXPECT_NO_THROW(EXPECT_EQ(hlavni(3, argv), 0));
        EXPECT_EQ(std::pair(rozsvicena, zdvojena), std::pair(true, true));
        destroy_bitmap(obraz);
    }
    ukonci_headless();
    EXPECT_EQ(hl_obrazovka()->w, 800);   // the next test finds the plain display again
}
