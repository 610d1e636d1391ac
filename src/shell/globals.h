// Globals of the program shell: timer counters, colours, modes of play, settings and names.
#pragma once
#include <atomic>

constexpr int MAX_JMENO = 13;   // name fields: up to 12 characters and a zero byte

// Status codes of a round.
constexpr int STAV_PROHRA = 660;        // lost: game over
constexpr int STAV_VYHRA = 661;         // won: next level
constexpr int STAV_NOVE_KOLO = 662;     // the in-game menu chose a new round
constexpr int STAV_NENI_UROVEN = 663;   // no further level: the game is won
constexpr int STAV_KONEC = 664;         // end chosen in the in-game menu
constexpr int STAV_POMALU = 665;        // the machine could not keep up
constexpr int STAV_CHYBI_SOUBOR = 666;  // a saved game's level file is missing

// Advanced by the timer thread, read and restored by the loops.
extern std::atomic<int> speed_counter;  // ticks due (about 600 a second)
extern std::atomic<int> pro_strelu;     // gun pacing, 0..1000
extern std::atomic<int> sekundy;        // play clock seconds, 0..58
extern std::atomic<int> minuty;         // play clock minutes

void increment_speed_counter();         // timer callback, about 600 times a second
void timer_func();                      // timer callback, once a second

extern int BARVA_1, BARVA_2, BARVA_3;   // text colours: ordinary, highlighted, unavailable

extern int pocet_kol;                   // level files found, 0..999
extern int LEVEL;                       // current level number
extern int MOD_HRY;                     // 1 ordinary game, 2 trying the editor's level, 3 continuing a save
extern int ULOZENA;                     // saved-game slot to continue
extern int HRAJE_SE;                    // 1 while a game is in progress
extern int vytvorena;                   // level saved by the editor in this run, 0 none
extern int jazyk;                       // 1 Czech, anything else English
extern char sampion_jmeno[MAX_JMENO];   // first name of the best-games table
extern char autor_jmeno[MAX_JMENO];     // author name offered by the level editor
