// Crew pay and the crew's daily life aboard: the pay countdown, morale and incidents.
#pragma once

namespace corvanth {

// The crew's day: the pay countdown and its reminder, morale, crew-size warnings and incidents.
// The turn calls it only while the ship has crew, and reads the crew counts again after it; it
// may end the game.
void CrewTurnStep();

}  // namespace corvanth
