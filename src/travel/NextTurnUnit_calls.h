// What one turn calls outside the turn engine, gathered so that a test can put recorders there.
#pragma once

#include <functional>

namespace corvanth {

struct TurnCalls {
    std::function<void()> EndTutorial;
    std::function<void()> ClampPlayerValues;
    std::function<void()> UpdateDiplomacy;
    std::function<void()> GenerateMissionOffers;
    std::function<void()> UpdateSpaceEvents;
    std::function<void()> UpdateMarketPrices;
    std::function<void()> RebuildFacilities;
    std::function<void()> WarTurnStep;
    std::function<void()> MoveTreasureFleet;
    std::function<void()> ShowTreasureFleetNotice;
    std::function<void()> CheckSystemConquests;
    std::function<void()> CheckEndOfWar;
    std::function<bool(int faction)> ScanForContraband;
    std::function<void()> CheckPromotion;
    std::function<void()> StartRandomEncounter;
    std::function<void()> CheckMissionProgress;
    std::function<void()> RegenerateHireableCrew;
    std::function<void(int fleet, int ship, int skipArmour, int battleRound)> RecalcShipStats;
    std::function<void()> CrewTurnStep;
    std::function<void()> RetireAndScore;
    std::function<void()> ShowOldAgeInfo;
    std::function<void()> KillCaptain;
    std::function<void()> AdvanceTournaments;
    std::function<void()> UpdateSenatorStory;
};

// The game's own routines.
TurnCalls StandardTurnCalls();
// What NextTurn calls; the standard set unless a test has put its own in.
TurnCalls& CurrentTurnCalls();

}  // namespace corvanth
