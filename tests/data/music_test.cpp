// The music: the MIDI pieces in Midi/ load, last one to two minutes, and patches.dat maps every program
// and drum they use to the freepats patch of that number.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "support/game_setup.h"
#include "platform/headless.h"

namespace {

// What a piece of music contains, read from the track data of a loaded MIDI.
struct MIDI_OBSAH {
    long tempo = 500000, posledni = 0;      // microseconds per quarter note; the last tick
    std::map<int, std::set<int>> programy;  // channel (0-based) -> programs set on it
    std::set<int> kanaly_s_notami, noty_bici;   // channels with notes; notes played on channel 10
    int nejvyssi_hlasitost = 0;             // highest note velocity
};

// Walks one track as midigen writes it: a status byte to every event, meta events, one tempo. False when
// it does not parse to its end-of-track event.
bool precti_stopu(const unsigned char* d, long n, MIDI_OBSAH* o)
{
    long i = 0, tik = 0;
    auto delka = [&] {
        long h = 0;
        while (i < n && d[i] & 0x80) h = (h << 7) | (d[i++] & 0x7F);
        return i < n ? (h << 7) | d[i++] : -1L;
    };
    while (i < n) {
        long delta = delka();
        if (delta < 0 || i + 1 >= n) return false;
        tik += delta;
        int s = d[i++], typ = s == 0xFF ? d[i++] : 0;
        long kolik = s == 0xFF ? delka() : (s & 0xF0) == 0xC0 ? 1 : 2;
        if (!(s & 0x80) || kolik < 0 || i + kolik > n) return false;
        if (typ == 0x51 && kolik == 3) o->tempo = (d[i] << 16) | (d[i + 1] << 8) | d[i + 2];
        if (typ == 0x2F) return o->posledni = std::max(o->posledni, tik), true;
        if ((s & 0xF0) == 0xC0) o->programy[s & 0x0F].insert(d[i]);
        if ((s & 0xF0) == 0x90 && d[i + 1] > 0) {
            o->kanaly_s_notami.insert(s & 0x0F);
            if ((s & 0x0F) == 9) o->noty_bici.insert(d[i]);
            o->nejvyssi_hlasitost = std::max(o->nejvyssi_hlasitost, int(d[i + 1]));
        }
        i += kolik;
    }
    return false;
}

// The patch index as the library reads it: instruments numbered from 1, drums by MIDI note after the
// line with `begin_multipatch`; and the names of the packed patches.
struct PATCHE { std::map<int, std::string> nastroje, bubny; std::set<std::string> zabalene; };

PATCHE nacti_patche()
{
    PATCHE p;
    DATAFILE* d = load_datafile(ODRAZ_RUN_DIR "/patches.dat");
    EXPECT_NE(d, nullptr) << "cannot load patches.dat";
    std::string index;
    for (DATAFILE* o = d; o && o->type != DAT_END; o++) {
        std::string jmeno = get_datafile_property(o, DAT_ID('N', 'A', 'M', 'E'));
        if (o->type == DAT_ID('P', 'A', 'T', ' ')) p.zabalene.insert(jmeno);
        if (jmeno == "default_cfg") index.assign(static_cast<const char*>(o->dat), size_t(o->size));
    }
    if (d) unload_datafile(d);
    std::istringstream in(index);
    bool bubny = false;
    for (std::string radek; std::getline(in, radek);) {
        std::istringstream r(radek.substr(0, radek.find('#')));
        std::string cislo, soubor;
        if (!(r >> cislo >> soubor) || cislo.find_first_not_of("0123456789") != std::string::npos) continue;
        if (soubor == "begin_multipatch") bubny = true;
        else (bubny ? p.bubny : p.nastroje)[std::stoi(cislo) - !bubny] = soubor;
    }
    EXPECT_FALSE(p.nastroje.empty()) << "patches.dat carries no index";
    return p;
}

}  // namespace

TEST(Music, PiecesLastOneToTwoMinutesAndPlayOnlyFreepatsPatchesOfTheirNumbers)
{
    spust_headless(nullptr);
    PATCHE patche = nacti_patche();
    // freepats names a patch after the 0-based program or note it stands for: "[folder/]080_Square_Wave.pat"
    auto ocekavej_patch = [&](const std::map<int, std::string>& mapa, int cislo, const char* co) {
        auto p = mapa.find(cislo);
        ASSERT_NE(p, mapa.end()) << "no patch for " << co << " " << cislo;
        EXPECT_EQ(cislo, std::atoi(p->second.c_str() + p->second.rfind('/') + 1)) << co << " plays " << p->second;
        EXPECT_TRUE(patche.zabalene.count(p->second)) << p->second << " is not packed";
    };
    for (int k = 1; k <= 3; k++) {
        std::string cesta = ODRAZ_RUN_DIR "/Midi/midi" + std::to_string(k) + ".mid";
        SCOPED_TRACE(cesta);
        MIDI* m = load_midi(cesta.c_str());
        ASSERT_NE(nullptr, m) << "load_midi refuses it";
        MIDI_OBSAH o;
        bool cele = m->divisions > 0;
        for (const auto& stopa : m->track) cele = cele && (!stopa.data || precti_stopu(stopa.data, stopa.len, &o));
        const double sekund = double(o.posledni) * o.tempo / 1e6 / m->divisions;
        destroy_midi(m);
        ASSERT_TRUE(cele);
        EXPECT_TRUE(sekund >= 60.0 && sekund <= 120.0) << sekund << " s";
        EXPECT_LE(o.nejvyssi_hlasitost, 120) << "no room left for the effects";
        for (int kanal : o.kanaly_s_notami)
            EXPECT_TRUE(kanal == 9 || o.programy.count(kanal)) << "channel " << kanal + 1 << " plays with no program";
        for (const auto& [kanal, programy] : o.programy)
            for (int p : programy)
                if (kanal != 9) ocekavej_patch(patche.nastroje, p, "program");
        for (int n : o.noty_bici) ocekavej_patch(patche.bubny, n, "drum note");
    }
    ukonci_headless();
}
