// The look at a MIDI piece before the library loads it: the game's own pieces pass, damaged ones are
// refused, and a refused piece is skipped like a missing one.
#include "platform/midi_check.h"
#include "sound/sound.h"
#include "support/game_setup.h"
#include "support/sandbox.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const unsigned char* u(const std::string& s) { return reinterpret_cast<const unsigned char*>(s.data()); }
bool v_poradku(const std::string& s) { return midi_v_poradku(u(s), s.size()); }

std::string be(uint32_t v, int n)
{
    std::string s;
    for (int i = n - 1; i >= 0; i--) s.push_back(char(v >> (8 * i)));
    return s;
}

// A format-1 piece of one track holding `udalosti` (waits included) and the end of the track.
std::string kus(const std::string& udalosti, const std::string& konec = std::string("\0\xff\x2f\0", 4))
{
    std::string t = udalosti + konec;
    return "MThd" + be(6, 4) + be(1, 2) + be(1, 2) + be(480, 2) + "MTrk" + be(uint32_t(t.size()), 4) + t;
}

}  // namespace

TEST(MidiCheck, GamePiecesPassAndEveryCutIsRefused)
{
    std::string m = precti_bajty(ODRAZ_RUN_DIR "/Midi/midi1.mid");
    ASSERT_GT(m.size(), 1000u);
    EXPECT_TRUE(v_poradku(m));
    for (size_t n = 0; n < m.size(); n += 1 + n / 50) EXPECT_FALSE(midi_v_poradku(u(m), n)) << n;
    EXPECT_TRUE(v_poradku(m + "trailing bytes after the last track"));
}

TEST(MidiCheck, DamagedTracksAreRefused)
{
    std::string noty("\0\x90\x3c\x60\x83\x60\x80\x3c\0\0\x40\0", 12);   // with running status
    EXPECT_TRUE(v_poradku(kus(noty)));
    EXPECT_FALSE(v_poradku(kus(noty, "")));                                  // no end of track
    EXPECT_FALSE(v_poradku(kus(noty, std::string("\0\xff\x2f\0\0\x90\x3c\x60", 8))));   // events after its end
    EXPECT_FALSE(v_poradku(kus(std::string("\0\x90\x3c\xe0", 4))));          // a data byte of 128 or more
    EXPECT_FALSE(v_poradku(kus(std::string("\0\x3c\x60", 3))));              // data with no status before it
    EXPECT_FALSE(v_poradku(kus(std::string("\0\xff\x01\x7f", 4))));          // a text longer than its track
    EXPECT_FALSE(v_poradku(kus(std::string("\0\xff\x51\x02\x07\xa1", 6))));  // a tempo of two bytes
    EXPECT_FALSE(v_poradku(kus(std::string("\0\xf1\x00", 3))));              // a system message
    EXPECT_FALSE(v_poradku(kus(std::string("\x81\x00\xc0\x05", 4))));        // a first wait of two bytes
    EXPECT_FALSE(v_poradku(kus(std::string("\0\xc0\x05\xff\xff\xff\x7f\xc0\x05", 9))));   // a wait too long to time
    std::string dlouha = kus(noty), bez_deleni = kus(noty);
    dlouha[21] = '\x7f';                                                       // a track longer than the file
    bez_deleni[12] = bez_deleni[13] = 0;
    EXPECT_FALSE(v_poradku(dlouha) || v_poradku(bez_deleni));
}

class DamagedPiece : public Obrazovka {};

TEST_F(DamagedPiece, IsSkippedLikeAMissingOne)
{
    PISKOVISTE p;
    std::filesystem::create_directory("Midi");
    std::string dobry = precti_bajty(ODRAZ_RUN_DIR "/Midi/midi1.mid");
    zapis_bajty("Midi/midi1.mid", dobry);
    zapis_bajty("Midi/midi2.mid", dobry.substr(0, dobry.size() - 1));
    zapis_bajty("Midi/midi3.mid", dobry);
    nahraj_midi();
    EXPECT_EQ(pocet_midi, 1);
    uvolni_midi();
}
