// The end of a game: the retirement score, and the run-time mark that the game is over.
#pragma once

namespace corvanth {

// Ends the game: the captain retired, died for good, or the war ended the career. Marks the
// game as ended and unwinds every screen above the main menu.
void RetireAndScore();

// True from the end of a game until a new game or a load starts the next one. Not saved. The turn
// engine returns at once while it is set, and a trip stops its timer and closes.
bool GameEnded();
// A new game and a load call this before the first turn of the game they start.
void ClearGameEnded();

}  // namespace corvanth
