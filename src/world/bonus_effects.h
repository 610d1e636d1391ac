// The effects of the sixteen bonuses, applied when their capsule has been caught.
#pragma once
#include "world/objects.h"

// Applies the effect of every caught capsule in array order and kills the capsule; may write 660
// (the last life lost) or 661 ("next level") into *stav.
void menit_nastaveni(OBJECT** bonusy, int pocet, int* stav);
