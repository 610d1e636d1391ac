// Name fields: one key per pass, letters, space and a few editing keys.
#pragma once

constexpr int KLAVESA_ENTER = 13;
constexpr int KLAVESA_BACKSPACE = 8;
constexpr int KLAVESA_ESC = 27;

// The next key as a character code: a letter, space, Esc, Enter, Backspace, or 0 for a key without
// a character (arrows, function keys); -1 when no key waits or for any other key.
int novy_znak();
bool je_pismeno(int c);   // a-z, A-Z or space
