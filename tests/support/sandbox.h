// A fresh working directory for one test: created under /tmp, entered, and removed afterwards.
// The built game data (odraz.dat, Level/, Midi/) is linked in on request.
#pragma once
#include <string>

enum : int {
    S_DATY = 1,      // odraz.dat
    S_UROVNEMI = 2,  // the shipped Level/ directory
    S_HUDBOU = 4,    // the shipped Midi/ directory
};

struct PISKOVISTE {
    std::string cesta, puvodni;
    explicit PISKOVISTE(int co = 0);
    ~PISKOVISTE();
    PISKOVISTE(const PISKOVISTE&) = delete;
    PISKOVISTE& operator=(const PISKOVISTE&) = delete;
};

void zapis_bajty(const char* jmeno, const std::string& obsah);   // writes a file of exactly these bytes
std::string precti_bajty(const char* jmeno);                     // the whole file ("" when missing)
void vytvor_uroven(int n, int typ_vsude = 0);   // Level/level_NNN.lvl with one cell value everywhere
