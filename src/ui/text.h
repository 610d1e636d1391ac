// Texts in two languages, chosen by `jazyk` at the moment of drawing.
#pragma once
#include "core/globals.h"

struct TEXT {
    const char* cz;
    const char* en;
};

inline const char* tx(const TEXT& t) { return jazyk == 1 ? t.cz : t.en; }
