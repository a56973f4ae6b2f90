// The way to the arena as a player takes it: from the main menu a Syndicate captain starts in New
// Moscow, the arena's own system; across to Gameris, docked, and in through the welcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "combat/Duelhold_Main.h"
#include "planet/new_game_path.h"
#include "planet/planet.h"
#include "shell/background.h"
#include "shell/shell_fixture.h"
#include "state/exp1_UMessage1.h"
#include "state/tables.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class ArenaPath : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GameUpcalls() = test::QuietUpcalls();
        GameUpcalls().AdvanceTournaments = AdvanceTournaments;
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        ShellTest::TearDown();
    }
};

TEST_F(ArenaPath, FromTheMainMenuToGamerisAndIntoTheArena) {
    auto at = [](int system, int location) {
        return [system, location](ui::Form&) {
            EXPECT_EQ(FleetSystem(), system);
            EXPECT_EQ(FleetLocation(), location);
        };
    };
    test::ClickToSyndicateGame(player())
        .Do("TForm2", at(24, 1))
        .Click("TForm2", "PlanetA3")  // Gameris
        .Click("TForm2", "SpeedButton5")
        .Do("TForm2", at(24, 9))
        .Click("TForm2", "SpeedButton2")  // "Dock here"
        .Do("TForm3",
            [](ui::Form&) {
                EXPECT_EQ(Form3->SpeedButton1->caption, "Gameris tournament");
                EXPECT_TRUE(Form3->SpeedButton1->enabled);
            })
        .Click("TForm3", "SpeedButton1")
        .Do("Texp1_message1",
            [](ui::Form&) {
                EXPECT_EQ(exp1_message1->Label2->caption, "Duelhold - The Game World");
                EXPECT_EQ(exp1_message1->Image1->picture, "barr.jpg");
                ASSERT_EQ(exp1_message1->Memo1->lines.size(), 4u);
                EXPECT_EQ(exp1_message1->Memo1->lines[2], " ");
            })
        .Click("Texp1_message1", "SpeedButton1")
        .Do("TForm61",
            [](ui::Form& f) {
                EXPECT_EQ(Form61->SystemLabel->caption, "New Moscow");
                // The cups moved on with the turns on the way: cup 1's pause from -10, one a
                // turn after turn 1, which the adventure's start reaches without a turn.
                const int phase = G().Tournaments[1][Tournament::Phase];
                EXPECT_EQ(phase, -10 + G().TurnNumber - 1);
                EXPECT_LT(phase, 0);
                EXPECT_EQ(Form61->columns[1].state->caption,
                          "New Start: " + std::to_string(-phase));
                EXPECT_EQ(Form61->columns[1].rank->caption,
                          "Min. rank: " + RankAbbreviation(FactionId::Syndicate, 2));
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm61.png");
            })
        .Click("TForm61", "SpeedButton5")
        .Click("TForm3", "SpeedButton4")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

}  // namespace
}  // namespace corvanth
