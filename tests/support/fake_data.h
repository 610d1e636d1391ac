// A stand-in for odraz.dat in memory: every position of the catalogue with a picture of the size
// the code relies on (blank), short silent samples and the library's font.
#pragma once
#include <allegro.h>

// Builds the stand-in and makes it the global `data`, remembering the datafile it replaces. Allegro
// must be running (hl_start).
void zaloz_falesna_data();
// Frees the stand-in and puts the replaced datafile back.
void zrus_falesna_data();

// For a test's lifetime.
struct FALESNA_DATA {
    FALESNA_DATA() { zaloz_falesna_data(); }
    ~FALESNA_DATA() { zrus_falesna_data(); }
    FALESNA_DATA(const FALESNA_DATA&) = delete;
    FALESNA_DATA& operator=(const FALESNA_DATA&) = delete;
};
