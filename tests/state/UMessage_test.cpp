// The eight message dialogs: their answers, their close refusal and the keys that close them.
#include <gtest/gtest.h>

#include <vector>

#include "state/UMessage1.h"
#include "state/UMessage2.h"
#include "state/UMessage3.h"
#include "state/UMessage4.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/reputation.h"
#include "state/variables.h"
#include "support/game_test.h"
#include "ui/application.h"
#include "ui/audio.h"

namespace corvanth {
namespace {

class MessageDialogs : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // The click sound comes from the main menu's media player.
        ui::audio::ClearLog();
    }
};

TEST_F(MessageDialogs, OfferRefusesToCloseUntilAnsweredAndDeclineGivesTwo) {
    Message5->Label2->caption = "A stranger's offer";
    Message5->Memo1->SetText("A hooded trader offers you a crate of unmarked goods.");
    Message5->SpeedButton1->caption = "Take the crate";
    Message5->SpeedButton2->caption = "Walk away";
    Message5Result = 0;
    player()
        .CloseRequest("TMessage5")
        .Key("TMessage5", ui::keys::Escape)
        .Do("TMessage5", [](ui::Form& f) { EXPECT_TRUE(f.Visible()); })
        .Click("TMessage5", "SpeedButton2");
    Message5->ShowModal();
    EXPECT_EQ(Message5Result, 2);
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);

    Message5Result = 0;
    player().Click("TMessage5", "SpeedButton1");
    Message5->ShowModal();
    EXPECT_EQ(Message5Result, 1);
}

TEST_F(MessageDialogs, NoticesCloseOnAnyKeyWithoutTheClickSound) {
    Message1->Label1->caption = "Your ship has been refuelled.";
    player().Key("TMessage1", 'q');
    Message1->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "Your ship has been refuelled.");

    exp1_Message2->Label1->caption = "The senator's aide nods politely.";
    player().Key("Texp1_Message2", ui::keys::Enter);
    exp1_Message2->ShowModal();

    Message6->Label1->caption = "Customs scanned your hold.";
    Message6->CheckBox1->checked = false;
    Message6->CheckBox1->enabled = true;
    player().Tick("TMessage6", "CheckBox1", true).Key("TMessage6", ' ');
    Message6->ShowModal();
    EXPECT_TRUE(Message6->CheckBox1->checked);  // the key leaves the box as the player set it
    EXPECT_EQ(test::CountSound("play:button.wav"), 0);
}

TEST_F(MessageDialogs, TheQuestionAnswersAndIsSilentInProtectedMode) {
    player().Click("TMessage3", "SpeedButton1");
    EXPECT_TRUE(AskYesNo("Do you really wish to quit this game? (No retiring, no highscore)"));
    EXPECT_EQ(Message3Result, 1);
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);

    G().ProtectedModeOn = 1;
    player().Click("TMessage3", "SpeedButton2");
    EXPECT_FALSE(AskYesNo("Dock here?"));
    EXPECT_EQ(Message3Result, 0);
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);
}

TEST_F(MessageDialogs, ButtonsOfTheOtherDialogsClickAndClose) {
    Message2->Label2->caption = "Direct hit!";
    Message2->Label1->caption = "Your shields absorb most of the blast, but the hull is scorched.";
    Message2->Shape2->brushColor = ui::colors::DarkRed;
    Message2->Shape3->brushColor = ui::colors::DarkRed;
    Message2->Image1->LoadPicture("explosion.jpg");
    player().Click("TMessage2", "SpeedButton3");
    Message2->ShowModal();

    Message4->Label2->caption = "News";
    Message4->Memo1->SetText(
        "The Coalition fleet has withdrawn from the Warfield system.\n\nTraders report that the "
        "markets of the border worlds are calm again, and the jump lanes are open.");
    Message4->Image1->LoadPicture("news.jpg");
    Message4->Shape3->brushColor = ui::colors::White;
    player().Click("TMessage4", "SpeedButton1");
    Message4->ShowModal();

    exp1_message1->Label2->caption = "A message from the Senate";
    exp1_message1->Memo1->SetText("The senator thanks you for your discretion.");
    player().Click("Texp1_message1", "SpeedButton1");
    exp1_message1->ShowModal();

    Message1->Label1->caption = "You have docked.";
    player().Click("TMessage1", "SpeedButton3");
    Message1->ShowModal();

    Message6->Label1->caption = "Customs waved you through.";
    Message6->CheckBox1->checked = false;
    player().Click("TMessage6", "SpeedButton3");
    Message6->ShowModal();
    EXPECT_FALSE(Message6->CheckBox1->checked);

    exp1_Message2->Label1->caption = "A bouquet of rare orchids is delivered.";
    player().Click("Texp1_Message2", "SpeedButton3");
    exp1_Message2->ShowModal();
    EXPECT_EQ(test::CountSound("play:button.wav"), 6);
    EXPECT_EQ(player().LastSeen("TMessage4")->Picture("Image1"), "news.jpg");

    // The combat event had its headline bar and picture frame; an event with neither (a ship's
    // evasion) shows no empty bar or frame, its text in their room; the next event has both.
    const ui::Snapshot& event = *player().LastSeen("TMessage2");
    EXPECT_EQ(event.texts.count("Shape2") + event.texts.count("Label2"), 2u);
    EXPECT_EQ(event.texts.count("Shape3"), 1u);
    EXPECT_EQ(event.Picture("Image1"), "explosion.jpg");
    const ui::Rect beside{Message2->Shape4->left, Message2->Shape4->top, Message2->Shape4->width,
                          Message2->Shape4->height};
    const int inset = Message2->Label1->left - beside.x;
    const int narrower = beside.w - Message2->Label1->width;
    const auto frameOfText = [] {
        const ui::Shape& s = *Message2->Shape4;
        return std::vector<int>{s.left, s.top, s.left + s.width, s.top + s.height};
    };
    Message2->Label2->caption = "";
    Message2->Label1->caption = "Your evasive manouvers let the enemy boarding attempt fail.";
    Message2->Image1->LoadPicture("");
    player()
        .Do("TMessage2",
            [&](ui::Form& f) {
                const ui::Snapshot plain = ui::TakeSnapshot(f);
                EXPECT_EQ(plain.texts.count("Shape2") + plain.texts.count("Label2"), 0u);
                EXPECT_EQ(plain.texts.count("Shape3"), 0u);
                // From the picture frame's left and the headline bar's top to where the text
                // frame ended; the text inside it as far from its edges as before.
                EXPECT_EQ(frameOfText(),
                          (std::vector<int>{Message2->Shape3->left, Message2->Shape2->top,
                                            beside.x + beside.w, beside.y + beside.h}));
                EXPECT_EQ(Message2->Label1->left - Message2->Shape4->left, inset);
                EXPECT_EQ(Message2->Label1->width, Message2->Shape4->width - narrower);
            })
        .Click("TMessage2", "SpeedButton3");
    Message2->ShowModal();
    Message2->Label2->caption = "Defeat!!";
    Message2->Image1->LoadPicture("cexplosion.jpg");
    player()
        .Do("TMessage2",
            [&](ui::Form& f) {
                const ui::Snapshot both = ui::TakeSnapshot(f);
                EXPECT_EQ(both.texts.count("Shape2") + both.texts.count("Shape3"), 2u);
                EXPECT_EQ(frameOfText(), (std::vector<int>{beside.x, beside.y, beside.x + beside.w,
                                                           beside.y + beside.h}));
            })
        .Click("TMessage2", "SpeedButton3");
    Message2->ShowModal();
}

// A rule run where its dialog was never made (a tool without the screens) says which one it lacks.
TEST_F(MessageDialogs, ARuleRunWithoutItsDialogNamesTheDialog) {
    struct PutBack {
        TMessage6* form = Message6.Created();
        ~PutBack() { Message6 = form; }
    } putBack;
    Message6 = nullptr;
    try {
        GainFame(10);  // its notice is a TMessage6
        ADD_FAILURE() << "the notice went on without its dialog";
    } catch (const ui::MissingScreen& e) {
        EXPECT_NE(std::string(e.what()).find("TMessage6"), std::string::npos) << e.what();
    }
    EXPECT_THROW(ui::App().RequireForm("TForm99"), ui::MissingScreen);
}

}  // namespace
}  // namespace corvanth
