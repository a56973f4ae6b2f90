// Watching a round on the results screen: the live fights, the TV panel, a bet and its end.
#include "combat/Duelhold_TournamentResults.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "combat/Duelhold_Main.h"
#include "shell/background.h"
#include "state/UMessage3.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/quiet_turns.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class Arena : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        Rng().SetSeed(6363);
        GameUpcalls() = test::QuietUpcalls();
        test::StartNewGame(FactionId::Federation, "Avery");
        InitGladiators();
        GameState& g = G();
        g.Tournaments[1][Tournament::Phase] = 0;
        g.Tournaments[2][Tournament::Phase] = g.Tournaments[3][Tournament::Phase] = -30;
        DrawTournamentEntrants();
        g.Tournaments[1][Tournament::Phase] = 1;  // the first round, as the next turn opens it
        Captain()[Player::Money] = 50000;
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        GameTest::TearDown();
    }
};

// Cup 1's first round watched: the places at full health, fight A on TV, one bet on its first
// fighter; then every fight is made to end in the next tick, which settles the bet, closes the
// round and leaves "Watch && bid" off until the next turn.
TEST_F(Arena, AWatchedRoundIsFoughtTickByTickAndSettlesTheBet) {
    GameState& g = G();
    int first = 0, clicks = 0;
    std::array<int, 2> odds{};
    int64_t moneyAfterBet = 0;
    player()
        .Do("TForm61",
            [&](ui::Form&) {
                EXPECT_EQ(Form61->columns[1].phase->caption, "First Round");
                EXPECT_EQ(Form61->columns[1].state->caption, "(Tournament running)");
                EXPECT_EQ(Form61->columns[2].state->caption, "New Start: 30");
                EXPECT_EQ(Form61->columns[1].prize->caption, "Prize: $C 100.000");
                EXPECT_TRUE(Form61->SpeedButton9->enabled);
                EXPECT_FALSE(Form61->SpeedButton8->enabled);  // sign-up only in phase 0
                clicks = test::CountSound("play:button.wav");
            })
        .Click("TForm61", "SpeedButton9")
        .Do("TForm63",
            [&](ui::Form&) {
                EXPECT_EQ(test::CountSound("play:button.wav"), clicks + 1);  // cup 1 only
                EXPECT_FALSE(Form61->SpeedButton9->enabled);
                EXPECT_EQ(Form63->SpeedButton4->caption, "Leave && Miss the round");
                EXPECT_FALSE(Form63->TVPanel->visible);
                EXPECT_TRUE(Form63->Timer1->Enabled());
                EXPECT_EQ(OccupiedPlaces(1), 16);
                for (int place = 1; place <= 16; ++place) {
                    const int n = g.TournamentEntrants[1][place];
                    EXPECT_EQ(g.Gladiators[n][Gladiator::Health], 100);
                    // The bars are full on the first frame, before the first 600 ms tick.
                    EXPECT_EQ(Form63->Health[place]->Position(), 100) << place;
                    EXPECT_EQ(Form63->PlaceName[place]->caption, GladiatorName(n));
                }
            })
        .Click("TForm63", "SlotA_Watch")
        .Do("TForm63",
            [&](ui::Form&) {
                first = g.TournamentEntrants[1][1];
                const int second = g.TournamentEntrants[1][2];
                odds = {g.Gladiators[first][Gladiator::Odds],
                        g.Gladiators[second][Gladiator::Odds]};
                EXPECT_TRUE(Form63->TVPanel->visible);
                EXPECT_EQ(Form63->RoundLabel->caption, "First round:");
                EXPECT_EQ(Form63->FighterName[1]->caption, GladiatorName(first));
                EXPECT_EQ(Form63->OddsLabel->caption,
                          "Odds = " + std::to_string(g.Gladiators[first][Gladiator::Odds]) + ":" +
                              std::to_string(g.Gladiators[second][Gladiator::Odds]));
            })
        .Click("TForm63", "SpeedButton1")
        .Do("TMessage3",
            [&](ui::Form&) {
                const int second = g.TournamentEntrants[1][2];
                EXPECT_EQ(Message3->Label1->caption,
                          "Do you really want to bid on " + GladiatorName(first) + " with " +
                              std::to_string(g.Gladiators[first][Gladiator::Odds]) + ":" +
                              std::to_string(g.Gladiators[second][Gladiator::Odds]) +
                              " odds to win?");
                EXPECT_FALSE(Form63->Timer1->Enabled());  // held while the question is open
            })
        .Click("TMessage3", "SpeedButton1")
        .Do("TForm63",
            [&](ui::Form& f) {
                moneyAfterBet = Captain()[Player::Money];
                EXPECT_EQ(moneyAfterBet, 50000 - 10000);
                EXPECT_TRUE(Form63->Timer1->Enabled());
                // One bet per fight: both bid buttons are off, the fighter framed red.
                EXPECT_FALSE(Form63->SpeedButton1->enabled);
                EXPECT_FALSE(Form63->SpeedButton2->enabled);
                EXPECT_EQ(Form63->PlaceShape[1]->brushColor, (ui::Color{200, 30, 30}));
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm63.png");
            })
        .Click("TForm63", "SlotB_Watch")  // fight B, without a bet, takes one
        .Do("TForm63",
            [&](ui::Form&) {
                EXPECT_TRUE(Form63->SpeedButton1->enabled);
                // Every fighter at 1 health with a sure hit of at least 2 (skill 10, type 3):
                // each fight ends in the next exchange, by the coin.
                for (int place = 1; place <= 16; ++place) {
                    GameRecord& gl = g.Gladiators[g.TournamentEntrants[1][place]];
                    gl[Gladiator::Health] = 1;
                    gl[Gladiator::Skill] = 10;
                    gl[Gladiator::ShipType] = 3;
                }
                EXPECT_EQ(OccupiedPlaces(1), 16);
            })
        .Wait("TForm63", 600)
        .Do("TMessage6",
            [&](ui::Form&) {
                EXPECT_FALSE(Form63->Timer1->Enabled());
                // Won: 10,000 div own odds x the other's odds back; lost: the stake is gone.
                const int64_t payout = 10000 / odds[0] * odds[1];
                if (g.Gladiators[first][Gladiator::Health] > 0) {
                    EXPECT_EQ(Message6->Label1->caption,
                              "Congratulations! Your gladiator was successful and you won " +
                                  FormatThousands(payout));
                    EXPECT_EQ(Captain()[Player::Money], moneyAfterBet + payout);
                } else {
                    EXPECT_EQ(Message6->Label1->caption,
                              "Oh no! Your gladiator failed and you lost 10.000");
                    EXPECT_EQ(Captain()[Player::Money], moneyAfterBet);
                }
            })
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm63",
            [&](ui::Form&) {
                EXPECT_EQ(Form63->SpeedButton4->caption, "Close");
                EXPECT_EQ(g.Tournaments[1][Tournament::RoundDecided], 1);
                EXPECT_EQ(OccupiedPlaces(1), 8);
                // Fight B is over: no bet is taken on it any more.
                EXPECT_FALSE(Form63->SpeedButton1->enabled);
            })
        .Click("TForm63", "SpeedButton4")
        .Do("TForm61",
            [&](ui::Form&) {
                EXPECT_FALSE(Form63->Timer1->Enabled());
                RefreshArenaScreen();
                EXPECT_FALSE(Form61->SpeedButton9->enabled);
            })
        .Click("TForm61", "SpeedButton11")
        .Do("TForm61",
            [&](ui::Form&) {
                EXPECT_EQ(g.TurnNumber, 1);
                EXPECT_EQ(Form61->columns[1].phase->caption, "Quarter Finals");
                EXPECT_EQ(OccupiedPlaces(1), 8);  // the round decided on screen is not refought
                EXPECT_TRUE(Form61->SpeedButton9->enabled);
            })
        .Click("TForm61", "SpeedButton5");
    RefreshArenaScreen();
    Form61->ShowModal();
    // Back costs a turn as well.
    EXPECT_EQ(g.TurnNumber, 2);
    EXPECT_EQ(g.Tournaments[1][Tournament::Phase], 3);
}

// The odds on TV are the odds a bet is taken at: a blow that has the odds worked out again
// shows them on the watched pair's line at once, not only after the next bet.
TEST_F(Arena, TheWatchedPairShowsTheOddsABetIsTakenAt) {
    GameState& g = G();
    auto odds = [&] {
        return "Odds = " +
               std::to_string(g.Gladiators[g.TournamentEntrants[1][1]][Gladiator::Odds]) + ":" +
               std::to_string(g.Gladiators[g.TournamentEntrants[1][2]][Gladiator::Odds]);
    };
    player()
        .Click("TForm61", "SpeedButton9")
        .Click("TForm63", "SlotA_Watch")
        .Do("TForm63", [&](ui::Form&) {
            ASSERT_NE(Form63->OddsLabel->caption, "Odds = 1:4");
            // Every fighter at skill 10 hits every blow (100 > any Random(100)), and one blow
            // in 50 has the odds worked out again (Random(1000) < 20), while no fight ends: 20
            // ticks take at most 20 x (9 + 3) = 240 of a health. The first of fight A at 300,
            // every other at 1000: a simulated fight's 101 blows of 0..9 take about 450 from
            // each side, past the first's 300 and never 1000 (909 at most), so the second wins
            // all 5: d = 5 - 0 gives 1:4.
            for (int place = 1; place <= 16; ++place) {
                GameRecord& gl = g.Gladiators[g.TournamentEntrants[1][place]];
                gl[Gladiator::Health] = place == 1 ? 300 : 1000;
                gl[Gladiator::Skill] = 10;
            }
        });
    for (int tick = 0; tick < 20; ++tick)
        player().Wait("TForm63", 600).Do("TForm63", [&, tick](ui::Form&) {
            EXPECT_EQ(Form63->OddsLabel->caption, odds()) << "tick " << tick;
        });
    player()
        .Do("TForm63", [&](ui::Form&) { EXPECT_EQ(Form63->OddsLabel->caption, "Odds = 1:4"); })
        .Click("TForm63", "SpeedButton1")
        .Do("TMessage3",
            [&](ui::Form&) {
                EXPECT_EQ(Message3->Label1->caption, "Do you really want to bid on " +
                                                         GladiatorName(g.TournamentEntrants[1][1]) +
                                                         " with 1:4 odds to win?");
            })
        .Click("TMessage3", "SpeedButton2")
        .Click("TForm63", "SpeedButton4")
        .Click("TForm61", "SpeedButton5");
    RefreshArenaScreen();
    Form61->ShowModal();
}

// A bet settled while watching redraws the arena screen; a round left unfinished stays shut
// until the next turn, since opening it again resets every health and open bet.
TEST_F(Arena, ARoundLeftUnfinishedOpensAgainOnlyNextTurn) {
    auto watchOff = [](ui::Form&) {
        RefreshArenaScreen();
        EXPECT_FALSE(Form61->SpeedButton9->enabled);
    };
    player()
        .Click("TForm61", "SpeedButton9")
        .Do("TForm63", watchOff)
        .Click("TForm63", "SpeedButton4")
        .Do("TForm61", watchOff)
        .Click("TForm61", "SpeedButton11")
        .Do("TForm61", [](ui::Form&) { EXPECT_TRUE(Form61->SpeedButton9->enabled); })
        .Click("TForm61", "SpeedButton5");
    RefreshArenaScreen();
    Form61->ShowModal();
}

}  // namespace
}  // namespace corvanth
