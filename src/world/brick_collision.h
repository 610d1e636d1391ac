// Balls and shots against bricks: which brick is touched, from which side or corner a ball bounces,
// and how much damage the brick takes by the kind of the ball.
#pragma once
#include "world/objects.h"

// Sides found by the ball test; the corner test reports ROH.
constexpr int STRANA_NAHORE = 1;
constexpr int STRANA_DOLE = 2;
constexpr int STRANA_VLEVO = 3;
constexpr int STRANA_VPRAVO = 4;
constexpr int ROH = 5;

// One tick of every ball against the bricks: at most one brick by a side and one by a corner per
// ball. Returns 1 when any brick was hit.
int odraz_od_kostek(KOSTKA** kostky, int pocet, OBJECT** koule, int pocet_kouli);

// The corner test of one ball and one brick: 0 no contact, ROH contact; *odrazil = 1 when the ball
// turned (the caller sets it to 0 first).
int odraz_body_k(KOSTKA* k, OBJECT* koule, int* odrazil);

// One tick of every shot against the bricks of the row above it. Returns 1 when any brick was hit.
int odraz_str_od_kostek(KOSTKA** kostky, int pocet, OBJECT** strely, int pocet_strel);
