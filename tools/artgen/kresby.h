// Every picture of the game, drawn by code. Each function returns the picture at its final size; coverage
// below the mask threshold becomes the transparent colour for sprites.
#pragma once
#include <string>

#include "obraz.h"

constexpr int SIRKA_KOSTKY = 39, VYSKA_KOSTKY = 20;
constexpr int POCET_TYPU_KOSTEK = 11;  // type 0 (the editor's empty cell) and types 1..10
constexpr int POCET_BONUSU = 16;

barva barva_kostky(int typ);        // the colour family of a brick type
obraz kostka(int typ);              // 39 x 20
obraz mini_kostka(int typ);         // 10 x 5

barva barva_koule(int druh);        // 1 grey, 2 blue, 3 red
obraz koule(int druh, int prumer);  // prumer x prumer
obraz prkno(int druh, int sirka);   // sirka x 20
obraz hlaven(bool prava);           // gun barrel, 10 wide
obraz strela();

obraz kapsle(int bonus);            // bonus 1..16, 30 x 15
obraz ukazatel();                   // the mouse pointer, hotspot at (0, 0)

obraz ram_hriste();                 // frame pieces, 50 x 50
obraz listy(bool rozsvicene);       // bar pieces, 250 x 20
obraz textura_okna();               // window sheet, 50 x 50
obraz panel_dialogu();              // 390 x 220
obraz tlacitko(bool rozsvicene);    // 80 x 25

obraz pozadi_menu(const std::string& pismo_titulku);  // 800 x 600
obraz ikona(int velikost);          // the desktop icon, velikost x velikost, transparent around its tile
