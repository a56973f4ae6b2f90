// Turns without encounters, news or awards, for tests and benchmarks of the travel screen.
#pragma once

#include "travel/NextTurnUnit_calls.h"

namespace corvanth::test {

// The game's own turn calls, except those that open screens of their own (encounters, news,
// awards, crew incidents, the arena and the story): markets, events and crew still move.
inline TurnCalls QuietTurnCalls() {
    TurnCalls calls = StandardTurnCalls();
    for (auto* quiet : {&calls.UpdateDiplomacy, &calls.WarTurnStep, &calls.MoveTreasureFleet,
                        &calls.ShowTreasureFleetNotice, &calls.CheckSystemConquests,
                        &calls.CheckEndOfWar, &calls.CheckPromotion, &calls.StartRandomEncounter,
                        &calls.CrewTurnStep, &calls.AdvanceTournaments, &calls.UpdateSenatorStory})
        *quiet = [] {};
    calls.ScanForContraband = [](int) { return false; };
    return calls;
}

}  // namespace corvanth::test
