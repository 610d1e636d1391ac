// The table of the twenty saved-game slots that the save and load screens share: its drawing and
// what the pointer is over.
#pragma once
#include "persist/save_file.h"

#include <allegro.h>

// What the hit tests answer besides a row index 0..19.
enum : int { SLOT_NIC = -1, SLOT_OK = 20, SLOT_CANCEL = 21 };
constexpr int TABULKA_ULOZIT = 1;   // modes of zobraz_ulozene: the save title; any other gives the load title
constexpr int TABULKA_NACIST = 2;

// The table, drawn over the plain background: title, header, `pocet` rows (highlighted when the row is
// `zvyrazneni1` or `zvyrazneni2`), and OK and Cancel, lit by `zvyrazneni2`.
void zobraz_ulozene(const ULOZENA_HRA* hry, int zvyrazneni1, int pocet, int zvyrazneni2, int mod, BITMAP* cil);
// Saving: rows only while nothing is chosen (`zvoleny` -1), OK only once something is; Cancel always.
int urci_cursor(int x, int y, int pocet, int zvoleny);
// Loading: rows always, OK only once something is chosen; Cancel always.
int urci_cursor_l(int x, int y, int pocet, int zvoleny);
