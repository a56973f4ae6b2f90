// Missions: the governors' daily offers and the progress of the accepted mission.
#pragma once

namespace corvanth {

// Clears the offer records 1..28 and fills records 1..25 with the day's offers.
void GenerateMissionOffers();

// Tests the accepted mission against the fleet's position: pick-ups, deliveries, objectives,
// success or failure.
void CheckMissionProgress();

}  // namespace corvanth
