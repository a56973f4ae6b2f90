// Weapons and hit resolution: guns, and missiles and torpedoes on their tracks.
#include <string>

#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/random.h"
#include "state/shipstats.h"

namespace corvanth {

using namespace combat;

namespace {

void PlayGunSound(int kind) {
    switch (kind) {
        case EquipmentKind::LaserGun:
            PlayLaserSound();
            break;
        case EquipmentKind::PhaserGun:
            PlayPhaserSound();
            break;
        case EquipmentKind::FlechetteGun:
            PlayFlechetteSound();
            break;
        case EquipmentKind::TachyonTurrets:
            PlayTachyonSound();
            break;
        case EquipmentKind::ParticleGun:
            PlayParticlesSound();
            break;
        case EquipmentKind::QuantumGun:
            PlayQuantumSound();
            break;
        default:
            break;
    }
}

}  // namespace

int EvasionModifier(int fleet, int ship) {
    const int evasion = ShipRecord(fleet, ship)[Ship::EvasionClass];
    switch (evasion) {
        case 0:
            return 10;
        case 1:
            return -15;
        case 2:
            return -10;
        case 3:
            return -12;
        case 4:
            return -14;
        case 5:
            return -16;
        default:
            return evasion >= 6 && evasion <= 100 ? -20 : 0;
    }
}

int HitDivisor(bool enemy) {
    GameState& g = G();
    const int fleet = enemy ? 0 : g.CurrentFleet;
    const int ship = enemy ? g.EnemyFiringShip : g.CombatShip;
    const GameRecord& shooter = ShipRecord(fleet, ship);
    const int rating = CrewRating(shooter, kAbilityTargeting);
    int64_t d = rating <= 1 ? 100 : rating == 2 ? 90 : 80;
    // A targeting computer helps only at its own range; elsewhere it makes aiming harder.
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = SlotRecord(fleet, ship, s);
        const GameRecord& item = EquipmentType(slot[Slot::EquipmentId]);
        if (slot[Slot::Used] <= 0 || item[Equipment::Kind] != EquipmentKind::TargetingComputer)
            continue;
        const int range = g.CombatRange;
        if (range < 1 || range > 3) continue;
        const int p = item[Equipment::CloseHitChance + range - 1];
        if (p < 100) d += (100 - p) * d / 100;
    }
    const GameRecord& own = CombatOwnShip();
    const GameRecord& foe = EnemyShipRecord();
    const int sign = enemy ? -1 : 1;
    if (!enemy && foe[Ship::SizeClass] < own[Ship::SizeClass] - 1) d += 20;
    if (enemy && foe[Ship::SizeClass] > own[Ship::SizeClass] + 1) d += 20;
    if (LuckSwitch()) d -= sign * 35;
    if (EarlyGameEase()) d -= sign * 25;
    if (TournamentFight()) {
        const int skill = OpponentSkill();
        if (skill == 2) d += sign * 10;
        if (skill == 3) d += sign * 25;
        if (skill == 4) d += sign * 50;
    }
    return static_cast<int>(d);
}

void PlayerFireGun() {
    GameState& g = G();
    GameRecord& own = CombatOwnShip();
    GameRecord& slot = SelectedSlot(g.CurrentFleet, g.CombatShip);
    if (!CanAct(own, slot, true)) return;
    const int id = slot[Slot::EquipmentId];
    const GameRecord& gun = EquipmentType(id);
    SpendAction(own, slot, true);
    if (gun[Equipment::GunRange] < g.CombatRange) {
        PlaySonarSound();
        own[Ship::ActionPointsLeft] += gun[Equipment::ActionPoints];
        ShowCombatAP();
        ShowMessage1("You are out of range! (Distance: " + std::to_string(g.CombatRange) +
                     ", Maximum range: " + std::to_string(gun[Equipment::GunRange]));
        return;
    }
    const int a = gun[Equipment::GunAccuracy] + EvasionModifier(g.CurrentFleet, g.CombatShip) +
                  EvasionModifier(0, g.EnemyCombatShip);
    const int d = HitDivisor(false);
    PlayGunSound(gun[Equipment::Kind]);
    const std::string own_class = ShipClassName(g.CurrentFleet, g.CombatShip);
    const std::string foe_class = ShipClassName(0, g.EnemyCombatShip);
    if (Random(d) < a) {
        EnemyShipRecord()[Ship::Strength] -= gun[Equipment::GunDamage];
        ShowHullBars();
        ShowEvent("Hit!",
                  " Your " + own_class + " hits the enemy " + foe_class + " causing " +
                      std::to_string(gun[Equipment::GunDamage]) + " pts of damage with " +
                      EquipmentName(id),
                  "chit.jpg");
    } else {
        ShowEvent(
            "Missed!",
            "Your " + own_class + " misses the enemy " + foe_class + " with " + EquipmentName(id),
            "cmiss.jpg");
    }
}

void EnemyFireGun() {
    GameState& g = G();
    GameRecord& foe = FiringShip();
    GameRecord& slot = SelectedSlot(0, g.EnemyFiringShip);
    if (!CanAct(foe, slot, false)) return;
    const int id = slot[Slot::EquipmentId];
    const GameRecord& gun = EquipmentType(id);
    if (gun[Equipment::GunRange] < g.CombatRange) return;  // out of range: it holds its fire
    SpendAction(foe, slot, false);
    const int a = gun[Equipment::GunAccuracy] + EvasionModifier(g.CurrentFleet, g.CombatShip) +
                  EvasionModifier(0, g.EnemyCombatShip);
    const int d = HitDivisor(true);
    PlayGunSound(gun[Equipment::Kind]);
    const std::string foe_class = ShipClassName(0, g.EnemyCombatShip);
    if (Random(d) < a) {
        const int damage = gun[Equipment::GunDamage];
        TargetedShip()[Ship::Strength] -= damage;
        ShowHullBars();
        const std::string text =
            damage == 0
                ? "ERROR " + std::to_string(gun[Equipment::Kind]) + " : " + std::to_string(id)
                : "Enemy " + foe_class + " hits your ship" + " causing " + std::to_string(damage) +
                      " pts of damage with " + EquipmentName(id);
        ShowEvent("Hit!", text, "chit.jpg");
    } else {
        ShowEvent("Missed!", "Enemy " + foe_class + " misses your ship with " + EquipmentName(id),
                  "cmiss.jpg");
    }
}

int FindFreeProjectileSlot() {
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t)
        if (G().Projectiles[t][Projectile::Active] == 0) return t;
    return 0;
}

void AddProjectile(int shooterFleet, int targetFleet, int targetShip, int, int equipmentId) {
    // With all four tracks busy nothing flies, though the round is spent.
    const int t = FindFreeProjectileSlot();
    if (t == 0) return;
    PlayMissileSound();
    GameState& g = G();
    GameRecord& track = g.Projectiles[t];
    track[Projectile::Active] = 1;
    track[Projectile::InFlight] = 1;
    track[Projectile::TurnsToImpact] = shooterFleet == 0 ? g.CombatRange + 1 : g.CombatRange;
    track[Projectile::ShooterFleet] = shooterFleet;
    track[Projectile::EquipmentId] = equipmentId;
    track[Projectile::TargetShip] = targetShip;
    track[Projectile::TargetFleet] = targetFleet;
    ShowProjectiles();
}

namespace {

void Launch(bool player) {
    GameState& g = G();
    const int fleet = player ? g.CurrentFleet : 0;
    const int ship = player ? g.CombatShip : g.EnemyFiringShip;
    GameRecord& rec = ShipRecord(fleet, ship);
    GameRecord& slot = SelectedSlot(fleet, ship);
    if (!CanAct(rec, slot, player)) return;
    if (!player && slot[Slot::Ammunition] == 0) return;
    const int id = slot[Slot::EquipmentId];
    const int kind = EquipmentType(id)[Equipment::Kind];
    if (kind != EquipmentKind::Torpedo && kind != EquipmentKind::Missile) return;
    SpendAction(rec, slot, player);
    // A rack never holds fewer than no rounds, whatever a dealer put into it.
    if (slot[Slot::Ammunition] > 0) --slot[Slot::Ammunition];
    if (player) {
        AddProjectile(fleet, 0, g.EnemyCombatShip, rec[Ship::CombatPositionFirst], id);
    } else {
        AddProjectile(0, g.CurrentFleet, g.TargetedOwnShip, rec[Ship::CombatPositionFirst], id);
    }
    slot[Slot::EquipmentId] = kind == EquipmentKind::Torpedo ? 30 : 3;  // the empty rack
    if (player) SetupCombatScreen();
}

}  // namespace

void PlayerLaunchProjectile() {
    Launch(true);
}
void EnemyLaunchProjectile() {
    Launch(false);
}

void AdvanceProjectiles() {
    GameState& g = G();
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        GameRecord& track = g.Projectiles[t];
        if (track[Projectile::Active] <= 0 || track[Projectile::InFlight] != 1) continue;
        // A count that starts at 0 or below hits at once rather than flying for ever.
        if (--track[Projectile::TurnsToImpact] > 0) continue;
        const int id = track[Projectile::EquipmentId];
        const int fleet = track[Projectile::TargetFleet], ship = track[Projectile::TargetShip];
        const int damage = EquipmentType(id)[Equipment::ProjectileDamage];
        ShipRecord(fleet, ship)[Ship::Strength] -= damage;
        const bool enemys = track[Projectile::ShooterFleet] == 0;
        track.fill(0);
        PlayExplosion1Sound();
        ShowHullBars();
        ShowProjectiles();
        const std::string target = ShipClassName(fleet, ship);
        ShowEvent("Hit!",
                  enemys ? "An enemy " + EquipmentName(id) + " hits your " + target + " causing " +
                               std::to_string(damage) + " pts of damage."
                         : "A " + EquipmentName(id) + " of you hits the enemy " + target +
                               " causing " + std::to_string(damage) + " pts of damage.",
                  "torpedo.jpg");
    }
}

}  // namespace corvanth
