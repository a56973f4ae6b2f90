// The end of a game: the retirement score, and the run-time mark that the game is over.
#pragma once

#include "state/variables.h"  // GameEnded, ClearGameEnded: the session's mark

namespace corvanth {

// Ends the game: the captain retired, died for good, or the war ended the career. Marks the
// game as ended and unwinds every screen above the main menu with one ui::GameOver, which the
// main menu's loop catches: no code of any screen or rule runs after this call. A rule run with
// no game on the screens (a test, the benchmark) only gets the mark, and the turn engine stops.
void RetireAndScore();

}  // namespace corvanth
