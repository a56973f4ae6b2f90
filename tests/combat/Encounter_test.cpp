// Enemy generation: the type tables, the three entry points, the skip rule, the preparation of
// both ships, the class set-ups and the five outfits.
#include "combat/Encounter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "combat/combat_fixture.h"
#include "shell/background.h"
#include "support/answering_backend.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"

namespace corvanth {
namespace {

using test::CombatTest;

class EnemyGeneration : public CombatTest {
  protected:
    // The player at location 1 of the Federation home system 4, in a ship of `type`.
    void PlayerIn(int type) {
        GiveShip(1, type);
        G().Fleets[1][Fleet::System] = 4;
        G().Fleets[1][Fleet::Location] = 1;
    }
    int EnemyClass() { return Enemy()[Ship::Class]; }
    int64_t CargoLot() {
        const auto& c = G().CapturedCargo;
        return std::accumulate(c.begin() + 1, c.begin() + 21, int64_t{0});
    }
};

TEST_F(EnemyGeneration, TablesDrawTheirBandsAndTheBattleTableKeepsTurretsForBattles) {
    // Band edges of the Federation's size-1 row: 0..5 Starwolf, 6..10 Stargun, 11..99 Avenger.
    EXPECT_EQ(EncounterShipType(1, 1, 5, false), 1);
    EXPECT_EQ(EncounterShipType(1, 1, 6, false), 2);
    EXPECT_EQ(EncounterShipType(1, 1, 11, false), 3);
    // Outer Rim size 5: 56..70 Gladiator, 71..99 Anaconda; Syndicate size 3: from 61 the Werewolf.
    EXPECT_EQ(EncounterShipType(2, 5, 70, false), 15);
    EXPECT_EQ(EncounterShipType(2, 5, 71, false), 23);
    EXPECT_EQ(EncounterShipType(3, 3, 61, false), 21);
    // The battle table's size-5 rows: Federation 16..40 Blackjack, 41.. turrets; the
    // Coalition's row is the common one.
    EXPECT_EQ(EncounterShipType(1, 5, 40, true), 14);
    EXPECT_EQ(EncounterShipType(1, 5, 41, true), 27);
    EXPECT_EQ(EncounterShipType(4, 5, 99, true), 15);
    EXPECT_EQ(EncounterShipType(0, 1, 50, false), 0);
    EXPECT_EQ(EncounterShipType(1, 6, 50, false), 0);
    // The Buccaneer (6) is never drawn; orbital turrets (27) only in battles.
    for (int f = 1; f <= 5; ++f)
        for (int z = 1; z <= 5; ++z)
            for (int t = 0; t < 100; ++t) {
                EXPECT_NE(EncounterShipType(f, z, t, true), 6);
                EXPECT_NE(EncounterShipType(f, z, t, false), 27);
                EXPECT_GE(EncounterShipType(f, z, t, false), 1);
            }
}

TEST_F(EnemyGeneration, BattlesFallBackToTheStarwolfAndTypeMinusOneNeverBuildsTurrets) {
    PlayerIn(12);
    std::set<int> withZero, withMinusOne;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        Rng().SetSeed(seed);
        StartShipBattle(5, 1, 0);
        withZero.insert(EnemyClass());
        Rng().SetSeed(seed);
        StartShipBattle(5, 1, -1);
        withMinusOne.insert(EnemyClass());
    }
    EXPECT_TRUE(withZero.count(27));
    EXPECT_FALSE(withMinusOne.count(27));
    EXPECT_TRUE(withMinusOne.count(23));  // the turrets' draws become the Anaconda

    // An unknown faction or size draws nothing: the Starwolf built first stays, unoutfitted,
    // and with nothing of the last enemy's hold.
    G().CapturedCargo[3] = 7;
    StartShipBattle(3, 9, 0);
    EXPECT_EQ(EnemyClass(), 1);
    EXPECT_EQ(Enemy()[Ship::Faction], 0);
    EXPECT_EQ(CargoLot(), 0);
    StartShipBattle(3, 1, 40);
    EXPECT_EQ(EnemyClass(), 1);
    // A mission encounter opens its screen whatever the sizes; the given type wins.
    StartMissionEncounter(1, 2, 21);
    EXPECT_EQ(EnemyClass(), 21);
    EXPECT_EQ(G().ShipClassNames[0][1], "Werewolf");
    EXPECT_EQ(missionScreens, 1);
}

TEST_F(EnemyGeneration, TheSkipRuleSparesOnlyFarSmallerShipsAndBothShipsStartReady) {
    // Size class 4 (Neptun, 9) meets enemies of size 2 and more; 5 (Marauder, 12) of 3 and more.
    for (int type : {9, 12}) {
        PlayerIn(type);
        const int own = Own()[Ship::SizeClass];
        int met = 0, skipped = 0;
        for (uint32_t seed = 1; seed <= 400; ++seed) {
            Rng().SetSeed(seed);
            encounterScreens = 0;
            G().Ships[0][1].fill(0);
            StartRandomEncounter();
            if (Enemy()[Ship::Class] == 0) continue;  // nobody built: no screen either
            const bool shown = encounterScreens == 1;
            EXPECT_EQ(shown, Enemy()[Ship::SizeClass] >= own - 2) << "seed " << seed;
            (shown ? met : skipped) += 1;
        }
        EXPECT_GT(met, 0);
        EXPECT_GT(skipped, 0);
    }

    // The run's first encounter: no combat ship yet. The wish goes onto ship 1 all the same.
    PlayerIn(7);
    GameState& g = G();
    g.CombatShip = 0;
    Own()[Ship::ActionPointsLeft] = 0;
    Own()[Ship::MinesDeployed] = 2;
    g.ShipEquipment[1][1][2][Slot::Loaded] = 0;
    g.CombatRange = 1;
    Rng().SetSeed(11);
    StartRandomEncounter();
    ASSERT_GT(EnemyClass(), 0);
    EXPECT_EQ(Own()[Ship::CombatRange], Own()[Ship::PreferredRange]);
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], Own()[Ship::ActionPointsPerTurn]);
    EXPECT_EQ(Own()[Ship::MinesDeployed], 0);
    EXPECT_EQ(Enemy()[Ship::CombatRange], 3);
    EXPECT_EQ(g.CombatRange, 3);
    for (int fleet : {0, 1})
        for (int s = Slot::First; s <= Slot::Last; ++s)
            EXPECT_EQ(g.ShipEquipment[fleet][1][s][Slot::Loaded], 1);
}

TEST_F(EnemyGeneration, AShieldedShipCarriesItsDamageFromBattleToBattleButNotIntoAnEncounter) {
    PlayerIn(7);                                         // Fang: base hull 50
    G().ShipEquipment[1][1][8][Slot::EquipmentId] = 83;  // a shield of value 4 in the last slot
    RecalcShipStats(1, 1, 0, 0);
    // Maximum 50 div 4 + 50 = 62; a third of it is 20.
    ASSERT_EQ(Own()[Ship::MaxStrength], 62);
    Own()[Ship::Strength] = 10;
    StartShipBattle(3, 5, 0);
    EXPECT_EQ(Own()[Ship::Strength], 30);
    Own()[Ship::Strength] = 50;
    StartShipBattle(3, 5, 0);
    EXPECT_EQ(Own()[Ship::Strength], 62);  // 70 capped
    Own()[Ship::Strength] = 5;
    Rng().SetSeed(11);
    StartRandomEncounter();
    EXPECT_EQ(Own()[Ship::Strength], 62);
}

TEST_F(EnemyGeneration, EverySetUpCopiesItsClassIntoTheOtherSide) {
    void (*const setups[])(int) = {
        SetupShipStarwolf,  SetupShipStargun,     SetupShipAvenger,       SetupShipShadowcat,
        SetupShipFerendar,  SetupShipBuccaneer,   SetupShipFang,          SetupShipArdent,
        SetupShipNeptun,    SetupShipBehemoth,    SetupShipTitanic,       SetupShipMarauder,
        SetupShipPaladin,   SetupShipBlackjack,   SetupShipGladiator,     SetupShipShark,
        SetupShipHornet,    SetupShipCorsair,     SetupShipWolverine,     SetupShipHellcat,
        SetupShipType21,    SetupShipFirestarter, SetupShipAnaconda,      SetupShipQuasimodo,
        SetupShipStormcrow, SetupShipCarriage,    SetupShipOrbitalTurrets};
    GameState& g = G();
    for (int type = 1; type <= 27; ++type) {
        setups[type - 1](2);
        LoadShipType(type);
        EXPECT_EQ(g.Ships[0][2][Ship::Class], type);
        EXPECT_EQ(g.Ships[0][2], g.Ships[0][0]);
        EXPECT_EQ(g.ShipClassNames[0][2], g.ShipClassNames[0][0]);
        EXPECT_EQ(g.ShipDescriptions[0][2], g.ShipDescriptions[0][0]);
        for (int s = Slot::First; s <= Slot::Last; ++s)
            EXPECT_EQ(g.ShipEquipment[0][2][s], g.ShipEquipment[0][0][s]);
    }
    EXPECT_EQ(g.ShipClassNames[0][2], "Orbital turrets");
}

TEST_F(EnemyGeneration, OutfitsFollowTheirFactionsDrawsAndCarryOneLegalLot) {
    GameState& g = G();
    std::set<int> easyRacks, fullRacks;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        for (int faction = 1; faction <= 5; ++faction) {
            for (int type : {1, 4, 7, 9, 12}) {
                Rng().SetSeed(seed * 7 + faction);
                SetupShipOfType(type, 1);
                OutfitShipForFaction(faction);
                const GameRecord& ship = Enemy();
                EXPECT_EQ(ship[Ship::Faction], faction);
                EXPECT_EQ(ship[Ship::Behaviour], 1);
                // Every Dual Engines S is gone: the quad pass takes what the dual passes left.
                for (int s = Slot::First; s <= Slot::Last; ++s)
                    EXPECT_NE(g.ShipEquipment[0][1][s][Slot::EquipmentId], 32);
                const int crew = ship[Ship::CrewOfficers] + ship[Ship::CrewDroids] +
                                 ship[Ship::CrewMercenaries] + ship[Ship::CrewAdventurers];
                if (faction == 5) {
                    EXPECT_EQ(ship[Ship::CrewScoundrels], ship[Ship::CrewMax]);
                    EXPECT_EQ(crew, 0);
                } else {
                    const int min = ship[Ship::CrewMin], max = ship[Ship::CrewMax];
                    EXPECT_GE(crew, min);
                    EXPECT_LE(crew, std::max(min, max - 1));
                    EXPECT_EQ(ship[Ship::CrewScoundrels], 0);
                }
                // One lot of c div 2..c units, legal in the ship's space; goods 16..20 for
                // pirates; nothing without a hold.
                const int c = ship[Ship::CargoCapacity];
                int goods = 0;
                for (int good = 1; good <= 20; ++good) {
                    if (g.CapturedCargo[good] == 0) continue;
                    ++goods;
                    if (faction == 5) {
                        EXPECT_GE(good, 16);
                    } else {
                        EXPECT_EQ(g.Goods[good][Good::LegalityBase + faction], 0);
                    }
                }
                if (c < 1) {
                    EXPECT_EQ(CargoLot(), 0);
                } else {
                    EXPECT_EQ(goods, 1);
                    EXPECT_GE(CargoLot(), c / 2);
                    EXPECT_LE(CargoLot(), c);
                }
            }
        }
        // The Federation's missile racks (Starwolf slot 2) by the luck switch and the turn.
        for (int luck : {0, 1}) {
            Captain()[Player::CheatCombatLuck] = luck;
            g.TurnNumber = luck == 1 ? 500 : 99;
            Rng().SetSeed(seed);
            SetupShipStarwolf(1);
            OutfitFederationShip();
            easyRacks.insert(g.ShipEquipment[0][1][2][Slot::EquipmentId]);
        }
        Captain()[Player::CheatCombatLuck] = 0;
        g.TurnNumber = 100;
        Rng().SetSeed(seed);
        SetupShipStarwolf(1);
        OutfitFederationShip();
        fullRacks.insert(g.ShipEquipment[0][1][2][Slot::EquipmentId]);
    }
    // Weakened: Random(40) reaches only the Snipe (0..20) and the Brute (21..40).
    EXPECT_EQ(easyRacks, (std::set<int>{41, 27}));
    EXPECT_EQ(fullRacks, (std::set<int>{41, 27, 28, 29}));
}

TEST_F(EnemyGeneration, EveryEncounterRollOfTheTurnEngineBuildsARealEnemy) {
    test::UseAnsweringBackend answering;
    GameState& g = G();
    PlayerIn(3);
    int rolls = 0, shown = 0;
    GameUpcalls() = test::QuietUpcalls();
    GameUpcalls().StartRandomEncounter = [&] {
        ++rolls;
        g.Ships[0][1].fill(0);
        StartRandomEncounter();
        // Finis is the Federation's: its own ships or visitors and pirates, never nobody.
        const GameRecord& enemy = Enemy();
        EXPECT_GE(enemy[Ship::Class], 1);
        EXPECT_LE(enemy[Ship::Class], 26);
        EXPECT_GE(enemy[Ship::Faction], 1);
        EXPECT_EQ(enemy[Ship::Behaviour], 1);
        EXPECT_EQ(enemy[Ship::Strength], enemy[Ship::MaxStrength]);
        if (enemy[Ship::CargoCapacity] >= 1) {
            EXPECT_GT(CargoLot(), 0);
        }
    };
    GameUpcalls().ShowEncounterScreen = [&] { ++shown; };
    for (int turn = 0; turn < 600; ++turn) NextTurn();
    GameUpcalls() = StandardUpcalls();
    // About 6 in 100 turns meet a ship; a fighter is never too large to be met.
    EXPECT_GT(rolls, 15);
    EXPECT_EQ(shown, rolls);
}

}  // namespace
}  // namespace corvanth
