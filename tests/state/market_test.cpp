// Market prices from the industries in reach.
#include "state/market.h"

#include <gtest/gtest.h>

#include <array>

#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/game_test.h"

namespace corvanth {
namespace {

// Food (category 1, fed by agriculture) at supply levels 0..4, from the goods table.
constexpr std::array<int, 5> kFood = {600, 200, 100, 50, 25};
constexpr int kFed = FactionId::Federation;
constexpr int kRim = FactionId::OuterRimAlliance;  // at war with the Federation at the start
constexpr int kSyn = FactionId::Syndicate;
constexpr int kCoal = FactionId::Coalition;  // at peace with the Federation

// A galaxy drawn by hand: the catalogues and relations of a new game over empty systems.
class MarketRule : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitGameData();
        for (auto& system : g.Planets)
            for (auto& location : system) location.fill(0);
        for (auto& system : g.Markets)
            for (auto& location : system)
                for (auto& good : location) good.fill(0);
    }
    void Planet(int s, int l, int owner, int agriculture) {
        GameRecord& p = g.Planets[s][l];
        p[Planet::Exists] = 1;
        p[Planet::Kind] = PlanetKind::Planet;
        p[Planet::Owner] = owner;
        p[Planet::AgricultureFacilities] = agriculture;
    }
    void Jump(int s, int l, int owner, int target) {
        GameRecord& p = g.Planets[s][l];
        p[Planet::Exists] = 1;
        p[Planet::Kind] = PlanetKind::JumpPoint;
        p[Planet::Owner] = owner;
        p[Planet::JumpTarget] = target;
    }
    int Food(int s, int l) const { return g.Markets[s][l][1][Market::Price]; }
    GameState& g = G();
};

TEST_F(MarketRule, OwnSystemCountsFriendlyPlanetsOnly) {
    Planet(1, 1, kFed, 1);
    Planet(1, 2, kCoal, 1);  // at peace: counts
    Planet(1, 3, kRim, 5);   // at war: counts nothing
    Planet(1, 4, kFed, 0);
    g.Planets[1][4][Planet::LowTechFacilities] = 9;  // another category
    GameRecord& sun = g.Planets[1][5];               // not a planet
    sun[Planet::Exists] = 1;
    sun[Planet::Kind] = PlanetKind::Special;
    sun[Planet::AgricultureFacilities] = 9;
    UpdateMarketPrices();
    // Federation planets: 1 + 1 = 2.
    EXPECT_EQ(Food(1, 1), kFood[2]);
    EXPECT_EQ(Food(1, 4), kFood[2]);
    // The Coalition planet: the relation is read from the other owner towards the Coalition, and
    // the Outer Rim is at peace with it: 1 + 1 + 5 + the Coalition's 1 = 8, cut to 4.
    EXPECT_EQ(Food(1, 2), kFood[4]);
    // The Outer Rim planet: its own 5 and the Coalition's 1; the Federation's are at war. Cut to 4.
    EXPECT_EQ(Food(1, 3), kFood[4]);
    // Nothing is priced on a special location.
    EXPECT_EQ(g.Markets[1][5][1][Market::Price], 0);
}

TEST_F(MarketRule, NeighboursCountHalfAndTwoJumpsAQuarterWithIntegerDivision) {
    // 1 -> 2 -> 3, and 2 leads back to 1.
    Planet(1, 1, kFed, 0);
    Jump(1, 2, kFed, 2);
    Planet(2, 1, kFed, 3);
    Jump(2, 2, kFed, 3);
    Jump(2, 3, kFed, 1);
    Planet(3, 1, kFed, 4);
    UpdateMarketPrices();
    // Neighbour 3 div 2 = 1; two jumps: system 3's 4 and system 1's own 0 again, 4 div 4 = 1.
    EXPECT_EQ(Food(1, 1), kFood[2]);

    // One unit less far away: 3 div 4 adds nothing.
    g.Planets[3][1][Planet::AgricultureFacilities] = 3;
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[1]);

    // A neighbour sum of 1 adds nothing either.
    g.Planets[2][1][Planet::AgricultureFacilities] = 1;
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[0]);

    // A second jump point to system 2 counts it twice: (1 + 1) div 2 = 1, and system 3 twice
    // beyond it: 6 div 4 = 1.
    Jump(1, 3, kFed, 2);
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[2]);
}

TEST_F(MarketRule, TheWayBackCountsTheOwnSystemAgain) {
    Planet(1, 1, kFed, 0);
    Planet(1, 2, kFed, 2);
    Jump(1, 3, kFed, 2);
    Jump(2, 1, kFed, 1);
    Jump(2, 2, kFed, 1);
    UpdateMarketPrices();
    // Own 2; two jumps: system 1 through both jump points of system 2, (2 + 2) div 4 = 1.
    EXPECT_EQ(Food(1, 1), kFood[3]);
}

TEST_F(MarketRule, HostileJumpPointBlocksWhatLiesBehindIt) {
    Planet(1, 1, kFed, 0);
    Jump(1, 2, kRim, 2);  // held by a faction at war with the Federation
    Planet(2, 1, kFed, 8);
    Jump(2, 2, kFed, 3);
    Planet(3, 1, kFed, 8);
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[0]);

    // Through a friendly jump point a hostile planet beyond still counts nothing, and a hostile
    // jump point in the neighbour blocks the system behind it.
    g.Planets[1][2][Planet::Owner] = kFed;
    g.Planets[2][1][Planet::Owner] = kSyn;
    g.Planets[2][2][Planet::Owner] = kSyn;
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[0]);
}

TEST_F(MarketRule, CoalitionBonusAndTheCap) {
    Planet(1, 1, kCoal, 0);
    Planet(2, 1, kFed, 0);
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[1]);  // nothing in reach, and the Coalition's 1
    EXPECT_EQ(Food(2, 1), kFood[0]);
    g.Planets[2][1][Planet::AgricultureFacilities] = 50;
    UpdateMarketPrices();
    EXPECT_EQ(Food(2, 1), kFood[4]);
}

TEST_F(MarketRule, OwnersAndJumpTargetsOutsideTheTablesCountNothing) {
    Planet(1, 1, kFed, 1);
    Planet(1, 2, 9, 4);   // no such faction: hostile
    Planet(1, 3, -2, 4);  // likewise
    Jump(1, 4, kFed, 27);
    Jump(1, 5, kFed, 500);
    Jump(1, 6, kFed, -3);
    Planet(27, 1, kFed, 8);  // the row beyond the last system
    UpdateMarketPrices();
    EXPECT_EQ(Food(1, 1), kFood[1]);
    // A planet of an unknown owner is priced, at the scarce level.
    EXPECT_EQ(Food(1, 2), kFood[0]);
    EXPECT_EQ(Food(1, 3), kFood[0]);
}

TEST_F(MarketRule, DriftStaysAndOtherGoodsAreLeftAlone) {
    Planet(1, 1, kFed, 2);
    Jump(1, 2, kFed, 2);
    g.Markets[1][1][1][Market::Drift] = 7;
    g.Markets[1][1][2][Market::Drift] = -30;
    g.Goods[2][Good::Defined] = 0;  // Water is not a good now
    g.Markets[1][1][2][Market::Price] = 1234;
    g.Markets[1][2][1][Market::Price] = 99;  // a jump point's market
    UpdateMarketPrices();
    EXPECT_EQ(g.Markets[1][1][1][Market::BasePrice], kFood[2]);
    EXPECT_EQ(Food(1, 1), kFood[2] + 7);
    EXPECT_EQ(g.Markets[1][1][2][Market::Price], 1234);
    EXPECT_EQ(g.Markets[1][1][2][Market::BasePrice], 0);
    EXPECT_EQ(g.Markets[1][2][1][Market::Price], 99);
    // Firearms (category 2) take the low-tech level, 0 here: the scarce price.
    EXPECT_EQ(g.Markets[1][1][3][Market::Price], 1400);
}

TEST_F(MarketRule, SetSystemOwnerToPlanetsGivesEveryLocationTheOwner) {
    g.StarSystems[3][StarSystem::Exists] = 1;
    g.StarSystems[3][StarSystem::Owner] = kSyn;
    Planet(3, 1, kFed, 0);
    Jump(3, 2, kRim, 1);
    g.Planets[3][4][Planet::Exists] = 1;
    g.Planets[3][4][Planet::Kind] = PlanetKind::Special;
    g.Planets[3][5][Planet::Owner] = kFed;  // no location here
    SetSystemOwnerToPlanets(3);
    EXPECT_EQ(g.Planets[3][1][Planet::Owner], kSyn);
    EXPECT_EQ(g.Planets[3][2][Planet::Owner], kSyn);
    EXPECT_EQ(g.Planets[3][4][Planet::Owner], kSyn);
    EXPECT_EQ(g.Planets[3][5][Planet::Owner], kFed);

    // A system that does not exist, or a number outside the tables, changes nothing.
    g.StarSystems[3][StarSystem::Exists] = 0;
    g.StarSystems[3][StarSystem::Owner] = kCoal;
    SetSystemOwnerToPlanets(3);
    SetSystemOwnerToPlanets(0);
    SetSystemOwnerToPlanets(40);
    EXPECT_EQ(g.Planets[3][1][Planet::Owner], kSyn);
}

}  // namespace
}  // namespace corvanth
