// Crew pay and crew management through the bar, as a player clicks them.
#include "planet/Crew2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "crew_support.h"
#include "planet/Bar.h"
#include "state/UMessage4.h"
#include "state/fortune.h"
#include "support/art.h"
#include "ui/render.h"

namespace corvanth {
namespace {

using test::CrewTest;

class CrewScreens : public CrewTest {
  protected:
    void SetUp() override {
        CrewTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        std::filesystem::create_symlink(
            std::filesystem::path(CORVANTH_SOURCE_DIR) / "data" / "Help_CrewManagement.txt",
            "Help_CrewManagement.txt");
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
        G().TurnNumber = 300;
        GameRecord& here = Here();
        for (int k = 1; k <= 5; ++k) here[Planet::HireableCrewBase + k] = 5;
    }
    void TearDown() override {
        std::filesystem::remove("Help_CrewManagement.txt");
        CrewTest::TearDown();
    }
    static GameRecord& Here() { return LocationRecord(FleetSystem(), FleetLocation()); }
    static auto Bar(int k) {
        return [k](int position) {
            // The thumb dragged from its middle to where it stands at the position wanted.
            return [k, position](ui::Form& f) {
                ui::ScrollBar& bar = *Form24->bars[k];
                const ui::Rect from = bar.ThumbRect(), to = bar.ThumbRectAt(position);
                ui::DragThrough(f, bar, from.x + from.w / 2, from.y + from.h / 2, to.x + to.w / 2,
                                to.y + to.h / 2);
            };
        };
    }
    // A click on bar k at `along` pixels from its top end; from its bottom end when negative.
    static auto ClickOnBar(int k, int along) {
        return [k, along](ui::Form& f) {
            ui::ScrollBar& bar = *Form24->bars[k];
            ui::ClickThrough(f, bar, bar.width / 2, along < 0 ? bar.height + along : along);
        };
    }
    static std::string Label(ui::Label* l) { return l->caption; }
};

// Ten mercenaries, a growth of 1.000.000 over 20 turns: 2 % is 20.000 in royalties, 15 x 10 x 20
// = 3.000 in wages.
TEST_F(CrewScreens, PayOwesRoyaltiesAndWagesOnceAndNeverMoreThanTheMoney) {
    Crew({0, 0, 10, 0, 0});
    Money() = 50000;
    Captain()[Player::NetWorthAtLastPay] = CalcFortune() - 1000000;
    Captain()[Player::LastPayTurn] = 280;
    Fleet1()[Fleet::CrewPayCountdown] = 12;
    player()
        .Click("TForm21", "SpeedButton2")  // crew not paid this turn
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm21", "SpeedButton4")
        .Do("TForm25",
            [](ui::Form&) {
                EXPECT_EQ(Form25->Label8->caption, "$C: 50.000");
                EXPECT_EQ(Form25->Label2->caption,
                          "Royalties: 2% of $C 1.000.000 (money + ship + etc.)");
                EXPECT_EQ(Form25->Label3->caption, "= $C 20.000");
                EXPECT_EQ(Form25->Label4->caption, "Wages: $C 150 a turn for 20 days");
                EXPECT_EQ(Form25->Label5->caption, "= $C 3.000");
                EXPECT_EQ(Form25->Label7->caption, "$C 23.000");
            })
        .Click("TForm25", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")  // "You pay your crewmen!"
        .Click("TForm21", "SpeedButton4")
        .Do("TForm25", [](ui::Form&) { EXPECT_EQ(Form25->Label7->caption, "$C 0"); })
        .Click("TForm25", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "You pay your crewmen!");
    EXPECT_EQ(Money(), 27000);
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 200);
    EXPECT_EQ(Captain()[Player::NetWorthAtLastPay], CalcFortune());

    // A fall in net worth owes no royalties; exactly the money owed leaves 0; a coin short is
    // refused and changes nothing.
    Captain()[Player::NetWorthAtLastPay] = CalcFortune() + 5000;
    Captain()[Player::LastPayTurn] = 290;  // 10 turns: 1.500
    EXPECT_EQ(CalcCrewPayDue().royalties, 0);
    EXPECT_EQ(CalcCrewPayDue().total, 1500);
    Money() = 1499;
    Fleet1()[Fleet::CrewPayCountdown] = -5;
    player()
        .Click("TForm25", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm25", [](ui::Form&) {
            EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], -5);
            Money() = 1500;
        });
    player().Click("TForm25", "SpeedButton1").Click("TMessage1", "SpeedButton3");
    RefreshCrewPay();
    Form25->ShowModal();
    EXPECT_EQ(Money(), 0);
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 200);

    // No crew: nothing to pay.
    Crew({0, 0, 0, 0, 0});
    player()
        .Click("TForm21", "SpeedButton4")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "You have no crew!");
}

TEST_F(CrewScreens, HireDismissAndTheirRefusalsLeaveCrewSupplyAndMoneyRight) {
    Crew({0, 0, 5, 0, 0});
    Money() = 100000;
    Captain()[Player::LastPayTurn] = 300;
    auto droids = Bar(1), mercs = Bar(2), officers = Bar(0);
    player()
        .Click("TForm21", "SpeedButton2")
        .Do("TForm24",
            [](ui::Form&) {
                EXPECT_TRUE(Form24->HireMode());
                EXPECT_EQ(Form24->Label2->caption, "Your crew: 5 crewmen (5 crewmen)");
                EXPECT_EQ(Form24->Label4->caption, "Minimum crew: 4 crewmen");
                EXPECT_EQ(Form24->Label5->caption, "Maximum crew: 12 crewmen");
                EXPECT_EQ(Form24->bars[1]->Max(), 5);
                EXPECT_EQ(Form24->Label25->caption, "Royalties: 1% of net income (+ 0%)");
            })
        // Both ends of every bar carry an arrow: white ink in the middle of each.
        .Do("TForm24",
            [](ui::Form& f) {
                ui::SoftwareCanvas canvas(f.width, f.height);
                canvas.DrawForm(f);
                for (const ui::ScrollBar* bar : Form24->bars) {
                    const ui::Rect r = bar->ScreenRect();
                    const int arrow = bar->ArrowLength();
                    EXPECT_EQ(canvas.PixelAt(r.x + r.w / 2, r.y + arrow / 2), 0xFFFFFFu);
                    EXPECT_EQ(canvas.PixelAt(r.x + r.w / 2, r.y + r.h - arrow / 2), 0xFFFFFFu);
                }
            })
        // Three droids by the arrows, one step a click: four down, one back up. 10.000 each at
        // once, no wages.
        .Do("TForm24", ClickOnBar(1, -1))
        .Do("TForm24", ClickOnBar(1, -1))
        .Do("TForm24", ClickOnBar(1, -1))
        .Do("TForm24", ClickOnBar(1, -1))
        .Do("TForm24", [](ui::Form&) { EXPECT_EQ(Form24->inCrew[1]->caption, "In crew: 4"); })
        .Do("TForm24", ClickOnBar(1, 0))
        .Do("TForm24",
            [](ui::Form&) {
                EXPECT_EQ(Form24->Label31->caption, "(One-time fee: + $C 30.000)");
                EXPECT_EQ(Form24->Label26->caption, "Wages: $C 75 a turn (+ $C 0)");
                EXPECT_EQ(Form24->inCrew[1]->caption, "In crew: 3");
                EXPECT_EQ(Form24->available[1]->caption, "Available: 2");
                EXPECT_EQ(Form24->Label2->caption, "Your crew: 5 crewmen (8 crewmen)");
            })
        .Click("TForm24", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        // Mercenaries up to the maximum of 12, the thumb dragged past the bar's end: the bar
        // stops at 4 more.
        .Do("TForm24",
            [](ui::Form& f) {
                ui::ScrollBar& bar = *Form24->bars[2];
                const ui::Rect thumb = bar.ThumbRect();
                ui::DragThrough(f, bar, bar.width / 2, thumb.y + thumb.h / 2, bar.width / 2,
                                bar.height + 40);
            })
        .Do("TForm24", [](ui::Form&) { EXPECT_EQ(Form24->bars[2]->Position(), 4); })
        .Click("TForm24", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        // A full ship moves no hire bar.
        .Do("TForm24", officers(3))
        .Do("TForm24", [](ui::Form&) { EXPECT_EQ(Form24->bars[0]->Position(), 0); })
        // Dismiss two mercenaries of nine: a click on the track above the thumb pages 5 down,
        // then the thumb is dragged to 7 ...
        .Click("TForm24", "RadioButton2")
        .Do("TForm24", ClickOnBar(2, Form24->bars[2]->ArrowLength() + 1))
        .Do("TForm24", [](ui::Form&) { EXPECT_EQ(Form24->inCrew[2]->caption, "In crew: 4"); })
        .Do("TForm24", mercs(7))
        .Click("TForm24", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        // ... then the same bar, still reaching to 9, moved back up: nobody comes for free.
        .Do("TForm24", mercs(9))
        .Click("TForm24", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm24", "SpeedButton2")  // the help
        .Do("TMessage4",
            [](ui::Form&) {
                EXPECT_EQ(Message4->Label2->caption, "Information");
                EXPECT_GT(Message4->Memo1->lines.size(), 5u);
            })
        .Click("TMessage4", "SpeedButton1")
        .Click("TForm24", "SpeedButton4")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    const auto& seen = player().Seen();
    std::vector<std::string> messages;
    for (const auto& s : seen)
        if (s.form == "TMessage1") messages.push_back(s.Text("Label1"));
    EXPECT_EQ(messages, (std::vector<std::string>{"You hire the crewmen!", "You hire the crewmen!",
                                                  "You dismiss the crewmen!",
                                                  "You do not have that many crewmen!"}));
    EXPECT_EQ(Money(), 70000);
    EXPECT_EQ(Ship1()[Ship::CrewDroids], 3);
    EXPECT_EQ(Ship1()[Ship::CrewMercenaries], 7);
    EXPECT_EQ(Here()[Planet::HireableCrewBase + 2], 2);
    EXPECT_EQ(Here()[Planet::HireableCrewBase + 3], 3);  // 5 - 4 + 2

    // Dismissing everyone is allowed; then an unpaid crewless captain may hire at once.
    G().TurnNumber = 301;
    player()
        .Click("TForm21", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3")  // paid last turn
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    Captain()[Player::LastPayTurn] = 301;
    PrepareCrewForm();
    player()
        .Click("TForm24", "RadioButton2")
        .Do("TForm24", droids(0))
        .Do("TForm24", mercs(0))
        .Click("TForm24", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm24", "SpeedButton4");
    Form24->ShowModal();
    EXPECT_EQ(CrewSum(ShipCrew()), 0);
    EXPECT_EQ(Money(), 70000);
    Captain()[Player::LastPayTurn] = 100;
    player()
        .Click("TForm21", "SpeedButton2")
        .Click("TForm24", "SpeedButton4")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(Captain()[Player::LastPayTurn], 301);

    // Fourteen aboard a ship for twelve: no bar hires a negative number.
    Crew({0, 0, 14, 0, 0});
    PrepareCrewForm();
    player()
        .Do("TForm24", mercs(3))
        .Do("TForm24", [](ui::Form&) { EXPECT_EQ(CrewPendingChange[2], 0); })
        .Click("TForm24", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You made no changes!"); })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm24", "SpeedButton4");
    Form24->ShowModal();
    EXPECT_EQ(Ship1()[Ship::CrewMercenaries], 14);

    // A class that takes no crew: crew left aboard can still be dismissed; empty, no hiring.
    Crew({0, 0, 0, 0, 0});
    Ship1()[Ship::CrewMin] = 0;
    Ship1()[Ship::CrewMax] = 0;
    player()
        .Click("TForm21", "SpeedButton2")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Your ship is too small for hiring crewmen!");
    Ship1()[Ship::CrewScoundrels] = 2;
    const int supply = Here()[Planet::HireableCrewBase + 5];
    player()
        .Click("TForm21", "SpeedButton2")
        .Click("TForm24", "RadioButton2")
        .Do("TForm24", Bar(4)(0))
        .Click("TForm24", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You dismiss the crewmen!"); })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm24", "SpeedButton4")
        .Click("TForm21", "SpeedButton3");
    Form21->ShowModal();
    EXPECT_EQ(Ship1()[Ship::CrewScoundrels], 0);
    EXPECT_EQ(Here()[Planet::HireableCrewBase + 5], supply + 2);

    // The next day's supply at every place of the galaxy, by the captain's rank in his own
    // faction: Random(4) at ranks 0 and 1, then Random(8) + 2, Random(16) + 4, Random(32) + 8,
    // Random(64) + 16 and from rank 6 on Random(128) + 32; half as many officers again for a
    // Federation captain, half of them for a Syndicate one, who finds twice the scoundrels.
    const int bound[9] = {4, 4, 8, 16, 32, 64, 128, 128, 128};
    const int offset[9] = {0, 0, 2, 4, 8, 16, 32, 32, 32};
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f) {
        for (int rank = 0; rank <= 8; ++rank) {
            SCOPED_TRACE(testing::Message() << "faction " << f << " rank " << rank);
            Captain()[Player::Faction] = f;
            G().Factions[f][Faction::Rank] = rank;
            Rng().SetSeed(static_cast<uint32_t>(rank * 10 + f));
            RandomGenerator rule = Rng();
            RegenerateHireableCrew();
            for (int s = 1; s <= 26; ++s)
                for (int l = 1; l <= 35; ++l)
                    for (int k = 1; k <= 6; ++k) {
                        int n = rule.Next(bound[rank]) + offset[rank];
                        if (f == FactionId::Federation && k == 1) n += n / 2;
                        if (f == FactionId::Syndicate && k == 1) n -= n / 2;
                        if (f == FactionId::Syndicate && k == 5) n *= 2;
                        ASSERT_EQ(G().Planets[s][l][Planet::HireableCrewBase + k], n)
                            << s << " " << l << " " << k;
                    }
            EXPECT_EQ(Rng().Seed(), rule.Seed());
        }
    }
}

}  // namespace
}  // namespace corvanth
