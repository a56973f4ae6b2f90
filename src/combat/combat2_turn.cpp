// The end of a combat turn: the enemy acts, projectiles fly, the range moves, mines may blow,
// and both sides are refilled and reloaded.
#include <algorithm>
#include <string>

#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

using namespace combat;

namespace {

constexpr int kMineId = 110;
constexpr int kSupermineId = 111;
constexpr int kBehaviourDraw = 76;  // in 100: the enemy lays mines, and launches

bool BothPresent() {
    return CombatOwnShip()[Ship::Present] > 0 && EnemyShipRecord()[Ship::Present] > 0;
}

// Runs `action` for every used slot of the enemy's firing ship whose item is of `kind`.
template <class Action>
void ForEnemySlotsOfKind(int kind, bool loadedOnly, Action action) {
    const int ship = G().EnemyFiringShip;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = SlotRecord(0, ship, s);
        if (slot[Slot::Used] <= 0 ||
            EquipmentType(slot[Slot::EquipmentId])[Equipment::Kind] != kind)
            continue;
        if (loadedOnly && slot[Slot::Loaded] <= 0) continue;
        ShipRecord(0, ship)[Ship::SelectedWeaponSlot] = s;
        action();
    }
}

bool EnemyHasShuttle() {
    const int ship = G().EnemyFiringShip;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = SlotRecord(0, ship, s);
        if (EquipmentType(slot[Slot::EquipmentId])[Equipment::Kind] ==
            EquipmentKind::BoardingShuttle)
            return true;
    }
    return false;
}

void ChooseBehaviour() {
    GameRecord& foe = FiringShip();
    const BoardingScores scores = EnemyBoardingScores();
    const bool boards =
        scores.stay < scores.board && EnemyHasShuttle() && TargetedShip()[Ship::SizeClass] != 1;
    if (!boards) {
        foe[Ship::CombatRange] = foe[Ship::RetreatRange];
        return;
    }
    if (G().CombatRange > 1) {
        foe[Ship::CombatRange] = 1;
        if (foe[Ship::BoardingWarningShown] == 0) {
            foe[Ship::BoardingWarningShown] = 1;
            PlayAlertSound();
            ShowFixedNotice("WARNING: The enemy ship tries to get close enough to board your ship!",
                            GetShipPictureName(foe[Ship::Class]));
        }
        return;
    }
    EnemyBoardingAttempt();
}

// The laid mines of `layer` may blow up under `victim` as the range closes.
void MineBlasts(GameRecord& layer, GameRecord& victim, bool players) {
    for (int field : {Ship::MinesDeployed, Ship::SuperminesDeployed}) {
        if (layer[field] <= 0) continue;
        const bool mine = field == Ship::MinesDeployed;
        const GameRecord& item = EquipmentType(mine ? kMineId : kSupermineId);
        if (int64_t{layer[field]} * item[Equipment::MineHitFactor] <= Random(100)) continue;
        const int damage = item[Equipment::ProjectileDamage];
        victim[Ship::Strength] -= damage;
        ShowHullBars();
        if (players) {
            PlayExplosion1Sound();
            ShowEvent("Hit!",
                      "A Mine of you hits the enemy " + ShipClassName(0, G().EnemyCombatShip) +
                          " causing " + std::to_string(damage) + " pts of damage.",
                      mine ? "exp1_mine.jpg" : "exp1_supermine.jpg");
        } else {
            ShowEvent("Hit!",
                      std::string("You are hit by an enemy ") + (mine ? "Mine" : "SuperMine") +
                          " causing " + std::to_string(damage) + " pts of damage.",
                      "exp1_mine.jpg");
        }
    }
}

// One range step: each draws every turn, whatever its condition. The range stays within
// close (1) and long (3) whatever the wishes hold.
void RangeStep(int wish, int otherWish, int c, int direction, bool blasts, bool players) {
    GameState& g = G();
    const int r = Random(20);
    const bool wanted = direction < 0 ? wish < g.CombatRange : wish > g.CombatRange;
    if (!wanted) return;
    if (wish == otherWish) c = 20;
    if (r >= c) return;
    const int before = g.CombatRange;
    g.CombatRange = std::clamp(g.CombatRange + direction, 1, 3);
    if (g.CombatRange == before) return;
    ShowCombatRange();
    if (blasts) {
        MineBlasts(players ? CombatOwnShip() : FiringShip(),
                   players ? EnemyShipRecord() : CombatOwnShip(), players);
    }
}

void RangeSteps() {
    const GameRecord& own = CombatOwnShip();
    const GameRecord& foe = EnemyShipRecord();
    const int ownWish = own[Ship::CombatRange], foeWish = foe[Ship::CombatRange];
    const int ownSpeed = own[Ship::Speed], foeSpeed = foe[Ship::Speed];
    const int foeChance = foeSpeed <= ownSpeed ? 7 : 12;
    const int ownChance = ownSpeed < foeSpeed ? 7 : 12;
    // The enemy closing in sets off the player's mines; the player closing in, the enemy's.
    RangeStep(foeWish, ownWish, foeChance, -1, true, true);
    RangeStep(foeWish, ownWish, foeChance, +1, false, true);
    RangeStep(ownWish, foeWish, ownChance, -1, true, false);
    RangeStep(ownWish, foeWish, ownChance, +1, false, false);
}

void SlowerShipNotice() {
    GameRecord& captain = Captain();
    const GameRecord& own = CombatOwnShip();
    const GameRecord& foe = EnemyShipRecord();
    if (CombatTurnCount != 1 || own[Ship::Speed] >= foe[Ship::Speed] || !BothPresent() ||
        captain[Player::HideSlowerShipNotice] != 0)
        return;
    ShowSwitchableNotice(
        "Your ship is slower than the enemy ship. It will be difficult to keep a range against "
        "the will of the enemy pilot.",
        GetShipPictureName(foe[Ship::Class]), Player::HideSlowerShipNotice);
}

void RefillAndReload() {
    GameState& g = G();
    for (int fleet : {g.CurrentFleet, 0}) {
        for (int ship = 1; ship <= 4; ++ship) {
            GameRecord& rec = ShipRecord(fleet, ship);
            rec[Ship::ActionPointsLeft] = rec[Ship::ActionPointsPerTurn];
            rec[Ship::EvasionClass] = 0;
        }
    }
    ShowCombatAP();
    for (int fleet = 0; fleet <= 5; ++fleet)
        for (int ship = 1; ship <= 4; ++ship)
            for (int s = Slot::First; s <= Slot::Last; ++s)
                SlotRecord(fleet, ship, s)[Slot::Loaded] = 1;
}

}  // namespace

BoardingScores EnemyBoardingScores() {
    const GameRecord& own = TargetedShip();
    const GameRecord& foe = FiringShip();
    BoardingScores s;
    const int ownHull = own[Ship::Strength], ownBase = own[Ship::BaseStrength];
    if (ownHull < ownBase / 2) s.stay += 12;
    if (ownBase / 4 > ownHull) s.stay += 25;
    if (foe[Ship::CombatPositionSecond] == 4) s.stay += 25;
    const int foeMax = foe[Ship::CrewMax], ownMax = own[Ship::CrewMax];
    const int foeHull = foe[Ship::Strength], foeBase = foe[Ship::BaseStrength];
    if (foeMax < ownMax) s.board += 12;
    if (foeMax < ownMax / 2) s.board += 12;
    if (foe[Ship::Faction] == FactionId::Syndicate || foe[Ship::Faction] == FactionId::Pirates)
        s.board += 25;
    if (foeHull < foeBase / 2) s.board += 50;
    if (foeHull < foeBase / 4) s.board += 100;
    if (ownMax < foeMax) s.board += 25;
    if (int64_t{foeMax} > 2 * int64_t{ownMax}) s.board += 25;
    return s;
}

void EnemyCombatTurn() {
    GameState& g = G();
    g.TargetedOwnShip = 1;
    if (Random(100) < kBehaviourDraw) {
        ForEnemySlotsOfKind(EquipmentKind::Mine, false, EnemyDropMine);
        ForEnemySlotsOfKind(EquipmentKind::Supermine, false, EnemyDropMine);
    }
    if (Random(100) < kBehaviourDraw) {
        ForEnemySlotsOfKind(EquipmentKind::Torpedo, false, EnemyLaunchProjectile);
        ForEnemySlotsOfKind(EquipmentKind::Missile, false, EnemyLaunchProjectile);
    }
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        const GameRecord& track = g.Projectiles[t];
        if (track[Projectile::Active] <= 0 || track[Projectile::InFlight] != 1 ||
            track[Projectile::TargetFleet] != 0 ||
            track[Projectile::TargetShip] != g.EnemyFiringShip)
            continue;
        const int kind = EquipmentType(track[Projectile::EquipmentId])[Equipment::Kind];
        if (kind == EquipmentKind::Missile)
            ForEnemySlotsOfKind(EquipmentKind::MissileEcm, true, EnemyUseECM);
        if (kind == EquipmentKind::Torpedo)
            ForEnemySlotsOfKind(EquipmentKind::TorpedoEcm, true, EnemyUseECM);
    }
    const GameRecord& own = CombatOwnShip();
    if (own[Ship::MinesDeployed] > 0)
        ForEnemySlotsOfKind(EquipmentKind::TorpedoEcm, true, EnemyUseECM);
    if (own[Ship::SuperminesDeployed] > 0)
        ForEnemySlotsOfKind(EquipmentKind::TorpedoEcm, true, EnemyUseECM);
    ChooseBehaviour();
    if (FirstOwnShip()[Ship::Present] <= 0) return;
    const int ship = g.EnemyFiringShip;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = SlotRecord(0, ship, s);
        if (slot[Slot::Used] <= 0) continue;
        ShipRecord(0, ship)[Ship::SelectedWeaponSlot] = s;
        if (IsGun(EquipmentType(slot[Slot::EquipmentId])[Equipment::Kind])) {
            g.TargetedOwnShip = 1;
            EnemyFireGun();
        }
    }
}

void EndCombatTurn() {
    GameState& g = G();
    ++CombatTurnCount;
    if (BothPresent()) {
        if (TutorialStep == 33) {
            // The lesson's enemy launches one projectile from slot 2 and comes to medium range.
            FiringShip()[Ship::SelectedWeaponSlot] = 2;
            g.EnemyFiringShip = 1;
            g.TargetedOwnShip = 1;
            EnemyLaunchProjectile();
            g.CombatRange = 2;
            EnemyShipRecord()[Ship::CombatRange] = 2;
            ShowCombatRange();
        } else if (TutorialStep == 0) {
            g.EnemyFiringShip = 1;
            EnemyCombatTurn();
        }
        AdvanceProjectiles();
        ShowProjectiles();
        SlowerShipNotice();
        RangeSteps();
        RefillAndReload();
        ChooseCombatAction(Combat().selected);
    }
    CheckCombatOutcome();
}

}  // namespace corvanth
