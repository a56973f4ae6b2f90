// Ship statistics against the catalogue, and the crew ratings.
#include "state/shipstats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "state/Module1.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// Catalogue ids used below.
constexpr int kSmallCargoBay = 11;      // kind 5, 5 units
constexpr int kCargoBay = 8;            // kind 5, 20 units
constexpr int kPassengerCabin = 91;     // kind 8, 10 places
constexpr int kSingleEngineS = 13;      // kind 9, speed 2
constexpr int kSingleEngineXL = 15;     // kind 9, speed 4
constexpr int kDualEnginesS = 32;       // kind 9, speed 1
constexpr int kBoardingShuttle = 20;    // kind 12, 5 crew
constexpr int kSurveillance = 40;       // kind 13, weight 1
constexpr int kShieldGeneratorL = 83;   // kind 20, value 4
constexpr int kShieldGeneratorXL = 84;  // kind 20, value 2
constexpr int kShieldGeneratorS = 82;   // kind 20, value 0: no bonus

class ShipStats : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitEquipmentTypes();
        g.CurrentPlayer = 1;
    }
    // A bare hull of a class for the player's ship 1, then the given items from slot 1 up.
    void Fit(int type, std::initializer_list<int> items, int baseStrength = 20) {
        ship() = GameRecord{};
        for (auto& s : g.ShipEquipment[1][1]) s = GameRecord{};
        ship()[Ship::Present] = 1;
        ship()[Ship::Class] = type;
        ship()[Ship::BaseStrength] = baseStrength;
        int s = Slot::First;
        for (int id : items) {
            g.ShipEquipment[1][1][s][Slot::Used] = 1;
            g.ShipEquipment[1][1][s][Slot::EquipmentId] = id;
            ++s;
        }
    }
    void Recalc(int battleRound = 0, int skipArmour = 0) {
        RecalcShipStats(1, 1, skipArmour, battleRound);
    }
    GameRecord& ship() { return g.Ships[1][1]; }
    GameRecord& fleet() { return g.Fleets[1]; }
    GameState& g = G();
};

TEST_F(ShipStats, EachClassStandardShipGetsWhatItsEquipmentImplies) {
    // Worked by hand from the class and equipment tables: the Starwolf's Single Engine S gives
    // speed 2, its two Small Cargo Bays 5 + 5 = 10 units, and its "S" shield (value 0) no bonus
    // over the hull's 6; the Titanic's ten Cargo Bays give 200 units, Quad Engines S speed 1;
    // the orbital turrets have no engine and a catalogued speed of 0, which rises to 1.
    struct Known {
        int type, speed, cargo, strength;
    };
    for (Known k : {Known{1, 2, 10, 6}, Known{11, 1, 200, 120}, Known{27, 1, 0, 300}}) {
        LoadShipType(k.type);
        EXPECT_EQ(g.Ships[0][0][Ship::Speed], k.speed) << "type " << k.type;
        EXPECT_EQ(g.Ships[0][0][Ship::CargoCapacity], k.cargo) << "type " << k.type;
        EXPECT_EQ(g.Ships[0][0][Ship::Strength], k.strength) << "type " << k.type;
    }

    // Every class, from its own standard items as the catalogue describes them: per kind the
    // sum and the last value seen.
    for (int type = 1; type <= 27; ++type) {
        LoadShipType(type);
        std::map<int, int> sum, last;
        int weight = 0;
        for (int s = Slot::First; s <= Slot::Last; ++s) {
            const GameRecord& slot = g.ShipEquipment[0][0][s];
            if (slot[Slot::Used] <= 0) continue;
            const GameRecord& item = g.EquipmentTypes[slot[Slot::EquipmentId]];
            sum[item[Equipment::Kind]] += item[Equipment::MainValue];
            last[item[Equipment::Kind]] = item[Equipment::MainValue];
            weight += item[Equipment::Weight];
        }
        const bool engine = last.contains(EquipmentKind::Engine);
        const int speed =
            std::max(1, (engine ? last[EquipmentKind::Engine] : ShipClassSpeed(type)) - weight);
        const int base = g.Ships[0][0][Ship::BaseStrength];
        const int shield = last[EquipmentKind::ShieldGenerator];
        const int strength = shield > 0 ? base / shield + base : base;
        const int cargo = sum[EquipmentKind::CargoBay];

        // The player's copy of the class gets the same values, whatever it held before.
        g.Ships[1][1] = g.Ships[0][0];
        g.ShipEquipment[1][1] = g.ShipEquipment[0][0];
        g.Ships[1][1][Ship::Speed] = 99;
        Recalc();
        for (const GameRecord* rec : {&g.Ships[0][0], &g.Ships[1][1]}) {
            EXPECT_EQ((*rec)[Ship::Speed], speed) << "type " << type;
            EXPECT_EQ((*rec)[Ship::SpeedClass], speed) << "type " << type;
            EXPECT_EQ((*rec)[Ship::CargoCapacity], cargo) << "type " << type;
            EXPECT_EQ((*rec)[Ship::PassengerCabins], sum[EquipmentKind::PassengerCabin]);
            EXPECT_EQ((*rec)[Ship::BoardingShuttles], sum[EquipmentKind::BoardingShuttle]);
            EXPECT_EQ((*rec)[Ship::Strength], strength) << "type " << type;
            EXPECT_EQ((*rec)[Ship::MaxStrength], strength) << "type " << type;
        }
        EXPECT_EQ(fleet()[Fleet::FreeCargo], cargo) << "type " << type;
        EXPECT_EQ(g.Fleets[0][Fleet::CargoCapacity], cargo) << "type " << type;
    }
}

TEST_F(ShipStats, SpeedComesFromTheLastEngineOrTheHullLessTheWeights) {
    // Two engines: the one in the later slot counts (XL 4, then Dual S 1).
    Fit(1, {kSingleEngineXL, kDualEnginesS});
    Recalc();
    EXPECT_EQ(ship()[Ship::Speed], 1);
    Fit(1, {kDualEnginesS, kSingleEngineXL, kSurveillance});
    Recalc();
    EXPECT_EQ(ship()[Ship::Speed], 3);  // 4 less the surveillance's weight 1

    // Items heavier than the engine leave speed 1.
    Fit(1, {kDualEnginesS, kSurveillance});
    Recalc();
    EXPECT_EQ(ship()[Ship::Speed], 1);

    // Without an engine the Starwolf hull's catalogued 4, less 1 for the surveillance, at every
    // recalculation: it must not lose the weight again each time.
    Fit(1, {kSurveillance, kCargoBay});
    for (int turn = 0; turn < 4; ++turn) {
        Recalc();
        EXPECT_EQ(ship()[Ship::Speed], 3) << "recalculation " << turn;
        EXPECT_EQ(ship()[Ship::SpeedClass], 3);
    }
    // An engine in a slot no longer used counts for nothing.
    Fit(1, {kSingleEngineS});
    g.ShipEquipment[1][1][1][Slot::Used] = 0;
    Recalc();
    EXPECT_EQ(ship()[Ship::Speed], 4);
}

TEST_F(ShipStats, RoomSubtractsTheHoldAndAnActiveTransportMission) {
    Fit(1, {kCargoBay, kSmallCargoBay, kPassengerCabin, kBoardingShuttle, kBoardingShuttle});
    g.Cargo[3] = 10;
    g.Cargo[20] = 4;
    Recalc();
    EXPECT_EQ(fleet()[Fleet::CargoCapacity], 25);  // 20 + 5
    EXPECT_EQ(fleet()[Fleet::FreeCargo], 11);      // 25 - 14 in the hold
    EXPECT_EQ(ship()[Ship::BoardingShuttles], 10);
    EXPECT_EQ(fleet()[Fleet::PassengerCapacity], 10);

    // A transport of 6 units of goods takes room while field 8 is still 0.
    GameRecord& m = g.Missions[1];
    m[Mission::Status] = 1;
    m[Mission::Kind] = MissionKind::Transport;
    m[Mission::LoadType] = 1;
    m[Mission::Amount] = 6;
    Recalc();
    EXPECT_EQ(fleet()[Fleet::FreeCargo], 5);
    EXPECT_EQ(fleet()[Fleet::PassengerCapacity], 10);
    m[Mission::ObjectiveBase + 1] = 7;
    Recalc();
    EXPECT_EQ(fleet()[Fleet::FreeCargo], 11);
    m[Mission::ObjectiveBase + 1] = 0;

    // Smuggled passengers take cabin places instead.
    m[Mission::Kind] = MissionKind::Smuggling;
    m[Mission::LoadType] = 2;
    m[Mission::Amount] = 3;
    Recalc();
    EXPECT_EQ(fleet()[Fleet::FreeCargo], 11);
    EXPECT_EQ(fleet()[Fleet::PassengerCapacity], 7);
    EXPECT_EQ(ship()[Ship::PassengerCabins], 7);

    // Another mission kind takes nothing; a hold beyond the bays leaves the room negative.
    m[Mission::Kind] = MissionKind::Patrol;
    g.Cargo[5] = 30;
    Recalc();
    EXPECT_EQ(fleet()[Fleet::FreeCargo], 25 - 44);
    EXPECT_EQ(fleet()[Fleet::PassengerCapacity], 10);

    // The hold subtracted is the player's, also for the other side's ship.
    g.Ships[0][1] = ship();
    g.ShipEquipment[0][1] = g.ShipEquipment[1][1];
    RecalcShipStats(0, 1, 0, 0);
    EXPECT_EQ(g.Fleets[0][Fleet::FreeCargo], 25 - 44);
}

TEST_F(ShipStats, StrengthTakesTheShieldBonusAndABattleRestoresAThird) {
    // Base 20: shield value 4 gives 20 div 4 + 20 = 25; value 2 gives 30.
    Fit(1, {kShieldGeneratorL}, 20);
    Recalc();
    EXPECT_EQ(ship()[Ship::Strength], 25);
    EXPECT_EQ(ship()[Ship::MaxStrength], 25);
    // Two generators: only the higher slot counts, whichever is better.
    Fit(1, {kShieldGeneratorXL, kShieldGeneratorL}, 20);
    Recalc();
    EXPECT_EQ(ship()[Ship::MaxStrength], 25);
    Fit(1, {kShieldGeneratorL, kShieldGeneratorXL}, 20);
    Recalc();
    EXPECT_EQ(ship()[Ship::MaxStrength], 30);

    // Entering a battle with 5 of 30 left: 5 + 30 div 3 = 15; with 28 left the maximum caps it.
    ship()[Ship::Strength] = 5;
    Recalc(1);
    EXPECT_EQ(ship()[Ship::Strength], 15);
    EXPECT_EQ(ship()[Ship::MaxStrength], 30);
    ship()[Ship::Strength] = 28;
    Recalc(1);
    EXPECT_EQ(ship()[Ship::Strength], 30);

    // The armour can be left alone; otherwise any other call restores it fully.
    ship()[Ship::Strength] = 3;
    Recalc(0, 1);
    EXPECT_EQ(ship()[Ship::Strength], 3);
    Recalc();
    EXPECT_EQ(ship()[Ship::Strength], 30);

    // No bonus (none or an "S" generator): the base, whatever the battle round.
    for (int battleRound : {0, 1}) {
        Fit(1, {kShieldGeneratorS}, 20);
        ship()[Ship::Strength] = 2;
        Recalc(battleRound);
        EXPECT_EQ(ship()[Ship::Strength], 20);
        EXPECT_EQ(ship()[Ship::MaxStrength], 20);
    }
}

TEST_F(ShipStats, DamagedIndicesChangeNothingAndCrashNothing) {
    Fit(1, {kCargoBay, kSingleEngineS});
    g.ShipEquipment[1][1][2][Slot::EquipmentId] = 5000;  // beyond the catalogue: ignored
    Recalc();
    EXPECT_EQ(ship()[Ship::CargoCapacity], 20);
    EXPECT_EQ(ship()[Ship::Speed], 4);  // the hull's own speed: the engine slot is unreadable
    RecalcShipStats(7, 1, 0, 0);
    RecalcShipStats(1, -1, 0, 0);
    EXPECT_FALSE(ShipHasEquipmentType(1, 6, EquipmentKind::CargoBay));

    EXPECT_TRUE(ShipHasEquipmentType(1, 1, EquipmentKind::CargoBay));
    EXPECT_FALSE(ShipHasEquipmentType(1, 1, EquipmentKind::Engine));
    g.ShipEquipment[1][1][1][Slot::Used] = 0;
    EXPECT_FALSE(ShipHasEquipmentType(1, 1, EquipmentKind::CargoBay));
}

TEST(CrewRating, WeightedMixRaisedByOfficersAndClampedToOneToThree) {
    // No crew: N becomes 1, V = 0, raised to 1.
    for (int a : {kAbilityNavigation, kAbilityTargeting, kAbilityCloseCombat}) {
        EXPECT_EQ(CalcCrewRating(a, 0, 0, 0, 0, 0), 1);
    }
    // Ten officers: navigation V = 30 / 10 = 3 (its 50 % lift is cut back to 3), targeting
    // V = 1 and 1 + 50 / 100 = 1; from 20 officers on 1 + 100 / 100 = 2.
    EXPECT_EQ(CalcCrewRating(kAbilityNavigation, 10, 0, 0, 0, 0), 3);
    EXPECT_EQ(CalcCrewRating(kAbilityTargeting, 10, 0, 0, 0, 0), 1);
    EXPECT_EQ(CalcCrewRating(kAbilityTargeting, 19, 0, 0, 0, 0), 1);
    EXPECT_EQ(CalcCrewRating(kAbilityCloseCombat, 20, 0, 0, 0, 0), 2);
    // Two droids and two mercenaries: targeting (3*2 + 2*2) / 4 = 2, close combat
    // (2*2 + 3*2) / 4 = 2, navigation (2*2 + 1*2) / 4 = 1.
    EXPECT_EQ(CalcCrewRating(kAbilityTargeting, 0, 2, 2, 0, 0), 2);
    EXPECT_EQ(CalcCrewRating(kAbilityCloseCombat, 0, 2, 2, 0, 0), 2);
    EXPECT_EQ(CalcCrewRating(kAbilityNavigation, 0, 2, 2, 0, 0), 1);
    // Three scoundrels and a droid: targeting (2*3 + 3) / 4 = 2.
    EXPECT_EQ(CalcCrewRating(kAbilityTargeting, 0, 1, 0, 0, 3), 2);
}

}  // namespace
}  // namespace corvanth
