// Helpers for the tests of the generated game data: the library without devices, loading files from the
// run directory, reading pixels, and a reader of standard MIDI data for measuring the music.
#pragma once
#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

// The library without any device, in the game's 16-bit pixel format. Safe to call again.
inline void data_allegro()
{
    if (!system_driver) install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(16);
    _rgb_r_shift_16 = 11;
    _rgb_g_shift_16 = 5;
    _rgb_b_shift_16 = 0;
    set_color_conversion(COLORCONV_TOTAL);
}

inline std::string v_behu(const std::string& jmeno) { return std::string(ODRAZ_RUN_DIR) + "/" + jmeno; }

struct rgb8 {
    int r, g, b;
};
inline rgb8 pixel(BITMAP* b, int x, int y)
{
    int c = getpixel(b, x, y);
    return {getr_depth(bitmap_color_depth(b), c), getg_depth(bitmap_color_depth(b), c), getb_depth(bitmap_color_depth(b), c)};
}
inline int jas(rgb8 c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }
inline bool je_maska(BITMAP* b, int x, int y) { return getpixel(b, x, y) == bitmap_mask_color(b); }

// What a piece of music contains, read from the track data of a loaded MIDI.
struct MIDI_OBSAH {
    bool v_poradku = false;       // every track parsed to its end
    double sekund = 0;            // playing time up to the last event
    std::map<int, std::set<int>> programy;  // channel (0-based) -> programs set on it
    std::set<int> noty_bici;      // notes played on channel 10
    std::set<int> kanaly_s_notami;
    int nejvyssi_hlasitost = 0;   // highest note velocity
};

// Reads the tracks of `m`: delta times, running status, meta and system exclusive events, tempo changes.
inline MIDI_OBSAH precti_midi(const MIDI* m)
{
    MIDI_OBSAH o;
    if (!m || m->divisions <= 0) return o;
    std::map<long, int> tempa;  // tick -> microseconds per quarter note
    long posledni = 0;
    for (const auto& stopa : m->track) {
        if (!stopa.data) continue;
        const unsigned char* d = stopa.data;
        const long n = stopa.len;
        long i = 0, tik = 0;
        int status = 0;
        auto cti_delku = [&](long& hodnota) {
            hodnota = 0;
            for (int k = 0; k < 4; k++) {
                if (i >= n) return false;
                unsigned char b = d[i++];
                hodnota = (hodnota << 7) | (b & 0x7F);
                if (!(b & 0x80)) return true;
            }
            return false;
        };
        bool konec = false;
        while (i < n && !konec) {
            long delta;
            if (!cti_delku(delta)) return o;
            tik += delta;
            if (i >= n) return o;
            int s = d[i];
            if (s & 0x80) i++;
            else if (status) s = status;
            else return o;
            if (s == 0xFF) {
                if (i >= n) return o;
                int typ = d[i++];
                long delka;
                if (!cti_delku(delka) || i + delka > n) return o;
                if (typ == 0x51 && delka == 3) tempa[tik] = (d[i] << 16) | (d[i + 1] << 8) | d[i + 2];
                if (typ == 0x2F) konec = true;
                i += delka;
                continue;
            }
            if (s == 0xF0 || s == 0xF7) {
                long delka;
                if (!cti_delku(delka) || i + delka > n) return o;
                i += delka;
                continue;
            }
            status = s;
            int druh = s & 0xF0, kanal = s & 0x0F;
            int bajtu = (druh == 0xC0 || druh == 0xD0) ? 1 : 2;
            if (i + bajtu > n) return o;
            if (druh == 0xC0) o.programy[kanal].insert(d[i]);
            if (druh == 0x90 && d[i + 1] > 0) {
                o.kanaly_s_notami.insert(kanal);
                if (kanal == 9) o.noty_bici.insert(d[i]);
                o.nejvyssi_hlasitost = std::max(o.nejvyssi_hlasitost, int(d[i + 1]));
            }
            i += bajtu;
        }
        if (!konec) return o;
        posledni = std::max(posledni, tik);
    }
    // playing time: walk the tempo changes up to the last tick
    double sekund = 0;
    long tik = 0;
    int tempo = 500000;
    for (const auto& [kdy, t] : tempa) {
        if (kdy >= posledni) break;
        sekund += double(kdy - tik) * tempo / 1e6 / m->divisions;
        tik = kdy;
        tempo = t;
    }
    sekund += double(posledni - tik) * tempo / 1e6 / m->divisions;
    o.sekund = sekund;
    o.v_poradku = true;
    return o;
}
