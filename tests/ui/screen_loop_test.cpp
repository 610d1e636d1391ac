// The one screen loop on a still screen: nothing is sent until something the screen shows changes.
#include "core/bitmap.h"
#include "core/modes.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/menu.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "ui/screen_loop.h"

#include <ctime>
#include <vector>

using KlidnaObrazovka = Obrazovka;

// A second of virtual time (100 passes of six ticks) with the pointer still sends no frame but the one for
// the wall clock's second that the menu's panel shows, even when a piece of music ends and the next
// begins; a second with one pointer move sends one more.
TEST_F(KlidnaObrazovka, StillMenuSendsNothingUntilThePointerMoves)
{
    pocet_midi = 3;
    long long snimky[4] = {};   // frames sent by the end of seconds 1, 2 and 3
    int sekund[4] = {};         // the wall clock's seconds turned during each
    std::time_t cas = 0;
    int dalsi_skladba = 0;
    hl_pri_vstupu([&](long long n) {
        int s = static_cast<int>((n - 1) / 100);
        if (s < 4 && std::time(nullptr) != cas) sekund[s]++, cas = std::time(nullptr);
        if (n % 100 == 0 && s < 4) snimky[s] = plat_cislo_snimku();
        if (n == 150) hl_midi_dohralo();
        if (n == 160) dalsi_skladba = hl_pocet(HL_MIDI_START, 3);
        if (n == 200) hl_mys(120, 160, -1);
        if (n == 300) hl_klik(490, 510);   // "Konec hry"
    });
    hl_mys(100, 150, 0);
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_EQ(dalsi_skladba, 1);   // the next piece began, and the picture did not change for it
    EXPECT_LE(snimky[1] - snimky[0], sekund[1]);
    EXPECT_GE(snimky[2] - snimky[1], 1);
    EXPECT_LE(snimky[2] - snimky[1], 1 + sekund[2]);
}

// A frame is composed for the first pass, a pointer move, the screen's own change, and after something
// else drew on the display; for nothing else.
TEST_F(KlidnaObrazovka, FrameIsComposedOnlyForAChange)
{
    BITMAPA jinde = nova_bitmapa(10, 10);
    clear_to_color(jinde.get(), 0);
    int slozeno = 0;
    std::vector<int> po_pruchodech;   // frames composed by passes 10, 20, ... 50
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            long long n = hl_pruchodu;
            if (n % 10 == 0) po_pruchodech.push_back(slozeno);
            if (n == 20) hl_mys(200, 200, -1);
            if (n == 30) s->zmena = true;
            if (n == 40) plat_ukaz(jinde.get(), 0, 0, 0, 0, 10, 10);
            s->konec = n == 50;
        },
        [&](BITMAP* b) { clear_to_color(b, makecol(0, 0, ++slozeno % 200)); });
    EXPECT_EQ(po_pruchodech, (std::vector<int>{1, 1, 2, 3, 4}));
}
