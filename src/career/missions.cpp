// Missions: offers and progress.
#include "career/missions.h"

#include "state/variables.h"

namespace corvanth {

// Yesterday's offers never survive the day. The missions themselves arrive with the governors'
// offices; until then the offer board stays empty.
void GenerateMissionOffers() {
    for (int r = 1; r <= 28; ++r)
        for (int f = kFirstField; f <= kLastField; ++f) G().MissionOffers[r][f] = 0;
}

// No mission can be accepted until the offices open, so there is no progress to follow.
void CheckMissionProgress() {}

}  // namespace corvanth
