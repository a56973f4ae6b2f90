// War news of systems that change hands.
#pragma once

namespace corvanth {

// The captain's faction has taken the last planet of the system: it becomes the owner, the
// two factions agree a cease-fire and the captain earns the gold star.
void NewsSystemConquered(int system);

// The system's owner takes back every planet of the system.
void NewsSystemRecaptured(int system);

}  // namespace corvanth
