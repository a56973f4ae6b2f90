// Turns without encounters, news or awards, for tests and benchmarks of the travel screen.
#pragma once

#include "shell/background.h"

namespace corvanth::test {

// The game's own upward calls, except the turn's steps that open screens of their own (encounters,
// news, awards, crew incidents, the arena and the story): markets, events and crew still move.
inline Upcalls QuietUpcalls() {
    Upcalls calls = StandardUpcalls();
    for (auto* quiet : {&calls.UpdateDiplomacy, &calls.WarTurnStep, &calls.MoveTreasureFleet,
                        &calls.ShowTreasureFleetNotice, &calls.CheckSystemConquests,
                        &calls.CheckEndOfWar, &calls.CheckPromotion, &calls.StartRandomEncounter,
                        &calls.CrewTurnStep, &calls.AdvanceTournaments, &calls.UpdateSenatorStory})
        *quiet = [] {};
    calls.ScanForContraband = [](int) { return false; };
    return calls;
}

}  // namespace corvanth::test
