// Market prices from the industries in reach, and the owners of a system's planets.
#pragma once

#include "state/variables.h"

namespace corvanth {

// Reprices every planet's market for every defined good from the industries of its own system
// and of the systems one and two jumps away that are friendly to its owner.
void UpdateMarketPrices();

// Holds a market's drifted price inside its band: a floor and a largest drift, both in per cent
// of the base price, by price class; never below 1. A base price outside every class keeps its
// drift unbounded. The daily drift and the warm-up of a new game share it.
void KeepPriceInBand(GameRecord& market);

// Gives every existing location of the system the system's owner.
void SetSystemOwnerToPlanets(int system);

}  // namespace corvanth
