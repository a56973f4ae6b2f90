// The player's combat actions as the combat screen's buttons run them, and the outcome check
// after each of them.
#include <algorithm>
#include <string>

#include "career/governor.h"
#include "career/missions.h"
#include "combat/AttackPlanet.h"
#include "combat/Duelhold_Main.h"
#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/showing.h"
#include "state/upcalls.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

using namespace combat;

namespace {

constexpr int kFleeCost = 10;
constexpr int kReloadCost = 4;
constexpr int kEnemyShips = 4;
constexpr int64_t kBountyAtLeast = 5000;
constexpr int64_t kBountyAtMost = 1000000;

bool ReloadableGun(int kind) {
    return kind == EquipmentKind::LaserGun || kind == EquipmentKind::PhaserGun ||
           kind == EquipmentKind::FlechetteGun || kind == EquipmentKind::TachyonTurrets;
}

void RunAction(int kind) {
    if (IsGun(kind)) {
        PlayerFireGun();
        return;
    }
    switch (kind) {
        case EquipmentKind::Torpedo:
        case EquipmentKind::Missile:
            PlayerLaunchProjectile();
            break;
        case EquipmentKind::MissileEcm:
        case EquipmentKind::TorpedoEcm:
            PlayerUseECM();
            break;
        case EquipmentKind::BoardingShuttle:
            PlayerBoard();
            break;
        case EquipmentKind::Mine:
        case EquipmentKind::Supermine:
            PlayerDropMine();
            break;
        default:
            break;
    }
}

// The tutorial's combat lesson wants one particular entry of the list at steps 31, 33 and 34.
bool PassTutorialGuard() {
    struct Guard {
        int step, entry;
        const char* refusal;
        void (*advance)();
    };
    static constexpr Guard kGuards[] = {
        {34, 1, "No! Please fire the phaser cannon!", AdvanceTutorialStep34},
        {33, 2, "No! Please use the ECM!", AdvanceTutorialStep33},
        {31, 2, "No! Please fire the missile!", AdvanceTutorialStep31},
    };
    for (const Guard& guard : kGuards) {
        if (TutorialStep != guard.step) continue;
        if (Combat().selected != guard.entry) {
            ShowMessage1(guard.refusal);
            return false;
        }
        guard.advance();
        return true;
    }
    return false;
}

// Armor of a fallen ship takes the blow: the first armor slot becomes what its exchange list
// names first, and the hull comes back by that item's value, to at most 1.
bool UseArmorSection(int fleet, int ship) {
    GameRecord& rec = ShipRecord(fleet, ship);
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        GameRecord& slot = SlotRecord(fleet, ship, s);
        const GameRecord& armor = EquipmentType(slot[Slot::EquipmentId]);
        if (slot[Slot::Used] <= 0 || armor[Equipment::Kind] != EquipmentKind::Armor) continue;
        const int replacement = armor[Equipment::ExchangeBase + 1];
        slot[Slot::EquipmentId] = replacement;
        rec[Ship::Strength] = SaturateInt32(std::min<int64_t>(
            int64_t{rec[Ship::Strength]} + EquipmentType(replacement)[Equipment::MainValue], 1));
        PlayExplosion1Sound();
        return true;
    }
    return false;
}

void PayPirateBounty() {
    GameRecord& captain = Captain();
    const int own = CaptainFaction();
    const int rank = own != 0 ? FactionRecord(own)[Faction::Rank] : 0;
    const int64_t drawn = int64_t{Random(captain[Player::Money] / 10)} * rank;
    const int64_t bounty = std::clamp(drawn, kBountyAtLeast, kBountyAtMost);
    captain[Player::Money] = AfterGain(captain[Player::Money], bounty);
    PlayReward2Sound();
    GameUpcalls().RefreshStatusPanel();
    ShowFixedNotice("For destruction of this pirate vessel you receive a bounty of $C " +
                        FormatThousands(bounty) + "!",
                    "face5_sm.jpg");
}

void OfferLoot() {
    GameState& g = G();
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.CapturedCargo[good] <= 0) continue;
        g.LootItem[Loot::Amount] = std::max(1, g.CapturedCargo[good] / 4);
        g.LootItem[Loot::Good] = good;
        GameUpcalls().ShowLoot("You scan the explosion...",
                               "In the remnants of the destroyed ship you find:");
    }
}

void EnemyDestroyed(int ship) {
    GameRecord& rec = ShipRecord(0, ship);
    rec[Ship::Present] = 0;
    PlayExplosion2Sound();
    ShowEvent("Victory!!", "Enemy " + ShipClassName(0, ship) + " has been destroyed!",
              "cexplosion.jpg");
    if (TournamentFight()) return;
    AwardShipKill(rec[Ship::SizeClass], rec[Ship::Faction]);
    if (rec[Ship::Faction] == FactionId::Pirates) PayPirateBounty();
    OfferLoot();
}

bool AnyEnemyPresent() {
    for (int ship = 1; ship <= kEnemyShips; ++ship)
        if (ShipRecord(0, ship)[Ship::Present] > 0) return true;
    return false;
}

}  // namespace

void CombatFireOrUse() {
    const bool passed = PassTutorialGuard();
    PlayButtonSound();
    if (TutorialStep > 0 && TutorialStep != 35 && !passed) {
        if (TutorialStep == 34) CombatOwnShip()[Ship::ActionPointsLeft] = 8;
        CheckCombatOutcome();
        return;
    }
    GameState& g = G();
    GameRecord& own = CombatOwnShip();
    GameRecord& slot = SelectedSlot(g.CurrentFleet, g.CombatShip);
    const GameRecord& item = EquipmentType(slot[Slot::EquipmentId]);
    const int kind = item[Equipment::Kind];
    if (Random(100) < item[Equipment::Reliability] && item[Equipment::Defined] > 0) {
        RunAction(kind);
    } else if (ReloadableGun(kind) && TutorialStep == 0) {
        own[Ship::ActionPointsLeft] =
            std::max(0, own[Ship::ActionPointsLeft] - item[Equipment::ActionPoints]);
        ShowCombatAP();
        ShowMessage1("Weapon failure!");
        slot[Slot::Loaded] = 0;
        Combat().fireEnabled = false;
    }
    if (TutorialStep == 34) own[Ship::ActionPointsLeft] = 8;
    CheckCombatOutcome();
}

void CombatEndTurn() {
    if (TutorialStep == 32) AdvanceTutorialStep32();
    PlayButtonSound();
    EndCombatTurn();
}

int FleeChance() {
    const GameRecord& own = CombatOwnShip();
    const GameRecord& foe = EnemyShipRecord();
    int c = foe[Ship::Speed] < own[Ship::Speed] ? 12 : 6;
    if (foe[Ship::Speed] == 0) c = 100;
    if (G().CombatRange == 1) c -= 4;
    if (G().CombatRange == 2) c -= 2;
    if (LuckSwitch()) c += 4;
    if (EarlyGameEase()) c += 4;
    return c;
}

FleeResult Flee() {
    GameRecord& own = CombatOwnShip();
    if (own[Ship::ActionPointsLeft] < kFleeCost) return FleeResult::NoActionPoints;
    own[Ship::ActionPointsLeft] -= kFleeCost;
    return FleeChance() > Random(20) ? FleeResult::Fled : FleeResult::Failed;
}

bool CombatFlee() {
    const FleeResult result = Flee();
    if (result == FleeResult::NoActionPoints) {
        ShowMessage1(
            "You do not have enough action points (AP). Click on \"End turn\" to get new AP.");
        return false;
    }
    ShowCombatAP();
    if (result == FleeResult::Failed) {
        ShowMessage1("Your attempt to flee failed!");
        return false;
    }
    ShowMessage1("You successfully flee from combat!");
    EndCombat();
    // A raid wave fled ends the raid.
    if (RaidShowing()) Form33->Close();
    // Fleeing the fight a mission sent costs the mission, unless it is a patrol.
    if (MissionEncounterShowing()) FailMissionUnlessPatrol();
    if (ArenaFightShowing()) DisqualifyForFleeing();
    return true;
}

void CombatReload() {
    GameState& g = G();
    GameRecord& own = CombatOwnShip();
    GameRecord& slot = SelectedSlot(g.CurrentFleet, g.CombatShip);
    if (slot[Slot::Used] <= 0) return;
    const int id = slot[Slot::EquipmentId];
    if (!ReloadableGun(EquipmentType(id)[Equipment::Kind])) {
        ShowMessage1("You can only reload guns!");
    } else if (slot[Slot::Loaded] > 0) {
        ShowMessage1("This weapon is ready to be used and does not need to be reloaded.");
    } else if (own[Ship::ActionPointsLeft] < kReloadCost) {
        ShowMessage1(
            "You do not have enough action points (AP). Click on \"End turn\" to get new AP.");
    } else {
        own[Ship::ActionPointsLeft] -= kReloadCost;
        slot[Slot::Loaded] = 1;
        AddCombatAction(id);
        ShowMessage1("You reload the weapon/item and it is now ready to be used again.");
    }
    ShowCombatAP();
}

void CombatWishRange(int range) {
    if (range < 1 || range > 3) return;
    if (range == 2 && TutorialStep == 30) AdvanceTutorialStep30();
    CombatOwnShip()[Ship::CombatRange] = range;
    ShowCombatRange();
    GameRecord& captain = Captain();
    if (captain[Player::RangeHelpShown] != 0) return;
    captain[Player::RangeHelpShown] = 1;
    ShowFixedNotice(
        "HELP INFO: You selected, which range you want to keep to the enemy ship. Every new turn "
        "the range is calculated. The faster ship usually can keep its preferred range. To see "
        "any results you need to \"End turn\".",
        GetShipPictureName(CombatOwnShip()[Ship::Class]));
}

void CheckCombatOutcome() {
    GameState& g = G();
    // A decided combat has nothing left to check.
    if (g.CombatMayClose == 1) return;
    for (int ship = 1; ship <= kEnemyShips; ++ship) {
        const GameRecord& rec = ShipRecord(0, ship);
        if (rec[Ship::Present] <= 0 || rec[Ship::Strength] > 0 || !UseArmorSection(0, ship))
            continue;
        ShowEvent("Armor!!",
                  "You pierce the shields of the enemy " + ShipClassName(0, ship) +
                      " and the enemy armor tries to absorb some of the damage. One section of "
                      "armor destroyed (upgrade to cargo bays).",
                  "exp1_armor.jpg");
    }
    for (int ship = 1; ship <= kEnemyShips; ++ship) {
        const GameRecord& rec = ShipRecord(g.CurrentFleet, ship);
        while (rec[Ship::Present] > 0 && rec[Ship::Strength] < 1 &&
               UseArmorSection(g.CurrentFleet, ship)) {
            ShowEvent("Armor!!",
                      "The enemy pierces the shields of your " +
                          ShipClassName(g.CurrentFleet, ship) +
                          " and your armor tries to absorb some of the damage. One section armor "
                          "destroyed.",
                      "exp1_armor.jpg");
        }
    }
    for (int ship = 1; ship <= kEnemyShips; ++ship) {
        const GameRecord& rec = ShipRecord(0, ship);
        if (rec[Ship::Present] > 0 && rec[Ship::Strength] <= 0) EnemyDestroyed(ship);
    }
    for (int ship = 1; ship <= kEnemyShips; ++ship) {
        GameRecord& rec = ShipRecord(g.CurrentFleet, ship);
        if (rec[Ship::Present] <= 0 || rec[Ship::Strength] >= 1) continue;
        rec[Ship::Present] = 0;
        PlayExplosion2Sound();
        ShowEvent("Defeat!!",
                  "Your " + ShipClassName(g.CurrentFleet, ship) + " has been destroyed!",
                  "cexplosion.jpg");
    }
    // The fight is the ship fighting's alone: the enemy fires at ship 1 and the turn waits for
    // it, so another ship of the fleet marked present takes no part, and its loss loses the
    // fight.
    if (CombatOwnShip()[Ship::Present] > 0) {
        if (!AnyEnemyPresent()) EndCombat();
        return;
    }
    EndCombat();
    // A second chance leaves the active mission as it is.
    GameUpcalls().KillCaptain();
}

}  // namespace corvanth
