// A game: rounds from level to level, each with its fixed 600 Hz tick loop, until an end screen.
#pragma once

constexpr int ZNOVU_MENU = -1;   // the game ended in an end box: the top-level menu opens anew
constexpr int DALSI_KOLO = -2;   // the game goes on with another round

constexpr int NEJVIC_SNIMKU = 120;   // play draws at most so many frames a second

struct KOLO;
extern KOLO* hrane_kolo;        // the round being played, null between rounds
extern int strop_snimku;        // the frame cap in force: NEJVIC_SNIMKU, or 0 for a frame after every wait

int game();                      // plays rounds until the game ends; 0 when the player ended the program
int hraj_kolo();                 // one round from preparation to clean-up; its status code (0: no paddle)
void omez_mys_na_prkno(int sirka);   // the pointer held in the paddle's strip: y 500..501, x 10..790 - sirka
