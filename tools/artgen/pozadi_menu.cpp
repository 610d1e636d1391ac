// The main menu background: the name of the game in chrome lettering with an orange glow, over a dark
// steel console whose recessed fields stay quiet behind the menu items and the settings texts.
#include <limits>

#include "kresby.h"
#include "pismo.h"

namespace {

constexpr int W = 800, H = 600;
constexpr int NADVZORKOVANI = 4;  // the title mask is made at four times the final resolution

// Squared Euclidean distance transform of one line (Felzenszwalb and Huttenlocher).
void edt_1d(const std::vector<float>& f, std::vector<float>& d, std::vector<int>& v, std::vector<float>& z)
{
    const int n = int(f.size());
    const float INF = std::numeric_limits<float>::infinity();
    int k = 0;
    v[0] = 0;
    z[0] = -INF;
    z[1] = INF;
    for (int q = 1; q < n; q++) {
        float s;
        for (;;) {
            int p = v[size_t(k)];
            s = ((f[size_t(q)] + float(q) * q) - (f[size_t(p)] + float(p) * p)) / (2.0f * q - 2.0f * p);
            if (s <= z[size_t(k)] && k > 0) k--;
            else break;
        }
        if (s <= z[size_t(k)]) s = z[size_t(k)];
        k++;
        v[size_t(k)] = q;
        z[size_t(k)] = s;
        z[size_t(k) + 1] = INF;
    }
    k = 0;
    for (int q = 0; q < n; q++) {
        while (z[size_t(k) + 1] < q) k++;
        int p = v[size_t(k)];
        d[size_t(q)] = float(q - p) * (q - p) + f[size_t(p)];
    }
}

// Distance (in mask pixels) from every pixel to the nearest pixel where `uvnitr` holds.
std::vector<float> vzdalenost(const maska& m, bool uvnitr)
{
    const float VELKA = 1e12f;
    std::vector<float> g(size_t(m.w) * m.h);
    for (size_t i = 0; i < g.size(); i++) g[i] = ((m.a[i] >= 0.5f) == uvnitr) ? 0.0f : VELKA;
    const size_t n = size_t(std::max(m.w, m.h));
    std::vector<float> f(n), d(n), z(n + 1);
    std::vector<int> v(n);
    for (int y = 0; y < m.h; y++) {
        f.assign(g.begin() + size_t(y) * m.w, g.begin() + size_t(y + 1) * m.w);
        d.resize(size_t(m.w));
        edt_1d(f, d, v, z);
        std::copy(d.begin(), d.end(), g.begin() + size_t(y) * m.w);
    }
    f.resize(size_t(m.h));
    d.resize(size_t(m.h));
    for (int x = 0; x < m.w; x++) {
        for (int y = 0; y < m.h; y++) f[size_t(y)] = g[size_t(y) * m.w + x];
        edt_1d(f, d, v, z);
        for (int y = 0; y < m.h; y++) g[size_t(y) * m.w + x] = std::sqrt(d[size_t(y)]);
    }
    return g;
}

// The title as a signed distance field in final pixels, placed on the screen.
struct titulek {
    maska m;
    std::vector<float> sdf;  // negative inside, in screen pixels
    float x0 = 0, y0 = 0;    // screen position of the mask's top-left corner
    float vyska = 0;         // letter height on the screen
    float sirka = 0;         // width of the lettering on the screen

    float vzd(float x, float y) const
    {
        float mx = (x - x0) * NADVZORKOVANI - 0.5f, my = (y - y0) * NADVZORKOVANI - 0.5f;
        int ix = int(std::floor(mx)), iy = int(std::floor(my));
        float fx = mx - ix, fy = my - iy;
        auto at = [&](int px, int py) {
            px = std::clamp(px, 0, m.w - 1);
            py = std::clamp(py, 0, m.h - 1);
            return sdf[size_t(py) * m.w + px];
        };
        float a = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * fx;
        float b = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * fx;
        float d = a + (b - a) * fy;
        // far outside the mask the field is clamped; grow it with the distance to the mask box
        float ox = std::max({x0 - x, x - (x0 + float(m.w) / NADVZORKOVANI), 0.0f});
        float oy = std::max({y0 - y, y - (y0 + float(m.h) / NADVZORKOVANI), 0.0f});
        return d + std::hypot(ox, oy);
    }
};

titulek priprav_titulek(const std::string& pismo)
{
    titulek t;
    const int okraj = 40 * NADVZORKOVANI;  // room for the glow around the letters
    maska jadro = maska_textu(pismo, "ODRAZ", 150 * NADVZORKOVANI, 1.08f, 8 * NADVZORKOVANI);
    t.m.w = jadro.w + 2 * okraj;
    t.m.h = jadro.h + 2 * okraj;
    t.m.a.assign(size_t(t.m.w) * t.m.h, 0.0f);
    for (int y = 0; y < jadro.h; y++)
        for (int x = 0; x < jadro.w; x++) t.m.a[size_t(y + okraj) * t.m.w + x + okraj] = jadro.at(x, y);
    std::vector<float> ven = vzdalenost(t.m, true), dovnitr = vzdalenost(t.m, false);
    t.sdf.resize(ven.size());
    for (size_t i = 0; i < ven.size(); i++)
        t.sdf[i] = (ven[i] > 0 ? ven[i] - 0.5f : -(dovnitr[i] - 0.5f)) / NADVZORKOVANI;
    t.vyska = float(jadro.h) / NADVZORKOVANI;
    t.sirka = float(jadro.w) / NADVZORKOVANI;
    t.x0 = (W - t.sirka) / 2 - float(okraj) / NADVZORKOVANI;
    t.y0 = 120 - t.vyska / 2 - float(okraj) / NADVZORKOVANI;
    return t;
}

const barva ORANZOVA = rgb(250, 100, 0);

// Chrome lettering: a cool sky in the upper half, a sharp horizon, warm light rising from below.
barva chrom_titulku(float v, vek3 n)
{
    barva c;
    if (v < 0.52f) c = smichej(rgb(250, 252, 255), rgb(112, 142, 196), std::pow(v / 0.52f, 1.4f));
    else c = smichej(rgb(26, 20, 46), rgb(255, 178, 84), std::pow((v - 0.52f) / 0.48f, 0.8f));
    float dif = skalar(n, SVETLO);
    c = c * (0.58f + 0.6f * dif);
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    float spek = std::pow(std::max(0.0f, skalar(n, pul)), 40.0f);
    return c + barva{1, 1, 1} * (0.6f * spek);
}

// The deep background: a night-blue gradient, a soft glow behind the title, a faint floor of lines.
barva pozadi(float x, float y)
{
    barva c = smichej(rgb(10, 14, 30), rgb(3, 4, 9), omez(y / 600.0f));
    float dx = (x - 400) / 420.0f, dy = (y - 120) / 150.0f;
    c = c + rgb(30, 44, 90) * (0.55f * std::exp(-(dx * dx + dy * dy)));
    // a warm horizon line under the title
    float hy = y - 214;
    float hor = std::exp(-hy * hy / 2.5f) * std::exp(-std::pow((x - 400) / 300.0f, 2.0f));
    c = c + ORANZOVA * (0.9f * hor);
    c = c + ORANZOVA * (0.12f * std::exp(-std::fabs(hy) / 14.0f) * std::exp(-std::pow((x - 400) / 360.0f, 2.0f)));
    // a sparse field of faint stars above the horizon
    if (y < 205) {
        int sx = int(x), sy = int(y);
        float h = sum(sx, sy, 77);
        if (h > 0.9975f) {
            float k = (h - 0.9975f) / 0.0025f;
            c = c + rgb(190, 205, 255) * (0.15f + 0.45f * k) * (1 - hladky(150.0f, 205.0f, y));
        }
    }
    return c;
}

struct pole {
    float x0, y0, x1, y1;
};
// Recessed fields of the console: the settings texts and the menu items lie over them.
const pole POLE[] = {
    {24, 233, 776, 263},   // the information line (champion, clock, date, levels)
    {24, 268, 238, 527},   // music choice and music volume
    {288, 268, 512, 527},  // the menu items
    {562, 268, 776, 527},  // language and sound volume
    {24, 531, 776, 556},   // the author's addresses
};
const pole KONZOLE = {12, 224, 788, 566};

barva konzole(float x, float y, barva pod)
{
    auto tvar = [](float px, float py) { return sdf_obdelnik(px, py, KONZOLE.x0, KONZOLE.y0, KONZOLE.x1, KONZOLE.y1, 8); };
    float d = tvar(x, y);
    if (d > 0.5f) return pod;
    float hloubka = -d;
    barva c;
    if (hloubka < 5.0f) {
        vek3 n = normala_zkoseni(tvar, x, y, 5.0f, 1.6f);
        c = chrom(rgb(120, 132, 156), n, 0.9f);
        if (hloubka < 0.8f) c = c * 0.4f;
    } else {
        // the console plate: dark brushed steel
        float kartac = 0.94f + 0.06f * hladky_sum(x * 0.02f, y * 1.3f, 31);
        c = smichej(rgb(30, 35, 48), rgb(20, 23, 32), (y - KONZOLE.y0) / (KONZOLE.y1 - KONZOLE.y0)) * kartac;
        if (hloubka < 6.5f) c = c * 0.5f;
    }
    // between the fields: a vertical groove with a rivet at each end
    for (float gx : {263.0f, 537.0f}) {
        if (y > 276 && y < 518) {
            float dx = x - gx;
            if (std::fabs(dx) < 1.5f) c = dx < 0 ? c * 0.45f : smichej(c, rgb(70, 80, 100), 0.5f);
        }
        for (float gy : {280.0f, 515.0f}) {
            float dn = sdf_kruh(x, y, gx, gy, 3.2f);
            if (dn < 0.6f) {
                material m{rgb(120, 130, 150), 0.3f, 0.8f, 0.8f, 20};
                c = smichej(c, osvetli(m, normala_koule(x, y, gx, gy, 3.4f)), pokryti(dn));
            }
        }
    }
    for (const pole& p : POLE) {
        auto jamka = [&](float px, float py) { return sdf_obdelnik(px, py, p.x0, p.y0, p.x1, p.y1, 4); };
        float dj = jamka(x, y);
        if (dj > 1.5f) continue;
        if (dj > 0) {
            // the lip around the field: shade above and left, light below and right
            float sklon = (x - (p.x0 + p.x1) / 2) / (p.x1 - p.x0) + (y - (p.y0 + p.y1) / 2) / (p.y1 - p.y0);
            c = smichej(c, sklon > 0 ? rgb(70, 80, 102) : rgb(4, 5, 8), 0.8f * (1 - dj / 1.5f));
            continue;
        }
        float v = (y - p.y0) / (p.y1 - p.y0);
        barva f = smichej(rgb(11, 13, 20), rgb(6, 7, 11), v);
        // inner shadow under the top and left lip
        float stin = std::exp(-(y - p.y0) / 3.0f) * 0.6f + std::exp(-(x - p.x0) / 3.0f) * 0.4f;
        f = f * (1 - omez(stin));
        c = smichej(c, f, pokryti(dj));
    }
    return c;
}

// A four-pointed star glint: long thin rays and a bright core.
float jiskra(float x, float y, float cx, float cy, float delka)
{
    float dx = std::fabs(x - cx), dy = std::fabs(y - cy);
    float paprsek = std::exp(-dy * dy / 0.5f) * std::max(0.0f, 1 - dx / delka) +
                    std::exp(-dx * dx / 0.5f) * std::max(0.0f, 1 - dy / (delka * 0.7f));
    float jadro = std::exp(-(dx * dx + dy * dy) / 4.0f);
    return omez(paprsek * 0.9f + jadro);
}

}  // namespace

obraz pozadi_menu(const std::string& pismo_titulku)
{
    titulek t = priprav_titulek(pismo_titulku);
    obraz o(W, H, {}, 1.0f);
    auto tvar = [&](float x, float y) { return t.vzd(x, y); };
    const float horni = t.y0 + 40.0f;  // top of the letters
    // glints sit on the upper edge of a few letters, where the light catches them
    struct bod {
        float x, y, delka;
    };
    std::vector<bod> jiskry;
    for (auto [podil, delka] : {std::pair{0.09f, 16.0f}, std::pair{0.57f, 11.0f}, std::pair{0.93f, 14.0f}}) {
        float x = t.x0 + 40 + podil * t.sirka;
        for (float y = horni - 5; y < horni + 60; y += 0.5f)
            if (t.vzd(x, y) < -1.5f) {
                jiskry.push_back({x, y, delka});
                break;
            }
    }
    kresli(o, [&](float x, float y) -> vzorek {
        barva c = pozadi(x, y);
        if (y < 222) {
            float d = t.vzd(x, y);
            // orange glow around the letters, and a dark outline that lifts them off it
            if (d > 0) c = c + ORANZOVA * (0.75f * std::exp(-d / 7.0f));
            c = smichej(c, rgb(4, 3, 8), pokryti(d - 3.0f));
            if (d < 0.5f) {
                vek3 n = normala_zkoseni(tvar, x, y, 6.0f, 2.2f);
                float v = omez((y - horni) / t.vyska);
                barva p = chrom_titulku(v, n);
                // a thin bright rim on the edge facing the light
                float rim = (1 - hladky(0.0f, 1.4f, -d)) * omez(-(n.x + n.y) * 2.0f);
                p = p + barva{1, 1, 1} * (0.5f * rim);
                c = smichej(c, p, pokryti(d));
            }
            for (const bod& j : jiskry) c = c + barva{1, 1, 1} * jiskra(x, y, j.x, j.y, j.delka);
        }
        c = konzole(x, y, c);
        return {c, 1};
    }, 3);
    // a row of bricks under the console, every breakable kind once
    for (int typ = 1; typ <= 10; typ++) poloz(o, kostka(typ), 400 - 5 * 42 + (typ - 1) * 42 + 1, 574);
    return o;
}
