// A seeded player for whole battles: it picks legal actions on the combat rules the screen uses.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "combat/combat2.h"
#include "state/variables.h"

namespace corvanth::test {

class SeededCombatPlayer {
  public:
    explicit SeededCombatPlayer(uint32_t seed) : choice_(seed) {}

    // Called after every action and every end of turn.
    std::function<void()> afterEach = [] {};
    int turnLimit = 200;
    bool mayFlee = true;

    bool fled = false;
    bool undecided = false;
    int actions = 0;

    // Plays until the combat is decided, or ends it undecided at the turn limit.
    void Fight() {
        GameState& g = G();
        while (g.CombatMayClose == 0) {
            if (CombatTurnCount >= turnLimit) {
                undecided = true;
                EndCombat();
                break;
            }
            Act();
            ++actions;
            afterEach();
        }
    }

  private:
    int Pick(int n) { return static_cast<int>(choice_() % static_cast<uint32_t>(n)); }

    void Act() {
        GameState& g = G();
        CombatSession& s = Combat();
        const GameRecord& own = g.Ships[g.CurrentFleet][g.CombatShip];
        switch (Pick(12)) {
            case 0:
                CombatWishRange(1 + Pick(3));
                return;
            case 1:
                // A flight now and then; most fights are fought to their end.
                if (mayFlee && own[Ship::ActionPointsLeft] >= 10 && Pick(4) == 0)
                    fled = CombatFlee();
                return;
            case 2: {
                const int slot = own[Ship::SelectedWeaponSlot];
                const GameRecord& rec = g.ShipEquipment[g.CurrentFleet][g.CombatShip][slot];
                if (slot >= 1 && rec[Slot::Loaded] == 0 && own[Ship::ActionPointsLeft] >= 4)
                    CombatReload();
                return;
            }
            case 3:
            case 4:
                CombatEndTurn();
                return;
            default:
                if (s.actionCount > 0) ChooseCombatAction(1 + Pick(s.actionCount));
                if (s.fireEnabled) {
                    CombatFireOrUse();
                } else {
                    CombatEndTurn();
                }
        }
    }

    std::mt19937 choice_;
};

}  // namespace corvanth::test
