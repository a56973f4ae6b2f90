// Crew management: who can be hired where.
#pragma once

namespace corvanth {

// Draws the hireable crew of every kind at every location anew, by the captain's rank in the own
// faction. Once per turn, and once per warm-up pass of a new game.
void RegenerateHireableCrew();

}  // namespace corvanth
