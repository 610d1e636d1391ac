// The help page's texts. Each body line is measured to fill the page's 640 pixels in the game font,
// so a change of wording means breaking the paragraph's lines anew (the help tests check them).
#include "ui/help_text.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* CZ_O_HRE[] = {
    "Odraz je hra pro jednoho hráče: myší posouváte prkno u dolního okraje plochy a odrážíte koule proti kostkám.",
    "Úroveň vyhrajete rozbitím všech kostek, které rozbít lze. P hru pozastaví, Esc otevře menu.",
};
constexpr const char* CZ_MENU[] = {
    "Nabídka menu je běžná: položky, které právě nelze použít, jsou šedé. Uložených her může být nejvýše dvacet;",
    "chcete-li uložit další, vyberte některou starší uloženou hru a nová hra se uloží na její místo.",
};
constexpr const char* CZ_BONUSY[] = {
    "Některé kostky skrývají bonus, který po rozbití kostky padá dolů; chytíte-li ho prknem, získáte 50 bodů a bonus",
    "začne působit. Některé bonusy se navzájem ruší, například rudou kouli a střelu nelze mít současně. Bonusy se",
    "kostkám přidělují náhodně při přípravě úrovně, u nahrané hry až po načtení všech údajů.",
};
constexpr const char* CZ_EDITOR[] = {
    "Hra se dodává s %d %s a další si můžete vytvořit sami v editoru. Vyberte na liště dole druh kostky a levým",
    "tlačítkem myši ji položte do mřížky, nebo tlačítko držte a táhněte myší přes celou oblast; prázdné pole na levém",
    "konci lišty maže. Úroveň lze uložit tlačítkem OK, jen když obsahuje alespoň jednu kostku, kterou rozbije šedá",
    "koule; úroveň jen ze šedých kostek by nešlo dohrát. Před uložením vyplňte tlačítkem Autor jméno autora, aby se",
    "u úrovně ve hře i v galerii ukazovalo vaše jméno. Jméno smí mít nejvýše dvanáct písmen bez háčků a čárek nebo",
    "mezer a potvrdíte ho klávesou Enter. Cancel editor opustí bez uložení.",
};
constexpr const char* CZ_SDILENI[] = {
    "Editor ukládá úrovně jednu po druhé do adresáře Level pod prvním volným číslem, šestou úroveň tedy jako",
    "level_006.lvl. Chcete-li se o svou úroveň podělit, pošlete soubor z adresáře Level přátelům; ti si ho uloží do svého",
    "adresáře Level pod nejbližším volným číslem. Převodník odraz_level z úrovně udělá prostý text a z textu zase",
    "soubor úrovně, takže úroveň můžete poslat i v těle e-mailu nebo ji upravit v textovém editoru. Hra hraje úrovně",
    "podle čísel a skončí vítězstvím, jakmile soubor s dalším číslem chybí. Mezera v číslování proto hru ukončí",
    "předčasně: smažete-li úroveň 6, hra skončí po úrovni 5, i když existují úrovně až do 10. Chcete-li úroveň z",
    "prostředka vyřadit, přečíslujte ty za ní tak, aby mezera nevznikla. Náhledy všech úrovní s jejich čísly a autory",
    "ukáže tlačítko úrovně dole na této stránce.",
};
constexpr const char* CZ_HUDBA[] = {
    "Hudba je ve formátu MIDI. V adresáři Midi může být až devět skladeb, midi1.mid až midi9.mid, a kteroukoli z nich",
    "smíte nahradit vlastním souborem MIDI se stejným jménem. V menu zvolíte jednu skladbu stále dokola, všechny",
    "skladby postupně nebo hru bez hudby.",
};
constexpr const char* CZ_UPOZORNENI[] = {
    "Odraz je freeware: smíte ho zdarma hrát i dávat dalším lidem. Hra se dodává bez jakékoli záruky, a proto ji",
    "hrajete na vlastní nebezpečí.",
};
constexpr ODDIL_NAPOVEDY ODDILY_CZ[] = {
    {"Odraz - o hře:", CZ_O_HRE},       {"Nabídka menu:", CZ_MENU},   {"Bonusy:", CZ_BONUSY},
    {"Editor kol:", CZ_EDITOR},         {"Posílejte nová kola:", CZ_SDILENI},
    {"Hudební volby:", CZ_HUDBA},       {"Upozornění:", CZ_UPOZORNENI},
};

constexpr const char* EN_O_HRE[] = {
    "Odraz is a brick-breaker for one player: move the board with the mouse and break the bricks.",
};
constexpr const char* EN_MENU[] = {
    "The menu is a plain one; grey items cannot be used at the moment. There are twenty places for saved games: to",
    "save a twenty-first game, choose an older saved game and the new one is saved in its place.",
};
constexpr const char* EN_BONUSY[] = {
    "Some bricks hide a capsule that falls when the brick breaks; catch it with the board to win 50 points and its",
    "effect. Some bonuses cancel each other, so you cannot have the red ball and the shot at the same time. Bonuses",
    "are given to bricks at random whenever a level is set up, and for a loaded game only after all its data are loaded.",
    "The left button launches the ball and fires the shot, P pauses the game, Esc opens the menu.",
};
constexpr const char* EN_EDITOR[] = {
    "The game comes with %d %s and you can add as many of your own as you like. In the editor, pick a brick type",
    "on the bar at the bottom and place it with the left mouse button, or hold the button and drag the mouse to fill a",
    "whole area; the empty tile at the left end of the bar erases. A level can be saved with OK only when it holds at",
    "least one brick that the grey ball can break, since a level of grey bricks alone could never be finished. Fill in the",
    "author field with the Author button before saving, so that your name is shown with the level in the game and in",
    "the gallery. The name takes up to twelve plain letters or spaces and Enter confirms it.",
};
constexpr const char* EN_SDILENI[] = {
    "The editor saves each new level in the directory Level under the first free number, one after another: the sixth",
    "level becomes level_006.lvl. To share a level, give the file from Level to your friends, who put it in their own Level",
    "directory under their next free number. The converter odraz_level turns a level file into plain text and back, so a",
    "level can travel in the body of an e-mail or be edited in any text editor. The game plays the levels in the order of",
    "their numbers and ends with a win when there is no file with the next number, so a gap ends the game early:",
    "delete level 6 and the game ends after level 5, even if levels up to 10 exist. The button levels below shows every",
    "level with its author.",
};
constexpr const char* EN_HUDBA[] = {
    "The music is MIDI. The directory Midi holds up to nine pieces, midi1.mid to midi9.mid, and you may replace any of",
    "them with your own MIDI files under the same names. In the menu you choose one piece to repeat, all pieces one",
    "after another, or no music at all.",
};
constexpr const char* EN_UPOZORNENI[] = {
    "Odraz is freeware: you may play it and give it away free of charge. It comes without any warranty of any kind, and",
    "you play it at your own risk.",
};
constexpr ODDIL_NAPOVEDY ODDILY_EN[] = {
    {"Odraz - About the game:", EN_O_HRE}, {"Menu:", EN_MENU},       {"Bonuses:", EN_BONUSY},
    {"Level editor:", EN_EDITOR},          {"Send new levels:", EN_SDILENI},
    {"Music Options:", EN_HUDBA},          {"Notice:", EN_UPOZORNENI},
};

}  // namespace

const TEXT_NAPOVEDY NAPOVEDA_CZ = {ODDILY_CZ, "úrovní", "úrovněmi", "Odraz, verze %s"};
const TEXT_NAPOVEDY NAPOVEDA_EN = {ODDILY_EN, "level", "levels", "Odraz, version %s"};

std::string radek_napovedy(const TEXT_NAPOVEDY& t, const char* radek, int urovni)
{
    if (std::string_view(radek).find("%d %s") == std::string_view::npos) return radek;
    char s[256];
    std::snprintf(s, sizeof s, radek, urovni, urovni == 1 ? t.jedna_uroven : t.vice_urovni);
    return s;
}
