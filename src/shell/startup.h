// The life of the program: start-up, the main menu, shutdown.
#pragma once

// The whole program. Returns 0 when it ran to its end, 1 when it could not start (no display, no
// odraz.dat, no timers), 2 for a command line it does not understand.
int hlavni(int argc = 0, const char* const* argv = nullptr);
int spocitej_urovne();              // consecutive level files from level 1, 0..999
void nastav_barvy_a_pismo();        // the game font and the three text colours in the display's pixel format
