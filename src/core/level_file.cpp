// Reading and writing level files, and the one rule that names them.
#include "core/level_file.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>
#include "core/binary_file.h"

std::string jmeno_urovne(int n)
{
    const char* vypln = n <= 9 ? "00" : n <= 99 ? "0" : "";
    return "Level/level_" + std::string(vypln) + std::to_string(n) + ".lvl";
}

int souvisle_urovne()
{
    int n = prvni_volna_uroven();
    return n == 0 ? POSLEDNI_UROVEN : n - 1;
}

int prvni_volna_uroven()
{
    for (int n = PRVNI_UROVEN; n <= POSLEDNI_UROVEN; n++)
        if (!soubor_existuje(jmeno_urovne(n).c_str())) return n;
    return 0;
}

bool bunka_platna(int32_t v) { return v >= 0 && v <= KOSTKA_SEDA; }

int bunky_z_bajtu(const unsigned char* b, int n, int* bunky)
{
    int spatnych = 0;
    for (int i = 0; i < n; i++) {
        int32_t v = cti_le32(b + 4 * i);
        if (!bunka_platna(v)) {
            spatnych++;
            v = 0;
        }
        bunky[i] = v;
    }
    return spatnych;
}

void bunky_do_bajtu(const int* bunky, int n, unsigned char* b)
{
    for (int i = 0; i < n; i++) zapis_le32(b + 4 * i, bunky[i]);
}

void jmeno_z_bajtu(const unsigned char* b, size_t n, char* jmeno)
{
    std::memset(jmeno, 0, MAX_JMENO);
    if (n > MAX_JMENO - 1) n = MAX_JMENO - 1;
    std::memcpy(jmeno, b, n);
}

int uroven_z_bajtu(const unsigned char* b, size_t delka, UROVEN* u)
{
    std::memset(u, 0, sizeof *u);
    if (delka > VELIKOST_UROVNE) delka = VELIKOST_UROVNE;
    int celych = static_cast<int>(std::min(delka, VELIKOST_MRIZKY) / 4);
    int spatnych = bunky_z_bajtu(b, celych, u->bunky);
    if (delka > VELIKOST_MRIZKY) jmeno_z_bajtu(b + VELIKOST_MRIZKY, delka - VELIKOST_MRIZKY, u->autor);
    return spatnych;
}

void uroven_do_bajtu(const UROVEN& u, unsigned char* b)
{
    bunky_do_bajtu(u.bunky, POCET_BUNEK, b);
    std::memset(b + VELIKOST_MRIZKY, 0, MAX_JMENO);
    size_t n = strnlen(u.autor, MAX_JMENO - 1);
    std::memcpy(b + VELIKOST_MRIZKY, u.autor, n);
}

STAV_CTENI nacti_uroven(const char* cesta, UROVEN* u, int* spatnych)
{
    std::memset(u, 0, sizeof *u);
    if (spatnych) *spatnych = 0;
    SOUBOR f = otevri_soubor(cesta, "rb");
    if (!f) return CTENI_CHYBI;
    unsigned char b[VELIKOST_UROVNE];
    size_t n = std::fread(b, 1, sizeof b, f.get());
    int s = uroven_z_bajtu(b, n, u);
    if (spatnych) *spatnych = s;
    return n == VELIKOST_UROVNE ? CTENI_CELE : CTENI_KRATKE;
}

bool zapis_uroven(const char* cesta, const UROVEN& u)
{
    std::vector<unsigned char> b(VELIKOST_UROVNE);
    uroven_do_bajtu(u, b.data());
    return zapis_soubor(cesta, b);
}
