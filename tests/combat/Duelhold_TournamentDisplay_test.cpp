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
#include "planet/BuyEquipment.h"
#include "planet/BuyShips.h"
#include "shell/background.h"
#include "shell/start.h"
#include "state/Module1.h"
#include "state/UMessage3.h"
#include "state/pictures.h"
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
            // Fee 10,000 paid, prize 100,000 won. Cup 1 gives (Random(F div 25) + F div 10) * 4
            // but at least 40: with a new captain's 50 that is (0..1 + 5) * 4, so 40; the
            // reputation likewise.
            EXPECT_EQ(Captain()[Player::Money], money - 10000 + 100000);
            ASSERT_EQ(fame, 50);
            ASSERT_EQ(reputation, 50);
            EXPECT_EQ(Captain()[Player::Fame], fame + 40);
            EXPECT_EQ(g.Factions[FactionId::Federation][Faction::Reputation], reputation + 40);
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

// The opponent's place left empty: "Fight" passes the captain on with no battle and no winner's
// sound; the next round brings the winner of places 3 and 4.
TEST_F(CaptainInTheArena, AnEmptyOpponentPlacePassesTheCaptainOn) {
    test::UseAnsweringBackend answering;  // the turns' notices
    ui::ScriptedPlayer& p = player();
    SignUp(p);
    p.Do("TForm62",
         [](ui::Form&) {
             G().TournamentEntrants[1][2] = 0;
             ShowNextOpponent(1);
         })
        .Click("TForm62", "SpeedButton1")
        .Do("TForm62",
            [](ui::Form&) {
                EXPECT_EQ(G().Tournaments[1][Tournament::Phase], 2);
                EXPECT_EQ(Place(1), kCaptainGladiator);
                EXPECT_NE(Place(2), 0);
            })
        .Click("TForm62", "SpeedButton4")
        .Click("TForm61", "SpeedButton5");
    Form61->ShowModal();
    EXPECT_EQ(p.TimesSeen("TForm14") + answering.backend().answered["TForm14"], 0);
    EXPECT_EQ(test::CountSound("wave:wonfight.wav"), 0);
}

// Both dealers opened from the fight display sell at the arena's terms: a class that the
// planet's owner does not sell is offered when the sector's level allows it, and an item costs
// five times its price.
TEST_F(CaptainInTheArena, BothDealersOpenFromTheFightDisplayAtTheArenasTerms) {
    GameState& g = G();
    g.Fleets[1][Fleet::System] = 24;  // Gameris
    g.Fleets[1][Fleet::Location] = 9;
    const int owner = LocationRecord(24, 9)[Planet::Owner];
    const int rating = StarSystemRecord(24)[StarSystem::SectorRating];
    int row = -1;
    for (int r = 0; r < kShipDealerRows && row < 0; ++r) {
        LoadShipType(ShipDealerRowType(r));
        const GameRecord& t = ShipClassTemplate();
        const bool ownerSells = owner >= 1 && owner <= 4 && t[Ship::SoldByFactionBase + owner] == 1;
        if (!ownerSells && t[Ship::RequiredSectorLevel] <= rating) row = r;
    }
    ASSERT_GE(row, 0);
    test::UseAnsweringBackend answering;
    ui::ScriptedPlayer& p = player();
    SignUp(p);
    p.Click("TForm62", "SpeedButton2")
        .SelectRow("TForm17", "ListBox1", row)
        .Do("TForm17", [](ui::Form&) { EXPECT_TRUE(Form17->SpeedButton1->enabled); })
        .Click("TForm17", "SpeedButton2")
        .Click("TForm62", "SpeedButton3")
        .Do("TForm18",
            [](ui::Form&) {
                const int c = Form18->SelectedUpgrade();
                ASSERT_GT(c, 0);
                EXPECT_EQ(
                    Form18->Label10->caption,
                    "Price: $C" + FormatThousands(5 * int64_t{EquipmentType(c)[Equipment::Price]}));
            })
        .Click("TForm18", "SpeedButton6")
        .Click("TForm62", "SpeedButton4")
        .Click("TForm61", "SpeedButton5");
    Form61->ShowModal();
    EXPECT_EQ(p.TimesSeen("TForm17"), 1);
    EXPECT_EQ(p.TimesSeen("TForm18"), 1);
}

// Cups 2 and 3: their terms on the arena screen, the rank each asks (3 and 4), the fee paid at
// the sign-up; a captain's win pays (Random(F div 12) + F div 5) * 4 and (Random(F div 5) +
// F div 3) * 4 of fame, the reputation likewise.
TEST_F(CaptainInTheArena, CupsTwoAndThreeAskTheirRankTakeTheirFeeAndPayTheirFame) {
    test::UseAnsweringBackend answering;
    GameState& g = G();
    struct Terms {
        const char *prize, *fee;
        int32_t prizeValue, feeValue;
        int rank;
        const char* signUp;
    };
    const Terms terms[] = {{},
                           {},
                           {"500.000", "100.000", 500000, 100000, 3, "SpeedButton4"},
                           {"1.000.000", "250.000", 1000000, 250000, 4, "SpeedButton6"}};
    for (int t : {2, 3}) {
        SCOPED_TRACE(t);
        const Terms& c = terms[t];
        g.Tournaments[1][Tournament::Phase] = -30;
        g.Tournaments[t][Tournament::Phase] = 0;
        DrawTournamentEntrants();
        RefreshArenaScreen();
        EXPECT_EQ(Form61->columns[t].prize->caption, std::string("Prize: $C ") + c.prize);
        EXPECT_EQ(Form61->columns[t].fee->caption, std::string("Start fee: $C ") + c.fee);
        EXPECT_EQ(Form61->columns[t].rank->caption,
                  "Min. rank: " + RankAbbreviation(FactionId::Federation, c.rank));
        g.Factions[FactionId::Federation][Faction::Rank] = c.rank - 1;
        const int32_t money = Captain()[Player::Money];
        player()
            .Click("TForm61", c.signUp)
            .Do("TMessage3",
                [&](ui::Form&) {
                    EXPECT_EQ(Message3->Find("Label1")->caption,
                              "Do you really want to sign in to the " + TournamentName(t) +
                                  " for $C" + c.fee + "?");
                })
            .Click("TMessage3", "SpeedButton1")
            .Do("TMessage1",
                [](ui::Form& f) {
                    EXPECT_EQ(f.Find("Label1")->caption,
                              "You do not have the necessary rank in your faction to fight in "
                              "this tournament!");
                    G().Factions[FactionId::Federation][Faction::Rank] += 1;
                })
            .Click("TMessage1", "SpeedButton3")
            .Click("TForm61", c.signUp)
            .Click("TMessage3", "SpeedButton1")
            .Do("TForm62",
                [&](ui::Form&) { EXPECT_EQ(Captain()[Player::Money], money - c.feeValue); })
            .Click("TForm62", "SpeedButton4")
            .Click("TForm61", "SpeedButton5");
        Form61->ShowModal();

        // The captain alone in the final: the prize, then fame 600 and reputation 300 rewarded.
        Captain()[Player::HideFameGainNotices] = 1;
        Captain()[Player::HideReputationGainNotices] = 1;
        Captain()[Player::Fame] = 600;
        g.Factions[FactionId::Federation][Faction::Reputation] = 300;
        g.Tournaments[t][Tournament::Phase] = 4;
        g.TournamentEntrants[t].fill(0);
        g.TournamentEntrants[t][1] = kCaptainGladiator;
        RandomGenerator rule = Rng();
        const int64_t fame =
            t == 2 ? (rule.Next(600 / 12) + 600 / 5) * 4 : (rule.Next(600 / 5) + 600 / 3) * 4;
        const int64_t reputation =
            t == 2 ? (rule.Next(300 / 12) + 300 / 5) * 4 : (rule.Next(300 / 5) + 300 / 3) * 4;
        // Just under the money cap the prize comes on whole: the cap is the turn's.
        Captain()[Player::Money] = 899990000;
        const int32_t before = Captain()[Player::Money];
        player().Click("TForm65", "SpeedButton4");
        AwardTournamentPrize(t);
        EXPECT_EQ(Captain()[Player::Money], before + c.prizeValue);
        Captain()[Player::Money] = before;  // under the cap again for the next cup's fee
        EXPECT_EQ(Captain()[Player::Fame], 600 + fame);
        EXPECT_EQ(g.Factions[FactionId::Federation][Faction::Reputation], 300 + reputation);
        EXPECT_EQ(Form65->TournamentImage->picture, "exp1_tournament" + std::to_string(t) + ".jpg");
    }
}

}  // namespace
}  // namespace corvanth
