// The crew's day: the pay countdown and reminder, morale by the rules, incidents and the mutiny.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

#include "crew_support.h"
#include "shell/highscore.h"
#include "state/shipstats.h"
#include "state/upcalls.h"
#include "support/draws.h"
#include "travel/NextTurnUnit.h"

namespace corvanth {
namespace {

constexpr const char* kReminder =
    "Your crew reminds you that it wants to be paid (within the next 30 turns).";

class CrewTurn : public test::CrewTest {
  protected:
    static void Day() {
        ++G().TurnNumber;
        CrewTurnStep();
    }
    static int Count(test::UseLoggingBackend& log, const std::string& text) {
        return static_cast<int>(std::count(log.notices().begin(), log.notices().end(), text));
    }
};

// Ten mercenaries: wages 15 x 10 = 150 a turn, royalties 10 div 4 = 2 %: something is owed every
// turn, so the countdown runs down from the pay's 200.
TEST_F(CrewTurn, AnUnpaidCrewIsRemindedThenTurnsNervousThenAngryOnTheDay) {
    test::UseLoggingBackend log;
    GameUpcalls().KillCaptain = [] {};  // two unlucky falls can bring a mutiny early
    const auto start = std::make_unique<GameState>(G());
    int angryOnTime = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        G() = *start;
        Crew({0, 0, 10, 0, 0});
        Money() = 1000000;
        ASSERT_TRUE(PayCrew());
        Rng().SetSeed(seed);
        bool calm = true;  // no incident, no fall of its own before the countdown's
        for (int t = 1; t <= 360; ++t) {
            log.notices().clear();
            const int before = Fleet1()[Fleet::CrewPayCountdown], was = Fleet1()[Fleet::Morale];
            Day();
            const int countdown = Fleet1()[Fleet::CrewPayCountdown];
            const int morale = Fleet1()[Fleet::Morale];
            // 200 - 171 = 29: the first turn below 30.
            ASSERT_EQ(Count(log, kReminder), t == 171 ? 1 : 0) << seed << " " << t;
            ASSERT_EQ(morale, t <= 200 ? 0 : std::min(morale, -1));
            if (t == 201) {
                ASSERT_EQ(morale, -1);
                ASSERT_EQ(log.notices().front(),
                          "Your crew is nervous (Morale dropped to \"low\")!");
            }
            calm = calm && countdown == before - 1 && (t <= 201 || t >= 301 || morale == was);
            if (t == 301 && calm) {
                ASSERT_EQ(countdown, -101) << "seed " << seed;
                ASSERT_EQ(morale, -2);
                ASSERT_EQ(Count(log, "Your crew is angry (Morale dropped to \"angry\")!"), 1);
                ++angryOnTime;
            }
            ASSERT_TRUE(t < 301 || morale <= -2) << "seed " << seed << " turn " << t;
        }
    }
    EXPECT_GT(angryOnTime, 50);  // a 1 % fall a turn over 100 turns spares most runs
}

TEST_F(CrewTurn, DroidsOweNothingTheReminderWaitsForAPayAndTooFewCrewHoldAtAngry) {
    test::UseLoggingBackend log;
    Crew({0, 5, 0, 0, 0});
    Fleet1()[Fleet::CrewPayCountdown] = 40;
    for (int t = 0; t < 50; ++t) Day();
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 40);
    // Officers owe: the reminder once below 30, and not again before a pay lifts it above 30.
    Crew({4, 0, 0, 0, 0});
    Money() = 1000000;
    for (int t = 0; t < 15; ++t) Day();
    Fleet1()[Fleet::CrewPayCountdown] = 31;
    for (int t = 0; t < 5; ++t) Day();
    EXPECT_EQ(Count(log, kReminder), 1);
    ASSERT_TRUE(PayCrew());
    for (int t = 0; t < 171; ++t) Day();
    EXPECT_EQ(Count(log, kReminder), 2);
    // Overdue by more than 300 turns, but two hands short of the minimum: angry, not mutiny.
    Crew({0, 0, 2, 0, 0});
    Fleet1()[Fleet::CrewPayCountdown] = -400;
    Fleet1()[Fleet::Morale] = 0;
    Day();
    EXPECT_EQ(Fleet1()[Fleet::Morale], -2);
    EXPECT_EQ(Count(log,
                    "You do not have enough crew members and everyone needs to work double "
                    "shifts."),
              1);
}

// Drops to low, turn after turn: incidents by their chance in 2000 and their kinds in 100, told
// apart by how much further they push the countdown (murder 10, theft 5, dispute 30).
TEST_F(CrewTurn, IncidentsComeByFactionAndKindAndDoOnlyWhatTheShipAllows) {
    test::UseLoggingBackend log;
    Money() = 1000000;
    auto drops = [&](int faction, CrewCounts crew, int cargo, int turns) {
        std::array<int, 31> byPenalty{};
        Captain()[Player::Faction] = faction;
        for (int t = 0; t < turns; ++t) {
            Crew(crew);
            G().Cargo[3] = cargo;
            RecalcShipStats(1, 1, 0, 0);
            Fleet1()[Fleet::Morale] = 0;
            Fleet1()[Fleet::CrewPayCountdown] = -10;
            CrewTurnStep();
            const int penalty = -11 - Fleet1()[Fleet::CrewPayCountdown];
            EXPECT_TRUE(penalty == 0 || penalty == 5 || penalty == 10 || penalty == 30);
            ++byPenalty[std::clamp(penalty, 0, 30)];
            // After a theft the free room is what the ship's statistics give.
            const int32_t freeRoom = Fleet1()[Fleet::FreeCargo];
            RecalcShipStats(1, 1, 0, 0);
            EXPECT_EQ(Fleet1()[Fleet::FreeCargo], freeRoom);
        }
        return byPenalty;
    };
    // 20 in 2000 is 1 %: about 300 in 30,000; the Syndicate half as many, the Coalition 1.5 times.
    const auto fed = drops(FactionId::Federation, {0, 0, 10, 0, 0}, 50, 30000);
    const auto synd = drops(FactionId::Syndicate, {0, 0, 10, 0, 0}, 50, 30000);
    const auto coal = drops(FactionId::Coalition, {0, 0, 10, 0, 0}, 50, 30000);
    auto incidents = [](const std::array<int, 31>& p) { return p[5] + p[10] + p[30]; };
    EXPECT_NEAR(incidents(fed), 300, 60);
    EXPECT_NEAR(incidents(synd), 150, 40);
    EXPECT_NEAR(incidents(coal), 450, 70);
    const double all = incidents(fed) + incidents(synd) + incidents(coal);
    EXPECT_NEAR((fed[10] + synd[10] + coal[10]) * 100 / all, 26, 6);
    EXPECT_NEAR((fed[5] + synd[5] + coal[5]) * 100 / all, 25, 6);
    // Four mercenaries among droids cannot murder, an empty hold cannot be robbed.
    const auto few = drops(FactionId::Coalition, {0, 6, 4, 0, 0}, 0, 20000);
    EXPECT_EQ(few[5] + few[10], 0);
    EXPECT_GT(few[30], 50);
}

TEST_F(CrewTurn, AMutinyTakesALifePointThenEndsTheGameOnceAndTheTurnStopsThere) {
    test::UseLoggingBackend log;
    std::filesystem::remove(kHighscoreNumbersFile);
    Crew({0, 0, 10, 0, 0});
    Captain()[Player::LifePoints] = 1;
    Fleet1()[Fleet::CrewPayCountdown] = -1000;
    Fleet1()[Fleet::Morale] = -3;
    int laterSteps = 0;
    GameUpcalls().AdvanceTournaments = [&] { ++laterSteps; };
    const std::string death =
        "You cannot keep your crew calm anymore. One night they overwhelm you and literally cut "
        "you to pieces.";
    bool secondChance = false, ended = false;
    for (int t = 0; t < 2000 && !ended; ++t) {
        ended = test::FromHome(NextTurn);
        if (Count(log, death) == 1 && !ended) {
            secondChance = Ship1()[Ship::Present] == 1 && Fleet1()[Fleet::Morale] == -3;
            EXPECT_EQ(laterSteps, G().TurnNumber);  // that turn went on
        }
    }
    ASSERT_TRUE(GameEnded());
    EXPECT_TRUE(secondChance);
    EXPECT_EQ(Count(log, death), 2);
    EXPECT_EQ(laterSteps, G().TurnNumber - 1);  // the fatal turn stopped at the crew
    EXPECT_EQ(log.answered("TForm38"), 1);      // one score
    const int turn = G().TurnNumber;
    NextTurn();
    EXPECT_EQ(G().TurnNumber, turn);
}

// Whole turns with random crews, pay and cargo; the crew's state stays in its bounds every turn.
TEST_F(CrewTurn, TwentyThousandTurnsKeepMoraleFlagsCrewAndHoldInBounds) {
    test::UseLoggingBackend log;
    GameUpcalls().KillCaptain = [] {};
    std::mt19937 rng(19);
    Money() = 5000000;
    for (int t = 0; t < 20000; ++t) {
        if (t % 250 == 0) {
            Crew({int32_t(rng() % 6), int32_t(rng() % 4), int32_t(rng() % 10), int32_t(rng() % 4),
                  int32_t(rng() % 8)});
            G().Cargo = {};
            for (int k = 0; k < 3; ++k) G().Cargo[1 + rng() % 20] = int32_t(rng() % 12);
            if (rng() % 3 == 0) PayCrew();
        }
        NextTurn();
        const GameRecord& fleet = Fleet1();
        ASSERT_TRUE(fleet[Fleet::Morale] >= -3 && fleet[Fleet::Morale] <= 0);
        for (int f : {Fleet::PayReminderShown, Fleet::TooFewCrewWarningShown,
                      Fleet::TooManyCrewWarningShown})
            ASSERT_TRUE(fleet[f] == 0 || fleet[f] == 1);
        for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) ASSERT_GE(Ship1()[k], 0);
        for (int g = Good::First; g <= Good::Last; ++g) ASSERT_GE(G().Cargo[g], 0);
        for (int k = 1; k <= 6; ++k)
            ASSERT_GE(LocationRecord(FleetLocation())[Planet::HireableCrewBase + k], 0);
        const int32_t freeRoom = fleet[Fleet::FreeCargo];
        RecalcShipStats(1, 1, 0, 0);
        ASSERT_EQ(Fleet1()[Fleet::FreeCargo], freeRoom) << "turn " << t;
    }
}

// Each band of the crew's day with a worked example on either side of its edge. The countdown
// is lowered by one before it is read: 0 becomes -1, the first day of "low"; -100 becomes -101,
// "angry"; -300 becomes -301, "about to mutinee". The draws are set by the seed: a calm-down
// comes on Random(100) <= 5, the mutiny on Random(100) < 5, a further fall on Random(100) = 0,
// an incident on Random(2000) below 20 at "low" (40 at "angry"; the Syndicate halves it, the
// Coalition adds half), and its kind on Random(100): up to 25 a murder, up to 50 a theft, else
// a dispute, told apart by the countdown's penalty of 10, 5 or 30.
TEST_F(CrewTurn, EveryBandOfTheDayOnEitherSideOfItsEdge) {
    test::UseLoggingBackend log;
    int killed = 0;
    GameUpcalls().KillCaptain = [&] { ++killed; };
    const std::string low = "Your crew is nervous (Morale dropped to \"low\")!";
    const std::string angry = "Your crew is angry (Morale dropped to \"angry\")!";
    const std::string mutinee = "Your crew is about to mutinee!";
    const std::string calmed = "Your crew has calmed down!";
    const std::string mutiny =
        "You cannot keep your crew calm anymore. One night they overwhelm you and literally cut "
        "you to pieces.";
    struct Case {
        int faction, countdown, morale;
        uint32_t seed;
        int moraleAfter, countdownAfter;
        std::string notice;  // the first of the day, "" for none
        int killed;
        CrewCounts crew = {0, 0, 10, 0, 0};
        int contraband = 0;  // a good in the hold besides the legal Firearms (3)
    };
    using test::SeedWhere;
    auto seedOf = [](auto wanted) { return SeedWhere(wanted); };
    // Seeds whose first draws are those named; a quiet seed makes no incident and no mutiny.
    const uint32_t quiet = seedOf([](RandomGenerator& r) { return r.Next(2000) >= 60; });
    auto first100 = [&](int v) {
        return seedOf([v](RandomGenerator& r) { return r.Next(100) == v; });
    };
    auto incident = [&](int chance, int kind) {
        return seedOf(
            [=](RandomGenerator& r) { return r.Next(2000) == chance && r.Next(100) == kind; });
    };
    const int fed = FactionId::Federation, synd = FactionId::Syndicate, coal = FactionId::Coalition;
    const Case cases[] = {
        // The countdown's bands: after the day's step 0 is calm, -1 low, -101 angry, -301 worse.
        {fed, 1, 0, quiet, 0, 0, "", 0},
        {fed, 0, 0, quiet, -1, -1, low, 0},
        {fed, -99, 0, quiet, -1, -100, low, 0},
        {fed, -100, 0, quiet, -2, -101, angry, 0},
        {fed, -299, 0, quiet, -2, -300, angry, 0},
        {fed, -300, 0,
         seedOf([](RandomGenerator& r) { return r.Next(2000) >= 60 && r.Next(100) >= 5; }), -3,
         -301, mutinee, 0},
        // A calm-down to the target 0: draws 5 and 6.
        {fed, 100, -2, first100(5), 0, 99, calmed, 0},
        {fed, 100, -2, first100(6), -2, 99, "", 0},
        // The mutiny at -3: draws 4 and 5.
        {fed, -400, -3, first100(4), -3, -401, mutiny, 1},
        {fed, -400, -3, first100(5), -3, -401, "", 0},
        // A further fall from "low" at its target: draw 0 falls, 1 holds.
        {fed, -50, -1,
         seedOf([](RandomGenerator& r) { return r.Next(100) == 0 && r.Next(2000) >= 60; }), -2, -51,
         angry, 0},
        {fed, -50, -1, first100(1), -1, -51, "", 0},
        // Incidents at "low" (20 in 2000), "angry" (40), for the Syndicate (10) and the
        // Coalition (30); the kind's edges 25/26 and 50/51.
        {fed, 0, 0, incident(19, 51), -1, -1 - 30, low, 0},
        {fed, 0, 0, incident(20, 51), -1, -1, low, 0},
        {fed, -100, 0, incident(39, 51), -2, -101 - 30, angry, 0},
        {fed, -100, 0, incident(40, 51), -2, -101, angry, 0},
        {synd, 0, 0, incident(9, 51), -1, -1 - 30, low, 0},
        {synd, 0, 0, incident(10, 51), -1, -1, low, 0},
        {coal, 0, 0, incident(29, 51), -1, -1 - 30, low, 0},
        {coal, 0, 0, incident(30, 51), -1, -1, low, 0},
        {fed, 0, 0, incident(0, 25), -1, -1 - 10, low, 0},
        {fed, 0, 0, incident(0, 26), -1, -1 - 5, low, 0},
        {fed, 0, 0, incident(0, 50), -1, -1 - 5, low, 0},
        // Scoundrels at half the other crew make it nervous, one fewer does not, nor a
        // Syndicate crew; Weapons (16, banned) or Uranium (17, illegal) in a Federation hold
        // while the scoundrels are fewer than a quarter of the others; more crew than the
        // Ferendar's 12 places.
        {fed, 100, 0, quiet, -1, 99, low, 0, {0, 0, 4, 0, 2}},
        {fed, 100, 0, quiet, 0, 99, "", 0, {0, 0, 4, 0, 1}},
        {synd, 100, 0, quiet, 0, 99, "", 0, {0, 0, 4, 0, 2}},
        {fed, 100, 0, quiet, -1, 99, low, 0, {0, 0, 8, 0, 1}, 16},
        {fed, 100, 0, quiet, -1, 99, low, 0, {0, 0, 8, 0, 1}, 17},
        {fed, 100, 0, quiet, 0, 99, "", 0, {0, 0, 8, 0, 2}, 16},
        {fed,
         100,
         0,
         quiet,
         -2,
         99,
         "You have too many crewmembers and some of your men need to sleep on the floor.",
         0,
         {0, 0, 13, 0, 0}},
        {fed, 100, 0, quiet, 0, 99, "", 0, {0, 0, 12, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "countdown " << c.countdown << " morale " << c.morale
                                        << " seed " << c.seed);
        Crew(c.crew);
        G().Cargo = {};
        G().Cargo[3] = 20;  // something to steal
        if (c.contraband) G().Cargo[c.contraband] = 1;
        Captain()[Player::Faction] = c.faction;
        Fleet1()[Fleet::TooManyCrewWarningShown] = 0;
        Fleet1()[Fleet::CrewPayCountdown] = c.countdown;
        Fleet1()[Fleet::Morale] = c.morale;
        Fleet1()[Fleet::PayReminderShown] = 1;
        log.notices().clear();
        killed = 0;
        Rng().SetSeed(c.seed);
        Day();
        EXPECT_EQ(Fleet1()[Fleet::Morale], c.moraleAfter);
        EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], c.countdownAfter);
        EXPECT_EQ(log.notices().empty() ? "" : log.notices().front(), c.notice);
        EXPECT_EQ(killed, c.killed);
    }
}

}  // namespace
}  // namespace corvanth
