// The level editor.
#include "levels/editor.h"

void level_editor() {}
