// The one loop that every screen but the playfield runs on, with the one click state.
#pragma once
#include <allegro.h>
#include <functional>

// The left button as the screens see it: a click is the release after a press, one pass long.
enum KLIK : int { KLIK_NIC = 0, KLIK_DRZI = 1, KLIK_PUSTIL = 2 };

void dalsi_klik(int* klik, bool dole);   // the click state of the next pass

// What a screen tells the loop, and the loop the screen.
struct OBRAZOVKA {
    int klik = KLIK_NIC;    // the click state of this pass
    bool konec = false;     // set by the reaction: leave after this pass, without drawing again
    bool zmena = true;      // set by the reaction: something it shows changed, compose a new frame
    bool mys = true;        // the pointer is drawn into the frame
    bool hudba = true;      // a piece that has ended is followed by the next
};

// Runs a screen until `reaguj` sets `konec`. A pass polls the input, updates the click, lets `reaguj`
// act, composes a frame with `kresli` (then the pointer) when the input or the screen changed or
// another screen drew over it, shows the frame when it differs from what the display shows, keeps
// the music going and paces the passes. A null `kresli` leaves the display as it is.
void spust_obrazovku(OBRAZOVKA* o, const std::function<void(OBRAZOVKA*)>& reaguj,
                     const std::function<void(BITMAP*)>& kresli);

// Waits, drawing nothing and leaving the music be, until a key waits in the keyboard buffer; the key
// stays there.
void cekej_na_klavesu();
