// The balls: making them, their flight between the walls, the launch from the paddle, the extra ball,
// and what follows the loss of the last one.
#pragma once
#include "world/objects.h"

// A new ball of the current kind and size resting on the paddle, with its left edge at (x, y); null
// when memory runs out.
OBJECT* udelej_kouli(float x, float y);

// One tick of every ball: flight with the wall bounces and the loss at the bottom; a resting ball
// rides on the paddle.
void re_koule(OBJECT** koule, int pocet, OBJECT* prkno);

// Launches every ball that rests on the paddle (the left button is down).
void aktivace_kouli(OBJECT** koule, int pocet);

// With no ball left: a spare life buys a new ball and resets the effects and the speed, otherwise
// 660 goes into *stav.
void kontrola_stavu_kouli(OBJECT* prkno, OBJECT** koule, int* pocet, int* stav);

// Makes the ball that "ball +" asked for, if fewer than ten are in play; the request is used up.
void nova_koule(OBJECT* prkno, OBJECT** koule, int* pocet);
