// The new-game set-up: the world of a fresh campaign, a second campaign in the same run, the caps.
#include "state/newgame.h"

#include <gtest/gtest.h>

#include <memory>

#include "state/fortune.h"
#include "state/random.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr uint32_t kSeed = 20240611;

class NewGame : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        Rng().SetSeed(kSeed);
        InitGameData();
    }
    GameState& g = G();
};

TEST_F(NewGame, FreshCampaignHasTheDefaultCaptainFleetScalarsAndArenaPauses) {
    EXPECT_EQ(g.TurnNumber, 0);
    EXPECT_EQ(g.SelectedPlanet, 1);
    EXPECT_EQ(g.GameDay, 12);
    EXPECT_EQ(g.GameMonth, 3);
    EXPECT_EQ(g.GameYear, 2213);
    EXPECT_EQ(g.CurrentPlayer, 1);
    EXPECT_EQ(g.CurrentFleet, 1);
    EXPECT_EQ(g.CurrentShip, 1);
    EXPECT_EQ(g.EnemyShip, 1);
    EXPECT_EQ(g.MarketChangeChance, 80);
    EXPECT_EQ(g.EarlyGameTurns, 100);

    const GameRecord& captain = g.Players[1];
    EXPECT_EQ(g.CaptainNames[1], "Incognito");
    EXPECT_EQ(captain[Player::GameRunning], 1);
    EXPECT_EQ(captain[Player::Money], 500);
    EXPECT_EQ(captain[Player::Fame], 50);
    EXPECT_EQ(captain[Player::LifePoints], 3);
    EXPECT_EQ(captain[Player::Faction], FactionId::Federation);
    EXPECT_EQ(captain[Player::Drunkenness], 3);
    EXPECT_EQ(captain[Player::DrinkingTolerance], 35);
    // Ship 1 is empty, the hold is empty and nothing is owed: the net worth is the money.
    EXPECT_EQ(captain[Player::NetWorthAtLastPay], 500);
    EXPECT_EQ(captain[Player::StartNetWorth], 500);
    EXPECT_EQ(CalcFortune(), 500);

    const GameRecord& fleet = g.Fleets[1];
    EXPECT_EQ(fleet[Fleet::System], 4);
    EXPECT_EQ(fleet[Fleet::Location], 1);
    EXPECT_EQ(fleet[Fleet::FreeCargo], 10);
    EXPECT_EQ(fleet[Fleet::CargoCapacity], 10);

    // Tournament 1 pauses 10 turns, 2 and 3 take the two draws of the generator in order, and
    // nothing else draws.
    RandomGenerator expected;
    expected.SetSeed(kSeed);
    EXPECT_EQ(g.Tournaments[1][Tournament::Phase], -10);
    EXPECT_EQ(g.Tournaments[2][Tournament::Phase], -expected.Next(100));
    EXPECT_EQ(g.Tournaments[3][Tournament::Phase], -expected.Next(100));
    EXPECT_EQ(Rng().Seed(), expected.Seed());

    // A cleared slot that no loader fills holds one blank.
    EXPECT_EQ(g.SystemNames[26], " ");
    EXPECT_EQ(g.PlanetNames[4][35], " ");
}

// Finis Prime (system 4, location 1, Federation): the start market. Finis jumps to Sirius,
// New Ireland and Warfield (all Federation); from there on to Carse, Finis (back), Hyraxan and
// New Scotland (Outer Rim: at war, count nothing), Baiton, Tortuga (Syndicate: at war) and
// Dark Light (no planets). Facility counts from the location catalogue.
TEST_F(NewGame, StartMarketOfFinisPrime) {
    auto price = [&](int good) { return g.Markets[4][1][good][Market::Price]; };
    // Agriculture: Finis 0; New Ireland 2 + Warfield 1 = 3, halved 1; two jumps only Baiton 3,
    // 3 div 4 = 0. Level 1.
    EXPECT_EQ(price(1), 200);  // Food
    EXPECT_EQ(price(2), 200);  // Water
    // Low-tech: Finis Prime 1 + Sargoth 1 = 2; New Dublin 1 + Sparta 1 + Summer 1 = 3, halved 1;
    // Finis three times back, 6 div 4 = 1. Level 4.
    EXPECT_EQ(price(3), 50);  // Firearms
    EXPECT_EQ(price(5), 25);  // Synthetics
    // High-tech: 2 + 1 + 1 + 1 = 5 in Finis alone, cut to 4.
    EXPECT_EQ(price(7), 75);  // Reactors
    // Luxury: nothing within one jump; two jumps away Carse (Amely 2, Mellflor 1), 3 div 4 = 0.
    EXPECT_EQ(price(12), 1600);  // Jewelry
    // Mines: Temblor 1; Finis three times back, 3 div 4 = 0. Level 1.
    EXPECT_EQ(price(13), 200);  // Ore
    EXPECT_EQ(price(14), 400);  // Diamonds
    // Medical: New Cairo 1. Level 1.
    EXPECT_EQ(price(15), 400);
    // Illegal labs: Sparta in Warfield 2, halved 1; Tortuga's labs are at war. Level 1.
    EXPECT_EQ(price(16), 2000);  // Weapons
    EXPECT_EQ(price(18), 3150);  // Drugs
    // No drift yet: every price is its base price.
    for (int good = 1; good <= 20; ++good)
        EXPECT_EQ(g.Markets[4][1][good][Market::BasePrice], price(good)) << good;
    // Jump points get no market.
    EXPECT_EQ(g.Markets[4][6][1][Market::Price], 0);
}

// Manchester (system 6, location 1, Coalition): medical. Nothing in New Manchester or its
// neighbours Carse, New Berlin and New Wales; two jumps: Hope Prime 4 (Federation, at peace)
// through Carse and Lille 1 + Montpellier 2 in New France: 7, a quarter is 1; the Coalition adds
// 1. Level 2.
TEST_F(NewGame, CoalitionMarketOfManchester) {
    EXPECT_EQ(g.Markets[6][1][15][Market::Price], 200);
}

// A second campaign in the same run: whatever the first one left in ships, fleets, factions and
// the arena, the world is the same, but for the two arena draws.
TEST_F(NewGame, SecondCampaignInTheSameRunIsTheSameWorld) {
    auto first = std::make_unique<GameState>(g);

    // What a game played in between leaves behind.
    g.Ships[1][1][Ship::Present] = 1;
    g.Ships[1][1][Ship::HullPrice] = 250000;
    g.ShipEquipment[1][1][3][Slot::Used] = 1;
    g.ShipEquipment[1][1][3][Slot::EquipmentId] = 5;
    g.Ships[2][3][Ship::Class] = 12;
    g.Ships[5][2][Ship::Present] = 1;
    g.Fleets[5][Fleet::System] = 9;
    g.Factions[FactionId::Pirates][Faction::WarScoreBase + 1] = 3;
    g.Tournaments[1][Tournament::Prize] = 90000;
    g.Tournaments[2][Tournament::RoundDecided] = 1;
    g.TournamentEntrants[1][1] = 1;
    g.Gladiators[7][Gladiator::Skill] = 80;
    g.GladiatorNames[7] = "Gladiator 7";
    g.Projectiles[2][Projectile::Active] = 1;
    g.Cargo[5] = 40;
    g.Players[1][Player::Money] = 123456;
    g.Markets[4][1][1][Market::Drift] = 17;
    g.Planets[9][1][Planet::Owner] = 1;
    SelectedShipType = 9;
    EncounterStage = 3;
    Session().Play.WatchedThisTurn[2] = true;

    Rng().SetSeed(kSeed);
    InitGameData();
    // The start net worth no longer carries the last game's ship.
    EXPECT_EQ(g.Players[1][Player::StartNetWorth], 500);
    EXPECT_TRUE(g.Ships == first->Ships);
    EXPECT_TRUE(g.ShipEquipment == first->ShipEquipment);
    EXPECT_TRUE(g.Fleets == first->Fleets);
    EXPECT_TRUE(g.Factions == first->Factions);
    EXPECT_TRUE(g.Players == first->Players);
    EXPECT_TRUE(g.Tournaments == first->Tournaments);
    EXPECT_TRUE(g.TournamentEntrants == first->TournamentEntrants);
    EXPECT_TRUE(g.Gladiators == first->Gladiators);
    EXPECT_TRUE(g.GladiatorNames == first->GladiatorNames);
    EXPECT_TRUE(g.Projectiles == first->Projectiles);
    EXPECT_TRUE(g.Cargo == first->Cargo);
    EXPECT_TRUE(g.Planets == first->Planets);
    EXPECT_TRUE(g.Markets == first->Markets);
    EXPECT_TRUE(g.EquipmentTypes == first->EquipmentTypes);
    EXPECT_TRUE(g.Goods == first->Goods);
    // Nor the last game's screens and fights: the dealer offers the first class again.
    EXPECT_EQ(SelectedShipType, 1);
    EXPECT_EQ(EncounterStage, 0);
    EXPECT_FALSE(Session().Play.WatchedThisTurn[2]);
}

TEST_F(NewGame, ClampPlayerValuesCapsFromAboveOnly) {
    GameRecord& captain = g.Players[1];
    captain[Player::Money] = 900000001;
    captain[Player::CappedAsMoney] = 2000000000;
    captain[Player::Fame] = 900000000;
    g.Factions[FactionId::Federation][Faction::Reputation] = 1500000000;
    g.Factions[FactionId::Coalition][Faction::Reputation] = 1500000000;  // not his faction
    ClampPlayerValues();
    EXPECT_EQ(captain[Player::Money], 900000000);
    EXPECT_EQ(captain[Player::CappedAsMoney], 900000000);
    EXPECT_EQ(captain[Player::Fame], 900000000);
    EXPECT_EQ(g.Factions[FactionId::Federation][Faction::Reputation], 900000000);
    EXPECT_EQ(g.Factions[FactionId::Coalition][Faction::Reputation], 1500000000);

    captain[Player::Money] = -5000;
    captain[Player::Fame] = -1;
    ClampPlayerValues();
    EXPECT_EQ(captain[Player::Money], -5000);
    EXPECT_EQ(captain[Player::Fame], -1);

    // A faction number from a damaged save touches no reputation.
    captain[Player::Faction] = 9;
    ClampPlayerValues();
    EXPECT_EQ(g.Factions[FactionId::Coalition][Faction::Reputation], 1500000000);
}

}  // namespace
}  // namespace corvanth
