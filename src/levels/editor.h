// The level editor.
#pragma once

void level_editor();   // draws, names and saves a new level, or edits the one saved last
