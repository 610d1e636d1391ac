// Whole-screen frames of the menu-like screens: sent to the display only when they differ from the
// frame it shows, so an unchanged picture costs no copy.
#pragma once
#include "core/bitmap.h"

struct SNIMEK_OBRAZOVKY {
    BITMAPA kresba;          // composed in this pass
    BITMAPA ukazany;         // what the display shows, while nothing else has drawn there since
    long long cislo = -1;    // the display's frame count right after ukazany was sent
};

SNIMEK_OBRAZOVKY novy_snimek();                 // two display-sized bitmaps, nothing shown yet
bool snimek_plati(const SNIMEK_OBRAZOVKY& s);   // the display still shows ukazany
void ukaz_snimek(SNIMEK_OBRAZOVKY* s);          // puts the composed frame on the display if it changed
bool stejne_bitmapy(BITMAP* a, BITMAP* b);      // same size and the same pixels
