// The game's binary files: little-endian fields read one by one with bounds, and whole files written
// through a temporary so that a crash or a full disk never leaves a cut file behind.
#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct ZAVRI_SOUBOR {
    void operator()(FILE* f) const { if (f) std::fclose(f); }
};
using SOUBOR = std::unique_ptr<FILE, ZAVRI_SOUBOR>;   // closes itself

int32_t cti_le32(const unsigned char* p);             // a little-endian word from a buffer
void zapis_le32(unsigned char* p, int32_t v);          // a little-endian word into a buffer
SOUBOR otevri_soubor(const char* jmeno, const char* rezim);
bool soubor_existuje(const char* jmeno);               // opens for reading
bool cti_int(FILE* f, int* hodnota);                   // 4-byte little-endian; untouched when cut short
bool cti_float(FILE* f, float* hodnota);               // 4-byte IEEE little-endian; untouched when cut short
bool cti_bajty(FILE* f, char* cil, int pocet);         // all or nothing
void pis_int(std::vector<unsigned char>& obsah, int hodnota);
void pis_float(std::vector<unsigned char>& obsah, float hodnota);
void pis_bajty(std::vector<unsigned char>& obsah, const char* zdroj, int pocet);
bool zapis_soubor(const char* jmeno, const std::vector<unsigned char>& obsah);  // whole, or nothing

// What puts the bytes of zapis_soubor into its temporary file: fwrite, unless a test puts in its own to
// play a full disk (fewer bytes written) or a kill in the middle of a write.
using ZAPISOVAC = size_t (*)(const void* data, size_t pocet, FILE* f);
extern ZAPISOVAC zapisovac_souboru;
