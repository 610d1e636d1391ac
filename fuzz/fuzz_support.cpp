// The fuzz targets' working directory and files.
#include "fuzz_support.h"

#include "core/constants.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

void fuzz_selhani(const char* co, const char* soubor, int radek)
{
    std::fprintf(stderr, "%s:%d: does not hold: %s\n", soubor, radek, co);
    std::abort();
}

// Removes the directory when the fuzzer ends normally.
static std::string adresar;
static void uklid()
{
    std::error_code e;
    if (!adresar.empty()) fs::remove_all(adresar, e);
}

// Under ODRAZ_FUZZ_ADRESAR when it is set (fuzz/run gives each run one and removes it afterwards).
void fuzz_adresar()
{
    if (!adresar.empty()) return;
    const char* dany = std::getenv("ODRAZ_FUZZ_ADRESAR");
    std::string zaklad = dany ? dany : fs::exists("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string();
    std::string vzor = zaklad + "/odraz-fuzz-XXXXXX";
    if (!mkdtemp(vzor.data())) std::abort();
    adresar = vzor;
    fs::current_path(adresar);
    fs::create_directory("Level");
    std::atexit(uklid);
}

// The file of the current run and its bytes.
static std::string soubor_behu;
static const uint8_t* bajty_behu = nullptr;
static size_t delka_behu = 0;

using FOPEN = FILE* (*)(const char*, const char*);
static FOPEN skutecny_fopen()
{
    static FOPEN f = reinterpret_cast<FOPEN>(dlsym(RTLD_NEXT, "fopen"));
    return f;
}

// Every fopen of the process comes here: the run's file opened for reading is served from memory.
extern "C" FILE* fopen(const char* cesta, const char* rezim)
{
    if (bajty_behu && cesta == soubor_behu && std::strcmp(rezim, "rb") == 0) {
        if (delka_behu == 0) return skutecny_fopen()("/dev/null", "rb");
        return fmemopen(const_cast<uint8_t*>(bajty_behu), delka_behu, "rb");
    }
    return skutecny_fopen()(cesta, rezim);
}

void fuzz_soubor_na_disku(const char* jmeno, const uint8_t* d, size_t n)
{
    FILE* f = skutecny_fopen()(jmeno, "wb");
    if (!f) std::abort();
    if (n && std::fwrite(d, 1, n, f) != n) std::abort();
    std::fclose(f);
}

void fuzz_soubor(const char* jmeno, const uint8_t* d, size_t n)
{
    soubor_behu = jmeno;
    bajty_behu = d;
    delka_behu = n;
}

bool jmeno_konci(const char* jmeno) { return std::memchr(jmeno, 0, MAX_JMENO) != nullptr; }
