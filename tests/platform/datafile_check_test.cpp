// The datafile's structure is checked before the library loads it: a file cut anywhere is refused.
#include "support/game_setup.h"
#include "platform/datafile_check.h"
#include "platform/headless.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>
#include <string>

TEST(DatafileCheck, WholeFileOnlyWhereverItIsCut)
{
    spust_headless(nullptr);
    PISKOVISTE p;
    std::string cely = precti_bajty(ODRAZ_RUN_DIR "/odraz.dat");
    ASSERT_GT(cely.size(), 100000u);
    EXPECT_TRUE(datafile_cely(ODRAZ_RUN_DIR "/odraz.dat"));
    for (size_t delka : {size_t(0), size_t(3), size_t(4), size_t(8), size_t(11), size_t(12), size_t(40), size_t(200)}) {
        zapis_bajty("kus.dat", cely.substr(0, delka));
        EXPECT_FALSE(datafile_cely("kus.dat")) << delka;
    }
    for (size_t delka = 1000; delka < cely.size(); delka += cely.size() / 37) {
        zapis_bajty("kus.dat", cely.substr(0, delka));
        EXPECT_FALSE(datafile_cely("kus.dat")) << delka;
    }
    zapis_bajty("kus.dat", cely.substr(0, cely.size() - 1));
    EXPECT_FALSE(datafile_cely("kus.dat"));
    zapis_bajty("kus.dat", cely + std::string(64, '\0'));   // trailing bytes are no harm
    EXPECT_TRUE(datafile_cely("kus.dat"));
    std::string spatna = cely;
    spatna[9] = '\x7f';                                    // a count of objects far beyond the file
    zapis_bajty("kus.dat", spatna);
    EXPECT_FALSE(datafile_cely("kus.dat"));
    zapis_bajty("kus.dat", std::string(5000, 'x'));
    EXPECT_FALSE(datafile_cely("kus.dat"));
    EXPECT_FALSE(datafile_cely("neni.dat"));
    ukonci_headless();
}
