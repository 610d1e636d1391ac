// Walks a datafile (packed or not) object by object the way the library's loader will, reading every
// chunk that the headers announce and checking the inside of the kinds the game uses; both drivers
// load the game's datafile only after that walk.
#include "platform/datafile_check.h"
#include "platform/memory_packfile.h"
#include "platform/platform.h"

#include <allegro.h>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr int MAX_VNORENI = 8;            // nested datafiles deeper than this are not ours
constexpr long MAX_OBJEKT = 64L << 20;    // no object of the game comes near 64 MiB
constexpr long MAX_OBJEKTU = 100000;
constexpr long MAX_ROZSAHU = 4096;        // character ranges of one font

struct ZAVRI_PACKFILE {
    void operator()(PACKFILE* f) const { if (f) pack_fclose(f); }
};

// Bytes of one object, read with bounds: every read fails once the object has ended.
struct OBSAH {
    const unsigned char* b;
    long n, pozice = 0;

    bool bajty(long kolik) { return kolik >= 0 && kolik <= n - pozice ? (pozice += kolik, true) : false; }
    bool cti(int velikost, long* v)
    {
        if (!bajty(velikost)) return false;
        const unsigned char* p = b + pozice - velikost;
        uint32_t u = 0;
        for (int i = 0; i < velikost; i++) u = u << 8 | p[i];
        *v = velikost == 4 ? long(int32_t(u)) : long(u);
        return true;
    }
    bool cely() const { return pozice == n; }
};

bool cti_long(PACKFILE* f, long* v)
{
    unsigned char b[4];
    if (pack_fread(b, 4, f) != 4) return false;
    *v = long(int32_t(uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3]));
    return true;
}

bool nacti(PACKFILE* f, long kolik, std::vector<unsigned char>* buf)
{
    if (kolik < 0 || kolik > MAX_OBJEKT) return false;
    buf->resize(size_t(kolik) + 1);
    return pack_fread(buf->data(), kolik, f) == kolik;
}

// A picture: depth, width and height, then exactly its pixels.
bool obrazek(OBSAH o)
{
    long hloubka, w, h;
    if (!o.cti(2, &hloubka) || !o.cti(2, &w) || !o.cti(2, &h) || w < 1 || h < 1) return false;
    int bajtu = hloubka == 8 ? 1 : hloubka == 15 || hloubka == 16 ? 2 : hloubka == 24 ? 3
              : hloubka == 32 || hloubka == 0xFFE0 ? 4 : 0;   // 0xFFE0 is -32, with alpha
    return bajtu && o.bajty(long(bajtu) * w * h) && o.cely();
}

// A sample: 8 or 16 bits, mono or stereo (negative), a frequency, then exactly its data.
bool zvuk(OBSAH o)
{
    long bity, frekvence, delka;
    if (!o.cti(2, &bity) || !o.cti(2, &frekvence) || !o.cti(4, &delka) || frekvence < 1 || delka < 0) return false;
    bool stereo = bity >= 0x8000;
    if (stereo) bity = 0x10000 - bity;
    if (bity != 8 && bity != 16) return false;
    return o.bajty(delka * (bity / 8) * (stereo ? 2 : 1)) && o.cely();
}

// A font of the ranged kind with monochrome glyphs only: other kinds mix pointers the library keeps apart.
bool pismo(OBSAH o)
{
    long druh, rozsahu;
    if (!o.cti(2, &druh) || druh != 0 || !o.cti(2, &rozsahu) || rozsahu < 1 || rozsahu > MAX_ROZSAHU) return false;
    for (long r = 0; r < rozsahu; r++) {
        long hloubka, od, po;
        if (!o.cti(1, &hloubka) || hloubka != 1 || !o.cti(4, &od) || !o.cti(4, &po)) return false;
        if (od < 0 || po < od || po - od >= (o.n - o.pozice) / 4) return false;
        for (long z = od; z <= po; z++) {
            long w, h;
            if (!o.cti(2, &w) || !o.cti(2, &h) || !o.bajty((w + 7) / 8 * h)) return false;
        }
    }
    return o.cely();
}

bool objekty(OBSAH* o, int hloubka);

// One object: its properties, then its kind and the sizes of its data, then the data. Only the kinds the
// game uses are taken, each checked inside: the library's loader of any other kind trusts its sizes.
bool objekt(PACKFILE* f, int hloubka, std::vector<unsigned char>* buf)
{
    long typ, velikost, rozbalena;
    for (;;) {
        if (!cti_long(f, &typ)) return false;
        if (typ != DAT_PROPERTY) break;
        long druh, delka;   // a property of the end marker's kind would end the library's list early and be lost
        if (!cti_long(f, &druh) || druh == DAT_END || !cti_long(f, &delka) || !nacti(f, delka, buf)) return false;
    }
    if (!cti_long(f, &velikost) || !cti_long(f, &rozbalena) || velikost != rozbalena) return false;
    if (!nacti(f, rozbalena, buf)) return false;
    OBSAH o{buf->data(), rozbalena};
    switch (typ) {
    case DAT_BITMAP: return obrazek(o);
    case DAT_SAMPLE: return zvuk(o);
    case DAT_FONT: return pismo(o);
    case DAT_DATA: return true;
    case DAT_FILE: return hloubka < MAX_VNORENI && objekty(&o, hloubka + 1) && o.cely();
    default: return false;
    }
}

bool objekty_f(PACKFILE* f, int hloubka)
{
    long pocet;
    if (!cti_long(f, &pocet) || pocet < 0 || pocet > MAX_OBJEKTU) return false;
    std::vector<unsigned char> buf;
    for (long i = 0; i < pocet; i++)
        if (!objekt(f, hloubka, &buf)) return false;
    return true;
}

// A nested datafile is walked from its bytes through a packfile of its own.
bool objekty(OBSAH* o, int hloubka)
{
    PAMET_PACKFILE m{o->b, o->n, o->pozice};
    std::unique_ptr<PACKFILE, ZAVRI_PACKFILE> f(otevri_pamet(&m));
    bool cele = f && objekty_f(f.get(), hloubka);
    o->pozice = m.pozice;
    return cele;
}

}  // namespace

bool datafile_cely(const char* jmeno)
{
    std::unique_ptr<PACKFILE, ZAVRI_PACKFILE> f(pack_fopen(jmeno, F_READ_PACKED));
    if (!f) return false;
    long magie;
    return cti_long(f.get(), &magie) && magie == DAT_MAGIC && objekty_f(f.get(), 0);
}

DATAFILE* plat_nahraj_data(const char* jmeno) { return datafile_cely(jmeno) ? load_datafile(jmeno) : nullptr; }
