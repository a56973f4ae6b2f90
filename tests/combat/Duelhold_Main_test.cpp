// The tournaments' rules: a long run of turns, the roster, the fights, the odds and the bets.
#include "combat/Duelhold_Main.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "shell/start.h"
#include "state/UMessage6.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"

namespace corvanth {
namespace {

class Tournaments : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Rng().SetSeed(2424);
        InitGameData();
        ClearGameEnded();
        G().Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        CurrentTurnCalls() = test::QuietTurnCalls();
        CurrentTurnCalls().AdvanceTournaments = AdvanceTournaments;
    }
    void TearDown() override {
        CurrentTurnCalls() = StandardTurnCalls();
        GameTest::TearDown();
    }
    static std::vector<int> Places(int t) {
        std::vector<int> p(17);
        for (int place = 1; place <= 16; ++place) p[place] = G().TournamentEntrants[t][place];
        return p;
    }
};

// 1,500 quiet turns with the real tournaments: after each, every cup keeps its cycle, its field
// and its rounds; each finished cup has one champion.
TEST_F(Tournaments, FifteenHundredTurnsKeepEveryCupInItsCycle) {
    test::UseAnsweringBackend answering;  // the birthdays on the way
    GameState& g = G();
    std::map<int, std::string> timeline;
    std::map<int, int> champions;
    for (int turn = 1; turn <= 1500; ++turn) {
        int before[4];
        std::vector<int> placesBefore[4];
        for (int t = 1; t <= 3; ++t) {
            before[t] = g.Tournaments[t][Tournament::Phase];
            placesBefore[t] = Places(t);
        }
        NextTurn();
        ASSERT_FALSE(GameEnded());
        for (int t = 1; t <= 3; ++t) {
            const int was = before[t], now = g.Tournaments[t][Tournament::Phase];
            SCOPED_TRACE("turn " + std::to_string(turn) + " cup " + std::to_string(t));
            // Pause counting up, one sign-up turn, four rounds, then a pause of 60..119.
            if (was == 4) {
                EXPECT_GE(now, -119);
                EXPECT_LE(now, -60);
            } else {
                EXPECT_EQ(now, was + 1);
            }
            const std::vector<int> p = Places(t);
            if (now >= 0) {
                std::set<int> seen;
                for (int place = 1; place <= 16; ++place) {
                    if (p[place] < 1) continue;
                    EXPECT_EQ(g.Gladiators[p[place]][Gladiator::League], t);
                    EXPECT_NE(p[place], kCaptainGladiator);
                    EXPECT_TRUE(seen.insert(p[place]).second) << "twice: " << p[place];
                }
            }
            if (was >= 1 && was <= 4) {
                // The round fought: its winners are all that is left, at most one of each pair.
                const int pairs = 16 >> was;
                EXPECT_LE(OccupiedPlaces(t), pairs);
                for (int place = 1; place < 16; place += 2) {
                    const int x = placesBefore[t][place], y = placesBefore[t][place + 1];
                    int left = 0;
                    for (int q = 1; q <= 16; ++q) left += p[q] > 0 && (p[q] == x || p[q] == y);
                    EXPECT_LE(left, 1);
                }
            }
            if (was == 4) {
                EXPECT_EQ(OccupiedPlaces(t), 1);
                const int champion = p[1] > 0 ? p[1] : p[2];
                ++champions[t];
                timeline[t] += " " + std::to_string(turn) + ":" + GladiatorName(champion);
            }
            if (now == 0) timeline[t] += " [" + std::to_string(turn) + " sign-up]";
        }
    }
    for (int t = 1; t <= 3; ++t) {
        EXPECT_GE(champions[t], 10);  // a cycle takes 65..124 turns
        std::printf("%s:%s\n", TournamentName(t).c_str(), timeline[t].c_str());
    }
}

// The roster's bands, the draw's refusals, one exchange's terms, the odds and the payouts.
TEST_F(Tournaments, RosterDrawFightsOddsAndBets) {
    GameState& g = G();
    InitGladiators();
    EXPECT_EQ(GladiatorName(2), "Slash");
    EXPECT_EQ(GladiatorName(55), "Zulu");
    for (int n = 2; n <= 55; ++n) {
        const GameRecord& gl = g.Gladiators[n];
        const int league = gl[Gladiator::League], skill = gl[Gladiator::Skill];
        // 2..17 league 1, 18..33 league 2, 34..49 league 3, 50..55 any.
        const int expected = n <= 17 ? 1 : n <= 33 ? 2 : n <= 49 ? 3 : league;
        EXPECT_EQ(league, expected) << n;
        EXPECT_TRUE(league >= 1 && league <= 3);
        // League 1 fields skills 1..3, league 2 skills 2..4, league 3 skills 3..4.
        EXPECT_GE(skill, league);
        EXPECT_LE(skill, league == 1 ? 3 : 4);
        EXPECT_TRUE(gl[Gladiator::FightingStyle] >= 1 && gl[Gladiator::FightingStyle] <= 3);
        EXPECT_TRUE(gl[Gladiator::Portrait] >= 1 && gl[Gladiator::Portrait] <= 3);
        const std::set<int> ships =
            skill == 4 ? std::set<int>{20, 25, 3} : std::set<int>{1, 2, 20, 25, 3};
        EXPECT_TRUE(ships.count(gl[Gladiator::ShipType])) << n;
    }

    // Only three gladiators of league 1 are left active: 13 places stay empty.
    for (int n = 2; n <= 55; ++n)
        if (n > 4) g.Gladiators[n][Gladiator::League] = 2;
    g.Tournaments[1][Tournament::Phase] = 0;
    DrawTournamentEntrants();
    EXPECT_EQ(OccupiedPlaces(1), 3);
    EXPECT_EQ(g.Tournaments[1][Tournament::Prize], 100000);
    EXPECT_EQ(g.Tournaments[1][Tournament::StartFee], 10000);
    EXPECT_EQ(g.Tournaments[1][Tournament::BetAmount], 10000);

    // Skill 4, a maniac against a defensive pilot: 40 + 20 - 20 = 40. Skill 1 by the book
    // against a maniac: 10 - 20 = -10, never a hit.
    g.Gladiators[5][Gladiator::Skill] = 4;
    g.Gladiators[5][Gladiator::FightingStyle] = 2;
    g.Gladiators[6][Gladiator::Skill] = 1;
    g.Gladiators[6][Gladiator::FightingStyle] = 3;
    EXPECT_EQ(TournamentHitChance(5, 6), 40);
    // Defensive against a maniac: 10 + 20 = 30.
    EXPECT_EQ(TournamentHitChance(6, 5), 30);
    g.Gladiators[6][Gladiator::FightingStyle] = 1;
    EXPECT_EQ(TournamentHitChance(6, 5), -10);
    // Types 20 and 25 add only for the first of a pair; 2 and 3 for both.
    EXPECT_EQ(TournamentShipTerm(2, true), 1);
    EXPECT_EQ(TournamentShipTerm(2, false), 1);
    EXPECT_EQ(TournamentShipTerm(3, false), 2);
    EXPECT_EQ(TournamentShipTerm(20, true), 2);
    EXPECT_EQ(TournamentShipTerm(20, false), 0);
    EXPECT_EQ(TournamentShipTerm(25, true), 3);
    EXPECT_EQ(TournamentShipTerm(25, false), 0);
    EXPECT_EQ(TournamentShipTerm(1, true), 0);

    // A double knock-out: both at 0 health are below 1 after any exchange; the coin's winner
    // keeps his 0, the loser leaves with the lost mark, and the round is closed at once.
    g.Tournaments[1][Tournament::Phase] = 4;
    g.TournamentEntrants[1].fill(0);
    g.TournamentEntrants[1][1] = 5;
    g.TournamentEntrants[1][2] = 6;
    g.Gladiators[5][Gladiator::Health] = g.Gladiators[6][Gladiator::Health] = 0;
    g.Gladiators[5][Gladiator::LostFight] = g.Gladiators[6][Gladiator::LostFight] = 0;
    FightTournamentRound(1);
    EXPECT_EQ(OccupiedPlaces(1), 1);
    const int winner = std::max(g.TournamentEntrants[1][1], g.TournamentEntrants[1][2]);
    const int loser = winner == 5 ? 6 : 5;
    EXPECT_EQ(g.Gladiators[winner][Gladiator::Health], 0);
    EXPECT_EQ(g.Gladiators[loser][Gladiator::LostFight], 1);
    EXPECT_EQ(g.Gladiators[winner][Gladiator::LostFight], 0);
    EXPECT_EQ(g.Tournaments[1][Tournament::RoundDecided], 1);
    // Decided is decided: the turn's step does not fight it again.
    FightTournamentRound(1);
    EXPECT_EQ(OccupiedPlaces(1), 1);

    // The odds table, and the difference of wins divided for cups 2 (by 2) and 3 (by 3).
    EXPECT_EQ(OddsForDifference(0).x, 1);
    EXPECT_EQ(OddsForDifference(1).x * 10 + OddsForDifference(1).y, 34);
    EXPECT_EQ(OddsForDifference(-3).x * 10 + OddsForDifference(-3).y, 21);
    EXPECT_EQ(OddsForDifference(9).x * 10 + OddsForDifference(9).y, 14);
    EXPECT_EQ(OddsForDifference(-9).x * 10 + OddsForDifference(-9).y, 41);
    // y 7 wins, x 3: d = 4; cup 1 gives 1:3, cup 2 4 div 2 = 2: 2:3.
    EXPECT_EQ(OddsForWins(1, 3, 7).x * 10 + OddsForWins(1, 3, 7).y, 13);
    EXPECT_EQ(OddsForWins(2, 3, 7).x * 10 + OddsForWins(2, 3, 7).y, 23);
    // Cup 3: 11 - 4 = 7, 7 div 3 = 2: 2:3; and -7 div 3 = -2 toward zero: 3:2.
    EXPECT_EQ(OddsForWins(3, 4, 11).x * 10 + OddsForWins(3, 4, 11).y, 23);
    EXPECT_EQ(OddsForWins(3, 11, 4).x * 10 + OddsForWins(3, 11, 4).y, 32);

    // Payouts: 4:1 returns 10,000 div 4 x 1 = 2,500; 1:1 the stake; 3:4 10,000 div 3 x 4 =
    // 13,332; own odds 0 never divide by zero.
    EXPECT_EQ(BetPayout(10000, 4, 1), 2500);
    EXPECT_EQ(BetPayout(10000, 1, 1), 10000);
    EXPECT_EQ(BetPayout(10000, 3, 4), 13332);
    EXPECT_EQ(BetPayout(10000, 0, 2), 20000);
    // Won at 3:4 and lost: the money moves by 13,332 and by nothing.
    Captain()[Player::Money] = 5000;
    GameRecord& a = g.Gladiators[7];
    GameRecord& b = g.Gladiators[8];
    a[Gladiator::Bet] = b[Gladiator::Bet] = 10000;
    a[Gladiator::BetOwnOdds] = 3;
    a[Gladiator::BetOtherOdds] = 4;
    a[Gladiator::Health] = 12;
    b[Gladiator::Health] = -3;
    std::vector<std::string> notices;
    auto read = [&](ui::Form&) { notices.push_back(Message6->Label1->caption); };
    player()
        .Do("TMessage6", read)
        .Click("TMessage6", "SpeedButton3")
        .Do("TMessage6", read)
        .Click("TMessage6", "SpeedButton3");
    SettleBids(7, 8);
    EXPECT_EQ(Captain()[Player::Money], 5000 + 13332);
    EXPECT_EQ(a[Gladiator::Bet], 0);
    EXPECT_EQ(b[Gladiator::Bet], 0);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0], "Congratulations! Your gladiator was successful and you won 13.332");
    EXPECT_EQ(notices[1], "Oh no! Your gladiator failed and you lost 10.000");

    // The sign-up's refusals in order: money, rank, size class.
    g.Tournaments[1][Tournament::StartFee] = 10000;
    Captain()[Player::Money] = 9999;
    g.Factions[FactionId::Federation][Faction::Rank] = 1;
    G().Ships[1][1][Ship::SizeClass] = 2;
    EXPECT_EQ(SignUpRefusal(1), "You do not have enough money!");
    Captain()[Player::Money] = 10000;
    EXPECT_EQ(SignUpRefusal(1),
              "You do not have the necessary rank in your faction to fight in this tournament!");
    g.Factions[FactionId::Federation][Faction::Rank] = 2;
    EXPECT_EQ(SignUpRefusal(1), "Only \"fighter-class\" ships may participate in the tournaments!");
    G().Ships[1][1][Ship::SizeClass] = 1;
    EXPECT_EQ(SignUpRefusal(1), "");
    EXPECT_NE(SignUpRefusal(2), "");  // cup 2 asks rank 3

    // A second new game: gladiator 1 bears the new captain's name after its first turn.
    for (const char* name : {"Avery", "Blake"}) {
        InitGameData();
        g.CaptainNames[1] = name;
        g.Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        NextTurn();
        EXPECT_EQ(GladiatorName(kCaptainGladiator), name);
    }
}

}  // namespace
}  // namespace corvanth
