// The planet raid: a raid played from the travel screen to the plunder, the wave table, a
// flight, the treasure fleet, the raid's questions and crimes, and a game that ends mid-raid.
#include "combat/AttackPlanet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "combat/Loot.h"
#include "combat/PlunderPlanet.h"
#include "combat/combat_fixture.h"
#include "planet/new_game_path.h"
#include "planet/planet_support.h"
#include "shell/retire.h"
#include "state/UMessage3.h"
#include "state/upcalls.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

using RaidPath = test::PlanetTest;

// (b) A Syndicate captain in an armoured Marauder (class 12) raids New Light, High-Tech (m = 4)
// in Federation system 5 of rating 2, at war: 3 waves fought on the combat screen, then
// "Plunder && leave planet": 4 x 2,000,000, and fields 12 (1) and 13 (2) give 100 units of good
// 2 and 200 of good 3.
TEST_F(RaidPath, ARaidFromTheTravelScreenEndsInPlunder) {
    WriteScreens();
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    ui::ScriptedPlayer& p = answering.backend().Player();
    p.SetScreenDir(CORVANTH_SCREENS_DIR);
    int32_t money = 0;
    int clicks = 0;
    test::ClickToSyndicateGame(p).Do("TForm2", [&](ui::Form&) {
        GameState& g = G();
        g.Factions[3][Faction::RelationBase + 1] = g.Factions[1][Faction::RelationBase + 3] = 2;
        Captain()[Player::HideFameGainNotices] = 1;
        g.Fleets[1][Fleet::System] = 5;
        g.Fleets[1][Fleet::Location] = g.SelectedPlanet = 2;
        SetupShipOfType(12, 1);
        g.Ships[1][1] = g.Ships[0][1];
        g.ShipEquipment[1][1] = g.ShipEquipment[0][1];
        g.ShipClassNames[1][1] = g.ShipClassNames[0][1];
        g.Ships[1][1][Ship::CrewOfficers] = g.Ships[1][1][Ship::CrewMax];
        g.Ships[1][1][Ship::BaseStrength] *= 20;  // the raid is the test, not the battles
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
    for (int w = 0; w < 3; ++w) p.Click("TForm33", "SpeedButton5");
    p.Do("TForm34", [](ui::Form&) {
         EXPECT_TRUE(Form34->SpeedButton5->enabled);
     }).Click("TForm34", "SpeedButton1");
    for (int good : {2, 3})
        p.Do("TForm51", [good](ui::Form&) {
             EXPECT_EQ(G().LootItem[Loot::Good], good);
             EXPECT_EQ(G().LootItem[Loot::Amount], (good - 1) * 100);
         }).Click("TForm51", "SpeedButton3");
    p.Do("TForm2",
         [&](ui::Form&) {
             EXPECT_EQ(Money(), money + 8000000);
             EXPECT_GT(G().Cargo[2] + G().Cargo[3], 0);
             EXPECT_EQ(StarSystemRecord(5)[StarSystem::Alerted], 1);
             EXPECT_EQ(LocationRecord(5, 2)[Planet::LastPlunderTurn], G().TurnNumber);
             EXPECT_EQ(FactionRecord(1)[Faction::Warned], 0);  // at war: no crime
         })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_GE(answering.backend().answered["TForm14"], 3);  // the waves on the combat screen
}

// The raid's rules on an Outer Rim planet (system 19, rating 1, location 1) before a Federation
// captain; each wave's battle is replaced by its outcome: won, fled or the game's end.
class Raid : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GameState& g = G();
        g.Fleets[1][Fleet::System] = kSystem;
        g.Fleets[1][Fleet::Location] = 1;
        g.StarSystems[kSystem][StarSystem::Alerted] = 0;
        g.Factions[1][Faction::RelationBase + 2] = g.Factions[2][Faction::RelationBase + 1] = 1;
        Captain()[Player::HideFameGainNotices] = 1;
        Captain()[Player::TreasureFleetSystem] = 0;
        GameUpcalls().ShowCombatScreen = [this] {
            const char outcome = outcomes.front();
            outcomes.erase(0, 1);
            if (outcome == 'W') {
                Enemy()[Ship::Present] = 0;
                EndCombat();
            } else if (outcome == 'L' || outcome == 'S') {
                // Lost with a life point taken (and the ship gone), or the ship alone.
                if (outcome == 'L') --Captain()[Player::LifePoints];
                Own()[Ship::Present] = 0;
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

// Rating 1 + 2 for the treasure fleet: 4 waves of size 4. A flight leaves 4 and closes the raid
// screen; four victories suppress the defence; at peace "Occupy" stays off.
TEST_F(Raid, AFlightTheLastWaveAndTheTreasureFleet) {
    G().StarSystems[kSystem][StarSystem::SectorRating] = 1;
    Captain()[Player::TreasureFleetSystem] = kSystem;
    player().Click("TMessage6", "SpeedButton3");
    BeginPlanetRaid();
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWaveSize], 4);
    ShowPlanetRaid();
    outcomes = "FWWWW";
    player().Click("TForm33", "SpeedButton5").Click("TMessage1", "SpeedButton3");
    Form33->ShowModal();
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], 4);
    const int32_t money = Captain()[Player::Money], fame = Captain()[Player::Fame];
    for (int w = 0; w < 4; ++w) player().Click("TForm33", "SpeedButton5");
    player()
        .Click("TMessage1", "SpeedButton3")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm34", [](ui::Form& f) {
            EXPECT_FALSE(Form34->SpeedButton5->enabled);
            f.Hide();  // the plunder is its own test's; the screen refuses a close request
        });
    Form33->ShowModal();
    EXPECT_EQ(Captain()[Player::TreasureFleetSystem], -1);
    EXPECT_GE(Captain()[Player::Money], money + 5000000);
    EXPECT_LE(Captain()[Player::Money], money + 7499999);
    EXPECT_EQ(Captain()[Player::Fame], fame + 1000 + 20000);  // rating 1, and the treasure fleet
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Label2"), "Treasure fleet");

    // Rating 5 + 2 + 1 (warned) is capped at 5: still 6 waves of size 5.
    G().StarSystems[kSystem][StarSystem::SectorRating] = 5;
    G().StarSystems[kSystem][StarSystem::Alerted] = 1;
    Captain()[Player::TreasureFleetSystem] = kSystem;
    player().Click("TMessage6", "SpeedButton3").Click("TMessage1", "SpeedButton3");
    BeginPlanetRaid();
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], 6);
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWaveSize], 5);
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
    player().Click("TForm33", "SpeedButton5");
    test::FromHome([] { Form33->ShowModal(); });
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

// A wave lost: a life point gone closes the raid and nothing more, though the ship went too;
// the ship gone alone also fails the raid mission on this planet. The wave counts again.
TEST_F(Raid, ALostLifeClosesTheRaidALostShipFailsItsMission) {
    GameRecord& m = CaptainMission();
    m[Mission::Status] = 1;
    m[Mission::Kind] = MissionKind::RaidPlanet;
    m[Mission::TargetSystem] = kSystem;
    m[Mission::ObjectiveBase + 1] = 1;
    const GameRecord& planet = LocationRecord(kSystem, 1);
    BeginPlanetRaid();
    const int waves = planet[Planet::RaidWavesLeft];
    const int lives = Captain()[Player::LifePoints];
    ShowPlanetRaid();
    outcomes = "L";
    player().Click("TForm33", "SpeedButton5");
    Form33->ShowModal();
    EXPECT_EQ(Captain()[Player::LifePoints], lives - 1);
    EXPECT_EQ(planet[Planet::RaidWavesLeft], waves);
    EXPECT_EQ(m[Mission::Status], 1);
    EXPECT_EQ(player().TimesSeen("TForm46"), 0);
    Own()[Ship::Present] = 1;
    outcomes = "S";
    player()
        .Click("TForm33", "SpeedButton5")
        .Do("TForm46", [](ui::Form& f) { EXPECT_EQ(f.Find("Label1")->caption, "Mission failed"); })
        .Click("TForm46", "SpeedButton1");
    Form33->ShowModal();
    EXPECT_EQ(m[Mission::Status], 0);
    EXPECT_EQ(planet[Planet::RaidWavesLeft], waves);
    EXPECT_FALSE(Form33->Visible());
}

// A planet of nobody: asked as an enemy's, no crime, rating 0's one wave, then the occupation
// offered, since nobody is at peace with the captain.
TEST_F(Raid, ARaidOnAPlanetOfNobody) {
    GameState& g = G();
    LocationRecord(kSystem, 1)[Planet::Owner] = 0;
    g.StarSystems[kSystem][StarSystem::SectorRating] = 0;
    const int32_t fame = Captain()[Player::Fame];
    const int warned = g.Factions[2][Faction::Warned];
    outcomes = "W";
    player()
        .Do("TMessage3",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption, "Do you really wish to attack this planet?");
            })
        .Click("TMessage3", "SpeedButton1")
        .Do("TForm33",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label2")->caption, "The planet is defended by 1 waves.");
            })
        .Click("TForm33", "SpeedButton5")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm34", [](ui::Form& f) {
            EXPECT_TRUE(Form34->SpeedButton5->enabled);
            f.Hide();
        });
    RaidFleetLocation();
    EXPECT_EQ(player().TimesSeen("TMessage1"), 1);  // the suppression alone: no crime told
    EXPECT_EQ(g.Factions[2][Faction::Warned], warned);
    EXPECT_EQ(Captain()[Player::Fame], fame + 1000);
    EXPECT_EQ(LocationRecord(kSystem, 1)[Planet::RaidWavesLeft], 0);
}

// The travel screen's "Raid": the questions, the crime only at peace, the capital refused.
TEST_F(Raid, TheRaidButtonReportsACrimeOnlyAtPeace) {
    GameState& g = G();
    Captain()[Player::HideReputationLossNotices] = 1;
    g.Factions[2][Faction::Reputation] = 5000;  // no outcast after one raid
    player()
        .Do("TMessage3",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption,
                          "Do you really wish to attack this planet (we are at peace!)?");
            })
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption, "Word about your crime has spread.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm33", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3");
    RaidFleetLocation();
    EXPECT_EQ(g.Factions[2][Faction::Reputation], 4500);
    EXPECT_EQ(g.Factions[2][Faction::Warned], 1);
    g.Factions[2][Faction::CapitalSystem] = kSystem;
    player().Click("TMessage1", "SpeedButton3");
    RaidFleetLocation();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "This is the capital sector of the " + FactionName(2) +
                  " and too well defended to be raided!");
}

}  // namespace
}  // namespace corvanth
