// The guided tutorial, walked from the main menu to its last step as a new player would, and
// the ways out of it.
#include "tutorial/Tutorial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "career/governor.h"
#include "career/missions.h"
#include "combat/combat2_screen.h"
#include "planet/BuyEquipment.h"
#include "planet/bank.h"
#include "planet/planet.h"
#include "shell/background.h"
#include "shell/name.h"
#include "shell/shell_fixture.h"
#include "state/UMessage1.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "tutorial_checks.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth {
namespace {

using test::ExpectDrawn;
using test::ExpectHandOn;
using test::ExpectNoTutorialShowing;
using test::ExpectStepPlaced;
using test::FileLines;
using test::kScreens;
using test::TimerOn;

class Tutorial : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        Rng().SetSeed(26);
    }
    void TearDown() override {
        ClearGameEnded();
        ShellTest::TearDown();
    }
    // The step in front of the player: its headline and text, its panel placed, only its
    // screen's timer running and the hand turning every 500 ms; the screen drawn with its step,
    // the hand shown where it first shows. `explained`: what the step speaks of, for the panel
    // to leave in sight.
    ui::ScriptedPlayer& CheckStep(int step, std::vector<std::string> explained = {}) {
        const TutorialStepRow& row = *TutorialRow(step);
        const bool fixed = row.hand == nullptr;  // steps 4 and 5: the travel screen's own panels
        auto placed = [step, fixed, explained](ui::Form& f) {
            ExpectStepPlaced(step, explained);
            ExpectDrawn(f, step, !fixed);
        };
        player().Do(row.screen, [step, &row, fixed](ui::Form& f) {
            EXPECT_EQ(TutorialStep, step);
            for (const char* cls : kScreens)
                EXPECT_EQ(TimerOn(cls), !fixed && cls == std::string(row.screen)) << step << cls;
            if (fixed) {
                EXPECT_TRUE(f.Find(row.panel)->visible);
                EXPECT_FALSE(f.Find("TutorialPanel")->visible);
            } else {
                const ui::Component* label = f.Find("TutorialHeadline");
                if (!label) label = f.Find("TutorialHeadLine");
                if (row.headline) {
                    EXPECT_EQ(label->caption, row.headline);
                }
                if (row.textFile) {
                    const auto& memo = dynamic_cast<const ui::Memo&>(*f.Find("TutorialMemo"));
                    EXPECT_EQ(memo.lines, FileLines(row.textFile));
                    // The whole text in sight, no scrolling needed.
                    EXPECT_EQ(memo.MaxTopLine(), 0)
                        << "step " << step << ": " << memo.WrappedLines().size() << " lines";
                }
            }
        });
        if (fixed) return player().Do(row.screen, placed);
        auto shown = std::make_shared<bool>();
        player().Do(row.screen, [shown](ui::Form& f) { *shown = f.Find("TutorialHand")->visible; });
        for (int i = 0; i < 2; ++i)
            player().Wait(row.screen, 500).Do(row.screen, [shown, step, i, placed](ui::Form& f) {
                EXPECT_NE(f.Find("TutorialHand")->visible, *shown) << "step " << step;
                *shown = !*shown;
                if (i == 0) placed(f);
            });
        return player();
    }
};

int Price(int location) {
    return G().Markets[4][location][3][Market::Price];
}

// The whole tour, each step done as its panel asks: a Federation captain buys firearms cheap,
// sells them at Sargoth, looks at the bank and the ship dealer, buys a Brute missile, takes the
// governor's ambush, flies to it, fights the battle by the lesson's rules and ends on the
// personal information screen.
TEST_F(Tutorial, ANewPlayerWalksAllThirtySevenSteps) {
    // The hand of every step, 1 to 37, pointing right, left or up; none on the travel screen's
    // two fixed panels. Each step below finds its picture on its screen.
    const char* const kHands[kTutorialSteps + 1] = {
        nullptr, "r", "l", "r", nullptr, nullptr, "r", "r", "r", "l", "r", "r", "r",
        "u",     "r", "u", "r", "u",     "r",     "r", "r", "u", "r", "l", "l", "r",
        "u",     "r", "l", "u", "u",     "u",     "u", "u", "u", "u", "l", "u"};
    for (int step = 1; step <= kTutorialSteps; ++step) {
        const char* hand = TutorialRow(step)->hand;
        EXPECT_EQ(hand ? std::string(hand) : "-",
                  kHands[step] ? "Tutorial" + std::string(kHands[step]) + ".jpg" : "-")
            << "step " << step;
    }
    // The overlay draws above everything else on each of the twelve screens.
    for (const char* cls : kScreens) {
        bool overlay = false;
        const ui::Form& screen = *ui::App().FindForm(cls);
        for (const ui::Component* root : screen.Roots()) {
            const bool mine = root->Name().rfind("Tutorial", 0) == 0;
            const bool drawn =
                root->kind() != ui::Kind::Timer && root->kind() != ui::Kind::MediaPlayer;
            if (overlay && drawn) {
                EXPECT_TRUE(mine) << cls << "." << root->Name();
            }
            overlay = overlay || mine;
        }
        EXPECT_TRUE(overlay) << cls;
        EXPECT_TRUE(screen.LayoutProblems().empty()) << cls;
        // The hand's timer as the layout leaves it: enabled, 500 ms.
        const ui::Form fresh(cls);
        const auto* timer = dynamic_cast<const ui::Timer*>(fresh.Find("TutorialTimer"));
        ASSERT_NE(timer, nullptr) << cls;
        EXPECT_TRUE(timer->Enabled()) << cls;
        EXPECT_EQ(timer->Interval(), 500) << cls;
    }
    test::LinkGameArt(std::filesystem::current_path());
    test::UseAnsweringBackend answering;
    int turnBought = 0, moneyBefore = 0;
    player().Click("TForm1", "SpeedButton13");
    CheckStep(1).Click("TForm1", "SpeedButton1");
    CheckStep(2, {"Label3", "Image4", "Label4"}).Type("TForm4", "Edit1", "Ada Quill");
    CheckStep(3, {"Label3", "Image4", "Label4"}).Click("TForm4", "SpeedButton4");
    // The opening story is read through by the answering player.
    CheckStep(4, {"Image23", "ProgressBar1", "ProgressBar2"})
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(FleetSystem(), 4);  // Finis, the Federation's start
                EXPECT_TRUE(Form2->Find("TutorialRingFame")->visible);
            })
        .Click("TForm2", "SpeedButton19");
    CheckStep(5, {"Image23"})
        .Do("TForm2",
            [](ui::Form&) {
                // Firearms for 30 at Finis Prime and 80 at Sargoth; the drift holds each price
                // (the base is 50) so that the turns move it only by a day's drift.
                for (auto [location, price] : {std::pair{1, 30}, std::pair{4, 80}}) {
                    const GameRecord& m = G().Markets[4][location][3];
                    EXPECT_EQ(m[Market::Price], price);
                    EXPECT_EQ(m[Market::BasePrice] + m[Market::Drift], price);
                }
                EXPECT_EQ(G().SelectedPlanet, 5);
                EXPECT_EQ(Form2->Label4->caption, "New Cairo");
                EXPECT_FALSE(Form2->Find("TutorialRingReputation")->visible);
            })
        .Click("TForm2", "SpeedButton18");
    CheckStep(6, {"Panel3"}).Click("TForm2", "SpeedButton11");
    CheckStep(7, {"ListBox1"}).SelectRow("TForm2", "ListBox1", 2);
    CheckStep(8, {"ListBox1", "SpinEdit1", "UpDown1"})
        .Type("TForm2", "SpinEdit1", "5")
        .Click("TForm2", "SpeedButton7");
    CheckStep(9, {"ListBox1", "Image23", "Panel1"})
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().LastPricePaid[3], 30);
                turnBought = G().TurnNumber;
            })
        .Click("TForm2", "PlanetD2")
        .Click("TForm2", "SpeedButton5");
    CheckStep(10, {"ListBox1"})
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(FleetLocation(), 4);
                // Base 50: a day's drift moves a price by at most 50 x 19 / 100 = 9.
                const int days = G().TurnNumber - turnBought;
                EXPECT_GE(days, 1);
                EXPECT_LE(std::abs(Price(1) - 30), 9 * days);
                EXPECT_LE(std::abs(Price(4) - 80), 9 * days);
                EXPECT_GT(Price(4), 30);
                moneyBefore = Captain()[Player::Money];
            })
        .Click("TForm2", "SpeedButton9");
    // The prices just compared stay in sight.
    CheckStep(11, {"ListBox1"})
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[3], 0);
                EXPECT_GT(Captain()[Player::Money], moneyBefore + 5 * 30);
            })
        .Click("TForm2", "SpeedButton10");
    CheckStep(12).Click("TForm2", "SpeedButton2");
    CheckStep(13).Click("TForm3", "SpeedButton2");
    CheckStep(14).Click("TForm9", "SpeedButton5");
    CheckStep(15).Click("TForm3", "SpeedButton3");
    CheckStep(16,
              {"ListBox1", "Label5", "Label6", "Label7", "Label12", "Memo1", "Label3", "Label20"})
        .Click("TForm17", "SpeedButton2");
    CheckStep(17).Click("TForm3", "SpeedButton5");
    // The slot list speaks through its rows: the panel may lie on its empty end.
    CheckStep(18, {"ListBox2"}).SelectRow("TForm18", "ListBox1", 1);
    CheckStep(19, {"ListBox2", "OfferPanel"}).Do("TForm18", [](ui::Form& f) {
        const auto& rows = Form18->ListBox2->items;
        const auto brute = std::find_if(rows.begin(), rows.end(), [](const std::string& r) {
            return r.find("Brute Missile") != std::string::npos;
        });
        ASSERT_NE(brute, rows.end());
        EXPECT_EQ(brute - rows.begin(), TutorialRow(19)->targetRow);  // where the hand points
        ui::ClickRow(f, *Form18->ListBox2, static_cast<int>(brute - rows.begin()));
        // The hand moves on to "Buy"; the panel leaves the missile's data in sight.
        ExpectStepPlaced(19, {"ListBox2", "OfferPanel"}, false);
        ExpectHandOn(19, *Form18->SpeedButton3);
    });
    player().Click("TForm18", "SpeedButton3");
    CheckStep(20, {"ListBox2"})
        .Do("TForm18",
            [](ui::Form&) { EXPECT_EQ(G().ShipEquipment[1][1][2][Slot::EquipmentId], 27); })
        .Click("TForm18", "SpeedButton6");
    CheckStep(21).Click("TForm3", "SpeedButton7");
    CheckStep(22).Do("TForm27", [](ui::Form&) {
        // War both ways, and offer 4 the tutorial's ambush, whole.
        EXPECT_TRUE(AtWar(1, 2));
        EXPECT_TRUE(AtWar(2, 1));
        // Present, Ambush, client 1, scope 1, difficulty 1, opponent 2, location 6 of Finis,
        // rank 1, reputation 24 x 1 and fame 9 x 1; objectives 2 to 4 empty.
        const GameRecord& offer = G().MissionOffers[kTutorialOffer];
        const int fields[] = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 20, 21, 22};
        const int values[] = {1, 8, 1, 1, 1, 2, 6, 0, 0, 0, 4, 24, 9, 1};
        for (int i = 0; i < 14; ++i) EXPECT_EQ(offer[fields[i]], values[i]) << fields[i];
        // (Random(1300) + 750) x 1 x 3.
        EXPECT_GE(offer[Mission::Reward], 2250);
        EXPECT_LE(offer[Mission::Reward], 6147);
        EXPECT_EQ(offer[Mission::Reward] % 3, 0);
    });
    player().Click("TForm27", "SpeedButton4");
    CheckStep(23, {"Shape2"})
        .Do("TForm8",
            [](ui::Form&) {
                EXPECT_EQ(G().MissionListIndex[3], kTutorialOffer);  // the fourth row
                EXPECT_NE(G().MissionListIndex[0], kTutorialOffer);
            })
        // Another row leaves the step as it is; so does accepting it.
        .SelectRow("TForm8", "ListBox1", 0)
        .Click("TForm8", "SpeedButton1")
        .Do("TForm8", [](ui::Form&) { EXPECT_EQ(CaptainMission()[Mission::Status], 0); });
    CheckStep(23, {"Shape2"}).SelectRow("TForm8", "ListBox1", 3);
    CheckStep(24, {"Shape2"}).Click("TForm8", "SpeedButton1");
    // "Mission accepted." stands over the mission screen, the planet screen with step 26 under
    // both: its hand, shown by a tick, is drawn only once the planet screen is on top again.
    player().Wait("TMessage1", 500).Do("TMessage1", [](ui::Form& f) {
        EXPECT_EQ(f.Find("Label1")->caption, "Mission accepted.");
        EXPECT_EQ(TutorialStep, 26);
        ui::Component& hand = *Form3->TutorialHand;
        const bool was = hand.visible;
        ui::SoftwareCanvas shown(ui::kCanvasWidth, ui::kCanvasHeight),
            hidden(ui::kCanvasWidth, ui::kCanvasHeight);
        hand.visible = true;
        shown.DrawStack();
        hand.visible = false;
        hidden.DrawStack();
        hand.visible = was;
        int differ = 0;
        for (int y = 0; y < ui::kCanvasHeight; ++y)
            for (int x = 0; x < ui::kCanvasWidth; ++x)
                differ += shown.PixelAt(x, y) != hidden.PixelAt(x, y);
        EXPECT_EQ(differ, 0) << "pixels of the planet screen's hand show around the dialog";
    });
    player().Click("TMessage1", "SpeedButton3");
    // Step 25 is passed over: the governor's office closes itself behind the mission screen.
    CheckStep(26)
        .Do("TForm3",
            [](ui::Form&) {
                EXPECT_EQ(CaptainMission()[Mission::Kind], MissionKind::Ambush);
                EXPECT_EQ(Form27->tutorial.TutorialHeadline->caption, "Step 22: Governor");
                EXPECT_FALSE(Form27->Visible());
            })
        .Click("TForm3", "SpeedButton4");
    CheckStep(27, {"Image23"}).Click("TForm2", "SpeedButton6");
    CheckStep(28, {"Image23", "MissionBox1"})
        .Click("TForm2", "PlanetG1")
        .Click("TForm2", "SpeedButton5");
    CheckStep(29)
        .Click("TForm20", "SpeedButton1")
        .Click("TForm20", "SpeedButton1")
        .Click("TForm20", "SpeedButton1");
    CheckStep(30, {"RadarBack", "RangePanel"}).Click("TForm14", "SpeedButton6");
    // Fire and ECM, each with the entry the lesson asks for, the hand following the choice.
    // The radar with both ships' dots stays in sight through the battle.
    auto choose = [this](int entry, std::vector<std::string> explained) {
        player().SelectRow("TForm14", "ComboBox1", entry - 1).Do("TForm14", [explained](ui::Form&) {
            ExpectHandOn(TutorialStep, *Form14->SpeedButton4);
            ExpectStepPlaced(TutorialStep, explained, false);
        });
        return player().Click("TForm14", "SpeedButton4");
    };
    CheckStep(31, {"RadarBack"});
    choose(2, {"RadarBack"});
    CheckStep(32, {"RadarBack", "Shape4"}).Click("TForm14", "SpeedButton5");
    CheckStep(33, {"RadarBack", "Shape4", "ComboBox1"}).Do("TForm14", [](ui::Form&) {
        EXPECT_EQ(G().CombatRange, 2);
    });
    choose(2, {"RadarBack", "Shape4", "ComboBox1"});
    CheckStep(34, {"RadarBack", "ComboBox1"});
    choose(1, {"RadarBack", "ComboBox1"});
    // From here the answering player fights the battle out, and wins it: the enemy destroyed,
    // the ambush reported done.
    CheckStep(35, {"RadarBack"});
    player()
        .Do("TForm46",
            [](ui::Form& f) {
                EXPECT_EQ(G().Ships[0][1][Ship::Present], 0);
                EXPECT_EQ(PlayerShip()[Ship::Present], 1);
                EXPECT_EQ(f.Find("Label1")->caption, "Mission successful");
            })
        .Click("TForm46", "SpeedButton1");
    CheckStep(36, {"ProgressBar1", "ProgressBar2"}).Click("TForm2", "SpeedButton12");
    CheckStep(37, {"UniformGroup", "Image2", "ProgressBar1", "ProgressBar2"})
        .Click("TForm28", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption,
                          "The tutorial has ended! Explore the game and have fun!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 0);
                ExpectNoTutorialShowing();
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_EQ(player().Pending(), 0u);
    EXPECT_EQ(TutorialStep, 0);
}

// The ways out: "End tutorial" answered no changes nothing and yes clears every screen with a
// word; the turn after turn 50 clears them without one.
TEST_F(Tutorial, EndTutorialAsksAndTheFiftyFirstTurnEndsItSilently) {
    GameUpcalls() = test::QuietUpcalls();
    test::StartNewGame(FactionId::Federation, "Ada Quill");
    G().TurnNumber = 1;  // past the opening story
    TutorialStep = 12;
    ShowCurrentTutorialStep();
    player()
        .Click("TForm2", "SpeedButton16")
        .Click("TMessage3", "SpeedButton2")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 12);
                EXPECT_TRUE(Form2->tutorial.TutorialPanel->visible);
                EXPECT_TRUE(Form2->tutorial.TutorialTimer->Enabled());
                EXPECT_EQ(Form2->tutorial.TutorialHeadline->caption, "Step 12: Docking");
            })
        .Click("TForm2", "SpeedButton16")
        .Do("TMessage3",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption, "Do you really wish to quit the tutorial?");
            })
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption,
                          "The Tutorial has ended. You can restart it from the main menu at any "
                          "time.");
                EXPECT_EQ(TutorialStep, 0);
                ExpectNoTutorialShowing();
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm2",
            [](ui::Form&) {
                // A tutorial that starts again from step 6, then the days pass.
                TutorialStep = 6;
                ShowCurrentTutorialStep();
                G().TurnNumber = 49;
                NextTurn();
                EXPECT_EQ(TutorialStep, 6);  // turn 50 is still the tutorial's
                EXPECT_TRUE(Form2->tutorial.TutorialPanel->visible);
                NextTurn();
                EXPECT_EQ(G().TurnNumber, 51);
                EXPECT_EQ(TutorialStep, 0);
                ExpectNoTutorialShowing();
                TravelScreenMayClose = 1;
            })
        .CloseRequest("TForm2");
    Form2->ShowModal();
    EXPECT_EQ(player().TimesSeen("TMessage1"), 1);
    GameUpcalls() = StandardUpcalls();
}

// A new game in the middle of the tour starts it again at the name; the bonus for the missile
// comes only to a captain who cannot pay for it; a missing text leaves the memo empty; step 25's
// panel, never shown in the tour, would leave the governor's "Back" and the hand free too.
TEST_F(Tutorial, ANewGameResumesAtTheNameAndTheBonusComesOnlyWhenMoneyIsShort) {
    test::LinkGameArt(std::filesystem::current_path());  // the hand drawn as the player sees it
    TutorialStep = 14;
    ShowCurrentTutorialStep();
    player()
        .Click("TForm1", "SpeedButton1")
        .Do("TForm4",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 2);
                EXPECT_TRUE(Form4->TutorialPanel->visible);
                EXPECT_FALSE(Form9->TutorialPanel->visible);
                for (const char* cls : kScreens)
                    EXPECT_EQ(TimerOn(cls), cls == std::string("TForm4")) << cls;
            })
        // "Ok" with the name untouched: the Federation, and on at step 4.
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 4);
                EXPECT_EQ(CaptainFaction(), FactionId::Federation);
                EXPECT_TRUE(Form2->TutorialPanel2->visible);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();

    test::StartNewGame(FactionId::Federation, "Ada Quill");
    const int32_t price = EquipmentType(27)[Equipment::Price];
    int32_t& money = Captain()[Player::Money];
    money = price - 1;
    TutorialStep = 17;
    player().Do("TMessage1", [](ui::Form& f) {
        EXPECT_EQ(f.Find("Label1")->caption,
                  "Tutorial bonus: To be able to buy a Brute missile you get some money.");
    });
    player().Click("TMessage1", "SpeedButton3");
    AdvanceTutorialStep17();
    EXPECT_EQ(money, price);
    EXPECT_EQ(TutorialStep, 18);
    TutorialStep = 17;
    AdvanceTutorialStep17();  // exactly the price: nothing to give
    EXPECT_EQ(money, price);
    EXPECT_EQ(player().TimesSeen("TMessage1"), 1);

    // A step whose text is missing shows an empty memo, and no dialog says so.
    std::filesystem::remove("TutorialForm3Step21.txt");
    TutorialStep = 21;
    ShowCurrentTutorialStep();
    EXPECT_TRUE(Form3->TutorialPanel->visible);
    EXPECT_TRUE(Form3->TutorialMemo->lines.empty());
    EXPECT_EQ(Form3->TutorialHeadline->caption, "Step 21: Governor");
    EXPECT_TRUE(ui::App().ModalStack().empty());

    TutorialStep = 25;
    ShowCurrentTutorialStep();
    ExpectStepPlaced(25);
    EXPECT_EQ(Form27->tutorial.TutorialHeadline->caption, "Step 25: Governor");
}

}  // namespace
}  // namespace corvanth
