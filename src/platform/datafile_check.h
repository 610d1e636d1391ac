// A look at a datafile's structure before the library loads it: the library trusts every size in the
// file and crashes on one that was cut short.
#pragma once

bool datafile_cely(const char* jmeno);   // every object of the file is there in full
