// The picture toolkit of the art generator: supersampled shaders, distance functions, lighting, 16-bit cut.
#include "obraz.h"

#include <cstdio>
#include <memory>

void kresli(obraz& o, const std::function<vzorek(float, float)>& shader, int n, int x0, int y0, int sirka, int vyska)
{
    if (sirka < 0) sirka = o.w - x0;
    if (vyska < 0) vyska = o.h - y0;
    const float krok = 1.0f / n;
    for (int y = std::max(0, y0); y < std::min(o.h, y0 + vyska); y++)
        for (int x = std::max(0, x0); x < std::min(o.w, x0 + sirka); x++) {
            barva soucet;
            float kryti = 0;
            for (int j = 0; j < n; j++)
                for (int i = 0; i < n; i++) {
                    vzorek v = shader(x + (i + 0.5f) * krok, y + (j + 0.5f) * krok);
                    soucet = soucet + v.c * v.a;
                    kryti += v.a;
                }
            kryti /= n * n;
            if (kryti <= 0) continue;
            barva c = soucet * (1.0f / (n * n * kryti));
            barva& d = o.px(x, y);
            d = d * (1 - kryti) + c * kryti;
            o.al(x, y) = kryti + o.al(x, y) * (1 - kryti);
        }
}

void poloz(obraz& dst, const obraz& src, int x, int y)
{
    for (int j = 0; j < src.h; j++)
        for (int i = 0; i < src.w; i++) {
            int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= dst.w || ty >= dst.h) continue;
            float a = src.al(i, j);
            dst.px(tx, ty) = dst.px(tx, ty) * (1 - a) + src.px(i, j) * a;
            dst.al(tx, ty) = a + dst.al(tx, ty) * (1 - a);
        }
}

obraz vyrez(const obraz& o, int x, int y, int sirka, int vyska)
{
    obraz v(sirka, vyska);
    for (int j = 0; j < vyska; j++)
        for (int i = 0; i < sirka; i++) {
            v.px(i, j) = o.px(x + i, y + j);
            v.al(i, j) = o.al(x + i, y + j);
        }
    return v;
}

float sdf_kruh(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float sdf_obdelnik(float x, float y, float x0, float y0, float x1, float y1, float r)
{
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float venku = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return venku + std::min(std::max(qx, qy), 0.0f) - r;
}

float sdf_usecka(float x, float y, float ax, float ay, float bx, float by, float r)
{
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float d2 = dx * dx + dy * dy;
    float t = d2 > 0 ? omez((px * dx + py * dy) / d2) : 0.0f;
    return std::hypot(px - dx * t, py - dy * t) - r;
}

float sdf_trojuhelnik(float x, float y, float ax, float ay, float bx, float by, float cx, float cy)
{
    // Distance to the nearest edge, negative when inside (either winding).
    float d = std::min({sdf_usecka(x, y, ax, ay, bx, by, 0), sdf_usecka(x, y, bx, by, cx, cy, 0),
                        sdf_usecka(x, y, cx, cy, ax, ay, 0)});
    auto strana = [&](float px, float py, float qx, float qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
    float s1 = strana(ax, ay, bx, by), s2 = strana(bx, by, cx, cy), s3 = strana(cx, cy, ax, ay);
    bool uvnitr = (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    return uvnitr ? -d : d;
}

const vek3 SVETLO = normalizuj({-0.55f, -0.7f, 0.75f});

vek3 normala_zkoseni(const std::function<float(float, float)>& sdf, float x, float y, float sirka, float strmost)
{
    float d = sdf(x, y);
    float hloubka = -d;
    if (hloubka >= sirka) return {0, 0, 1};
    const float e = 0.05f;
    float gx = (sdf(x + e, y) - sdf(x - e, y)) / (2 * e);
    float gy = (sdf(x, y + e) - sdf(x, y - e)) / (2 * e);
    float t = omez(hloubka / sirka);
    float sklon = strmost * (1 - t) * (1 - t * 0.3f);
    // The surface falls towards the outside, so the normal leans along the outward gradient.
    return normalizuj({gx * sklon, gy * sklon, 1});
}

vek3 normala_koule(float x, float y, float cx, float cy, float r)
{
    float nx = (x - cx) / r, ny = (y - cy) / r;
    float z2 = 1 - nx * nx - ny * ny;
    return normalizuj({nx, ny, std::sqrt(std::max(z2, 0.0f))});
}

barva osvetli(const material& m, vek3 n)
{
    float dif = std::max(0.0f, skalar(n, SVETLO));
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    float spek = std::pow(std::max(0.0f, skalar(n, pul)), m.tvrdost) * m.lesk;
    return m.zaklad * (m.okoli + m.rozptyl * dif) + m.odlesk * spek;
}

barva chrom(barva odstin, vek3 n, float kontrast)
{
    // Reflected view direction; up on the screen is -y.
    float ry = 2 * n.z * n.y;
    float rx = 2 * n.z * n.x;
    float nahoru = -ry;
    float nebe = 0.55f + 0.35f * nahoru * kontrast - 0.12f * rx;
    nebe += 0.25f * kontrast * hladky(0.35f, 0.9f, nahoru);
    nebe -= 0.3f * kontrast * hladky(0.2f, 0.8f, -nahoru);
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    float spek = std::pow(std::max(0.0f, skalar(n, pul)), 30.0f) * 0.5f;
    return odstin * omez(nebe, 0.0f, 1.3f) + barva{1, 1, 1} * spek;
}

float sum(int x, int y, int seme)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seme) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / float(0x1000000);
}

float hladky_sum(float x, float y, int seme)
{
    int ix = int(std::floor(x)), iy = int(std::floor(y));
    float fx = x - ix, fy = y - iy;
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float a = sum(ix, iy, seme), b = sum(ix + 1, iy, seme), c = sum(ix, iy + 1, seme), d = sum(ix + 1, iy + 1, seme);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

static const float BAYER[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

uint16_t barva_16(barva c, int x, int y, bool rozptyl)
{
    float prah = rozptyl ? (BAYER[y & 3][x & 3] + 0.5f) / 16.0f : 0.5f;
    int r = int(std::floor(omez(c.r) * 31 + prah));
    int g = int(std::floor(omez(c.g) * 63 + prah));
    int b = int(std::floor(omez(c.b) * 31 + prah));
    r = std::min(r, 31), g = std::min(g, 63), b = std::min(b, 31);
    uint16_t p = uint16_t((r << 11) | (g << 5) | b);
    if (p == MASKA_16) p |= 1 << 5;  // a drawn pixel never turns transparent
    return p;
}

barva z_16(uint16_t p)
{
    return {((p >> 11) & 31) / 31.0f, ((p >> 5) & 63) / 63.0f, (p & 31) / 31.0f};
}

obraz16 na_16(const obraz& o, bool maska, bool rozptyl, float prah)
{
    obraz16 v{o.w, o.h, std::vector<uint16_t>(size_t(o.w) * o.h)};
    for (int y = 0; y < o.h; y++)
        for (int x = 0; x < o.w; x++) {
            float a = o.al(x, y);
            if (maska && a < prah) {
                v.px[size_t(y) * o.w + x] = MASKA_16;
                continue;
            }
            barva c = maska ? o.px(x, y) * omez(a / 0.85f) : o.px(x, y);
            v.px[size_t(y) * o.w + x] = barva_16(c, x, y, rozptyl);
        }
    return v;
}

bool uloz_bmp(const std::string& cesta, const obraz16& o)
{
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(cesta.c_str(), "wb"), std::fclose);
    if (!f) return false;
    int radek = (o.w * 3 + 3) & ~3;
    uint32_t velikost = 54 + uint32_t(radek) * o.h;
    uint8_t hlava[54] = {'B', 'M'};
    auto zapis32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; i++) hlava[at + i] = uint8_t(v >> (8 * i));
    };
    zapis32(2, velikost);
    zapis32(10, 54);
    zapis32(14, 40);
    zapis32(18, uint32_t(o.w));
    zapis32(22, uint32_t(o.h));
    hlava[26] = 1;
    hlava[28] = 24;
    std::fwrite(hlava, 1, 54, f.get());
    std::vector<uint8_t> r(size_t(radek), 0);
    for (int y = o.h - 1; y >= 0; y--) {
        for (int x = 0; x < o.w; x++) {
            barva c = z_16(o.px[size_t(y) * o.w + x]);
            r[size_t(x) * 3 + 0] = uint8_t(c.b * 255 + 0.5f);
            r[size_t(x) * 3 + 1] = uint8_t(c.g * 255 + 0.5f);
            r[size_t(x) * 3 + 2] = uint8_t(c.r * 255 + 0.5f);
        }
        std::fwrite(r.data(), 1, r.size(), f.get());
    }
    return true;
}
