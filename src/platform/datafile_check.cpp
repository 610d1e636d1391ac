// Walks a datafile (packed or not) object by object, reading every chunk that the headers announce;
// both drivers load the game's datafile only after that walk.
#include "platform/datafile_check.h"
#include "platform/platform.h"

#include <allegro.h>
#include <memory>
#include <vector>

constexpr int MAX_VNORENI = 8;            // nested datafiles deeper than this are not ours
constexpr long MAX_OBJEKT = 64L << 20;    // no object of the game comes near 64 MiB

struct ZAVRI_PACKFILE {
    void operator()(PACKFILE* f) const { if (f) pack_fclose(f); }
};

static bool cti_long(PACKFILE* f, long* v)
{
    unsigned char b[4];
    if (pack_fread(b, 4, f) != 4) return false;
    *v = long(int32_t(uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3]));
    return true;
}

static bool preskoc(PACKFILE* f, long kolik, std::vector<char>* buf)
{
    if (kolik < 0 || kolik > MAX_OBJEKT) return false;
    buf->resize(size_t(kolik) + 1);
    return pack_fread(buf->data(), kolik, f) == kolik;
}

static bool objekty(PACKFILE* f, int hloubka, std::vector<char>* buf);

// One object: its properties, then its type and the sizes of its data, then the data.
static bool objekt(PACKFILE* f, int hloubka, std::vector<char>* buf)
{
    long typ, velikost, rozbalena;
    for (;;) {
        if (!cti_long(f, &typ)) return false;
        if (typ != DAT_PROPERTY) break;
        long druh, delka;
        if (!cti_long(f, &druh) || !cti_long(f, &delka) || !preskoc(f, delka, buf)) return false;
    }
    if (!cti_long(f, &velikost) || !cti_long(f, &rozbalena)) return false;
    if (typ == DAT_FILE && rozbalena >= 0) return hloubka < MAX_VNORENI && objekty(f, hloubka + 1, buf);
    return preskoc(f, velikost, buf);
}

static bool objekty(PACKFILE* f, int hloubka, std::vector<char>* buf)
{
    long pocet;
    if (!cti_long(f, &pocet) || pocet < 0 || pocet > 100000) return false;
    for (long i = 0; i < pocet; i++)
        if (!objekt(f, hloubka, buf)) return false;
    return true;
}

bool datafile_cely(const char* jmeno)
{
    std::unique_ptr<PACKFILE, ZAVRI_PACKFILE> f(pack_fopen(jmeno, F_READ_PACKED));
    if (!f) return false;
    long magie;
    std::vector<char> buf;
    return cti_long(f.get(), &magie) && magie == DAT_MAGIC && objekty(f.get(), 0, &buf);
}

DATAFILE* plat_nahraj_data(const char* jmeno) { return datafile_cely(jmeno) ? load_datafile(jmeno) : nullptr; }
