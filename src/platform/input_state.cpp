// The input state shared by both drivers: the pointer and buttons as of the last poll.
#include "platform/platform.h"

int mys_x = 0, mys_y = 0, mys_b = 0;
