// ECM against projectiles and mines, laying mines, and boarding attempts.
#include <string>

#include "combat/CrewCombat1.h"
#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

using namespace combat;

namespace {

constexpr int kMineDestroyedAtMost = 10;  // an ECM draw of 10 or less destroys a mine
constexpr int kSmallCargoBay = 11;        // what a mine slot becomes
constexpr int kCargoBay = 8;              // and a supermine slot

bool TrackFlying(const GameRecord& track) {
    return track[Projectile::Active] > 0 && track[Projectile::InFlight] == 1;
}

// The player's draw against an enemy projectile or mine.
int PlayerEcmDraw() {
    if (LuckSwitch()) return Random(70);
    if (EarlyGameEase()) return Random(80);
    return Random(90);
}

// The enemy's draw against a projectile of the player's.
int EnemyEcmDraw() {
    if (TournamentFight()) {
        switch (OpponentSkill()) {
            case 2:
                return Random(170);
            case 3:
                return Random(150);
            case 4:
                return Random(100);
            default:
                return Random(200);
        }
    }
    if (LuckSwitch()) return Random(235);
    if (EarlyGameEase()) return Random(225);
    return Random(200);
}

// The enemy's draw against the player's mines.
int EnemyMineDraw() {
    if (LuckSwitch()) return Random(235);
    if (EarlyGameEase()) return Random(225);
    return Random(90);
}

// One ECM try on each kind of mine a ship has laid.
void SweepMines(GameRecord& layer, int (*draw)(), const std::string& success,
                const std::string& failure, const char* mine, const char* supermine) {
    for (int field : {Ship::MinesDeployed, Ship::SuperminesDeployed}) {
        if (layer[field] <= 0) continue;
        const std::string what = field == Ship::MinesDeployed ? mine : supermine;
        if (draw() <= kMineDestroyedAtMost) {
            --layer[field];
            ShowProjectiles();
            ShowEvent("ECM success!", success + what + " by ECM.", "ECM.jpg");
        } else {
            ShowEvent("ECM failure!", failure + what + " by ECM.", "torpedo.jpg");
        }
    }
}

void DropMine(int fleet, int ship, bool player) {
    GameRecord& rec = ShipRecord(fleet, ship);
    GameRecord& slot = SelectedSlot(fleet, ship);
    if (!CanAct(rec, slot, player)) return;
    const int id = slot[Slot::EquipmentId];
    const int kind = EquipmentType(id)[Equipment::Kind];
    if (kind != EquipmentKind::Mine && kind != EquipmentKind::Supermine) return;
    // Laying a mine costs its AP but leaves the slot's loaded flag alone.
    rec[Ship::ActionPointsLeft] -= EquipmentType(id)[Equipment::ActionPoints];
    if (player) ShowCombatAP();
    const bool mine = kind == EquipmentKind::Mine;
    ++rec[mine ? Ship::MinesDeployed : Ship::SuperminesDeployed];
    slot[Slot::EquipmentId] = mine ? kSmallCargoBay : kCargoBay;
    PlayMinesSound();
    const std::string picture = mine ? "exp1_mine.jpg" : "exp1_supermine.jpg";
    if (player) {
        ShowEvent("Mines ahead!",
                  "You fire a " + EquipmentName(id) +
                      ". There is a chance it will explode if the enemy closes the distance. The "
                      "more you fire, the higher the chance.",
                  picture);
        SetupCombatScreen();
    } else {
        ShowEvent("Mines ahead!",
                  "Enemy " + ShipClassName(0, G().EnemyCombatShip) + " fire a " +
                      EquipmentName(id) +
                      ". There is a chance it will explode if you close the distance. The more "
                      "he fires, the higher is the chance. Use ECM to counter them.",
                  picture);
    }
}

}  // namespace

void PlayerUseECM() {
    GameState& g = G();
    GameRecord& own = CombatOwnShip();
    GameRecord& slot = SelectedSlot(g.CurrentFleet, g.CombatShip);
    if (!CanAct(own, slot, true)) return;
    const GameRecord& ecm = EquipmentType(slot[Slot::EquipmentId]);
    SpendAction(own, slot, true);
    const std::string own_class = ShipClassName(g.CurrentFleet, g.CombatShip);
    // One use treats every projectile aimed at the ship, each with its own draw.
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        GameRecord& track = g.Projectiles[t];
        if (!TrackFlying(track) || track[Projectile::TargetFleet] != g.CurrentFleet ||
            track[Projectile::TargetShip] != g.CombatShip)
            continue;
        const int id = track[Projectile::EquipmentId];
        const int kind = EquipmentType(id)[Equipment::Kind];
        int chance = ecm[Equipment::EcmChance] + EquipmentType(id)[Equipment::EcmMalus];
        const int r = PlayerEcmDraw();
        const bool mismatch =
            (ecm[Equipment::Kind] == EquipmentKind::MissileEcm && kind == EquipmentKind::Torpedo) ||
            (ecm[Equipment::Kind] == EquipmentKind::TorpedoEcm && kind == EquipmentKind::Missile);
        if (mismatch) {
            ShowMessage1(
                "Missiles can only be intercepted by anti-missile ECM and torpedos only by "
                "anti-torpedo ECM.");
            chance = 0;
        }
        if (TutorialStep == 34) chance = 200;
        PlayECMSound();
        if (chance > r) {
            track.fill(0);
            ShowProjectiles();
            ShowEvent("ECM success!",
                      "Your " + own_class + " has destroyed a " + EquipmentName(id) + " by ECM.",
                      "ECM.jpg");
        } else {
            ShowEvent(
                "ECM failure!",
                "Your " + own_class + " has failed to destroy a " + EquipmentName(id) + " by ECM.",
                "torpedo.jpg");
        }
    }
    SweepMines(FiringShip(), PlayerEcmDraw, "Your " + own_class + " has destroyed a ",
               "Your " + own_class + " has failed to destroy a ", "Mine", "SuperMine");
}

void EnemyUseECM() {
    GameState& g = G();
    GameRecord& foe = FiringShip();
    GameRecord& slot = SelectedSlot(0, g.EnemyFiringShip);
    if (!CanAct(foe, slot, false)) return;
    const GameRecord& ecm = EquipmentType(slot[Slot::EquipmentId]);
    SpendAction(foe, slot, false);
    const std::string foe_class = ShipClassName(0, g.EnemyCombatShip);
    // The enemy treats only the first projectile aimed at it, whatever its kind.
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        GameRecord& track = g.Projectiles[t];
        if (!TrackFlying(track) || track[Projectile::TargetFleet] != 0 ||
            track[Projectile::TargetShip] != g.EnemyFiringShip)
            continue;
        const int id = track[Projectile::EquipmentId];
        const int chance = ecm[Equipment::EcmChance] + EquipmentType(id)[Equipment::EcmMalus];
        if (chance > EnemyEcmDraw()) {
            track.fill(0);
            ShowProjectiles();
            ShowEvent("ECM success!",
                      "Enemy " + foe_class + " has destroyed one of your " + EquipmentName(id) +
                          " by ECM.",
                      "ECM.jpg");
        } else {
            ShowEvent("ECM failure!",
                      "Enemy " + foe_class + " has failed to destroy one of your " +
                          EquipmentName(id) + " by ECM.",
                      "torpedo.jpg");
        }
        break;
    }
    SweepMines(CombatOwnShip(), EnemyMineDraw, "Enemy " + foe_class + " has destroyed one of your ",
               "Enemy " + foe_class + " has failed to destroy one of your ", "Mines", "SuperMines");
}

void PlayerDropMine() {
    DropMine(G().CurrentFleet, G().CombatShip, true);
}
void EnemyDropMine() {
    DropMine(0, G().EnemyFiringShip, false);
}

void PlayerBoard() {
    GameState& g = G();
    GameRecord& own = CombatOwnShip();
    GameRecord& slot = SelectedSlot(g.CurrentFleet, g.CombatShip);
    if (slot[Slot::Loaded] <= 0) return;
    const GameRecord& foe = EnemyShipRecord();
    if (foe[Ship::SizeClass] == 1) {
        ShowMessage1("You cannot board fighters (of course not)!");
        return;
    }
    if (foe[Ship::OrbitalTurrets] == 1) {
        ShowMessage1("You cannot board this kind of vessel!");
        return;
    }
    if (!CanAct(own, slot, true)) return;
    if (CrewSum(own) - 1 < own[Ship::CrewMin]) {
        ShowMessage1("You cannot spare any crewmembers for such an attack!");
        return;
    }
    SpendAction(own, slot, true);
    if (g.CombatRange >= 2) {
        PlaySonarSound();
        own[Ship::ActionPointsLeft] +=
            EquipmentType(slot[Slot::EquipmentId])[Equipment::ActionPoints];
        ShowCombatAP();
        ShowMessage1("You are out of range! (Close range required).");
        return;
    }
    const int ownRating = CrewRating(own, kAbilityCloseCombat);
    const int foeRating = CrewRating(foe, kAbilityCloseCombat);
    int d = ownRating <= 1 ? 100 : ownRating == 2 ? 90 : 80;
    if (foeRating == 2) d += 10;
    if (foeRating >= 3) d += 20;
    if (Random(d) >= 40) {
        ShowEvent("", "The evasive manouvers of the enemy ship let your boarding attempt fail.",
                  "");
        return;
    }
    PlayerIsBoarding = 1;
    EnemyIsBoarding = 0;
    InitBoarding();
    RefreshBoardingScreen();
    ShowBoardingScreen();
    CheckCombatOutcome();
}

void EnemyBoardingAttempt() {
    GameState& g = G();
    GameRecord& foe = FiringShip();
    const GameRecord& own = TargetedShip();
    if (g.CombatRange != 1 || own[Ship::SizeClass] <= 1) return;
    if (CrewSum(foe) < foe[Ship::CrewMin]) return;
    // The cost is that of the slot the enemy's turn selected last, not necessarily the shuttle.
    const int cost = EquipmentType(
        SelectedSlot(0, g.EnemyFiringShip)[Slot::EquipmentId])[Equipment::ActionPoints];
    if (foe[Ship::ActionPointsLeft] <= cost) return;
    foe[Ship::ActionPointsLeft] -= cost;
    const int ownRating = CrewRating(own, kAbilityCloseCombat);
    const int foeRating = CrewRating(foe, kAbilityCloseCombat);
    int d = ownRating <= 1 ? 100 : ownRating == 2 ? 110 : 120;
    if (foeRating == 2) d -= 10;
    if (foeRating >= 3) d -= 20;
    if (Random(d) >= 30) {
        ShowEvent("", "Your evasive manouvers let the enemy boarding attempt fail.", "");
        return;
    }
    PlayerIsBoarding = 0;
    EnemyIsBoarding = 1;
    InitBoarding();
    ResolveEnemyBoarding();
}

}  // namespace corvanth
