// A deterministic play of one level without screen, mouse or timer: the bricks of a cell grid, the
// tick and the frame end of the game loop, the play clock run from the tick count, and the paddle
// moved by a script or by the bot. The same settings and seed always give the same game.
#pragma once
#include "world/bot.h"
#include "world/round.h"

enum SIM_BONUSY {
    SIM_BEZ_BONUSU,         // no brick carries a bonus
    SIM_BONUSY_NAHODNE,     // one eligible brick in eight carries a random one
    SIM_BONUSY_VSECHNY,     // every eligible brick carries a random one
};

enum SIM_UDALOST { SIM_PO_TIKU, SIM_PRED_KONCEM_SNIMKU };

struct SIM_NASTAVENI {
    unsigned seed = 1;                      // for srand() and the bot
    long max_tiku = 600L * 60 * 10;         // ten minutes of play
    int tiku_na_snimek = 10;                // a frame end after every so many ticks
    int zivoty = 3;
    int mod_hry = 1;                        // 2: trying a level, lives are never used up
    SIM_BONUSY bonusy = SIM_BEZ_BONUSU;
    bool s_dalsi_urovni = false;            // random bonuses may be "next level" too
    // Deals the bonuses instead of `bonusy` (the level loader's draw, for one), after srand(seed).
    void (*prirad_bonusy)(KOSTKA** kostky, int od, int do_) = nullptr;
    // Moves the paddle instead of the bot.
    SIM_VSTUP (*rizeni)(const KOLO* k, long tik, void* data) = nullptr;
    bool bot_bere_vse = false;              // the bot also catches "live -" and "next level"
    // Sees the round after every tick and before every frame end.
    void (*sledovani)(const KOLO* k, SIM_UDALOST u, long tik, void* data) = nullptr;
    void* data = nullptr;                   // handed to rizeni and sledovani
};

struct SIM_VYSLEDEK {
    long tiku;                  // ticks played
    int status;                 // the round's status, 0 when the ticks ran out first
    int zbyva_kostek;           // bricks standing at the end
    int zbyva_rozbitnych;       // of them, not grey
    int skore;
    int zivoty;
    int ztracenych_kouli;       // balls that left at the bottom
    int chycenych_bonusu;
    int propadlych_bonusu;      // capsules that fell past the paddle
    int minuty, sekundy;        // play clock at the end
};

// Fills the brick store from a grid as the level loader does (cells outside 1..10 are empty).
void postav_kostky(const int bunky[POCET_BUNEK]);

// Plays one round from its start until it ends (at the frame end after its status is set) or the
// ticks run out. Needs the datafile (`data`) for the sprite sizes and the platform layer for sound.
SIM_VYSLEDEK simuluj(const int bunky[POCET_BUNEK], const SIM_NASTAVENI& n);

// The bot plays the level without bonuses, with three lives: can it be finished?
SIM_VYSLEDEK simuluj_uroven(const int bunky[POCET_BUNEK], unsigned seed, int max_tiku);
