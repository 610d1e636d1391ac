// Sound effects by resource position, and the choice and succession of MIDI pieces.
#pragma once
#include <allegro.h>

constexpr int MAX_MIDI = 9;
extern MIDI* midi_hudba[MAX_MIDI];   // piece k in slot k - 1, loaded at start-up
extern int pocet_midi;               // pieces loaded, 0..9
extern int nastav_midi;              // 0 none, 1..9 that piece, 10 all in turn
extern int jake_midi;                // the piece played last
extern int volume_zvuk;              // effects volume 0..255
extern int volume_hudba;             // music volume 0..255

void zvuk(int pozice);               // plays the sample at a datafile position once
void re_midi();                      // starts the next piece, or stops the music
void pouzij_hlasitost();             // hands both volumes, clamped to 0..255, to the sound system
void nahraj_midi();                  // counts and loads Midi/midi1.mid .. midi9.mid
void prizpusob_volbu_hudby();        // fits nastav_midi to the pieces found
void uvolni_midi();                  // frees the loaded pieces
