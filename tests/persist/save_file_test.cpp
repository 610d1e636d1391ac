// save.ddt: the record layout byte by byte, round trips, damaged, short and long files, saving one slot,
// and a full disk anywhere in the write leaving the old file whole (kills: hardening/kill_test).
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/binary_file.h"
#include "persist/save_file.h"
#include "support/sandbox.h"

namespace {

// Slot k with values that differ in every field and from every other slot.
ULOZENA_HRA vzorova_hra(int k)
{
    ULOZENA_HRA h{{}, 100 + k, 2000 + k, 300 + k, 4 + k, 5 + k, 6 + k, 7 + k, 8 + k, 9 + k, 10 + k, -11 - k,
                  0.25f + k / 8.0f, {}};
    for (int i = 0; i < POCET_BUNEK; i++) h.mrizka[i] = (i + k) % 11;
    std::snprintf(h.jmeno, MAX_JMENO, "Slot %c", 'A' + k);
    return h;
}

std::string bajty(const ULOZENA_HRA& h)
{
    std::string s(VELIKOST_ZAZNAMU, '\0');
    hra_do_bajtu(h, reinterpret_cast<unsigned char*>(s.data()));
    return s;
}

std::string le32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

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

// Slot k of save.ddt reads as `stav` and holds `ocekavana`.
void ocekavej_slot(int k, STAV_CTENI stav, const ULOZENA_HRA& ocekavana)
{
    ULOZENA_HRA h = vzorova_hra(9);
    EXPECT_EQ(stav, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, k, &h)) << k;
    EXPECT_EQ(bajty(ocekavana), bajty(h)) << k;
}

}  // namespace

TEST(SaveFile, RecordLayoutByteByByteAndEverySlotReadsBack)
{
    PISKOVISTE p;
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    for (int k = 0; k < POCET_ULOZENYCH; k++) hry[k] = vzorova_hra(k);
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, POCET_ULOZENYCH));
    std::string s = precti_bajty(SOUBOR_ULOZENYCH_HER);
    ASSERT_EQ(36420u, s.size());
    std::string r = s.substr(1821 * 3, 1821);   // slot 3, the row labelled 4
    EXPECT_EQ(le32(3) + le32((439 + 3) % 11), r.substr(0, 4) + r.substr(1756, 4));   // cells 0 and 439
    const uint32_t slova[11] = {103, 2003, 303, 7, 8, 9, 10, 11, 12, 13, uint32_t(-14)};
    for (int i = 0; i < 11; i++) EXPECT_EQ(le32(slova[i]), r.substr(1760 + 4 * i, 4)) << "word " << i;
    EXPECT_EQ(le32(0x3F200000), r.substr(1804, 4));   // 0.625f as IEEE single precision
    EXPECT_EQ(std::string("Slot D\0\0\0\0\0\0\0", 13), r.substr(1808));
    for (int k : {0, 7, 19}) ocekavej_slot(k, CTENI_CELE, vzorova_hra(k));

    // Bad input: slots outside 0..19, a long file, a cut record, no file.
    for (int k : {-1, 20, INT_MIN}) ocekavej_slot(k, CTENI_CHYBI, ULOZENA_HRA{});
    zapis_bajty(SOUBOR_ULOZENYCH_HER, s + std::string(3000, '\xff'));
    ocekavej_slot(19, CTENI_CELE, vzorova_hra(19));
    zapis_bajty(SOUBOR_ULOZENYCH_HER, s.substr(0, 1821 * 3 + 1820));   // the fourth record lacks a byte
    ocekavej_slot(2, CTENI_CELE, vzorova_hra(2));
    for (int k : {3, 19}) ocekavej_slot(k, CTENI_KRATKE, ULOZENA_HRA{});
    std::filesystem::remove(SOUBOR_ULOZENYCH_HER);
    ocekavej_slot(0, CTENI_CHYBI, ULOZENA_HRA{});
    EXPECT_EQ(0, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));   // no file: twenty empty slots
    EXPECT_TRUE(std::all_of(hry, hry + POCET_ULOZENYCH, prazdna));
}

// Any bytes at all, as the screens read them: whole records only, cells in range, names that end, and
// nothing read past the end. (A damaged record on the screen: saved_games_test.)
TEST(SaveFileBadInput, GarbageOfAnyLengthGivesOnlyWholeSafeRecords)
{
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    for (size_t n : {size_t(0), size_t(1820), size_t(1821), size_t(20000), VELIKOST_ULOZENYCH + 3}) {
        std::string z = nahodne(n, unsigned(n));
        std::vector<unsigned char> b(z.begin(), z.end());
        int celych = ulozene_hry_z_bajtu(b.data(), b.size(), hry);
        EXPECT_EQ(std::min<size_t>(n / 1821, 20), size_t(celych)) << n;
        for (int k = 0; k < POCET_ULOZENYCH; k++) {
            ASSERT_LT(strnlen(hry[k].jmeno, MAX_JMENO), size_t(MAX_JMENO)) << n;
            for (int c : hry[k].mrizka) ASSERT_TRUE(c >= 0 && c <= KOSTKA_SEDA) << n;
            ASSERT_TRUE(k < celych || prazdna(hry[k])) << n;
        }
    }
}

namespace {
size_t zapsat_nejvic = 0;   // bytes the disk takes before it is full
size_t plny_disk(const void* data, size_t pocet, FILE* f) { return std::fwrite(data, 1, std::min(pocet, zapsat_nejvic), f); }
}  // namespace

// Saving a slot keeps every other record byte for byte; a disk full anywhere in the write leaves the
// old file whole and no temporary behind.
TEST(SaveFile, SavingASlotKeepsTheRestAndAFullDiskLeavesTheOldFileWhole)
{
    PISKOVISTE p;
    std::string puvodni = nahodne(VELIKOST_ULOZENYCH + 77, 5);   // damaged records and a tail
    zapis_bajty(SOUBOR_ULOZENYCH_HER, puvodni);
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 3, vzorova_hra(3)));
    EXPECT_EQ(puvodni.substr(0, 5463) + bajty(vzorova_hra(3)) + puvodni.substr(7284, 36420 - 7284),
              precti_bajty(SOUBOR_ULOZENYCH_HER));

    zapis_bajty(SOUBOR_ULOZENYCH_HER, puvodni.substr(0, 1821 * 2 + 5));   // two whole records: the rest are empty
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 5, vzorova_hra(5)));
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    EXPECT_EQ(20, cti_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry));
    EXPECT_EQ(puvodni.substr(0, 3642), precti_bajty(SOUBOR_ULOZENYCH_HER).substr(0, 3642));
    EXPECT_TRUE(prazdna(hry[2]) && prazdna(hry[19]));
    EXPECT_STREQ("Slot F", hry[5].jmeno);
    EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 20, vzorova_hra(1)));

    const std::string stary = precti_bajty(SOUBOR_ULOZENYCH_HER);
    const ZAPISOVAC puvodni_zapisovac = zapisovac_souboru;
    zapisovac_souboru = plny_disk;
    for (size_t n : {size_t(0), size_t(1), size_t(5464), size_t(20000), VELIKOST_ULOZENYCH - 1}) {
        zapsat_nejvic = n;
        EXPECT_FALSE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, vzorova_hra(9))) << n;
        EXPECT_FALSE(std::filesystem::exists("save.ddt.tmp")) << n;
        EXPECT_EQ(stary, precti_bajty(SOUBOR_ULOZENYCH_HER)) << n;
    }
    zapisovac_souboru = puvodni_zapisovac;
    ASSERT_TRUE(uloz_do_slotu(SOUBOR_ULOZENYCH_HER, 7, vzorova_hra(9)));
    ocekavej_slot(7, CTENI_CELE, vzorova_hra(9));
}
