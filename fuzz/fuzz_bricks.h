// The bricks the level loader made, checked against the cell grid they came from, then freed.
#pragma once

// Gives the loader a datafile to take brick pictures from (no picture is drawn).
void fuzz_obrazky();
// Every brick of `kostka` stands in its own cell in ascending order, of a type 1..10 with its hits and
// a bonus it may carry, and the bricks are exactly the cells of `bunky` holding 1..10. Frees them.
void over_a_uvolni_kostky(const int* bunky);
