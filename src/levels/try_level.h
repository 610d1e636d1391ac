// The end of a try: the box that closes a level tried from the editor.
#pragma once

// Shows the end-of-try box, waits for a key and ends the game (HRAJE_SE = 0).
void konec_zkousky();
