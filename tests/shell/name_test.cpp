// The new-captain screen: name, portrait, faction and what "Ok" writes into the captain's record.
#include "shell/name.h"

#include <gtest/gtest.h>

#include <string>

#include "shell_fixture.h"
#include "state/newgame.h"
#include "state/variables.h"
#include "tutorial/Tutorial.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class NewCaptain : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        InitGameData();
        RefreshNewCaptainForm();
    }
    GameRecord& captain() { return G().Players[G().CurrentPlayer]; }
};

TEST_F(NewCaptain, OkAtOnceKeepsTheSetUpsCaptainAndGivesTheStartMoney) {
    player()
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(Form4->Edit1->Text(), "Incognito");
                EXPECT_EQ(Form4->Image1->picture, "Hero1_20y.jpg");
                EXPECT_EQ(Form4->Image4->picture, G().FactionPictures[1].str());
                EXPECT_EQ(Form4->Label4->caption,
                          "\"The Federation\". A former superpower fighting to restore peace and "
                          "order. (Easy)");
            })
        .CloseRequest("TForm4")  // no close box: "Ok" is the only way on
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1], "Incognito");
    EXPECT_EQ(captain()[Player::Portrait], 0);
    EXPECT_EQ(captain()[Player::Faction], FactionId::Federation);
    EXPECT_EQ(captain()[Player::Money], 3000);
    EXPECT_EQ(captain()[Player::Gender], 1);
}

TEST_F(NewCaptain, BrowsingWrapsAndKeepsTheTypedName) {
    player()
        .Type("TForm4", "Edit1", "Mara Quill")
        .Click("TForm4", "SpeedButton5")  // portrait "Previous" from 0 wraps to 2
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(Form4->Image1->picture, "Hero3_20y.jpg");
                EXPECT_EQ(Form4->Edit1->Text(), "Mara Quill");
            })
        .Click("TForm4", "SpeedButton1")  // faction "Previous" from 1 wraps to 4
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(Form4->Label4->caption,
                          "\"The Coalition\". A peaceful nation of traders. (Very Difficult)");
                EXPECT_EQ(Form4->Image4->picture, G().FactionPictures[4].str());
                EXPECT_EQ(Form4->Edit1->Text(), "Mara Quill");
            })
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1], "Mara Quill");
    EXPECT_EQ(captain()[Player::Portrait], 2);
    EXPECT_EQ(captain()[Player::Gender], 1);  // portrait 2 is a man
    EXPECT_EQ(captain()[Player::Faction], FactionId::Coalition);

    // Next from 4 wraps to 1; portrait Next from 2 wraps to 0, then to 1, a woman.
    RefreshNewCaptainForm();
    player()
        .Click("TForm4", "SpeedButton2")
        .Click("TForm4", "SpeedButton6")
        .Click("TForm4", "SpeedButton6")
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(captain()[Player::Faction], FactionId::Federation);
    EXPECT_EQ(captain()[Player::Portrait], 1);
    EXPECT_EQ(captain()[Player::Gender], 2);
    EXPECT_EQ(G().CaptainNames[1], "Mara Quill");
}

TEST_F(NewCaptain, ANameHoldsWhatASaveCanStore) {
    // 300 letters are cut to 255; 200 two-byte letters are 400 bytes, of which a text slot of
    // 255 bytes keeps 127 whole letters, 254 bytes.
    player().Type("TForm4", "Edit1", std::string(300, 'a')).Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1].str(), std::string(255, 'a'));

    std::string umlauts;
    for (int i = 0; i < 200; ++i) umlauts += "\xc3\xa4";
    player()
        .Type("TForm4", "Edit1", umlauts)
        .Do("TForm4", [](ui::Form&) { EXPECT_EQ(Form4->Edit1->Text().size(), 254u); })
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1].str(), Form4->Edit1->Text());
    EXPECT_EQ(G().CaptainNames[1].size(), 254u);

    player().Type("TForm4", "Edit1", "").Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1], "");  // taken as typed, empty too
}

TEST_F(NewCaptain, DuringTheTutorialOnlyTypingAdvancesAndOkPlaysTheFederation) {
    TutorialStep = 1;
    AdvanceTutorialStep1();
    ASSERT_EQ(TutorialStep, 2);
    captain()[Player::Faction] = FactionId::Syndicate;
    RefreshNewCaptainForm();
    player()
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_TRUE(Form4->TutorialPanel->visible);
                EXPECT_EQ(Form4->TutorialHeadLine->caption, "Step 2: How to choose a name");
                // Below the name and faction boxes, clear of the faction it does not let change.
                EXPECT_GE(Form4->TutorialPanel->top,
                          Form4->Find("Shape4")->top + Form4->Find("Shape4")->height);
                EXPECT_FALSE(Form4->SpeedButton1->enabled);
                EXPECT_FALSE(Form4->SpeedButton2->enabled);
            })
        // The program's own writes to the name box are no typing.
        .Click("TForm4", "SpeedButton6")
        .Do("TForm4",
            [](ui::Form&) {
                RefreshNewCaptainForm();
                EXPECT_EQ(TutorialStep, 2);
            })
        .Type("TForm4", "Edit1", "Cadet Ro")
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 3);
                EXPECT_EQ(Form4->TutorialHeadLine->caption, "Follow the tutorial hand!");
                // The hand points at "Ok" from its left: the picture reaches onto the button
                // from beside it.
                const ui::Rect hand = Form4->TutorialHandPicture->ScreenRect();
                const ui::Rect ok = Form4->SpeedButton4->ScreenRect();
                EXPECT_LT(hand.x, ok.x);
                EXPECT_GE(hand.x + hand.w - 1, ok.x);
                EXPECT_LT(hand.x + hand.w, ok.x + ok.w / 2);
            })
        // The hand blinks: shown on the first tick, hidden on the next.
        .Wait("TForm4", 500)
        .Do("TForm4", [](ui::Form&) { EXPECT_TRUE(Form4->TutorialHand->visible); })
        .Wait("TForm4", 500)
        .Do("TForm4", [](ui::Form&) { EXPECT_FALSE(Form4->TutorialHand->visible); })
        .Type("TForm4", "Edit1", "Cadet Rho")  // typing again at step 3 changes nothing
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(captain()[Player::Faction], FactionId::Federation);
    EXPECT_EQ(TutorialStep, 4);
    EXPECT_TRUE(Form4->SpeedButton1->enabled);
    EXPECT_TRUE(Form4->SpeedButton2->enabled);
    EXPECT_EQ(G().CaptainNames[1], "Cadet Rho");
}

TEST_F(NewCaptain, OkAtStepTwoWithoutANameGoesStraightToStepFour) {
    TutorialStep = 2;
    ShowCurrentTutorialStep();
    player().Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(TutorialStep, 4);
    EXPECT_EQ(captain()[Player::Faction], FactionId::Federation);
}

TEST_F(NewCaptain, EndTutorialAsksAndOnYesHandsTheFactionButtonsBack) {
    TutorialStep = 2;
    ShowCurrentTutorialStep();
    player()
        .Click("TForm4", "SpeedButton3")
        .Click("TMessage3", "SpeedButton2")  // no: nothing changes
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 2);
                EXPECT_TRUE(Form4->TutorialPanel->visible);
            })
        .Click("TForm4", "SpeedButton3")
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 0);
                EXPECT_FALSE(Form4->TutorialPanel->visible);
                EXPECT_TRUE(Form4->SpeedButton1->enabled);
            })
        .Click("TForm4", "SpeedButton2")  // faction Next: now the player's choice holds
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage3")->Text("Label1"),
              "Do you really wish to quit the tutorial?");
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "The Tutorial has ended. You can restart it from the main menu at any time.");
    EXPECT_EQ(captain()[Player::Faction], FactionId::OuterRimAlliance);
}

TEST_F(NewCaptain, ALongNameShowsItsEndAndTheCaret) {
    const std::string name(40, 'W');  // the widest letter: far wider than the box
    player()
        .Type("TForm4", "Edit1", name)
        .Do("TForm4",
            [&](ui::Form& f) {
                ui::Edit* edit = Form4->Edit1;
                EXPECT_EQ(edit->Text(), name);
                EXPECT_EQ(f.focused, edit);
                // The text slid left: its end, and the caret after it, lie inside the box.
                EXPECT_GT(edit->ScrollOffset(), 0);
                EXPECT_GT(edit->CaretX(), edit->width / 2);
                EXPECT_LE(edit->CaretX(), edit->width - ui::Edit::kMargin);
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm4-long-name.png");
                // A short name needs no sliding; the caret follows its last letter.
                edit->SetText("Al");
                EXPECT_EQ(edit->ScrollOffset(), 0);
                EXPECT_GT(edit->CaretX(), ui::Edit::kMargin);
                EXPECT_LT(edit->CaretX(), edit->width / 4);
                edit->SetText(name);
            })
        .Click("TForm4", "SpeedButton4");
    Form4->ShowModal();
    EXPECT_EQ(G().CaptainNames[1], name);
}

}  // namespace
}  // namespace corvanth
