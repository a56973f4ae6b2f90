// The war effort rate that moves the value of war bonds, shared by the bank and the turn engine.
#pragma once

#include "state/tables.h"

namespace corvanth {

// Per cent a turn by the sum of a faction's war scores against the three others; a sum outside
// the table's bands (the scores stay within -3..+3 each) changes nothing.
inline int WarEffortRate(int64_t sum) {
    if (sum >= -100 && sum <= -9) return -6;
    if (sum >= -8 && sum <= -3) return -4;
    if (sum >= -2 && sum <= 2) return -2;
    if (sum >= 3 && sum <= 5) return 0;
    if (sum >= 6 && sum <= 100) return 2;
    return 0;
}

// The war scores of faction f against the other playable factions, summed.
inline int64_t WarScoreSum(int f) {
    if (!PlayableFaction(f)) return 0;
    int64_t sum = 0;
    for (int g = FactionId::Federation; g <= FactionId::Coalition; ++g)
        if (g != f) sum += G().Factions[f][Faction::WarScoreBase + g];
    return sum;
}

}  // namespace corvanth
