// save.ddt of any bytes as the save and load screens read it: always twenty slots, each whole record as
// stored and the rest empty, every cell a brick type or empty, every name ending within its field; and a
// game saved into one slot keeps every other whole record of the file byte for byte.
#include "fuzz_support.h"

#include "core/level_file.h"
#include "persist/save_file.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// What the disk holds: fopen of this name would give the fuzzer's bytes again.
static std::string cely_soubor(const char* jmeno)
{
    std::string s;
    int fd = open(jmeno, O_RDONLY);
    if (fd < 0) return s;
    char b[4096];
    for (ssize_t n; (n = read(fd, b, sizeof b)) > 0;) s.append(b, size_t(n));
    close(fd);
    return s;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    fuzz_adresar();
    fuzz_soubor(SOUBOR_ULOZENYCH_HER, d, n);
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    int celych = cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry);
    OVER(size_t(celych) == std::min(n / VELIKOST_ZAZNAMU, size_t(POCET_ULOZENYCH)));
    for (const ULOZENA_HRA& h : hry) {
        for (int b : h.mrizka) OVER(bunka_platna(b));
        OVER(jmeno_konci(h.jmeno));
    }
    for (int i = celych; i < POCET_ULOZENYCH; i++) OVER(hry[i].skore == 0 && std::strcmp(hry[i].jmeno, PRAZDNY_ZAZNAM) == 0);
    if (!zkus_zapis(n)) return 0;

    fuzz_soubor_na_disku(SOUBOR_ULOZENYCH_HER, d, n);
    const int slot = n % POCET_ULOZENYCH;
    OVER(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, slot, hry[0]));
    std::string po = cely_soubor(SOUBOR_ULOZENYCH_HER);
    OVER(po.size() == VELIKOST_ULOZENYCH);
    for (int i = 0; i < celych; i++)
        if (i != slot) OVER(std::memcmp(po.data() + VELIKOST_ZAZNAMU * i, d + VELIKOST_ZAZNAMU * i, VELIKOST_ZAZNAMU) == 0);
    return 0;
}
