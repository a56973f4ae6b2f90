// New-game set-up: the world of a fresh campaign, and the per-turn cap on the captain's counters.
#pragma once

#include <array>
#include <cstdint>

namespace corvanth {

// Clears the game tables and fills a fresh campaign: goods, star systems, factions and ranks,
// market prices, equipment, the default captain and fleet, the scalars and the arena pauses.
// Uses two draws of the random generator (the pauses of tournaments 2 and 3).
void InitGameData();

// The catalogue's base prices of good 1..20 by supply level 0..4, as every new game sets them;
// all 0 for any other good.
std::array<int32_t, 5> GoodPricesByLevel(int good);

// Caps money, field 4, fame and the reputation with the own faction at 900000000.
void ClampPlayerValues();

}  // namespace corvanth
