// Named values of the game's modes and of the status with which a round ends.
#pragma once

// MOD_HRY: how the game in progress was started.
enum MOD : int {
    MOD_ZADNY = 0,          // no game started yet
    MOD_OBYCEJNA = 1,       // an ordinary game from level 1
    MOD_ZKUSEBNI = 2,       // trying the level just made in the editor: lives are never used up
    MOD_ULOZENA_HRA = 3,    // continuing a saved game, until its first round has loaded
};

// The status of a round: 0 while it runs, then why it ended.
enum STAV_KOLA : int {
    STAV_HRAJE = 0,
    STAV_PROHRA = 660,        // lost: game over
    STAV_VYHRA = 661,         // won: next level
    STAV_NOVE_KOLO = 662,     // the in-game menu chose a new round
    STAV_NENI_UROVEN = 663,   // no further level: the game is won
    STAV_KONEC = 664,         // end chosen in the in-game menu
    STAV_POMALU = 665,        // the machine could not keep up
    STAV_CHYBI_SOUBOR = 666,  // a saved game's level file is missing
};
