// Rasterizing TrueType text with FreeType: the game font as crisp one-bit glyphs in character ranges,
// and anti-aliased coverage masks for large lettering such as the menu title.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "datafile.h"

struct rozsah_znaku {
    uint32_t od, po;  // inclusive
};
// The characters of the game font: printable ASCII, Latin-1 and Latin Extended-A (the whole Czech
// alphabet), dashes, typographic quotes, the ellipsis and the euro sign.
extern const std::vector<rozsah_znaku> ZNAKY_PISMA;

// Hinted monochrome glyphs of `velikost` pixels, each in a cell `vyska_radku` high with the baseline at
// the same row for all, as wide as the character's advance. Throws when the face lacks a character or a
// glyph does not fit the cell.
std::vector<rozsah_pisma> rastruj_pismo(const std::string& cesta, int velikost, int vyska_radku);

// Anti-aliased coverage of a line of text (UTF-8) at `velikost` pixels, horizontally scaled by `roztazeni`,
// with `prostrkani` extra pixels between letters; the mask is cropped to the ink.
struct maska {
    int w = 0, h = 0;
    std::vector<float> a;
    float at(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? 0.0f : a[size_t(y) * w + x]; }
};
maska maska_textu(const std::string& cesta, const std::string& text, int velikost, float roztazeni, int prostrkani);
