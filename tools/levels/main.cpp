// odraz_level: converts a level between its text form and the game's binary .lvl file.
//   odraz_level to-lvl  in.txt out.lvl
//   odraz_level to-text in.lvl out.txt
#include <cstdio>
#include <cstring>
#include <string>
#include "core/level_file.h"
#include "levels/level_text.h"

static int pouziti()
{
    std::fprintf(stderr, "usage: odraz_level to-lvl in.txt out.lvl\n"
                         "       odraz_level to-text in.lvl out.txt\n");
    return 2;
}

static int do_lvl(const char* vstup, const char* vystup)
{
    UROVEN u;
    CHYBA_TEXTU chyba;
    if (!nacti_text_urovne(vstup, &u, &chyba)) {
        if (chyba.radek > 0 && chyba.sloupec > 0)
            std::fprintf(stderr, "%s:%d:%d: %s\n", vstup, chyba.radek, chyba.sloupec, chyba.zprava);
        else if (chyba.radek > 0)
            std::fprintf(stderr, "%s:%d: %s\n", vstup, chyba.radek, chyba.zprava);
        else
            std::fprintf(stderr, "%s: %s\n", vstup, chyba.zprava);
        return 1;
    }
    if (!zapis_uroven(vystup, u)) {
        std::remove(vystup);
        std::fprintf(stderr, "%s: cannot write the level\n", vystup);
        return 1;
    }
    return 0;
}

static int do_textu(const char* vstup, const char* vystup)
{
    UROVEN u;
    int spatnych = 0;
    STAV_CTENI stav = nacti_uroven(vstup, &u, &spatnych);
    if (stav == CTENI_CHYBI) {
        std::fprintf(stderr, "%s: cannot open the level\n", vstup);
        return 1;
    }
    if (stav == CTENI_KRATKE) std::fprintf(stderr, "%s: warning: shorter than 1773 bytes, the rest is empty\n", vstup);
    if (spatnych) std::fprintf(stderr, "%s: warning: %d cells held no brick type and are left empty\n", vstup, spatnych);
    if (!jmeno_platne(u.autor)) {
        std::fprintf(stderr, "%s: the author name holds characters other than letters and spaces\n", vstup);
        return 1;
    }
    std::string komentar = std::string("Converted from ") + vstup;
    if (!zapis_text_urovne(vystup, u, komentar.c_str())) {
        std::remove(vystup);
        std::fprintf(stderr, "%s: cannot write the text\n", vystup);
        return 1;
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc != 4) return pouziti();
    if (std::strcmp(argv[1], "to-lvl") == 0) return do_lvl(argv[2], argv[3]);
    if (std::strcmp(argv[1], "to-text") == 0) return do_textu(argv[2], argv[3]);
    return pouziti();
}
