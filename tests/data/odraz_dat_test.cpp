// The generated odraz.dat: every catalogue position of its kind and size, the mask colour only around
// sprites, a font with the whole Czech alphabet that fits the 20-pixel rows, and clean sound effects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "support/game_setup.h"
#include "platform/headless.h"
#include "core/resources.h"
#include "support/screen_check.h"

namespace {

class Datafile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(spust_headless(ODRAZ_RUN_DIR "/odraz.dat")) << "cannot load odraz.dat"; }
    void TearDown() override { ukonci_headless(); }
};

bool maska(BITMAP* b, int x, int y) { return getpixel(b, x, y) == bitmap_mask_color(b); }
int masek(BITMAP* b) { return pixelu_barvy(b, 0, 0, b->w, b->h, bitmap_mask_color(b)); }

bool je_koule(int p) { return p >= bmp_ball_grey_8 && p <= 36; }
bool je_prkno(int p) { return p >= bmp_paddle_grey_40 && p <= 64; }

}  // namespace

TEST_F(Datafile, EveryPositionHoldsItsKindSizeAndMask)
{
    ASSERT_TRUE(katalog_v_poradku(data));   // kinds, and the sizes the code relies on
    // Sizes the catalogue leaves open: capsule names go 50 pixels to the right, paddles stay above the bar.
    auto mezi = [](int p, int w_od, int w_do, int h_od, int h_do) {
        BITMAP* b = obr(p);
        EXPECT_TRUE(b->w >= w_od && b->w <= w_do && b->h >= h_od && b->h <= h_do) << p << ": " << b->w << "x" << b->h;
    };
    for (int p = bmp_bonus_01; p < bmp_mouse_pointer; p++) mezi(p, 20, 40, 1, 25);
    mezi(bmp_mouse_pointer, 8, 800, 12, 600);
    for (int p = bmp_paddle_grey_40; p <= 64; p++) mezi(p, 40, 120, 17, 20);
    for (int p : {bmp_gun_left, bmp_gun_right}) mezi(p, 10, 10, 1, 20);
    mezi(bmp_shot, 1, 4, 1, 16);
    // Sprites stand on the mask colour, filled in the middle (the pointer's tip is its top left pixel);
    // pictures copied as they are would show a mask pixel as magenta.
    for (int p = 0; p < snd_bonus; p++) {
        if (pozadavek_zdroje(p).druh != ZDROJ_OBRAZEK) continue;
        BITMAP* b = obr(p);
        SCOPED_TRACE("position " + std::to_string(p));
        EXPECT_EQ(16, bitmap_color_depth(b));
        bool skret = p <= bmp_mouse_pointer || je_koule(p) || je_prkno(p);
        bool plny = !skret && p != bmp_gun_left && p != bmp_gun_right;
        EXPECT_TRUE(!plny || masek(b) == 0) << masek(b) << " mask pixels in a picture";
        if (!skret) continue;
        EXPECT_EQ(p != bmp_mouse_pointer, maska(b, 0, 0));
        EXPECT_TRUE(maska(b, b->w - 1, 0) && maska(b, b->w - 1, b->h - 1));
        EXPECT_FALSE(maska(b, b->w / 2, b->h / 2));
        EXPECT_TRUE(!je_koule(p) || (!maska(b, b->w / 2, 0) && !maska(b, 0, b->h / 2)))
            << "a ball is round, touching the edges of the box the game hits";
        // The game paints the glue and ricochet strips over paddle rows 3-5 and 14-16 from x 16 to w - 17.
        for (int y : {3, 4, 5, 14, 15, 16})
            for (int x = 16; je_prkno(p) && x <= b->w - 17; x++) ASSERT_FALSE(maska(b, x, y)) << x << "," << y;
    }
    for (int p : {bmp_gun_left, bmp_gun_right}) {   // barrels fill their corners, but not the whole box
        EXPECT_GT(masek(obr(p)), 10) << p;
        EXPECT_GT(obr(p)->w * obr(p)->h - masek(obr(p)), 20) << p;
    }
}

namespace {

// The ink of a text drawn alone, as a string of 0/1 per pixel.
std::string otisk(const std::string& text)
{
    const int w = std::max(1, text_length(font, text.c_str())), h = text_height(font);
    BITMAP* b = create_bitmap(w, h);
    clear_to_color(b, 0);
    textout_ex(b, font, text.c_str(), 0, 0, makecol(255, 255, 255), -1);
    std::string s;
    for (int i = 0; i < w * h; i++) s += getpixel(b, i % w, i / w) ? '1' : '0';
    destroy_bitmap(b);
    return s;
}

}  // namespace

TEST_F(Datafile, FontDrawsEveryLetterWithinTheTwentyPixelRows)
{
    EXPECT_GE(text_height(font), 14);
    EXPECT_LE(text_height(font), 18) << "text is drawn 2 pixels into 20-pixel rows";
    // Every letter with ink and not the replacement glyph of a letter the font lacks; Czech ones with
    // their accents.
    const std::string chybi = otisk("^");
    const char* ceske = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽáčďéěíňóřšťúůýž";
    const char* zakladni = "ACDEEINORSTUUYZacdeeinorstuuyz";
    for (const char* z = ceske; *z; z += uwidth(z), zakladni++) {
        const std::string pismeno(z, uwidth(z));
        EXPECT_NE(chybi, otisk(pismeno)) << pismeno << " is drawn as the replacement glyph";
        EXPECT_NE(otisk(std::string(1, *zakladni)), otisk(pismeno)) << pismeno << " has lost its accent";
    }
    for (int c = 0x21; c <= 0x7E; c++) {
        const std::string s(1, char(c));
        EXPECT_NE(std::string::npos, otisk(s).find('1')) << "no ink for " << s;
        EXPECT_TRUE(c == '^' || otisk(s) != chybi) << s << " is drawn as the replacement glyph";
    }
}

TEST_F(Datafile, SoundsAreShortCleanMonoSamples)
{
    struct { int pozice; double od_ms, do_ms; } meze[] = {
        {snd_brick, 40, 90},   {snd_paddle, 50, 110},     {snd_wall, 15, 50},
        {snd_bonus, 100, 220}, {snd_ball_lost, 300, 550}, {snd_click, 10, 35},
    };
    for (const auto& m : meze) {
        const SAMPLE* s = static_cast<const SAMPLE*>(data[m.pozice].dat);
        auto hodnota = [s](unsigned long i) {
            if (s->bits == 8) return (static_cast<const unsigned char*>(s->data)[i] - 128) / 128.0;
            return (static_cast<const unsigned short*>(s->data)[i] - 32768) / 32768.0;
        };
        SCOPED_TRACE("sample at position " + std::to_string(m.pozice));
        EXPECT_TRUE(!s->stereo && (s->bits == 8 || s->bits == 16) && s->freq >= 11025 && s->freq <= 44100);
        const double ms = 1000.0 * s->len / s->freq;
        EXPECT_TRUE(ms >= m.od_ms && ms <= m.do_ms) << ms << " ms";
        double spicka = 0;
        for (unsigned long i = 0; i < s->len; i++) spicka = std::max(spicka, std::fabs(hodnota(i)));
        EXPECT_TRUE(spicka > 0.1 && spicka < 0.95) << "clipped or hardly audible: " << spicka;
        EXPECT_TRUE(std::fabs(hodnota(0)) < 0.02 && std::fabs(hodnota(s->len - 1)) < 0.02) << "starts or ends with a click";
    }
}
