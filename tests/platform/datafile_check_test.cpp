// The datafile's structure is checked before the library loads it: a file cut anywhere is refused.
#include "support/game_setup.h"
#include "platform/datafile_check.h"
#include "platform/headless.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(DatafileCheck, WholeFileOnlyWhereverItIsCut)
{
    spust_headless(nullptr);
    PISKOVISTE p;
    auto cely_je = [](const std::string& obsah) {
        zapis_bajty("kus.dat", obsah);
        return datafile_cely("kus.dat");
    };
    std::string cely = precti_bajty(ODRAZ_RUN_DIR "/odraz.dat");
    ASSERT_GT(cely.size(), 100000u);
    EXPECT_TRUE(cely_je(cely));
    EXPECT_TRUE(cely_je(cely + std::string(64, '\0')));   // trailing bytes are no harm
    std::vector<size_t> delky = {0, 3, 4, 8, 11, 12, 40, 200, cely.size() - 1};
    for (size_t delka = 1000; delka < cely.size(); delka += cely.size() / 37) delky.push_back(delka);
    for (size_t delka : delky) EXPECT_FALSE(cely_je(cely.substr(0, delka))) << delka;
    std::string spatna = cely;
    spatna[9] = '\x7f';   // a count of objects far beyond the file
    EXPECT_FALSE(cely_je(spatna));
    EXPECT_FALSE(cely_je(std::string(5000, 'x')));
    EXPECT_FALSE(datafile_cely("neni.dat"));
    ukonci_headless();
}
