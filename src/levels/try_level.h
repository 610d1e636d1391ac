// The end of a try: the box that closes a level tried from the editor.
#pragma once
#include "levels/editor_dialogs.h"

#include <allegro.h>
#include <vector>

// The body lines of the end-of-try box in the current language, for the level file `soubor`.
std::vector<RADEK_DIALOGU> radky_konce_zkousky(const char* soubor);
// The end-of-try box for the level file `soubor`, drawn at (0, 0) of `cil` (390 x 220).
void kresli_konec_zkousky(const char* soubor, BITMAP* cil);
// Shows the end-of-try box over the playfield, waits for a key (the mouse does nothing) and ends the
// game: HRAJE_SE = 0.
void konec_zkousky();
