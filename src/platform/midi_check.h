// A look at a MIDI piece before the library takes it: the library's loader trusts the header, and its
// player and patch loader walk every track byte by byte without an end in sight, so a damaged piece
// would make them read far past it. Only a piece whose every event is whole and sound is loaded.
#pragma once
#include <cstddef>

constexpr size_t NEJVETSI_MIDI = 1u << 20;   // no piece of the game comes near 1 MiB

// Is this a standard MIDI file (format 0 or 1, 1 to 32 tracks) that the library reads and plays
// safely: the tracks follow the 14-byte header one after another, every event lies inside its track,
// data bytes are below 128, and every track ends with its end-of-track event and nothing after it.
bool midi_v_poradku(const unsigned char* b, size_t n);
