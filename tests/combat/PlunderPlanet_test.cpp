// Plunder and occupation of a raided planet: the money by economy and warning, the goods by
// facility, the slaves, and the occupation's news and turn.
#include "combat/PlunderPlanet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "combat/combat_fixture.h"
#include "state/tables.h"
#include "support/art.h"

namespace corvanth {
namespace {

// Location 1 of Federation system 5 (rating 2), owned here by the Outer Rim Alliance.
class Plunder : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GameState& g = G();
        g.Fleets[1][Fleet::System] = 5;
        g.Fleets[1][Fleet::Location] = 1;
        Captain()[Player::HideReputationLossNotices] = 1;
        Captain()[Player::HideReputationGainNotices] = 1;
        g.Factions[1][Faction::Reputation] = g.Factions[2][Faction::Reputation] = 50000;
        planet[Planet::Owner] = 2;
        for (int k = 1; k <= 7; ++k) planet[Planet::FacilityBase + k] = 0;
    }
    void Relation(int r) { G().Factions[1][Faction::RelationBase + 2] = r; }
    void Plunders(const std::string& money) {
        player()
            .Do("TMessage1",
                [money](ui::Form& f) {
                    EXPECT_EQ(f.Find("Label1")->caption, "You plunder $C " + money + ".");
                })
            .Click("TMessage1", "SpeedButton3")
            .Click("TMessage1", "SpeedButton3");
    }
    GameRecord& planet = G().Planets[5][1];
    int32_t& alerted = G().StarSystems[5][StarSystem::Alerted];
    int32_t& money = Captain()[Player::Money];
};

TEST_F(Plunder, LeavingEnslavingAndOccupying) {
    // A warned Bank Center at peace: a serious crime, and 4 x 4,000,000 div 4 = 4,000,000; no
    // facilities, money only.
    Relation(1);
    planet[Planet::Economy] = 8;
    alerted = 1;
    ShowPlunderPlanet();
    EXPECT_EQ(PlunderWarned, 1);
    int32_t before = money;
    player().Click("TMessage1", "SpeedButton3");
    Plunders("4.000.000");
    PlunderAndLeave();
    EXPECT_EQ(money, before + 4000000);
    EXPECT_EQ(G().Factions[2][Faction::Reputation], 50000 - 1000);
    EXPECT_TRUE(lootGoods.empty());
    EXPECT_EQ(planet[Planet::LastPlunderTurn], 500);

    // Unwarned High-Tech at war (m = 4): 8,000,000, no crime, 100 units per facility of the
    // facility's good: fields 12, 15, 18 give goods 2, 10, 18.
    Relation(2);
    planet[Planet::Economy] = 3;
    planet[Planet::AgricultureFacilities] = 1;
    planet[Planet::LuxuryFacilities] = 2;
    planet[Planet::IllegalLabs] = 3;
    alerted = 0;
    ShowPlunderPlanet();
    before = money;
    Plunders("8.000.000");
    PlunderAndLeave();
    EXPECT_EQ(money, before + 8000000);
    EXPECT_EQ(lootGoods, (std::vector<int>{2, 10, 18}));
    EXPECT_EQ(lootAmounts, (std::vector<int>{100, 200, 300}));
    EXPECT_EQ(alerted, 1);

    // A warned capital enslaved (m = 5): 250,000 div 4 = 62,500, 500 div 4 = 125 units of goods
    // legal with the owner, and 500 slaves whatever the warning; no plunder turn is recorded.
    planet[Planet::Economy] = 5;
    planet[Planet::LastPlunderTurn] = 0;
    ShowPlunderPlanet();
    before = money;
    player().Click("TMessage3", "SpeedButton2");
    PlunderAndEnslave();  // "no": nothing
    EXPECT_EQ(money, before);
    player().Click("TMessage3", "SpeedButton1").Click("TMessage1", "SpeedButton3");
    Plunders("62.500");
    player().Click("TForm7", "SpeedButton3");
    PlunderAndEnslave();
    EXPECT_EQ(money, before + 62500);
    EXPECT_EQ(G().CapturedCargo[19], 500);
    int units = 0;
    for (int good = 0; good <= 20; ++good) {
        if (good == 19 || G().CapturedCargo[good] == 0) continue;
        units += G().CapturedCargo[good];
        EXPECT_TRUE(good == 0 || G().Goods[good][Good::LegalityBase + 2] == 0) << good;
    }
    EXPECT_EQ(units, 125);  // a draw of index 0 counts though no list shows it
    EXPECT_EQ(planet[Planet::LastPlunderTurn], 0);

    // Occupation: the planet is the captain's faction's, 2,500 reputation for rating 2, the news
    // and one turn.
    const int32_t reputation = G().Factions[1][Faction::Reputation];
    const int turn = G().TurnNumber;
    player().Click("TMessage4", "SpeedButton1");
    OccupyPlanet();
    EXPECT_EQ(planet[Planet::Owner], 1);
    EXPECT_EQ(G().Factions[1][Faction::Reputation], reputation + 2500);
    EXPECT_EQ(G().TurnNumber, turn + 1);
}

// The raid's fame is paid before the screen shows: Escape, the close button and an enslaving
// declined leave it open; only one of its ends closes it.
TEST_F(Plunder, TheScreenRefusesToCloseUntilAnEndIsChosen) {
    Relation(2);
    planet[Planet::Economy] = 1;
    alerted = 0;
    ShowPlunderPlanet();
    const int32_t before = money;
    player()
        .Key("TForm34", ui::keys::Escape)
        .CloseRequest("TForm34")
        .Click("TForm34", "SpeedButton2")
        .Click("TMessage3", "SpeedButton2")
        .CloseRequest("TForm34")
        .Click("TForm34", "SpeedButton1");
    Plunders("2.000.000");
    Form34->ShowModal();
    EXPECT_EQ(money, before + 2000000);
    EXPECT_EQ(alerted, 1);
    EXPECT_FALSE(Form34->Visible());
}

}  // namespace
}  // namespace corvanth
