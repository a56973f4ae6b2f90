// The captain's age: birthdays at their turns, the age-drug offer, the heart attack and a death
// during a trip.
#include <gtest/gtest.h>

#include "shell/start.h"
#include "state/UMessage4.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/upcalls.h"
#include "travel/turn_fixture.h"
#include "ui/application.h"

namespace corvanth {
namespace {

using test::TurnTest;

// Age 20 + turn * 4 / 360: one year per 90 turns, so age a begins at turn (a - 20) * 90.
constexpr int TurnOfAge(int age) {
    return (age - 20) * 90;
}

class Ageing : public TurnTest {
  protected:
    // Runs turns until the captain dies of a heart attack or reaches `age`; returns his age at
    // death, or 0. The game does not end: he is revived at once.
    int FirstDeathAge(int age) {
        int death = 0;
        GameUpcalls().RetireAndScore = [&] {
            death = 20 + G().TurnNumber * 4 / 360;
            Ship1()[Ship::Present] = 1;
        };
        while (death == 0 && 20 + G().TurnNumber * 4 / 360 < age) {
            player().Click("TMessage6", "SpeedButton3");
            NextTurn();
            if (player().Pending() > 0) player().Reset();
        }
        player().Reset();
        return death;
    }
};

TEST_F(Ageing, BirthdaysComeOnceAtTheirTurnsAndInOrderAfterALoad) {
    G().TurnNumber = TurnOfAge(35) - 1;
    player().Click("TMessage4", "SpeedButton1");
    NextTurn();
    const ui::Snapshot* box = player().LastSeen("TMessage4");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Text("Label2"), "You get older...");
    EXPECT_EQ(box->Text("Memo1"),
              "Its your 35th birthday. The time when you were excited about exploring the unknown "
              "is part of your past, but you still enjoy your adventuring. You wonder what will "
              "happen in the next years.");
    EXPECT_EQ(Captain()[Player::AgeClass], 2);
    EXPECT_EQ(Message4->Memo1->scrollBars, ui::ScrollBars::Vertical);
    NextTurn();  // 35 once only
    EXPECT_EQ(player().TimesSeen("TMessage4"), 1);

    G().TurnNumber = TurnOfAge(50) - 2;
    NextTurn();  // still 49
    EXPECT_EQ(player().TimesSeen("TMessage4"), 1);
    player().Click("TMessage4", "SpeedButton1");
    NextTurn();
    EXPECT_EQ(Message4->Memo1->lines.size(), 2u);
    EXPECT_EQ(Captain()[Player::AgeClass], 3);

    // A game loaded at age 75 with no birthday yet: all three, in order, in one turn; the offer
    // was made already and a dose keeps the heart going.
    Captain()[Player::AgeClass] = 0;
    Captain()[Player::AgeDrugOffered] = 1;
    Captain()[Player::AgeDrugDoses] = 1;
    G().TurnNumber = TurnOfAge(75);
    player().Reset();
    player()
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1");
    NextTurn();
    ASSERT_EQ(player().Seen().size(), 3u);
    EXPECT_TRUE(player().Seen()[0].Text("Memo1").starts_with("Its your 35th birthday."));
    EXPECT_TRUE(player().Seen()[1].Text("Memo1").starts_with("At your 50th birthday"));
    EXPECT_TRUE(player().Seen()[2].Text("Memo1").starts_with("At your 70th birthday"));
    EXPECT_EQ(player().Seen()[2].Picture("Image1"), GetHeroPictureName(1) + ".jpg");
    EXPECT_EQ(Captain()[Player::AgeClass], 4);

    // Ageing switched off: nothing, whatever the turn.
    Captain()[Player::AgeClass] = 0;
    Captain()[Player::AgeDrugOffered] = 0;
    Captain()[Player::AgeDrugDoses] = 0;
    Captain()[Player::CheatNoAgeing] = 1;
    G().TurnNumber = TurnOfAge(95);
    for (int i = 0; i < 200; ++i) NextTurn();
    EXPECT_EQ(Captain()[Player::AgeClass], 0);
    EXPECT_EQ(Ship1()[Ship::Present], 1);
}

TEST_F(Ageing, TheStrangerOffersTheDrugOnceAtSeventyOne) {
    Captain()[Player::AgeClass] = 4;
    Captain()[Player::AgeDrugDoses] = 1;  // no heart attack before 80
    G().TurnNumber = TurnOfAge(71) - 2;
    NextTurn();  // 70
    EXPECT_EQ(Captain()[Player::AgeDrugOffered], 0);
    player().Click("TMessage6", "SpeedButton3").Click("TMessage4", "SpeedButton1");
    NextTurn();
    EXPECT_EQ(Captain()[Player::AgeDrugOffered], 1);
    EXPECT_EQ(test::CountSound("wave:alert.wav"), 1);
    const ui::Snapshot* note = player().LastSeen("TMessage6");
    EXPECT_EQ(note->Picture("Image2"), "face5_sm.jpg");
    EXPECT_EQ(note->Text("Label1"),
              "One day you find you suddenly find a message from a stranger in your mailbox. \"I "
              "know you already understand what it means to get older. I got the solution for "
              "you...\"");
    const ui::Snapshot* deal = player().LastSeen("TMessage4");
    EXPECT_EQ(deal->Text("Label2"), "A deal with satan...");
    EXPECT_EQ(deal->Picture("Image1"), "agedrug.jpg");
    ASSERT_EQ(Message4->Memo1->lines.size(), 3u);
    EXPECT_TRUE(Message4->Memo1->lines[0].starts_with("\"From time to time a small dose"));
    EXPECT_TRUE(Message4->Memo1->lines[0].ends_with("hidden laboratories.\""));
    NextTurn();
    EXPECT_EQ(player().TimesSeen("TMessage6"), 1);
}

TEST_F(Ageing, EachDoseHoldsTheHeartAttackOffForItsYearsAndFiveDosesForTwoMore) {
    // Extra years by doses 0..4: 0, 10, 15, 17, 18; the fifth adds the two the dealer tells;
    // more than five work like five. No death may come before 70 + extra, and from there on,
    // with at least 1 chance in 500 a turn for years on end, one does.
    Captain()[Player::AgeClass] = 5;
    Captain()[Player::AgeDrugOffered] = 1;
    const std::pair<int, int> kDoses[] = {{0, 0},  {1, 10}, {2, 15}, {3, 17},
                                          {4, 18}, {5, 20}, {7, 20}};
    for (auto [doses, extra] : kDoses) {
        Captain()[Player::AgeDrugDoses] = doses;
        G().TurnNumber = TurnOfAge(69);
        const int death = FirstDeathAge(100);
        EXPECT_GE(death, 70 + extra) << doses << " doses";
    }
}

TEST_F(Ageing, AHeartAttackKillsTheCaptainAndEndsTheGame) {
    Captain()[Player::AgeClass] = 5;
    Captain()[Player::AgeDrugOffered] = 1;
    G().TurnNumber = TurnOfAge(95);  // 40 chances in 500 a turn
    bool ended = false;
    while (!ended && G().TurnNumber < TurnOfAge(100)) {
        player().Click("TMessage6", "SpeedButton3");
        ended = test::FromHome(NextTurn);
        if (!ended) player().Reset();
    }
    ASSERT_TRUE(GameEnded());
    const ui::Snapshot* note = player().LastSeen("TMessage6");
    EXPECT_EQ(note->Text("Label1"),
              "You finally suffer a fatal heart attack. Before you fade out the ship doctor tells "
              "you that you should have retired in time. Oh well...");
    EXPECT_EQ(note->Picture("Image2"), GetHeroPictureName(1) + "_sm.jpg");
    EXPECT_EQ(Ship1()[Ship::Present], 0);
    EXPECT_EQ(calls.back(), "RetireAndScore");
    EXPECT_EQ(test::CountSound("wave:alert.wav"), 1);
}

// A trip dialog that knows nothing of the end of a game: one day and one turn per 200 ms tick,
// and it never stops its timer by itself. What keeps the game from running on is the turn.
class CarelessTrip : public ui::Form {
  public:
    CarelessTrip() : ui::Form("TCarelessTrip") {
        Timer1 = Bind<ui::Timer>("Timer1");
        Timer1->SetInterval(200);
        Timer1->OnTimer = [this] {
            ++ticks;
            NextTurn();
        };
    }
    ui::Timer* Timer1;
    int ticks = 0;
};

TEST_F(Ageing, ADeathDuringATripEndsTheGameOnceAndNothingRunsAfterIt) {
    static CarelessTrip* trip = ui::App().Create<CarelessTrip>();
    trip->ticks = 0;
    int ends = 0;
    GameUpcalls().RetireAndScore = [&] {
        ++ends;
        EndGame();
    };
    Captain()[Player::AgeClass] = 5;
    Captain()[Player::AgeDrugOffered] = 1;
    G().TurnNumber = TurnOfAge(95);
    const int start = G().TurnNumber;
    int deathTurn = 0;
    player()
        .Do("TForm1",
            [&](ui::Form&) {
                trip->Timer1->SetEnabled(true);
                trip->ShowModal();
            })
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm1", [&](ui::Form&) { deathTurn = G().TurnNumber; })
        .Wait("TForm1", 2000)
        .Do("TForm1", [&](ui::Form& f) {
            EXPECT_EQ(ui::App().ModalStack().size(), 1u);
            trip->Timer1->SetEnabled(false);
            f.Hide();
        });
    Form1->ShowModal();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(GameEnded());
    // The heart attack was the last thing shown.
    EXPECT_EQ(player().TimesSeen("TMessage6"), 1);
    EXPECT_EQ(player().Seen().back().form, "TMessage6");
    EXPECT_TRUE(player().Seen().back().Text("Label1").starts_with("You finally suffer"));
    // The careless dialog ticked on under the main menu; no turn ran after the death.
    EXPECT_EQ(G().TurnNumber, deathTurn);
    EXPECT_GE(trip->ticks, deathTurn - start + 9);
}

}  // namespace
}  // namespace corvanth
