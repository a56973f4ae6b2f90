// Trips within a star system and the travel progress dialog that runs their days.
#include "travel/travelscreen.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"
#include "travel/travel_parts.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm13> Form13{"TForm13"};

namespace {

// The reliability in per cent of the ship's first engine, or -1 when it has none.
int EngineReliability() {
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        const GameRecord& s = PlayerShipSlot(slot);
        if (s[Slot::Used] <= 0) continue;
        const GameRecord& item = EquipmentType(s[Slot::EquipmentId]);
        if (item[Equipment::Kind] == EquipmentKind::Engine) return item[Equipment::Reliability];
    }
    return -1;
}

}  // namespace

int32_t GridDistance(int from, int to) {
    const GameRecord& a = LocationRecord(from);
    const GameRecord& b = LocationRecord(to);
    return std::abs(a[Planet::MapColumn] - b[Planet::MapColumn]) +
           std::abs(a[Planet::MapRow] - b[Planet::MapRow]);
}

int64_t ShortenByPilot(int64_t d) {
    const GameRecord& ship = PlayerShip();
    switch (CalcCrewRating(kAbilityNavigation, ship[Ship::CrewOfficers], ship[Ship::CrewDroids],
                           ship[Ship::CrewMercenaries], ship[Ship::CrewAdventurers],
                           ship[Ship::CrewScoundrels])) {
        case 2:
            return d - d / 8;
        case 3:
            return d - d / 4;
        default:
            return d;
    }
}

bool LengthenByMoraleAndCrew(int64_t& d) {
    bool longer = false;
    const int morale = PlayerFleet()[Fleet::Morale];
    if (morale == -1) {
        d += d / 4;
        longer = true;
    } else if (morale < -1) {
        d *= 2;
        longer = true;
    }
    if (ShipLacksCrew()) {
        d *= 4;
        longer = true;
    }
    return longer;
}

TripDays CalcTripDays(int64_t distance) {
    const GameRecord& ship = PlayerShip();
    int64_t d = distance;
    d += d / 2;
    d = ShortenByPilot(d);
    const int speed = ship[Ship::SpeedClass];
    if (speed == 1) {
        d += 2 * (d / 4);
    } else if (speed == 2) {
        d += d / 4;
    } else if (speed == 4) {
        d -= d / 4;
    } else if (speed == 5) {
        d = d - d / 4 - d / 6;
    } else if (speed == 6) {
        d -= d / 3;
    } else if (speed >= 7 && speed <= 20) {
        d -= d / 2;
    }
    TripDays trip;
    trip.penalty = LengthenByMoraleAndCrew(d);
    trip.days = SaturateInt32(d);
    return trip;
}

void TravelToSelectedPlanet() {
    GameState& g = G();
    if (TutorialStep == 9 && g.SelectedPlanet == 4) AdvanceTutorialStep9();
    if (TutorialStep == 28 && g.SelectedPlanet == 6) AdvanceTutorialStep28();
    const int f = FleetLocation();
    if (g.SelectedPlanet == f) return;
    // An event site can vanish while it is selected: the panel then falls back to the fleet's
    // own location instead of sending it to an empty cell.
    if (!LocationExists(g.SelectedPlanet)) {
        g.SelectedPlanet = f;
        RefreshPlanetPanel();
        return;
    }
    int64_t d = GridDistance(f, g.SelectedPlanet);
    // A ship without an engine has nothing that could fail.
    const int reliability = EngineReliability();
    if (reliability >= 0 && Random(100) >= reliability) {
        d *= 2;
        PlayBadSound();
        ShowFixedNotice("You have an engine failure! Travel time doubled!", "engines.jpg");
    }
    const TripDays trip = CalcTripDays(d);
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::DaysLeft] = trip.days;
    fleet[Fleet::Destination] = g.SelectedPlanet;

    {
        // The days stop however the dialog goes, the end of a game unwinding through it too.
        struct StopDays {
            ~StopDays() { Form13->Timer1->SetEnabled(false); }
        } stop;
        Form13->Timer1->SetEnabled(true);
        Form13->Image2->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
        Form13->Label2->caption = std::to_string(trip.days);
        Form13->ShowModal();
    }
    RefreshPlanetPanel();
    RefreshSystemMap();
    RefreshStatusPanel();
    GameUpcalls().CheckMissionProgress();
}

TForm13::TForm13() : ui::Form("TForm13") {
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    Label3 = Bind<ui::Label>("Label3");
    Label2 = Bind<ui::Label>("Label2");
    Timer1 = Bind<ui::Timer>("Timer1");
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm13::Timer1Timer() {
    GameRecord& fleet = PlayerFleet();
    const int32_t left = fleet[Fleet::DaysLeft] - 1;
    fleet[Fleet::DaysLeft] = left;
    Label2->caption = std::to_string(left);
    if (left > 0) {
        // No tick while the day's turn runs: its dialogs and fights may take any time.
        Timer1->SetEnabled(false);
        NextTurn();
        Timer1->SetEnabled(true);
        return;
    }
    // Arrival: the fleet is placed first, then the last day's turn runs.
    const int destination = fleet[Fleet::Destination];
    const bool jump = destination < 1;
    if (jump) {
        if (ValidSystem(-destination)) {
            fleet[Fleet::System] = -destination;
            fleet[Fleet::Location] = 1;
        }
    } else if (ValidLocation(destination)) {
        fleet[Fleet::Location] = destination;
    }
    fleet[Fleet::DaysLeft] = 0;
    Timer1->SetEnabled(false);
    NextTurn();
    Close();
    if (jump) RefreshStatusPanel();
}

void TForm13::FormActivate() {
    PlayFlySound();
}

bool TForm13::CloseQuery() {
    if (PlayerFleet()[Fleet::DaysLeft] > 0) return false;
    FormClose();
    return true;
}

void TForm13::FormClose() {
    G().NoEncounterThisTurn = 0;
}

}  // namespace corvanth
