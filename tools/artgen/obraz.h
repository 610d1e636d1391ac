// A small floating-point picture toolkit for the art generator: colours, shapes given by signed distance,
// supersampled drawing, lighting of bevels and spheres, and the final cut to 16-bit pixels with a mask colour.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct barva {
    float r = 0, g = 0, b = 0;
};
constexpr barva rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
inline barva operator+(barva a, barva b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline barva operator-(barva a, barva b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline barva operator*(barva a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline barva operator*(barva a, barva b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline barva smichej(barva a, barva b, float t) { return a + (b - a) * t; }
inline float jas(barva c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

struct vek3 {
    float x = 0, y = 0, z = 0;
};
inline vek3 normalizuj(vek3 v)
{
    float d = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return d > 0 ? vek3{v.x / d, v.y / d, v.z / d} : vek3{0, 0, 1};
}
inline float skalar(vek3 a, vek3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline float omez(float v, float a = 0.0f, float b = 1.0f) { return std::clamp(v, a, b); }
inline float hladky(float a, float b, float v)
{
    float t = omez((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

// One sample of a shader: colour and coverage.
struct vzorek {
    barva c;
    float a = 0;
};

// A picture in floating point; `a` is coverage (1 opaque, 0 empty).
struct obraz {
    int w = 0, h = 0;
    std::vector<barva> c;
    std::vector<float> a;

    obraz() = default;
    obraz(int sirka, int vyska, barva pozadi = {}, float kryti = 0.0f)
        : w(sirka), h(vyska), c(size_t(sirka) * vyska, pozadi), a(size_t(sirka) * vyska, kryti) {}
    barva& px(int x, int y) { return c[size_t(y) * w + x]; }
    const barva& px(int x, int y) const { return c[size_t(y) * w + x]; }
    float& al(int x, int y) { return a[size_t(y) * w + x]; }
    float al(int x, int y) const { return a[size_t(y) * w + x]; }
};

// Draws a shader over the rectangle (x0, y0, w, h) of the picture with n x n samples per pixel, blending
// over what is there. The shader gets picture coordinates (pixel centres at +0.5).
void kresli(obraz& o, const std::function<vzorek(float, float)>& shader, int n = 4, int x0 = 0, int y0 = 0,
            int sirka = -1, int vyska = -1);
// Puts `src` over `dst` with its top-left corner at (x, y).
void poloz(obraz& dst, const obraz& src, int x, int y);
obraz vyrez(const obraz& o, int x, int y, int sirka, int vyska);

// Signed distances (negative inside).
float sdf_kruh(float x, float y, float cx, float cy, float r);
float sdf_obdelnik(float x, float y, float x0, float y0, float x1, float y1, float r);  // rounded by r
float sdf_usecka(float x, float y, float ax, float ay, float bx, float by, float r);    // capsule around a segment
float sdf_trojuhelnik(float x, float y, float ax, float ay, float bx, float by, float cx, float cy);
inline float pokryti(float d) { return omez(0.5f - d); }

// Lighting: a soft key light from the top left.
extern const vek3 SVETLO;
// Normal of a bevel: the surface rises over `sirka` pixels from the edge of a shape given by its distance
// function; `strmost` is the slope at the very edge. Flat (0, 0, 1) further inside.
vek3 normala_zkoseni(const std::function<float(float, float)>& sdf, float x, float y, float sirka, float strmost);
// Normal of a sphere centred at (cx, cy) of radius r.
vek3 normala_koule(float x, float y, float cx, float cy, float r);

struct material {
    barva zaklad;          // diffuse colour
    float okoli = 0.35f;   // ambient share
    float rozptyl = 0.75f; // diffuse share
    float lesk = 0.6f;     // specular strength
    float tvrdost = 24;    // specular exponent
    barva odlesk = {1, 1, 1};
};
barva osvetli(const material& m, vek3 n);
// A polished metal look: the surface mirrors a bright sky above a dark horizon, plus a highlight.
barva chrom(barva odstin, vek3 n, float kontrast = 1.0f);

// A fixed pseudo-random value in [0, 1) for integer coordinates and a seed; smooth noise on top of it.
float sum(int x, int y, int seme);
float hladky_sum(float x, float y, int seme);

// The final 16-bit (5-6-5) pixels. Pixels with less coverage than `prah` become the mask colour when
// `maska` is set; otherwise coverage darkens towards black.
struct obraz16 {
    int w = 0, h = 0;
    std::vector<uint16_t> px;
};
constexpr uint16_t MASKA_16 = 0xF81F;
obraz16 na_16(const obraz& o, bool maska, bool rozptyl = false, float prah = 0.4f);
uint16_t barva_16(barva c, int x = 0, int y = 0, bool rozptyl = false);
barva z_16(uint16_t p);

// Writes a 24-bit BMP, for looking at single pieces while drawing them.
bool uloz_bmp(const std::string& cesta, const obraz16& o);
