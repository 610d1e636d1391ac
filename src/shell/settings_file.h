// setdat.ddt: the player's settings, 29 bytes — effects volume, music volume, music choice, language
// (four little-endian int32) and the 13-byte author name.
#pragma once

constexpr int VELIKOST_NASTAVENI = 29;

void cti_nastaveni(const char* jmeno);     // fills the settings globals (defaults when the file is missing)
bool zapis_nastaveni(const char* jmeno);   // writes them whole, or leaves the old file as it was
