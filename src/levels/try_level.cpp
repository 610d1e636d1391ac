// The end of a try.
#include "levels/try_level.h"

#include "core/globals.h"

void konec_zkousky() { HRAJE_SE = 0; }
