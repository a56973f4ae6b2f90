// The action button: jumps (their days, the trip in the target system, refusals) and searches of
// special locations with their waiting time.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/Module1.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/upcalls.h"
#include "state/variables.h"
#include "travel/UEvents.h"
#include "travel/travel.h"
#include "travel/travel_support.h"
#include "travel/travelscreen.h"

namespace corvanth {
namespace {

constexpr int kFinis = 4;
constexpr int kSirius = 3;
constexpr int kFinisJumpToSirius = 6;
constexpr int kSiriusJumpToFinis = 5;
constexpr int kAnomalySystem = 23;
constexpr int kSingleJumpEngine = 17;  // class 1
constexpr int kDualJumpEngine = 59;    // class 1
constexpr int kJumpEngineMx = 58;      // class 3

class Actions : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
        // Each turn notes where the fleet is and whether the encounter roll was barred.
        GameUpcalls().UpdateSpaceEvents = [this] {
            const GameRecord& f = G().Fleets[1];
            turns.push_back({f[Fleet::System], f[Fleet::Location], G().NoEncounterThisTurn});
        };
        GameUpcalls().StartRandomEncounter = [this] { ++encounters; };
    }
    // The jump engines given, one a slot from slot 1; no other item.
    void FitJumpEngines(std::vector<int> ids) {
        GameState& g = G();
        for (int slot = Slot::First; slot <= Slot::Last; ++slot)
            g.ShipEquipment[1][1][slot].fill(0);
        int slot = Slot::First;
        for (int id : ids) {
            g.ShipEquipment[1][1][slot][Slot::Used] = 1;
            g.ShipEquipment[1][1][slot++][Slot::EquipmentId] = id;
        }
    }
    void StandOn(int system, int location) {
        G().Fleets[1][Fleet::System] = system;
        G().Fleets[1][Fleet::Location] = location;
        G().SelectedPlanet = location;
        RefreshTravelScreen();
    }
    struct Turn {
        int system, location, noEncounter;
    };
    std::vector<Turn> turns;
    int encounters = 0;
};

// The worked examples: 6 days, then the pilot, each engine's class, morale, a missing crew, and
// the failure of the first engine last.
TEST_F(Actions, JumpDaysFollowPilotEnginesMoraleCrewAndFailure) {
    GameState& g = G();
    SetTripFactors(3, 0, 0, 1, 0, 0);  // one mercenary: an ordinary pilot
    FitJumpEngines({kJumpEngineMx});
    EXPECT_EQ(CalcJumpDays(false), 6);  // class 3 changes nothing
    EXPECT_EQ(CalcJumpDays(true), 12);  // the failure doubles
    SetTripFactors(3, 1, 0, 0, 0, 0);   // an officer rates 3
    EXPECT_EQ(CalcJumpDays(false), 5);  // 6 - 6 div 4
    SetTripFactors(3, 0, 1, 0, 0, 0);   // a droid rates 2
    EXPECT_EQ(CalcJumpDays(false), 6);  // 6 - 6 div 8
    SetTripFactors(3, 0, 0, 1, 0, 0);
    const std::vector<std::pair<int, int>> byClass = {
        {1, 10},            // 6 + 2 * 2
        {2, 8},             // 6 + 2
        {4, 4},             // 6 - 2
        {5, 2},             // 6 - 2 * 2
        {6, 3},             // 6 div 2
        {7, 1},             // 3 - 2
        {8, -1},            // 3 - 2 * 2: the trip dialog ends it on its first tick
        {20, -1}, {21, 6},  // no step
        {0, 6}};
    for (auto [jumpClass, days] : byClass) {
        g.EquipmentTypes[kSingleJumpEngine][Equipment::JumpClass] = jumpClass;
        FitJumpEngines({kSingleJumpEngine});
        EXPECT_EQ(CalcJumpDays(false), days) << "class " << jumpClass;
    }
    g.EquipmentTypes[kSingleJumpEngine][Equipment::JumpClass] = 1;
    // Two engines each take their step: 6 + 2 * 2 = 10, then 10 - 10 div 3 = 7.
    g.EquipmentTypes[kJumpEngineMx][Equipment::JumpClass] = 4;
    FitJumpEngines({kSingleJumpEngine, kJumpEngineMx});
    EXPECT_EQ(CalcJumpDays(false), 7);
    g.EquipmentTypes[kJumpEngineMx][Equipment::JumpClass] = 3;
    FitJumpEngines({kJumpEngineMx});
    SetTripFactors(3, 0, 0, 1, 0, -1);
    EXPECT_EQ(CalcJumpDays(false), 7);  // 6 + 6 div 4
    SetTripFactors(3, 0, 0, 1, 0, -2);
    EXPECT_EQ(CalcJumpDays(false), 12);
    // No crew where one is needed: the Dual engine's 6 + 2 * 2 = 10, times 4 = 40; failed: 80.
    FitJumpEngines({kDualJumpEngine});
    SetTripFactors(3, 0, 0, 0, 1, 0);
    EXPECT_EQ(CalcJumpDays(false), 40);
    EXPECT_EQ(CalcJumpDays(true), 80);
}

// A Shadowcat with one officer at Finis' jump point: 6 - 6 div 4 = 5, its Dual Jump Engine
// (class 1) 5 + 2 * (5 div 3) = 7 days, each a turn at the arrival point of Sirius, then the
// button's own turn: 8 in all, none with an encounter roll.
TEST_F(Actions, AJumpSpendsItsDaysAtTheArrivalPointOfTheTargetSystem) {
    GameState& g = G();
    LoadShipType(4);
    for (int f = 1; f <= 100; ++f) g.Ships[1][1][f] = g.Ships[0][0][f];
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        g.ShipEquipment[1][1][slot] = g.ShipEquipment[0][0][slot];
    g.Ships[1][1][Ship::Present] = 1;
    RecalcShipStats(1, 1, 0, 0);
    SetTripFactors(g.Ships[1][1][Ship::SpeedClass], 1, 0, 0, 1, 0);
    ASSERT_EQ(CalcJumpDays(false), 7);
    StandOn(kFinis, kFinisJumpToSirius);
    ASSERT_EQ(Form2->SpeedButton2->caption, "Jump");
    const int turn = g.TurnNumber;
    test::ClickOnTravelScreen("SpeedButton2", [&] {
        player().Do("TForm13", [](ui::Form&) { EXPECT_EQ(Form13->Label2->caption, "7"); });
    });
    EXPECT_EQ(g.TurnNumber, turn + 8);
    ASSERT_EQ(turns.size(), 8u);
    for (const Turn& t : turns) {
        EXPECT_EQ(t.system, kSirius);
        EXPECT_EQ(t.location, kSiriusJumpToFinis);
        EXPECT_EQ(t.noEncounter, 1);
    }
    EXPECT_EQ(encounters, 0);
    EXPECT_EQ(g.NoEncounterThisTurn, 0);
    EXPECT_EQ(g.SelectedPlanet, kSiriusJumpToFinis);
    EXPECT_EQ(g.Fleets[1][Fleet::DaysLeft], 0);
    EXPECT_EQ(Form2->Label1->caption, "Sirius");
}

// A jump without an engine, to nowhere, or to a system with no jump point back.
TEST_F(Actions, JumpsThatCannotBeMadeOnlyPassTheTurn) {
    GameState& g = G();
    FitJumpEngines({});
    StandOn(kFinis, kFinisJumpToSirius);
    int turn = g.TurnNumber;
    test::ClickOnTravelScreen("SpeedButton2", [&] {
        player()
            .Do("TMessage1",
                [](ui::Form&) {
                    EXPECT_EQ(Message1->Label1->caption,
                              "You have no jump-engines. You need to buy a bigger ship to leave "
                              "this star system.");
                })
            .Click("TMessage1", "SpeedButton3");
    });
    EXPECT_EQ(g.TurnNumber, turn + 1);
    EXPECT_EQ(g.Fleets[1][Fleet::System], kFinis);

    FitJumpEngines({kDualJumpEngine});
    SetTripFactors(3, 1, 0, 0, 0, 0);
    for (int target : {0, 30, 26}) {
        g.Planets[kFinis][kFinisJumpToSirius][Planet::JumpTarget] = target;
        StandOn(kFinis, kFinisJumpToSirius);
        turn = g.TurnNumber;
        test::ClickOnTravelScreen("SpeedButton2");
        EXPECT_EQ(g.TurnNumber, turn + 1) << target;
        EXPECT_EQ(g.Fleets[1][Fleet::System], kFinis) << target;
        EXPECT_EQ(g.Fleets[1][Fleet::Location], kFinisJumpToSirius) << target;
    }

    // Sirius' way back now leads elsewhere: the fleet arrives at Sirius Prime, location 1.
    g.Planets[kFinis][kFinisJumpToSirius][Planet::JumpTarget] = kSirius;
    g.Planets[kSirius][kSiriusJumpToFinis][Planet::JumpTarget] = 2;
    StandOn(kFinis, kFinisJumpToSirius);
    turns.clear();
    test::ClickOnTravelScreen("SpeedButton2", [&] { player().Do("TForm13", [](ui::Form&) {}); });
    ASSERT_FALSE(turns.empty());
    for (const Turn& t : turns) EXPECT_EQ(t.location, 1);
    EXPECT_EQ(g.Fleets[1][Fleet::System], kSirius);
    EXPECT_EQ(g.SelectedPlanet, 1);
}

// Finis' sun searched at turn 5 places a site; the next search waits 1000 turns. The anomaly of
// system 23 waits 200: 300 - 800 = -500 stored, refused at 499 (999 < 1000), allowed at 500.
TEST_F(Actions, SearchesWaitAThousandTurnsAndTheAnomalyTwoHundred) {
    GameState& g = G();
    auto search = [&](int turn, const std::string& notice) {
        g.TurnNumber = turn;
        test::ClickOnTravelScreen("SpeedButton2", [&] {
            player()
                .Do("TMessage6",
                    [notice](ui::Form&) {
                        EXPECT_EQ(Message6->Label1->caption, notice);
                        EXPECT_FALSE(Message6->CheckBox1->enabled);
                    })
                .Click("TMessage6", "SpeedButton3");
        });
        EXPECT_EQ(g.TurnNumber, turn + 1);
        EXPECT_TRUE(Message6->CheckBox1->enabled);
    };
    const std::string found =
        "You find a lost datamodule containing information about a new special location.";
    const std::string early = "Its too early to search the same location again.";
    g.Players[1][Player::CheatNoAgeing] = 1;  // no birthdays in these thousand turns
    for (int s = 1; s <= 26; ++s)
        for (int e = 1; e <= 4; ++e) g.SpaceEvents[s][e][SpaceEvent::Active] = 0;
    StandOn(kFinis, test::kFinisSun);
    ASSERT_EQ(Form2->SpeedButton2->caption, "Investigate");
    search(5, found);
    EXPECT_EQ(g.Planets[kFinis][test::kFinisSun][Planet::LastSearchTurn], 5);
    EXPECT_EQ(g.SpaceEvents[kFinis][1][SpaceEvent::Active], 1);
    EXPECT_NE(g.SpaceEvents[kFinis][1][SpaceEvent::Location], test::kFinisSun);
    EXPECT_EQ(test::CountSound("wave:reward2.wav"), 1);
    search(1004, early);
    search(1005, found);
    EXPECT_EQ(g.Planets[kFinis][test::kFinisSun][Planet::LastSearchTurn], 1005);

    // Four events in the system: nothing is found, and no wait begins.
    for (int e = 1; e <= 4; ++e) g.SpaceEvents[kFinis][e][SpaceEvent::Active] = 1;
    search(2100, "Right now you cannot find anything. Check back later.");
    EXPECT_EQ(g.Planets[kFinis][test::kFinisSun][Planet::LastSearchTurn], 1005);

    StandOn(kAnomalySystem, 1);
    search(300, found);
    EXPECT_EQ(g.Planets[kAnomalySystem][1][Planet::LastSearchTurn], -500);
    search(499, early);
    search(500, found);
    // At turn 800 the mark would be 0, "never searched": -1 keeps the wait.
    MarkLocationSearched(kAnomalySystem, 1);
    g.TurnNumber = 800;
    MarkLocationSearched(kAnomalySystem, 1);
    EXPECT_EQ(g.Planets[kAnomalySystem][1][Planet::LastSearchTurn], -1);
    search(998, early);
}

}  // namespace
}  // namespace corvanth
