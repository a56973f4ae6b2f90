// Trips: the trip-days rule, the estimate against the trip, the days run as turns, and refusals.
#include "travel/travelscreen.h"

#include <gtest/gtest.h>

#include "state/UMessage6.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

class Trips : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;  // the adventure start is over
    }
};

// The worked examples of the rule; each comment gives the steps in order.
TEST_F(Trips, TripDaysFollowDistancePilotSpeedMoraleAndCrew) {
    SetTripFactors(3, 0, 0, 1, 0, 0);    // speed class 3, one mercenary: an ordinary pilot
    EXPECT_EQ(CalcTripDays(1).days, 1);  // 1 + 0
    EXPECT_EQ(CalcTripDays(4).days, 6);  // 4 + 2
    EXPECT_EQ(CalcTripDays(0).days, 0);
    EXPECT_FALSE(CalcTripDays(4).penalty);
    SetTripFactors(3, 1, 0, 0, 0, 0);    // an officer alone rates 3
    EXPECT_EQ(CalcTripDays(4).days, 5);  // 6 - 6 div 4
    SetTripFactors(6, 1, 0, 0, 0, 0);
    EXPECT_EQ(CalcTripDays(4).days, 4);   // 5 - 5 div 3
    SetTripFactors(3, 0, 1, 0, 0, 0);     // a droid alone rates 2
    EXPECT_EQ(CalcTripDays(8).days, 11);  // 12 - 12 div 8
    SetTripFactors(7, 0, 0, 1, 0, 0);
    EXPECT_EQ(CalcTripDays(2).days, 2);  // 3 - 3 div 2
    SetTripFactors(5, 0, 0, 1, 0, 0);
    EXPECT_EQ(CalcTripDays(8).days, 7);  // 12 - 12 div 4 - 12 div 6

    // Morale after the speed class: low adds a quarter, worse doubles, and the line turns red.
    SetTripFactors(7, 0, 0, 1, 0, -1);
    EXPECT_EQ(CalcTripDays(4).days, 3);  // 6 - 3 = 3, + 3 div 4
    EXPECT_TRUE(CalcTripDays(4).penalty);
    SetTripFactors(3, 0, 0, 1, 0, -1);
    EXPECT_EQ(CalcTripDays(1).days, 1);  // 1, + 1 div 4
    EXPECT_TRUE(CalcTripDays(1).penalty);
    SetTripFactors(7, 0, 0, 1, 0, -2);
    EXPECT_EQ(CalcTripDays(2).days, 4);  // 3 - 1 = 2, doubled (doubling first would give 3)

    // A ship that needs a crew and has none takes four times as long; one that needs none never.
    SetTripFactors(3, 0, 0, 0, 1, 0);
    EXPECT_EQ(CalcTripDays(4).days, 24);
    EXPECT_TRUE(CalcTripDays(4).penalty);
    SetTripFactors(3, 0, 0, 0, 0, 0);
    EXPECT_EQ(CalcTripDays(4).days, 6);
    EXPECT_FALSE(CalcTripDays(4).penalty);
}

// Finis Prime (C4) to Pergor (F2) is 2 + 3 = 5 cells; with an officer and speed class 6:
// 5 + 2 = 7, - 7 div 4 = 6, - 6 div 3 = 4 days. An engine failure doubles the 5 cells first:
// 10 + 5 = 15, - 3 = 12, - 4 = 8 days.
TEST_F(Trips, TheEstimateIsTheTripAndEachDayIsOneTurn) {
    SetTripFactors(6, 1, 0, 0, 0, 0);
    FitEngine(100, 6);
    int turn = 0;
    player()
        .Click("TForm2", "PlanetF2")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(Form2->Label10->caption, "Expected arrival: 4 days.");
                turn = G().TurnNumber;
            })
        .Click("TForm2", "SpeedButton5")
        .Do("TForm13",
            [](ui::Form&) {
                EXPECT_EQ(Form13->Label2->caption, "4");
                EXPECT_EQ(G().Fleets[1][Fleet::Destination], test::kPergor);
            })
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 4);
                EXPECT_EQ(G().Fleets[1][Fleet::Location], test::kPergor);
                EXPECT_EQ(G().Fleets[1][Fleet::DaysLeft], 0);
                EXPECT_EQ(G().NoEncounterThisTurn, 0);
                EXPECT_EQ(Form2->Label10->caption, "You are in orbit.");
                FitEngine(0, 6);  // this engine always fails
                turn = G().TurnNumber;
            })
        .Click("TForm2", "PlanetC4")
        .Do("TForm2",
            [](ui::Form&) { EXPECT_EQ(Form2->Label10->caption, "Expected arrival: 4 days."); })
        .Click("TForm2", "SpeedButton5")
        .Do("TMessage6",
            [](ui::Form&) {
                EXPECT_EQ(Message6->Label1->caption,
                          "You have an engine failure! Travel time doubled!");
                EXPECT_EQ(Message6->Image2->picture, "engines.jpg");
                EXPECT_FALSE(Message6->CheckBox1->enabled);
            })
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm13", [](ui::Form&) { EXPECT_EQ(Form13->Label2->caption, "8"); })
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 8);
                EXPECT_TRUE(Message6->CheckBox1->enabled);
            })
        // A double click on the own location starts nothing; one on another cell travels.
        .DoubleClick("TForm2", "PlanetC4")
        .Do("TForm2", [&](ui::Form&) { EXPECT_EQ(G().TurnNumber, turn + 8); })
        .Do("TForm2", [this](ui::Form&) { FitEngine(100, 6); })
        .DoubleClick("TForm2", "NPlanetD2")
        .Do("TForm13", [](ui::Form&) { EXPECT_EQ(G().SelectedPlanet, test::kSargoth); })
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(G().Fleets[1][Fleet::Location], test::kSargoth); })
        // The close box asks first: "No" stays, "Yes" leaves the game.
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton2")
        .Do("TForm2", [](ui::Form& f) { EXPECT_TRUE(f.Visible()); })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

TEST_F(Trips, NoTripToTheOwnLocationOrToASiteThatHasVanished) {
    GameState& g = G();
    const int turn = g.TurnNumber;
    TravelToSelectedPlanet();  // the own location
    EXPECT_EQ(g.TurnNumber, turn);

    // An event site at B5 is selected, then expires before the captain sets off.
    GameRecord& site = g.Planets[4][20];
    site[Planet::Exists] = 1;
    site[Planet::Kind] = PlanetKind::Special;
    site[Planet::MapColumn] = 5;
    site[Planet::MapRow] = 2;
    g.SelectedPlanet = 20;
    RefreshPlanetPanel();
    EXPECT_TRUE(Form2->SpeedButton5->enabled);
    site[Planet::Exists] = 0;
    TravelToSelectedPlanet();
    EXPECT_EQ(g.TurnNumber, turn);
    EXPECT_EQ(g.Fleets[1][Fleet::Location], test::kFinisPrime);
    EXPECT_EQ(g.SelectedPlanet, test::kFinisPrime);
    EXPECT_EQ(Form2->Label10->caption, "You are in orbit.");
    EXPECT_FALSE(Form2->SpeedButton5->enabled);
}

}  // namespace
}  // namespace corvanth
