// New-game set-up: the world of a fresh campaign, and the per-turn cap on the captain's counters.
#pragma once

namespace corvanth {

// Clears the game tables and fills a fresh campaign: goods, star systems, factions and ranks,
// market prices, equipment, the default captain and fleet, the scalars and the arena pauses.
// Uses two draws of the random generator (the pauses of tournaments 2 and 3).
void InitGameData();

// Caps money, field 4, fame and the reputation with the own faction at 900000000.
void ClampPlayerValues();

}  // namespace corvanth
