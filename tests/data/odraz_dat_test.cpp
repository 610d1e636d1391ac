// The generated odraz.dat: every catalogue position of the right kind and size, sprites with transparent
// surroundings, pieces that join without seams, quiet fields behind the menu texts, a font with the whole
// Czech alphabet that fits the 20-pixel rows, and clean sound effects.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "data/data_support.h"
#include "shell/resources.h"

namespace {

class OdrazDat : public ::testing::Test {
protected:
    static DATAFILE* d;
    static void SetUpTestSuite()
    {
        data_allegro();
        d = load_datafile(v_behu("odraz.dat").c_str());
    }
    static void TearDownTestSuite()
    {
        if (d) unload_datafile(d);
        d = nullptr;
    }
    void SetUp() override { ASSERT_NE(d, nullptr) << "cannot load " << v_behu("odraz.dat"); }
    static BITMAP* bmp(int p) { return static_cast<BITMAP*>(d[p].dat); }
    static FONT* pismo() { return static_cast<FONT*>(d[fnt_main].dat); }
    static const SAMPLE* zvuk(int p) { return static_cast<const SAMPLE*>(d[p].dat); }
};
DATAFILE* OdrazDat::d = nullptr;

// Groups of cases, each loading the datafile once.
class DatafileCatalogue : public OdrazDat {};
class DatafileSprites : public OdrazDat {};
class DatafilePictures : public OdrazDat {};
class DatafilePieces : public OdrazDat {};
class DatafileMenu : public OdrazDat {};
class DatafileFont : public OdrazDat {};
class DatafileSounds : public OdrazDat {};

std::string druh_objektu(int typ)
{
    if (typ == DAT_END) return "end of datafile";
    char s[5] = {char(typ >> 24), char(typ >> 16), char(typ >> 8), char(typ), 0};
    return s;
}

// The piece that starts at source column `zacatek` can follow the one that ended at `konec`: its first
// column matches the column that naturally follows `konec` in the sheet.
::testing::AssertionResult navazuje(BITMAP* b, int konec, int zacatek, int od, int po, bool sloupce)
{
    for (int i = od; i <= po; i++) {
        rgb8 a = sloupce ? pixel(b, konec + 1, i) : pixel(b, i, konec + 1);
        rgb8 z = sloupce ? pixel(b, zacatek, i) : pixel(b, i, zacatek);
        if (std::abs(a.r - z.r) > 12 || std::abs(a.g - z.g) > 12 || std::abs(a.b - z.b) > 12)
            return ::testing::AssertionFailure() << "seam after " << konec << " continuing at " << zacatek << ", at " << i;
    }
    return ::testing::AssertionSuccess();
}

// ---------------------------------------------------------------------------------------------------

TEST_F(DatafileCatalogue, GamesOwnCheckAccepts) { EXPECT_TRUE(katalog_v_poradku(d)); }

TEST_F(DatafileCatalogue, EveryPositionHoldsItsKindAndSize)
{
    for (int p = 0; p < POCET_ZDROJU; p++) {
        ASSERT_NE(d[p].type, DAT_END) << "the datafile ends before position " << p;
        POZADAVEK_ZDROJE z = pozadavek_zdroje(p);
        SCOPED_TRACE("position " + std::to_string(p) + " holds " + druh_objektu(int(d[p].type)));
        ASSERT_NE(d[p].dat, nullptr);
        switch (z.druh) {
        case ZDROJ_OBRAZEK: {
            ASSERT_EQ(d[p].type, DAT_BITMAP);
            BITMAP* b = bmp(p);
            if (z.nejmene) {
                EXPECT_GE(b->w, z.sirka);
                EXPECT_GE(b->h, z.vyska);
            } else {
                if (z.sirka) {
                    EXPECT_EQ(b->w, z.sirka);
                }
                if (z.vyska) {
                    EXPECT_EQ(b->h, z.vyska);
                }
            }
            EXPECT_EQ(bitmap_color_depth(b), 16);
            break;
        }
        case ZDROJ_PISMO: EXPECT_EQ(d[p].type, DAT_FONT); break;
        case ZDROJ_ZVUK: EXPECT_EQ(d[p].type, DAT_SAMPLE); break;
        case ZDROJ_NIC: break;
        }
    }
}

TEST_F(DatafileCatalogue, SizesTheGameAssumesForItsSprites)
{
    for (int druh = 1; druh <= 3; druh++)
        for (int prumer : {8, 12, 16}) {
            BITMAP* b = bmp(res_koule(druh, prumer));
            EXPECT_EQ(b->w, prumer);
            EXPECT_EQ(b->h, prumer);
        }
    for (int druh = 1; druh <= 3; druh++)
        for (int sirka : {40, 80, 120}) {
            BITMAP* b = bmp(res_prkno(druh, sirka));
            EXPECT_EQ(b->w, sirka);
            EXPECT_GE(b->h, 17) << "rows 14-16 carry the ricochet strip";
            EXPECT_LE(b->h, 20) << "the paddle must stay above the status bar";
        }
    EXPECT_EQ(bmp(bmp_gun_left)->w, 10);
    EXPECT_EQ(bmp(bmp_gun_right)->w, 10);
    for (int b = 0; b < 16; b++) {
        EXPECT_GE(bmp(b)->w, 20);
        EXPECT_LE(bmp(b)->w, 40) << "capsule names are printed 50 pixels to the right of it";
        EXPECT_LE(bmp(b)->h, 25);
    }
}

// --- sprites and opaque pictures --------------------------------------------------------------------

TEST_F(DatafileSprites, BallsAreRoundWithTransparentCorners)
{
    for (int p = bmp_ball_grey_8; p <= 36; p++) {
        BITMAP* b = bmp(p);
        SCOPED_TRACE("ball at position " + std::to_string(p));
        EXPECT_TRUE(je_maska(b, 0, 0));
        EXPECT_TRUE(je_maska(b, b->w - 1, 0));
        EXPECT_TRUE(je_maska(b, 0, b->h - 1));
        EXPECT_TRUE(je_maska(b, b->w - 1, b->h - 1));
        EXPECT_FALSE(je_maska(b, b->w / 2, b->h / 2));
        EXPECT_FALSE(je_maska(b, b->w / 2, 0)) << "the ball reaches the top edge of its picture";
        EXPECT_FALSE(je_maska(b, 0, b->h / 2)) << "the ball reaches the left edge of its picture";
    }
}

TEST_F(DatafileSprites, CapsulesArePillsOnATransparentGround)
{
    for (int p = bmp_bonus_01; p < bmp_mouse_pointer; p++) {
        BITMAP* b = bmp(p);
        SCOPED_TRACE("capsule at position " + std::to_string(p));
        EXPECT_TRUE(je_maska(b, 0, 0));
        EXPECT_TRUE(je_maska(b, b->w - 1, b->h - 1));
        EXPECT_FALSE(je_maska(b, b->w / 2, b->h / 2));
    }
}

TEST_F(DatafileSprites, CapsulesDifferFromEachOther)
{
    for (int a = 0; a < 16; a++)
        for (int c = a + 1; c < 16; c++) {
            BITMAP *x = bmp(a), *y = bmp(c);
            int ruznych = 0;
            for (int j = 0; j < std::min(x->h, y->h); j++)
                for (int i = 0; i < std::min(x->w, y->w); i++) {
                    rgb8 p = pixel(x, i, j), q = pixel(y, i, j);
                    if (std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 60) ruznych++;
                }
            EXPECT_GT(ruznych, 40) << "capsules " << a << " and " << c << " look alike";
        }
}

TEST_F(DatafileSprites, PaddleStripRowsShowTheDarkGreenStrips)
{
    // The game paints RGB(0, 51, 0) over rows 3-5 (glue) and 14-16 (random ricochet) from x 16 to w - 17;
    // the paddle there must be solid and light enough for the strip to show.
    for (int p = bmp_paddle_grey_40; p <= 64; p++) {
        BITMAP* b = bmp(p);
        SCOPED_TRACE("paddle at position " + std::to_string(p));
        for (int y : {3, 4, 5, 14, 15, 16})
            for (int x = 16; x <= b->w - 17; x++) {
                ASSERT_FALSE(je_maska(b, x, y)) << "hole at " << x << "," << y;
                ASSERT_GT(jas(pixel(b, x, y)), 80) << "too dark for the strip at " << x << "," << y;
            }
        EXPECT_TRUE(je_maska(b, 0, 0));
        EXPECT_TRUE(je_maska(b, b->w - 1, b->h - 1));
    }
}

TEST_F(DatafileSprites, PointerHasItsTipInTheTopLeftPixel)
{
    BITMAP* b = bmp(bmp_mouse_pointer);
    EXPECT_FALSE(je_maska(b, 0, 0));
    EXPECT_TRUE(je_maska(b, b->w - 1, 0));
    EXPECT_TRUE(je_maska(b, b->w - 1, b->h - 1));
    EXPECT_GE(b->w, 8);
    EXPECT_GE(b->h, 12);
}

TEST_F(DatafileSprites, GunBarrelsAndShotAreSmallVisibleSprites)
{
    for (int p : {bmp_gun_left, bmp_gun_right}) {
        BITMAP* b = bmp(p);
        int plnych = 0, prazdnych = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) (je_maska(b, x, y) ? prazdnych : plnych)++;
        EXPECT_GT(plnych, 20) << "position " << p;
        EXPECT_GT(prazdnych, 10) << "position " << p << " needs a transparent ground";
        EXPECT_LE(b->h, 20);
    }
    BITMAP* s = bmp(bmp_shot);
    EXPECT_LE(s->w, 4);
    EXPECT_LE(s->h, 16);
    EXPECT_GT(jas(pixel(s, 0, 0)), 150) << "the shot is a bright bolt";
}

TEST_F(DatafilePictures, OpaquePicturesHaveNoTransparentPixels)
{
    // Bricks, panels, bars and buttons are copied as they are; a mask pixel would show as magenta.
    std::vector<int> neprusvitne = {bmp_menu_background, bmp_frame_pieces, bmp_dialog_panel, bmp_bar_pieces,
                                    bmp_bar_pieces_lit, bmp_window_texture, bmp_button, bmp_button_lit};
    for (int t = 0; t <= 10; t++) {
        neprusvitne.push_back(res_kostka(t));
        neprusvitne.push_back(bmp_minibrick_00 + t);
    }
    for (int p : neprusvitne) {
        BITMAP* b = bmp(p);
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < b->w; x++) ASSERT_FALSE(je_maska(b, x, y)) << "position " << p << " at " << x << "," << y;
    }
}

TEST_F(DatafilePictures, BrickTypesLookClearlyDifferent)
{
    for (int a = 1; a <= 10; a++)
        for (int c = a + 1; c <= 10; c++) {
            BITMAP *x = bmp(res_kostka(a)), *y = bmp(res_kostka(c));
            long rozdil = 0;
            for (int j = 0; j < 20; j++)
                for (int i = 0; i < 39; i++) {
                    rgb8 p = pixel(x, i, j), q = pixel(y, i, j);
                    rozdil += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
                }
            EXPECT_GT(rozdil / (39 * 20), 45) << "brick types " << a << " and " << c << " look alike";
        }
}

TEST_F(DatafilePictures, EmptyCellIsAFaintOutlineOnBlack)
{
    BITMAP* b = bmp(res_kostka(0));
    EXPECT_EQ(jas(pixel(b, 19, 10)), 0);
    EXPECT_GT(jas(pixel(b, 0, 10)) + jas(pixel(b, 19, 0)), 0) << "the outline is there";
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 39; x++) EXPECT_LT(jas(pixel(b, x, y)), 90) << "faint, at " << x << "," << y;
}

TEST_F(DatafilePictures, MiniatureBricksKeepTheColoursOfTheirBricks)
{
    for (int t = 1; t <= 10; t++) {
        BITMAP *m = bmp(bmp_minibrick_00 + t), *k = bmp(res_kostka(t));
        long mr = 0, mg = 0, mb = 0, kr = 0, kg = 0, kb = 0;
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 10; x++) {
                rgb8 p = pixel(m, x, y);
                mr += p.r, mg += p.g, mb += p.b;
            }
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 39; x++) {
                rgb8 p = pixel(k, x, y);
                kr += p.r, kg += p.g, kb += p.b;
            }
        double a[3] = {mr / 50.0, mg / 50.0, mb / 50.0}, c[3] = {kr / 780.0, kg / 780.0, kb / 780.0};
        double vzdalenost = std::sqrt((a[0] - c[0]) * (a[0] - c[0]) + (a[1] - c[1]) * (a[1] - c[1]) + (a[2] - c[2]) * (a[2] - c[2]));
        EXPECT_LT(vzdalenost, 70) << "miniature of type " << t;
    }
}

// --- pieces that the game repeats --------------------------------------------------------------------

TEST_F(DatafilePieces, FramePiecesJoinWithoutSeams)
{
    BITMAP* r = bmp(bmp_frame_pieces);
    // top and bottom edges repeat every 20 pixels; the corners meet them at screen x 10 and 789
    for (int y0 : {0, 40}) {
        EXPECT_TRUE(navazuje(r, 34, 15, y0, y0 + 9, true));
        EXPECT_TRUE(navazuje(r, 9, 25, y0, y0 + 9, true));
        EXPECT_TRUE(navazuje(r, 24, 40, y0, y0 + 9, true));
    }
    for (int x0 : {0, 40}) {
        EXPECT_TRUE(navazuje(r, 34, 15, x0, x0 + 9, false));
        EXPECT_TRUE(navazuje(r, 9, 25, x0, x0 + 9, false));
        EXPECT_TRUE(navazuje(r, 24, 40, x0, x0 + 9, false));
    }
}

TEST_F(DatafilePieces, WindowSheetTilesWithoutSeams)
{
    // fill and edges repeat every 10 pixels in both directions
    BITMAP* s = bmp(bmp_window_texture);
    EXPECT_TRUE(navazuje(s, 29, 20, 0, 49, true));
    EXPECT_TRUE(navazuje(s, 29, 20, 0, 49, false));
}

TEST_F(DatafilePieces, BarPiecesJoinForEveryWayTheGameCutsThem)
{
    for (int p : {bmp_bar_pieces, bmp_bar_pieces_lit}) {
        BITMAP* b = bmp(p);
        SCOPED_TRACE("bar strip at position " + std::to_string(p));
        // status bar: 50-wide pieces from 0, 25, ..., 25, 50
        EXPECT_TRUE(navazuje(b, 49, 25, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 74, 25, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 74, 50, 0, 19, true));
        // table cells: 20-wide pieces from 0, 40, ..., 40, 80; title bars: 10-wide from 0, 40, ..., 90
        EXPECT_TRUE(navazuje(b, 19, 40, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 59, 40, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 59, 80, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 9, 40, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 49, 40, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 49, 90, 0, 19, true));
        // editor boxes: 50-wide pieces from 0, 30, 50
        EXPECT_TRUE(navazuje(b, 49, 30, 0, 19, true));
        EXPECT_TRUE(navazuje(b, 79, 50, 0, 19, true));
    }
}

TEST_F(DatafilePieces, LitPiecesGlowOrange)
{
    auto oranzovost = [](BITMAP* b) {
        long r = 0, g = 0, bl = 0;
        for (int y = 0; y < b->h; y++)
            for (int x = 0; x < std::min(b->w, 100); x++) {
                rgb8 p = pixel(b, x, y);
                r += p.r, g += p.g, bl += p.b;
            }
        return double(r - bl) / (b->h * std::min(b->w, 100));
    };
    EXPECT_GT(oranzovost(bmp(bmp_bar_pieces_lit)), oranzovost(bmp(bmp_bar_pieces)) + 20);
    EXPECT_GT(oranzovost(bmp(bmp_button_lit)), oranzovost(bmp(bmp_button)) + 20);
}

// --- texts over pictures ---------------------------------------------------------------------------

// Light grey, orange and the dark grey of unavailable items must all read over a text field.
void ocekavej_klidne_pole(BITMAP* b, int x1, int y1, int x2, int y2)
{
    long soucet = 0;
    int nejvic = 0;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++) {
            int j = jas(pixel(b, x, y));
            soucet += j;
            nejvic = std::max(nejvic, j);
        }
    EXPECT_LT(soucet / ((x2 - x1 + 1) * (y2 - y1 + 1)), 30) << "field " << x1 << "," << y1 << " is not dark";
    EXPECT_LT(nejvic, 48) << "field " << x1 << "," << y1 << " has a bright spot";
}

TEST_F(DatafileMenu, IsQuietBehindItsTexts)
{
    BITMAP* b = bmp(bmp_menu_background);
    for (int i = 0; i < 10; i++) ocekavej_klidne_pole(b, 300, 276 + 25 * i, 500, 292 + 25 * i);
    for (int x : {30, 570})
        for (int y : {276, 301, 476, 501}) ocekavej_klidne_pole(b, x, y, x + 200, y + 16);
    ocekavej_klidne_pole(b, 50, 241, 750, 257);
    ocekavej_klidne_pole(b, 50, 536, 750, 552);
}

TEST_F(DatafileMenu, CarriesABrightTitleInItsUpperPart)
{
    BITMAP* b = bmp(bmp_menu_background);
    int jasnych = 0;
    for (int y = 20; y <= 220; y++)
        for (int x = 0; x < 800; x++) jasnych += jas(pixel(b, x, y)) > 150;
    EXPECT_GT(jasnych, 800 * 200 / 20);
}

// --- the font ---------------------------------------------------------------------------------------

// Ink of one character drawn alone, as a string of 0/1 per pixel.
std::string otisk(FONT* f, const std::string& znak)
{
    const int w = std::max(1, text_length(f, znak.c_str())), h = text_height(f);
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, 0);
    textout_ex(b, f, znak.c_str(), 0, 0, makecol(255, 255, 255), -1);
    std::string s;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) s += getpixel(b, x, y) ? '1' : '0';
    destroy_bitmap(b);
    return s;
}

bool ma_znak(FONT* f, int kod)
{
    for (int r = 0; r < get_font_ranges(f); r++)
        if (kod >= get_font_range_begin(f, r) && kod <= get_font_range_end(f, r)) return true;
    return false;
}

std::vector<std::string> utf8_znaky(const std::string& s)
{
    std::vector<std::string> v;
    for (size_t i = 0; i < s.size();) {
        size_t n = (uint8_t(s[i]) < 0x80) ? 1 : (uint8_t(s[i]) < 0xE0) ? 2 : 3;
        v.push_back(s.substr(i, n));
        i += n;
    }
    return v;
}

TEST_F(DatafileFont, HeightFitsTheTwentyPixelRows)
{
    int h = text_height(pismo());
    EXPECT_GE(h, 14);
    EXPECT_LE(h, 18) << "text is drawn 2 pixels into 20-pixel rows";
}

TEST_F(DatafileFont, HasEveryCzechLetter)
{
    const std::string CESKE = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    const std::string ZAKLADNI = "ACDEEINORSTUUYZacdeeinorstuuyz";
    const std::string chybi = otisk(pismo(), "^");
    std::vector<std::string> pismena = utf8_znaky(CESKE);
    ASSERT_EQ(pismena.size(), ZAKLADNI.size());
    for (size_t i = 0; i < pismena.size(); i++) {
        const std::string& z = pismena[i];
        EXPECT_TRUE(ma_znak(pismo(), ugetc(z.c_str()))) << z << " is outside every range of the font";
        std::string o = otisk(pismo(), z);
        EXPECT_NE(o, chybi) << z << " is drawn as the missing-glyph mark";
        EXPECT_NE(o.find('1'), std::string::npos) << z << " has no ink";
        EXPECT_NE(o, otisk(pismo(), std::string(1, ZAKLADNI[i]))) << z << " looks like its letter without the accent";
    }
}

TEST_F(DatafileFont, HasPrintableAsciiAndLatinOne)
{
    const std::string chybi = otisk(pismo(), "^");
    for (int c = 0x21; c <= 0x7E; c++) {
        if (c == '^') continue;
        std::string s(1, char(c));
        EXPECT_NE(otisk(pismo(), s).find('1'), std::string::npos) << "no ink for " << s;
        EXPECT_NE(otisk(pismo(), s), chybi) << "missing " << s;
    }
    for (int c = 0xA1; c <= 0x17F; c++) EXPECT_TRUE(ma_znak(pismo(), c)) << "missing U+" << std::hex << c;
    EXPECT_GT(text_length(pismo(), " "), 0);
}

TEST_F(DatafileFont, DrawsInTheColourAskedFor)
{
    // the game draws every text in one of its three colours; a colour font would ignore them
    BITMAP* b = create_bitmap(20, text_height(pismo()));
    clear_to_color(b, 0);
    textout_ex(b, pismo(), "H", 0, 0, makecol(250, 100, 0), -1);
    int oranzovych = 0, jinych = 0;
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) {
            int c = getpixel(b, x, y);
            if (c == 0) continue;
            (c == makecol(250, 100, 0) ? oranzovych : jinych)++;
        }
    destroy_bitmap(b);
    EXPECT_GT(oranzovych, 10);
    EXPECT_EQ(jinych, 0);
}

// --- sound effects ----------------------------------------------------------------------------------

double hodnota(const SAMPLE* s, unsigned long i)
{
    if (s->bits == 8) return (static_cast<const unsigned char*>(s->data)[i] - 128) / 128.0;
    return (static_cast<const unsigned short*>(s->data)[i] - 32768) / 32768.0;
}

// Loudness as the RMS of the loudest 20 ms.
double hlasitost(const SAMPLE* s)
{
    const unsigned long okno = s->freq / 50;
    double nejvic = 0;
    for (unsigned long i = 0; i + 1 < s->len; i += okno / 4) {
        double e = 0;
        unsigned long n = 0;
        for (unsigned long j = i; j < std::min<unsigned long>(s->len, i + okno); j++, n++) e += hodnota(s, j) * hodnota(s, j);
        if (n) nejvic = std::max(nejvic, std::sqrt(e / n));
    }
    return nejvic;
}

TEST_F(DatafileSounds, AreShortCleanMonoSamples)
{
    struct meze {
        int pozice;
        double od_ms, do_ms;
    };
    const meze MEZE[] = {{snd_brick, 40, 90}, {snd_paddle, 50, 110}, {snd_wall, 15, 50},
                         {snd_bonus, 100, 220}, {snd_ball_lost, 300, 550}, {snd_click, 10, 35}};
    for (const meze& m : MEZE) {
        const SAMPLE* s = zvuk(m.pozice);
        SCOPED_TRACE("sample at position " + std::to_string(m.pozice));
        EXPECT_FALSE(s->stereo);
        EXPECT_TRUE(s->bits == 8 || s->bits == 16);
        EXPECT_GE(s->freq, 11025);
        EXPECT_LE(s->freq, 44100);
        double ms = 1000.0 * s->len / s->freq;
        EXPECT_GE(ms, m.od_ms);
        EXPECT_LE(ms, m.do_ms);
        double spicka = 0;
        for (unsigned long i = 0; i < s->len; i++) spicka = std::max(spicka, std::fabs(hodnota(s, i)));
        EXPECT_LT(spicka, 0.95) << "clipped";
        EXPECT_GT(spicka, 0.1) << "hardly audible";
        EXPECT_LT(std::fabs(hodnota(s, 0)), 0.02) << "starts with a click";
        EXPECT_LT(std::fabs(hodnota(s, s->len - 1)), 0.02) << "ends with a click";
    }
}

TEST_F(DatafileSounds, HaveSimilarLoudness)
{
    double nejmene = 1, nejvice = 0;
    for (int p = snd_bonus; p <= snd_wall; p++) {
        double h = hlasitost(zvuk(p));
        nejmene = std::min(nejmene, h);
        nejvice = std::max(nejvice, h);
    }
    EXPECT_GT(nejmene, 0.05);
    EXPECT_LT(nejvice / nejmene, 2.0);
}

}  // namespace
