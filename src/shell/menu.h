// The main menu and the in-game menu: ten items over the background, with the settings panel.
#pragma once

constexpr int MENU_HLAVNI = 1;      // top level: at start-up and after every game
constexpr int MENU_VE_HRE = 2;      // opened from a running round

int menu(int mode);   // mode 2: 662 new round, 0 continue, 664 end; mode 1: 664 when the player quits
bool potvrzeni_nutne(int zvoleno, int ulozeno);   // does leaving with this item need the OK of the dialog
