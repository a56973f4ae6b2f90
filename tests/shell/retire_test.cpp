// The end of a game: one exception from wherever it happens back to the main menu.
#include "shell/retire.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/tables.h"
#include "travel/NextTurnUnit_calls.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "ui/application.h"

namespace corvanth {
namespace {

// A screen with a timer, to end a game from inside a tick.
class TickingScreen : public ui::Form {
  public:
    TickingScreen() : ui::Form("TTickingScreen") {
        Timer1 = Bind<ui::Timer>("Timer1");
        Timer1->SetInterval(100);
        Timer1->OnTimer = [this] {
            if (++ticks == 3) RetireAndScore();
        };
    }
    ui::Timer* Timer1;
    int ticks = 0;
};

class GameEnd : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        CurrentTurnCalls() = test::QuietTurnCalls();
    }
    void TearDown() override {
        CurrentTurnCalls() = StandardTurnCalls();
        ClearGameEnded();
        ShellTest::TearDown();
    }
    // "Start a new game" from the main menu, up to the travel screen.
    ui::ScriptedPlayer& StartGame() {
        return player()
            .Click("TForm1", "SpeedButton1")
            .Click("TForm4", "SpeedButton4")
            .Click("TMessage4", "SpeedButton1")
            .Click("TMessage4", "SpeedButton1")
            .Click("TMessage4", "SpeedButton1");
    }
    // Only the main menu is left, the game screens hidden, their timers stopped.
    static void ExpectBackAtTheMenu() {
        EXPECT_TRUE(GameEnded());
        ASSERT_EQ(ui::App().ModalStack().size(), 1u);
        EXPECT_EQ(ui::App().Top(), Form1);
        for (ui::Form* f : {static_cast<ui::Form*>(Form2), static_cast<ui::Form*>(Form13),
                            static_cast<ui::Form*>(Message1)})
            EXPECT_FALSE(f->Visible()) << f->ClassName();
        EXPECT_FALSE(Form13->Timer1->Enabled());
    }
};

TEST_F(GameEnd, ADeathInATurnOfATripUnwindsToTheMenuAndNoTurnRunsAfterIt) {
    int turn = 0, stepsAfterTheEnd = 0;
    // The third day of the trip ends the game in the middle of its turn.
    CurrentTurnCalls().WarTurnStep = [&] {
        if (++turn == 3) CurrentTurnCalls().RetireAndScore();
    };
    CurrentTurnCalls().UpdateSenatorStory = [&] {
        if (GameEnded()) ++stepsAfterTheEnd;
    };
    int endTurn = 0;
    StartGame()
        .Do("TForm2",
            [&](ui::Form&) {
                // No engine fails on this trip; the farthest location takes the most days.
                for (int id = Equipment::FirstId; id <= Equipment::LastId; ++id)
                    EquipmentType(id)[Equipment::Reliability] = 100;
                int far = 0, days = 0;
                for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
                    if (!LocationExists(l)) continue;
                    const int d = CalcTripDays(GridDistance(FleetLocation(), l)).days;
                    if (d > days) far = l, days = d;
                }
                ASSERT_GE(days, 4);
                G().SelectedPlanet = far;
                RefreshPlanetPanel();
            })
        .Click("TForm2", "SpeedButton5")
        .Do("TForm1",
            [&](ui::Form&) {
                ExpectBackAtTheMenu();
                endTurn = G().TurnNumber;
                EXPECT_GE(PlayerFleet()[Fleet::DaysLeft], 1);  // the trip never ended
                EXPECT_EQ(TravelScreenMayClose, 1);
            })
        .Wait("TForm1", 3000)
        .Do("TForm1",
            [&](ui::Form&) {
                // Fifteen ticks' time later: no day, no turn, not even the rest of the last one.
                EXPECT_EQ(G().TurnNumber, endTurn);
                EXPECT_EQ(turn, 3);
                EXPECT_EQ(stepsAfterTheEnd, 0);
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

TEST_F(GameEnd, AnEndInATimerTickThreeScreensDeepRunsNoCodeAfterAnyShowModal) {
    static TickingScreen* deep = ui::App().Create<TickingScreen>();
    deep->ticks = 0;
    bool afterMessage = false, afterDeep = false;
    StartGame()
        .Do("TForm2",
            [&](ui::Form&) {
                Message1->Label1->caption = "Second screen";
                Message1->ShowModal();
                afterMessage = true;
            })
        .Do("TMessage1",
            [&](ui::Form&) {
                deep->Timer1->SetEnabled(true);
                deep->ShowModal();
                afterDeep = true;
            })
        .Do("TForm1",
            [&](ui::Form&) {
                ExpectBackAtTheMenu();
                EXPECT_FALSE(deep->Visible());
                EXPECT_EQ(deep->ticks, 3);
                EXPECT_FALSE(afterDeep);
                EXPECT_FALSE(afterMessage);
                deep->Timer1->SetEnabled(false);
            })
        // The next game starts clean and can be left the ordinary way.
        .Click("TForm1", "SpeedButton1")
        .Do("TForm4", [](ui::Form&) { EXPECT_FALSE(GameEnded()); })
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(TravelScreenMayClose, 0); })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_FALSE(GameEnded());
}

}  // namespace
}  // namespace corvanth
