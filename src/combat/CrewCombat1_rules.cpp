// Boarding rules: the set-up of a round, the casualties, the chance and the outcomes of both
// sides' rounds.
#include <algorithm>

#include "combat/Captured.h"
#include "combat/CrewCombat1.h"
#include "combat/CrewCombatReport.h"
#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/showing.h"
#include "state/tables.h"

namespace corvanth {

namespace {

constexpr int kChanceOutOf = 20;
constexpr int kSureSuccess = 21;

std::array<int, 6> SquadByKind(const GameRecord& ship) {
    std::array<int, 6> n{};
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k)
        n[k] = ship[Ship::BoardingSquadBase + k];
    return n;
}

std::array<int, 6> Lost(const std::array<int, 6>& before, const GameRecord& ship) {
    std::array<int, 6> lost{};
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k)
        lost[k] = before[k] - ship[Ship::BoardingSquadBase + k];
    return lost;
}

// Each hit falls on a kind drawn at random, redrawn up to five times while that kind is gone;
// a hit on an empty kind is wasted.
int ApplyHits(GameRecord& squad, int hits) {
    int losses = 0;
    for (int i = 0; i < hits; ++i) {
        int kind = Random(5);
        for (int retry = 0; retry < 5; ++retry)
            if (squad[Ship::BoardingOfficers + kind] == 0) kind = Random(5);
        int32_t& n = squad[Ship::BoardingOfficers + kind];
        if (--n >= 0) {
            ++losses;
        } else {
            n = 0;
        }
    }
    return losses;
}

const char* ResistanceWord(int rating) {
    return rating < 2 ? " poor" : rating == 2 ? " strong" : " very strong";
}

void RestoreShuttlePlaces(GameRecord& attacker) {
    attacker[Ship::ShuttleTransferRate] = attacker[Ship::BoardingShuttles];
}

void ShowRecon(const GameRecord& defender) {
    const auto n = SquadByKind(defender);
    ShowFixedNotice("The enemy has " + std::to_string(BoardingSquadSum(defender)) + " crewmen." +
                        " In detail:" + " " + std::to_string(n[CrewKind::Officers]) + " officers," +
                        " " + std::to_string(n[CrewKind::Droids]) + " droids," + " " +
                        std::to_string(n[CrewKind::Mercenaries]) + " mercenaries," + " " +
                        std::to_string(n[CrewKind::Adventurers]) + " adventurers," + " " +
                        std::to_string(n[CrewKind::Scoundrels]) + " scoundrels.",
                    "crewcombat.jpg");
}

void HideBoardingScreen() {
    if (CrewCombatShowing()) Form30->Hide();
}

}  // namespace

int BoardingSquadSum(const GameRecord& ship) {
    int64_t sum = 0;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k)
        sum += ship[Ship::BoardingSquadBase + k];
    return static_cast<int>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

int BoardingSquadRating(const GameRecord& ship) {
    return CalcCrewRating(kAbilityCloseCombat, ship[Ship::BoardingOfficers],
                          ship[Ship::BoardingDroids], ship[Ship::BoardingMercenaries],
                          ship[Ship::BoardingAdventurers], ship[Ship::BoardingScoundrels]);
}

std::string SquadRatingWord(int rating) {
    return rating < 2 ? "Normal" : rating == 2 ? "Good" : "Very good";
}

int BoardingRoundChance(bool playerAttacks, int rating, int a, int d, int mission,
                        bool defenderIsFleet0) {
    int c = playerAttacks ? (rating < 2    ? 8
                             : rating == 2 ? 12
                                           : 16)
                          : (rating < 2    ? 6
                             : rating == 2 ? 8
                                           : 12);
    if (d / 2 < a) c += 6;
    if (a / 4 < d) c -= 10;
    if (mission == BoardingMissionKind::Capture) c -= 2;
    if (playerAttacks && mission == BoardingMissionKind::Recon) c += 6;
    if (playerAttacks && defenderIsFleet0) c += 4;
    if (d == 0) c = kSureSuccess;
    if (a == 0) c = 0;
    return c;
}

void InitBoarding() {
    GameState& g = G();
    GameRecord& attacker = BoardingAttacker();
    GameRecord& defender = BoardingDefender();
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        attacker[Ship::BoardingSquadBase + k] = 0;
        defender[Ship::BoardingSquadBase + k] = defender[Ship::CrewBase + k];
    }
    if (PlayerIsBoarding == 0) {
        // An enemy party crosses in its own shuttles, whatever the player has selected.
        attacker[Ship::ShuttleTransferRate] = std::max(1, attacker[Ship::BoardingShuttles]);
    } else {
        const GameRecord& own = CombatOwnShip();
        const GameRecord& slot =
            SlotRecord(g.CurrentFleet, g.CombatShip, own[Ship::SelectedWeaponSlot]);
        attacker[Ship::ShuttleTransferRate] =
            EquipmentType(slot[Slot::EquipmentId])[Equipment::ShuttleCrew];
    }
}

void AddToBoardingSquad(int kind) {
    if (kind < CrewKind::First || kind > CrewKind::Last) return;
    GameRecord& a = BoardingAttacker();
    if (a[Ship::CrewBase + kind] < 1 || a[Ship::ShuttleTransferRate] < 1) return;
    if (combat::CrewSum(a) - 1 < a[Ship::CrewMin]) {
        ShowMessage1("You need to leave a minimum amount of crew on board!");
        return;
    }
    --a[Ship::CrewBase + kind];
    ++a[Ship::BoardingSquadBase + kind];
    --a[Ship::ShuttleTransferRate];
}

void RemoveFromBoardingSquad(int kind) {
    if (kind < CrewKind::First || kind > CrewKind::Last) return;
    GameRecord& a = BoardingAttacker();
    if (a[Ship::BoardingSquadBase + kind] < 1) return;
    --a[Ship::BoardingSquadBase + kind];
    ++a[Ship::CrewBase + kind];
    ++a[Ship::ShuttleTransferRate];
}

void AbortBoarding() {
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k)
        while (BoardingAttacker()[Ship::BoardingSquadBase + k] > 0) RemoveFromBoardingSquad(k);
}

void ResolveBoardingCasualties() {
    GameRecord& attacker = BoardingAttacker();
    GameRecord& defender = BoardingDefender();
    const int64_t a = BoardingSquadSum(attacker), d = BoardingSquadSum(defender);
    const int64_t rA = BoardingSquadRating(attacker), rD = BoardingSquadRating(defender);
    const int h = Random(static_cast<int32_t>(std::min(rA * a / 2, 2 * d))) + 1;
    const int k = Random(static_cast<int32_t>(std::min(rD * d / 2, 2 * a))) + 1;
    DefenderLosses = ApplyHits(defender, h);
    AttackerLosses = ApplyHits(attacker, k);
}

void ReturnBoardingSquad() {
    GameRecord& attacker = BoardingAttacker();
    GameRecord& defender = BoardingDefender();
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        attacker[Ship::CrewBase + k] += attacker[Ship::BoardingSquadBase + k];
        defender[Ship::CrewBase + k] = defender[Ship::BoardingSquadBase + k];
    }
}

int64_t DrawVipRansom(int sizeClass) {
    int64_t ransom = sizeClass < 4    ? Random(150000) + 100000
                     : sizeClass == 4 ? Random(500000) + 500000
                                      : Random(1500000) + 1000000;
    return ransom * 3;
}

void PayVipRansom() {
    const int64_t ransom = DrawVipRansom(PlayerShip()[Ship::SizeClass]);
    PlayReward3Sound();
    ShowLongNotice(
        "Ransom", "VIP.jpg",
        {"You order two of the meanest looking men of your crew to \"escort\" the VIP to your "
         "cabin. As he enters he has some new scars in his face and a bloody nose.",
         "Politely you explain to him that he can either pay you an incredible ransom or you "
         "will think about trying some anatomy studies with his body.",
         "\"Pleeeeaaasse. I give you $C " + FormatThousands(ransom) +
             " if you let me go! That is all I have!\"",
         "You believe him that this is really everything he has and - after all - you are not "
         "interested in anatomy anyway."});
    PlayReward2Sound();
    PayCaptain(ransom);
}

void ResolveBoardingRound() {
    GameState& g = G();
    GameRecord& attacker = BoardingAttacker();
    GameRecord& defender = BoardingDefender();
    BoardingReport report;
    report.before = SquadByKind(attacker);
    ResolveBoardingCasualties();
    const int a = BoardingSquadSum(attacker), d = BoardingSquadSum(defender);
    // A dead squad's chance is 0.
    const int c = BoardingRoundChance(true, BoardingSquadRating(attacker), a, d, BoardingMission,
                                      EnemyIsBoarding == 0);
    report.lost = Lost(report.before, attacker);
    report.casualties = "CASUALTIES: The enemy has lost " + std::to_string(DefenderLosses) +
                        " crewmembers. On your side " + std::to_string(AttackerLosses) +
                        " of your crewmembers are dead. The resistance was" +
                        ResistanceWord(BoardingSquadRating(defender)) + ".";
    report.status =
        "STATUS: Your boarding crew has returned to your ship and is awaiting further "
        "orders.";
    if (a == 0) report.status = "STATUS: Your boarding crew has been killed.";
    bool returned = false;
    if (Random(kChanceOutOf) >= c) {
        PlayBadSound();
        report.headline = "Failure!";
        report.mission = "MISSION: Your squad was unable to fulfill their objective.";
        ShowBoardingReport(report);
    } else if (BoardingMission != BoardingMissionKind::Abort &&
               (BoardingMission != BoardingMissionKind::Abduct || g.VipEventBattle)) {
        PlayReward2Sound();
        report.headline = "Attack successful!";
        switch (BoardingMission) {
            case BoardingMissionKind::Capture:
                report.mission =
                    "MISSION: Your boarding crew was able eliminate all resistance and capture the "
                    "ship.";
                ShowBoardingReport(report);
                if (g.VipEventBattle) PayVipRansom();
                ShipRecord(0, g.EnemyShip)[Ship::Present] = 0;
                ReturnBoardingSquad();
                returned = true;
                ShowCaptureOffer();
                PlayReward2Sound();
                Form32->ShowModal();
                HideBoardingScreen();
                break;
            case BoardingMissionKind::Steal:
                report.mission = "MISSION: Your crew is able to access their cargo bays!";
                ShowBoardingReport(report);
                if (TakeFirstCapturedGood()) {
                    OfferLootUnderLastHeadings();
                } else {
                    ShowMessage1("The cargo bays are empty!");
                }
                break;
            case BoardingMissionKind::Abduct:
                report.mission = "MISSION: You abducted the VIP!";
                ShowBoardingReport(report);
                PayVipRansom();
                ShipRecord(0, g.EnemyShip)[Ship::Present] = 0;
                HideBoardingScreen();
                break;
            case BoardingMissionKind::Recon:
                report.mission =
                    "MISSION: Your attack squad was able to evaluate the resistance of the enemy "
                    "crew.";
                ShowBoardingReport(report);
                ShowRecon(defender);
                break;
        }
    }
    if (!returned) ReturnBoardingSquad();
    RestoreShuttlePlaces(attacker);
}

void ChooseEnemyBoardingSquad() {
    GameRecord& a = BoardingAttacker();
    static constexpr int kOrder[5] = {CrewKind::Mercenaries, CrewKind::Droids, CrewKind::Scoundrels,
                                      CrewKind::Officers, CrewKind::Adventurers};
    const int times = std::max(1, a[Ship::ShuttleTransferRate]);
    for (int i = 0; i < times; ++i) {
        for (int kind : kOrder) {
            if (a[Ship::CrewBase + kind] < 1 || combat::CrewSum(a) - 1 < a[Ship::CrewMin]) continue;
            --a[Ship::CrewBase + kind];
            ++a[Ship::BoardingSquadBase + kind];
            break;
        }
    }
    a[Ship::ShuttleTransferRate] = 0;
    BoardingMission = BoardingMissionKind::Capture;
}

void ResolveEnemyBoarding() {
    if (PlayerIsBoarding == 0) ChooseEnemyBoardingSquad();
    GameRecord& attacker = BoardingAttacker();
    GameRecord& defender = BoardingDefender();
    BoardingReport report;
    report.before = SquadByKind(defender);
    ResolveBoardingCasualties();
    const int a = BoardingSquadSum(attacker), d = BoardingSquadSum(defender);
    const int rating = BoardingSquadRating(attacker);
    const int c = BoardingRoundChance(false, rating, a, d, BoardingMission, EnemyIsBoarding == 0);
    report.lost = Lost(report.before, defender);
    report.casualties = "CASUALTIES: The enemy has lost " + std::to_string(AttackerLosses) +
                        " crewmembers. On your side " + std::to_string(DefenderLosses) +
                        " of your crewmembers are dead. The enemy resistance is" +
                        ResistanceWord(rating) + ".";
    report.status = "STATUS: The enemy attack squad has returned to their ship.";
    if (a == 0) report.status = "STATUS: The enemy attack squad has been killed.";
    if (Random(kChanceOutOf) >= c) {
        PlayReward1Sound();
        report.headline = "Enemy raid failed!";
        report.mission =
            "ENEMY RAID: An enemy attack squad tried to board your ship, but your crew was able "
            "to fight them back.";
        ShowBoardingReport(report);
    } else if (BoardingMission == BoardingMissionKind::Capture) {
        PlayBadSound();
        report.headline = "You got boarded!";
        report.mission =
            "ENEMY RAID: An enemy attack squad has boarded your ship and successfully captured "
            "the bridge.";
        report.status = "STATUS: The enemy squad is in control of the ship.";
        ShowBoardingReport(report);
        FirstOwnShip()[Ship::Present] = 0;
        HideBoardingScreen();
    }
    ReturnBoardingSquad();
    RestoreShuttlePlaces(attacker);
}

}  // namespace corvanth
