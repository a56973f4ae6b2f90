// The planet raid: a raid played from the travel screen to the plunder, the wave table, a
// flight, the treasure fleet, the raid's questions and crimes, and a game that ends mid-raid.
#include "combat/AttackPlanet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

#include "combat/Loot.h"
#include "combat/PlunderPlanet.h"
#include "combat/combat_fixture.h"
#include "planet/new_game_path.h"
#include "planet/planet_support.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/UMessage3.h"
#include "support/answering_backend.h"
#include "travel/travel.h"
#include "ui/audio.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kMarauder = 12;
// Planet fields 12..18 give goods 2, 3, 7, 10, 14, 15, 18.
constexpr int kFacilityGood[8] = {0, 2, 3, 7, 10, 14, 15, 18};

using RaidPath = test::PlanetTest;

// (b) A Syndicate captain in an armoured Marauder raids a planet of a faction at war: every wave is
// fought on the combat screen, then "Plunder && leave planet" and one loot screen per facility
// kind.
TEST_F(RaidPath, ARaidFromTheTravelScreenEndsInPlunder) {
    WriteScreens();
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    ui::ScriptedPlayer& p = answering.backend().Player();
    p.SetScreenDir(CORVANTH_SCREENS_DIR);
    // A planet with two or more kinds of facilities in another faction's system of rating 2 or
    // less; the new game sets up the same catalogue as the fixture.
    GameState& g = G();
    int s = 0, l = 0, owner = 0;
    for (int sys = 1; sys <= 25 && l == 0; ++sys) {
        owner = g.StarSystems[sys][StarSystem::Owner];
        if (owner == 3 || owner < 1 || owner > 4 ||
            g.StarSystems[sys][StarSystem::SectorRating] > 2)
            continue;
        for (int loc = 1; loc <= 35 && l == 0; ++loc) {
            const GameRecord& P = g.Planets[sys][loc];
            int n = 0;
            for (int k = 1; k <= 7; ++k) n += P[Planet::FacilityBase + k] > 0;
            if (P[Planet::Exists] && P[Planet::Kind] == 1 && P[Planet::Owner] == owner && n >= 2)
                s = sys, l = loc;
        }
    }
    ASSERT_GT(l, 0);
    // Rating r, unwarned, no treasure fleet: r + 1 waves.
    const int waves = g.StarSystems[s][StarSystem::SectorRating] + 1;
    std::vector<int> facilities;
    for (int k = 1; k <= 7; ++k)
        if (g.Planets[s][l][Planet::FacilityBase + k] > 0) facilities.push_back(k);
    // Economy factor m by field 7, 2,000,000 a factor (4,000,000 at a Bank Center).
    const int economy = g.Planets[s][l][Planet::Economy];
    const int64_t plunder = int64_t{EconomyFactor(economy)} * (economy == 8 ? 4000000 : 2000000);
    int32_t money = 0, cargo = 0;
    int clicks = 0;
    test::ClickToSyndicateGame(p).Do("TForm2", [&](ui::Form&) {
        GameState& g = G();
        g.Factions[3][Faction::RelationBase + owner] =
            g.Factions[owner][Faction::RelationBase + 3] = 2;
        g.StarSystems[s][StarSystem::Alerted] = 0;
        Captain()[Player::HideFameGainNotices] = 1;
        g.Fleets[1][Fleet::System] = s;
        g.Fleets[1][Fleet::Location] = g.SelectedPlanet = l;
        LoadShipType(kMarauder);
        for (int f = 1; f <= 100; ++f) g.Ships[1][1][f] = g.Ships[0][0][f];
        for (int slot = 1; slot <= 20; ++slot)
            g.ShipEquipment[1][1][slot] = g.ShipEquipment[0][0][slot];
        g.Ships[1][1][Ship::Present] = 1;
        g.Ships[1][1][Ship::CrewOfficers] = g.Ships[1][1][Ship::CrewMax];
        g.Ships[1][1][Ship::BaseStrength] *= 20;  // the raid is the test, not the battles
        g.ShipClassNames[1][1] = g.ShipClassNames[0][0];
        RecalcShipStats(1, 1, 0, 0);
        RefreshTravelScreen();
        EXPECT_TRUE(Form2->SpeedButton1->enabled);
        money = Money();
        clicks = test::CountSound("play:button.wav");
    });
    p.Click("TForm2", "SpeedButton1")
        .Do("TMessage3",
            [&](ui::Form&) {
                EXPECT_EQ(Message3->Find("Label1")->caption,
                          "Do you really wish to attack this planet?");
                EXPECT_EQ(test::CountSound("play:button.wav"), clicks);  // none before the answer
            })
        .Click("TMessage3", "SpeedButton1");
    for (int w = 0; w < waves; ++w) p.Click("TForm33", "SpeedButton5");
    p.Do("TForm34", [&](ui::Form&) {
         EXPECT_EQ(LocationRecord(s, l)[Planet::RaidWavesLeft], 0);
         EXPECT_TRUE(Form34->SpeedButton5->enabled);  // at war: "Occupy" is offered
         cargo = std::accumulate(G().Cargo.begin(), G().Cargo.end(), 0);
     }).Click("TForm34", "SpeedButton1");
    for (size_t n = 0; n < facilities.size(); ++n)
        p.Do("TForm51", [&, n](ui::Form&) {
             const int k = facilities[n];
             EXPECT_EQ(G().LootItem[Loot::Good], kFacilityGood[k]);
             EXPECT_EQ(G().LootItem[Loot::Amount],
                       LocationRecord(s, l)[Planet::FacilityBase + k] * 100);
         }).Click("TForm51", "SpeedButton3");
    p.Do("TForm2",
         [&](ui::Form&) {
             EXPECT_EQ(Money(), money + plunder);
             EXPECT_GT(std::accumulate(G().Cargo.begin(), G().Cargo.end(), 0), cargo);
             EXPECT_EQ(StarSystemRecord(s)[StarSystem::Alerted], 1);
             EXPECT_EQ(LocationRecord(s, l)[Planet::LastPlunderTurn], G().TurnNumber);
             EXPECT_EQ(FactionRecord(owner)[Faction::Warned], 0);  // at war: no crime
         })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_GE(answering.backend().answered["TForm14"], waves);  // the waves on the combat screen
}

// The raid's rules on an Outer Rim planet (system 19, rating 1, location 1) before a Federation
// captain; each wave's battle is replaced by its outcome: won, fled or the game's end.
class Raid : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        GameState& g = G();
        g.Fleets[1][Fleet::System] = kSystem;
        g.Fleets[1][Fleet::Location] = 1;
        g.StarSystems[kSystem][StarSystem::Alerted] = 0;
        g.Factions[1][Faction::RelationBase + 2] = g.Factions[2][Faction::RelationBase + 1] = 1;
        Captain()[Player::HideFameGainNotices] = 1;
        Captain()[Player::TreasureFleetSystem] = 0;
        CurrentCombatCalls().ShowCombatScreen = [this] {
            const char outcome = outcomes.front();
            outcomes.erase(0, 1);
            if (outcome == 'W') {
                Enemy()[Ship::Present] = 0;
                EndCombat();
            } else if (outcome == 'F') {  // from an immobile ship a flight always succeeds
                Enemy()[Ship::Speed] = 0;
                Own()[Ship::ActionPointsLeft] = 10;
                CombatFlee();
            } else {
                Own()[Ship::Present] = 0;
                EndGame();
            }
        };
    }
    void TearDown() override {
        ClearGameEnded();
        CombatTest::TearDown();
    }
    static constexpr int kSystem = 19;
    std::string outcomes;
};

TEST_F(Raid, TheDefenceGrowsWithRatingTreasureFleetAndWarning) {
    const int sizes[6] = {2, 3, 4, 4, 5, 5};
    for (int rating = 0; rating <= 5; ++rating) {
        G().StarSystems[kSystem][StarSystem::SectorRating] = rating;
        BeginPlanetRaid();
        EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], rating + 1);
        EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWaveSize], sizes[rating]);
    }
    // 5 + 2 + 1 is capped at 5: still 6 waves of size 5, after both notices.
    G().StarSystems[kSystem][StarSystem::Alerted] = 1;
    Captain()[Player::TreasureFleetSystem] = kSystem;
    player()
        .Do("TMessage6", [](ui::Form& f) { EXPECT_FALSE(f.Find("CheckBox1")->enabled); })
        .Click("TMessage6", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3");
    BeginPlanetRaid();
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], 6);
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWaveSize], 5);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "This sector seems to have been warned by your presence in this system.");
}

// Rating 1 + 2 for the treasure fleet: 4 waves. A flight leaves them at 4 and closes the raid
// screen; four victories suppress the defence; at peace "Occupy" stays off.
TEST_F(Raid, AFlightTheLastWaveAndTheTreasureFleet) {
    G().StarSystems[kSystem][StarSystem::SectorRating] = 1;
    Captain()[Player::TreasureFleetSystem] = kSystem;
    player().Click("TMessage6", "SpeedButton3");
    BeginPlanetRaid();
    ShowPlanetRaid();
    outcomes = "FWWWW";
    player().Click("TForm33", "SpeedButton5").Click("TMessage1", "SpeedButton3");
    Form33->ShowModal();
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], 4);
    const int32_t money = Captain()[Player::Money], fame = Captain()[Player::Fame];
    player().Click("TForm33", "SpeedButton5");
    player().Do("TForm33", [](ui::Form&) {
        EXPECT_EQ(Form33->Label2->caption, "The planet is defended by 3 waves.");
    });
    for (int w = 0; w < 3; ++w) player().Click("TForm33", "SpeedButton5");
    player()
        .Click("TMessage1", "SpeedButton3")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm34", [](ui::Form&) { EXPECT_FALSE(Form34->SpeedButton5->enabled); })
        .CloseRequest("TForm34");
    Form33->ShowModal();
    EXPECT_FALSE(Form33->Visible());
    EXPECT_EQ(Captain()[Player::TreasureFleetSystem], -1);
    EXPECT_GE(Captain()[Player::Money], money + 5000000);
    EXPECT_LE(Captain()[Player::Money], money + 7499999);
    EXPECT_EQ(Captain()[Player::Fame], fame + 1000 + 20000);  // rating 1, and the treasure fleet
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Word about your legendary victory has spread...");
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Label2"), "Treasure fleet");
}

// A raid mission's target: a final death in a wave ends the raid there and then (the mission
// is not failed after the game); "Break off attack" fails it.
TEST_F(Raid, TheGameThatEndsInAWaveEndsTheRaid) {
    GameRecord& m = CaptainMission();
    m[Mission::Status] = 1;
    m[Mission::Kind] = MissionKind::RaidPlanet;
    m[Mission::TargetSystem] = kSystem;
    m[Mission::ObjectiveBase + 1] = 1;
    EXPECT_EQ(RaidQuestion(), "Do you really wish to attack this planet (mission objective)");
    BeginPlanetRaid();
    ShowPlanetRaid();
    outcomes = "D";
    player().Click("TForm33", "SpeedButton5").CloseRequest("TForm33");
    Form33->ShowModal();
    EXPECT_EQ(m[Mission::Status], 1);
    EXPECT_EQ(player().TimesSeen("TForm46"), 0);
    ClearGameEnded();
    Own()[Ship::Present] = 1;
    player()
        .Click("TForm33", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm46", [](ui::Form& f) { EXPECT_EQ(f.Find("Label1")->caption, "Mission failed"); })
        .Click("TForm46", "SpeedButton1");
    Form33->ShowModal();
    EXPECT_EQ(m[Mission::Status], 0);
}

// The travel screen's "Raid": the capital, the questions, and the crimes reported.
TEST_F(Raid, TheRaidButtonAsksAndReportsCrimesOnlyAtPeace) {
    GameState& g = G();
    Captain()[Player::HideReputationLossNotices] = 1;
    g.Factions[2][Faction::Reputation] = 5000;  // no outcast after one raid
    auto raid = [&](int owner, bool yes, bool crime = false) {
        g.Planets[kSystem][1][Planet::Owner] = owner;
        const int32_t rep = owner >= 1 && owner <= 4 ? g.Factions[owner][Faction::Reputation] : 0;
        const int clicks = test::CountSound("play:button.wav");
        player().Do("TMessage3", [clicks](ui::Form&) {
            EXPECT_EQ(test::CountSound("play:button.wav"), clicks);
        });
        player().Click("TMessage3", yes ? "SpeedButton1" : "SpeedButton2");
        if (crime) player().Click("TMessage1", "SpeedButton3");
        if (yes) player().CloseRequest("TForm33");
        RaidFleetLocation();
        return owner >= 1 && owner <= 4 ? rep - g.Factions[owner][Faction::Reputation] : 0;
    };
    // At peace: the crime costs 500 reputation and its notices; "no" changes nothing.
    EXPECT_EQ(raid(2, false), 0);
    EXPECT_EQ(player().LastSeen("TMessage3")->Text("Label1"),
              "Do you really wish to attack this planet (we are at peace!)?");
    EXPECT_EQ(raid(2, true, true), 500);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "Word about your crime has spread.");
    EXPECT_EQ(g.Factions[2][Faction::Warned], 1);
    // At war, and a planet of nobody: the war question, no crime.
    g.Factions[1][Faction::RelationBase + 4] = 2;
    EXPECT_EQ(raid(4, true), 0);
    EXPECT_EQ(raid(0, true), 0);
    EXPECT_EQ(player().LastSeen("TMessage3")->Text("Label1"),
              "Do you really wish to attack this planet?");
    // A capital is too well defended: one message and no question.
    g.Factions[2][Faction::CapitalSystem] = kSystem;
    g.Planets[kSystem][1][Planet::Owner] = 2;
    player().Click("TMessage1", "SpeedButton3");
    RaidFleetLocation();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "This is the capital sector of the " + FactionName(2) +
                  " and too well defended to be raided!");
}

}  // namespace
}  // namespace corvanth
