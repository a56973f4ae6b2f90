// Plunder and occupation of a raided planet: the money by economy and warning, the goods by
// facility, the slaves, and the occupation's news and turn.
#include "combat/PlunderPlanet.h"

#include <gtest/gtest.h>

#include "combat/combat_fixture.h"
#include "state/tables.h"

namespace corvanth {
namespace {

constexpr int kSystem = 5;  // a Federation system of rating 2
constexpr int kOuterRim = 2;

class Plunder : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        GameState& g = G();
        g.Fleets[1][Fleet::System] = kSystem;
        g.Fleets[1][Fleet::Location] = 1;
        Captain()[Player::HideReputationLossNotices] = 1;
        Captain()[Player::HideReputationGainNotices] = 1;
        g.Factions[kOuterRim][Faction::Reputation] = 50000;
        g.Factions[1][Faction::Reputation] = 50000;  // the own faction frowns on slavery
        Planet()[Planet::Owner] = kOuterRim;
        Planet()[Planet::LastPlunderTurn] = 0;
        for (int k = 1; k <= 7; ++k) Planet()[Planet::FacilityBase + k] = 0;
    }
    static GameRecord& Planet() { return G().Planets[kSystem][1]; }
    static int32_t& Alerted() { return G().StarSystems[kSystem][StarSystem::Alerted]; }
    static void Relation(int r) {
        G().Factions[1][Faction::RelationBase + kOuterRim] = r;
        G().Factions[kOuterRim][Faction::RelationBase + 1] = r;
    }
    void Plunders(const std::string& money) {
        player()
            .Do("TMessage1",
                [money](ui::Form& f) {
                    EXPECT_EQ(f.Find("Label1")->caption, "You plunder $C " + money + ".");
                })
            .Click("TMessage1", "SpeedButton3")
            .Click("TMessage1", "SpeedButton3");
    }
};

TEST_F(Plunder, LeavingTakesMoneyByEconomyAndGoodsByFacilityAndWarnsTheSystem) {
    // A warned Bank Center at peace: a serious crime, and 4 x 4,000,000 div 4 = 4,000,000.
    Relation(1);
    Planet()[Planet::Economy] = 8;
    Alerted() = 1;
    ShowPlunderPlanet();
    EXPECT_EQ(PlunderWarned, 1);
    EXPECT_EQ(Form34->Label2->caption,
              "The planet has been warned by your presence in this sector and most of the "
              "valuables have been shipped away or hidden.");
    int32_t money = Captain()[Player::Money];
    const int32_t reputation = G().Factions[kOuterRim][Faction::Reputation];
    player().Click("TMessage1", "SpeedButton3");
    Plunders("4.000.000");
    PlunderAndLeave();
    EXPECT_EQ(Captain()[Player::Money], money + 4000000);
    EXPECT_LT(G().Factions[kOuterRim][Faction::Reputation], reputation);
    EXPECT_TRUE(lootGoods.empty());  // no facilities: money only
    EXPECT_EQ(Planet()[Planet::LastPlunderTurn], 500);

    // An unwarned High-Tech world at war (m = 4): 8,000,000, no crime, and 100 units of the
    // facility's good per facility: fields 12, 15, 18 give goods 2, 10, 18.
    Relation(2);
    Planet()[Planet::Economy] = 3;
    Planet()[Planet::AgricultureFacilities] = 1;
    Planet()[Planet::LuxuryFacilities] = 2;
    Planet()[Planet::IllegalLabs] = 3;
    Alerted() = 0;
    ShowPlunderPlanet();
    EXPECT_EQ(Form34->Label2->caption,
              "You got the population by surprise and they did not have enough time to hid "
              "their valuables.");
    money = Captain()[Player::Money];
    Plunders("8.000.000");
    PlunderAndLeave();
    EXPECT_EQ(Captain()[Player::Money], money + 8000000);
    EXPECT_EQ(lootGoods, (std::vector<int>{2, 10, 18}));
    EXPECT_EQ(lootAmounts, (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(Alerted(), 1);
}

// A warned capital (m = 5): 250,000 div 4 = 62,500, 500 div 4 = 125 units, and 5 x 100 = 500
// slaves whatever the warning; no plunder turn is recorded.
TEST_F(Plunder, EnslavingAWarnedCapital) {
    Relation(2);
    Planet()[Planet::Economy] = 5;
    Alerted() = 1;
    ShowPlunderPlanet();
    const int32_t money = Captain()[Player::Money];
    player().Click("TMessage3", "SpeedButton2");
    PlunderAndEnslave();
    EXPECT_EQ(Captain()[Player::Money], money);
    player()
        .Do("TMessage3",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption,
                          "These people would NEVER forget this evil crime. Continue anyway?");
            })
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3");
    Plunders("62.500");
    player().Click("TForm7", "SpeedButton3");
    PlunderAndEnslave();
    EXPECT_EQ(Captain()[Player::Money], money + 62500);
    EXPECT_EQ(G().CapturedCargo[19], 500);
    int units = 0;
    for (int good = 0; good <= 20; ++good) {
        if (good == 19 || G().CapturedCargo[good] == 0) continue;
        units += G().CapturedCargo[good];
        // Only goods legal in the owner's space (index 0 is no good and always "legal").
        if (good > 0) {
            EXPECT_EQ(G().Goods[good][Good::LegalityBase + kOuterRim], 0) << good;
        }
    }
    EXPECT_EQ(units, 125);
    EXPECT_EQ(Planet()[Planet::LastPlunderTurn], 0);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Additionally you find some goods...and some slaves...");
}

// Occupation: the planet changes hands, 2,500 reputation for rating 2, the news and one turn.
TEST_F(Plunder, OccupationTakesThePlanetForTheFaction) {
    Relation(2);
    const int32_t reputation = G().Factions[1][Faction::Reputation];
    const int turn = G().TurnNumber;
    player().Click("TMessage4", "SpeedButton1");
    OccupyPlanet();
    EXPECT_EQ(Planet()[Planet::Owner], 1);
    EXPECT_EQ(G().Factions[1][Faction::Reputation], reputation + 2500);
    EXPECT_TRUE(player()
                    .LastSeen("TMessage4")
                    ->Text("Memo1")
                    .find("captured " + LocationName(kSystem, 1)) != std::string::npos);
    EXPECT_EQ(G().TurnNumber, turn + 1);
}

}  // namespace
}  // namespace corvanth
