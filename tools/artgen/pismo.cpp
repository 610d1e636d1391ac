// FreeType rasterization of the game font and of the title lettering.
#include "pismo.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>
#include <stdexcept>

const std::vector<rozsah_znaku> ZNAKY_PISMA = {
    {0x20, 0x7E}, {0xA0, 0x17F}, {0x2013, 0x2014}, {0x2018, 0x201E}, {0x2026, 0x2026}, {0x20AC, 0x20AC},
};

namespace {

struct knihovna {
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    explicit knihovna(const std::string& cesta)
    {
        if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType cannot start");
        if (FT_New_Face(lib, cesta.c_str(), 0, &face)) {
            FT_Done_FreeType(lib);
            throw std::runtime_error("cannot open font " + cesta);
        }
    }
    ~knihovna()
    {
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
    }
    knihovna(const knihovna&) = delete;
    knihovna& operator=(const knihovna&) = delete;
};

std::vector<uint32_t> dekoduj_utf8(const std::string& s)
{
    std::vector<uint32_t> v;
    for (size_t i = 0; i < s.size();) {
        uint8_t c = uint8_t(s[i]);
        int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n && i + k < s.size(); k++) cp = (cp << 6) | (uint8_t(s[i + k]) & 0x3F);
        v.push_back(cp);
        i += size_t(n);
    }
    return v;
}

}  // namespace

std::vector<rozsah_pisma> rastruj_pismo(const std::string& cesta, int velikost, int vyska_radku)
{
    knihovna ft(cesta);
    FT_Set_Pixel_Sizes(ft.face, 0, FT_UInt(velikost));
    auto nahraj = [&](uint32_t znak) {
        if (!FT_Get_Char_Index(ft.face, znak)) throw std::runtime_error("font lacks character " + std::to_string(znak));
        if (FT_Load_Char(ft.face, znak, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME))
            throw std::runtime_error("cannot render character " + std::to_string(znak));
        return ft.face->glyph;
    };
    // The baseline sits as low as the tallest accent allows, leaving the rest for descenders.
    int nad = 0, pod = 0;
    for (const rozsah_znaku& r : ZNAKY_PISMA)
        for (uint32_t z = r.od; z <= r.po; z++) {
            FT_GlyphSlot g = nahraj(z);
            if (g->bitmap.rows == 0) continue;
            nad = std::max(nad, g->bitmap_top);
            pod = std::max(pod, int(g->bitmap.rows) - g->bitmap_top);
        }
    if (nad + pod > vyska_radku)
        throw std::runtime_error("glyphs need " + std::to_string(nad + pod) + " rows, the cell has " +
                                 std::to_string(vyska_radku));
    const int zaklad = nad + (vyska_radku - nad - pod) / 2;

    std::vector<rozsah_pisma> vysledek;
    for (const rozsah_znaku& r : ZNAKY_PISMA) {
        rozsah_pisma rp{r.od, r.po, {}};
        for (uint32_t z = r.od; z <= r.po; z++) {
            FT_GlyphSlot g = nahraj(z);
            int posun = std::max(0, -g->bitmap_left);  // ink left of the pen moves the glyph right
            int levy = g->bitmap_left + posun;
            int sirka = std::max(int(g->advance.x >> 6) + posun, levy + int(g->bitmap.width));
            sirka = std::max(sirka, 1);
            glyf gl{sirka, vyska_radku, std::vector<uint8_t>(size_t((sirka + 7) / 8) * vyska_radku, 0)};
            const int radek = (sirka + 7) / 8;
            for (int y = 0; y < int(g->bitmap.rows); y++)
                for (int x = 0; x < int(g->bitmap.width); x++) {
                    const uint8_t* zdroj = g->bitmap.buffer + y * g->bitmap.pitch;
                    if (!(zdroj[x >> 3] & (0x80 >> (x & 7)))) continue;
                    int tx = levy + x, ty = zaklad - g->bitmap_top + y;
                    if (ty < 0 || ty >= vyska_radku) throw std::runtime_error("glyph outside its cell");
                    gl.bity[size_t(ty) * radek + (tx >> 3)] |= uint8_t(0x80 >> (tx & 7));
                }
            rp.glyfy.push_back(std::move(gl));
        }
        vysledek.push_back(std::move(rp));
    }
    return vysledek;
}

maska maska_textu(const std::string& cesta, const std::string& text, int velikost, float roztazeni, int prostrkani)
{
    knihovna ft(cesta);
    FT_Set_Pixel_Sizes(ft.face, 0, FT_UInt(velikost));
    FT_Matrix m{FT_Fixed(roztazeni * 65536), 0, 0, 0x10000};
    FT_Set_Transform(ft.face, &m, nullptr);
    const std::vector<uint32_t> znaky = dekoduj_utf8(text);
    // First pass: extent. Second pass: paint.
    int pero = 0, x0 = 1 << 30, x1 = -(1 << 30), y0 = 1 << 30, y1 = -(1 << 30);
    for (uint32_t z : znaky) {
        if (FT_Load_Char(ft.face, z, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) throw std::runtime_error("title glyph");
        FT_GlyphSlot g = ft.face->glyph;
        x0 = std::min(x0, pero + g->bitmap_left);
        x1 = std::max(x1, pero + g->bitmap_left + int(g->bitmap.width));
        y0 = std::min(y0, -g->bitmap_top);
        y1 = std::max(y1, -g->bitmap_top + int(g->bitmap.rows));
        pero += int(g->advance.x >> 6) + prostrkani;
    }
    maska v{x1 - x0, y1 - y0, std::vector<float>(size_t(x1 - x0) * (y1 - y0), 0.0f)};
    pero = 0;
    for (uint32_t z : znaky) {
        FT_Load_Char(ft.face, z, FT_LOAD_RENDER | FT_LOAD_NO_HINTING);
        FT_GlyphSlot g = ft.face->glyph;
        for (int y = 0; y < int(g->bitmap.rows); y++)
            for (int x = 0; x < int(g->bitmap.width); x++) {
                int tx = pero + g->bitmap_left + x - x0, ty = -g->bitmap_top + y - y0;
                float a = g->bitmap.buffer[y * g->bitmap.pitch + x] / 255.0f;
                float& d = v.a[size_t(ty) * v.w + tx];
                d = std::max(d, a);
            }
        pero += int(g->advance.x >> 6) + prostrkani;
    }
    return v;
}
