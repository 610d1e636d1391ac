// The sixteen bonus capsules (glass pills coloured by the kind of effect, each with its own symbol) and
// the mouse pointer.
#include "kresby.h"

#include <string>
#include <vector>

namespace {

using vzor = std::vector<std::string>;  // 'X' marks a symbol pixel

// A small cannon on its wheel, aimed to the right, and a shot leaving it.
const vzor DELO = {
    "..........XX...",
    ".XXXXXXXXXXX...",
    "XXXXXXXXXXXX.XX",
    ".XXXXXXXXXXX...",
    "..XXXXX...XX...",
    ".XX...XX.......",
    ".XX.X.XX.......",
    ".XX...XX.......",
    "..XXXXX........",
};

const vzor SRDCE_PLUS = {
    ".XX.XX.........",
    "XXXXXXX.....X..",
    "XXXXXXX.....X..",
    ".XXXXX....XXXXX",
    "..XXX.......X..",
    "...X........X..",
};
const vzor SRDCE_MINUS = {
    ".XX.XX.........",
    "XXXXXXX........",
    "XXXXXXX........",
    ".XXXXX....XXXXX",
    "..XXX..........",
    "...X...........",
};
const vzor KOULE_PLUS = {
    "....XXX..........",
    "...XXXXX.....X...",
    "...XXXXX.....X...",
    "....XXX....XXXXX.",
    ".XXX...XXX...X...",
    "XXXXX.XXXXX..X...",
    "XXXXX.XXXXX......",
    ".XXX...XXX.......",
};
const vzor KOULE_VETSI = {
    "......XXX......",
    "..X..XXXXX..X..",
    ".XX.XXXXXXX.XX.",
    "XXX.XXXXXXX.XXX",
    ".XX.XXXXXXX.XX.",
    "..X..XXXXX..X..",
    "......XXX......",
};
const vzor KOULE_MENSI = {
    "......XXX......",
    "X....XXXXX....X",
    "XX..XXXXXXX..XX",
    "XXX.XXXXXXX.XXX",
    "XX..XXXXXXX..XX",
    "X....XXXXX....X",
    "......XXX......",
};
const vzor PRKNO_VETSI = {
    "..X...........X..",
    ".XX...........XX.",
    "XXX.XXXXXXXXX.XXX",
    ".XX.XXXXXXXXX.XX.",
    "..X...........X..",
};
const vzor PRKNO_MENSI = {
    "X...............X",
    "XX.............XX",
    "XXX.XXXXXXXXX.XXX",
    "XX.............XX",
    "X...............X",
};
const vzor RYCHLEJI = {
    "XX...XX...",
    ".XX...XX..",
    "..XX...XX.",
    "...XX...XX",
    "..XX...XX.",
    ".XX...XX..",
    "XX...XX...",
};
const vzor POMALEJI = {
    "...XX...XX",
    "..XX...XX.",
    ".XX...XX..",
    "XX...XX...",
    ".XX...XX..",
    "..XX...XX.",
    "...XX...XX",
};
const vzor KAPKA = {
    "...X...",
    "..XXX..",
    "..XXX..",
    ".XXXXX.",
    "XXXXXXX",
    "XXXXXXX",
    "XXXXXXX",
    ".XXXXX.",
    "..XXX..",
};
const vzor CIKCAK = {
    "X.......X.......X",
    "XX.....XXX.....XX",
    ".XX...XX.XX...XX.",
    "..XX.XX...XX.XX..",
    "...XXX.....XXX...",
    "....X.......X....",
};
const vzor DALSI = {
    ".....X....XX",
    ".....XX...XX",
    "XXXXXXXX..XX",
    "XXXXXXXXX.XX",
    "XXXXXXXX..XX",
    ".....XX...XX",
    ".....X....XX",
};

enum styl_symbolu { SVETLY, TMAVY, KOULE };

struct druh_kapsle {
    barva sklo;
    styl_symbolu styl;
    const vzor* symbol;
    int koule = 0;  // ball kind shown inside, for the ball-colour capsules
};

const barva DOBRA = rgb(36, 176, 64), ZLA = rgb(206, 34, 34), ZLUTA = rgb(236, 196, 28), BILA = rgb(214, 220, 232),
            KOUR = rgb(70, 74, 90);

druh_kapsle druh(int bonus)
{
    switch (bonus) {
    case 1: return {DOBRA, SVETLY, &SRDCE_PLUS};
    case 2: return {ZLA, SVETLY, &SRDCE_MINUS};
    case 3: return {DOBRA, SVETLY, &KOULE_PLUS};
    case 4: return {KOUR, KOULE, nullptr, 2};
    case 5: return {KOUR, KOULE, nullptr, 3};
    case 6: return {KOUR, KOULE, nullptr, 1};
    case 7: return {ZLUTA, TMAVY, &KOULE_VETSI};
    case 8: return {ZLA, SVETLY, &KOULE_MENSI};
    case 9: return {ZLUTA, TMAVY, &PRKNO_VETSI};
    case 10: return {ZLA, SVETLY, &PRKNO_MENSI};
    case 11: return {BILA, TMAVY, &RYCHLEJI};
    case 12: return {BILA, TMAVY, &POMALEJI};
    case 13: return {rgb(232, 120, 24), SVETLY, &DELO};
    case 14: return {rgb(0, 164, 150), SVETLY, &KAPKA};
    case 15: return {rgb(142, 64, 218), SVETLY, &CIKCAK};
    default: return {rgb(28, 120, 236), SVETLY, &DALSI};
    }
}

constexpr int SIRKA_KAPSLE = 30, VYSKA_KAPSLE = 15;

float tvar_kapsle(float x, float y) { return sdf_usecka(x, y, 7.5f, 7.5f, 22.5f, 7.5f, 7.0f); }

// Glass pill: saturated towards the rim, a bright streak along the top, a warm glow through the bottom.
vzorek sklo(barva c, int okraj_koule, float x, float y)
{
    float d = tvar_kapsle(x, y);
    if (d > 0.7f) return {{}, 0};
    float hloubka = -d;
    float s = omez(1 - hloubka / 7.0f, 0, 0.999f);
    const float e = 0.05f;
    float gx = (tvar_kapsle(x + e, y) - tvar_kapsle(x - e, y)) / (2 * e);
    float gy = (tvar_kapsle(x, y + e) - tvar_kapsle(x, y - e)) / (2 * e);
    vek3 n = normalizuj({gx * s, gy * s, std::sqrt(1 - s * s)});
    float dif = std::max(0.0f, skalar(n, SVETLO));
    barva v = c * (0.42f + 0.55f * dif);
    v = v * (0.6f + 0.4f * n.z);
    // light gathering at the bottom inside the glass
    float zar = hladky(8.0f, 13.0f, y) * hladky(0.8f, 2.5f, hloubka);
    v = v + smichej(c, {1, 1, 1}, 0.45f) * (0.45f * zar);
    // the streak along the top
    float pruh = sdf_usecka(x, y, 7.0f, 3.2f, 23.0f, 3.2f, 1.4f);
    v = smichej(v, {1, 1, 1}, 0.75f * pokryti(pruh * 1.4f) * (0.55f + 0.45f * hladky(4, 12, x)));
    // a dark rim keeps the pill apart from whatever it falls over
    v = v * (0.45f + 0.55f * hladky(0.0f, 1.3f, hloubka));
    if (okraj_koule) {
        barva k = barva_koule(okraj_koule);
        v = smichej(v, k, 0.75f * (1 - hladky(0.6f, 2.0f, hloubka)) * hladky(0.0f, 0.6f, hloubka));
    }
    return {v, pokryti(d)};
}

void poloz_symbol(obraz& o, const vzor& s, styl_symbolu styl, barva sklo_barva)
{
    int vw = int(s[0].size()), vh = int(s.size());
    int x0 = (SIRKA_KAPSLE - vw) / 2, y0 = (VYSKA_KAPSLE - vh + 1) / 2;
    barva popredi = styl == TMAVY ? sklo_barva * 0.22f : rgb(255, 255, 255);
    barva stin = styl == TMAVY ? smichej(sklo_barva, {1, 1, 1}, 0.5f) : sklo_barva * 0.25f;
    for (int j = 0; j < vh; j++)
        for (int i = 0; i < vw; i++)
            if (s[j][i] == 'X') {
                int tx = x0 + i + 1, ty = y0 + j + 1;
                bool volno = (j + 1 >= vh || i + 1 >= vw || s[j + 1][i + 1] != 'X');
                if (volno && tx < o.w && ty < o.h) o.px(tx, ty) = smichej(o.px(tx, ty), stin, 0.8f);
            }
    for (int j = 0; j < vh; j++)
        for (int i = 0; i < vw; i++)
            if (s[j][i] == 'X') o.px(x0 + i, y0 + j) = popredi;
}

}  // namespace

obraz kapsle(int bonus)
{
    druh_kapsle k = druh(bonus);
    obraz o(SIRKA_KAPSLE, VYSKA_KAPSLE);
    kresli(o, [&](float x, float y) { return sklo(k.sklo, k.koule, x, y); }, 4);
    if (k.styl == KOULE) {
        obraz b = koule(k.koule, 9);
        poloz(o, b, 10, 3);
        // a little twin on each side, smaller, so the capsule reads as "balls of this colour"
        obraz m = koule(k.koule, 5);
        poloz(o, m, 4, 5);
        poloz(o, m, 21, 5);
        return o;
    }
    poloz_symbol(o, *k.symbol, k.styl, k.sklo);
    return o;
}

// A clean arrow with a dark outline; the tip is the top-left pixel, where the game puts the hotspot.
obraz ukazatel()
{
    static const std::vector<std::string> SIP = {
        "O..........",
        "OO.........",
        "OXO........",
        "OXXO.......",
        "OXXXO......",
        "OXXXXO.....",
        "OXXXXXO....",
        "OXXXXXXO...",
        "OXXXXXXXO..",
        "OXXXXXXXXO.",
        "OXXXXXXXXXO",
        "OXXXXXOOOOO",
        "OXXOXXO....",
        "OXO.OXXO...",
        "OO..OXXO...",
        "O....OXXO..",
        ".....OXXO..",
        "......OO...",
    };
    const int w = int(SIP[0].size()), h = int(SIP.size());
    obraz o(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            char z = SIP[size_t(y)][size_t(x)];
            if (z == '.') continue;
            o.al(x, y) = 1;
            if (z == 'O') {
                o.px(x, y) = rgb(12, 12, 18);
                continue;
            }
            // bright at the top left, cooler towards the tail; the right flank in a touch of shade
            float t = (y + x * 0.5f) / 20.0f;
            barva c = smichej(rgb(255, 255, 255), rgb(176, 188, 210), t);
            if (x + 1 < w && SIP[size_t(y)][size_t(x) + 1] == 'O' && x > 1) c = c * 0.82f;
            o.px(x, y) = c;
        }
    return o;
}
