// A look at a datafile's structure before the library loads it: the library trusts every size in the
// file, and crashes on one that was cut short or on a kind of object it has no loader for.
#pragma once

// Every object of the file is there in full, of a kind the game uses (pictures, samples, a ranged
// font, raw data, nested datafiles), and holds just what its header announces.
bool datafile_cely(const char* jmeno);
