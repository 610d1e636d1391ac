// Bytes in memory read through the library's packfile functions, so that a loader reads exactly the
// bytes a check has walked.
#pragma once

#include <allegro.h>

struct PAMET_PACKFILE {
    const unsigned char* b;
    long n, pozice;
};

PACKFILE* otevri_pamet(PAMET_PACKFILE* m);   // a read-only packfile over m (reads move m->pozice); nullptr on failure
