// The life of the program: start-up, the main menu, shutdown.
#pragma once

int hlavni();                       // the whole program; returns 0 in every case
int spocitej_urovne();              // consecutive level files from level 1, 0..999
void nastav_barvy_a_pismo();        // the game font and the three text colours in the screen's format
