// The checked ways into the tables: what an index out of range reaches, and what a valid one does.
#include "state/tables.h"

#include <gtest/gtest.h>

#include "state/variables.h"

namespace corvanth {
namespace {

TEST(Tables, AnIndexOutOfRangeReachesNoRowAndAValidOneItsOwn) {
    ResetGameState();
    GameState& g = G();
    g.CurrentPlayer = 1;
    g.CurrentFleet = 1;
    g.Fleets[1][Fleet::System] = 3;
    g.Fleets[1][Fleet::Location] = 7;

    // Relations toward 1..5 and war scores against 1..4 are fields of a's record; a b past them
    // would land on the fields after (faction 6 is field 26, war score 5 is field 55).
    Relation(2, 6) = 9;
    WarScore(2, 5) = 9;
    EXPECT_EQ(g.Factions[2][Faction::RelationBase + 6], 0);
    EXPECT_EQ(g.Factions[2][Faction::WarScoreBase + 5], 0);
    Relation(2, FactionId::Pirates) = 2;
    WarScore(2, FactionId::Coalition) = -3;
    EXPECT_TRUE(AtWar(2, FactionId::Pirates));
    EXPECT_EQ(g.Factions[2][Faction::WarScoreBase + 4], -3);

    // Without a faction the captain's faction record is scratch: row 0 takes nothing.
    CaptainFactionRecord()[Faction::Rank] = 4;
    EXPECT_EQ(g.Factions[0][Faction::Rank], 0);
    g.Players[1][Player::Faction] = FactionId::Syndicate;
    CaptainFactionRecord()[Faction::Rank] = 4;
    EXPECT_EQ(g.Factions[FactionId::Syndicate][Faction::Rank], 4);

    // The bank opens in a playable faction's place only; the pirates' books stay untouched.
    g.Planets[3][7][Planet::Owner] = FactionId::Pirates;
    BankRecord()[Faction::Loan] = 500;
    EXPECT_EQ(g.Factions[FactionId::Pirates][Faction::Loan], 0);
    g.Planets[3][7][Planet::Owner] = FactionId::Federation;
    BankRecord()[Faction::Loan] = 500;
    EXPECT_EQ(g.Factions[FactionId::Federation][Faction::Loan], 500);
    EXPECT_EQ(FleetLocationOwner(), FactionId::Federation);

    // The arena: tournaments 1..3 and gladiators 1..55, though the tables hold more rows.
    TournamentRecord(4)[Tournament::Phase] = 3;
    GladiatorRecord(56)[Gladiator::Skill] = 3;
    EXPECT_EQ(g.Tournaments[4][Tournament::Phase], 0);
    EXPECT_EQ(g.Gladiators[56][Gladiator::Skill], 0);

    // Only the four playable factions take part in the war, whatever the pirates' record holds.
    g.Factions[FactionId::Pirates][Faction::Active] = 1;
    g.Factions[FactionId::Coalition][Faction::Active] = 1;
    EXPECT_FALSE(Active(FactionId::Pirates));
    EXPECT_TRUE(Active(FactionId::Coalition));
}

TEST(Tables, FromBandsGivesTheFirstBandThatReachesTheDrawAndZeroPastTheLast) {
    // 0..35 give 1, 36..75 give 2, 76..99 give 3; 100 is past them all.
    const auto band = [](int d) { return FromBands({{35, 1}, {75, 2}, {99, 3}}, d); };
    EXPECT_EQ(band(0), 1);
    EXPECT_EQ(band(35), 1);
    EXPECT_EQ(band(36), 2);
    EXPECT_EQ(band(99), 3);
    EXPECT_EQ(band(100), 0);
}

}  // namespace
}  // namespace corvanth
