// Level files: the name rule "Level/level_NNN.lvl" and the 1773-byte file itself (440 little-endian
// int32 cells, then the 13-byte author name). Level files come from players, so reading never trusts them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include "core/constants.h"

constexpr size_t VELIKOST_MRIZKY = 4 * POCET_BUNEK;               // 1760 bytes
constexpr size_t VELIKOST_UROVNE = VELIKOST_MRIZKY + MAX_JMENO;    // 1773 bytes
constexpr int PRVNI_UROVEN = 1;
constexpr int POSLEDNI_UROVEN = 999;

// One level as the game uses it: every cell 0..10, the author name always zero-terminated.
struct UROVEN {
    int bunky[POCET_BUNEK];
    char autor[MAX_JMENO];
};

// How much of a file was there.
enum STAV_CTENI { CTENI_CHYBI, CTENI_KRATKE, CTENI_CELE };

// The file name of level n: "Level/level_%s%d.lvl" padded with "00" up to 9, "0" up to 99.
std::string jmeno_urovne(int n);
// The level files consecutive from level 1, 0..999: a missing level hides every later one.
int souvisle_urovne();
// The first level number whose file does not exist, 1..999; 0 when all 999 exist.
int prvni_volna_uroven();

// A cell value the game can use: 0..10. Anything else reads as an empty cell.
bool bunka_platna(int32_t v);
// Decodes `n` cell words from `b` into `bunky`; a bad value becomes 0. Returns how many were bad.
int bunky_z_bajtu(const unsigned char* b, int n, int* bunky);
void bunky_do_bajtu(const int* bunky, int n, unsigned char* b);
// Copies a 13-byte name field, cut at 12 characters so that it always ends with a zero byte.
void jmeno_z_bajtu(const unsigned char* b, size_t n, char* jmeno);

// Decodes the first `delka` bytes of a level file (more than 1773 are ignored). What is missing stays
// empty; bad cells are emptied. Returns the number of bad cell values met.
int uroven_z_bajtu(const unsigned char* b, size_t delka, UROVEN* u);
void uroven_do_bajtu(const UROVEN& u, unsigned char* b);   // writes exactly VELIKOST_UROVNE bytes

// Reads a level file into `u` (cleared first). CTENI_CHYBI when it cannot be opened. The number of bad
// cell values met goes to `spatnych` when given.
STAV_CTENI nacti_uroven(const char* cesta, UROVEN* u, int* spatnych = nullptr);
// Writes a level file whole, through a temporary file, so that a failed write keeps the old one.
bool zapis_uroven(const char* cesta, const UROVEN& u);
