// The routines one turn calls in the other subsystems.
#include "travel/NextTurnUnit_calls.h"

#include "career/Promotion.h"
#include "career/governor.h"
#include "career/missions.h"
#include "career/storyteller.h"
#include "career/warstatus.h"
#include "combat/Duelhold_Main.h"
#include "combat/Encounter.h"
#include "planet/Crew2.h"
#include "planet/CrewPay.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/shipstats.h"
#include "state/upcalls.h"
#include "travel/UEvents.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

TurnCalls StandardTurnCalls() {
    TurnCalls c;
    c.EndTutorial = EndTutorial;
    c.ClampPlayerValues = ClampPlayerValues;
    c.UpdateDiplomacy = UpdateDiplomacy;
    c.GenerateMissionOffers = GenerateMissionOffers;
    c.UpdateSpaceEvents = UpdateSpaceEvents;
    c.UpdateMarketPrices = UpdateMarketPrices;
    c.RebuildFacilities = RebuildFacilities;
    c.WarTurnStep = WarTurnStep;
    c.MoveTreasureFleet = MoveTreasureFleet;
    c.ShowTreasureFleetNotice = ShowTreasureFleetNotice;
    c.CheckSystemConquests = CheckSystemConquests;
    c.CheckEndOfWar = CheckEndOfWar;
    c.ScanForContraband = ScanForContraband;
    c.CheckPromotion = CheckPromotion;
    c.StartRandomEncounter = StartRandomEncounter;
    c.CheckMissionProgress = CheckMissionProgress;
    c.RegenerateHireableCrew = RegenerateHireableCrew;
    c.RecalcShipStats = RecalcShipStats;
    c.CrewTurnStep = CrewTurnStep;
    c.RetireAndScore = CallRetireAndScore;
    c.ShowOldAgeInfo = CallShowOldAgeInfo;
    c.KillCaptain = CallKillCaptain;
    c.AdvanceTournaments = AdvanceTournaments;
    c.UpdateSenatorStory = UpdateSenatorStory;
    return c;
}

TurnCalls& CurrentTurnCalls() {
    static TurnCalls calls = StandardTurnCalls();
    return calls;
}

}  // namespace corvanth
