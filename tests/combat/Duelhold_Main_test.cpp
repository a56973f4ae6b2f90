// The tournaments' rules: a long run of turns, the roster, the fights, the odds and the bets.
#include "combat/Duelhold_Main.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/background.h"
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
        GameUpcalls() = test::QuietUpcalls();
        GameUpcalls().AdvanceTournaments = AdvanceTournaments;
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
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

// The odds as the rule reads them, fight by fight and draw by draw on a generator of its own: N
// simulated fights per pair (5, 10, 15 by cup) from the healths now, the difference of wins
// divided by 1, 2 or 3, then the table. Skills 1..4 hit on 10..40 of 100; healths from below 0
// (a fight that is over at once) to 100, and both at 0 for the double knock-out.
TEST_F(Tournaments, OddsFollowTheSimulatedFightsDrawForDraw) {
    GameState& g = G();
    InitGladiators();
    RandomGenerator rule;
    auto simulate = [&rule](const GameRecord& x, const GameRecord& y, int fights) {
        int wins[2] = {};
        for (int f = 0; f < fights; ++f) {
            int hx = x[Gladiator::Health], hy = y[Gladiator::Health];
            for (int e = 0; e < 101 && hx >= 0 && hy >= 0; ++e) {
                const int bx = hx, by = hy;
                if (x[Gladiator::Skill] * 10 > rule.Next(100)) hy -= rule.Next(10);
                if (y[Gladiator::Skill] * 10 > rule.Next(100)) hx -= rule.Next(10);
                if (hx <= 0 && hy <= 0) {
                    if (rule.Next(100) < 50)
                        hy = by;
                    else
                        hx = bx;
                }
            }
            ++wins[hx < 0 ? 1 : 0];
        }
        return std::pair{wins[0], wins[1]};
    };
    const int healths[] = {100, 35, 7, 1, 0, -3};
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        const int t = 1 + seed % 3;
        g.Tournaments[t][Tournament::Phase] = 1;
        for (int place = 1; place <= 16; ++place) {
            const int n = 1 + place + 16 * (seed % 2);
            g.TournamentEntrants[t][place] = seed % 7 == 0 && place == 5 ? 0 : n;
            GameRecord& gl = g.Gladiators[n];
            gl[Gladiator::Skill] = 1 + (place * 7 + seed) % 4;
            gl[Gladiator::Health] = healths[(place + seed) % std::size(healths)];
            gl[Gladiator::Odds] = 0;
        }
        if (seed % 5 == 0)
            g.Gladiators[2][Gladiator::Health] = g.Gladiators[3][Gladiator::Health] = 0;
        Rng().SetSeed(seed * 7919);
        rule.SetSeed(seed * 7919);
        CalcTournamentOdds(t);
        for (int place = 1; place < 16; place += 2) {
            const int x = EntrantAt(t, place), y = EntrantAt(t, place + 1);
            if (x == 0 || y == 0) continue;
            const auto [xWins, yWins] = simulate(g.Gladiators[x], g.Gladiators[y], 5 * t);
            const int d = (yWins - xWins) / t;
            static const int kX[] = {4, 3, 2, 3, 4, 1, 3, 2, 1, 1, 1};
            static const int kY[] = {1, 1, 1, 2, 3, 1, 4, 3, 2, 3, 4};
            const int row = std::clamp(d, -5, 5) + 5;
            EXPECT_EQ(g.Gladiators[x][Gladiator::Odds], kX[row]) << seed << " place " << place;
            EXPECT_EQ(g.Gladiators[y][Gladiator::Odds], kY[row]) << seed << " place " << place;
        }
        EXPECT_EQ(Rng().Seed(), rule.Seed()) << seed;
    }
}

// The roster's bands, the draw's refusals, one exchange's terms, the odds and the payouts.
TEST_F(Tournaments, RosterDrawFightsOddsAndBets) {
    GameState& g = G();
    auto pair = [](OddsPair o) { return o.x * 10 + o.y; };
    InitGladiators();
    EXPECT_EQ(GladiatorName(2), "Slash");
    EXPECT_EQ(GladiatorName(55), "Zulu");
    for (int n = 2; n <= 55; ++n) {
        const GameRecord& gl = g.Gladiators[n];
        const int league = gl[Gladiator::League], skill = gl[Gladiator::Skill];
        // 2..17 league 1, 18..33 league 2, 34..49 league 3, 50..55 any; league 1 fields skills
        // 1..3, league 2 skills 2..4, league 3 skills 3..4; skill 4 never flies types 1 or 2.
        EXPECT_EQ(league, n <= 17 ? 1 : n <= 33 ? 2 : n <= 49 ? 3 : league) << n;
        EXPECT_TRUE(skill >= league && skill <= (league == 1 ? 3 : 4)) << n;
        EXPECT_TRUE(gl[Gladiator::FightingStyle] >= 1 && gl[Gladiator::FightingStyle] <= 3);
        const std::set<int> ships =
            skill == 4 ? std::set<int>{20, 25, 3} : std::set<int>{1, 2, 20, 25, 3};
        EXPECT_TRUE(ships.count(gl[Gladiator::ShipType])) << n;
    }

    // Three gladiators of league 1 left: places 1..3 filled, 13 stay empty. Pair (1,2) fights;
    // place 3 has no partner. The round ends when pair (1,2) is decided (the count of 8 is
    // never reached), and place 3's gladiator joins the winner in pair (1,2).
    for (int n = 5; n <= 55; ++n) g.Gladiators[n][Gladiator::League] = 2;
    g.Tournaments[1][Tournament::Phase] = 0;
    DrawTournamentEntrants();
    EXPECT_EQ(OccupiedPlaces(1), 3);
    EXPECT_EQ(g.Tournaments[1][Tournament::Prize], 100000);
    EXPECT_EQ(g.Tournaments[1][Tournament::BetAmount], 10000);
    const int third = EntrantAt(1, 3);
    g.Tournaments[1][Tournament::Phase] = 1;
    for (int call = 0; call < 10001 && g.Tournaments[1][Tournament::RoundDecided] == 0; ++call)
        FightTournamentRound(1);
    EXPECT_EQ(g.Tournaments[1][Tournament::RoundDecided], 1);
    EXPECT_EQ(OccupiedPlaces(1), 2);
    EXPECT_TRUE(EntrantAt(1, 1) == third || EntrantAt(1, 2) == third);

    // Skill 4, a maniac against a defensive pilot: 40 + 20 - 20 = 40; skill 1 defensive against
    // a maniac: 10 + 20 = 30; by the book against a maniac: 10 - 20 = -10.
    GameRecord& a = g.Gladiators[5];
    GameRecord& b = g.Gladiators[6];
    a[Gladiator::Skill] = 4;
    a[Gladiator::FightingStyle] = 2;
    b[Gladiator::Skill] = 1;
    b[Gladiator::FightingStyle] = 3;
    EXPECT_EQ(TournamentHitChance(5, 6), 40);
    EXPECT_EQ(TournamentHitChance(6, 5), 30);
    b[Gladiator::FightingStyle] = 1;
    EXPECT_EQ(TournamentHitChance(6, 5), -10);
    // Types 20 and 25 add only for the first of a pair; 2 and 3 for both.
    EXPECT_EQ(TournamentShipTerm(2, false) * 1000 + TournamentShipTerm(3, false) * 100 +
                  TournamentShipTerm(20, true) * 10 + TournamentShipTerm(25, true),
              1223);
    EXPECT_EQ(TournamentShipTerm(20, false) + TournamentShipTerm(25, false), 0);

    // A double knock-out in the final: both at 0 health are below 1 after any exchange; the
    // coin's winner keeps his 0, the loser leaves marked, and the round is closed at once.
    g.Tournaments[1][Tournament::Phase] = 4;
    g.Tournaments[1][Tournament::RoundDecided] = 0;
    g.TournamentEntrants[1].fill(0);
    g.TournamentEntrants[1][1] = 5;
    g.TournamentEntrants[1][2] = 6;
    a[Gladiator::Health] = b[Gladiator::Health] = 0;
    FightTournamentRound(1);
    const int winner = EntrantAt(1, 1) + EntrantAt(1, 2);
    ASSERT_EQ(OccupiedPlaces(1), 1);
    EXPECT_EQ(g.Gladiators[winner][Gladiator::Health], 0);
    EXPECT_EQ(g.Gladiators[11 - winner][Gladiator::LostFight], 1);
    EXPECT_EQ(g.Tournaments[1][Tournament::RoundDecided], 1);

    // The odds table; the difference of wins divided for cups 2 (by 2) and 3 (by 3).
    EXPECT_EQ(pair(OddsForDifference(0)), 11);
    EXPECT_EQ(pair(OddsForDifference(1)), 34);
    EXPECT_EQ(pair(OddsForDifference(-3)), 21);
    EXPECT_EQ(pair(OddsForDifference(9)), 14);
    EXPECT_EQ(pair(OddsForDifference(-9)), 41);
    // y 7 wins, x 3: d = 4, cup 1 1:3; cup 2 4 div 2 = 2: 2:3. Cup 3: 11 - 4 = 7, 7 div 3 = 2:
    // 2:3, and -7 div 3 = -2 toward zero: 3:2.
    EXPECT_EQ(pair(OddsForWins(1, 3, 7)), 13);
    EXPECT_EQ(pair(OddsForWins(2, 3, 7)), 23);
    EXPECT_EQ(pair(OddsForWins(3, 4, 11)), 23);
    EXPECT_EQ(pair(OddsForWins(3, 11, 4)), 32);

    // Payouts: 4:1 returns 10,000 div 4 x 1 = 2,500; 1:1 the stake; 3:4 10,000 div 3 x 4 =
    // 13,332; own odds 0 never divide by zero.
    EXPECT_EQ(BetPayout(10000, 4, 1), 2500);
    EXPECT_EQ(BetPayout(10000, 1, 1), 10000);
    EXPECT_EQ(BetPayout(10000, 3, 4), 13332);
    EXPECT_EQ(BetPayout(10000, 0, 2), 20000);
    // Won at 3:4 and lost: the money moves by 13,332 and by nothing, past the money cap too,
    // which the turn applies.
    Captain()[Player::Money] = 899990000;
    a[Gladiator::Bet] = b[Gladiator::Bet] = 10000;
    a[Gladiator::BetOwnOdds] = 3;
    a[Gladiator::BetOtherOdds] = 4;
    a[Gladiator::Health] = 12;
    b[Gladiator::Health] = -3;
    std::vector<std::string> notices;
    auto read = [&](ui::Form&) { notices.push_back(Message6->Label1->caption); };
    player().Do("TMessage6", read).Click("TMessage6", "SpeedButton3");
    player().Do("TMessage6", read).Click("TMessage6", "SpeedButton3");
    SettleBids(5, 6);
    EXPECT_EQ(Captain()[Player::Money], 899990000 + 13332);
    EXPECT_EQ(a[Gladiator::Bet] + b[Gladiator::Bet], 0);
    EXPECT_EQ(notices, (std::vector<std::string>{
                           "Congratulations! Your gladiator was successful and you won 13.332",
                           "Oh no! Your gladiator failed and you lost 10.000"}));

    // The sign-up's refusals in order: money, rank, size class.
    g.Tournaments[1][Tournament::StartFee] = 10000;
    Captain()[Player::Money] = 9999;
    g.Factions[FactionId::Federation][Faction::Rank] = 1;
    g.Ships[1][1][Ship::SizeClass] = 2;
    EXPECT_EQ(SignUpRefusal(1), "You do not have enough money!");
    Captain()[Player::Money] = 10000;
    EXPECT_EQ(SignUpRefusal(1),
              "You do not have the necessary rank in your faction to fight in this tournament!");
    g.Factions[FactionId::Federation][Faction::Rank] = 2;
    EXPECT_EQ(SignUpRefusal(1), "Only \"fighter-class\" ships may participate in the tournaments!");
    g.Ships[1][1][Ship::SizeClass] = 1;
    EXPECT_EQ(SignUpRefusal(1), "");

    // Each new game: gladiator 1 bears that game's captain's name after its first turn.
    for (const char* name : {"Avery", "Blake"}) {
        InitGameData();
        g.CaptainNames[1] = name;
        g.Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        NextTurn();
        EXPECT_EQ(GladiatorName(kCaptainGladiator), name);
    }
}

// The roster's bands and the odds table whole, each edge from both sides.
TEST(TournamentTables, TheRostersBandsAndTheOddsRowByRow) {
    auto pair = [](OddsPair o) { return o.x * 10 + o.y; };
    // The roster's bands row by row, each edge from both sides, as the arena's rules give them:
    // skill by league, style, and ship type by skill, for the draw r = Random(100).
    struct Edge {
        int row, r, value;
    };
    const Edge skills[] = {{1, 0, 1}, {1, 35, 1}, {1, 36, 2}, {1, 75, 2}, {1, 76, 3}, {1, 99, 3},
                           {2, 0, 2}, {2, 75, 2}, {2, 76, 3}, {2, 95, 3}, {2, 96, 4}, {2, 99, 4},
                           {3, 0, 3}, {3, 65, 3}, {3, 66, 4}, {3, 99, 4}};
    for (const Edge& e : skills)
        EXPECT_EQ(GladiatorSkillFor(e.row, e.r), e.value) << e.row << " " << e.r;
    for (const Edge& e :
         {Edge{0, 0, 1}, {0, 70, 1}, {0, 71, 2}, {0, 85, 2}, {0, 86, 3}, {0, 99, 3}})
        EXPECT_EQ(GladiatorStyleFor(e.r), e.value) << e.r;
    const Edge ships[] = {
        {1, 0, 1},   {1, 40, 1},  {1, 41, 2},  {1, 70, 2},  {1, 71, 20}, {1, 80, 20},
        {1, 81, 25}, {1, 90, 25}, {1, 91, 3},  {1, 99, 3},  {2, 0, 1},   {2, 20, 1},
        {2, 21, 2},  {2, 40, 2},  {2, 41, 20}, {2, 60, 20}, {2, 61, 25}, {2, 80, 25},
        {2, 81, 3},  {2, 99, 3},  {3, 0, 1},   {3, 5, 1},   {3, 6, 2},   {3, 10, 2},
        {3, 11, 20}, {3, 40, 20}, {3, 41, 25}, {3, 70, 25}, {3, 71, 3},  {3, 99, 3},
        {4, 0, 20},  {4, 30, 20}, {4, 31, 25}, {4, 70, 25}, {4, 71, 3},  {4, 99, 3}};
    for (const Edge& e : ships)
        EXPECT_EQ(GladiatorShipFor(e.row, e.r), e.value) << e.row << " " << e.r;
    // The odds table whole, x:y as xy: d = 0 1:1; 1 3:4; 2 2:3; 3 1:2; 4 1:3; 5 and more 1:4;
    // -1 4:3; -2 3:2; -3 2:1; -4 3:1; -5 and less 4:1.
    const int odds[][2] = {{-9, 41}, {-6, 41}, {-5, 41}, {-4, 31}, {-3, 21},
                           {-2, 32}, {-1, 43}, {0, 11},  {1, 34},  {2, 23},
                           {3, 12},  {4, 13},  {5, 14},  {6, 14},  {9, 14}};
    for (const auto& [d, xy] : odds) EXPECT_EQ(pair(OddsForDifference(d)), xy) << "d " << d;
}

}  // namespace
}  // namespace corvanth
