// The saved-games file save.ddt: 20 records of 1821 bytes, each a cell grid, twelve words of game state
// and a 13-byte name, all little-endian. Only whole records are ever taken from it.
#pragma once
#include <cstddef>
#include "core/level_file.h"

constexpr const char* SOUBOR_ULOZENYCH_HER = "save.ddt";
constexpr int POCET_ULOZENYCH = 20;                                       // slots 0..19
constexpr size_t SLOV_ZAZNAMU = 12;                                       // the state words after the grid
constexpr size_t VELIKOST_ZAZNAMU = VELIKOST_MRIZKY + 4 * SLOV_ZAZNAMU + MAX_JMENO;   // 1821 bytes
constexpr size_t VELIKOST_ULOZENYCH = VELIKOST_ZAZNAMU * POCET_ULOZENYCH;           // 36420 bytes

// One saved-game slot, fields in the file's order.
struct ULOZENA_HRA {
    int mrizka[POCET_BUNEK];   // bricks still standing, 0..10 per cell
    int zivoty;                 // nas[0]
    int skore;                  // nas[1]; 0 marks an empty slot
    int level;                  // LEVEL
    int druh_koule;             // nas[3]
    int velikost_koule;         // nas[4]
    int sirka_prkna;            // nas[5]
    int puska;                  // nas[6]
    int lepidlo;                // nas[7]
    int nahodny_odraz;          // nas[8]
    int hodiny_min;             // nas[9]
    int hodiny_sek;             // nas[10]
    float krok;                 // hlavni_krok, IEEE single precision
    char jmeno[MAX_JMENO];      // always zero-terminated once read
};

// One record from its 1821 bytes: bad cells become empty, the name is cut at 12 characters.
void hra_z_bajtu(const unsigned char* b, ULOZENA_HRA* h);
void hra_do_bajtu(const ULOZENA_HRA& h, unsigned char* b);   // writes exactly VELIKOST_ZAZNAMU bytes

// Reads record `ulozena` (0..19) of the file at `cesta`, seeking straight to it. `h` is cleared first and
// filled only from a whole record: CTENI_CHYBI for no file or a slot outside 0..19, CTENI_KRATKE when
// the file ends inside or before the record.
STAV_CTENI nacti_ulozenou_hru(const char* cesta, int ulozena, ULOZENA_HRA* h);
// Writes `pocet` records from the start of the file, replacing it; false when not written whole.
bool zapis_ulozene_hry(const char* cesta, const ULOZENA_HRA* hry, int pocet);

// An empty slot: no bricks, every word 0, the name "- - - - - -".
void prazdna_hra(ULOZENA_HRA* h);
// All 20 slots from the first `delka` bytes of a saved-games file: each whole record decoded, the rest
// empty slots; bytes past the twentieth record are ignored. Returns the number of whole records.
int ulozene_hry_z_bajtu(const unsigned char* b, size_t delka, ULOZENA_HRA* hry);
// All 20 slots of the file at `cesta` as the screens show them; no file gives 20 empty slots. Returns
// the number of whole records found.
int cti_ulozene_hry(const char* cesta, ULOZENA_HRA* hry);
// Stores `h` in slot `slot` (0..19) and writes the file whole: every other whole record is kept byte for
// byte, a missing one becomes an empty slot. False, with the old file untouched, when it could not be
// written or the slot is outside 0..19.
bool uloz_do_slotu(const char* cesta, int slot, const ULOZENA_HRA& h);
