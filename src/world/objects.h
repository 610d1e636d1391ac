// The playfield's records: moving objects, bricks, the shared game-state block and the brick store.
#pragma once
#include "core/constants.h"
#include "core/modes.h"

#include <allegro.h>

constexpr int MAX_KOULI = 10;
constexpr int MAX_PUSEK = 2;
constexpr int MAX_STREL = 30;
constexpr int MAX_BONUSU = 5;
constexpr int POCET_NAS = 55;          // nas[0..10] round state, nas[11..54] row index
constexpr int PRAZDNY_RADEK = -5;      // row index entry of a row without bricks

// Entries of nas.
constexpr int NAS_ZIVOTY = 0;           // spare lives
constexpr int NAS_SKORE = 1;
constexpr int NAS_KOULE_NAVIC = 2;      // 1 = make one more ball at the next tick
constexpr int NAS_DRUH_KOULE = 3;       // 1 grey, 2 blue, 3 red
constexpr int NAS_PRUMER = 4;           // ball diameter 8, 12, 16
constexpr int NAS_SIRKA_PRKNA = 5;      // paddle width 40, 80, 120
constexpr int NAS_PUSKA = 6;            // 1 = guns on the paddle
constexpr int NAS_LEPIDLO = 7;          // 1 = the paddle catches falling balls
constexpr int NAS_NAHODNY_ODRAZ = 8;    // 1 = random paddle bounce angle
constexpr int NAS_MINUTY = 9;           // copy of the play clock
constexpr int NAS_SEKUNDY = 10;
constexpr int NAS_RADKY = 11;           // nas[11 + 2r], nas[12 + 2r]: first and last kostka index of row r

// What the effects fall back to.
constexpr int ZAKLADNI_PRUMER = 12;
constexpr int ZAKLADNI_SIRKA = 80;

// The playfield: walls, ceiling, the line below which a ball is lost, and the paddle's top.
constexpr int STENA_VLEVO = 10;
constexpr int STENA_VPRAVO = 790;
constexpr int STROP = 10;
constexpr int DNO = 590;
constexpr float PRKNO_Y = 557.0f;

// One moving thing of the playfield: paddle, ball, gun barrel, shot or bonus capsule. druh 0 = dead.
struct OBJECT {
    float x, y;                 // left and top edge
    float x_stare, y_stare;     // position when last drawn
    int sirka, vyska;           // size of the current sprite
    float rychlost_x, rychlost_y;   // speed magnitudes; the signs are smer_x / smer_y
    float posun;                // resting ball: offset of its left edge from the paddle's left edge
    int smer_x, smer_y;         // -1, 0, +1
    bool aktivni;               // ball in flight / capsule caught
    int velikost;               // ball diameter, paddle width, 0 otherwise
    int druh;                   // kind refinement; 0 = dead
    int posledni_kostka;        // ball: pozice of the brick last bounced off, -1 none
    float krok;                 // ball: step length its speed was last set from
    BITMAP* obrazek;            // sprite, owned by the datafile
};

// One brick. zasahy 0 = destroyed, removed at the end of the frame.
struct KOSTKA {
    int x, y;
    int druh;                   // 1..10
    int bonus;                  // 1..16, 0 none
    int zasahy;                 // hits still needed
    int pozice;                 // grid cell 0..439
    BITMAP* obrazek;
};

extern int nas[POCET_NAS];              // shared game state of the round
extern KOSTKA* kostka[POCET_BUNEK];     // live bricks, ascending pozice, no holes
extern int POCET_KOSTEK;
// Counts every brick made and every brick whose picture changed: a search that keeps a map of where
// the bricks stand makes it anew when this moves.
extern unsigned long long zmeny_kostek;

// The step length: the speed in pixels per tick that a ball gets at its next paddle bounce, and the
// limits of the speed bonuses.
extern float hlavni_krok, mini_krok, maxi_krok;

// Writes lives, ricochet, extra-ball request, ball kind, diameter, paddle width, gun and glue.
void nastav(int zivoty, int odraz, int koule_navic, int druh, int prumer, int sirka, int puska, int lepidlo);
// A new object, or null when memory runs out.
OBJECT* novy_object(int res, float x, float y, int velikost, float rychlost_x, float rychlost_y,
                    int smer_x, int smer_y, int druh, int aktivni);
// A new brick with no bonus, or null (also for a type outside 1..10, which has no picture).
KOSTKA* nova_kostka(int x, int y, int druh, int zasahy, int pozice);

// Once per drawn frame: frees the dead objects of an array (the last one takes the hole) and
// remembers where the others were drawn.
void re_last_object(OBJECT** pole, int* pocet);
void re_last_prkno(OBJECT* prkno);
