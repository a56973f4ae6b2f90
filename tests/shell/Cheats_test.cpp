// The tweak panel: the amount, the capped cheats, the quiet turn, the tweak marks, and a cheat
// turn that ends the game.
#include "shell/Cheats.h"

#include <gtest/gtest.h>

#include "planet/bank.h"
#include "shell/background.h"
#include "shell/retire.h"
#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class CheatPanel : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        GameUpcalls() = test::QuietUpcalls();
        keep_ = GameUpcalls().CheckPromotion;
        GameUpcalls().CheckPromotion = [this] { ++promotionChecks; };
        ui::UseHeadless().SetScreenDir("");
        InitGameData();
        ClearGameEnded();
        Captain()[Player::Faction] = FactionId::Coalition;
        Captain()[Player::Money] = 3000;
        ApplyNewGameStart();
        Form40->Edit1->SetText("1000");
    }
    void TearDown() override {
        GameUpcalls().CheckPromotion = keep_;
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
        ShellTest::TearDown();
    }
    static void Open() {
        RefreshCheatForm();
        Form40->ShowModal();
    }
    int promotionChecks = 0;

  private:
    std::function<void()> keep_;
};

TEST_F(CheatPanel, OnlyAWholeNumberIsAnAmountAndTheSumsStopAtTheCaps) {
    EXPECT_EQ(ParseCheatAmount("  -7 "), -7);
    EXPECT_EQ(ParseCheatAmount("-2147483648"), INT32_MIN);
    for (const char* bad : {"12a", "", "-", "2147483648", "99999999999", "1 000", "1.5"})
        EXPECT_FALSE(ParseCheatAmount(bad).has_value()) << bad;
    // A text that is no whole number is told, and not even the cheater's mark is set.
    const int money = Captain()[Player::Money], turn = G().TurnNumber;
    player()
        .Type("TForm40", "Edit1", "12a")
        .Click("TForm40", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "Please enter a whole number."); })
        .Click("TMessage1", "SpeedButton3")
        .Type("TForm40", "Edit1", "")
        .Click("TForm40", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3")
        .Type("TForm40", "Edit1", "99999999999")
        .Click("TForm40", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm40", "SpeedButton4");
    Open();
    EXPECT_EQ(Captain()[Player::Money], money);
    EXPECT_EQ(G().TurnNumber, turn);
    EXPECT_EQ(Captain()[Player::CheatUsed], 0);
    EXPECT_EQ(promotionChecks, 0);

    // A gain comes on whole past the game's cap, which the turn applies: 899.999.000 + 2.000 is
    // 900.001.000. 900.001.000 + 2.000.000.000 is past 32 bits: held at their end, not wrapped
    // below 0; a wrapped reputation would have made a criminal.
    int32_t& reputation = G().Factions[FactionId::Coalition][Faction::Reputation];
    Captain()[Player::Money] = 899999000;
    reputation = 899999000;
    CheatMoney(2000);
    CheatFameAndReputation(2000);
    EXPECT_EQ(Captain()[Player::Money], 900001000);
    EXPECT_EQ(reputation, 900001000);
    CheatMoney(2000000000);
    CheatFameAndReputation(2000000000);
    EXPECT_EQ(Captain()[Player::Money], INT32_MAX);
    EXPECT_EQ(reputation, INT32_MAX);
    EXPECT_EQ(Captain()[Player::CheatUsed], 1);
    CheatMoney(-5000);  // a negative amount subtracts
    EXPECT_EQ(Captain()[Player::Money], INT32_MAX - 5000);
    CheatFameAndReputation(INT32_MIN);
    CheatFameAndReputation(INT32_MIN);
    EXPECT_EQ(reputation, -900000000);
    EXPECT_EQ(Captain()[Player::Fame], 0);
    CheatTurns(2000000000);
    EXPECT_EQ(G().TurnNumber, kMaxCheatTurn);
}

TEST_F(CheatPanel, TurnsComeWithOneQuietTurnAndFameWithAHundredPromotionChecks) {
    test::LinkGameArt(std::filesystem::current_path());
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    int turns = 0, rolledTurns = 0;
    GameUpcalls().RegenerateHireableCrew = [&] {
        ++turns;
        if (G().NoEncounterThisTurn == 0) ++rolledTurns;
    };
    const int turn = G().TurnNumber, fame = Captain()[Player::Fame];
    const int reputation = G().Factions[FactionId::Coalition][Faction::Reputation];
    player()
        .Type("TForm40", "Edit1", "100")
        .Click("TForm40", "SpeedButton3")
        .Do("TMessage1",
            [&](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "CHEAT: Time flows...");
                EXPECT_EQ(G().TurnNumber, turn + 100);
                EXPECT_EQ(turns, 0);  // the turn follows the notice
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm40",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 101);
                EXPECT_EQ(turns, 1);
                EXPECT_EQ(rolledTurns, 0);
                EXPECT_EQ(G().NoEncounterThisTurn, 0);
                promotionChecks = 0;
            })
        .Click("TForm40", "SpeedButton2")
        .Do("TMessage1", [&](ui::Form&) { EXPECT_EQ(promotionChecks, 0); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm40", [&](ui::Form&) { EXPECT_EQ(promotionChecks, 100); })
        .Click("TForm40", "SpeedButton4");
    Open();
    EXPECT_EQ(Captain()[Player::Fame], fame + 100);
    EXPECT_EQ(G().Factions[FactionId::Coalition][Faction::Reputation], reputation + 100);
    EXPECT_EQ(Captain()[Player::CheatUsed], 1);
}

TEST_F(CheatPanel, TweaksAreStoredOnLeavingAndATickedBoxMarksTheCheater) {
    player().CloseRequest("TForm40").Click("TForm40", "SpeedButton4");  // no close box
    Open();
    EXPECT_EQ(Captain()[Player::CheatUsed], 0);  // nothing ticked, nothing marked
    player().Tick("TForm40", "CheckBox2", true).Click("TForm40", "SpeedButton4");
    Open();
    EXPECT_EQ(Captain()[Player::CheatMoreEvents], 1);
    EXPECT_EQ(Captain()[Player::CheatUsed], 1);
    // A box still ticked marks again; unticking clears the tweak, never the mark.
    Captain()[Player::CheatUsed] = 0;
    player().Click("TForm40", "SpeedButton4");
    Open();
    EXPECT_EQ(Captain()[Player::CheatUsed], 1);
    player().Tick("TForm40", "CheckBox2", false).Click("TForm40", "SpeedButton4");
    Open();
    EXPECT_EQ(Captain()[Player::CheatMoreEvents], 0);
    EXPECT_EQ(Captain()[Player::CheatUsed], 1);
}

// From the main menu to the bank's tweak panel; a hundred thousand turns make a very old
// captain, whose heart gives up in the cheat's own turn (seeded: 40 chances in 500).
TEST_F(CheatPanel, ACheatTurnThatEndsTheGameEndsItOnceFromUnderTheBank) {
    int ends = 0, turnsAfterTheEnd = 0, turn = 0;
    // Seeded just before the ageing step: from seed 0 the next draw of 500 is 0, below the 40
    // chances of a captain past 91.
    GameUpcalls().RecalcShipStats = [](int fleet, int ship, int skip, int round) {
        RecalcShipStats(fleet, ship, skip, round);
        Rng().SetSeed(0);
    };
    // The death itself, its screens and the score have tests of their own: here the end only.
    GameUpcalls().ShowOldAgeInfo = [] {};
    GameUpcalls().KillCaptain = [&] {
        ++ends;
        EndGame();
    };
    GameUpcalls().RegenerateHireableCrew = [&] {
        if (GameEnded()) ++turnsAfterTheEnd;
    };
    bool afterBank = false;
    player()
        .Click("TForm1", "SpeedButton1")
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2",
            [&](ui::Form&) {
                // No birthdays and no drug offer on the way: only the heart is left.
                Captain()[Player::AgeClass] = 5;
                Captain()[Player::AgeDrugOffered] = 1;
                RefreshBankForm();
                Form9->ShowModal();
                afterBank = true;
            })
        .DoubleClick("TForm9", "Image3")
        .Type("TForm40", "Edit1", "100000")
        .Do("TForm40", [&](ui::Form&) { turn = G().TurnNumber; })
        .Click("TForm40", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Click("TMessage6", "SpeedButton3")  // the heart attack
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_TRUE(GameEnded());
                ASSERT_EQ(ui::App().ModalStack().size(), 1u);
                for (ui::Form* f : {static_cast<ui::Form*>(Form40), static_cast<ui::Form*>(Form9),
                                    static_cast<ui::Form*>(Form2)})
                    EXPECT_FALSE(f->Visible()) << f->ClassName();
                EXPECT_EQ(G().NoEncounterThisTurn, 0);
            })
        .Wait("TForm1", 3000)
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 100001);  // the cheat's and its one turn
                EXPECT_EQ(ends, 1);
                EXPECT_EQ(turnsAfterTheEnd, 0);
                EXPECT_FALSE(afterBank);
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

}  // namespace
}  // namespace corvanth
