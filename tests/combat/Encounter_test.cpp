// Enemy generation: the type tables, the three entry points, the skip rule, the preparation of
// both ships, the class set-ups and the five outfits.
#include "combat/Encounter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <utility>
#include <vector>

#include "combat/combat_fixture.h"
#include "shell/background.h"
#include "support/answering_backend.h"
#include "support/draws.h"
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

// A table of draws: the last value of each band and what the band gives.
using Bands = std::vector<std::pair<int, int>>;
int Banded(const Bands& bands, int d) {
    for (const auto& [last, value] : bands)
        if (d <= last) return value;
    return 0;
}

TEST_F(EnemyGeneration, TheSectorRatingsAndTheShipTypeTablesRowByRow) {
    // Each sector rating: the owner's share (a below it), the owner's and a visitor's size
    // bands by b, and the visitor's faction by c.
    struct Rating {
        int ownerBelow;
        Bands owner, visitor;
    };
    const Bands low = {{40, 1}, {65, 2}, {85, 3}, {95, 4}, {99, 5}};
    const Bands high = {{40, 1}, {60, 2}, {80, 3}, {95, 4}, {99, 5}};
    const Rating ratings[6] = {
        {31, {{60, 1}, {90, 2}, {99, 3}}, low},
        {31, {{60, 1}, {90, 2}, {99, 3}}, low},
        {51, low, low},
        {66, {{10, 1}, {35, 2}, {55, 3}, {85, 4}, {99, 5}}, high},
        {71, {{5, 1}, {20, 2}, {40, 3}, {70, 4}, {99, 5}}, high},
        {91, {{1, 1}, {5, 2}, {40, 3}, {70, 4}, {99, 5}}, high},
    };
    const Bands visitors = {{25, 1}, {50, 2}, {75, 3}, {99, 4}};
    const int owner = 7;  // any owner, passed through
    for (int rating = 0; rating <= 5; ++rating) {
        const Rating& row = ratings[rating];
        for (int a : {0, row.ownerBelow - 1, row.ownerBelow, 99})
            for (int b = 0; b < 100; ++b)
                for (int c = 0; c < 100; ++c) {
                    const EncounterSide side = RandomEncounterSide(rating, owner, a, b, c);
                    const bool own = a < row.ownerBelow;
                    ASSERT_EQ(side.faction, own ? owner : Banded(visitors, c))
                        << rating << " " << a << " " << b << " " << c;
                    ASSERT_EQ(side.sizeClass, Banded(own ? row.owner : row.visitor, b))
                        << rating << " " << a << " " << b;
                }
    }
    for (int rating : {-1, 6}) {
        EXPECT_EQ(RandomEncounterSide(rating, owner, 0, 0, 0).faction, 0);
        EXPECT_EQ(RandomEncounterSide(rating, owner, 0, 0, 0).sizeClass, 0);
    }

    // The ship types by faction and size class, and the battles' own size-5 rows.
    const Bands types[5][5] = {
        {{{5, 1}, {10, 2}, {99, 3}},
         {{2, 4}, {5, 17}, {99, 5}},
         {{5, 7}, {10, 16}, {20, 26}, {99, 8}},
         {{40, 9}, {50, 19}, {55, 18}, {60, 24}, {80, 11}, {99, 10}},
         {{35, 12}, {90, 14}, {99, 15}}},
        {{{5, 1}, {30, 2}, {95, 25}, {99, 3}},
         {{50, 4}, {80, 17}, {95, 5}, {99, 13}},
         {{50, 7}, {70, 16}, {80, 26}, {99, 8}},
         {{30, 9}, {40, 19}, {60, 18}, {90, 11}, {99, 10}},
         {{45, 12}, {55, 14}, {70, 15}, {99, 23}}},
        {{{30, 1}, {90, 20}, {95, 2}, {99, 3}},
         {{30, 4}, {70, 17}, {99, 5}},
         {{10, 7}, {60, 16}, {99, 21}},
         {{20, 9}, {40, 19}, {80, 22}, {99, 18}},
         {{45, 12}, {55, 14}, {99, 15}}},
        {{{90, 1}, {99, 2}},
         {{5, 4}, {60, 17}, {95, 5}, {99, 13}},
         {{60, 7}, {90, 26}, {99, 16}},
         {{40, 24}, {45, 19}, {50, 18}, {80, 11}, {99, 10}},
         {{45, 12}, {55, 14}, {99, 15}}},
        {{{90, 1}, {95, 2}, {99, 3}},
         {{30, 4}, {70, 17}, {99, 5}},
         {{30, 7}, {70, 16}, {99, 8}},
         {{20, 9}, {80, 19}, {99, 18}},
         {{45, 12}, {55, 14}, {99, 15}}},
    };
    const Bands battle5[5] = {{{15, 12}, {40, 14}, {99, 27}},
                              {{10, 12}, {20, 15}, {50, 23}, {99, 27}},
                              {{45, 12}, {65, 27}, {99, 15}},
                              {{45, 12}, {55, 14}, {99, 15}},
                              {{45, 12}, {55, 14}, {99, 27}}};
    for (int f = 1; f <= 5; ++f)
        for (int z = 1; z <= 5; ++z)
            for (int t = 0; t < 100; ++t) {
                const int common = Banded(types[f - 1][z - 1], t);
                ASSERT_EQ(EncounterShipType(f, z, t, false), common) << f << " " << z << " " << t;
                ASSERT_EQ(EncounterShipType(f, z, t, true),
                          z == 5 ? Banded(battle5[f - 1], t) : common)
                    << f << " " << z << " " << t;
            }
    EXPECT_EQ(EncounterShipType(0, 1, 50, false), 0);
    EXPECT_EQ(EncounterShipType(1, 6, 50, false), 0);

    // The pirates' draw comes fourth: 11 makes the ship a pirate, 12 leaves it to the others.
    PlayerIn(1);
    for (int p : {11, 12}) {
        Rng().SetSeed(test::SeedWhere([p](RandomGenerator& r) {
            for (int i = 0; i < 3; ++i) r.Next(100);
            return r.Next(100) == p;
        }));
        StartRandomEncounter();
        EXPECT_EQ(Enemy()[Ship::Faction] == FactionId::Pirates, p == 11) << p;
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
    // The passes, each band's last draw and the item it gives (the pass's own item where it
    // stays), for the Federation, for the Outer Rim, Syndicate and Coalition, and for pirates;
    // the weakening redraws of the three columns, the small-hold redraw of Random(40), and
    // the passes that leave ships of retreat range 1 alone.
    struct PartPass {
        int id;
        Bands fed, others, pirates;
        int weak[3];
        bool hold, notRange1;
    };
    const Bands missiles = {{20, 41}, {40, 27}, {80, 28}, {99, 29}};
    const Bands torpedoes = {{30, 42}, {99, 31}};
    const Bands engines = {{10, 13}, {40, 14}, {80, 15}, {99, 16}};
    const Bands duals = {{10, 32}, {40, 33}, {80, 34}, {99, 35}};
    const Bands quads = {{10, 36}, {40, 37}, {80, 38}, {99, 39}};
    const Bands hawks = {{20, 4}, {94, 5}, {99, 92}};
    const Bands jump1 = {{60, 17}, {70, 18}, {99, 58}}, jump2 = {{60, 59}, {70, 60}, {99, 61}};
    const Bands jump4 = {{60, 62}, {70, 63}, {99, 64}};
    const Bands shield1 = {{60, 82}, {90, 83}, {99, 84}}, shield2 = {{60, 85}, {90, 86}, {99, 87}};
    const Bands shield4 = {{60, 88}, {90, 89}, {99, 90}};
    const PartPass passes[] = {
        {3, missiles, missiles, missiles, {40, 0, 30}, false, false},
        {30, torpedoes, torpedoes, torpedoes, {40, 0, 30}, false, false},
        {8,
         {{30, 8}, {80, 20}, {99, 21}},
         {{30, 8}, {80, 20}, {99, 21}},
         {{30, 8}, {80, 20}, {99, 21}},
         {0, 0, 0},
         true,
         false},
        {11,
         {{30, 11}, {99, 110}},
         {{30, 11}, {99, 110}},
         {{30, 11}, {99, 110}},
         {0, 0, 0},
         true,
         true},
        {8,
         {{30, 8}, {99, 111}},
         {{30, 8}, {99, 111}},
         {{30, 8}, {99, 111}},
         {0, 0, 0},
         true,
         true},
        {11,
         {{30, 11}, {99, 112}},
         {{30, 11}, {99, 112}},
         {{30, 11}, {99, 112}},
         {0, 0, 0},
         true,
         false},
        {8,
         {{30, 8}, {99, 113}},
         {{30, 8}, {99, 113}},
         {{30, 8}, {99, 113}},
         {0, 0, 0},
         true,
         false},
        {1, {{30, 1}, {99, 2}}, {{30, 1}, {99, 2}}, {{30, 1}, {99, 2}}, {30, 0, 30}, false, false},
        {4, {{20, 4}, {70, 5}, {99, 92}}, hawks, hawks, {30, 30, 30}, false, false},
        {13, engines, engines, engines, {30, 0, 30}, false, false},
        {23,
         {{30, 23}, {99, 24}},
         {{30, 23}, {99, 24}},
         {{30, 23}, {99, 24}},
         {30, 0, 30},
         false,
         false},
        {32, duals, duals, duals, {30, 0, 30}, false, false},
        {32, duals, duals, duals, {30, 0, 30}, false, false},
        {32, quads, quads, quads, {30, 0, 30}, false, false},
        {17, {{20, 17}, {99, 18}}, jump1, jump1, {30, 0, 30}, false, false},
        {59, {{20, 59}, {99, 60}}, jump2, jump2, {30, 0, 30}, false, false},
        {62, {{20, 62}, {99, 63}}, jump4, jump4, {30, 0, 30}, false, false},
        {82, {{20, 82}, {70, 83}, {99, 84}}, shield1, shield1, {30, 0, 30}, false, false},
        {85, {{20, 85}, {70, 86}, {99, 87}}, shield2, shield2, {30, 0, 30}, false, false},
        {88, {{20, 88}, {70, 89}, {99, 90}}, shield4, shield4, {30, 0, 30}, false, false},
    };
    for (int pass = 1; pass <= 20; ++pass) {
        const PartPass& row = passes[pass - 1];
        for (int faction = 1; faction <= 5; ++faction) {
            const int column = faction == 1 ? 0 : faction == 5 ? 2 : 1;
            const Bands& bands = column == 0 ? row.fed : column == 1 ? row.others : row.pirates;
            for (int d = 0; d < 100; ++d) {
                const OutfitPassCell cell = OutfitPass(pass, faction, d);
                ASSERT_EQ(cell.id, row.id) << pass;
                ASSERT_EQ(cell.item, Banded(bands, d)) << pass << " " << faction << " " << d;
                ASSERT_EQ(cell.weakBelow, row.weak[column]) << pass << " " << faction;
                ASSERT_EQ(cell.holdBelow, row.hold ? 40 : 0) << pass;
                ASSERT_EQ(cell.keptOnClass1, row.notRange1) << pass;
            }
        }
    }
    EXPECT_EQ(OutfitPass(21, 1, 0).id, 0);

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

    // With every good banned in its space a ship sails with an empty hold: the draw of a legal
    // good would find none.
    for (int good = 1; good <= 20; ++good) g.Goods[good][Good::LegalityBase + 2] = 1;
    SetupShipOfType(5, 1);  // the Ferendar has a hold
    OutfitShipForFaction(2);
    ASSERT_GT(Enemy()[Ship::CargoCapacity], 0);
    EXPECT_EQ(CargoLot(), 0);
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
