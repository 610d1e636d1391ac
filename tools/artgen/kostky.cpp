// Bricks of the ten types and the editor's empty cell, and their miniatures for the level gallery.
#include "kresby.h"

namespace {

constexpr barva SPARA = {0.02f, 0.02f, 0.03f};  // the seam between neighbours

// The raised body of a brick: everything but the seam along the right and bottom edge.
float tvar_kostky(float x, float y) { return sdf_obdelnik(x, y, 0, 0, 38, 19, 1.6f); }

// Glazed bricks (types 1 to 5): a bevelled enamel block with a glassy sheen over the upper half.
vzorek smalt(barva c, float x, float y)
{
    float d = tvar_kostky(x, y);
    vek3 n = normala_zkoseni(tvar_kostky, x, y, 3.2f, 1.9f);
    material m{c * (1.12f - 0.3f * (y / 19.0f)), 0.42f, 0.7f, 0.55f, 28};
    barva v = osvetli(m, n);
    float hloubka = -d;
    float lesk = (1 - hladky(0.3f, 0.52f, y / 19.0f)) * hladky(1.5f, 3.2f, hloubka);
    v = v + barva{1, 1, 1} * (0.16f * lesk);
    // a crisp light line where the sheen ends gives the glaze its depth
    v = v + c * (0.25f * (1 - hladky(0.0f, 1.2f, std::fabs(y - 10.2f))) * hladky(3.0f, 5.0f, hloubka));
    return {v, pokryti(d)};
}

// Gem bricks (types 6 and 7): facets slope from a flat table to the rim, each catching the light differently.
vzorek drahokam(barva c, float x, float y, float jiskra_x)
{
    float d = tvar_kostky(x, y);
    vek3 n = normala_zkoseni(tvar_kostky, x, y, 2.2f, 2.0f);
    float hloubka = -d;
    if (hloubka > 2.2f) {
        // Flat facets between the rim and a flat table; which facet a point is on follows from its
        // position relative to the table, scaled so the facet seams run to the corners.
        const float tx0 = 10, tx1 = 28, ty0 = 6.5f, ty1 = 12.5f;
        float dx = x < tx0 ? (tx0 - x) / (tx0 - 2.2f) : x > tx1 ? (x - tx1) / (35.8f - tx1) : 0;
        float dy = y < ty0 ? (ty0 - y) / (ty0 - 2.2f) : y > ty1 ? (y - ty1) / (16.8f - ty1) : 0;
        if (dx > 0 || dy > 0) {
            if (dx > dy) n = normalizuj({x < tx0 ? -0.75f : 0.75f, 0, 1});
            else n = normalizuj({0, y < ty0 ? -0.95f : 0.95f, 1});
            // a fine bright seam where two facets meet
            float sev = std::fabs(dx - dy);
            if (sev < 0.06f && std::max(dx, dy) > 0.1f) n = normalizuj({-0.4f, -0.5f, 1});
        }
    }
    material m{c, 0.35f, 0.85f, 0.9f, 40};
    barva v = osvetli(m, n);
    // inner glow: gems look lit from within towards the lower right
    float vnitrek = hladky(3.0f, 9.0f, hloubka);
    v = v + c * (0.22f * vnitrek * hladky(0.0f, 1.0f, (x / 38.0f + y / 19.0f) * 0.5f));
    // a four-pointed glint
    float gx = x - jiskra_x, gy = y - 6.0f;
    float paprsky = std::max(0.0f, 1 - std::fabs(gx) / 4.5f) * std::max(0.0f, 1 - std::fabs(gy) / 0.7f) +
                    std::max(0.0f, 1 - std::fabs(gy) / 3.5f) * std::max(0.0f, 1 - std::fabs(gx) / 0.7f);
    float stred = std::max(0.0f, 1 - std::hypot(gx, gy) / 1.6f);
    v = v + barva{1, 1, 1} * omez(paprsky * 0.9f + stred);
    return {v, pokryti(d)};
}

// Soft sphere-like rivet head at (cx, cy).
bool nyt(float x, float y, float cx, float cy, float r, barva kov, barva& v)
{
    float d = sdf_kruh(x, y, cx, cy, r);
    if (d > 0.6f) return false;
    // a dark ring around the head sinks it into the plate
    if (d > 0) {
        v = smichej(v, v * 0.45f, pokryti(d - 0.6f));
        return false;
    }
    material m{kov, 0.3f, 0.8f, 0.9f, 20};
    v = osvetli(m, normala_koule(x, y, cx, cy, r + 0.2f));
    return true;
}

// Type 8: a steel-blue plate, brushed along its length, held by four rivets.
vzorek plat(float x, float y)
{
    const barva ocel = rgb(112, 146, 186);
    float d = tvar_kostky(x, y);
    vek3 n = normala_zkoseni(tvar_kostky, x, y, 2.5f, 1.6f);
    float kartac = 0.9f + 0.16f * hladky_sum(x * 0.15f, y * 2.2f, 8) + 0.06f * sum(int(x * 0.4f), int(y), 81);
    barva v = chrom(ocel * kartac, n, 0.8f);
    const float nx[2] = {4.5f, 33.5f}, ny[2] = {4.5f, 14.5f};
    for (float cx : nx)
        for (float cy : ny) nyt(x, y, cx, cy, 1.8f, rgb(200, 215, 235), v);
    return {v, pokryti(d)};
}

// Type 9: heavy bronze armour, engraved with a cross-hatch, big rivets at the corners.
vzorek pancir(float x, float y)
{
    const barva bronz = rgb(150, 98, 48);
    float d = tvar_kostky(x, y);
    vek3 n = normala_zkoseni(tvar_kostky, x, y, 3.0f, 1.8f);
    float hloubka = -d;
    if (hloubka > 3.2f) {
        // engraved diagonal grooves in both directions, 6 px apart
        float u = std::fmod(x + y + 600.0f, 6.0f), w = std::fmod(x - y + 600.0f, 6.0f);
        float ru = u - 3.0f, rw = w - 3.0f;
        if (std::fabs(ru) > 2.2f) n = normalizuj({ru > 0 ? 0.7f : -0.7f, ru > 0 ? 0.7f : -0.7f, 1});
        if (std::fabs(rw) > 2.2f) n = normalizuj({rw > 0 ? 0.7f : -0.7f, rw > 0 ? -0.7f : 0.7f, 1});
    }
    material m{bronz * (0.95f + 0.1f * hladky_sum(x * 0.3f, y * 0.3f, 9)), 0.38f, 0.75f, 0.55f, 14,
               rgb(255, 220, 170)};
    barva v = osvetli(m, n);
    const float nx[2] = {5.0f, 33.0f}, ny[2] = {5.0f, 14.0f};
    for (float cx : nx)
        for (float cy : ny) nyt(x, y, cx, cy, 2.6f, rgb(190, 140, 80), v);
    return {v, pokryti(d)};
}

// Type 10: bright polished silver crossed by a diagonal sheen.
vzorek stribro(float x, float y)
{
    float d = tvar_kostky(x, y);
    vek3 n = normala_zkoseni(tvar_kostky, x, y, 3.0f, 1.8f);
    barva v = chrom(rgb(205, 212, 225), n, 1.0f);
    float pas = (x - 2.0f * y) - 4.0f;
    float zar = std::exp(-pas * pas / 18.0f) * 0.55f + std::exp(-(pas - 9) * (pas - 9) / 3.0f) * 0.25f;
    v = v + barva{1, 1, 1} * (zar * hladky(1.0f, 3.0f, -d));
    return {v, pokryti(d)};
}

}  // namespace

barva barva_kostky(int typ)
{
    static const barva barvy[POCET_TYPU_KOSTEK] = {
        rgb(40, 44, 56),   rgb(222, 38, 38),  rgb(246, 128, 22), rgb(240, 208, 38),
        rgb(52, 186, 64),  rgb(36, 196, 216), rgb(44, 74, 226),  rgb(150, 62, 222),
        rgb(112, 146, 186), rgb(150, 98, 48), rgb(210, 216, 228),
    };
    return barvy[typ];
}

obraz kostka(int typ)
{
    obraz o(SIRKA_KOSTKY, VYSKA_KOSTKY, SPARA, 1.0f);
    if (typ == 0) {
        // the editor's empty cell: a faint outline on black, a touch brighter at the corners
        kresli(o, [](float x, float y) -> vzorek {
            bool okraj = x < 1 || y < 1 || x > 38 || y > 19;
            bool roh = (x < 3 || x > 36) && (y < 3 || y > 17);
            if (!okraj) return {{0, 0, 0}, 1};
            return {roh ? rgb(62, 70, 88) : rgb(30, 34, 44), 1};
        }, 1);
        return o;
    }
    barva c = barva_kostky(typ);
    kresli(o, [&](float x, float y) -> vzorek {
        if (typ <= 5) return smalt(c, x, y);
        if (typ == 6) return drahokam(c, x, y, 12.0f);
        if (typ == 7) return drahokam(c, x, y, 26.0f);
        if (typ == 8) return plat(x, y);
        if (typ == 9) return pancir(x, y);
        return stribro(x, y);
    });
    return o;
}

// A miniature takes the average colour of its brick's face, flat, with a one-pixel highlight.
obraz mini_kostka(int typ)
{
    obraz o(10, 5, {}, 1.0f);
    if (typ == 0) {
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 10; x++)
                if (x == 0 || y == 0 || x == 9 || y == 4) o.px(x, y) = rgb(22, 25, 32);
        return o;
    }
    const obraz k = kostka(typ);
    barva c;
    for (int y = 0; y < 19; y++)
        for (int x = 0; x < 38; x++) c = c + k.px(x, y) * (1.0f / (38 * 19));
    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 10; x++) {
            barva v = c;
            if (y == 0 || x == 0) v = smichej(c, {1, 1, 1}, 0.35f);  // the one-pixel highlight
            if (y == 4 || x == 9) v = c * 0.5f;
            o.px(x, y) = v;
        }
    return o;
}
