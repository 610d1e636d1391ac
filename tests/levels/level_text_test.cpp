// The text form of the shipped levels' sources: exact round trips, and every mistake reported with its
// line and column.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "levels/level_text.h"
#include "support/sandbox.h"

namespace {

const std::string R(20, '.');   // an empty row

// A valid text: the author line, then 22 rows, the rows given replacing the first ones.
std::string text_s(std::initializer_list<std::string> radky, const std::string& autor = "author: Odraz\n")
{
    std::string t = autor;
    for (const std::string& r : radky) t += r + "\n";
    for (size_t n = radky.size(); n < RADKU; n++) t += R + "\n";
    return t;
}

bool precti(const std::string& t, UROVEN* u, CHYBA_TEXTU* ch = nullptr) { return uroven_z_textu(t.data(), t.size(), u, ch); }

}  // namespace

TEST(LevelText, ReadsRowsCommentsAndAuthor)
{
    std::string t = "\xEF\xBB\xBF# Level 1: Test\n\n#another comment\nauthor: Jan Novak\n# between\n"
                    "3G.......9.........1\r\n"     // CRLF line ends are fine
                    "123456789..........G  \t\n"   // so are trailing blanks
                    "# among the rows\n\n";
    for (int i = 2; i < RADKU; i++) t += R + "\n";
    t.pop_back();   // and a last line without its line break
    UROVEN u;
    ASSERT_TRUE(precti(t, &u));
    EXPECT_STREQ("Jan Novak", u.autor);
    std::vector<int> ocekavane = {3, 10, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1,
                                  1, 2,  3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10};
    ocekavane.resize(POCET_BUNEK);
    EXPECT_EQ(ocekavane, std::vector<int>(u.bunky, u.bunky + POCET_BUNEK));
    const std::pair<const char*, const char*> autori[] = {
        {"author:\n", ""}, {"author:  Ann Lee  \n", " Ann Lee  "}, {"author: Twelve chars\n", "Twelve chars"}};
    for (auto [radek, jmeno] : autori)
        EXPECT_TRUE(precti(text_s({}, radek), &u) && u.autor == std::string(jmeno)) << radek;
}

TEST(LevelText, MistakesAreReportedAtTheirLineAndColumn)
{
    const struct { std::string text; int radek, sloupec; const char* slovo; } pripady[] = {   // the message names slovo
        {text_s({}, "author: Thirteen char\n"), 1, 21, "longer than 12"},
        {text_s({}, "author: R2D2\n"), 1, 10, "letters"},
        {R + "\n" + text_s({}), 1, 1, "author"},
        {text_s({R, R, "......0............."}), 4, 7, "'0'"},
        {text_s({"..........."}), 2, 12, "has 11 cells"},
        {text_s({R, R, R, R, R + "1"}), 6, 21, "more than 20"},
        {text_s({}).substr(0, text_s({}).size() - 21), 23, 0, "only 21 rows"},
        {text_s({}) + R + "\n", 24, 1, "after the 22nd row"},
    };
    for (const auto& p : pripady) {
        UROVEN u;
        CHYBA_TEXTU ch;
        ASSERT_FALSE(precti(p.text, &u, &ch)) << p.text;
        EXPECT_EQ(std::pair(p.radek, p.sloupec), std::pair(ch.radek, ch.sloupec)) << ch.zprava;
        EXPECT_NE(nullptr, std::strstr(ch.zprava, p.slovo)) << ch.zprava;
    }
}

TEST(LevelText, RoundTripIsExactAndOversizedOrMissingFilesAreRefused)
{
    PISKOVISTE p;
    UROVEN u, zpet;
    CHYBA_TEXTU ch;
    std::mt19937 nahoda(1);
    for (int i = 0; i < 20; i++) {   // random cells, and names of 0 to 12 letters and spaces
        u = UROVEN{};
        for (int& b : u.bunky) b = static_cast<int>(nahoda() % 11);
        for (int j = 0, n = static_cast<int>(nahoda() % 13); j < n; j++) u.autor[j] = "abcXYZ Qq"[nahoda() % 9];
        ASSERT_TRUE(zapis_text_urovne("a.txt", u, "Level 7: Test\nsecond line"));
        ASSERT_TRUE(nacti_text_urovne("a.txt", &zpet, &ch)) << ch.zprava << "\n" << precti_bajty("a.txt");
        EXPECT_EQ(0, std::memcmp(&u, &zpet, sizeof u)) << precti_bajty("a.txt");
    }
    zapis_bajty("big.txt", "# " + std::string(NEJDELSI_TEXT_UROVNE, 'x') + "\n" + text_s({}));
    EXPECT_FALSE(nacti_text_urovne("big.txt", &zpet, &ch));
    EXPECT_NE(nullptr, std::strstr(ch.zprava, "larger"));
    EXPECT_FALSE(nacti_text_urovne("missing.txt", &zpet, &ch));
}
