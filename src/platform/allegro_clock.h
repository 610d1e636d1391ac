// What the real driver's input poll needs from its clock.
#pragma once

// Reads the X events when the library's background thread is parked, and runs the timer callbacks
// that have fallen due.
void obsluz_pozadi();
