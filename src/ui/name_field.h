// Name fields: one key per pass, letters and space up to 12, and a few editing keys.
#pragma once

constexpr int KLAVESA_ENTER = 13;
constexpr int KLAVESA_BACKSPACE = 8;
constexpr int KLAVESA_ESC = 27;

// The next key as a character code: a letter, space, Esc, Enter, Backspace, or 0 for a key without
// a character (arrows, function keys); -1 when no key waits or for any other key.
int novy_znak();
bool je_pismeno(int c);   // a-z, A-Z or space

// What one key did to a name field.
enum KLAVESA_JMENA { JMENO_NIC, JMENO_ZMENENO, JMENO_ENTER, JMENO_ESC };

// The keys waiting for a name field of 13 bytes, in order. A letter or space is added while fewer than
// 12 are typed, Backspace takes the last one off, a key without a character clears the field; each of
// these clicks. Enter with at least one letter zeroes the rest of the field, puts the position back to
// 0, clicks and gives JMENO_ENTER. Esc only gives JMENO_ESC: the caller decides. Either ends the typing
// and empties the keyboard buffer.
KLAVESA_JMENA klavesa_jmena(int* pozice, char* jmeno);
