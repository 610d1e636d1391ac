// Makes odraz.dat: draws every picture, rasterizes the font, synthesizes the sound effects and writes them
// in the order of the resource catalogue, so that each lands at the position the game addresses.
//
//   artgen <odraz.dat> --pismo <font.ttf> [--titulek <font.ttf>] [--velikost px] [--radek px] [--nahledy dir]
//   artgen --ikona <px> <icon.png> [--ikona <px> <icon.png>]...      (the desktop icons only)
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "datafile.h"
#include "kresby.h"
#include "pismo.h"
#include "png.h"
#include "zvuky.h"

namespace {

constexpr int POCET_POLOZEK = 76;

struct ikona_ven {
    int velikost;
    std::string soubor;
};

struct volby {
    std::string vystup, pismo, titulek, nahledy;   // titulek: the face of the title, else pismo
    int velikost = 13, radek = 16;
    std::vector<ikona_ven> ikony;
};

struct sestava {
    std::vector<dat_polozka> polozky;
    std::string nahledy;

    void obrazek(const std::string& jmeno, const obraz& o, bool sprite, bool rozptyl = false)
    {
        obraz16 p = na_16(o, sprite, rozptyl);
        if (!nahledy.empty()) uloz_bmp(nahledy + "/" + std::to_string(polozky.size()) + "_" + jmeno + ".bmp", p);
        polozky.push_back(dat_bitmapa(jmeno, p));
    }
};

std::string dve_cislice(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void sestav(sestava& s, const volby& v)
{
    for (int b = 1; b <= POCET_BONUSU; b++) s.obrazek("bmp_bonus_" + dve_cislice(b), kapsle(b), true);
    s.obrazek("bmp_mouse_pointer", ukazatel(), true);
    for (int t = 0; t < POCET_TYPU_KOSTEK; t++) s.obrazek("bmp_brick_" + dve_cislice(t), kostka(t), false);
    static const char* const DRUHY[3] = {"grey", "blue", "red"};
    for (int k = 1; k <= 3; k++)
        for (int d : {8, 12, 16}) s.obrazek(std::string("bmp_ball_") + DRUHY[k - 1] + "_" + std::to_string(d), koule(k, d), true);
    for (int t = 0; t < POCET_TYPU_KOSTEK; t++) s.obrazek("bmp_minibrick_" + dve_cislice(t), mini_kostka(t), false);
    s.obrazek("bmp_menu_background", pozadi_menu(v.titulek.empty() ? v.pismo : v.titulek), false, true);
    s.obrazek("bmp_frame_pieces", ram_hriste(), false);
    s.obrazek("bmp_dialog_panel", panel_dialogu(), false, true);
    s.obrazek("bmp_bar_pieces", listy(false), false);
    s.obrazek("bmp_bar_pieces_lit", listy(true), false);
    s.polozky.push_back(dat_pismo("fnt_main", rastruj_pismo(v.pismo, v.velikost, v.radek)));
    s.obrazek("bmp_window_texture", textura_okna(), false);
    s.polozky.push_back(dat_data("unused_55", {'O', 'D', 'R', 'Z'}));
    for (int k = 1; k <= 3; k++)
        for (int w : {40, 80, 120}) s.obrazek(std::string("bmp_paddle_") + DRUHY[k - 1] + "_" + std::to_string(w), prkno(k, w), true);
    s.obrazek("bmp_gun_left", hlaven(false), true);
    s.obrazek("bmp_gun_right", hlaven(true), true);
    s.obrazek("bmp_shot", strela(), true);
    s.obrazek("bmp_button", tlacitko(false), false);
    s.obrazek("bmp_button_lit", tlacitko(true), false);
    s.polozky.push_back(dat_zvuk("snd_bonus", zvuk_bonus(), FREKVENCE_ZVUKU));
    s.polozky.push_back(dat_zvuk("snd_ball_lost", zvuk_ztrata(), FREKVENCE_ZVUKU));
    s.polozky.push_back(dat_zvuk("snd_click", zvuk_klik(), FREKVENCE_ZVUKU));
    s.polozky.push_back(dat_zvuk("snd_brick", zvuk_kostka(), FREKVENCE_ZVUKU));
    s.polozky.push_back(dat_zvuk("snd_paddle", zvuk_prkno(), FREKVENCE_ZVUKU));
    s.polozky.push_back(dat_zvuk("snd_wall", zvuk_stena(), FREKVENCE_ZVUKU));
}

bool precti_volby(int argc, char** argv, volby& v)
{
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool dalsi = i + 1 < argc;
        if (a == "--pismo" && dalsi) v.pismo = argv[++i];
        else if (a == "--titulek" && dalsi) v.titulek = argv[++i];
        else if (a == "--velikost" && dalsi) v.velikost = std::atoi(argv[++i]);
        else if (a == "--radek" && dalsi) v.radek = std::atoi(argv[++i]);
        else if (a == "--nahledy" && dalsi) v.nahledy = argv[++i];
        else if (a == "--ikona" && i + 2 < argc) {
            v.ikony.push_back({std::atoi(argv[i + 1]), argv[i + 2]});
            i += 2;
            if (v.ikony.back().velikost < 16 || v.ikony.back().velikost > 1024) return false;
        }
        else if (a[0] != '-' && v.vystup.empty()) v.vystup = a;
        else return false;
    }
    if (v.vystup.empty() && !v.ikony.empty()) return true;
    return !v.vystup.empty() && !v.pismo.empty() && v.velikost > 4 && v.radek >= v.velikost;
}

// An icon as RGBA with straight alpha: the drawn colours are over black, weighted by their coverage.
bool uloz_ikonu(const ikona_ven& i)
{
    obraz o = ikona(i.velikost);
    std::vector<uint8_t> px;
    px.reserve(size_t(o.w) * o.h * 4);
    for (int y = 0; y < o.h; y++)
        for (int x = 0; x < o.w; x++) {
            float a = o.al(x, y);
            barva c = a > 0 ? o.px(x, y) * (1 / a) : barva{};
            for (float k : {c.r, c.g, c.b, a}) px.push_back(uint8_t(omez(k) * 255 + 0.5f));
        }
    return zapis_png(i.soubor, o.w, o.h, px, 4);
}

}  // namespace

int main(int argc, char** argv)
{
    volby v;
    if (!precti_volby(argc, argv, v)) {
        std::fprintf(stderr, "usage: artgen <odraz.dat> --pismo <font.ttf> [--titulek <font.ttf>] [--velikost px] [--radek px] "
                     "[--nahledy dir]\n       artgen --ikona <px> <icon.png>...\n");
        return 2;
    }
    try {
        for (const ikona_ven& i : v.ikony)
            if (!uloz_ikonu(i)) throw std::runtime_error("cannot write " + i.soubor);
        if (v.vystup.empty()) return 0;
        sestava s;
        s.nahledy = v.nahledy;
        sestav(s, v);
        if (s.polozky.size() != POCET_POLOZEK) throw std::runtime_error("the catalogue has " + std::to_string(s.polozky.size()) + " entries");
        if (!zapis_datafile(v.vystup, s.polozky)) throw std::runtime_error("cannot write " + v.vystup);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
