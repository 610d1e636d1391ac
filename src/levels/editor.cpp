// The level editor: the choice between a new level and the one saved last, the drawing with its
// dialogs, saving, and the notices that follow. Each of them is a run of the one screen loop.
#include "levels/editor.h"

#include "core/globals.h"
#include "core/level_file.h"
#include "core/binary_file.h"
#include "core/resources.h"
#include "levels/editor_dialogs.h"
#include "platform/platform.h"
#include "sound/sound.h"
#include "ui/name_field.h"
#include "ui/playfield.h"
#include "ui/screen_loop.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr char BEZ_JMENA[] = "- - - - -";

struct EDITOR {
    int mrizka[POCET_BUNEK] = {};
    int cislo = 0;              // the level number it saves under; 0 while none is free
    bool nova = true;           // a new level, not the one saved last
    std::string soubor = BEZ_JMENA;
    char jmeno[MAX_JMENO] = {};
    char zaloha[MAX_JMENO] = {};   // the name as last accepted
    int pozice = 0;
    int vybrany = 1;
    int najete = NAJETO_NIC;
    int odpoved = DIALOG_NIC;
    int stav = EDITOR_KRESLI;
    int tah_x = -1, tah_y = -1;    // where the held button was at the last pass, -1 not held
};

bool obsahuje(const int* mrizka, int od, int po)
{
    for (int i = 0; i < POCET_BUNEK; i++)
        if (mrizka[i] >= od && mrizka[i] <= po) return true;
    return false;
}

void kresli_editor(const EDITOR& e, const char* jmeno, const char* soubor, const int* mrizka, BITMAP* b)
{
    kresli_pozadi_kola(POZADI_OBRAZOVKA, "", b);
    zobraz_vse(jmeno, soubor, mrizka, 10, 790, 10, 550, e.vybrany, e.najete, b);
}

void kresli_editor(const EDITOR& e, BITMAP* b) { kresli_editor(e, e.jmeno, e.soubor.c_str(), e.mrizka, b); }

// A new level or the one saved last: only one of the two buttons ends the choice.
int nova_nebo_editace(const EDITOR& e, int cislo_v_textu)
{
    static const int PRAZDNA[POCET_BUNEK] = {};
    int odpoved = DIALOG_NIC, volba = 0;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            odpoved = tlacitko_dialogu(mys_x, mys_y);
            if (s->klik == KLIK_PUSTIL && odpoved != DIALOG_NIC) volba = odpoved;
            s->konec = volba != 0;
        },
        [&](BITMAP* b) {
            kresli_editor(e, BEZ_JMENA, BEZ_JMENA, PRAZDNA, b);
            pis_info(DIALOG_NOVA_NEBO_EDIT, BEZ_JMENA, BEZ_JMENA, cislo_v_textu, odpoved, b);
        });
    return volba;
}

// The level saved last in this run, read back through the level reader; a missing file leaves the
// grid empty and is written anew under the same number.
void edituj_posledni(EDITOR* e)
{
    e->nova = false;
    e->cislo = vytvorena;
    e->soubor = jmeno_urovne(vytvorena);
    UROVEN u;
    nacti_uroven(e->soubor.c_str(), &u);
    std::memcpy(e->mrizka, u.bunky, sizeof e->mrizka);
}

// A one-button notice over the editor screen, until its OK is clicked.
void oznameni(const EDITOR& e, const std::function<void(int, BITMAP*)>& dialog)
{
    int odpoved = 1;
    OBRAZOVKA o;
    spust_obrazovku(
        &o,
        [&](OBRAZOVKA* s) {
            odpoved = tlacitko_ok(mys_x, mys_y);
            s->konec = s->klik == KLIK_PUSTIL && odpoved == DIALOG_OK;
        },
        [&](BITMAP* b) {
            kresli_editor(e, b);
            dialog(odpoved, b);
        });
}

void hlaseni(const EDITOR& e, int druh)
{
    oznameni(e, [&](int odpoved, BITMAP* b) { pis_hlaseni(druh, e.soubor.c_str(), odpoved, b); });
}

// Every cell on the way from where the pointer was at the last pass to where it is now, so that a
// quick stroke leaves no gaps.
void namaluj_tah(EDITOR* e, int x, int y)
{
    int x0 = e->tah_x < 0 ? x : e->tah_x, y0 = e->tah_y < 0 ? y : e->tah_y;
    int kroku = std::max(std::abs(x - x0) / 8, std::abs(y - y0) / 4) + 1;
    for (int k = 0; k <= kroku; k++) {
        int bunka = zjisti_cursor(x0 + (x - x0) * k / kroku, y0 + (y - y0) * k / kroku, 10, 10);
        if (bunka >= 0) e->mrizka[bunka] = e->vybrany;
    }
    e->tah_x = x;
    e->tah_y = y;
}

// Drawing: the held button paints the cells it passes over, the release picks a palette entry and a button.
void kresleni(EDITOR* e, int klik, bool rozbitna)
{
    e->najete = zjisti_najete(mys_x, mys_y, rozbitna ? 1 : 0);
    if (klik == KLIK_DRZI) namaluj_tah(e, mys_x, mys_y);
    else e->tah_x = e->tah_y = -1;
    if (klik != KLIK_PUSTIL) return;
    e->vybrany = zjisti_vybrane(mys_x, mys_y, e->vybrany);
    e->stav = e->najete;
    if (e->stav == EDITOR_JMENO) {
        std::memset(e->jmeno, 0, MAX_JMENO);
        e->najete = 0;
    }
}

// One pass of the editing: what the state does with the input, then whether the loop goes on.
void krok(EDITOR* e, OBRAZOVKA* o)
{
    bool rozbitna = obsahuje(e->mrizka, 1, KOSTKA_PET_ZASAHU), nejaka = obsahuje(e->mrizka, 1, KOSTKA_SEDA);
    int stav = e->stav;
    if (e->stav == EDITOR_KRESLI) {
        kresleni(e, o->klik, rozbitna);
    } else if (e->stav == EDITOR_JMENO) {
        char pred[MAX_JMENO];
        std::memcpy(pred, e->jmeno, MAX_JMENO);
        pis_jmeno(&e->pozice, e->jmeno, e->zaloha, &e->stav);
        if (std::memcmp(pred, e->jmeno, MAX_JMENO) != 0) o->zmena = true;
    } else {
        e->odpoved = zjisti_konec(mys_x, mys_y, e->stav);
        if (o->klik == KLIK_PUSTIL) e->stav = e->odpoved;
    }
    if (e->stav == EDITOR_DOTAZ_OPUSTIT && !nejaka) e->stav = EDITOR_OPUSTIT;   // nothing to lose
    if (e->stav == EDITOR_DOTAZ_ULOZIT || e->stav == EDITOR_DOTAZ_OPUSTIT)
        e->odpoved = zjisti_konec(mys_x, mys_y, e->stav);                       // lit from the first frame
    if (e->stav != EDITOR_JMENO) plat_vyprazdni_klavesy();                     // keys act only on the name
    if (e->stav != stav) o->zmena = true;
    o->mys = e->stav != EDITOR_JMENO;
    o->konec = e->stav <= EDITOR_OPUSTIT;
}

void edituj(EDITOR* e)
{
    OBRAZOVKA o;
    spust_obrazovku(
        &o, [e](OBRAZOVKA* s) { krok(e, s); },
        [e](BITMAP* b) {
            kresli_editor(*e, b);
            if (e->stav >= EDITOR_JMENO && e->stav <= EDITOR_DOTAZ_OPUSTIT)
                pis_info(e->stav - EDITOR_KRESLI, e->soubor.c_str(), e->jmeno, e->cislo, e->odpoved, b);
        });
}

enum VYSLEDEK_ULOZENI { ULOZENO, PLNO, NEULOZENO };

// A new level never replaces a file that appeared under its number meanwhile. The counts change only
// once the file is written whole.
VYSLEDEK_ULOZENI uloz(EDITOR* e)
{
    if (e->nova && soubor_existuje(e->soubor.c_str())) {
        int volna = prvni_volna_uroven();
        if (volna == 0) return PLNO;
        e->cislo = volna;
        e->soubor = jmeno_urovne(volna);
    }
    UROVEN u{};
    std::memcpy(u.bunky, e->mrizka, sizeof u.bunky);
    std::memcpy(u.autor, e->jmeno, MAX_JMENO);
    u.autor[MAX_JMENO - 1] = 0;
    if (!zapis_uroven(e->soubor.c_str(), u)) return NEULOZENO;
    vytvorena = e->cislo;
    pocet_kol = souvisle_urovne();
    return ULOZENO;
}

}  // namespace

void pis_jmeno(int* pozice, char* jmeno, char* zaloha, int* stav)
{
    KLAVESA_JMENA k = klavesa_jmena(pozice, jmeno);
    if (k == JMENO_ENTER) {
        std::memcpy(zaloha, jmeno, MAX_JMENO);
        *stav = EDITOR_KRESLI;
    } else if (k == JMENO_ESC) {
        std::memcpy(jmeno, zaloha, MAX_JMENO);
        *pozice = 0;
        *stav = EDITOR_KRESLI;
        zvuk(snd_click);
    }
}

void level_editor()
{
    EDITOR e;
    e.cislo = prvni_volna_uroven();
    if (e.cislo != 0) e.soubor = jmeno_urovne(e.cislo);
    std::memcpy(e.jmeno, autor_jmeno, MAX_JMENO);
    std::memcpy(e.zaloha, autor_jmeno, MAX_JMENO);
    int predchozi = e.cislo != 0 ? e.cislo - 1 : POSLEDNI_UROVEN;
    if (vytvorena != 0 && nova_nebo_editace(e, predchozi) == DIALOG_VPRAVO) edituj_posledni(&e);
    if (e.cislo == 0) {
        hlaseni(e, DIALOG_PLNO);
        return;
    }
    for (;;) {
        edituj(&e);
        if (e.stav == EDITOR_OPUSTIT) break;
        VYSLEDEK_ULOZENI v = uloz(&e);
        if (v == ULOZENO) {
            oznameni(e, [&](int odpoved, BITMAP* b) { pis_info_2(e.soubor.c_str(), e.cislo, odpoved, b); });
            break;
        }
        hlaseni(e, v == PLNO ? DIALOG_PLNO : DIALOG_NEULOZENO);
        e.stav = EDITOR_KRESLI;
    }
    std::memcpy(autor_jmeno, e.jmeno, MAX_JMENO);
}
