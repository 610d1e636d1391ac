// Bonus capsules: released by destroyed bricks, falling, caught by the paddle.
#pragma once
#include "world/objects.h"

constexpr int BONUS_ZIVOT_PLUS = 1;
constexpr int BONUS_ZIVOT_MINUS = 2;
constexpr int BONUS_KOULE_PLUS = 3;
constexpr int BONUS_DALSI_UROVEN = 16;
constexpr int POCET_DRUHU_BONUSU = 16;
constexpr int BODY_ZA_BONUS = 50;

// Walks the bricks backwards: every destroyed brick with a bonus drops its capsule, unless five are
// falling already or a capsule lies in the 40 x 25 rectangle at the brick's corner (then the bonus
// is lost).
void novy_bonus(KOSTKA** kostky, int pocet, OBJECT** bonusy, int* pocet_bonusu);

// Moves the capsules down; one below the playfield dies.
void re_bonus(OBJECT** bonusy, int pocet);

// Capsules touching the paddle are caught: 50 points each, and their effect waits for menit_nastaveni.
void brat_bonus(OBJECT* prkno, OBJECT** bonusy, int pocet);
