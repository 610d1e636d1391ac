// A MIDI piece of any bytes: what the check lets through, the library loads, and both of the library's
// walks over a track (its patch loader's and its player's, modelled here with a bound on every read)
// stay inside the track and end at its end-of-track event. (The library's player itself needs the
// timer, which the headless driver has not.)
#include "fuzz_support.h"

#include "platform/headless.h"
#include "platform/midi_check.h"
#include "platform/platform.h"

#include <allegro.h>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

// One track's bytes with a checked reader.
struct STOPA {
    const unsigned char* b;
    size_t n;
    unsigned char at(size_t i) const
    {
        OVER(i < n);
        return b[i];
    }
    uint32_t vlq(size_t* p) const
    {
        uint32_t v = at(*p) & 0x7F;
        while (at((*p)++) & 0x80) v = v << 7 | (at(*p) & 0x7F);
        return v;
    }
};

bool meta_nebo_sysex(unsigned char s) { return s == 0xF0 || s == 0xF7 || s == 0xFF; }

// The patch loader starts at the track's first byte as if it were an event.
void jako_nahravac_nastroju(const STOPA& t)
{
    size_t p = 0;
    unsigned char beh = 0;
    while (p < t.n) {
        unsigned char s = t.at(p);
        if (s & 0x80) {
            p++;
            if (!meta_nebo_sysex(s)) beh = s;
        } else {
            s = beh;
        }
        switch (s >> 4) {
        case 0xC: OVER(t.at(p) < 128); p += 1; break;
        case 0x9: if ((s & 0x0F) == 9) OVER(t.at(p) < 128); p += 2; break;
        case 0x8: case 0xA: case 0xB: case 0xE: p += 2; break;
        case 0xD: p += 1; break;
        case 0xF:
            if (s == 0xF0 || s == 0xF7) p += t.vlq(&p);
            else if (s == 0xF2) p += 2;
            else if (s == 0xF3) p += 1;
            else if (s == 0xFF) { p++; p += t.vlq(&p); }
            break;
        default: break;
        }
        if (p < t.n) t.vlq(&p);
    }
}

// The player: a wait, then events each followed by a wait, until the end-of-track event. Returns the
// longest wait.
uint32_t jako_prehravac(const STOPA& t, int64_t deleni, int64_t* rychlost)
{
    size_t p = 0;
    uint32_t nejdelsi = t.vlq(&p);
    unsigned char beh = 0;
    for (;;) {
        unsigned char s = t.at(p++), b1, b2;
        if (s & 0x80) {
            if (!meta_nebo_sysex(s)) beh = s;
            b1 = t.at(p);
            b2 = t.at(p + 1);
        } else {
            b1 = s;
            b2 = t.at(p);
            s = beh;
            p--;
        }
        if (s < 0xF0) OVER(b1 < 128 && ((s >> 4) == 0xC || (s >> 4) == 0xD || b2 < 128));
        switch (s >> 4) {
        case 0x8: case 0x9: case 0xA: case 0xB: case 0xE: p += 2; break;
        case 0xC: case 0xD: p += 1; break;
        case 0xF:
            if (s == 0xF0 || s == 0xF7) p += t.vlq(&p);
            else if (s == 0xF2) p += 2;
            else if (s == 0xF3) p += 1;
            else if (s == 0xFF) {
                unsigned char druh = t.at(p++);
                uint32_t delka = t.vlq(&p);
                if (druh == 0x2F) return nejdelsi;
                if (druh == 0x51) {
                    int64_t tempo = int64_t(t.at(p)) << 16 | int64_t(t.at(p + 1)) << 8 | t.at(p + 2);
                    int64_t r = tempo / 1000 * (1193181 / 1000) / deleni;
                    if (r > *rychlost) *rychlost = r;
                }
                p += delka;
            }
            break;
        default: OVER(false);   // the player never meets a data byte without a status
        }
        uint32_t cekani = t.vlq(&p);
        if (cekani > nejdelsi) nejdelsi = cekani;
    }
}

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    static bool start = (hl_start(), true);
    (void)start;
    if (!midi_v_poradku(d, n)) return 0;

    int64_t deleni = int64_t(d[12]) << 8 | d[13];
    int64_t rychlost = 1193181 / 2 / deleni;
    int64_t cekani = 0;
    size_t p = 14;
    for (unsigned t = 0; t < (unsigned(d[10]) << 8 | d[11]); t++) {
        size_t delka = be32(d + p + 4);
        std::vector<unsigned char> kopie(d + p + 8, d + p + 8 + delka);   // exactly the library's buffer
        STOPA s{kopie.data(), kopie.size()};
        jako_nahravac_nastroju(s);
        int64_t c = jako_prehravac(s, deleni, &rychlost);
        if (c > cekani) cekani = c;
        p += 8 + delka;
    }
    OVER(cekani * rychlost <= INT_MAX);

    fuzz_adresar();
    fuzz_soubor("kus.mid", d, n);
    MIDI* m = plat_nahraj_midi("kus.mid");
    OVER(m != nullptr);
    destroy_midi(m);
    return 0;
}
