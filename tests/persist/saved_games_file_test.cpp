// The whole saved-games file as the screens use it: any bytes read safely, a save replaces one slot
// only, and no failure or kill in the middle of a write leaves a cut file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/binary_file.h"
#include "persist/save_file.h"
#include "support/sandbox.h"

namespace {

ULOZENA_HRA hra(int k)
{
    ULOZENA_HRA h{};
    h.mrizka[k] = 1 + k % 10;
    h.skore = 100 * (k + 1);
    std::snprintf(h.jmeno, MAX_JMENO, "Hra %c", 'a' + k);
    return h;
}

std::string nahodne(size_t n, unsigned seme)
{
    std::mt19937 g(seme);
    std::string s(n, '\0');
    for (char& c : s) c = char(g());
    return s;
}

bool prazdna(const ULOZENA_HRA& h)
{
    ULOZENA_HRA p;
    prazdna_hra(&p);
    return std::memcmp(&h, &p, sizeof h) == 0;
}

}  // namespace

TEST(SavedGamesFile, AnyBytesGiveTwentySafeSlots)
{
    PISKOVISTE p;
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(0, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));   // no file: twenty empty slots
    EXPECT_TRUE(std::all_of(hry, hry + POCET_ULOZENYCH, prazdna));
    for (size_t n : {size_t(0), size_t(1820), size_t(1821), size_t(20000), VELIKOST_ULOZENYCH, VELIKOST_ULOZENYCH + 3}) {
        std::string s = nahodne(n, unsigned(n));
        std::vector<unsigned char> b(s.begin(), s.end());   // exactly n bytes: a read past them is caught
        int celych = ulozene_hry_z_bajtu(b.data(), b.size(), hry);
        EXPECT_EQ(std::min<size_t>(n / 1821, 20), size_t(celych)) << n;
        for (int k = 0; k < POCET_ULOZENYCH; k++) {
            ASSERT_LT(strnlen(hry[k].jmeno, MAX_JMENO), size_t(MAX_JMENO)) << n;
            for (int c : hry[k].mrizka) ASSERT_TRUE(c >= 0 && c <= KOSTKA_SEDA) << n;
            ASSERT_TRUE(k < celych || prazdna(hry[k])) << n;
        }
    }
}

TEST(SavedGamesFile, SavingASlotKeepsTheOtherRecordsByteForByte)
{
    PISKOVISTE p;
    std::string stary = nahodne(VELIKOST_ULOZENYCH + 77, 5);   // damaged records and a tail
    zapis_bajty(SOUBOR_ULOZENYCH_HER, stary);
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 3, hra(3)));
    std::string zaznam(1821, '\0');
    hra_do_bajtu(hra(3), reinterpret_cast<unsigned char*>(zaznam.data()));
    EXPECT_EQ(stary.substr(0, 5463) + zaznam + stary.substr(7284, 36420 - 7284), precti_bajty(SOUBOR_ULOZENYCH_HER));

    zapis_bajty(SOUBOR_ULOZENYCH_HER, stary.substr(0, 1821 * 2 + 5));   // two whole records: the rest are empty
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 5, hra(5)));
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(20, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_EQ(stary.substr(0, 3642), precti_bajty(SOUBOR_ULOZENYCH_HER).substr(0, 3642));
    EXPECT_TRUE(prazdna(hry[2]) && prazdna(hry[19]));
    EXPECT_STREQ("Hra f", hry[5].jmeno);
    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 20, hra(1)));
}

namespace {
size_t zapsat_nejvic = 0;       // bytes the disk takes before it is full
bool zabit_po_zapisu = false;   // the process is killed once they are on the disk

size_t plny_disk(const void* data, size_t pocet, FILE* f)
{
    size_t n = std::fwrite(data, 1, std::min(pocet, zapsat_nejvic), f);
    if (zabit_po_zapisu) {
        std::fflush(f);
        _exit(0);
    }
    return n;
}

struct ZAPISOVAC_ZPET {
    ZAPISOVAC puvodni = zapisovac_souboru;
    ~ZAPISOVAC_ZPET() { zapisovac_souboru = puvodni; }
};
}  // namespace

TEST(SavedGamesFile, AFailureOrAKillAnywhereInTheWriteLeavesTheOldFileWhole)
{
    PISKOVISTE p;
    ZAPISOVAC_ZPET zpet;
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(7)));
    const std::string stary = precti_bajty(SOUBOR_ULOZENYCH_HER);
    zapisovac_souboru = plny_disk;
    for (size_t n : {size_t(0), size_t(1), size_t(5464), size_t(20000), VELIKOST_ULOZENYCH - 1, VELIKOST_ULOZENYCH}) {
        zapsat_nejvic = n;
        zabit_po_zapisu = false;
        if (n < VELIKOST_ULOZENYCH) {   // the disk is full after n bytes
            EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9))) << n;
        }
        EXPECT_FALSE(std::filesystem::exists("save.ddt.tmp")) << n;
        zabit_po_zapisu = true;         // the game is killed once n bytes are on the disk
        pid_t dite = fork();
        if (dite == 0) {
            uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9));
            _exit(1);
        }
        int stav = -1;
        waitpid(dite, &stav, 0);
        ASSERT_EQ(0, stav) << n;
        ASSERT_EQ(stary, precti_bajty(SOUBOR_ULOZENYCH_HER)) << n;
        std::filesystem::remove("save.ddt.tmp");
    }
    zapisovac_souboru = zpet.puvodni;
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9)));
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry);
    EXPECT_STREQ("Hra j", hry[7].jmeno);

    std::filesystem::remove(SOUBOR_ULOZENYCH_HER);
    std::filesystem::create_directory(SOUBOR_ULOZENYCH_HER);   // cannot be read, so it is not replaced
    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 0, hra(1)));
    EXPECT_TRUE(std::filesystem::is_directory(SOUBOR_ULOZENYCH_HER));
}
