// Writes Allegro 4 datafiles: bitmaps (16-bit), samples (16-bit mono), monochrome fonts and raw data,
// stored unpacked in the order given, so the game can address every object by its position.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "obraz.h"

struct dat_polozka {
    uint32_t typ = 0;
    std::string jmeno;            // stored as the NAME property, for listings with `dat -l`
    std::vector<uint8_t> obsah;
};

constexpr uint32_t dat_id(char a, char b, char c, char d)
{
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8) | uint8_t(d);
}

// One glyph of a monochrome font: rows of ((w + 7) / 8) bytes, the leftmost pixel in the top bit.
struct glyf {
    int w = 0, h = 0;
    std::vector<uint8_t> bity;
};
struct rozsah_pisma {
    uint32_t od = 0, po = 0;      // first and last character, inclusive
    std::vector<glyf> glyfy;      // po - od + 1 glyphs
};

dat_polozka dat_bitmapa(const std::string& jmeno, const obraz16& o);
dat_polozka dat_zvuk(const std::string& jmeno, const std::vector<int16_t>& pcm, int frekvence);
dat_polozka dat_pismo(const std::string& jmeno, const std::vector<rozsah_pisma>& rozsahy);
dat_polozka dat_data(const std::string& jmeno, const std::vector<uint8_t>& obsah);
bool zapis_datafile(const std::string& cesta, const std::vector<dat_polozka>& polozky);
