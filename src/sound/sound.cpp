// Sound effects by datafile position, and the music: loading the pieces, fitting the choice to them,
// and starting the next piece whenever a screen finds that nothing is playing.
#include "sound/sound.h"

#include "platform/platform.h"
#include "core/resources.h"

#include <algorithm>
#include <string>

MIDI* midi_hudba[MAX_MIDI];
int pocet_midi = 0;
int nastav_midi = 10;
int jake_midi = 1;
int volume_zvuk = 0;
int volume_hudba = 0;

void zvuk(int pozice)
{
    SAMPLE* s = data ? static_cast<SAMPLE*>(data[pozice].dat) : nullptr;
    plat_sample(pozice, s);
}

// A negative volume would mean "leave unchanged" to the library and a huge one overflows it.
void pouzij_hlasitost()
{
    plat_hlasitost(std::clamp(volume_zvuk, 0, 255), std::clamp(volume_hudba, 0, 255));
}

void re_midi()
{
    if (pocet_midi == 0) return;
    if (plat_midi_hraje() && nastav_midi == 0) plat_midi_stop();
    if (nastav_midi == 0) return;
    if (nastav_midi >= 1 && nastav_midi <= pocet_midi) {
        jake_midi = nastav_midi;
    } else if (++jake_midi > pocet_midi) {
        jake_midi = 1;
    }
    plat_midi_hraj(midi_hudba[jake_midi - 1], jake_midi);
}

// Pieces are numbered without gaps: a missing midi2.mid hides midi3.mid and up.
void nahraj_midi()
{
    pocet_midi = 0;
    for (int k = 1; k <= MAX_MIDI; k++) {
        std::string jmeno = "Midi/midi" + std::to_string(k) + ".mid";
        MIDI* m = plat_nahraj_midi(jmeno.c_str());
        if (!m) break;
        midi_hudba[k - 1] = m;
        pocet_midi++;
    }
}

void prizpusob_volbu_hudby()
{
    if (nastav_midi < 0 || nastav_midi > 10) nastav_midi = 10;
    if (nastav_midi > pocet_midi && nastav_midi <= 9) nastav_midi = pocet_midi;
    if (pocet_midi == 0) nastav_midi = 0;
}

void uvolni_midi()
{
    for (int k = 0; k < pocet_midi; k++) {
        plat_zrus_midi(midi_hudba[k]);
        midi_hudba[k] = nullptr;
    }
    pocet_midi = 0;
}
