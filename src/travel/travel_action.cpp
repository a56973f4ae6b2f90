// Travel screen's SpeedButton2 ("Dock here" / "Jump" / "Investigate") and its rules: dock at a
// planet, jump to another system, search or visit a special location; one turn without an
// encounter follows.
#include <cstdint>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/NextTurnUnit.h"
#include "travel/UEvents.h"
#include "travel/travel.h"
#include "travel/travel_parts.h"
#include "travel/travelscreen.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

namespace {

constexpr int kJumpBaseDays = 6;
constexpr int kLastJumpTarget = 25;  // the galaxy's systems; the tables hold one more
constexpr int kSearchWait = 1000;

// The ship's jump engines in slot order, as catalogue records.
template <class Visit>
void ForEachJumpEngine(Visit&& visit) {
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        const GameRecord& s = PlayerShipSlot(slot);
        if (s[Slot::Used] <= 0) continue;
        const GameRecord& item = EquipmentType(s[Slot::EquipmentId]);
        if (item[Equipment::Kind] == EquipmentKind::JumpEngine) visit(item);
    }
}

// A jump's arrival in system t: the jump point that leads back to where the fleet is, the last
// one found; with none, location 1, else the lowest location the system has (0: none at all).
int ArrivalPoint(int t) {
    const int from = FleetSystem();
    int arrival = 0;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& L = LocationRecord(t, l);
        if (L[Planet::Exists] > 0 && L[Planet::Kind] == PlanetKind::JumpPoint &&
            L[Planet::JumpTarget] == from)
            arrival = l;
    }
    if (arrival > 0) return arrival;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
        if (LocationRecord(t, l)[Planet::Exists] > 0) return l;
    return 0;
}

bool JumpTargetValid(int t) {
    return t >= StarSystem::First && t <= kLastJumpTarget &&
           StarSystemRecord(t)[StarSystem::Exists] > 0 && ArrivalPoint(t) > 0;
}

void Jump(int target) {
    GameState& g = G();
    int reliability = -1;
    ForEachJumpEngine([&](const GameRecord& item) {
        if (reliability < 0) reliability = item[Equipment::Reliability];
    });
    if (reliability < 0) {
        ShowMessage1(
            "You have no jump-engines. You need to buy a bigger ship to leave this star system.");
        return;
    }
    const bool failed = Random(100) >= reliability;
    const int32_t days = CalcJumpDays(failed);
    if (failed) {
        PlayBadSound();
        ShowFixedNotice("You have a jump-engine failure! Travel time doubled!", "jumpengines.jpg");
    }
    const int arrival = ArrivalPoint(target);
    g.SelectedPlanet = arrival;
    // System and location change together: every turn of the jump sees the fleet where it goes.
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::System] = target;
    fleet[Fleet::Location] = arrival;
    fleet[Fleet::DaysLeft] = days;
    fleet[Fleet::Destination] = arrival;
    {
        struct StopDays {
            ~StopDays() {
                Form13->Timer1->SetEnabled(false);
                G().NoEncounterThisTurn = 0;
            }
        } stop;
        Form13->Timer1->SetEnabled(true);
        Form13->Image2->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
        Form13->Label2->caption = std::to_string(days);
        g.NoEncounterThisTurn = 1;
        Form13->ShowModal();
    }
    RefreshTravelScreen();
    RefreshPlanetPanel();
    RefreshSystemMap();
    RefreshStatusPanel();
    GameUpcalls().CheckMissionProgress();
}

void Search(int location) {
    const GameState& g = G();
    const int s = FleetSystem();
    const int64_t last = LocationRecord(s, location)[Planet::LastSearchTurn];
    // A location never searched (0) may be searched at once, until turn 1000.
    const bool never = last == 0 && g.TurnNumber < kSearchWait;
    if (g.TurnNumber - last < kSearchWait && !never) {
        ShowFixedNotice("Its too early to search the same location again.", "cockpit.jpg");
        return;
    }
    if (SpawnSpaceEvent(s, 0, 0) < 1) {
        ShowFixedNotice("Right now you cannot find anything. Check back later.", "cockpit.jpg");
        return;
    }
    MarkLocationSearched(s, location);
    PlayReward2Sound();
    ShowFixedNotice(
        "You find a lost datamodule containing information about a new special "
        "location.",
        "cockpit.jpg");
}

}  // namespace

int32_t CalcJumpDays(bool engineFailed) {
    int64_t d = ShortenByPilot(kJumpBaseDays);
    ForEachJumpEngine([&d](const GameRecord& item) {
        const int jumpClass = item[Equipment::JumpClass];
        if (jumpClass == 1) {
            d += 2 * (d / 3);
        } else if (jumpClass == 2) {
            d += d / 3;
        } else if (jumpClass == 4) {
            d -= d / 3;
        } else if (jumpClass == 5) {
            d -= 2 * (d / 3);
        } else if (jumpClass == 6) {
            d /= 2;
        } else if (jumpClass == 7) {
            d = d / 2 - d / 3;
        } else if (jumpClass >= 8 && jumpClass <= 20) {
            d = d / 2 - 2 * (d / 3);
        }
    });
    LengthenByMoraleAndCrew(d);
    if (engineFailed) d *= 2;
    return SaturateInt32(d);
}

void TForm2::SpeedButton2Click() {
    if (TutorialStep == 12) AdvanceTutorialStep12();
    CloseMissionBox();
    PlayButtonSound();
    GameState& g = G();
    const int s = FleetSystem(), p = g.SelectedPlanet;
    const GameRecord& L = LocationRecord(s, p);
    const int kind = L[Planet::Kind], target = L[Planet::JumpTarget], slot = L[Planet::EventSlot];
    // The last turn runs whatever happened, a refusal included; the flag never outlives it.
    struct LastTurn {
        ~LastTurn() { G().NoEncounterThisTurn = 0; }
    } clear;
    if (kind == PlanetKind::Planet) {
        DockAtPlanet();
    } else if (kind == PlanetKind::JumpPoint && target > 0) {
        if (JumpTargetValid(target)) Jump(target);
    } else if (kind == PlanetKind::Special && target == 0 && slot == 0) {
        Search(p);
    } else if (kind == PlanetKind::Special && target == 0 && slot > 0) {
        // A vanished site keeps naming its old slot; a slot given to a new event elsewhere must
        // not play that event here.
        if (SpaceEventSlotAt(s, FleetLocation()) == slot) {
            VisitSpaceEvent(s, slot);
            SpeedButton2->enabled = false;
        }
    }
    g.NoEncounterThisTurn = 1;
    NextTurn();
}

}  // namespace corvanth
