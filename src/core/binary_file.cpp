// Little-endian binary fields and safe whole-file writes.
#include "core/binary_file.h"

#include <cstdint>
#include <cstring>
#include <unistd.h>

SOUBOR otevri_soubor(const char* jmeno, const char* rezim) { return SOUBOR(std::fopen(jmeno, rezim)); }

bool soubor_existuje(const char* jmeno) { return otevri_soubor(jmeno, "rb") != nullptr; }

int32_t cti_le32(const unsigned char* p)
{
    uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    return static_cast<int32_t>(v);
}

void zapis_le32(unsigned char* p, int32_t v)
{
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; i++) p[i] = static_cast<unsigned char>(u >> (8 * i));
}

static bool cti_slovo(FILE* f, uint32_t* slovo)
{
    unsigned char b[4];
    if (std::fread(b, 1, 4, f) != 4) return false;
    *slovo = uint32_t(cti_le32(b));
    return true;
}

bool cti_int(FILE* f, int* hodnota)
{
    uint32_t s;
    if (!cti_slovo(f, &s)) return false;
    *hodnota = int32_t(s);
    return true;
}

bool cti_float(FILE* f, float* hodnota)
{
    uint32_t s;
    if (!cti_slovo(f, &s)) return false;
    std::memcpy(hodnota, &s, 4);
    return true;
}

bool cti_bajty(FILE* f, char* cil, int pocet)
{
    if (pocet <= 0) return true;
    std::vector<char> docasne(pocet);
    if (std::fread(docasne.data(), 1, pocet, f) != size_t(pocet)) return false;
    std::memcpy(cil, docasne.data(), pocet);
    return true;
}

void pis_int(std::vector<unsigned char>& obsah, int hodnota)
{
    unsigned char b[4];
    zapis_le32(b, hodnota);
    obsah.insert(obsah.end(), b, b + 4);
}

void pis_float(std::vector<unsigned char>& obsah, float hodnota)
{
    uint32_t s;
    std::memcpy(&s, &hodnota, 4);
    pis_int(obsah, int32_t(s));
}

void pis_bajty(std::vector<unsigned char>& obsah, const char* zdroj, int pocet)
{
    if (pocet <= 0) return;
    obsah.insert(obsah.end(), zdroj, zdroj + pocet);
}

static size_t zapis_fwrite(const void* data, size_t pocet, FILE* f) { return std::fwrite(data, 1, pocet, f); }

ZAPISOVAC zapisovac_souboru = zapis_fwrite;

// Writes beside the file, checks that every byte reached the disk, then renames over the old file.
bool zapis_soubor(const char* jmeno, const std::vector<unsigned char>& obsah)
{
    std::string docasny = std::string(jmeno) + ".tmp";
    FILE* f = std::fopen(docasny.c_str(), "wb");
    if (!f) return false;
    bool cely = zapisovac_souboru(obsah.data(), obsah.size(), f) == obsah.size();
    cely = std::fflush(f) == 0 && cely;
    cely = fsync(fileno(f)) == 0 && cely;
    cely = std::fclose(f) == 0 && cely;
    if (cely) {
        SOUBOR kontrola = otevri_soubor(docasny.c_str(), "rb");
        cely = kontrola && std::fseek(kontrola.get(), 0, SEEK_END) == 0 &&
               std::ftell(kontrola.get()) == long(obsah.size());
    }
    if (!cely || std::rename(docasny.c_str(), jmeno) != 0) {
        std::remove(docasny.c_str());
        return false;
    }
    return true;
}
