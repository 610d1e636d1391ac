// Reading one saved-game record and writing the saved-games file, field by field, little-endian.
#include "persist/save_file.h"
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>
#include "core/binary_file.h"

namespace {
// The twelve words after the grid, in the file's order; the float is handled apart.
int ULOZENA_HRA::* const SLOVA[SLOV_ZAZNAMU - 1] = {
    &ULOZENA_HRA::zivoty, &ULOZENA_HRA::skore, &ULOZENA_HRA::level,
    &ULOZENA_HRA::druh_koule, &ULOZENA_HRA::velikost_koule, &ULOZENA_HRA::sirka_prkna,
    &ULOZENA_HRA::puska, &ULOZENA_HRA::lepidlo, &ULOZENA_HRA::nahodny_odraz,
    &ULOZENA_HRA::hodiny_min, &ULOZENA_HRA::hodiny_sek,
};
constexpr size_t KROK_NA = VELIKOST_MRIZKY + 4 * (SLOV_ZAZNAMU - 1);   // offset of krok, 1804
constexpr size_t JMENO_NA = KROK_NA + 4;                                // offset of jmeno, 1808
}

void hra_z_bajtu(const unsigned char* b, ULOZENA_HRA* h)
{
    std::memset(h, 0, sizeof *h);
    bunky_z_bajtu(b, POCET_BUNEK, h->mrizka);
    for (size_t i = 0; i < SLOV_ZAZNAMU - 1; i++) h->*SLOVA[i] = cti_le32(b + VELIKOST_MRIZKY + 4 * i);
    h->krok = std::bit_cast<float>(static_cast<uint32_t>(cti_le32(b + KROK_NA)));
    jmeno_z_bajtu(b + JMENO_NA, MAX_JMENO, h->jmeno);
}

void hra_do_bajtu(const ULOZENA_HRA& h, unsigned char* b)
{
    bunky_do_bajtu(h.mrizka, POCET_BUNEK, b);
    for (size_t i = 0; i < SLOV_ZAZNAMU - 1; i++) zapis_le32(b + VELIKOST_MRIZKY + 4 * i, h.*SLOVA[i]);
    zapis_le32(b + KROK_NA, static_cast<int32_t>(std::bit_cast<uint32_t>(h.krok)));
    std::memset(b + JMENO_NA, 0, MAX_JMENO);
    std::memcpy(b + JMENO_NA, h.jmeno, strnlen(h.jmeno, MAX_JMENO - 1));
}

STAV_CTENI nacti_ulozenou_hru(const char* cesta, int ulozena, ULOZENA_HRA* h)
{
    std::memset(h, 0, sizeof *h);
    if (ulozena < 0 || ulozena >= POCET_ULOZENYCH) return CTENI_CHYBI;
    SOUBOR f = otevri_soubor(cesta, "rb");
    if (!f) return CTENI_CHYBI;
    if (std::fseek(f.get(), static_cast<long>(VELIKOST_ZAZNAMU) * ulozena, SEEK_SET) != 0) return CTENI_KRATKE;
    unsigned char b[VELIKOST_ZAZNAMU];
    if (std::fread(b, 1, sizeof b, f.get()) != sizeof b) return CTENI_KRATKE;
    hra_z_bajtu(b, h);
    return CTENI_CELE;
}

bool zapis_ulozene_hry(const char* cesta, const ULOZENA_HRA* hry, int pocet)
{
    if (pocet < 0) return false;
    std::vector<unsigned char> b(VELIKOST_ZAZNAMU * pocet);
    for (int i = 0; i < pocet; i++) hra_do_bajtu(hry[i], b.data() + VELIKOST_ZAZNAMU * i);
    return zapis_soubor(cesta, b);
}

void prazdna_hra(ULOZENA_HRA* h)
{
    std::memset(h, 0, sizeof *h);
    std::memcpy(h->jmeno, PRAZDNY_ZAZNAM, sizeof PRAZDNY_ZAZNAM);
}

int ulozene_hry_z_bajtu(const unsigned char* b, size_t delka, ULOZENA_HRA* hry)
{
    int celych = static_cast<int>(std::min(delka / VELIKOST_ZAZNAMU, size_t(POCET_ULOZENYCH)));
    for (int i = 0; i < POCET_ULOZENYCH; i++) {
        if (i < celych) hra_z_bajtu(b + VELIKOST_ZAZNAMU * i, &hry[i]);
        else prazdna_hra(&hry[i]);
    }
    return celych;
}

namespace {
// The first 36420 bytes of the file at most. False when the file is there but cannot be read: saving
// over it then would throw away the games it holds.
bool precti_soubor(const char* cesta, std::vector<unsigned char>* b)
{
    b->assign(VELIKOST_ULOZENYCH, 0);
    errno = 0;
    SOUBOR f = otevri_soubor(cesta, "rb");
    if (!f) {
        b->clear();
        return errno == ENOENT;
    }
    b->resize(std::fread(b->data(), 1, b->size(), f.get()));
    return !std::ferror(f.get());
}
}

int cti_ulozene_hry(const char* cesta, ULOZENA_HRA* hry)
{
    std::vector<unsigned char> b;
    precti_soubor(cesta, &b);
    return ulozene_hry_z_bajtu(b.data(), b.size(), hry);
}

bool uloz_do_slotu(const char* cesta, int slot, const ULOZENA_HRA& h)
{
    std::vector<unsigned char> b;
    if (slot < 0 || slot >= POCET_ULOZENYCH || !precti_soubor(cesta, &b)) return false;
    size_t celych = b.size() / VELIKOST_ZAZNAMU;
    b.resize(VELIKOST_ULOZENYCH);
    ULOZENA_HRA prazdna;
    prazdna_hra(&prazdna);
    for (size_t i = celych; i < size_t(POCET_ULOZENYCH); i++) hra_do_bajtu(prazdna, b.data() + VELIKOST_ZAZNAMU * i);
    hra_do_bajtu(h, b.data() + VELIKOST_ZAZNAMU * slot);
    return zapis_soubor(cesta, b);
}
