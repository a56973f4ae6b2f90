// Random encounters in space: an opposing ship for the fleet's system and the approach screens.
#pragma once

namespace corvanth {

// Builds a random opposing ship for the fleet's system and runs the encounter screens; returns
// when the encounter is over. The player's ship may be lost meanwhile (its Present field 0).
void StartRandomEncounter();

}  // namespace corvanth
