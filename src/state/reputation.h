// Fame and reputation: every gain or loss, its notice, and the outcast and criminal moments.
#pragma once

#include <cstdint>

namespace corvanth {

// Standing with a faction by the captain's reputation r there.
inline constexpr int32_t kOutcastBelow = 0;        // r < 0: hostile, an amnesty is still possible
inline constexpr int32_t kCriminalAtMost = -2499;  // r <= -2499: hostile for ever

// Reputation with faction 1..4 goes up (half as much again with the fame-and-reputation cheat),
// with a notice unless switched off; then the promotion check. Another faction changes nothing.
void GainReputation(int faction, int64_t points);

// Reputation with faction 1..4 goes down, with a notice unless switched off; falling out of good
// standing or into crime shows the outcast or criminal screen whatever the switch says, and an
// outcast in the own faction is offered the amnesty. Another faction changes nothing.
void LoseReputation(int faction, int64_t points);

// The captain's fame goes up (with the cheat likewise), notice, promotion check.
void GainFame(int64_t points);

}  // namespace corvanth
