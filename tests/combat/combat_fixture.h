// A new game for combat tests, with the combat's screens and the game's end replaced by
// counters.
#pragma once

#include <string>

#include "combat/Encounter.h"
#include "combat/combat2.h"
#include "shell/background.h"
#include "shell/retire.h"
#include "state/Module1.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/variables.h"
#include "support/game_test.h"
#include "travel/turn_fixture.h"
#include "tutorial/Tutorial.h"

namespace corvanth::test {

// The turn tests' new game, past the early game.
class CombatTest : public TurnTest {
  protected:
    void SetUp() override {
        TurnTest::SetUp();
        G().EarlyGameTurns = 100;
        G().TurnNumber = 500;
        UseCounters();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        TurnTest::TearDown();
    }

    // Over the turn tests' recorders: the fight's own screens and calls counted.
    void UseCounters() {
        Upcalls& c = GameUpcalls();
        c.ShowCombatScreen = [this] { ++combatScreens; };
        c.ShowEncounterScreen = [this] { ++encounterScreens; };
        c.ShowMissionEncounterScreen = [this] { ++missionScreens; };
        c.ShowLoot = [this](const std::string&, const std::string&) {
            lootGoods.push_back(G().LootItem[Loot::Good]);
            lootAmounts.push_back(G().LootItem[Loot::Amount]);
        };
        // A death leaves the ship lost and the game running; the game's own protocol is tested
        // where it is plugged in.
        c.KillCaptain = [] {};
        c.RefreshTravelScreen = [this] { ++combatEnds; };
        c.RefreshStatusPanel = [] {};
    }

    // Ship `type` for the player (fleet 1) or as the enemy (fleet 0), crewed to its minimum with
    // officers, ready as a fight starts: full AP, guns loaded, long range.
    void GiveShip(int fleet, int type) {
        GameState& g = G();
        SetupShipOfType(type, 1);
        if (fleet != 0) {
            g.Ships[fleet][1] = g.Ships[0][1];
            for (int s = Slot::First; s <= Slot::Last; ++s)
                g.ShipEquipment[fleet][1][s] = g.ShipEquipment[0][1][s];
            g.ShipClassNames[fleet][1] = g.ShipClassNames[0][1];
        }
        GameRecord& ship = g.Ships[fleet][1];
        ship[Ship::Present] = 1;
        ship[Ship::CrewOfficers] = std::max(1, ship[Ship::CrewMin]);
        RecalcShipStats(fleet, 1, 0, 0);
        ship[Ship::ActionPointsLeft] = ship[Ship::ActionPointsPerTurn];
        for (int s = Slot::First; s <= Slot::Last; ++s)
            g.ShipEquipment[fleet][1][s][Slot::Loaded] = 1;
        g.CombatRange = 3;
        g.CombatShip = g.EnemyCombatShip = g.EnemyFiringShip = g.TargetedOwnShip = 1;
    }

    // Clears every slot of the ship and puts the items into slots 1, 2, ...
    void Fit(int fleet, std::initializer_list<int> ids) {
        GameState& g = G();
        for (int s = Slot::First; s <= Slot::Last; ++s) g.ShipEquipment[fleet][1][s].fill(0);
        int s = Slot::First;
        for (int id : ids) {
            GameRecord& slot = g.ShipEquipment[fleet][1][s++];
            slot[Slot::Used] = 1;
            slot[Slot::EquipmentId] = id;
            slot[Slot::Loaded] = 1;
            slot[Slot::Ammunition] = 2;
        }
    }

    GameRecord& Own() { return G().Ships[1][1]; }
    GameRecord& Enemy() { return G().Ships[0][1]; }

    int combatScreens = 0, encounterScreens = 0, missionScreens = 0;
    int combatEnds = 0;
    std::vector<int> lootGoods, lootAmounts;
};

}  // namespace corvanth::test
