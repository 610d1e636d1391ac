// The editor's dialogs: one 390 x 220 panel at (205, 110), a title, justified body lines, and their buttons.
#include "levels/editor_dialogs.h"

#include "core/globals.h"
#include "core/resources.h"
#include "ui/text.h"
#include "ui/window.h"

#include <cstring>

namespace {

struct RADEK {
    int y;
    int nejvic;
    const char* text;   // "%s" stands for the file name, "%d" for the number
};

constexpr int RADKU_NEJVIC = 7;

struct TEXTY_DIALOGU {
    const char* nadpis;
    RADEK radky[RADKU_NEJVIC];
};

// Czech first, English second, for every dialog in the order of DRUH_DIALOGU.
const TEXTY_DIALOGU DIALOGY[DIALOG_NEULOZENO][2] = {
    {{"JMÉNO AUTORA ÚROVNĚ",
      {{145, 100, "Zadejte jméno, kterým se bude prezentovat tato úroveň."},
       {165, 100, "Lze zadat maximálně 12 znaků bez háčků a čárek. Pro"},
       {185, 100, "opuštění bez uložení jména stiskněte Esc. Pro uložení"},
       {205, 100, "zadaného jména stiskněte Enter. Pro jednotnost bych si"},
       {225, 100, "dovolil doporučit psát první písmeno velkým písmem a"},
       {245, 100, "každé další, pokud se nejedná o druhé jméno, písmem"},
       {265, 100, "malým. Je to ovšem pouze doporučení."}}},
     {"AUTHOR OF THIS LEVEL",
      {{155, 100, "Enter author name of this level. It is able to enter only"},
       {175, 100, "12 signs without wedges and commas. To leave without"},
       {195, 100, "saving the name press Esc. To save the choosen name"},
       {215, 100, "press Enter. I would recommend to write the first letter"},
       {235, 100, "big and next letters small (if it was not an initial letter"},
       {255, 20, "of a second word). But it is only recommendation."}}}},
    {{"CO CHCETE DĚLAT",
      {{155, 100, "Volbou OK uložíte Vámi vytvořenou úroveň. Hra bude"},
       {175, 100, "mít celkem %d úrovní. Pokud jste si opravdu jisti, že tak"},
       {195, 100, "chcete učinit, stiskněte OK. Pokud ne, Cancel Vás vrátí"},
       {215, 100, "k editaci. Uloženou úroveň odstraníte smazáním souboru jména"},
       {235, 100, "%s ve složce Level."}}},
     {"WHAT YOU WANT DO",
      {{155, 100, "Choose OK and you will save your created level. The Game"},
       {175, 100, "will have %d levels. If you are sure, that you want to do"},
       {195, 100, "it, press OK. If not, Cancel will return you to the editor."},
       {215, 100, "Saved level is able to eliminate by deleting the file name"},
       {235, 100, "%s in directory Level."}}}},
    {{"UPOZORĚNÍ",
      {{170, 100, "Volbou OK přijdete o Vaše právě vytvořená data. Pokud"},
       {190, 100, "chcete pokračovat v editaci, stiskněte Cancel. Pro"},
       {210, 100, "uložení úrovně nyní stiskněte Cancel a následně v pravém"},
       {230, 100, "dolním rohu tlačítko OK. Tím se dostanete k uložení úrovně."}}},
     {"ATTENTION",
      {{170, 100, "Choose OK and you will lose your created data. If you"},
       {190, 100, "want to continue in editing, press Cancel. To save the"},
       {210, 100, "level press Cancel and in right down corner OK. You will"},
       {230, 100, "save the level this way."}}}},
    {{"CO CHCETE DĚLAT",
      {{170, 100, "Pokud chcete vytvářet novou úroveň, stiskněte tlačítko"},
       {190, 100, "nové. Pokud jste při vyzkoušení své vytvořené %d úrovně"},
       {210, 50, "nalezli chyby a chcete ji editovat, stiskněte editovat."}}},
     {"WHAT YOU WANT DO",
      {{170, 100, "If you want create new level choose button new. If"},
       {190, 100, "you in testing your created level %d find errors and you"},
       {210, 50, "want that to correct, choose edit."}}}},
    {{"NOVÁ ÚROVEŇ",
      {{155, 100, "Vytvořili jste soubor %s ve složce Level. Hra má"},
       {175, 100, "nyní %d úrovní. Autor bude velice rád, pokud svůj výtvor"},
       {195, 100, "nabídnete i jiným hráčům, aby si ho mohli přidat k dalším"},
       {215, 100, "úrovním. V tom případě čtěte nápovědu hry, kde je"},
       {235, 100, "podrobnější info."}}},
     {"NEW LEVEL",
      {{155, 100, "You have created a file %s in the directory Level."},
       {175, 100, "The game has now %d levels. Author will be very glad, if"},
       {195, 100, "you offer your creation to other players as well, so that"},
       {215, 100, "they could add it to their own levels and play it too."},
       {235, 20, "In that case read Help, where is more detailed info."}}}},
    {{"ŽÁDNÉ VOLNÉ ČÍSLO ÚROVNĚ",
      {{155, 100, "Ve složce Level už jsou všechny úrovně od 1 do 999, víc"},
       {175, 100, "jich hra neočísluje. Novou úroveň proto nelze uložit a"},
       {195, 100, "žádný soubor nebyl změněn. Chcete-li vytvořit další,"},
       {215, 100, "uvolněte nejprve číslo smazáním některého souboru ve"},
       {235, 20, "složce Level."}}},
     {"NO FREE LEVEL NUMBER",
      {{155, 100, "The directory Level already holds every level from 1 to"},
       {175, 100, "999, the game numbers no more. The new level cannot be"},
       {195, 100, "saved and no file was changed. To create another one,"},
       {215, 100, "free a number first by deleting a file in the directory"},
       {235, 20, "Level."}}}},
    {{"CHYBA ZÁPISU",
      {{155, 100, "Soubor %s ve složce Level se nepodařilo zapsat,"},
       {175, 100, "úroveň uložena nebyla. Zůstává však v editoru: zkontrolujte"},
       {195, 100, "složku Level a volné místo na disku a uložte ji znovu,"},
       {215, 20, "nebo editor opusťte tlačítkem Cancel."}}},
     {"WRITE ERROR",
      {{155, 100, "The file %s in the directory Level could not be"},
       {175, 100, "written and the level was not saved. It stays in the"},
       {195, 100, "editor: check the directory Level and the free disk space"},
       {215, 20, "and save it again, or leave the editor with Cancel."}}}},
};

const TEXTY_DIALOGU& texty(int druh) { return DIALOGY[druh - 1][jazyk == 1 ? 0 : 1]; }

// The one "%s" or "%d" of a line filled in.
std::string dosad(const char* vzor, const char* soubor, int cislo)
{
    std::string s = vzor;
    size_t i = s.find("%s");
    if (i != std::string::npos) s.replace(i, 2, bez_slozky(soubor));
    i = s.find("%d");
    if (i != std::string::npos) s.replace(i, 2, std::to_string(cislo));
    return s;
}

constexpr TLACITKO OK_CANCEL[] = {
    {DIALOG_VLEVO, 240, 297, {"OK", "OK"}},
    {DIALOG_VPRAVO, 480, 297, {"Cancel", "Cancel"}},
};
constexpr TLACITKO NOVE_EDITOVAT[] = {
    {DIALOG_VLEVO, 240, 297, {"nové", "new"}},
    {DIALOG_VPRAVO, 480, 297, {"editovat", "edit"}},
};
constexpr TLACITKO JEN_OK[] = {{DIALOG_OK, 360, 297, {"OK", "OK"}}};

// The panel, the title and the body lines of a dialog.
void ramec(int druh, const char* soubor, int cislo, BITMAP* cil)
{
    blit(obr(bmp_dialog_panel), cil, 0, 0, 205, 110, 390, 220);
    textprintf_centre_ex(cil, font, 400, 117, BARVA_1, -1, "%s", texty(druh).nadpis);
    for (const RADEK_DIALOGU& r : radky_dialogu(druh, soubor, cislo))
        vypis_zarovnane(cil, r.text.c_str(), 230, 570, r.y, BARVA_1, r.nejvic);
}

}  // namespace

const char* bez_slozky(const char* soubor)
{
    static constexpr char SLOZKA[] = "Level/";
    size_t n = sizeof SLOZKA - 1;
    return std::strncmp(soubor, SLOZKA, n) == 0 ? soubor + n : soubor;
}

std::vector<RADEK_DIALOGU> radky_dialogu(int druh, const char* soubor, int cislo)
{
    std::vector<RADEK_DIALOGU> v;
    if (druh < DIALOG_JMENO || druh > DIALOG_NEULOZENO) return v;
    for (const RADEK& r : texty(druh).radky)
        if (r.text) v.push_back({r.y, r.nejvic, dosad(r.text, soubor, cislo)});
    return v;
}

void pis_info(int druh, const char* soubor, const char* jmeno, int cislo, int odpoved, BITMAP* cil)
{
    ramec(druh, soubor, cislo, cil);
    if (druh == DIALOG_JMENO) {
        textprintf_centre_ex(cil, font, 400, 302, BARVA_1, -1, "%s", jmeno);
    } else if (druh == DIALOG_ULOZIT || druh == DIALOG_OPUSTIT) {
        if (druh == DIALOG_ULOZIT)
            textprintf_right_ex(cil, font, 570, 255, BARVA_1, -1, "%s %s",
                                tx({"Autor úrovně:", "Author of level:"}), jmeno);
        int lit = odpoved == 1 || odpoved == 2 ? DIALOG_VLEVO : odpoved == 3 ? DIALOG_VPRAVO : 0;
        kresli_tlacitka(cil, OK_CANCEL, lit);
    } else if (druh == DIALOG_NOVA_NEBO_EDIT) {
        kresli_tlacitka(cil, NOVE_EDITOVAT, odpoved);
    }
}

void pis_info_2(const char* soubor, int cislo, int odpoved, BITMAP* cil)
{
    ramec(DIALOG_NOVA_UROVEN, soubor, cislo, cil);
    kresli_tlacitka(cil, JEN_OK, odpoved);
}

void pis_hlaseni(int druh, const char* soubor, int odpoved, BITMAP* cil)
{
    ramec(druh, soubor, 0, cil);
    kresli_tlacitka(cil, JEN_OK, odpoved);
}

int tlacitko_dialogu(int x, int y) { return tlacitko_na(OK_CANCEL, x, y, DIALOG_NIC); }

int tlacitko_ok(int x, int y) { return tlacitko_na(JEN_OK, x, y, 1); }
