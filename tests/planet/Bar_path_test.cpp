// The player's ways to the crew: from the main menu to the bar's five buttons and a retirement
// there, and from the travel screen's ship information to the crew's pay.
#include <gtest/gtest.h>

#include <filesystem>

#include "planet/Bar.h"
#include "planet/CrewPay.h"
#include "planet/CrewScanner.h"
#include "planet/Scanner.h"
#include "planet/new_game_path.h"
#include "planet/planet.h"
#include "shell/background.h"
#include "shell/highscore.h"
#include "shell/shell_fixture.h"
#include "state/UMessage1.h"
#include "state/tables.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "ui/application.h"

namespace corvanth {
namespace {

class BarPath : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        GameUpcalls() = test::QuietUpcalls();
        std::filesystem::remove(kHighscoreNumbersFile);
        std::filesystem::remove(kHighscoreNamesFile);
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        PlanetScreenMayClose = 0;
        ShellTest::TearDown();
    }
    ui::ScriptedPlayer& StartSyndicateGame() { return test::ClickToSyndicateGame(player()); }
};

TEST_F(BarPath, ACaptainDocksTriesEveryBarButtonAndRetiresThere) {
    test::LinkGameArt(std::filesystem::current_path());  // the screens' record shows the art
    int turn = 0;
    StartSyndicateGame()
        .Click("TForm2", "SpeedButton2")  // "Dock here"
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_TRUE(Form3->SpeedButton1->enabled);
                turn = G().TurnNumber;
            })
        // The planet's other services open and close on the way to the bar.
        .Click("TForm3", "SpeedButton2")
        .Click("TForm9", "SpeedButton5")  // "Leave bank"
        .Click("TForm3", "SpeedButton3")
        .Click("TForm17", "SpeedButton2")  // "Back"
        .Click("TForm3", "SpeedButton5")
        .Click("TForm18", "SpeedButton6")  // "Close"
        .Click("TForm3", "SpeedButton1")
        .Do("TForm21",
            [](ui::Form&) {
                EXPECT_EQ(Form21->Image1->picture, "barr.jpg");
                EXPECT_EQ(Form21->Panel3->top, 238);
            })
        .Click("TForm21", "SpeedButton1")
        .Click("TForm67", "SpeedButton3")
        .Click("Texp1_Message2", "SpeedButton3")  // the tolerance grows
        .Click("TForm21", "SpeedButton4")
        .Click("TMessage1", "SpeedButton3")  // "You have no crew!"
        .Click("TForm21", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3")  // the Starwolf takes no crew
        .Click("TForm21", "SpeedButton5")
        .Click("TMessage3", "SpeedButton1");
    for (int s = 1; s <= 7; ++s) player().Click(s == 3 ? "TForm39" : "TForm57", "SpeedButton1");
    player()
        .Click("TForm38", "SpeedButton11")
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_TRUE(GameEnded());
                EXPECT_EQ(G().TurnNumber, turn);  // the docking's turn never ran
                EXPECT_EQ(ui::App().ModalStack().size(), 1u);
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Your ship is too small for hiring crewmen!");
    // One row in the table.
    EXPECT_EQ(G().Highscores[1][Highscore::Used], 1);
    EXPECT_EQ(G().Highscores[2][Highscore::Used], 0);
}

TEST_F(BarPath, TheCrewScannerPaysTheCrew) {
    test::LinkGameArt(std::filesystem::current_path());
    StartSyndicateGame()
        .Do("TForm2",
            [](ui::Form&) {
                GameRecord& ship = PlayerShip();
                ship[Ship::CrewMax] = 4;
                ship[Ship::CrewMercenaries] = 4;
                G().TurnNumber = 10;  // 10 turns of 4 x 15
            })
        .Click("TForm2", "SpeedButton13")  // "Ship/Crew information"
        .Click("TForm6", "SpeedButton1")   // "Crew"
        .Click("TForm52", "SpeedButton1")  // "Pay crew"
        .Do("TForm25", [](ui::Form&) { EXPECT_EQ(Form25->Label5->caption, "= $C 600"); })
        .Click("TForm25", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm52",
            [](ui::Form&) { EXPECT_EQ(Form52->Label15->caption, "Payment in: 200 turns"); })
        .Click("TForm52", "SpeedButton2")
        .Click("TForm6", "SpeedButton6")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_EQ(Captain()[Player::Money], 3000 - 600);
}

}  // namespace
}  // namespace corvanth
