// The saved-games file: the record layout byte by byte, round trips, and damaged or short files.
#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "persist/save_file.h"
#include "support/sandbox.h"

namespace {

// Slot k with values that differ in every field and from every other slot.
ULOZENA_HRA vzorova_hra(int k)
{
    ULOZENA_HRA h{};
    for (int i = 0; i < POCET_BUNEK; i++) h.mrizka[i] = (i + k) % 11;
    h.zivoty = 100 + k;
    h.skore = 2000 + k;
    h.level = 300 + k;
    h.druh_koule = 4 + k;
    h.velikost_koule = 5 + k;
    h.sirka_prkna = 6 + k;
    h.puska = 7 + k;
    h.lepidlo = 8 + k;
    h.nahodny_odraz = 9 + k;
    h.hodiny_min = 10 + k;
    h.hodiny_sek = -11 - k;
    h.krok = 0.25f + k / 8.0f;
    std::snprintf(h.jmeno, MAX_JMENO, "Slot %c", 'A' + k);
    return h;
}

// Two records are the same when they encode to the same bytes (the layout is checked byte by byte below).
void ocekavej_stejne(const ULOZENA_HRA& a, const ULOZENA_HRA& b)
{
    unsigned char ba[VELIKOST_ZAZNAMU], bb[VELIKOST_ZAZNAMU];
    hra_do_bajtu(a, ba);
    hra_do_bajtu(b, bb);
    EXPECT_EQ(0, std::memcmp(ba, bb, VELIKOST_ZAZNAMU));
}

void zapis_dvacet()
{
    ULOZENA_HRA hry[POCET_ULOZENYCH];
    for (int k = 0; k < POCET_ULOZENYCH; k++) hry[k] = vzorova_hra(k);
    ASSERT_TRUE(zapis_ulozene_hry(SOUBOR_ULOZENYCH_HER, hry, POCET_ULOZENYCH));
}

std::string le32(uint32_t v)
{
    std::string s(4, '\0');
    for (int i = 0; i < 4; i++) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

}  // namespace

TEST(SaveFile, RecordLayoutByteByByte)
{
    PISKOVISTE p;
    zapis_dvacet();
    std::string s = precti_bajty(SOUBOR_ULOZENYCH_HER);
    ASSERT_EQ(36420u, s.size());
    std::string r = s.substr(1821 * 3, 1821);   // slot 3, the row labelled 4
    EXPECT_EQ(le32(3), r.substr(0, 4));         // cell 0
    EXPECT_EQ(le32((439 + 3) % 11), r.substr(1756, 4));
    const uint32_t slova[11] = {103, 2003, 303, 7, 8, 9, 10, 11, 12, 13, uint32_t(-14)};
    for (int i = 0; i < 11; i++) EXPECT_EQ(le32(slova[i]), r.substr(1760 + 4 * i, 4)) << "word " << i;
    EXPECT_EQ(le32(0x3F200000), r.substr(1804, 4));   // 0.625f as IEEE single precision
    EXPECT_EQ(std::string("Slot D\0\0\0\0\0\0\0", 13), r.substr(1808));
}

TEST(SaveFile, EverySlotReadsBackAsWritten)
{
    PISKOVISTE p;
    zapis_dvacet();
    for (int k : {0, 1, 7, 19}) {
        ULOZENA_HRA h;
        ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, k, &h));
        ocekavej_stejne(vzorova_hra(k), h);
    }
}

TEST(SaveFile, OddFloatsSurviveBitForBit)
{
    PISKOVISTE p;
    ULOZENA_HRA h = vzorova_hra(0);
    for (float f : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -0.0f,
                    std::numeric_limits<float>::denorm_min(), 0.35f}) {
        h.krok = f;
        ASSERT_TRUE(zapis_ulozene_hry("s.ddt", &h, 1));
        ULOZENA_HRA zpet;
        ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru("s.ddt", 0, &zpet));
        EXPECT_EQ(std::bit_cast<uint32_t>(f), std::bit_cast<uint32_t>(zpet.krok));
    }
}

TEST(SaveFileBadInput, MissingFileAndSlotsOutsideTheFile)
{
    PISKOVISTE p;
    ULOZENA_HRA h = vzorova_hra(5);
    EXPECT_EQ(CTENI_CHYBI, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 0, &h));
    ocekavej_stejne(ULOZENA_HRA{}, h);
    zapis_dvacet();
    for (int k : {-1, 20, INT_MIN, INT_MAX}) {
        h = vzorova_hra(5);
        EXPECT_EQ(CTENI_CHYBI, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, k, &h)) << k;
        ocekavej_stejne(ULOZENA_HRA{}, h);
    }
}

TEST(SaveFileBadInput, ShortFileGivesOnlyWholeRecords)
{
    PISKOVISTE p;
    zapis_dvacet();
    std::string s = precti_bajty(SOUBOR_ULOZENYCH_HER);
    zapis_bajty(SOUBOR_ULOZENYCH_HER, s.substr(0, 1821 * 3 + 1820));   // the fourth record lacks a byte
    ULOZENA_HRA h;
    EXPECT_EQ(CTENI_CELE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 2, &h));
    ocekavej_stejne(vzorova_hra(2), h);
    for (int k : {3, 4, 19}) {
        h = vzorova_hra(9);
        EXPECT_EQ(CTENI_KRATKE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, k, &h)) << k;
        ocekavej_stejne(ULOZENA_HRA{}, h);
    }
    zapis_bajty(SOUBOR_ULOZENYCH_HER, "");
    EXPECT_EQ(CTENI_KRATKE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 0, &h));
}

TEST(SaveFileBadInput, LongerFileStillGivesTheRightRecords)
{
    PISKOVISTE p;
    zapis_dvacet();
    zapis_bajty(SOUBOR_ULOZENYCH_HER, precti_bajty(SOUBOR_ULOZENYCH_HER) + std::string(3000, '\xff'));
    ULOZENA_HRA h;
    ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru(SOUBOR_ULOZENYCH_HER, 19, &h));
    ocekavej_stejne(vzorova_hra(19), h);
}

TEST(SaveFileBadInput, DamagedGridAndNameAreMadeSafe)
{
    PISKOVISTE p;
    std::string r;
    for (int i = 0; i < POCET_BUNEK; i++) r += le32(i == 0 ? 9 : i == 1 ? 11 : i == 2 ? uint32_t(-3) : 0x01000000);
    for (int i = 0; i < 12; i++) r += le32(0xdeadbeef);
    r += std::string(13, 'Z');
    zapis_bajty("s.ddt", r);
    ULOZENA_HRA h;
    ASSERT_EQ(CTENI_CELE, nacti_ulozenou_hru("s.ddt", 0, &h));
    EXPECT_EQ(9, h.mrizka[0]);
    for (int i = 1; i < POCET_BUNEK; i++) ASSERT_EQ(0, h.mrizka[i]) << i;
    EXPECT_EQ(int(0xdeadbeef), h.zivoty);   // the words are passed on as stored; their user bounds them
    EXPECT_STREQ("ZZZZZZZZZZZZ", h.jmeno);
}
