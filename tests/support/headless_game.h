// The headless driver with the game behind it: the game's timer callbacks, its counters reset with
// the driver, and the datafile with its font on request.
#pragma once

bool spust_headless(const char* datafile = nullptr);   // false when the datafile cannot be loaded
void ukonci_headless();                                // frees the datafile, resets the driver
