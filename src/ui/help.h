// The help page, from which the level gallery opens.
#pragma once

void napoveda();   // runs the help screen until the player leaves
