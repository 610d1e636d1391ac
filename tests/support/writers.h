// Every writer of a file the game keeps, in one list, for the tests that kill or starve a write: each
// writes one of two versions of its file through the game's own code.
#pragma once
#include <span>

struct ZAPISOVATEL {
    const char* nazev;      // for messages
    const char* soubor;     // the file it writes, relative to the working directory
    bool (*zapis)(int verze);   // writes version 0 or 1; false when the game's writer failed
};

std::span<const ZAPISOVATEL> zapisovatele();
