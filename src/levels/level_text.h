// Levels as text, so that they can be kept as readable source and written in any text editor:
//
//   # any line starting with '#' is a comment; blank lines are ignored
//   author: Odraz
//   ....................     22 rows of 20 cells, one character each:
//   ..1122334455667788..     '.' empty, '1'..'9' brick types 1..9, 'G' the grey brick (type 10)
//   ...
//
// The author line comes once, before the rows; its value is what follows "author:" and one space,
// up to 12 letters or spaces. Trailing spaces and tabs after a row are allowed, nothing else is.
#pragma once
#include <cstddef>
#include <string>
#include "core/level_file.h"

constexpr char ZNAK_PRAZDNA = '.';
constexpr char ZNAK_SEDA = 'G';
constexpr size_t NEJDELSI_TEXT_UROVNE = 64 * 1024;   // larger files are refused unread

// Where and why a text could not be read. radek and sloupec count from 1; 0 when they do not apply.
struct CHYBA_TEXTU {
    int radek;
    int sloupec;
    char zprava[160];
};

// The character of a cell value 0..10, and the value of a character (-1 for none).
char znak_bunky(int v);
int bunka_znaku(char c);
// Is `jmeno` a name a level may carry: at most 12 letters A-Z, a-z or spaces.
bool jmeno_platne(const char* jmeno);

// Parses a level text. On an error returns false and says where; `u` is then not to be used.
bool uroven_z_textu(const char* text, size_t delka, UROVEN* u, CHYBA_TEXTU* chyba);
// The text of a level, with the comment lines `komentar` (may be null or empty; one '#' line per line).
std::string uroven_do_textu(const UROVEN& u, const char* komentar);

bool nacti_text_urovne(const char* cesta, UROVEN* u, CHYBA_TEXTU* chyba);
bool zapis_text_urovne(const char* cesta, const UROVEN& u, const char* komentar);
