// The crew's day: the pay countdown and reminder, morale by the rules, incidents and the mutiny.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

#include "crew_support.h"
#include "shell/highscore.h"
#include "state/shipstats.h"
#include "travel/NextTurnUnit.h"

namespace corvanth {
namespace {

using test::CrewTest;

constexpr const char* kReminder =
    "Your crew reminds you that it wants to be paid (within the next 30 turns).";
constexpr const char* kNervous = "Your crew is nervous (Morale dropped to \"low\")!";
constexpr const char* kAngry = "Your crew is angry (Morale dropped to \"angry\")!";

class CrewTurn : public CrewTest {
  protected:
    // One turn of the crew alone: the day counter, then the crew's step.
    static void Day() {
        ++G().TurnNumber;
        CrewTurnStep();
    }
};

// Ten mercenaries: wages 15 x 10 = 150 a turn, royalties 10 div 4 = 2 %, so something is owed
// every turn and the countdown runs from the pay's 200.
TEST_F(CrewTurn, AnUnpaidCrewIsRemindedThenTurnsNervousThenAngryOnTheDay) {
    test::UseLoggingBackend log;
    // Two unlucky falls bring a mutiny before the countdown does: nobody dies of it here.
    CurrentTurnCalls().KillCaptain = [] {};
    const auto start = std::make_unique<GameState>(G());
    int angryOnTime = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        G() = *start;
        Crew({0, 0, 10, 0, 0});
        Money() = 1000000;
        G().TurnNumber = 500;
        ASSERT_TRUE(PayCrew());
        const int t0 = G().TurnNumber;
        Rng().SetSeed(seed);
        bool incident = false, fellEarly = false;
        for (int t = 1; t <= 360; ++t) {
            log.notices().clear();
            const int before = Fleet1()[Fleet::CrewPayCountdown];
            const int moraleBefore = Fleet1()[Fleet::Morale];
            Day();
            const int countdown = Fleet1()[Fleet::CrewPayCountdown];
            const int morale = Fleet1()[Fleet::Morale];
            const auto& n = log.notices();
            const bool reminded = std::count(n.begin(), n.end(), kReminder) == 1;
            // 200 - 171 = 29: the first turn below 30.
            ASSERT_EQ(reminded, t == 171) << "seed " << seed << " turn " << t;
            if (t <= 200) {
                ASSERT_EQ(morale, 0);
            }
            if (t == 201) {
                // The drop's turn may bring an incident: 10, 5 or 30 turns more overdue.
                ASSERT_TRUE(countdown == -1 || countdown == -11 || countdown == -6 ||
                            countdown == -31);
                ASSERT_EQ(morale, -1);
                ASSERT_EQ(n.front(), kNervous);
            }
            if (countdown != before - 1) incident = true;
            if (t > 201 && t < 301 && morale < moraleBefore) fellEarly = true;
            if (t == 300 && !incident && !fellEarly) {
                ASSERT_EQ(morale, -1);
            }
            if (t == 301 && !incident && !fellEarly) {
                ASSERT_EQ(countdown, -101) << "seed " << seed;
                ASSERT_EQ(morale, -2);
                ASSERT_EQ(std::count(n.begin(), n.end(), kAngry), 1);
                ++angryOnTime;
            }
            if (t >= 301) {
                ASSERT_LE(morale, -2) << "seed " << seed << " turn " << t;
            }
        }
        EXPECT_EQ(G().TurnNumber, t0 + 360);
    }
    // A 1 % fall a turn over 100 turns and a few incidents spare most of the 200 runs.
    EXPECT_GT(angryOnTime, 50);
}

TEST_F(CrewTurn, DroidsOweNothingTheReminderWaitsForAPayAndTooFewCrewHoldAtAngry) {
    test::UseLoggingBackend log;
    // Droids alone: nothing owed, the countdown stands still.
    Crew({0, 5, 0, 0, 0});
    Fleet1()[Fleet::CrewPayCountdown] = 40;
    for (int t = 0; t < 50; ++t) Day();
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 40);
    EXPECT_TRUE(log.notices().empty());

    // Officers owe; the reminder once below 30, not again at 25 ...
    Crew({4, 0, 0, 0, 0});
    Money() = 1000000;
    Day();
    Day();
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 38);
    for (int t = 0; t < 13; ++t) Day();
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 25);
    EXPECT_EQ(std::count(log.notices().begin(), log.notices().end(), kReminder), 1);
    // ... nor after a pay that left it at 30 or below, only after one that lifted it above.
    Fleet1()[Fleet::CrewPayCountdown] = 31;
    Day();  // 30: not above 30, still reminded
    Day();  // 29
    EXPECT_EQ(std::count(log.notices().begin(), log.notices().end(), kReminder), 1);
    ASSERT_TRUE(PayCrew());
    for (int t = 0; t < 171; ++t) Day();
    EXPECT_EQ(Fleet1()[Fleet::CrewPayCountdown], 29);
    EXPECT_EQ(std::count(log.notices().begin(), log.notices().end(), kReminder), 2);

    // Overdue by more than 300 turns would give a mutiny; two hands short of the minimum hold
    // the target at angry (the too-few rule sets it outright).
    Crew({0, 0, 2, 0, 0});
    Fleet1()[Fleet::CrewPayCountdown] = -400;
    Fleet1()[Fleet::Morale] = 0;
    log.notices().clear();
    Day();
    EXPECT_EQ(Fleet1()[Fleet::Morale], -2);
    EXPECT_EQ(log.notices().at(0),
              "You do not have enough crew members and everyone needs to work double shifts.");
    EXPECT_EQ(Fleet1()[Fleet::TooFewCrewWarningShown], 1);
}

// Each turn a drop to low (morale 0, countdown overdue): incidents come with c in 2000.
struct IncidentCount {
    int murders = 0, thefts = 0, disputes = 0, none = 0, staleRoom = 0;
};
IncidentCount CountIncidents(int faction, int turns) {
    IncidentCount c;
    G().Players[1][Player::Faction] = faction;
    for (int t = 0; t < turns; ++t) {
        GameRecord& fleet = G().Fleets[1];
        fleet[Fleet::Morale] = 0;
        fleet[Fleet::CrewPayCountdown] = -10;
        G().Ships[1][1][Ship::CrewMercenaries] = 10;
        G().Cargo[3] = 50;
        RecalcShipStats(1, 1, 0, 0);
        CrewTurnStep();
        // A theft leaves the free room as the ship's statistics give it.
        const int32_t freeRoom = fleet[Fleet::FreeCargo];
        RecalcShipStats(1, 1, 0, 0);
        c.staleRoom += fleet[Fleet::FreeCargo] != freeRoom;
        // The penalties tell the kinds apart: the step's own -1, then 10, 5 or 30 more.
        switch (-10 - 1 - fleet[Fleet::CrewPayCountdown]) {
            case 10:
                ++c.murders;
                break;
            case 5:
                ++c.thefts;
                break;
            case 30:
                ++c.disputes;
                break;
            default:
                ++c.none;
        }
    }
    return c;
}

TEST_F(CrewTurn, IncidentsComeByFactionAndKindAndDoOnlyWhatTheShipAllows) {
    test::UseLoggingBackend log;
    Crew({0, 0, 10, 0, 0});
    Money() = 1000000;
    RecalcShipStats(1, 1, 0, 0);
    // 20 in 2000 is 1 %: about 300 in 30,000 drops; Syndicate half, Coalition one and a half.
    const IncidentCount fed = CountIncidents(FactionId::Federation, 30000);
    const IncidentCount synd = CountIncidents(FactionId::Syndicate, 30000);
    const IncidentCount coal = CountIncidents(FactionId::Coalition, 30000);
    auto total = [](const IncidentCount& c) { return c.murders + c.thefts + c.disputes; };
    EXPECT_NEAR(total(fed), 300, 60);
    EXPECT_NEAR(total(synd), 150, 40);
    EXPECT_NEAR(total(coal), 450, 70);
    // Kinds 26 / 25 / 49 in 100, over all of them together.
    const int all = total(fed) + total(synd) + total(coal);
    const int murders = fed.murders + synd.murders + coal.murders;
    const int thefts = fed.thefts + synd.thefts + coal.thefts;
    EXPECT_NEAR(murders * 100.0 / all, 26, 6);
    EXPECT_NEAR(thefts * 100.0 / all, 25, 6);

    EXPECT_EQ(fed.staleRoom + synd.staleRoom + coal.staleRoom, 0);
    EXPECT_LT(G().Cargo[3] + 0, 51);

    // Four mercenaries and droids: a murder needs five who are not droids. An empty hold: no
    // theft. Over many drops only disputes ever change anything.
    G().Players[1][Player::Faction] = FactionId::Coalition;
    G().Cargo = {};
    RecalcShipStats(1, 1, 0, 0);
    int disputes = 0;
    for (int t = 0; t < 20000; ++t) {
        Fleet1()[Fleet::Morale] = 0;
        Fleet1()[Fleet::CrewPayCountdown] = -10;
        Crew({0, 6, 4, 0, 0});
        CrewTurnStep();
        ASSERT_EQ(Ship1()[Ship::CrewMercenaries], 4);
        ASSERT_EQ(Ship1()[Ship::CrewDroids], 6);
        const int penalty = -11 - Fleet1()[Fleet::CrewPayCountdown];
        ASSERT_TRUE(penalty == 0 || penalty == 30) << penalty;
        disputes += penalty == 30;
    }
    EXPECT_GT(disputes, 50);
}

TEST_F(CrewTurn, AMutinyTakesALifePointThenEndsTheGameOnceAndTheTurnStopsThere) {
    test::UseLoggingBackend log;
    std::filesystem::remove(kHighscoreNumbersFile);
    Crew({0, 0, 10, 0, 0});
    Money() = 1000000;
    Captain()[Player::LifePoints] = 1;
    Fleet1()[Fleet::CrewPayCountdown] = -1000;
    Fleet1()[Fleet::Morale] = -3;
    int laterSteps = 0;
    CurrentTurnCalls().AdvanceTournaments = [&] { ++laterSteps; };
    int deathsSeen = 0, turnsAfterSecondChance = 0;
    for (int t = 0; t < 2000 && !GameEnded(); ++t) {
        const int turn = G().TurnNumber;
        NextTurn();
        ASSERT_EQ(G().TurnNumber, turn + 1);
        const int deaths = static_cast<int>(std::count(
            log.notices().begin(), log.notices().end(),
            "You cannot keep your crew calm anymore. One night they overwhelm you and literally "
            "cut you to pieces."));
        if (deaths == 1 && !GameEnded()) {
            // The second chance: the ship is back, the crew still mutinous, the turn went on.
            EXPECT_EQ(Ship1()[Ship::Present], 1);
            EXPECT_EQ(Captain()[Player::LifePoints], 0);
            EXPECT_EQ(Fleet1()[Fleet::Morale], -3);
            ++turnsAfterSecondChance;
        }
        deathsSeen = deaths;
        if (!GameEnded()) {
            EXPECT_EQ(laterSteps, G().TurnNumber);
        }
    }
    ASSERT_TRUE(GameEnded());
    EXPECT_EQ(deathsSeen, 2);
    EXPECT_GE(turnsAfterSecondChance, 1);
    // The fatal turn stopped at the crew: the tournaments after it never ran.
    EXPECT_EQ(laterSteps, G().TurnNumber - 1);
    EXPECT_EQ(Ship1()[Ship::Present], 0);
    // One score, entered once.
    EXPECT_EQ(log.answered("TForm38"), 1);
    const int turn = G().TurnNumber;
    NextTurn();
    EXPECT_EQ(G().TurnNumber, turn);
}

// Whole turns with random crews, pay and cargo; the crew's state stays in its bounds every turn.
TEST_F(CrewTurn, TwentyThousandTurnsKeepMoraleFlagsCrewAndHoldInBounds) {
    test::UseLoggingBackend log;
    CurrentTurnCalls().KillCaptain = [] { G().Ships[1][1][Ship::Present] = 1; };
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
        ASSERT_FALSE(GameEnded());
        const GameRecord& fleet = Fleet1();
        ASSERT_GE(fleet[Fleet::Morale], -3);
        ASSERT_LE(fleet[Fleet::Morale], 0);
        for (int flag : {Fleet::PayReminderShown, Fleet::TooFewCrewWarningShown,
                         Fleet::TooManyCrewWarningShown})
            ASSERT_TRUE(fleet[flag] == 0 || fleet[flag] == 1);
        for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) ASSERT_GE(Ship1()[k], 0);
        for (int g = Good::First; g <= Good::Last; ++g) ASSERT_GE(G().Cargo[g], 0);
        const GameRecord& here = LocationRecord(FleetSystem(), FleetLocation());
        for (int k = 1; k <= 6; ++k) ASSERT_GE(here[Planet::HireableCrewBase + k], 0);
        const int32_t freeRoom = fleet[Fleet::FreeCargo];
        RecalcShipStats(1, 1, 0, 0);
        ASSERT_EQ(Fleet1()[Fleet::FreeCargo], freeRoom) << "turn " << t;
    }
}

}  // namespace
}  // namespace corvanth
