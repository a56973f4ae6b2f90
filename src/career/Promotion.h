// Promotions and awards: the next step of the captain's career when fame and reputation allow.
#pragma once

namespace corvanth {

// Compares fame and the reputation with the own faction against the next thresholds and takes
// the award step they reach. Safe to call at any moment of a running game, many times in a row.
void CheckPromotion();

}  // namespace corvanth
