// The turn engine: one day of the game world, the only place where the world moves on by itself.
#pragma once

namespace corvanth {

// Advances the world by one turn (one day). A caller that wants the turn without the random
// encounter sets NoEncounterThisTurn to 1 before the call and back to 0 after it; the turn never
// clears the flag. Returns at once once the game has ended (GameEnded() in shell/retire.h), also
// in the middle of a turn. It redraws nothing but the status panel after a birthday: each caller
// refreshes its own screen afterwards.
void NextTurn();

}  // namespace corvanth
