// The planet screen: its services by the owner's standing, its turns, its close guard and the
// crew notice on departure.
#include "planet/planet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit_calls.h"
#include "travel/travel.h"
#include "ui/headless.h"

namespace corvanth {
namespace {

constexpr int kNewMoscow = 24;  // the Syndicate's home system; Moscow Prime is location 1

class PlanetScreen : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Rng().SetSeed(1717);
        InitGameData();
        ClearGameEnded();
        TravelScreenMayClose = 0;
        GameState& g = G();
        g.CaptainNames[1] = "Ivo Radek";
        g.Players[1][Player::Faction] = FactionId::Syndicate;
        g.Players[1][Player::Money] = 3000;
        g.Players[1][Player::GameRunning] = 1;
        ApplyNewGameStart();
        g.SelectedPlanet = g.Fleets[1][Fleet::Location];
        g.TurnNumber = 1;
        // Turns record what they call and change nothing beyond the turn counter.
        TurnCalls c = StandardTurnCalls();
        for (auto* call :
             {&c.EndTutorial, &c.ClampPlayerValues, &c.UpdateDiplomacy, &c.GenerateMissionOffers,
              &c.UpdateSpaceEvents, &c.UpdateMarketPrices, &c.RebuildFacilities, &c.WarTurnStep,
              &c.MoveTreasureFleet, &c.ShowTreasureFleetNotice, &c.CheckSystemConquests,
              &c.CheckEndOfWar, &c.CheckPromotion, &c.RegenerateHireableCrew, &c.CrewTurnStep,
              &c.AdvanceTournaments, &c.UpdateSenatorStory})
            *call = [] {};
        c.ScanForContraband = [](int) { return false; };
        c.StartRandomEncounter = [this] { calls.push_back("StartRandomEncounter"); };
        c.CheckMissionProgress = [this] { calls.push_back("CheckMissionProgress"); };
        CurrentTurnCalls() = c;
    }
    void TearDown() override {
        CurrentTurnCalls() = StandardTurnCalls();
        ClearGameEnded();
        GameTest::TearDown();
    }
    std::vector<std::string> calls;
};

TEST_F(PlanetScreen, DockingShowsTheHubAndItsTurnsRunWithoutEncounters) {
    int turn = 0;
    player()
        .Do("TForm2", [&](ui::Form&) { turn = G().TurnNumber; })
        .Click("TForm2", "SpeedButton2")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_EQ(Form3->Label1->caption, "Moscow Prime");
                EXPECT_EQ(Form3->Label2->caption, "Faction: Syndicate");
                EXPECT_TRUE(Form3->SpeedButton8->enabled);
                EXPECT_TRUE(Form3->SpeedButton4->enabled);
            })
        .Click("TForm3", "SpeedButton8")
        .Do("TForm3", [&](ui::Form&) { EXPECT_EQ(G().TurnNumber, turn + 1); })
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2", [&](ui::Form& f) {
            EXPECT_EQ(G().TurnNumber, turn + 2);
            TravelScreenMayClose = 1;
            f.Close();
        });
    RefreshTravelScreen();
    Form2->ShowModal();
    EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace corvanth
