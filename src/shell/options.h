// The game's command line: how the picture reaches the display (window, full screen, enlarged) and the
// two questions a player may ask without starting the game, --help and --version.
#pragma once
#include "platform/platform.h"

#include <string>

enum AKCE_VOLEB { AKCE_HRAJ, AKCE_NAPOVEDA, AKCE_VERZE, AKCE_CHYBA };

struct VOLBY {
    AKCE_VOLEB akce = AKCE_HRAJ;
    PLAT_ZOBRAZENI zobrazeni;       // a plain start leaves the choice to the library, unenlarged
    std::string chyba;              // the offending argument, with AKCE_CHYBA
};

VOLBY cti_volby(int argc, const char* const* argv);   // argv[0] is the program's name; argv may be null
// Prints the help, the version or the error of the command line (Czech when the locale is Czech) and
// returns the exit code: 0 for the answers, 2 for a command line that is not understood.
int odpovez_na_volby(const VOLBY& v);
