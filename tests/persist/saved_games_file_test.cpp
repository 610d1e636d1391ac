// The whole saved-games file as the screens use it: damaged files read safely, a save replaces one
// slot only, and no failure or kill in the middle of a write ever leaves a cut file.
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
    for (int i = 0; i < POCET_BUNEK; i++) h.mrizka[i] = (i * 7 + k) % 11;
    h.zivoty = k;
    h.skore = 100 * (k + 1);
    h.level = k + 1;
    h.krok = 0.5f;
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

// What a screen may rely on, whatever the file held.
void ocekavej_bezpecne(const ULOZENA_HRA* hry)
{
    for (int k = 0; k < POCET_ULOZENYCH; k++) {
        ASSERT_LE(strnlen(hry[k].jmeno, MAX_JMENO), size_t(MAX_JMENO - 1)) << k;
        for (int c : hry[k].mrizka) ASSERT_TRUE(c >= 0 && c <= KOSTKA_SEDA) << k;
    }
}

}  // namespace

TEST(SavedGamesFile, MissingShortLongAndGarbageFilesGiveTwentySafeSlots)
{
    PISKOVISTE p;
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(0, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    for (const ULOZENA_HRA& h : hry) EXPECT_TRUE(prazdna(h));
    EXPECT_STREQ("- - - - - -", hry[19].jmeno);

    ULOZENA_HRA vzor[POCET_ULOZENYCH];
    for (int k = 0; k < POCET_ULOZENYCH; k++) vzor[k] = hra(k);
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, vzor, POCET_ULOZENYCH));
    std::string cely = precti_bajty(SOUBOR_ULOZENYCH_HER);
    zapis_bajty(SOUBOR_ULOZENYCH_HER, cely.substr(0, 1821 * 3 + 900));   // cut inside the fourth record
    EXPECT_EQ(3, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_STREQ("Hra c", hry[2].jmeno);
    EXPECT_EQ(300, hry[2].skore);
    EXPECT_TRUE(prazdna(hry[3]));
    zapis_bajty(SOUBOR_ULOZENYCH_HER, cely + nahodne(5000, 1));
    EXPECT_EQ(20, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_STREQ("Hra t", hry[19].jmeno);

    // Garbage of every kind of length, each in a buffer of exactly that size: names are cut at 12,
    // the numbers are shown as stored.
    for (size_t n : {size_t(0), size_t(1), size_t(1820), size_t(1821), size_t(20000), VELIKOST_ULOZENYCH - 1,
                     VELIKOST_ULOZENYCH, VELIKOST_ULOZENYCH + 3}) {
        std::string s = nahodne(n, unsigned(n));
        std::vector<unsigned char> b(s.begin(), s.end());
        int celych = ulozene_hry_z_bajtu(b.data(), b.size(), hry);
        EXPECT_EQ(std::min<size_t>(n / 1821, 20), size_t(celych)) << n;
        ocekavej_bezpecne(hry);
        if (celych > 0) {
            int32_t zivoty = int32_t(uint8_t(s[1760]) | uint8_t(s[1761]) << 8 | uint8_t(s[1762]) << 16 |
                                     uint32_t(uint8_t(s[1763])) << 24);
            EXPECT_EQ(zivoty, hry[0].zivoty);
        }
    }
    std::filesystem::remove(SOUBOR_ULOZENYCH_HER);
    std::filesystem::create_directory(SOUBOR_ULOZENYCH_HER);   // opens, but cannot be read
    EXPECT_EQ(0, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_TRUE(prazdna(hry[0]));
}

TEST(SavedGamesFile, SavingASlotKeepsEveryOtherRecordByteForByte)
{
    PISKOVISTE p;
    std::string stary = nahodne(VELIKOST_ULOZENYCH + 77, 5);   // damaged records and a tail
    zapis_bajty(SOUBOR_ULOZENYCH_HER, stary);
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 3, hra(3)));
    std::string novy = precti_bajty(SOUBOR_ULOZENYCH_HER);
    ASSERT_EQ(36420u, novy.size());
    EXPECT_EQ(stary.substr(0, 5463), novy.substr(0, 5463));
    EXPECT_EQ(stary.substr(5463 + 1821, 36420 - 5463 - 1821), novy.substr(5463 + 1821));
    std::vector<unsigned char> zaznam(novy.begin() + 5463, novy.begin() + 5463 + 1821), cekany(1821);
    hra_do_bajtu(hra(3), cekany.data());
    EXPECT_EQ(cekany, zaznam);

    zapis_bajty(SOUBOR_ULOZENYCH_HER, stary.substr(0, 1821 * 2 + 5));   // two records: the rest become empty
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 5, hra(5)));
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(20, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_EQ(stary.substr(0, 1821 * 2), precti_bajty(SOUBOR_ULOZENYCH_HER).substr(0, 1821 * 2));
    for (int k : {2, 4, 6, 19}) EXPECT_TRUE(prazdna(hry[k])) << k;
    EXPECT_STREQ("Hra f", hry[5].jmeno);

    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 20, hra(1)));
    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, -1, hra(1)));
}

namespace {
size_t zapsat_nejvic = 0;       // bytes the playing disk takes
bool zabit_po_zapisu = false;   // the process dies once they are on the disk

size_t plny_disk(const void* data, size_t pocet, FILE* f)
{
    size_t n = std::fwrite(data, 1, std::min(pocet, zapsat_nejvic), f);
    if (zabit_po_zapisu) {
        std::fflush(f);
        fsync(fileno(f));
        _exit(0);
    }
    return n;
}

// Puts fwrite back however the test ends.
struct ZAPISOVAC_ZPET {
    ZAPISOVAC puvodni = zapisovac_souboru;
    ~ZAPISOVAC_ZPET() { zapisovac_souboru = puvodni; }
};
}  // namespace

TEST(SavedGamesFile, AFailureOrAKillAtAnyPointOfTheWriteLeavesTheOldFileWhole)
{
    PISKOVISTE p;
    ZAPISOVAC_ZPET zpet;
    ULOZENA_HRA vzor[POCET_ULOZENYCH];
    for (int k = 0; k < POCET_ULOZENYCH; k++) vzor[k] = hra(k);
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, vzor, POCET_ULOZENYCH));
    const std::string stary = precti_bajty(SOUBOR_ULOZENYCH_HER);
    zapisovac_souboru = plny_disk;
    for (size_t n : {size_t(0), size_t(1), size_t(1820), size_t(5463), size_t(5464), size_t(7284), size_t(20000),
                     VELIKOST_ULOZENYCH - 1, VELIKOST_ULOZENYCH}) {
        zapsat_nejvic = n;
        zabit_po_zapisu = false;
        if (n < VELIKOST_ULOZENYCH) {   // the disk fills up after n bytes
            EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9))) << n;
            ASSERT_EQ(stary, precti_bajty(SOUBOR_ULOZENYCH_HER)) << n;
            EXPECT_FALSE(std::filesystem::exists("save.ddt.tmp")) << n;
        }
        zabit_po_zapisu = true;         // the game is killed once n bytes are on the disk
        pid_t dite = fork();
        if (dite == 0) {
            uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9));
            _exit(1);
        }
        int stav = 0;
        waitpid(dite, &stav, 0);
        ASSERT_EQ(0, stav) << n;
        ASSERT_EQ(stary, precti_bajty(SOUBOR_ULOZENYCH_HER)) << n;
    }
    zapisovac_souboru = zpet.puvodni;   // the temporary file a kill left behind does not get in the way
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, hra(9)));
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(20, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_STREQ("Hra j", hry[7].jmeno);
    EXPECT_STREQ("Hra i", hry[8].jmeno);

    std::filesystem::remove(SOUBOR_ULOZENYCH_HER);
    std::filesystem::create_directory(SOUBOR_ULOZENYCH_HER);   // cannot be read, so it is not replaced
    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 0, hra(1)));
    EXPECT_TRUE(std::filesystem::is_directory(SOUBOR_ULOZENYCH_HER));
}
