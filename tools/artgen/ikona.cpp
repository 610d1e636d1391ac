// The game's icon for the desktop: a steel-framed tile with the night sky of the menu, two rows of
// bricks, the silver ball with its orange glow and the paddle. Drawn afresh at every size, so that the
// small icons stay crisp rather than being shrunk from a large one.
#include "kresby.h"

namespace {

constexpr float MRIZKA = 48;   // the icon is laid out on a 48-unit grid, whatever its size in pixels

struct cihla {
    float x, y;
    int typ;
};
// Two rows of three bricks; a gap where the ball has just broken through.
constexpr cihla CIHLY[] = {
    {6.0f, 7.0f, 1}, {18.5f, 7.0f, 2}, {31.0f, 7.0f, 3},
    {6.0f, 13.5f, 4}, {31.0f, 13.5f, 6},
};
constexpr float SIRKA_CIHLY = 11, VYSKA_CIHLY = 5.5f;
constexpr float KOULE_X = 26.0f, KOULE_Y = 24.0f, KOULE_R = 3.9f;
constexpr float PRKNO_X1 = 14.0f, PRKNO_X2 = 34.0f, PRKNO_Y = 39.5f, PRKNO_R = 2.7f;

float tvar_dlazdice(float x, float y) { return sdf_obdelnik(x, y, 1.5f, 1.5f, 46.5f, 46.5f, 8.5f); }

// The sky of the menu: deep blue at the top, near black at the bottom, a few quiet stars.
barva nebe(float x, float y)
{
    barva v = smichej(rgb(26, 40, 98), rgb(6, 8, 22), omez(y / 44.0f));
    static const float HVEZDY[][3] = {{11, 26, 0.35f}, {38, 25, 0.3f}, {8, 34, 0.25f}, {41, 35, 0.3f}, {33, 31, 0.22f}};
    for (const auto& h : HVEZDY) v = v + rgb(200, 215, 255) * (0.8f * pokryti((std::hypot(x - h[0], y - h[1]) - h[2]) * 4));
    // the warm glow around the ball, as the title glows on the menu
    float od_koule = std::hypot(x - KOULE_X, y - KOULE_Y) - KOULE_R;
    v = v + rgb(250, 110, 20) * (0.55f * std::exp(-od_koule * od_koule / 10.0f));
    // its trail from the paddle, fading towards the paddle
    float t = omez((y - KOULE_Y) / (PRKNO_Y - 3 - KOULE_Y));
    float stopa = sdf_usecka(x, y, KOULE_X, KOULE_Y, 20.0f, PRKNO_Y - 3, 1.2f + 1.2f * (1 - t));
    v = v + rgb(255, 170, 80) * (0.35f * (1 - t) * pokryti(stopa * 1.5f));
    return v;
}

vzorek cihla_bod(const cihla& c, float x, float y, float px)
{
    auto tvar = [&](float sx, float sy) {
        return sdf_obdelnik(sx, sy, c.x, c.y, c.x + SIRKA_CIHLY, c.y + VYSKA_CIHLY, 1.0f);
    };
    float d = tvar(x, y);
    barva zaklad = barva_kostky(c.typ) * (1.1f - 0.35f * ((y - c.y) / VYSKA_CIHLY));
    material m{zaklad, 0.42f, 0.7f, 0.55f, 28};
    barva v = osvetli(m, normala_zkoseni(tvar, x, y, 1.3f, 1.9f));
    float lesk = 1 - hladky(0.35f, 0.55f, (y - c.y) / VYSKA_CIHLY);
    v = v + barva{1, 1, 1} * (0.18f * lesk * hladky(0.6f, 1.3f, -d));
    return {v, pokryti(d * px)};
}

barva koule_bod(float x, float y)
{
    barva c = barva_koule(1);
    vek3 n = normala_koule(x, y, KOULE_X, KOULE_Y, KOULE_R);
    material m{c, 0.35f, 0.7f, 0.0f, 1};
    barva v = chrom(c, n, 0.8f) * 0.55f + osvetli(m, n) * 0.55f;
    v = v * (1 - 0.4f * (1 - n.z) * (1 - n.z));
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    return v + barva{1, 1, 1} * (1.1f * std::pow(std::max(0.0f, skalar(n, pul)), 50.0f));
}

// The paddle: a chrome tube with end caps in the ball's colour and dark grooves between them.
barva prkno_bod(float x, float y)
{
    const float cap = 4.5f;
    if (x < PRKNO_X1 + cap - PRKNO_R || x > PRKNO_X2 - cap + PRKNO_R) {
        float cx = x < (PRKNO_X1 + PRKNO_X2) / 2 ? PRKNO_X1 : PRKNO_X2;
        return chrom(barva_koule(1) * 0.85f, normala_koule(x, y, cx, PRKNO_Y, PRKNO_R), 1.0f);
    }
    vek3 n = normalizuj({0, (y - PRKNO_Y) / PRKNO_R, 1});
    barva v = chrom(rgb(214, 220, 232), n, 1.1f);
    float drazka = std::min(std::fabs(x - (PRKNO_X1 + cap - PRKNO_R)), std::fabs(x - (PRKNO_X2 - cap + PRKNO_R)));
    return v * (0.35f + 0.65f * hladky(0.1f, 0.6f, drazka));
}

// One point of the icon in grid units; `px` is the size of a grid unit in pixels, for crisp edges.
vzorek bod(float x, float y, float px)
{
    float d = tvar_dlazdice(x, y);
    if (d > 1) return {{}, 0};
    float okraj = 2.4f;
    barva v;
    if (-d < okraj) {
        v = chrom(rgb(150, 162, 186), normala_zkoseni(tvar_dlazdice, x, y, okraj, 1.4f), 1.0f);
        // the light inner edge of the frame
        v = v + barva{1, 1, 1} * (0.25f * (1 - hladky(0.0f, 0.5f, std::fabs(-d - okraj + 0.3f))));
    } else {
        v = nebe(x, y);
        for (const cihla& c : CIHLY) {
            vzorek k = cihla_bod(c, x, y, px);
            v = smichej(v, k.c, omez(k.a));
        }
        float dp = sdf_usecka(x, y, PRKNO_X1, PRKNO_Y, PRKNO_X2, PRKNO_Y, PRKNO_R);
        v = smichej(v, prkno_bod(x, y), pokryti(dp * px));
        float dk = sdf_kruh(x, y, KOULE_X, KOULE_Y, KOULE_R);
        v = smichej(v, koule_bod(x, y), pokryti(dk * px));
    }
    return {v, pokryti(d * px)};
}

}  // namespace

obraz ikona(int velikost)
{
    obraz o(velikost, velikost);
    const float jednotka = MRIZKA / velikost;
    kresli(o, [&](float x, float y) { return bod(x * jednotka, y * jednotka, 1 / jednotka); }, 4);
    return o;
}
