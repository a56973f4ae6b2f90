// The law: kill rewards, the customs scan and its chances, and the fixed penalties.
#include "career/governor.h"

#include <gtest/gtest.h>

#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/answering_backend.h"
#include "support/game_test.h"
#include "travel/turn_fixture.h"

namespace corvanth {
namespace {

class Law : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::StartTestGame();
        GameRecord& c = Captain();
        c[Player::Faction] = 1;
        c[Player::HideReputationLossNotices] = 1;
        c[Player::HideReputationGainNotices] = 1;
        c[Player::HideFameGainNotices] = 1;
        G().Cargo.fill(0);
    }
    GameRecord& Captain() { return G().Players[1]; }
    int32_t& Reputation(int f) { return G().Factions[f][Faction::Reputation]; }

    // Detections in 10,000 scans by `faction` of a hold with one unit of Uranium (illegal in
    // the spaces of factions 1, 2 and 4), the reputation restored before each.
    int Detections(int faction) {
        G().Cargo[17] = 1;
        int found = 0;
        Rng().SetSeed(777);
        for (int i = 0; i < 10000; ++i) {
            Reputation(1) = Reputation(2) = 100000;
            found += ScanForContraband(faction);
        }
        return found;
    }
};

TEST_F(Law, KillsEarnFameAndReputationOnlyAtWar) {
    struct Case {
        int size, fame, reputation;
    };
    GameState& g = G();
    for (const Case& c : {Case{1, 15, 8}, Case{2, 150, 150}, Case{3, 300, 300}, Case{4, 500, 500},
                          Case{5, 1000, 1000}, Case{6, 0, 0}}) {
        for (int relation : {1, 2}) {
            g.Factions[1][Faction::RelationBase + 3] = relation;
            const int fame = Captain()[Player::Fame], rep = Reputation(1);
            AwardShipKill(c.size, 3);
            EXPECT_EQ(Captain()[Player::Fame], fame + c.fame);
            EXPECT_EQ(Reputation(1), rep + (relation == 2 ? c.reputation : 0));
        }
    }
}

TEST_F(Law, TheScanExaminesThirtyInAHundredHoldsAdjustedByFactionAndBays) {
    test::UseAnsweringBackend answering;
    // 30 in 100; a Syndicate captain 30 + 30 div 4 = 37; a Coalition captain 30 - 7 = 23.
    // Three standard deviations of 10,000 draws at 30 % are about 140.
    EXPECT_NEAR(Detections(1), 3000, 140);
    EXPECT_EQ(ContrabandScanChance(), 30);
    Captain()[Player::Faction] = 3;
    EXPECT_EQ(ContrabandScanChance(), 37);
    EXPECT_NEAR(Detections(1), 3700, 145);
    Captain()[Player::Faction] = 4;
    EXPECT_EQ(ContrabandScanChance(), 23);
    EXPECT_NEAR(Detections(1), 2300, 130);
    // Pirates and planets nobody owns find nothing, whatever the draw.
    EXPECT_EQ(Detections(5), 0);
    EXPECT_EQ(Detections(0), 0);
    // One smuggling bay: 30 - 50, below any draw.
    Captain()[Player::Faction] = 1;
    GameRecord& slot = G().ShipEquipment[1][1][20];
    slot[Slot::Used] = 1;
    slot[Slot::EquipmentId] = 9;
    EXPECT_EQ(ContrabandScanChance(), -20);
    EXPECT_EQ(Detections(1), 0);
}

TEST_F(Law, ContrabandBannedGoodsSmugglingMissionsAndTheAmnesty) {
    GameState& g = G();
    // A seed whose first draw examines the hold (below 30).
    uint32_t seed = 1;
    for (;; ++seed) {
        RandomGenerator r;
        r.SetSeed(seed);
        if (r.Next(100) < 30) break;
    }
    auto scan = [&](int faction) {
        Rng().SetSeed(seed);
        return ScanForContraband(faction);
    };
    // Legal goods only: nothing, no notice.
    g.Cargo[1] = 5;
    Reputation(1) = 5000;
    EXPECT_FALSE(scan(1));
    EXPECT_EQ(player().TimesSeen("TMessage1"), 0);
    // Uranium is illegal for the Federation: 250 and the warning.
    g.Cargo[17] = 1;
    player().Click("TMessage1", "SpeedButton3");
    EXPECT_TRUE(scan(1));
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "Your contraband has been detected.");
    EXPECT_EQ(Reputation(1), 4750);
    EXPECT_EQ(g.Factions[1][Faction::Warned], 1);
    // Weapons are banned there: 750.
    g.Cargo[16] = 1;
    player().Click("TMessage1", "SpeedButton3");
    EXPECT_TRUE(scan(1));
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Your banned (!) contraband has been detected.");
    EXPECT_EQ(Reputation(1), 4000);

    // A smuggling mission with the goods aboard is banned contraband, except for its client
    // or before the pick-up.
    g.Cargo.fill(0);
    GameRecord& m = g.Missions[1];
    m[Mission::Status] = 1;
    m[Mission::Kind] = MissionKind::Smuggling;
    m[Mission::Client] = 3;
    m[Mission::ObjectiveBase + 1] = 0;
    player().Click("TMessage1", "SpeedButton3");
    EXPECT_TRUE(scan(1));
    EXPECT_EQ(Reputation(1), 3250);
    m[Mission::Client] = 1;
    EXPECT_FALSE(scan(1));
    m[Mission::Client] = 3;
    m[Mission::ObjectiveBase + 1] = 7;
    EXPECT_FALSE(scan(1));
    m[Mission::ObjectiveBase + 1] = 0;
    EXPECT_FALSE(scan(0));  // nobody's planet: no law, no mission held against him

    // An outcast in his own faction trades a life point for the amnesty: no charge remains.
    Reputation(1) = 100;
    Captain()[Player::LifePoints] = 2;
    player()
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm49", "SpeedButton1")
        .Click("TForm50", "SpeedButton1");
    EXPECT_FALSE(scan(1));
    EXPECT_EQ(Captain()[Player::LifePoints], 1);
    EXPECT_EQ(Reputation(1), 10);
}

TEST_F(Law, PenaltiesTreasonAndTheGovernorsDispleasure) {
    test::UseAnsweringBackend answering;
    GameState& g = G();
    g.Fleets[1][Fleet::System] = 4;
    Reputation(2) = 9000;
    ReportCrimeSectorWarned(2);
    EXPECT_EQ(g.StarSystems[4][StarSystem::Alerted], 1);
    EXPECT_EQ(Reputation(2), 8500);
    ReportSeriousCrime(2);
    EXPECT_EQ(Reputation(2), 7500);
    // An evil crime against another faction costs a Federation captain 500 at home as well.
    Reputation(1) = 3000;
    ReportEvilCrime(2);
    EXPECT_EQ(Reputation(2), 2500);
    EXPECT_EQ(Reputation(1), 2500);
    Reputation(1) = 6000;
    ReportEvilCrime(1);  // against the own faction: 5000 and no more
    EXPECT_EQ(Reputation(1), 1000);

    // Treason leaves exactly -3000: 1200 loses 4200; a reputation below that is not raised.
    Reputation(3) = 1200;
    ReportTreason(3);
    EXPECT_EQ(Reputation(3), -3000);
    Reputation(3) = -5000;
    ReportTreason(3);
    EXPECT_EQ(Reputation(3), -5000);
    EXPECT_EQ(g.Factions[3][Faction::Warned], 1);

    // The governor takes by rank: 25 25 45 70 100 200 350 500, and 500 at rank 8.
    const int64_t loss[] = {25, 25, 45, 70, 100, 200, 350, 500, 500};
    for (int rank = 0; rank <= 8; ++rank) {
        g.Factions[4][Faction::Rank] = rank;
        Reputation(1) = 10000;
        Reputation(4) = 10000;
        ReportGovernorNotAmused(4);
        EXPECT_EQ(Reputation(4), 10000 - loss[rank]);
    }
    // Never below 1 with the own faction: 70 from 70 would leave 0, so nothing is taken.
    g.Factions[1][Faction::Rank] = 3;
    Reputation(1) = 70;
    ReportGovernorNotAmused(1);
    EXPECT_EQ(Reputation(1), 70);
    Reputation(1) = 71;
    ReportGovernorNotAmused(1);
    EXPECT_EQ(Reputation(1), 1);
}

}  // namespace
}  // namespace corvanth
