// A player for the simulation: it serves the ball that will reach the paddle first, landing it on the
// zone that sends it towards a brick it can hit, holds the button down (launch and gun) and catches
// the capsules it wants while no ball is about to land.
#pragma once
#include "world/round.h"

// What the player does in one tick: where the mouse is and whether the left button is down.
struct SIM_VSTUP {
    int mys_x;
    bool tlacitko;
};

struct SIM_BOT {
    unsigned los;               // its own random numbers: the game's rand() sequence stays untouched
    bool bere_vse;              // also catches "live -" and "next level"
    const OBJECT* sledovana;    // the ball it serves
    int cil;                    // pozice of the brick it aims at, -1 none
    int nahodna_zona;           // zone 0..8 picked at random for this approach, -1 aims
    int zbyva_zasahu;           // hits the breakable bricks needed at the last approach
    int bez_pokroku;            // approaches in a row with no brick hit
    int mys;                    // where it left the mouse
};

void bot_start(SIM_BOT* b, unsigned seed, bool bere_vse);
SIM_VSTUP bot_tah(SIM_BOT* b, const KOLO* k);
