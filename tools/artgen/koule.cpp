// The moving things of the playfield: balls, paddles, gun barrels and the shot.
#include "kresby.h"

barva barva_koule(int druh)
{
    if (druh == 2) return rgb(40, 110, 245);
    if (druh == 3) return rgb(235, 40, 36);
    return rgb(190, 196, 208);
}

// A glossy sphere: darker rim, a sharp specular spot at the top left and a faint bounce light below.
static barva lesk_koule(int druh, vek3 n)
{
    barva c = barva_koule(druh);
    barva v;
    if (druh == 1) {
        // polished silver: the mirrored sky, softened so the ball stays bright all over on black
        material m{c, 0.35f, 0.7f, 0.0f, 1};
        v = chrom(c, n, 0.8f) * 0.55f + osvetli(m, n) * 0.55f;
    } else {
        material m{c, 0.3f, 0.85f, 0.0f, 1};
        v = osvetli(m, n);
    }
    float okraj = 1 - n.z;
    v = v * (1 - 0.45f * okraj * okraj);
    float odraz = hladky(0.55f, 0.95f, (n.x + n.y) * 0.7f) * (1 - n.z);
    v = v + smichej(c, {1, 1, 1}, 0.3f) * (0.35f * odraz);
    vek3 pul = normalizuj({SVETLO.x, SVETLO.y, SVETLO.z + 1});
    float spek = std::pow(std::max(0.0f, skalar(n, pul)), 60.0f);
    return v + barva{1, 1, 1} * (1.1f * spek);
}

obraz koule(int druh, int prumer)
{
    obraz o(prumer, prumer);
    float r = prumer / 2.0f, st = prumer / 2.0f;
    kresli(o, [&](float x, float y) -> vzorek {
        float d = sdf_kruh(x, y, st, st, r - 0.15f);
        return {lesk_koule(druh, normala_koule(x, y, st, st, r)), pokryti(d)};
    }, 6);
    return o;
}

// Brightness of the paddle's chrome tube by row: a specular line at the top, a bright plain band
// (rows 3-5), the stripe, a dark horizon, then a plain lit band (rows 14-16) and a dark lower edge.
static float profil_trubky(float y)
{
    static const float BODY[][2] = {{1.0f, 0.35f}, {2.2f, 1.0f}, {3.0f, 0.9f}, {6.0f, 0.8f}, {8.6f, 0.68f},
                                    {11.2f, 0.3f}, {12.6f, 0.5f}, {14.0f, 0.62f}, {16.6f, 0.58f}, {18.0f, 0.35f},
                                    {19.0f, 0.18f}};
    const int n = int(sizeof BODY / sizeof BODY[0]);
    if (y <= BODY[0][0]) return BODY[0][1];
    for (int i = 1; i < n; i++)
        if (y <= BODY[i][0]) {
            float t = (y - BODY[i - 1][0]) / (BODY[i][0] - BODY[i - 1][0]);
            return BODY[i - 1][1] + (BODY[i][1] - BODY[i - 1][1]) * t;
        }
    return BODY[n - 1][1];
}

// A paddle is a rounded metal capsule: a chrome tube between two end caps in the ball colour, with a thin
// stripe of the same colour along its middle. Rows 3-5 and 14-16 stay plain for the glue and ricochet
// strips that the game paints over them.
obraz prkno(int druh, int sirka)
{
    const float r = 9, sy = 10;
    const float cap = 13;  // length of each end cap
    obraz o(sirka, 20);
    barva c = barva_koule(druh);
    auto tvar = [&](float x, float y) { return sdf_usecka(x, y, r, sy, sirka - r, sy, r); };
    kresli(o, [&](float x, float y) -> vzorek {
        float d = tvar(x, y);
        if (d > 0.8f) return {{}, 0};
        barva v;
        if (x < cap || x > sirka - cap) {
            float cx = x < cap ? r : sirka - r;
            v = lesk_koule(druh, normala_koule(x, y, cx, sy, r)) * (druh == 1 ? 0.8f : 0.95f);
        } else {
            v = rgb(214, 220, 232) * profil_trubky(y);
            float pruh = hladky(8.4f, 9.0f, y) * (1 - hladky(10.6f, 11.2f, y));
            if (x > cap + 3 && x < sirka - cap - 3) {
                barva svit = druh == 1 ? rgb(96, 102, 118) : smichej(c, {1, 1, 1}, 0.2f);
                v = smichej(v, svit, pruh);
            }
        }
        // dark grooves where the caps meet the tube
        float drazka = std::min(std::fabs(x - cap), std::fabs(x - (sirka - cap)));
        v = v * (0.3f + 0.7f * hladky(0.3f, 1.1f, drazka));
        return {v, pokryti(d)};
    }, 4);
    return o;
}

// A short brass cannon on a wedge-shaped mount, drawn pixel by pixel: at 10 pixels wide every pixel
// counts. The tube stands over the spot where the game releases the shot (near the paddle's outer end),
// lit from the left; the mount slopes down towards the middle of the paddle.
obraz hlaven(bool prava)
{
    static const char* const LEVA[13] = {
        "LHHLo.....", "DSSDo.....", "HLMDo.....", "HLMDo.....", "LLLLo.....", "HLMDo.....", "HLMDoo....",
        "HLMDLLoo..", "LLMMLLLLo.", "MMMMMMMLLo", "MMMMMHMMMo", "DDDDDDDDDo", "oooooooooo",
    };
    static const char* const PRAVA[13] = {
        ".....oLHHL", ".....oDSSD", ".....oHLMD", ".....oHLMD", ".....oLLLL", ".....oHLMD", "....ooHLMD",
        "..ooLLHLMD", ".oLLLLLLMD", "oLLMMMMMMD", "oMMMHMMMMD", "oDDDDDDDDD", "oooooooooo",
    };
    const char* const* vzor = prava ? PRAVA : LEVA;
    obraz o(10, 13);
    for (int y = 0; y < 13; y++)
        for (int x = 0; x < 10; x++) {
            barva c;
            switch (vzor[y][x]) {
            case 'H': c = rgb(255, 238, 170); break;
            case 'L': c = rgb(232, 190, 90); break;
            case 'M': c = rgb(190, 145, 58); break;
            case 'D': c = rgb(128, 90, 30); break;
            case 'S': c = rgb(70, 46, 12); break;
            case 'o': c = rgb(44, 28, 8); break;
            default: continue;
            }
            o.px(x, y) = c;
            o.al(x, y) = 1;
        }
    return o;
}

// A bright short bolt: a white-hot head and a yellow to orange tail.
obraz strela()
{
    obraz o(2, 10);
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 2; x++) {
            float t = y / 9.0f;
            barva c = t < 0.35f ? rgb(255, 255, 245) : smichej(rgb(255, 246, 150), rgb(255, 150, 40), (t - 0.35f) / 0.65f);
            o.px(x, y) = c;
            o.al(x, y) = 1;
        }
    return o;
}
