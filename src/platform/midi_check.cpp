// Walks a MIDI piece event by event the way the library's player and patch loader will, before the
// library gets it; both drivers load their pieces through here, from the very bytes that were checked.
#include "platform/midi_check.h"
#include "platform/memory_packfile.h"
#include "platform/platform.h"

#include <allegro.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr size_t HLAVICKA = 14;                     // "MThd", length 6, format, tracks, divisions
constexpr size_t HLAVICKA_STOPY = 8;                // "MTrk" and the length
constexpr int MAX_STOP = MIDI_TRACKS;
constexpr int64_t TAKTY_ZA_SEKUNDU = 1193181;       // the library's timer base
constexpr int64_t NEJVETSI_CASOVAC = INT32_MAX;     // the player hands its waits to an int

uint32_t be32(const unsigned char* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
unsigned be16(const unsigned char* p) { return unsigned(p[0]) << 8 | p[1]; }

// What the walk has learnt of the piece: the longest wait and the fastest tempo make the player's
// largest timer value, which must fit an int.
struct PRUCHOD {
    int64_t deleni;
    int64_t nejdelsi_cekani = 0;
    int64_t nejvetsi_rychlost;
};

// A variable-length number of at most four bytes, wholly before `konec`.
bool cti_vlq(const unsigned char** p, const unsigned char* konec, uint32_t* v)
{
    *v = 0;
    for (int i = 0; i < 4; i++) {
        if (*p >= konec) return false;
        unsigned char b = *(*p)++;
        *v = *v << 7 | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

bool jen_data(const unsigned char* p, int n)
{
    for (int i = 0; i < n; i++)
        if (p[i] & 0x80) return false;
    return true;
}

int bajtu_dat(unsigned char status) { return (status >> 4) == 0xC || (status >> 4) == 0xD ? 1 : 2; }

// A meta event after its FF byte: the end of the track must end the track, and a tempo has its three bytes.
bool meta(const unsigned char** p, const unsigned char* konec, PRUCHOD* c, bool* konec_stopy)
{
    if (*p >= konec || (**p & 0x80)) return false;
    unsigned char druh = *(*p)++;
    uint32_t delka;
    if (!cti_vlq(p, konec, &delka) || delka > uint32_t(konec - *p)) return false;
    if (druh == 0x2F) {
        if (delka != 0 || *p != konec) return false;
        *konec_stopy = true;
    }
    if (druh == 0x51) {
        if (delka != 3) return false;
        int64_t tempo = int64_t((*p)[0]) << 16 | int64_t((*p)[1]) << 8 | (*p)[2];
        int64_t rychlost = tempo / 1000 * (TAKTY_ZA_SEKUNDU / 1000) / c->deleni;
        if (rychlost > c->nejvetsi_rychlost) c->nejvetsi_rychlost = rychlost;
    }
    *p += delka;
    return true;
}

// One event after its wait. Running status follows the library: only channel messages set it.
bool udalost(const unsigned char** p, const unsigned char* konec, unsigned char* beh, PRUCHOD* c, bool* konec_stopy)
{
    unsigned char s = **p;
    if (s & 0x80) {
        (*p)++;
    } else {
        if (!*beh) return false;
        s = *beh;
    }
    if (s < 0xF0) {
        int n = bajtu_dat(s);
        if (konec - *p < n || !jen_data(*p, n)) return false;
        *p += n;
        *beh = s;
        return true;
    }
    if (s == 0xF0 || s == 0xF7) {
        uint32_t delka;
        if (!cti_vlq(p, konec, &delka) || delka > uint32_t(konec - *p)) return false;
        *p += delka;
        return true;
    }
    if (s == 0xFF) return meta(p, konec, c, konec_stopy);
    return false;   // system messages have no place in a file
}

// A track: waits and events up to its end-of-track event, which is its last byte. Its first wait is a
// single byte, since the patch loader reads the track from its first byte as if it were an event.
bool stopa(const unsigned char* p, const unsigned char* konec, PRUCHOD* c)
{
    if (p >= konec || (*p & 0x80)) return false;
    unsigned char beh = 0;
    bool konec_stopy = false;
    while (!konec_stopy) {
        uint32_t cekani;
        if (!cti_vlq(&p, konec, &cekani) || p >= konec) return false;
        if (cekani > c->nejdelsi_cekani) c->nejdelsi_cekani = cekani;
        if (!udalost(&p, konec, &beh, c, &konec_stopy)) return false;
    }
    return true;
}

}  // namespace

bool midi_v_poradku(const unsigned char* b, size_t n)
{
    if (n < HLAVICKA || n > NEJVETSI_MIDI) return false;
    if (std::memcmp(b, "MThd", 4) != 0 || be32(b + 4) != 6) return false;
    unsigned format = be16(b + 8), stop = be16(b + 10), deleni = be16(b + 12);
    if (format > 1 || stop < 1 || stop > unsigned(MAX_STOP) || deleni < 1 || deleni > 0x7FFF) return false;
    PRUCHOD c{int64_t(deleni), 0, TAKTY_ZA_SEKUNDU / 2 / deleni};
    size_t pozice = HLAVICKA;
    for (unsigned t = 0; t < stop; t++) {
        if (n - pozice < HLAVICKA_STOPY || std::memcmp(b + pozice, "MTrk", 4) != 0) return false;
        uint32_t delka = be32(b + pozice + 4);
        pozice += HLAVICKA_STOPY;
        if (delka > n - pozice) return false;
        if (!stopa(b + pozice, b + pozice + delka, &c)) return false;
        pozice += delka;
    }
    return c.nejdelsi_cekani * c.nejvetsi_rychlost <= NEJVETSI_CASOVAC;
}

// A piece that is missing, too large or damaged is not loaded: the game skips it like a missing one.
MIDI* plat_nahraj_midi(const char* jmeno)
{
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(jmeno, "rb"), std::fclose);
    if (!f) return nullptr;
    std::vector<unsigned char> b(NEJVETSI_MIDI + 1);
    size_t n = std::fread(b.data(), 1, b.size(), f.get());
    if (!midi_v_poradku(b.data(), n)) return nullptr;
    PAMET_PACKFILE m{b.data(), long(n), 0};
    PACKFILE* pf = otevri_pamet(&m);
    if (!pf) return nullptr;
    MIDI* midi = load_midi_pf(pf);
    pack_fclose(pf);
    return midi;
}
