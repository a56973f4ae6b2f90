// The turn engine: the order of its calls, the turn without an encounter, crew notices,
// surveillance, wanted alerts and the end of the game in the middle of a turn.
#include "travel/NextTurnUnit.h"

#include <gtest/gtest.h>

#include "state/UMessage6.h"
#include "state/newgame.h"
#include "state/upcalls.h"
#include "travel/turn_fixture.h"

namespace corvanth {
namespace {

using test::TurnTest;

class TurnEngine : public TurnTest {
  protected:
    // A seed whose next turn, from the saved game, draws both the customs scan (6 in 20) and an
    // encounter (6 in 100).
    uint32_t SeedWithScanAndEncounter(const GameState& start) {
        for (uint32_t seed = 1; seed < 20000; ++seed) {
            G() = start;
            calls.clear();
            Rng().SetSeed(seed);
            NextTurn();
            if (Called("StartRandomEncounter") && Called("ScanForContraband 1")) return seed;
        }
        ADD_FAILURE() << "no seed gives a scan and an encounter";
        return 0;
    }
};

TEST_F(TurnEngine, OneTurnCallsEverySubsystemInItsOrderAndEndsTheTutorialAfterTurn50) {
    // The fleet is docked at the Federation home planet (location 1 of system 4, a Federation
    // planet), no trip under way, crew aboard, a tutorial running at turn 50.
    ASSERT_EQ(G().Planets[4][1][Planet::Kind], PlanetKind::Planet);
    ASSERT_EQ(G().Planets[4][1][Planet::Owner], FactionId::Federation);
    G().TurnNumber = 50;
    auto start = test::SaveGame();
    TutorialStep = 7;
    const uint32_t seed = SeedWithScanAndEncounter(*start);
    ASSERT_NE(seed, 0u);

    G() = *start;
    TutorialStep = 7;
    calls.clear();
    Rng().SetSeed(seed);
    NextTurn();
    const std::vector<std::string> expected = {"EndTutorial",
                                               "ClampPlayerValues",
                                               "UpdateDiplomacy",
                                               "GenerateMissionOffers",
                                               "UpdateSpaceEvents",
                                               "UpdateMarketPrices",
                                               "RebuildFacilities",
                                               "WarTurnStep",
                                               "MoveTreasureFleet",
                                               "ShowTreasureFleetNotice",
                                               "CheckSystemConquests",
                                               "CheckEndOfWar",
                                               "ScanForContraband 1",
                                               "CheckPromotion",
                                               "StartRandomEncounter",
                                               "CheckMissionProgress",
                                               "RegenerateHireableCrew",
                                               "RecalcShipStats 1 1 0 0",
                                               "CrewTurnStep",
                                               "AdvanceTournaments",
                                               "UpdateSenatorStory"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(G().TurnNumber, 51);
    EXPECT_EQ(TutorialStep, 0);

    // On a trip (days left) there is no scan, whatever the draw; at turn 50 the tutorial stays.
    G() = *start;
    TutorialStep = 7;
    G().TurnNumber = 49;
    Fleet1()[Fleet::DaysLeft] = 3;
    calls.clear();
    Rng().SetSeed(seed);
    NextTurn();
    EXPECT_FALSE(Called("ScanForContraband 1"));
    EXPECT_FALSE(Called("EndTutorial"));
    EXPECT_EQ(TutorialStep, 7);
}

TEST_F(TurnEngine, WithoutEncounterATurnSkipsExactlyTheRollAndTheMissionCheck) {
    auto start = test::SaveGame();
    const uint32_t seed = SeedWithScanAndEncounter(*start);
    ASSERT_NE(seed, 0u);
    std::vector<std::string> withEncounter = calls;

    G() = *start;
    G().NoEncounterThisTurn = 1;
    calls.clear();
    Rng().SetSeed(seed);
    NextTurn();
    std::erase(withEncounter, "StartRandomEncounter");
    std::erase(withEncounter, "CheckMissionProgress");
    EXPECT_EQ(calls, withEncounter);
    EXPECT_EQ(G().NoEncounterThisTurn, 1);  // the caller clears it

    // The tutorial's guided trips set the flag themselves, and leave it set.
    for (auto [step, selected] : {std::pair{10, 4}, std::pair{29, 6}}) {
        G() = *start;
        TutorialStep = step;
        G().SelectedPlanet = selected;
        calls.clear();
        Rng().SetSeed(seed);
        NextTurn();
        EXPECT_FALSE(Called("StartRandomEncounter")) << step;
        EXPECT_FALSE(Called("CheckMissionProgress")) << step;
        EXPECT_EQ(G().NoEncounterThisTurn, 1) << step;
    }

    // A ship lost in the encounter has no mission to check.
    G() = *start;
    GameUpcalls().StartRandomEncounter = [this] {
        calls.push_back("StartRandomEncounter");
        Ship1()[Ship::Present] = 0;
    };
    calls.clear();
    Rng().SetSeed(seed);
    NextTurn();
    EXPECT_TRUE(Called("StartRandomEncounter"));
    EXPECT_FALSE(Called("CheckMissionProgress"));
}

TEST_F(TurnEngine, AGameThatEndsInATurnStopsItAndNoFurtherTurnRuns) {
    auto start = test::SaveGame();
    const uint32_t seed = SeedWithScanAndEncounter(*start);
    ASSERT_NE(seed, 0u);
    // Each routine that can end the game ends it; the turn must stop right there.
    for (const char* killer : {"CheckEndOfWar", "StartRandomEncounter", "CrewTurnStep"}) {
        G() = *start;
        ClearGameEnded();
        Upcalls c = Recorders();
        auto end = [this, killer] {
            calls.push_back(killer);
            Ship1()[Ship::Present] = 0;
            GameUpcalls().RetireAndScore();
        };
        if (std::string(killer) == "CheckEndOfWar") c.CheckEndOfWar = end;
        if (std::string(killer) == "StartRandomEncounter") c.StartRandomEncounter = end;
        if (std::string(killer) == "CrewTurnStep") c.CrewTurnStep = end;
        GameUpcalls() = c;
        calls.clear();
        Rng().SetSeed(seed);
        test::FromHome(NextTurn);
        ASSERT_GE(calls.size(), 2u) << killer;
        EXPECT_EQ(calls[calls.size() - 2], killer);
        EXPECT_EQ(calls.back(), "RetireAndScore") << killer;
        EXPECT_TRUE(GameEnded());

        const int turn = G().TurnNumber;
        calls.clear();
        NextTurn();
        EXPECT_EQ(G().TurnNumber, turn) << killer;
        EXPECT_TRUE(calls.empty()) << killer;
    }
    // A new game clears the mark.
    ClearGameEnded();
    test::FromHome(NextTurn);
    EXPECT_FALSE(calls.empty());
}

TEST_F(TurnEngine, NoCrewNoticesComeOnceAndTheSecondCheckCatchesACrewThatLeftToday) {
    Ship1()[Ship::CrewMin] = 2;
    Ship1()[Ship::CrewOfficers] = 0;
    Fleet1()[Fleet::Morale] = -2;
    player().Do("TMessage6", [](ui::Form&) {
        EXPECT_FALSE(Message6->CheckBox1->enabled);  // a notice nobody can switch off
    });
    player().Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "You do not have any crew, hire some men at the bar on a planet. Travel time "
              "multiplied by 4.");
    EXPECT_TRUE(Message6->CheckBox1->enabled);
    EXPECT_EQ(Fleet1()[Fleet::Morale], 0);  // nobody aboard to be angry
    EXPECT_FALSE(Called("CrewTurnStep"));
    NextTurn();  // no second notice while nothing changes
    EXPECT_EQ(player().TimesSeen("TMessage6"), 1);

    // Crew hired: the latch clears; the crew walks out during the day: the second notice.
    Ship1()[Ship::CrewOfficers] = 2;
    GameUpcalls().CrewTurnStep = [this] { Ship1()[Ship::CrewOfficers] = 0; };
    player().Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "You have no crewmembers. Your travel time is multiplied by 4! You need to hire a "
              "crew in the bar!");
    EXPECT_EQ(Fleet1()[Fleet::NoCrewNoticeShown], 1);

    // A ship that needs no crew never complains.
    Ship1()[Ship::CrewMin] = 0;
    NextTurn();
    EXPECT_EQ(Fleet1()[Fleet::NoCrewNoticeShown], 0);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 2);
}

TEST_F(TurnEngine, SurveillanceInEnemySpaceEarnsFameAndReputationEveryTurn) {
    // Equipment 40 is the surveillance kit; system 15 belongs to the Outer Rim Alliance, at war
    // with the Federation.
    G().ShipEquipment[1][1][1][Slot::Used] = 1;
    G().ShipEquipment[1][1][1][Slot::EquipmentId] = 40;
    ASSERT_EQ(G().EquipmentTypes[40][Equipment::Kind], EquipmentKind::Surveillance);
    ASSERT_EQ(G().StarSystems[15][StarSystem::Owner], FactionId::OuterRimAlliance);
    Fleet1()[Fleet::System] = 15;
    OwnFaction()[Faction::Reputation] = 1000;
    Captain()[Player::Fame] = 100;

    player().Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(player().LastSeen("TMessage6")->Picture("Image2"), "misc.jpg");
    EXPECT_EQ(test::CountSound("wave:reward1.wav"), 1);
    // 1000 + 1000 / 25 = 1040; 100 + max(100 / 50, 10) = 110.
    EXPECT_EQ(OwnFaction()[Faction::Reputation], 1040);
    EXPECT_EQ(Captain()[Player::Fame], 110);
    NextTurn();  // no second notice in the same stay: 1040 + 41, 110 + 10
    EXPECT_EQ(OwnFaction()[Faction::Reputation], 1081);
    EXPECT_EQ(Captain()[Player::Fame], 120);

    // Home again: the next entry tells again; a ticked box stops the notice, not the gains.
    Fleet1()[Fleet::System] = 4;
    NextTurn();
    EXPECT_EQ(Captain()[Player::SurveillanceNoticeShown], 0);
    Fleet1()[Fleet::System] = 15;
    player().Tick("TMessage6", "CheckBox1", true).Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(Captain()[Player::HideSurveillanceNotice], 1);
    Captain()[Player::SurveillanceNoticeShown] = 0;
    // The turn caps first and gains after: a gain that passes the cap stands until the next
    // turn's cap. Fame 899.999.990 + 899.999.990 / 50 = 917.999.989, then 900.000.000 + 18.000.000;
    // the reputation 899.999.990 + 35.999.999 = 935.999.989, then 900.000.000 + 36.000.000.
    GameUpcalls().ClampPlayerValues = ClampPlayerValues;
    Captain()[Player::Fame] = 899999990;
    OwnFaction()[Faction::Reputation] = 899999990;
    NextTurn();
    EXPECT_EQ(player().TimesSeen("TMessage6"), 2);
    EXPECT_EQ(Captain()[Player::Fame], 917999989);
    EXPECT_EQ(OwnFaction()[Faction::Reputation], 935999989);
    NextTurn();
    EXPECT_EQ(Captain()[Player::Fame], 918000000);
    EXPECT_EQ(OwnFaction()[Faction::Reputation], 936000000);
}

TEST_F(TurnEngine, AWantedCaptainIsSeenWhereHeIsHatedAndForgottenWhereHeIsNot) {
    // The Federation hates the captain; he waits in its home system 4.
    G().Factions[FactionId::Federation][Faction::Reputation] = -100;
    int turns = 0;
    while (G().StarSystems[4][StarSystem::Alerted] == 0 && turns < 3000) {
        player().Click("TMessage6", "SpeedButton3");
        NextTurn();
        ++turns;
        if (G().StarSystems[4][StarSystem::Alerted] == 0) player().Reset();
    }
    ASSERT_EQ(G().StarSystems[4][StarSystem::Alerted], 1);
    const std::string name = G().CaptainNames[1].str();
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "The known buccaneer " + name + " has been seen in the " + G().SystemNames[4].str() +
                  ". The Federation warns all its ships and colonies to watch out.");

    // While he stays the alert stays; once he leaves it calms down, with the news.
    for (int i = 0; i < 300; ++i) NextTurn();
    EXPECT_EQ(G().StarSystems[4][StarSystem::Alerted], 1);
    G().Factions[FactionId::Federation][Faction::Reputation] = 0;
    Fleet1()[Fleet::System] = 15;
    Fleet1()[Fleet::Location] = 1;
    turns = 0;
    while (G().StarSystems[4][StarSystem::Alerted] == 1 && turns < 3000) {
        player().Reset();
        player().Click("TMessage6", "SpeedButton3");
        NextTurn();
        ++turns;
    }
    ASSERT_EQ(G().StarSystems[4][StarSystem::Alerted], 0);
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "The Federation informed us that the buccaneer " + name + " propably has left the " +
                  G().SystemNames[4].str() + " system.");
    player().Reset();
}

}  // namespace
}  // namespace corvanth
