// The text form of levels: exact round trips, and every mistake reported with its line and column.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "levels/level_text.h"
#include "support/sandbox.h"

namespace {

const std::string PRAZDNY_RADEK(20, '.');

// A valid text: the author line, then 22 rows, the rows given replacing the first ones.
std::string text_s(std::initializer_list<std::string> radky, const std::string& autor = "author: Odraz\n")
{
    std::string t = autor;
    int n = 0;
    for (const std::string& r : radky) {
        t += r + "\n";
        n++;
    }
    for (; n < RADKU_MRIZKY; n++) t += PRAZDNY_RADEK + "\n";
    return t;
}

bool precti(const std::string& t, UROVEN* u, CHYBA_TEXTU* ch)
{
    return uroven_z_textu(t.data(), t.size(), u, ch);
}

// Expects the text to be refused at this line and column, with a message that mentions `slovo`.
void ocekavej_chybu(const std::string& t, int radek, int sloupec, const char* slovo)
{
    UROVEN u;
    CHYBA_TEXTU ch;
    ASSERT_FALSE(precti(t, &u, &ch)) << t;
    EXPECT_EQ(radek, ch.radek) << ch.zprava;
    EXPECT_EQ(sloupec, ch.sloupec) << ch.zprava;
    EXPECT_NE(nullptr, std::strstr(ch.zprava, slovo)) << ch.zprava;
}

UROVEN nahodna_uroven(unsigned seed)
{
    std::mt19937 nahoda(seed);
    UROVEN u{};
    for (int& b : u.bunky) b = static_cast<int>(nahoda() % 11);
    const char pismena[] = "abcXYZ Qq";
    int n = static_cast<int>(nahoda() % 13);
    for (int i = 0; i < n; i++) u.autor[i] = pismena[nahoda() % (sizeof pismena - 1)];
    return u;
}

}  // namespace

TEST(LevelText, CellCharacters)
{
    const char* znaky = ".123456789G";
    for (int v = 0; v <= 10; v++) {
        EXPECT_EQ(znaky[v], znak_bunky(v));
        EXPECT_EQ(v, bunka_znaku(znaky[v]));
    }
    for (char c : {'0', 'g', 'X', ' ', '#', '\0', 'A'}) EXPECT_EQ(-1, bunka_znaku(c)) << int(c);
}

TEST(LevelText, ReadsRowsCommentsAndAuthor)
{
    std::string t = "# Level 1: Test\n\n#another comment\nauthor: Jan Novak\n# between\n" +
                    std::string("G.......9.........1\r\n").insert(0, "3") +   // CRLF line ends are fine
                    "12345678...........G  \t\n";                          // so are trailing blanks
    for (int i = 2; i < 22; i++) t += PRAZDNY_RADEK + "\n";
    t += "\n# the end\n";
    UROVEN u;
    CHYBA_TEXTU ch;
    ASSERT_TRUE(precti(t, &u, &ch)) << ch.radek << ":" << ch.sloupec << " " << ch.zprava;
    EXPECT_STREQ("Jan Novak", u.autor);
    EXPECT_EQ(3, u.bunky[0]);
    EXPECT_EQ(10, u.bunky[1]);
    EXPECT_EQ(9, u.bunky[9]);
    EXPECT_EQ(1, u.bunky[19]);
    EXPECT_EQ(1, u.bunky[20]);
    EXPECT_EQ(8, u.bunky[27]);
    EXPECT_EQ(10, u.bunky[39]);
    for (int i = 40; i < BUNEK_MRIZKY; i++) ASSERT_EQ(0, u.bunky[i]);
}

TEST(LevelText, ByteOrderMarkAndMissingLastNewlineAreAccepted)
{
    std::string t = "\xEF\xBB\xBF" + text_s({});
    t.pop_back();
    UROVEN u;
    EXPECT_TRUE(precti(t, &u, nullptr));
}

TEST(LevelText, AuthorNames)
{
    UROVEN u;
    ASSERT_TRUE(precti(text_s({}, "author:\n"), &u, nullptr));
    EXPECT_STREQ("", u.autor);
    ASSERT_TRUE(precti(text_s({}, "author:Ann\n"), &u, nullptr));
    EXPECT_STREQ("Ann", u.autor);
    ASSERT_TRUE(precti(text_s({}, "author:  Ann Lee  \n"), &u, nullptr));   // one space after the colon goes
    EXPECT_STREQ(" Ann Lee  ", u.autor);
    ASSERT_TRUE(precti(text_s({}, "author: Twelve chars\n"), &u, nullptr));
    EXPECT_STREQ("Twelve chars", u.autor);

    ocekavej_chybu(text_s({}, "author: Thirteen char\n"), 1, 21, "longer than 12");
    ocekavej_chybu(text_s({}, "author: R2D2\n"), 1, 10, "letters");
    ocekavej_chybu(text_s({}, "author: Zdenek\xC5\xA1\n"), 1, 15, "letters");
    ocekavej_chybu(text_s({}, "author: A\nauthor: B\n"), 2, 1, "second author");
    ocekavej_chybu(PRAZDNY_RADEK + "\n" + text_s({}), 1, 1, "author");
    ocekavej_chybu("# only a comment\n", 2, 0, "author");
    ocekavej_chybu("", 1, 0, "author");
}

TEST(LevelText, BadRowsAreReportedWhereTheyAre)
{
    std::string r = PRAZDNY_RADEK;
    ocekavej_chybu(text_s({r, r, "......0............."}), 4, 7, "'0'");
    ocekavej_chybu(text_s({"g..................."}), 2, 1, "'g'");
    ocekavej_chybu(text_s({"..... .............."}), 2, 6, "0x20");
    ocekavej_chybu(text_s({r, std::string("...\0................", 20)}), 3, 4, "0x00");
    ocekavej_chybu(text_s({"..........."}), 2, 12, "has 11 cells");
    ocekavej_chybu(text_s({r, r, r, r, r + "1"}), 6, 21, "more than 20");
    ocekavej_chybu(text_s({r + "  x"}), 2, 21, "more than 20");

    std::string kratky = "author: Odraz\n";
    for (int i = 0; i < 21; i++) kratky += r + "\n";
    ocekavej_chybu(kratky, 23, 0, "only 21 rows");
    ocekavej_chybu(text_s({}) + r + "\n", 24, 1, "after the 22nd row");
    ocekavej_chybu(text_s({}) + "author: Again\n", 24, 1, "second author");
    ocekavej_chybu("author: A\n" + r + "\n" + "author: B\n", 3, 1, "second author");
}

TEST(LevelText, RoundTripIsExact)
{
    for (unsigned seed = 1; seed <= 50; seed++) {
        UROVEN u = nahodna_uroven(seed);
        std::string t = uroven_do_textu(u, "Level 7: Test\nsecond line");
        UROVEN zpet;
        CHYBA_TEXTU ch;
        ASSERT_TRUE(precti(t, &zpet, &ch)) << ch.zprava << "\n" << t;
        EXPECT_EQ(0, std::memcmp(&u, &zpet, sizeof u)) << t;
        EXPECT_EQ(t, uroven_do_textu(zpet, "Level 7: Test\nsecond line"));
    }
}

TEST(LevelText, WrittenTextShowsCommentAuthorAndRows)
{
    UROVEN u{};
    u.bunky[0] = 10;
    u.bunky[439] = 9;
    std::strcpy(u.autor, "Odraz");
    std::string t = uroven_do_textu(u, "Level 1: Dots\n\nsecond");
    std::string ocekavany = "# Level 1: Dots\n#\n# second\nauthor: Odraz\nG" + std::string(19, '.') + "\n";
    for (int i = 1; i < 21; i++) ocekavany += PRAZDNY_RADEK + "\n";
    ocekavany += std::string(19, '.') + "9\n";
    EXPECT_EQ(ocekavany, t);
}

TEST(LevelText, FilesRoundTripAndOversizedFilesAreRefused)
{
    PISKOVISTE p;
    UROVEN u = nahodna_uroven(99);
    ASSERT_TRUE(zapis_text_urovne("a.txt", u, nullptr));
    UROVEN zpet;
    CHYBA_TEXTU ch;
    ASSERT_TRUE(nacti_text_urovne("a.txt", &zpet, &ch)) << ch.zprava;
    EXPECT_EQ(0, std::memcmp(&u, &zpet, sizeof u));

    zapis_bajty("big.txt", "# " + std::string(NEJDELSI_TEXT_UROVNE, 'x') + "\n" + text_s({}));
    EXPECT_FALSE(nacti_text_urovne("big.txt", &zpet, &ch));
    EXPECT_NE(nullptr, std::strstr(ch.zprava, "larger"));
    EXPECT_FALSE(nacti_text_urovne("missing.txt", &zpet, &ch));
}

TEST(LevelText, GarbageIsRefusedWithoutHarm)
{
    std::mt19937 nahoda(77);
    for (int pokus = 0; pokus < 300; pokus++) {
        std::string t = text_s({});
        size_t kolik = 1 + nahoda() % 4;
        for (size_t i = 0; i < kolik; i++) t[nahoda() % t.size()] = static_cast<char>(nahoda() % 256);
        if (pokus % 5 == 0) t.resize(nahoda() % t.size());
        UROVEN u;
        CHYBA_TEXTU ch;
        if (precti(t, &u, &ch)) {
            for (int b : u.bunky) ASSERT_TRUE(b >= 0 && b <= 10);
            ASSERT_TRUE(jmeno_platne(u.autor));
        } else {
            ASSERT_GE(ch.radek, 1);
            ASSERT_LT(std::strlen(ch.zprava), sizeof ch.zprava);
        }
    }
}
