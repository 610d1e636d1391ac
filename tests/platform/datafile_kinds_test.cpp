// The datafile check looks inside the objects the game uses: a picture, a sample or a font whose header
// promises more than its bytes hold is refused, and so is any kind of object the game has no use for.
#include "platform/datafile_check.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string be(uint32_t v, int n)
{
    std::string s;
    for (int i = n - 1; i >= 0; i--) s.push_back(char(v >> (8 * i)));
    return s;
}

std::string objekt(const std::string& druh, const std::string& obsah)
{
    return druh + be(uint32_t(obsah.size()), 4) + be(uint32_t(obsah.size()), 4) + obsah;
}

std::string obrazek(int w, int h, size_t pixelu) { return be(16, 2) + be(w, 2) + be(h, 2) + std::string(2 * pixelu, 'p'); }
std::string zvuk(uint32_t delka, size_t vzorku) { return be(16, 2) + be(22050, 2) + be(delka, 4) + std::string(2 * vzorku, 's'); }
std::string pismo(int hloubka) { return be(0, 2) + be(1, 2) + char(hloubka) + be(65, 4) + be(65, 4) + be(8, 2) + be(2, 2) + "ab"; }

bool projde(const std::string& objekty, int pocet = 1)
{
    zapis_bajty("d.dat", "slh.ALL." + be(pocet, 4) + objekty);
    return datafile_cely("d.dat");
}

}  // namespace

TEST(DatafileCheck, LooksInsideTheObjectsTheGameUses)
{
    PISKOVISTE p;
    EXPECT_TRUE(projde(objekt("BMP ", obrazek(3, 2, 6)) + objekt("SAMP", zvuk(5, 5)) + objekt("FONT", pismo(1)) +
                       objekt("DATA", "any"), 4));
    EXPECT_FALSE(projde(objekt("BMP ", obrazek(3000, 2000, 6))));      // a picture larger than its pixels
    EXPECT_FALSE(projde(objekt("BMP ", obrazek(0, 2, 0))));
    EXPECT_FALSE(projde(objekt("SAMP", zvuk(0x7fffffff, 5))));         // a sample longer than its data
    EXPECT_FALSE(projde(objekt("FONT", pismo(8))));                    // a colour range
    EXPECT_FALSE(projde(objekt("RLE ", obrazek(3, 2, 6))));            // a kind the game has no use for
    EXPECT_FALSE(projde(std::string("\xff\xff\xff\xff", 4) + be(4, 4) + be(4, 4) + "four"));
    EXPECT_FALSE(projde("prop" + std::string("\xff\xff\xff\xff", 4) + be(1, 4) + "x" + objekt("DATA", "any")));
    std::string jinak = objekt("DATA", "any");
    jinak[7] = 9;                                                         // packed and unpacked sizes differ
    EXPECT_FALSE(projde(jinak));
}
