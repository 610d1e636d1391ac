// The music: the MIDI pieces in Midi/ load, last one to two minutes and use only instruments that the
// patch set has; patches.dat maps every program and drum they use to the right freepats patch.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_setup.h"
#include "platform/headless.h"

namespace {

// What a piece of music contains, read from the track data of a loaded MIDI.
struct MIDI_OBSAH {
    bool v_poradku = false;                 // every track parsed to its end
    double sekund = 0;                      // playing time up to the last event
    std::map<int, std::set<int>> programy;  // channel (0-based) -> programs set on it
    std::set<int> kanaly_s_notami;
    std::set<int> noty_bici;                // notes played on channel 10
    int nejvyssi_hlasitost = 0;             // highest note velocity
};

// Reads the tracks of `m`: delta times, running status, meta and system exclusive events, tempo changes.
MIDI_OBSAH precti_midi(const MIDI* m)
{
    MIDI_OBSAH o;
    if (!m || m->divisions <= 0) return o;
    std::map<long, int> tempa;   // tick -> microseconds per quarter note
    long posledni = 0;
    for (const auto& stopa : m->track) {
        if (!stopa.data) continue;
        const unsigned char* d = stopa.data;
        const long n = stopa.len;
        long i = 0, tik = 0;
        int status = 0;
        auto cti_delku = [&](long& hodnota) {
            hodnota = 0;
            for (int k = 0; k < 4 && i < n; k++) {
                hodnota = (hodnota << 7) | (d[i] & 0x7F);
                if (!(d[i++] & 0x80)) return true;
            }
            return false;
        };
        bool konec = false;
        while (i < n && !konec) {
            long delta, delka;
            if (!cti_delku(delta) || i >= n) return o;
            tik += delta;
            int s = d[i];
            if (s & 0x80) i++;
            else if (status) s = status;
            else return o;
            if (s == 0xFF || s == 0xF0 || s == 0xF7) {   // meta and system exclusive events
                int typ = s == 0xFF && i < n ? d[i++] : 0;
                if (!cti_delku(delka) || i + delka > n) return o;
                if (typ == 0x51 && delka == 3) tempa[tik] = (d[i] << 16) | (d[i + 1] << 8) | d[i + 2];
                konec = typ == 0x2F;
                i += delka;
                continue;
            }
            status = s;
            int druh = s & 0xF0, kanal = s & 0x0F;
            int bajtu = (druh == 0xC0 || druh == 0xD0) ? 1 : 2;
            if (i + bajtu > n) return o;
            if (druh == 0xC0) o.programy[kanal].insert(d[i]);
            if (druh == 0x90 && d[i + 1] > 0) {
                o.kanaly_s_notami.insert(kanal);
                if (kanal == 9) o.noty_bici.insert(d[i]);
                o.nejvyssi_hlasitost = std::max(o.nejvyssi_hlasitost, int(d[i + 1]));
            }
            i += bajtu;
        }
        if (!konec) return o;
        posledni = std::max(posledni, tik);
    }
    long tik = 0;   // playing time: walk the tempo changes up to the last tick
    int tempo = 500000;
    for (const auto& [kdy, t] : tempa) {
        if (kdy >= posledni) break;
        o.sekund += double(kdy - tik) * tempo / 1e6 / m->divisions;
        tik = kdy;
        tempo = t;
    }
    o.sekund += double(posledni - tik) * tempo / 1e6 / m->divisions;
    o.v_poradku = true;
    return o;
}

constexpr int POCET_SKLADEB = 3;

const std::set<int> PROGRAMY_FREEPATS = {0,  1,  2,  4,  5,  6,  7,  8,  9,  13, 14, 15, 16, 19, 21, 23, 24, 25,
                                         26, 27, 28, 29, 30, 32, 33, 34, 35, 36, 37, 38, 40, 42, 44, 45, 46, 47,
                                         48, 53, 56, 57, 58, 59, 60, 61, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73,
                                         74, 75, 76, 79, 80, 84, 88, 94, 95, 98, 101, 102, 104, 114, 115, 120, 122, 125};

bool buben_freepats(int nota) { return (nota >= 25 && nota <= 27) || (nota >= 31 && nota <= 72); }

// Each piece as the library's loader reads it, and what it contains.
class Music : public ::testing::Test {
protected:
    std::vector<MIDI_OBSAH> skladby;
    void SetUp() override
    {
        spust_headless(nullptr);
        for (int k = 1; k <= POCET_SKLADEB; k++) {
            std::string cesta = ODRAZ_RUN_DIR "/Midi/midi" + std::to_string(k) + ".mid";
            MIDI* m = load_midi(cesta.c_str());
            ASSERT_NE(nullptr, m) << "load_midi refuses " << cesta;
            skladby.push_back(precti_midi(m));
            destroy_midi(m);
        }
    }
    void TearDown() override { ukonci_headless(); }
};

}  // namespace

TEST_F(Music, PiecesLastOneToTwoMinutesWithFreepatsInstruments)
{
    for (int k = 1; k <= POCET_SKLADEB; k++) {
        const MIDI_OBSAH& o = skladby[k - 1];
        SCOPED_TRACE("piece " + std::to_string(k));
        ASSERT_TRUE(o.v_poradku);
        EXPECT_GE(o.sekund, 60.0);
        EXPECT_LE(o.sekund, 120.0);
        for (int kanal : o.kanaly_s_notami) {
            if (kanal == 9) continue;
            ASSERT_TRUE(o.programy.count(kanal)) << "channel " << kanal + 1 << " plays with no program";
            for (int p : o.programy.at(kanal)) EXPECT_TRUE(PROGRAMY_FREEPATS.count(p)) << "program " << p;
        }
        for (int n : o.noty_bici) EXPECT_TRUE(buben_freepats(n)) << "drum note " << n;
        EXPECT_LE(o.nejvyssi_hlasitost, 120) << "no room left for the effects";
    }
}

TEST_F(Music, PatchSetMapsEveryUsedInstrumentToItsFreepatsPatch)
{
    DATAFILE* d = load_datafile(ODRAZ_RUN_DIR "/patches.dat");
    ASSERT_NE(d, nullptr) << "cannot load patches.dat";
    std::set<std::string> patche;
    std::string index;
    for (DATAFILE* o = d; o->type != DAT_END; o++) {
        std::string jmeno = get_datafile_property(o, DAT_ID('N', 'A', 'M', 'E'));
        if (o->type == DAT_ID('P', 'A', 'T', ' ')) patche.insert(jmeno);
        if (jmeno == "default_cfg") index.assign(static_cast<const char*>(o->dat), size_t(o->size));
    }
    unload_datafile(d);
    ASSERT_FALSE(index.empty()) << "patches.dat carries no index";

    // The index read as the library reads it: instruments numbered from 1, drums by MIDI note after the
    // line with `begin_multipatch`.
    std::map<int, std::string> nastroje, bubny;
    std::istringstream in(index);
    bool jsou_bubny = false;
    for (std::string radek; std::getline(in, radek);) {
        std::istringstream r(radek.substr(0, radek.find('#')));
        std::string cislo, soubor;
        if (!(r >> cislo >> soubor) || cislo.find_first_not_of("0123456789") != std::string::npos) continue;
        if (soubor == "begin_multipatch") jsou_bubny = true;
        else if (jsou_bubny) bubny[std::stoi(cislo)] = soubor;
        else nastroje[std::stoi(cislo) - 1] = soubor;
    }

    // freepats names every patch after the 0-based program or note it stands for: "080_Square_Wave.pat"
    // (after the folder, if any)
    auto ocekavej_patch = [&](std::map<int, std::string>& mapa, int cislo, const char* co) {
        ASSERT_TRUE(mapa.count(cislo)) << "no patch for " << co << " " << cislo;
        const std::string& cesta = mapa[cislo];
        EXPECT_EQ(cislo, std::atoi(cesta.c_str() + cesta.rfind('/') + 1)) << co << " " << cislo << " would play " << cesta;
        EXPECT_TRUE(patche.count(cesta)) << cesta << " is not packed";
    };
    for (const MIDI_OBSAH& o : skladby) {
        for (const auto& [kanal, programy] : o.programy)
            for (int p : programy)
                if (kanal != 9) ocekavej_patch(nastroje, p, "program");
        for (int n : o.noty_bici) ocekavej_patch(bubny, n, "drum note");
    }
}
