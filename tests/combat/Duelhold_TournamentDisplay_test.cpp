// The captain in the Red Arrow Rookie Championship: four ship battles to the prize, and the three
// ways out of it (giving up, a lost fight, a flight).
#include "combat/Duelhold_TournamentDisplay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "combat/Duelhold_Main.h"
#include "combat/Duelhold_Winner.h"
#include "combat/combat2.h"
#include "shell/background.h"
#include "shell/start.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/quiet_turns.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class CaptainInTheArena : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        Rng().SetSeed(6262);
        GameUpcalls() = test::QuietUpcalls();
        test::StartNewGame(FactionId::Federation, "Avery");
        InitGladiators();
        GameState& g = G();
        g.Factions[FactionId::Federation][Faction::Rank] = 2;
        g.Players[1][Player::LifePoints] = 5;
        g.Players[1][Player::Money] = 1000000;
        g.Tournaments[2][Tournament::Phase] = g.Tournaments[3][Tournament::Phase] = -30;
        OpenSignUp();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        GameTest::TearDown();
    }
    static void OpenSignUp() {
        G().Tournaments[1][Tournament::Phase] = 0;
        DrawTournamentEntrants();
        RefreshArenaScreen();
    }
    static int Place(int place) { return G().TournamentEntrants[1][place]; }
    // "Sign up" for cup 1 and yes to its question.
    static void SignUp(ui::ScriptedPlayer& p) {
        p.Click("TForm61", "SpeedButton8").Click("TMessage3", "SpeedButton1");
    }
};

TEST_F(CaptainInTheArena, FightsFourRoundsToThePrizeAndLeavesByEachWayOut) {
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    GameState& g = G();
    const int64_t money = Captain()[Player::Money];
    const int fame = Captain()[Player::Fame];
    const int reputation = g.Factions[FactionId::Federation][Faction::Reputation];
    int rounds = 0;
    ui::ScriptedPlayer& p = player();
    // The arena opened from the main menu's game, so that the game can end back there.
    p.Do("TForm1", [](ui::Form&) { Form61->ShowModal(); });
    SignUp(p);
    for (const char* round :
         {" first round is ", " quarter finals is ", " semi finals is ", " finals is "}) {
        p.Do("TForm62",
             [&, round](ui::Form& f) {
                 ++rounds;
                 EXPECT_EQ(Captain()[Player::TournamentFightInProgress], 1);
                 EXPECT_EQ(Place(1), kCaptainGladiator);
                 EXPECT_EQ(g.Tournaments[1][Tournament::Phase], rounds);
                 EXPECT_EQ(g.TurnNumber, rounds);  // one turn a pass
                 EXPECT_EQ(Form62->OpponentName->caption, GladiatorName(Place(2)));
                 EXPECT_EQ(Form62->OpponentLine->caption, std::string("Your opponent in the") +
                                                              round + "\"" +
                                                              GladiatorName(Place(2)) + "\"!");
                 EXPECT_EQ(Form62->TournamentLabel->caption, "Red Arrow Rookie Championship");
                 if (rounds == 1) {
                     EXPECT_TRUE(Form62->SpeedButton2->enabled);
                     ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm62.png");
                 }
             })
            .CloseRequest("TForm62")  // refused until Fight or Give up
            .Click("TForm62", "SpeedButton1")
            .Do("TForm14", [&](ui::Form&) {
                // The battle is against the opponent's own ship type.
                EXPECT_EQ(g.Ships[0][1][Ship::Class], g.Gladiators[Place(2)][Gladiator::ShipType]);
                g.Ships[0][1][Ship::Strength] = 0;
                CheckCombatOutcome();
            });
    }
    p.Do("TForm65",
         [&](ui::Form& f) {
             EXPECT_EQ(Form65->ChampionName->caption, "Avery");
             EXPECT_EQ(Form65->TournamentLabel->caption, "Red Arrow Rookie Championship");
             EXPECT_EQ(Form65->TournamentImage->picture, "exp1_tournament1.jpg");
             ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm65.png");
         })
        .Click("TForm65", "SpeedButton4")
        .Do("TForm61", [&](ui::Form&) {
            // Fee 10,000 paid, prize 100,000 won; at least 40 fame and reputation.
            EXPECT_EQ(Captain()[Player::Money], money - 10000 + 100000);
            EXPECT_GE(Captain()[Player::Fame], fame + 40);
            EXPECT_GE(g.Factions[FactionId::Federation][Faction::Reputation], reputation + 40);
            EXPECT_EQ(Captain()[Player::TournamentFightInProgress], 0);
            EXPECT_LT(g.Tournaments[1][Tournament::Phase], 0);
            OpenSignUp();
        });
    // Giving up.
    SignUp(p);
    p.Click("TForm62", "SpeedButton4").Do("TForm61", [&](ui::Form&) {
        EXPECT_EQ(Place(1), 0);
        EXPECT_EQ(Captain()[Player::TournamentFightInProgress], 0);
        EXPECT_EQ(g.Tournaments[1][Tournament::Phase], 1);
        OpenSignUp();
    });
    // A lost fight: the ship destroyed, the second chance taken, out of the tournament.
    SignUp(p);
    p.Click("TForm62", "SpeedButton1")
        .Do("TForm14",
            [&](ui::Form&) {
                g.Ships[1][1][Ship::Strength] = 0;
                CheckCombatOutcome();
            })
        .Do("TForm61", [&](ui::Form&) {
            EXPECT_EQ(Place(1), 0);
            OpenSignUp();
        });
    // A flight disqualifies.
    SignUp(p);
    p.Click("TForm62", "SpeedButton1")
        .Do("TForm14",
            [&](ui::Form&) {
                g.Ships[0][1][Ship::Speed] = 0;  // a sure flight
                g.Ships[1][1][Ship::ActionPointsLeft] = 10;
                EXPECT_TRUE(CombatFlee());
            })
        .Do("TForm61", [&](ui::Form&) {
            EXPECT_EQ(Place(1), 0);
            OpenSignUp();
            // No life left, and no high-score row to write for it.
            g.Players[1][Player::LifePoints] = 0;
            g.Players[1][Player::CheatUsed] = 1;
        });
    // A final death ends the game: no further fight, turn or refresh follows.
    int turn = 0;
    SignUp(p);
    p.Do("TForm62", [&](ui::Form&) { turn = g.TurnNumber; })
        .Click("TForm62", "SpeedButton1")
        .Do("TForm14",
            [&](ui::Form&) {
                g.Ships[1][1][Ship::Strength] = 0;
                CheckCombatOutcome();
            })
        .Do("TForm1", [&](ui::Form& f) {
            EXPECT_TRUE(GameEnded());
            EXPECT_EQ(g.TurnNumber, turn);
            EXPECT_EQ(g.Tournaments[1][Tournament::Phase], 1);  // no step after the score
            EXPECT_EQ(Captain()[Player::TournamentFightInProgress], 0);
            EXPECT_EQ(player().TimesSeen("TForm62"), 8);
            f.Hide();
        });
    Form1->ShowModal();
    EXPECT_EQ(rounds, 4);
    EXPECT_EQ(Captain()[Player::Money], 1000000 - 10000 + 100000 - 4 * 10000);
    const auto& seen = answering.backend().seen;
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const ui::Snapshot& s) {
        return s.form == "TMessage1" &&
               s.Text("Label1") == "You have cowardly flet from combat and are disqualified!";
    }));
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](const ui::Snapshot& s) {
        return s.form == "TMessage6" &&
               s.Text("Label1") == "You won the prize money of 100.000 $C!";
    }));
    EXPECT_EQ(answering.backend().answered["TForm43"], 2);  // the two lost fights' death screens
}

}  // namespace
}  // namespace corvanth
