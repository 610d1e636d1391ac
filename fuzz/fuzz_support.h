// What the fuzz targets share: a private working directory on a memory file system, files of the
// fuzzer's bytes in it, and a check that stops the run the way a crash would.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Stops the run as a crash, so that libFuzzer keeps the input, when a reader broke its promise.
#define OVER(podminka)                                                                  \
    do {                                                                                \
        if (!(podminka)) fuzz_selhani(#podminka, __FILE__, __LINE__);                   \
    } while (0)
[[noreturn]] void fuzz_selhani(const char* co, const char* soubor, int radek);

// Enters a fresh directory of this process (with an empty Level/) on first use.
void fuzz_adresar();
// Makes `jmeno` read as these `n` bytes: opening it with fopen for reading gives a stream over them in
// memory, so that a run touches no disk.
void fuzz_soubor(const char* jmeno, const uint8_t* d, size_t n);
// Writes the bytes as a real file, for the readers that do not open files with fopen.
void fuzz_soubor_na_disku(const char* jmeno, const uint8_t* d, size_t n);
// A round trip through the writers (real files) is made for one input in this many.
constexpr size_t KAZDY_ZAPIS = 8;
inline bool zkus_zapis(size_t n) { return n % KAZDY_ZAPIS == 0; }
// Is the 13-byte name field a zero-terminated name.
bool jmeno_konci(const char* jmeno);
