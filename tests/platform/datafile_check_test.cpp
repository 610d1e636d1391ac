// The datafile's structure is checked before the library loads it: a file cut anywhere is refused, and
// so is a picture, a sample or a font whose header promises more than its bytes hold, or any kind of
// object the game has no use for.
#include "platform/datafile_check.h"
#include "support/headless_game.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

bool projde(const std::string& obsah)
{
    zapis_bajty("d.dat", obsah);
    return datafile_cely("d.dat");
}

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
std::string soubor(const std::string& objekty, int pocet = 1) { return "slh.ALL." + be(pocet, 4) + objekty; }

}  // namespace

TEST(DatafileCheck, WholeFileOnlyWhereverItIsCut)
{
    spust_headless(nullptr);   // a packed file is unpacked by the library
    PISKOVISTE p;
    std::string cely = precti_bajty(ODRAZ_RUN_DIR "/odraz.dat");
    ASSERT_GT(cely.size(), 100000u);
    EXPECT_TRUE(projde(cely));
    EXPECT_TRUE(projde(cely + std::string(64, '\0')));   // trailing bytes are no harm
    std::vector<size_t> delky = {0, 3, 4, 8, 11, 12, 40, 200, cely.size() - 1};
    for (size_t delka = 1000; delka < cely.size(); delka += cely.size() / 37) delky.push_back(delka);
    for (size_t delka : delky) EXPECT_FALSE(projde(cely.substr(0, delka))) << delka;
    cely[9] = '\x7f';   // a count of objects far beyond the file
    EXPECT_FALSE(projde(cely));
    EXPECT_FALSE(projde(std::string(5000, 'x')));
    EXPECT_FALSE(datafile_cely("neni.dat"));
    ukonci_headless();
}

TEST(DatafileCheck, LooksInsideTheObjectsTheGameUses)
{
    PISKOVISTE p;
    EXPECT_TRUE(projde(soubor(objekt("BMP ", obrazek(3, 2, 6)) + objekt("SAMP", zvuk(5, 5)) + objekt("FONT", pismo(1)) +
                              objekt("DATA", "any"), 4)));
    std::string jinak = objekt("DATA", "any");
    jinak[7] = 9;   // packed and unpacked sizes differ
    for (const std::string& spatny : {
             objekt("BMP ", obrazek(3000, 2000, 6)),   // a picture larger than its pixels
             objekt("BMP ", obrazek(0, 2, 0)),
             objekt("SAMP", zvuk(0x7fffffff, 5)),      // a sample longer than its data
             objekt("FONT", pismo(8)),                 // a colour range
             objekt("RLE ", obrazek(3, 2, 6)),         // a kind the game has no use for
             std::string("\xff\xff\xff\xff", 4) + be(4, 4) + be(4, 4) + "four",
             "prop" + std::string("\xff\xff\xff\xff", 4) + be(1, 4) + "x" + objekt("DATA", "any"),
             jinak,
         })
        EXPECT_FALSE(projde(soubor(spatny))) << spatny.substr(0, 4);
}
