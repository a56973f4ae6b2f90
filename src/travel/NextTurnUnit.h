// The turn engine: one day of the game world, the only place where the world moves on by itself.
#pragma once

namespace corvanth {

// Advances the world by one turn (one day). A caller that wants the turn without the random
// encounter sets NoEncounterThisTurn to 1 before the call and back to 0 after it; the turn never
// clears the flag. A game that ends inside the turn unwinds it with ui::GameOver up to the main
// menu (shell/retire.h), so no later step runs; after the end mark (GameEnded) a turn does
// nothing. It redraws nothing: each caller refreshes its own screen afterwards.
void NextTurn();

// The age drug: the dealer sells at most this many doses, and more work no better than these.
inline constexpr int kAgeDrugMaxDoses = 5;
// Years the doses taken push the fatal heart attack back: 0, 10, 15, 17, 18, 20 for 0..5.
int AgeDrugExtraYears(int doses);

}  // namespace corvanth
