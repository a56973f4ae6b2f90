// The crew's day aboard: pay countdown, reminder, morale, incidents and the mutiny.
#include <string>

#include "planet/CrewPay.h"
#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth {

namespace {

constexpr int kReminderAt = 30;
constexpr int kMurderPenalty = 10, kTheftPenalty = 5, kDisputePenalty = 30;

void CrewNotice(const std::string& text) {
    ShowFixedNotice(text, GetShipPictureName(PlayerShip()[Ship::Class]));
}

int TargetFromCountdown(int countdown) {
    if (countdown < -300) return -3;
    if (countdown < -100) return -2;
    if (countdown < 0) return -1;
    return 0;
}

bool CarriesContraband(int faction) {
    if (!PlayableFaction(faction)) return false;
    for (int good = Good::First; good <= Good::Last; ++good)
        if (G().Cargo[good] >= 1 && GoodRecord(good)[Good::LegalityBase + faction] >= 1)
            return true;
    return false;
}

// One incident in the turn of a drop: chance c in 2000 by the morale and the faction.
void MaybeIncident(int morale) {
    int chance = morale == -1 ? 20 : 40;
    const int faction = Captain()[Player::Faction];
    if (faction == FactionId::Syndicate) chance -= chance / 2;
    if (faction == FactionId::Coalition) chance += chance / 2;
    if (Random(2000) >= chance) return;
    const int kind = Random(100);
    GameRecord& fleet = PlayerFleet();
    GameRecord& ship = PlayerShip();
    if (kind <= 25) {
        const int killable[] = {Ship::CrewOfficers, Ship::CrewMercenaries, Ship::CrewAdventurers,
                                Ship::CrewScoundrels};
        int64_t nonDroids = 0;
        for (int field : killable) nonDroids += ship[field];
        if (nonDroids <= 4) return;
        for (int field : killable)
            if (ship[field] > 0) {
                --ship[field];
                break;
            }
        fleet[Fleet::CrewPayCountdown] -= kMurderPenalty;
        PlayAlertSound();
        CrewNotice("There is a murder on board of your ship. The crew is getting nervous.");
        if (CrewSum(ShipCrew()) < ship[Ship::CrewMin])
            CrewNotice(
                "Because you do not have enough crew members everyone needs to work double "
                "shifts. Fly to the closest planet and hire crew or your people will mutiny.");
    } else if (kind <= 50) {
        GameState& g = G();
        int stolen = 0;
        for (int good = Good::First; good <= Good::Last; ++good) {
            if (g.Cargo[good] <= 0) continue;
            if (stolen == 0 || Random(100) < 25) stolen = good;
        }
        if (stolen == 0) return;
        const int amount = Random(g.Cargo[stolen]) + 1;
        fleet[Fleet::CrewPayCountdown] -= kTheftPenalty;
        PlayAlertSound();
        CrewNotice("You notice that someone seems to have stolen " + std::to_string(amount) +
                   "E of " + GoodName(stolen) + " from your cargobay. Your crew gets nervous.");
        g.Cargo[stolen] -= amount;
        // The hold is lighter: its free room must say so at once.
        RecalcShipStats(g.CurrentFleet, g.CurrentShip, 0, 0);
    } else {
        fleet[Fleet::CrewPayCountdown] -= kDisputePenalty;
        PlayAlertSound();
        CrewNotice(
            "A common dispute between two crewmembers causes a fight. Your disciplinary measures "
            "cause unrest. You need to promise to pay them 30 turns sooner.");
    }
}

void Mutiny() {
    if (Random(100) >= 5) return;
    PlayAlertSound();
    ShowFixedNotice(
        "You cannot keep your crew calm anymore. One night they overwhelm you and literally cut "
        "you to pieces.",
        "crewcombat.jpg");
    // The death screen with its second chance; without one the game ends there.
    GameUpcalls().KillCaptain();
}

}  // namespace

void CrewTurnStep() {
    GameRecord& fleet = PlayerFleet();
    GameRecord& ship = PlayerShip();
    const GameRecord& captain = Captain();
    int32_t& countdown = fleet[Fleet::CrewPayCountdown];
    const CrewCounts crew = ShipCrew();
    const int64_t all = CrewSum(crew);
    const int64_t scoundrels = crew[CrewKind::Scoundrels - CrewKind::First];
    const int64_t nonScoundrels = all - scoundrels;

    --countdown;
    // The countdown only runs while something is owed.
    if (CalcCrewPayDue().total == 0) ++countdown;
    if (countdown > kReminderAt) fleet[Fleet::PayReminderShown] = 0;
    if (countdown < kReminderAt && fleet[Fleet::PayReminderShown] == 0) {
        fleet[Fleet::PayReminderShown] = 1;
        PlayBadSound();
        CrewNotice("Your crew reminds you that it wants to be paid (within the next 30 turns).");
    }

    int target = TargetFromCountdown(countdown);
    const int faction = captain[Player::Faction];
    // Each of these sets the target outright, whatever came before.
    if (scoundrels > 0 && scoundrels >= nonScoundrels / 2 && faction != FactionId::Syndicate)
        target = -1;
    if (faction != FactionId::Syndicate && CarriesContraband(faction) &&
        scoundrels < nonScoundrels / 4)
        target = -1;
    if (all > 0 && all < ship[Ship::CrewMin]) {
        if (fleet[Fleet::TooFewCrewWarningShown] == 0) {
            fleet[Fleet::TooFewCrewWarningShown] = 1;
            CrewNotice(
                "You do not have enough crew members and everyone needs to work double shifts.");
        }
        target = -2;
    } else {
        fleet[Fleet::TooFewCrewWarningShown] = 0;
    }
    if (all >= 1 && all > ship[Ship::CrewMax]) {
        if (fleet[Fleet::TooManyCrewWarningShown] == 0) {
            fleet[Fleet::TooManyCrewWarningShown] = 1;
            CrewNotice(
                "You have too many crewmembers and some of your men need to sleep on the floor.");
        }
        target = -2;
    } else {
        fleet[Fleet::TooManyCrewWarningShown] = 0;
    }

    int32_t& morale = fleet[Fleet::Morale];
    if (morale < 0 && morale == target && target >= -2 && Random(100) == 0) --target;
    if (morale < target && Random(100) <= 5) {
        morale = target;
        CrewNotice("Your crew has calmed down!");
    }
    if (morale > target) {
        morale = target;
        if (target == -1) CrewNotice("Your crew is nervous (Morale dropped to \"low\")!");
        if (target == -2) CrewNotice("Your crew is angry (Morale dropped to \"angry\")!");
        if (target <= -3) CrewNotice("Your crew is about to mutinee!");
        MaybeIncident(target);
    }
    if (morale == -3) Mutiny();
}

}  // namespace corvanth
