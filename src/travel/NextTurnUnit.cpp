// The turn engine: the steps of one day in their order, and the checks between them.
#include "travel/NextTurnUnit.h"

#include <algorithm>
#include <string>

#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/showing.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/NextTurnUnit_steps.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

namespace {

using namespace turn;

constexpr int kContrabandScanBelow = 6;  // in 20, at a planet and not on a trip
constexpr int kEncounterBelow = 6;       // in 100
constexpr int kHostileEncounterBelow = 10;
constexpr int kWantedDraw = 300;  // alerts come and go with 6 chances in 300 (draw <= 5)
constexpr int kWantedAtMost = 5;
constexpr int kTutorialTurns = 50;

// Whether the fleet stands where the tables hold a record; a damaged save may name none.
bool FleetSystemKnown() {
    return ValidSystem(FleetSystem());
}
bool FleetLocationKnown() {
    return FleetSystemKnown() && ValidLocation(FleetLocation());
}

int64_t CrewTotal() {
    const GameRecord& ship = PlayerShip();
    int64_t total = 0;
    for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) total += ship[k];
    return total;
}

void AdvanceTurnCounter() {
    ++G().TurnNumber;
}

void EndTutorialInTime() {
    if (TutorialStep > 0 && G().TurnNumber > kTutorialTurns) {
        GameUpcalls().EndTutorial();
        TutorialStep = 0;
    }
}

void ScanForContrabandAtPlanet() {
    const GameRecord& here = FleetLocationRecord();
    if (!FleetLocationKnown() || here[Planet::Kind] != PlanetKind::Planet) return;
    if (PlayerFleet()[Fleet::DaysLeft] != 0) return;
    if (Random(20) < kContrabandScanBelow) GameUpcalls().ScanForContraband(here[Planet::Owner]);
}

void GuardTutorialTrips() {
    const int step = TutorialStep, selected = G().SelectedPlanet;
    // The tutorial's two guided trips must not be spoilt by a pirate; the caller clears the flag.
    if ((step == 10 && selected == 4) || (step == 29 && selected == 6)) G().NoEncounterThisTurn = 1;
}

void RollEncounter() {
    if (G().NoEncounterThisTurn != 0) return;
    int threshold = kEncounterBelow;
    const GameRecord& here = FleetLocationRecord();
    const GameRecord& system = StarSystemRecord(FleetSystem());
    if ((FleetLocationKnown() && AtWar(here[Planet::Owner], CaptainFaction())) ||
        (FleetSystemKnown() && system[StarSystem::Alerted] == 1))
        threshold = kHostileEncounterBelow;
    if (Random(100) < threshold) GameUpcalls().StartRandomEncounter();
    if (G().NoEncounterThisTurn == 0 && PlayerShip()[Ship::Present] > 0)
        GameUpcalls().CheckMissionProgress();
}

void GatherIntelligence() {
    if (TravelProgressShowing()) return;  // nothing of this during a trip
    if (!ShipHasEquipmentType(G().CurrentFleet, G().CurrentShip, EquipmentKind::Surveillance))
        return;
    const int owner = StarSystemRecord(FleetSystem())[StarSystem::Owner];
    const int own = CaptainFaction();
    if (own == 0) return;
    GameRecord& captain = Captain();
    if (!FleetSystemKnown() || owner == own || !AtWar(own, owner)) {
        captain[Player::SurveillanceNoticeShown] = 0;  // the next entry tells again
        return;
    }
    if (captain[Player::SurveillanceNoticeShown] == 0 &&
        captain[Player::HideSurveillanceNotice] == 0) {
        captain[Player::SurveillanceNoticeShown] = 1;
        PlayReward1Sound();
        ShowSwitchableNotice(
            "You have entered enemy space. Your surveillance equipment will try to gather "
            "information. You get fame and reputation for every turn in enemy space. Beware! "
            "They will come after you!",
            "misc.jpg", Player::HideSurveillanceNotice);
    }
    int32_t& reputation = FactionRecord(own)[Faction::Reputation];
    const int64_t repGain = std::max<int64_t>(reputation / 25, 20);
    reputation = AfterGain(reputation, repGain);
    int32_t& fame = captain[Player::Fame];
    const int64_t fameGain = std::max<int64_t>(fame / 50, 10);
    fame = AfterGain(fame, fameGain);
}

void FirstNoCrewCheck() {
    ShowNoCrewNoticeOnce(
        "You do not have any crew, hire some men at the bar on a planet. Travel time multiplied "
        "by 4.");
}

void CalmAlertedSystems() {
    GameState& g = G();
    const std::string captainName = CaptainName();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        GameRecord& system = g.StarSystems[s];
        if (system[StarSystem::Exists] <= 0 || system[StarSystem::Alerted] != 1 ||
            s == FleetSystem())
            continue;
        if (Random(kWantedDraw) > kWantedAtMost) continue;
        system[StarSystem::Alerted] = 0;
        if (Captain()[Player::HideWantedNews] != 0) continue;
        ShowSwitchableNotice("The " + FactionName(system[StarSystem::Owner]) +
                                 " informed us that the buccaneer " + captainName +
                                 " propably has left the " + SystemName(s) + " system.",
                             "news.jpg", Player::HideWantedNews);
    }
}

void SpotWantedCaptain() {
    if (!FleetSystemKnown()) return;
    GameRecord& system = StarSystemRecord(FleetSystem());
    const int owner = system[StarSystem::Owner];
    if (!ValidFaction(owner) || FactionRecord(owner)[Faction::Reputation] >= 0) return;
    if (system[StarSystem::Alerted] != 0 || Random(kWantedDraw) > kWantedAtMost) return;
    system[StarSystem::Alerted] = 1;
    if (Captain()[Player::HideWantedNews] != 0) return;
    ShowSwitchableNotice("The known buccaneer " + CaptainName() + " has been seen in the " +
                             SystemName(FleetSystem()) + ". The " + FactionName(owner) + " warns" +
                             " all its ships and colonies to watch out.",
                         "news.jpg", Player::HideWantedNews);
}

void CrewDay() {
    if (CrewTotal() > 0) GameUpcalls().CrewTurnStep();
}

void SecondNoCrewCheck() {
    if (ShipLacksCrew()) PlayerFleet()[Fleet::Morale] = 0;
    ShowNoCrewNoticeOnce(
        "You have no crewmembers. Your travel time is multiplied by 4! You need to hire a crew in "
        "the bar!");
}

void Tournaments() {
    if (!ArenaShowing()) GameUpcalls().AdvanceTournaments();
}

using Step = void (*)();

// One day, in this order. Any step that shows a screen may end the game; the turn stops there.
const Step kSteps[] = {
    AdvanceTurnCounter,
    EndTutorialInTime,
    [] { GameUpcalls().ClampPlayerValues(); },
    [] { GameUpcalls().UpdateDiplomacy(); },
    [] { GameUpcalls().GenerateMissionOffers(); },
    [] { GameUpcalls().UpdateSpaceEvents(); },
    CollectLoan,
    ChangeWarBonds,
    [] { GameUpcalls().UpdateMarketPrices(); },
    DriftMarketPrices,
    [] { GameUpcalls().RebuildFacilities(); },
    [] { GameUpcalls().WarTurnStep(); },
    [] { GameUpcalls().MoveTreasureFleet(); },
    [] { GameUpcalls().ShowTreasureFleetNotice(); },
    [] { GameUpcalls().CheckSystemConquests(); },
    [] { GameUpcalls().CheckEndOfWar(); },
    ScanForContrabandAtPlanet,
    [] { GameUpcalls().CheckPromotion(); },
    GuardTutorialTrips,
    RollEncounter,
    [] { GameUpcalls().RegenerateHireableCrew(); },
    GatherIntelligence,
    FirstNoCrewCheck,
    CalmAlertedSystems,
    SpotWantedCaptain,
    [] { GameUpcalls().RecalcShipStats(G().CurrentFleet, G().CurrentShip, 0, 0); },
    CrewDay,
    SecondNoCrewCheck,
    AgeCaptain,
    Tournaments,
    [] { GameUpcalls().UpdateSenatorStory(); },
};

}  // namespace

void NextTurn() {
    // An ended game has no days left. A step that ends the game unwinds the rest of the turn.
    if (GameEnded()) return;
    for (Step step : kSteps) step();
}

}  // namespace corvanth
