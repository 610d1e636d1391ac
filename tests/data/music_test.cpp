// The music: the MIDI pieces in Midi/ load, last one to two minutes and use only instruments that the
// patch set has; patches.dat maps every program and drum they use to the right freepats patch.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "data/data_support.h"

namespace {

constexpr int POCET_SKLADEB = 3;

const std::set<int> PROGRAMY_FREEPATS = {0,  1,  2,  4,  5,  6,  7,  8,  9,  13, 14, 15, 16, 19, 21, 23, 24, 25,
                                         26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38, 40, 42, 44, 45, 46, 47,
                                         48, 53, 56, 57, 58, 59, 60, 61, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73,
                                         74, 75, 76, 79, 80, 84, 88, 94, 95, 98, 101, 102, 104, 114, 115, 120, 122, 125};

bool buben_freepats(int nota) { return (nota >= 25 && nota <= 27) || (nota >= 31 && nota <= 72); }

struct midi_pryc {
    void operator()(MIDI* m) const { destroy_midi(m); }
};
using midi_ptr = std::unique_ptr<MIDI, midi_pryc>;

midi_ptr nahraj_skladbu(int k)
{
    return midi_ptr(load_midi(v_behu("Midi/midi" + std::to_string(k) + ".mid").c_str()));
}

class Music : public ::testing::Test {
protected:
    static void SetUpTestSuite() { data_allegro(); }
};

TEST_F(Music, PiecesLoadWithTheLibrarysLoader)
{
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        midi_ptr m = nahraj_skladbu(k);
        ASSERT_NE(m, nullptr) << "Midi/midi" << k << ".mid";
        EXPECT_TRUE(precti_midi(m.get()).v_poradku) << "piece " << k;
    }
}

TEST_F(Music, PiecesLastOneToTwoMinutes)
{
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        midi_ptr m = nahraj_skladbu(k);
        ASSERT_NE(m, nullptr);
        double s = precti_midi(m.get()).sekund;
        EXPECT_GE(s, 60.0) << "piece " << k;
        EXPECT_LE(s, 120.0) << "piece " << k;
    }
}

TEST_F(Music, PiecesUseOnlyInstrumentsOfThePatchSet)
{
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        midi_ptr m = nahraj_skladbu(k);
        ASSERT_NE(m, nullptr);
        MIDI_OBSAH o = precti_midi(m.get());
        for (int kanal : o.kanaly_s_notami) {
            if (kanal == 9) continue;
            ASSERT_TRUE(o.programy.count(kanal)) << "piece " << k << " plays channel " << kanal + 1 << " with no program";
            for (int p : o.programy[kanal]) EXPECT_TRUE(PROGRAMY_FREEPATS.count(p)) << "piece " << k << " program " << p;
        }
        for (int n : o.noty_bici) EXPECT_TRUE(buben_freepats(n)) << "piece " << k << " drum note " << n;
        EXPECT_LE(o.nejvyssi_hlasitost, 120) << "piece " << k << " leaves no room for the effects";
    }
}

TEST_F(Music, PiecesSoundDifferent)
{
    std::set<std::set<int>> sestavy;
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        midi_ptr m = nahraj_skladbu(k);
        ASSERT_NE(m, nullptr);
        std::set<int> programy;
        for (const auto& [kanal, p] : precti_midi(m.get()).programy) programy.insert(p.begin(), p.end());
        sestavy.insert(programy);
    }
    EXPECT_EQ(int(sestavy.size()), POCET_SKLADEB) << "two pieces use the same band";
}

// --- the reader the tests above rely on ---------------------------------------------------------

struct rucni_midi {
    MIDI m{};
    std::vector<std::vector<unsigned char>> stopy;
    explicit rucni_midi(std::vector<std::vector<unsigned char>> s) : stopy(std::move(s))
    {
        m.divisions = 480;
        for (size_t i = 0; i < stopy.size(); i++) {
            m.track[i].data = stopy[i].data();
            m.track[i].len = int(stopy[i].size());
        }
    }
};

TEST(MidiReader, MeasuresTimeAcrossTempoChangesAndRunningStatus)
{
    // 2 beats at 120 per minute (1 s), then a change to 60 per minute and 2 beats more (2 s).
    rucni_midi r({{0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,            // 500000 us a beat
                   0x87, 0x40, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,      // at 960 ticks: 1000000 us a beat
                   0x87, 0x40, 0xFF, 0x2F, 0x00},
                  {0x00, 0xC0, 0x50, 0x00, 0x90, 0x45, 0x64, 0x83, 0x60, 0x45, 0x00,  // running status note off
                   0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0x99, 0x24, 0x70, 0x00, 0xFF, 0x2F, 0x00}});
    MIDI_OBSAH o = precti_midi(&r.m);
    ASSERT_TRUE(o.v_poradku);
    EXPECT_NEAR(o.sekund, 3.0, 1e-9);
    EXPECT_EQ(o.programy[0], std::set<int>{0x50});
    EXPECT_EQ(o.noty_bici, std::set<int>{0x24});
    EXPECT_EQ(o.nejvyssi_hlasitost, 0x70);
}

TEST(MidiReader, RejectsTruncatedTracks)
{
    rucni_midi bez_konce({{0x00, 0x90, 0x45, 0x64, 0x60, 0x80}});
    EXPECT_FALSE(precti_midi(&bez_konce.m).v_poradku);
    rucni_midi useknuta_meta({{0x00, 0xFF, 0x51, 0x03, 0x07}});
    EXPECT_FALSE(precti_midi(&useknuta_meta.m).v_poradku);
    rucni_midi bez_statusu({{0x00, 0x45, 0x64, 0x00, 0xFF, 0x2F, 0x00}});
    EXPECT_FALSE(precti_midi(&bez_statusu.m).v_poradku);
    EXPECT_FALSE(precti_midi(nullptr).v_poradku);
}

// --- the patch set ------------------------------------------------------------------------------

// The index inside patches.dat, read the way DIGMID reads it: instruments numbered from 1, drums after
// the line with `begin_multipatch`, by MIDI note.
struct index_patchu {
    std::map<int, std::string> nastroje, bubny;
};

index_patchu precti_index(const char* text, long delka)
{
    index_patchu ix;
    std::istringstream in(std::string(text, size_t(delka)));
    std::string radek;
    bool bubny = false;
    while (std::getline(in, radek)) {
        std::istringstream r(radek.substr(0, radek.find('#')));
        std::string cislo, soubor;
        if (!(r >> cislo >> soubor) || cislo.find_first_not_of("0123456789") != std::string::npos) continue;
        if (soubor == "begin_multipatch") {
            bubny = true;
            continue;
        }
        if (bubny) ix.bubny[std::stoi(cislo)] = soubor;
        else ix.nastroje[std::stoi(cislo) - 1] = soubor;
    }
    return ix;
}

TEST_F(Music, PatchSetMapsEveryUsedInstrumentToItsFreepatsPatch)
{
    DATAFILE* d = load_datafile(v_behu("patches.dat").c_str());
    ASSERT_NE(d, nullptr) << "cannot load " << v_behu("patches.dat");
    std::set<std::string> patche;
    const DATAFILE* index = nullptr;
    for (DATAFILE* o = d; o->type != DAT_END; o++) {
        std::string jmeno = get_datafile_property(o, DAT_ID('N', 'A', 'M', 'E'));
        if (o->type == DAT_ID('P', 'A', 'T', ' ')) patche.insert(jmeno);
        if (jmeno == "default_cfg") index = o;
    }
    ASSERT_NE(index, nullptr) << "patches.dat carries no index";
    index_patchu ix = precti_index(static_cast<const char*>(index->dat), index->size);

    // freepats names every patch after the 0-based program or note it stands for: "080_Square_Wave.pat"
    auto cislo_souboru = [](const std::string& cesta) {
        size_t lomitko = cesta.rfind('/');
        return std::atoi(cesta.c_str() + (lomitko == std::string::npos ? 0 : lomitko + 1));
    };
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        midi_ptr m = nahraj_skladbu(k);
        ASSERT_NE(m, nullptr);
        MIDI_OBSAH o = precti_midi(m.get());
        for (const auto& [kanal, programy] : o.programy) {
            if (kanal == 9) continue;
            for (int p : programy) {
                ASSERT_TRUE(ix.nastroje.count(p)) << "no patch for program " << p;
                EXPECT_EQ(cislo_souboru(ix.nastroje[p]), p) << "program " << p << " would play " << ix.nastroje[p];
                EXPECT_TRUE(patche.count(ix.nastroje[p])) << ix.nastroje[p] << " is not packed";
            }
        }
        for (int n : o.noty_bici) {
            ASSERT_TRUE(ix.bubny.count(n)) << "no patch for drum note " << n;
            EXPECT_EQ(cislo_souboru(ix.bubny[n]), n) << "drum " << n << " would play " << ix.bubny[n];
            EXPECT_TRUE(patche.count(ix.bubny[n])) << ix.bubny[n] << " is not packed";
        }
    }
    unload_datafile(d);
}

}  // namespace
