// Whole-screen frames of the menu-like screens: composed in full every pass, but sent to the screen only
// when they differ from the frame shown last, so an idle screen costs next to nothing.
#pragma once
#include "ui/bitmap.h"

struct SNIMEK_OBRAZOVKY {
    BITMAPA kresba;     // composed in this pass
    BITMAPA ukazany;    // what the screen shows
    bool platny;        // false when something else has drawn on the screen since
};

SNIMEK_OBRAZOVKY novy_snimek();                 // two screen-sized bitmaps, nothing shown yet
void ukaz_snimek(SNIMEK_OBRAZOVKY* s);          // puts the composed frame on the screen if it changed
bool stejne_bitmapy(BITMAP* a, BITMAP* b);      // same size and the same pixels
