// Combat state and set-up: the entry into a combat, the action list and the exit.
#include "combat/combat2.h"

#include "combat/combat2_parts.h"
#include "combat/combat2_screen.h"
#include "state/showing.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

using namespace combat;

namespace {

// Item kinds the combat offers as actions.
bool IsAction(int kind) {
    switch (kind) {
        case EquipmentKind::LaserGun:
        case EquipmentKind::Torpedo:
        case EquipmentKind::MissileEcm:
        case EquipmentKind::PhaserGun:
        case EquipmentKind::FlechetteGun:
        case EquipmentKind::BoardingShuttle:
        case EquipmentKind::Missile:
        case EquipmentKind::TachyonTurrets:
        case EquipmentKind::TorpedoEcm:
        case EquipmentKind::ParticleGun:
        case EquipmentKind::QuantumGun:
        case EquipmentKind::Mine:
        case EquipmentKind::Supermine:
            return true;
        default:
            return false;
    }
}

}  // namespace

CombatSession& Combat() {
    static CombatSession session;
    return session;
}

void StartCombat() {
    GameState& g = G();
    g.CombatMayClose = 0;
    CombatTurnCount = 0;
    g.CombatShip = 1;
    g.EnemyFiringShip = 1;
    g.EnemyCombatShip = 1;
    SetupCombatScreen();
}

void StartCombatEnemyFirst() {
    StartCombat();
    EndCombatTurn();
}

void EndCombat() {
    GameState& g = G();
    // After the player's boarding the outcome is checked twice; the combat still ends once.
    if (g.CombatMayClose == 1) return;
    if (TutorialStep > 0) {
        TutorialStep = 35;
        AdvanceTutorialStep35();
    }
    g.CombatMayClose = 1;
    GameUpcalls().RefreshTravelScreen();
    if (CombatShowing()) Form14->Close();
}

void SetupCombatScreen() {
    ShowCombatRange();
    ShowCombatAP();
    // The list keeps its own table of slots: slot field 3 is also written by the dealers'
    // lists, so another slot may still hold a position from there.
    CombatSession& s = Combat();
    s.slotAt.fill(0);
    s.actionCount = 0;
    GameState& g = G();
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        GameRecord& rec = SlotRecord(g.CurrentFleet, g.CombatShip, slot);
        if (rec[Slot::Used] <= 0 ||
            !IsAction(EquipmentType(rec[Slot::EquipmentId])[Equipment::Kind]))
            continue;
        s.slotAt[++s.actionCount] = slot;
        rec[Slot::ListPosition] = s.actionCount;
    }
    s.selected = s.actionCount > 0 ? 1 : 0;
    if (s.selected > 0) {
        AddCombatAction(SlotRecord(g.CurrentFleet, g.CombatShip, s.slotAt[1])[Slot::EquipmentId]);
    } else {
        s.fireCaption.clear();
        s.fireEnabled = false;
        CombatOwnShip()[Ship::SelectedWeaponSlot] = 0;
    }
    ShowCombatShipsAndActions();
    ShowHullBars();
    ShowProjectiles();
}

void AddCombatAction(int equipmentId) {
    CombatSession& s = Combat();
    const GameRecord& item = EquipmentType(equipmentId);
    if (item[Equipment::Defined] > 0) {
        const int kind = item[Equipment::Kind];
        const char* verb = kind == EquipmentKind::LaserGun || kind == EquipmentKind::Torpedo
                               ? "Fire"
                           : kind == EquipmentKind::MissileEcm ? "Use"
                                                               : "";
        s.fireCaption = std::string(verb) + " " + EquipmentName(equipmentId) + " (" +
                        std::to_string(item[Equipment::ActionPoints]) + " AP)";
        s.fireEnabled = false;
    }
    if (s.selected < 1 || s.selected > s.actionCount) {
        s.fireEnabled = false;
        return;
    }
    GameState& g = G();
    const int slot = s.slotAt[s.selected];
    CombatOwnShip()[Ship::SelectedWeaponSlot] = slot;
    s.fireEnabled = SlotRecord(g.CurrentFleet, g.CombatShip, slot)[Slot::Loaded] > 0;
    ShowCombatFireButton();
}

void ChooseCombatAction(int position) {
    CombatSession& s = Combat();
    if (position < 1 || position > s.actionCount) return;
    s.selected = position;
    GameState& g = G();
    AddCombatAction(
        SlotRecord(g.CurrentFleet, g.CombatShip, s.slotAt[position])[Slot::EquipmentId]);
}

}  // namespace corvanth
