// The one screen loop on a still screen: nothing is sent until something the screen shows changes.
#include "core/modes.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/menu.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "ui/screen_loop.h"

#include <ctime>
#include <vector>

namespace {

constexpr int SEKUNDA = 100;   // passes in a second of virtual time (six ticks each)

// Frames sent over a stretch of passes, and how often the wall clock's second (which the menu's
// panel shows) turned meanwhile.
struct USEK {
    long long snimky = 0;
    int sekund = 0;
};

}  // namespace

using KlidnaObrazovka = Obrazovka;

TEST_F(KlidnaObrazovka, StillMenuSendsNothingUntilThePointerMoves)
{
    pocet_midi = 3;   // music plays, and a piece ends on the way
    USEK klid, pohyb;
    long long snimky = 0;
    std::time_t cas = 0;
    int dalsi_skladba = 0;
    hl_pri_vstupu([&](long long n) {
        std::time_t t = std::time(nullptr);
        USEK* u = n > SEKUNDA && n <= 2 * SEKUNDA ? &klid : n > 2 * SEKUNDA && n <= 3 * SEKUNDA ? &pohyb : nullptr;
        if (u && t != cas) u->sekund++;
        cas = t;
        if (n == SEKUNDA || n == 2 * SEKUNDA || n == 3 * SEKUNDA) {   // the end of a stretch
            if (n > SEKUNDA) (n == 2 * SEKUNDA ? klid : pohyb).snimky = plat_cislo_snimku() - snimky;
            snimky = plat_cislo_snimku();
        }
        if (n == SEKUNDA + SEKUNDA / 2) hl_midi_dohralo();
        if (n == SEKUNDA + SEKUNDA / 2 + 10) dalsi_skladba = hl_pocet(HL_MIDI_START, 3);
        if (n == 2 * SEKUNDA) hl_mys(120, 160, -1);
        if (n == 3 * SEKUNDA) hl_klik(490, 510);   // "Konec hry"
    });
    hl_mys(100, 150, 0);
    EXPECT_EQ(menu(MENU_HLAVNI), STAV_KONEC);
    EXPECT_EQ(dalsi_skladba, 1);   // the next piece began, and the picture did not change for it
    EXPECT_LE(klid.snimky, klid.sekund);
    EXPECT_GE(pohyb.snimky, 1);
    EXPECT_LE(pohyb.snimky, 1 + pohyb.sekund);
}

TEST_F(KlidnaObrazovka, FrameIsComposedOnlyForAChange)
{
    BITMAP* jinde = create_bitmap(10, 10);
    clear_to_color(jinde, 0);
    int slozeno = 0;
    std::vector<int> po_pruchodech;   // frames composed by the end of each pass
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            long long n = hl_pruchodu;
            if (n == 20) hl_mys(200, 200, -1);         // the pointer moves
            if (n == 30) s->zmena = true;              // the screen's own picture changes
            if (n == 40) plat_ukaz(jinde, 0, 0, 0, 0, 10, 10);   // something else draws on the display
            if (n == 50) s->konec = true;
            po_pruchodech.push_back(slozeno);
        },
        [&](BITMAP* b) {
            slozeno++;
            clear_to_color(b, makecol(0, 0, slozeno % 200));
        });
    destroy_bitmap(jinde);
    ASSERT_EQ(po_pruchodech.size(), 50u);
    EXPECT_EQ(po_pruchodech[1], 1);      // the first pass drew the screen
    EXPECT_EQ(po_pruchodech[19], 1);     // still
    EXPECT_EQ(po_pruchodech[29], 2);
    EXPECT_EQ(po_pruchodech[39], 3);
    EXPECT_EQ(po_pruchodech[49], 4);
}
