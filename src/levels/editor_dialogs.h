// The dialogs that the level editor draws over its screen: the author name, saving, leaving, new or
// edit, the notice after saving and the two messages when a level cannot be saved.
#pragma once
#include <allegro.h>
#include <string>
#include <vector>

enum DRUH_DIALOGU : int {
    DIALOG_JMENO = 1,          // typing the author name
    DIALOG_ULOZIT = 2,         // save confirmation
    DIALOG_OPUSTIT = 3,        // leave warning
    DIALOG_NOVA_NEBO_EDIT = 4, // a new level or the one saved last
    DIALOG_NOVA_UROVEN = 5,    // the notice after saving
    DIALOG_PLNO = 6,           // every level number is taken
    DIALOG_NEULOZENO = 7,      // the level file could not be written
};

// The buttons of the dialogs as their hit test answers.
enum : int { DIALOG_VLEVO = 1, DIALOG_VPRAVO = 2, DIALOG_NIC = 3, DIALOG_OK = 2 };

// One body line: its y, the most spreading it may take, and its text with the file and number filled in.
struct RADEK_DIALOGU {
    int y;
    int nejvic;
    std::string text;
};

// The level file name as the player sees it: without its directory.
const char* bez_slozky(const char* soubor);

// The body lines of a dialog in the current language; `soubor` is the level file name with its directory.
std::vector<RADEK_DIALOGU> radky_dialogu(int druh, const char* soubor, int cislo);

// Dialogs 1 to 4 with the editor's name field; `odpoved` lights a button: in dialogs 2 and 3 the left
// one for 1 or 2 and the right one for 3, in dialog 4 the left one for 1 and the right one for 2.
void pis_info(int druh, const char* soubor, const char* jmeno, int cislo, int odpoved, BITMAP* cil);
// The notice after saving, its OK lit when `odpoved` is 2.
void pis_info_2(const char* soubor, int cislo, int odpoved, BITMAP* cil);
// The one-button messages DIALOG_PLNO and DIALOG_NEULOZENO, their OK lit when `odpoved` is 2.
void pis_hlaseni(int druh, const char* soubor, int odpoved, BITMAP* cil);

int tlacitko_dialogu(int x, int y);   // DIALOG_VLEVO, DIALOG_VPRAVO or DIALOG_NIC
int tlacitko_ok(int x, int y);        // DIALOG_OK over the one button, else 1
