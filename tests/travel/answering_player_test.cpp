// The long runs' answering player: a screen its table does not name, and the loot customs would
// find at home.
#include <gtest/gtest.h>

#include <string>

#include "combat/Duelhold_Winner.h"
#include "planet/CrewPay.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"

namespace corvanth {
namespace {

class AnsweringPlayer : public test::GameTest {
  protected:
    void SetUp() override { GameTest::SetUp(); }
    void TearDown() override {
        ClearGameEnded();
        TutorialStep = 0;
        GameTest::TearDown();
    }
};

// The winner screen is one the table leaves out: only the fallback closes it, by its one button.
TEST_F(AnsweringPlayer, AScreenTheTableDoesNotNameIsClosedOnlyWhenEveryScreenIsAnswered) {
    test::UseAnsweringBackend answering;
    answering.backend().answerEveryScreen = true;
    Form65->ShowModal();
    EXPECT_FALSE(Form65->Visible());
    EXPECT_EQ(answering.backend().answered["TForm65"], 1);
    ASSERT_EQ(answering.backend().pressed.size(), 1u);
    EXPECT_EQ(answering.backend().pressed[0], "TForm65.SpeedButton4");

    answering.backend().answerEveryScreen = false;
    EXPECT_THROW(Form65->ShowModal(), ui::ScriptError);
    Form65->Close();
}

// The benchmarks' crew captain of seed 1919 loots goods marked "ILLEGAL!" and is made an outcast
// at home by a customs scan within 600 turns, which opens the amnesty offer; the careful
// captain who leaves such loot behind never sees it.
TEST_F(AnsweringPlayer, LeavingIllegalLootKeepsTheCustomsAtHomeAway) {
    auto amnestyOffers = [](bool careful) {
        test::UseAnsweringBackend answering;
        answering.backend().leaveIllegalLoot = careful;
        answering.backend().record = false;
        Rng().SetSeed(1919);
        TutorialStep = 0;
        InitGameData();
        ClearGameEnded();
        ApplyNewGameStart();
        bool ended = false;
        for (int turn = 0; turn < 600 && !ended; ++turn) ended = test::FromHome(NextTurn);
        return answering.backend().answered["TForm50"];
    };
    EXPECT_GT(amnestyOffers(false), 0);
    EXPECT_EQ(amnestyOffers(true), 0);
}

}  // namespace
}  // namespace corvanth
