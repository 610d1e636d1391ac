// The pieces that frames, bars, windows, dialogs and buttons are assembled from. Pieces that the game
// repeats are drawn so that their content does not change along the direction of repetition (or repeats
// with the piece's own period), so the joins never show.
#include "kresby.h"

namespace {

enum strana { NAHORE, VLEVO, VPRAVO, DOLE };

// Which edge of a w x h sheet a pixel belongs to (mitred at the corners) and how deep inside it lies.
void hrana(int x, int y, int w, int h, strana& s, int& hloubka)
{
    int dl = x, dr = w - 1 - x, dt = y, db = h - 1 - y;
    hloubka = std::min({dl, dr, dt, db});
    if (hloubka == dt && dt <= dl && dt <= dr) s = NAHORE;
    else if (hloubka == db && db <= dl && db <= dr) s = DOLE;
    else if (hloubka == dl) s = VLEVO;
    else s = VPRAVO;
}

// One row of a rounded steel rim `sirka` pixels wide, from the outside (0) inwards: the outer half leans
// outwards and the inner half inwards, so a lit edge shines on its outer half and a shaded edge on its
// inner half. Fine streaks run along the edge.
barva ocel_profil(int t, int sirka, strana s, barva ocel)
{
    if (t == 0) return ocel * 0.25f;
    const float ven_x = s == VLEVO ? -1.0f : s == VPRAVO ? 1.0f : 0.0f;
    const float ven_y = s == NAHORE ? -1.0f : s == DOLE ? 1.0f : 0.0f;
    float stred = (sirka - 1) / 2.0f + 0.5f;
    float sklon = (stred - t) / stred * 1.1f;
    vek3 n = normalizuj({ven_x * sklon, ven_y * sklon, 1});
    float dif = std::max(0.0f, skalar(n, SVETLO));
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    float spek = std::pow(std::max(0.0f, skalar(n, pul)), 12.0f);
    float pruh = 0.94f + 0.12f * sum(t, int(s), 17);
    return ocel * ((0.3f + 0.75f * dif) * pruh) + barva{1, 1, 1} * (0.35f * spek);
}

// A slate fill that repeats every 10 pixels in both directions.
barva bridlice(int x, int y)
{
    float n = sum(x % 10, y % 10, 5) * 0.5f + sum((x + 3) % 10, (y + 7) % 10, 6) * 0.5f;
    return rgb(24, 29, 40) * (0.94f + 0.1f * n);
}

}  // namespace

obraz ram_hriste()
{
    const barva ocel = rgb(150, 160, 176);
    obraz o(50, 50, {}, 1.0f);
    for (int y = 0; y < 50; y++)
        for (int x = 0; x < 50; x++) {
            strana s;
            int t;
            hrana(x, y, 50, 50, s, t);
            if (t >= 10) continue;
            barva c;
            if (t <= 6) c = ocel_profil(t, 7, s, ocel);
            else if (t == 7) c = ocel * 0.5f;
            else if (t == 8) c = ocel * 0.22f;
            else c = smichej(ocel, {1, 1, 1}, 0.35f);  // the light inner edge towards the playfield
            o.px(x, y) = c;
        }
    return o;
}

obraz listy(bool rozsvicene)
{
    obraz o(250, 20, {}, 1.0f);
    const barva telo_h = rozsvicene ? rgb(64, 32, 12) : rgb(64, 74, 96);
    const barva telo_d = rozsvicene ? rgb(34, 15, 5) : rgb(34, 40, 54);
    const barva hrana_h = rozsvicene ? rgb(255, 150, 50) : rgb(140, 156, 182);
    const barva zar = rgb(250, 100, 0);
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 100; x++) {
            float t = (y - 2) / 15.0f;
            barva c = smichej(telo_h, telo_d, omez(t));
            if (rozsvicene) {
                // orange light creeping in from the top and bottom edges
                float okraj = std::exp(-(y - 1) * 0.55f) + std::exp(-(18 - y) * 0.7f);
                c = c + zar * (0.32f * omez(okraj));
            }
            if (y == 0) c = hrana_h;
            else if (y == 1) c = smichej(hrana_h, c, 0.55f);
            else if (y == 18) c = rozsvicene ? zar * 0.75f : telo_d * 0.7f;
            else if (y == 19) c = rozsvicene ? zar * 0.3f : rgb(10, 12, 16);
            // end caps: a lit left rim and a shaded right rim
            if (x == 0) c = smichej(c, hrana_h, 0.7f);
            else if (x == 1) c = smichej(c, hrana_h, 0.25f);
            else if (x == 98) c = c * 0.6f;
            else if (x == 99) c = rozsvicene ? zar * 0.3f : rgb(10, 12, 16);
            o.px(x, y) = c;
        }
    // Beyond x 100 the strip stays black: wide pieces taken near the right end stop at the cap.
    return o;
}

obraz textura_okna()
{
    const barva ocel = rgb(132, 142, 162);
    obraz o(50, 50, {}, 1.0f);
    for (int y = 0; y < 50; y++)
        for (int x = 0; x < 50; x++) {
            strana s;
            int t;
            hrana(x, y, 50, 50, s, t);
            barva c = bridlice(x, y);
            if (t <= 5) c = ocel_profil(t, 6, s, ocel);
            else if (t == 6) c = rgb(8, 9, 12);
            else if (t == 7) c = c * 0.55f;
            else if (t < 12) c = c * (0.55f + 0.45f * (t - 7) / 4.0f);  // the rim's shadow on the slate
            o.px(x, y) = c;
        }
    return o;
}

obraz panel_dialogu()
{
    const int w = 390, h = 220;
    const barva ocel = rgb(140, 150, 170);
    obraz o(w, h, {}, 1.0f);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            strana s;
            int t;
            hrana(x, y, w, h, s, t);
            float v = y / float(h);
            barva c = smichej(rgb(34, 40, 54), rgb(16, 19, 27), v);
            // the title band
            if (y >= 5 && y < 29) c = smichej(rgb(46, 54, 74), rgb(32, 38, 52), (y - 5) / 24.0f);
            if (y == 29) c = rgb(92, 104, 128);
            if (y == 30) c = rgb(8, 9, 13);
            if (t <= 4) c = ocel_profil(t, 5, s, ocel);
            else if (t == 5) c = rgb(8, 9, 12);
            else if (t < 9 && !(y >= 5 && y < 31)) c = c * (0.6f + 0.1f * (t - 5));
            o.px(x, y) = c;
        }
    // four small rivets hold the panel: at the ends of the title band and in the bottom corners
    kresli(o, [&](float x, float y) -> vzorek {
        for (float cx : {12.0f, w - 12.0f})
            for (float cy : {17.0f, h - 13.0f}) {
                float d = sdf_kruh(x, y, cx, cy, 2.6f);
                if (d > 1.2f) continue;
                if (d > 0) return {rgb(6, 7, 10), 0.6f * pokryti(d - 0.8f)};
                material m{ocel, 0.3f, 0.8f, 0.9f, 20};
                return {osvetli(m, normala_koule(x, y, cx, cy, 2.8f)), 1};
            }
        return {{}, 0};
    }, 4, 0, 0, w, h);
    return o;
}

obraz tlacitko(bool rozsvicene)
{
    obraz o(80, 25, {}, 1.0f);
    auto tvar = [](float x, float y) { return sdf_obdelnik(x, y, 0, 0, 80, 25, 3.0f); };
    const barva zar = rgb(250, 100, 0);
    kresli(o, [&](float x, float y) -> vzorek {
        float d = tvar(x, y);
        float hloubka = -d;
        vek3 n = normala_zkoseni(tvar, x, y, 3.0f, 1.7f);
        barva c;
        if (hloubka < 3.0f) {
            // rim: steel, or glowing orange metal when lit
            barva ocel = rozsvicene ? rgb(255, 130, 30) : rgb(140, 150, 172);
            c = chrom(ocel, n, 0.9f);
            if (hloubka < 0.8f) c = c * 0.5f;
        } else {
            float v = (y - 3) / 19.0f;
            c = rozsvicene ? smichej(rgb(70, 34, 12), rgb(36, 16, 6), v) : smichej(rgb(58, 66, 86), rgb(28, 32, 44), v);
            // a soft gloss over the upper half
            c = c + barva{1, 1, 1} * (0.06f * (1 - hladky(0.2f, 0.5f, v)));
            if (rozsvicene) {
                float okraj = std::exp(-(hloubka - 3.0f) * 0.6f);
                c = c + zar * (0.35f * okraj);
            }
            // a thin dark line where the face meets the rim
            c = c * (0.55f + 0.45f * hladky(3.0f, 4.0f, hloubka));
        }
        return {c, pokryti(d)};
    }, 4);
    return o;
}
