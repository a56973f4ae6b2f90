// The accepted mission at each stop: objectives, pick-ups, mission encounters and the ending.
#include <string>

#include "career/Missionreport.h"
#include "career/missions.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/showing.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

bool Active() {
    return CaptainMission()[Mission::Status] > 0;
}
int& Objective(int n) {
    return CaptainMission()[Mission::ObjectiveBase + n];
}

// Scope 1: the location in the mission's system; scope 2: the system.
bool AtObjective(int n) {
    const int objective = Objective(n);
    if (objective == 0) return false;
    if (CaptainMission()[Mission::Scope] == 1)
        return FleetSystem() == CaptainMission()[Mission::TargetSystem] &&
               FleetLocation() == objective;
    return FleetSystem() == objective;
}

void Notice(const std::string& text) {
    ShowMessage1(text);
    FillMissionBox();
}

std::string ObjectiveNotice(int n) {
    return "Mission Objective " + std::to_string(n) + ": Accomplished.";
}

void RedrawMarkers() {
    HideMissionMarkers();
    DrawMissionMarkers();
    HideMissionMarkers();
}

// Before the encounter the life points are noted; the objective counts only when none was lost
// and the mission is still on (a retreat has failed it).
bool MissionEncounter(int shipType = 0) {
    const int lifePoints = Captain()[Player::LifePoints];
    GameUpcalls().StartMissionEncounter(CaptainMission()[Mission::Difficulty],
                                        CaptainMission()[Mission::Opponent], shipType);
    return Captain()[Player::LifePoints] >= lifePoints && Active();
}

// The end of any mission: none is on any more and the ship's figures lose its load; the travel
// screen closes its mission box and redraws the status.
void EndMission() {
    CaptainMission()[Mission::Status] = 0;
    RecalcShipStats(G().CurrentFleet, G().CurrentShip, 0, 0);
    CloseMissionBox();
    RefreshStatusPanel();
}

std::string NeedLines(int threshold, int value) {
    return "(You need " + std::to_string(int64_t(threshold) - value) +
           " more pts. for your next reward)";
}

// Transport and smuggling: the pick-up at objective 1, the delivery at objective 2.
struct CargoTexts {
    const char *noRoom, *pickUp, *noRoomFar, *pickUpFar, *deliver;
};

void CargoRun(bool smuggling) {
    GameRecord& m = CaptainMission();
    GameRecord& captain = Captain();
    const bool goods = m[Mission::LoadType] == 1;
    const bool far = m[Mission::Scope] == 2;
    static constexpr CargoTexts kTransportGoods{
        "MISSION: You do not have enough free cargo space to pick up the goods.",
        "MISSION: You pick up the goods.",
        "MISSION: Not enough free cargo space to pick up the goods from a waiting transporter.",
        "MISSION: You pick up the goods from a waiting transporter.",
        "MISSION: You deliver the goods."};
    static constexpr CargoTexts kTransportPeople{
        "MISSION: You do not have enough free passenger space to pick up the people.",
        "MISSION: You pick up the passengers",
        "MISSION: Not enough free passenger space to pick up the people from a waiting "
        "transporter.",
        "MISSION: You pick up the passengers from a waiting transporter.",
        "MISSION: You successfully transported the passengers."};
    static constexpr CargoTexts kContraband{
        "MISSION: You do not have enough free cargo space to pick up the contraband.",
        "MISSION: You pick up the contraband.",
        "MISSION: Not enough free cargo space to pick up the contraband from a waiting smuggler.",
        "MISSION: You pick up the contraband from a waiting smuggler.",
        "MISSION: You deliver the contraband."};
    static constexpr CargoTexts kCriminals{
        "MISSION: You do not have enough free passenger space to pick up the criminals.",
        "MISSION: You pick up the criminals", kTransportPeople.noRoomFar,
        kTransportPeople.pickUpFar, "MISSION: You successfully transported the criminals."};
    const CargoTexts& t = smuggling ? (goods ? kContraband : kCriminals)
                                    : (goods ? kTransportGoods : kTransportPeople);
    if (AtObjective(1)) {
        const int room = PlayerFleet()[goods ? Fleet::FreeCargo : Fleet::PassengerCapacity];
        if (room < m[Mission::Amount]) {
            if (captain[Player::PickupRefusalShown] == 0) {
                captain[Player::PickupRefusalShown] = 1;
                ShowMessage1(far ? t.noRoomFar : t.noRoom);
            }
        } else {
            captain[Player::PickupRefusalShown] = 0;
            Objective(1) = 0;
            RecalcShipStats(G().CurrentFleet, G().CurrentShip, 0, 0);
            Notice(far ? t.pickUpFar : t.pickUp);
            RefreshTravelScreen();
        }
    } else if (smuggling) {
        // A smuggler waits only while the captain stays: the refusal comes again next time.
        captain[Player::PickupRefusalShown] = 0;
    }
    if (Objective(1) == 0 && AtObjective(2)) {
        Objective(2) = 0;
        Notice(t.deliver);
    }
    if (Objective(1) == 0 && Objective(2) == 0) MissionSucceeded();
}

void SearchAndDestroy() {
    for (int n = 1; n <= 4; ++n) {
        if (!AtObjective(n)) continue;
        const bool done = Random(100) < 50 ? MissionEncounter() : true;
        if (!done) {
            MissionFailed();
            return;
        }
        Objective(n) = 0;
        Notice(ObjectiveNotice(n));
    }
    if (Objective(1) == 0 && Objective(2) == 0 && Objective(3) == 0 && Objective(4) == 0)
        MissionSucceeded();
}

void Intelligence() {
    for (int n = 1; n <= 4; ++n) {
        if (!AtObjective(n) ||
            !ShipHasEquipmentType(G().CurrentFleet, G().CurrentShip, EquipmentKind::Surveillance))
            continue;
        Objective(n) = 0;
        Notice(ObjectiveNotice(n));
    }
    if (Objective(1) == 0 && Objective(2) == 0 && Objective(3) == 0 && Objective(4) == 0)
        MissionSucceeded();
}

void Bounty() {
    GameRecord& m = CaptainMission();
    const int turn = G().TurnNumber;
    if (Objective(1) != 0 && FleetSystem() == Objective(1)) {
        if (turn <= Objective(3)) {
            const int opponent = m[Mission::Opponent];
            const char* who = opponent == 3   ? "the dread pirate"
                              : opponent == 4 ? "the fraudulous trader"
                                              : "the famous officer";
            ShowMessage1(std::string("MISSION: The information was correct. You have found ") +
                         who + ".");
            const bool done = MissionEncounter();
            if (done)
                Objective(1) = 0;
            else
                MissionFailed();
        } else {
            // The target has moved on.
            Objective(1) = 0;
            int next = 0;
            for (int i = 0; i < 10000 && next == 0; ++i) {
                const int s = Random(26);
                const GameRecord& sys = StarSystemRecord(s);
                if (sys[StarSystem::Exists] >= 1 && s != FleetSystem() &&
                    (m[Mission::Opponent] != 3 || sys[StarSystem::Owner] == m[Mission::Client]))
                    next = s;
            }
            if (next == 0) m[Mission::Status] = 0;
            Objective(1) = next;
            Objective(2) = turn;
            Objective(3) = turn + Random(40) + 10;
            if (Active() && FirstOwnShip()[Ship::Present] > 0)
                Notice("MISSION: Too late! Your target has moved to the " + SystemName(next) +
                       " system.");
            else
                ShowMessage1(
                    "MISSION: You are too late! Your target has moved on, but you do not now "
                    "where to. You lost the track.");
            if (!Active()) {
                // Lost without a trace: no report and no penalty.
                MissionFailed();
                EndMission();
                return;
            }
        }
    }
    if (Active() && Objective(1) == 0) MissionSucceeded();
}

void Patrol() {
    for (int n = 1; n <= 4; ++n) {
        if (!AtObjective(n)) continue;
        Objective(n) = 0;
        Notice(ObjectiveNotice(n));
        // A patrol's objective stays done whatever its encounter brings.
        if (Random(100) < 25) MissionEncounter();
        if (!Active()) return;
    }
    if (Objective(1) == 0 && Objective(2) == 0 && Objective(3) == 0 && Objective(4) == 0)
        MissionSucceeded();
}

void Escort() {
    const bool far = CaptainMission()[Mission::Scope] == 2;
    for (int n = 1; n <= 2; ++n) {
        if (n == 2 && Objective(1) != 0) break;
        if (!AtObjective(n)) continue;
        if (far) {
            Objective(n) = 0;
            Notice(ObjectiveNotice(n));
        }
        const bool done = Random(100) < 35 ? MissionEncounter() : true;
        if (!done) {
            MissionFailed();
            return;
        }
        if (!far) {
            Objective(n) = 0;
            Notice(ObjectiveNotice(n));
        }
    }
    if (Objective(1) == 0 && Objective(2) == 0) MissionSucceeded();
}

void Defend() {
    if (AtObjective(1)) {
        const bool done = Random(100) < 10 ? MissionEncounter() : true;
        if (!done) {
            MissionFailed();
            return;
        }
        --Objective(2);
        Notice("Mission Objective accomplished. Turns left to defend: " +
               std::to_string(Objective(2)) + ". Press \"Wait a turn\"");
    }
    if (Active() && Objective(2) <= 0) MissionSucceeded();
}

void Ambush() {
    if (AtObjective(1)) {
        const bool tutorial = TutorialStep == 28 || TutorialStep == 29;
        const bool done = MissionEncounter(tutorial ? 1 : 0);
        if (!done) {
            MissionFailed();
            return;
        }
        Objective(1) = 0;
        Notice(CaptainMission()[Mission::Scope] == 1 ? "Mission Objective: Accomplished."
                                                     : "Mission Objective: Reached.");
    }
    if (Objective(1) == 0) MissionSucceeded();
}

void GoodsData() {
    GameRecord& here = FleetLocationRecord();
    bool recorded = false;
    if (here[Planet::Kind] == PlanetKind::Planet && here[Planet::GoodsDataMark] == 0) {
        here[Planet::GoodsDataMark] = 1;
        recorded = true;
    }
    const int left = PlanetsLeftToRecord();
    if (recorded && left >= 1)
        Notice("You record the prices of the goods. " + std::to_string(left) + " planets left.");
    if (left == 0) MissionSucceeded();
}

}  // namespace

int PlanetsLeftToRecord() {
    int left = 0;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = G().Planets[s][l];
            if (p[Planet::Exists] >= 1 && p[Planet::Kind] == PlanetKind::Planet &&
                p[Planet::GoodsDataMark] == 0)
                ++left;
        }
    return left;
}

namespace {

// What a stop means for each kind 1..11; most are followed only while the captain lives. A raid
// is settled by the raid itself.
struct KindStep {
    void (*check)();
    bool whileAlive;
};
const KindStep kKindSteps[] = {
    {SearchAndDestroy, true},
    {[] { CargoRun(false); }, false},
    {Intelligence, false},
    {Bounty, false},
    {Patrol, true},
    {Escort, true},
    {Defend, true},
    {Ambush, true},
    {nullptr, false},
    {GoodsData, true},
    {[] { CargoRun(true); }, false},
};

}  // namespace

void CheckMissionProgress() {
    if (TravelProgressShowing()) return;
    if (!Active()) return;
    const int kind = CaptainMission()[Mission::Kind];
    if (kind < MissionKind::SearchAndDestroy || kind > MissionKind::Smuggling) return;
    const KindStep& step = kKindSteps[kind - 1];
    if (!step.check || (step.whileAlive && Captain()[Player::GameRunning] < 1)) return;
    step.check();
}

void MissionSucceeded() {
    RedrawMarkers();
    if (!Active()) return;
    GameRecord& m = CaptainMission();
    GameRecord& captain = Captain();
    const int pf = CaptainFaction();
    GameRecord& own = FactionRecord(pf);
    if (FirstOwnShip()[Ship::Present] > 0) {
        captain[Player::Money] = AfterGain(captain[Player::Money], m[Mission::Reward]);
        PlayReward2Sound();
        captain[Player::Fame] = AfterGain(captain[Player::Fame], m[Mission::FameReward]);
        own[Faction::Reputation] =
            AfterGain(own[Faction::Reputation], m[Mission::ReputationReward]);
        ShowMissionReport(
            {"Mission successful",
             "Congratulations! You successfully fulfilled the mission objectives.",
             "Money: + $C " + FormatThousands(m[Mission::Reward]),
             "(Total: $C: " + FormatThousands(captain[Player::Money]) + ")",
             "Fame: + " + std::to_string(m[Mission::FameReward]),
             NeedLines(own[Faction::NextFameThreshold], captain[Player::Fame]),
             "Reputation: + " + std::to_string(m[Mission::ReputationReward]),
             NeedLines(own[Faction::NextReputationThreshold], own[Faction::Reputation]),
             G().FactionPictures[ValidFaction(m[Mission::Client]) ? m[Mission::Client] : 0].str()});
    }
    // Success may turn the war: the higher the mission, the likelier. Field 7 of a transport,
    // smuggling run or goods data mission is its load, not an enemy.
    const int kind = m[Mission::Kind];
    const bool fought = kind != MissionKind::Transport && kind != MissionKind::Smuggling &&
                        kind != MissionKind::GoodsData;
    const int opponent = fought ? m[Mission::Opponent] : 0;
    if (opponent > 0 && AtWar(pf, opponent) && PlayableFaction(opponent)) {
        static constexpr int kThreshold[] = {0, 7, 15, 25, 30, 35, 40};
        const int rank = m[Mission::RequiredRank];
        const int threshold = rank >= 1 && rank <= 6 ? kThreshold[rank] : 0;
        if (Random(100) < threshold) {
            if (own[Faction::SilverStar] == 0) own[Faction::SilverStar] = 2;
            PlayReward3Sound();
            ++own[Faction::WarScoreBase + opponent];
            --FactionRecord(opponent)[Faction::WarScoreBase + pf];
            ShowLongNotice("A note", G().FactionPictures[pf].str(),
                           {"You get a note from high command congratulating you on your recent "
                            "success and informing you that your actions have had a great effect "
                            "on the war efforts."});
            GameUpcalls().CheckPromotion();
        }
    }
    EndMission();
}

void MissionFailed() {
    RedrawMarkers();
    if (!Active()) return;
    GameRecord& m = CaptainMission();
    GameRecord& captain = Captain();
    GameRecord& own = CaptainFactionRecord();
    // The captain loses a quarter of the fame the mission would have brought, and the report
    // says so.
    const int loss = m[Mission::FameReward] / 4;
    captain[Player::Fame] = SaturateInt32(int64_t(captain[Player::Fame]) - loss);
    PlayBadSound();
    ShowMissionReport(
        {"Mission failed", "You failed to fulfill the mission objectives.", "Money: - 0",
         "(Total: $C: " + FormatThousands(captain[Player::Money]) + ")",
         "Fame: - " + std::to_string(loss),
         NeedLines(own[Faction::NextFameThreshold], captain[Player::Fame]), "Reputation: - 0",
         NeedLines(own[Faction::NextReputationThreshold], own[Faction::Reputation]),
         G().FactionPictures[ValidFaction(m[Mission::Client]) ? m[Mission::Client] : 0].str()});
    EndMission();
}

void FailMissionUnlessPatrol() {
    if (CaptainMission()[Mission::Kind] != MissionKind::Patrol) MissionFailed();
}

}  // namespace corvanth
