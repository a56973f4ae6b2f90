// Money rules: the captain's net worth, the crew's wages and royalties, the droid fee.
#pragma once

#include <cstdint>

namespace corvanth {

// Ship 1 of the player's fleet at half its value with its equipment, plus the hold at local
// prices, plus money, minus loans, plus war bonds; never below 0.
int32_t CalcFortune();

// Wages of the crew for the given number of turns; droids and adventurers draw none.
int32_t CalcCrewWages(int32_t turns, int32_t officers, int32_t droids, int32_t mercenaries,
                      int32_t adventurers, int32_t scoundrels);

// Per cent of the net-worth growth that the crew claims; droids claim nothing.
int32_t CalcCrewRoyaltyPercent(int32_t officers, int32_t droids, int32_t mercenaries,
                               int32_t adventurers, int32_t scoundrels);

// One-time fee for hiring droids.
int32_t CalcDroidFee(int32_t droids);

}  // namespace corvanth
