// The per-turn check of systems changing hands, and the war news it brings.
#include "career/warstatus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "career/Promotion.h"
#include "career/UMessage7.h"
#include "career/news.h"
#include "shell/background.h"
#include "shell/highscore.h"
#include "shell/retire.h"
#include "shell/shell_fixture.h"
#include "state/UMessage1.h"
#include "state/UMessage4.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/draws.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"
#include "travel/turn_fixture.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kFed = FactionId::Federation;
constexpr int kRim = FactionId::OuterRimAlliance;  // at war with the Federation at the start
constexpr int kSyn = FactionId::Syndicate;

// CheckSystemConquests over the catalogue world: New Arabia (system 9, Syndicate) has the planets
// 1..4 and jump points 7, 10, 11. No system of a new game is split, so only what a test changes
// draws.
class SystemConquests : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        InitGameData();
    }
    void OwnPlanets(int owner) {
        for (int l = 1; l <= 4; ++l) g.Planets[9][l][Planet::Owner] = owner;
    }
    // How many draws the generator took since it stood at `from`.
    static int DrawsSince(uint32_t from) {
        return static_cast<int>(test::DrawsBetween(from, Rng().Seed(), 1000));
    }
    GameState& g = G();
};

TEST_F(SystemConquests, LastPlanetTakenByTheCaptainsFactionConquersTheSystem) {
    OwnPlanets(kFed);
    // Firearms on New Riyadh under the Syndicate: New Quatar 1; New Berlin is at war, Moor and
    // New Moscow have none; two jumps New Kimberley 1 and New Arabia twice, 3 div 4 = 0: level 1.
    ASSERT_EQ(g.Markets[9][1][3][Market::Price], 400);
    player().Click("TMessage4", "SpeedButton1").Click("TForm42", "SpeedButton2");
    const uint32_t seed = Rng().Seed();
    CheckSystemConquests();
    EXPECT_EQ(DrawsSince(seed), 0);

    EXPECT_EQ(g.StarSystems[9][StarSystem::Owner], kFed);
    for (int l : {1, 4, 7, 10, 11}) EXPECT_EQ(g.Planets[9][l][Planet::Owner], kFed) << l;
    EXPECT_EQ(g.Factions[kFed][Faction::RelationBase + kSyn], 1);
    EXPECT_EQ(g.Factions[kSyn][Faction::RelationBase + kFed], 1);
    // Earned by the conquest and shown at once by the promotion check that follows the news.
    EXPECT_EQ(g.Factions[kFed][Faction::GoldStar], 1);
    EXPECT_EQ(player().LastSeen("TForm42")->Text("Label3"), "\"Gold Nova\"");
    // Repriced for the Federation, now at cease-fire with the Syndicate: New Quatar 1; New Berlin
    // (Coalition, at peace) 2, Moor and New Moscow 0, halved 1; two jumps: New Manchester 3,
    // New Arabia 1 three times, New France 3, Hope 2 (New Light), New Kimberley (Outer Rim, at
    // war) 0: 11 div 4 = 2. Level 4.
    EXPECT_EQ(g.Markets[9][1][3][Market::Price], 50);

    const ui::Snapshot* news = player().LastSeen("TMessage4");
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->Text("Label2"), "News");
    EXPECT_EQ(news->Picture("Image1"), "news.jpg");
    // The hero is the captain's rank in his faction before his name.
    const std::string hero =
        g.RankNames[kFed][g.Factions[kFed][Faction::Rank]].str() + " " + g.CaptainNames[1].str();
    EXPECT_EQ(news->Text("Memo1"),
              "Lead by the known war hero " + hero + " the " + g.FactionNames[kFed].str() +
                  " was able to conquer the New Arabia system. Shocked by the fact that a captain "
                  "with a single ship can successfully overcome a complete sector defense force "
                  "the " +
                  g.FactionNames[kSyn].str() + " asks for a cease-fire, which is accepted.");

    // The next check finds nothing to do.
    CheckSystemConquests();
    EXPECT_EQ(player().TimesSeen("TMessage4"), 1);
}

TEST_F(SystemConquests, SystemLostToAnotherFactionPassesToNoOne) {
    OwnPlanets(kRim);
    const uint32_t seed = Rng().Seed();
    CheckSystemConquests();
    EXPECT_EQ(DrawsSince(seed), 0);
    EXPECT_EQ(g.StarSystems[9][StarSystem::Owner], kSyn);
    EXPECT_EQ(g.Planets[9][1][Planet::Owner], kRim);
    EXPECT_EQ(player().TimesSeen("TMessage4"), 0);
}

TEST_F(SystemConquests, SplitSystemDrawsOncePerHeldPlanetUntilARecapture) {
    // Three planets still held, one taken: three draws of Random(20000), none below 2 here,
    // the first just at 2.
    g.Planets[9][1][Planet::Owner] = kFed;
    uint32_t quiet = 1;
    for (;; ++quiet) {
        RandomGenerator r;
        r.SetSeed(quiet);
        if (r.Next(20000) == 2 && r.Next(20000) >= 2 && r.Next(20000) >= 2) break;
    }
    Rng().SetSeed(quiet);
    CheckSystemConquests();
    EXPECT_EQ(DrawsSince(quiet), 3);
    EXPECT_EQ(g.Planets[9][1][Planet::Owner], kFed);
    EXPECT_EQ(player().TimesSeen("TMessage4"), 0);

    // A seed whose second draw is 1: the system is recaptured and the draws stop there.
    uint32_t lucky = 1;
    for (;; ++lucky) {
        RandomGenerator r;
        r.SetSeed(lucky);
        if (r.Next(20000) >= 2 && r.Next(20000) == 1) break;
    }
    Rng().SetSeed(lucky);
    player().Click("TMessage4", "SpeedButton1");
    CheckSystemConquests();
    EXPECT_EQ(DrawsSince(lucky), 2);
    EXPECT_EQ(g.Planets[9][1][Planet::Owner], kSyn);
    EXPECT_EQ(g.StarSystems[9][StarSystem::Owner], kSyn);
    const ui::Snapshot* news = player().LastSeen("TMessage4");
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->Text("Label2"), "News");
    EXPECT_EQ(news->Picture("Image1"), "news.jpg");
    EXPECT_EQ(news->Text("Memo1"), "The " + g.FactionNames[kSyn].str() +
                                       " has moved significant reinforcements to the New Arabia "
                                       "system and captured all planets taken of the known " +
                                       g.CaptainNames[1].str() + " back.");
    // Recapture makes no peace.
    EXPECT_EQ(g.Factions[kFed][Faction::RelationBase + kSyn], 2);
}

TEST_F(SystemConquests, ACapturedPlanetIsNewsMovesTheScoreAtTimesAndRunsOneTurn) {
    GameUpcalls() = test::QuietUpcalls();
    g.Players[1][Player::Faction] = kFed;
    g.Planets[9][1][Planet::Owner] = kFed;
    const int turn = g.TurnNumber;
    const std::string hero =
        g.RankNames[kFed][g.Factions[kFed][Faction::Rank]].str() + " " + g.CaptainNames[1].str();
    player().Click("TMessage4", "SpeedButton1");
    NewsPlanetCaptured(9, 1);
    GameUpcalls() = StandardUpcalls();
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Memo1"),
              "A expedition force of the " + g.FactionNames[kFed].str() + " under the command of " +
                  hero + " captured " + g.PlanetNames[9][1].str() + " in the New Arabia system.");
    EXPECT_EQ(g.TurnNumber, turn + 1);
    const int score = g.Factions[kFed][Faction::WarScoreBase + kSyn];
    EXPECT_TRUE(score == 0 || score == 1);
    EXPECT_EQ(g.Factions[kSyn][Faction::WarScoreBase + kFed], -score);
}

// WarTurnStep on the catalogue world, turned into a small front: the Federation (a) at war with
// the Outer Rim (d), everything else held by the Syndicate.
class WarRules : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // A seed of its own: what a case sees does not hang on the cases run before it.
        Rng().SetSeed(20260101);
        InitGameData();
        g.Players[1][Player::Faction] = kSyn;
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 5; ++o) g.Factions[f][Faction::RelationBase + o] = 1;
        // One direction only: the Outer Rim never strikes back, so only a's raids move anything.
        g.Factions[kFed][Faction::RelationBase + kRim] = 2;
        capital = g.Factions[kRim][Faction::CapitalSystem];
        for (int s = 1; s <= 26; ++s) {
            if (s != capital && target == 0 && !JumpTargets(s).empty()) target = s;
            g.StarSystems[s][StarSystem::Owner] = kSyn;
        }
        g.StarSystems[capital][StarSystem::Owner] = kRim;
        g.StarSystems[target][StarSystem::Owner] = kRim;
        SetSystemOwnerToPlanets(capital);
        SetSystemOwnerToPlanets(target);
        // The Federation holds a system next to the capital only.
        for (int t : JumpTargets(capital))
            if (t != target && !IsTargetOf(target, t)) {
                Give(t, kFed);
                break;
            }
    }
    std::vector<int> JumpTargets(int s) {
        std::vector<int> out;
        for (int l = 1; l <= 35; ++l)
            if (g.Planets[s][l][Planet::Exists] >= 1 && g.Planets[s][l][Planet::Kind] == 2)
                out.push_back(g.Planets[s][l][Planet::JumpTarget]);
        return out;
    }
    bool IsTargetOf(int s, int t) {
        for (int x : JumpTargets(s))
            if (x == t) return true;
        return false;
    }
    void Give(int s, int f) {
        g.StarSystems[s][StarSystem::Owner] = f;
        SetSystemOwnerToPlanets(s);
    }
    void Score(int points) {
        g.Factions[kFed][Faction::WarScoreBase + kRim] = points;
        g.Factions[kRim][Faction::WarScoreBase + kFed] = -points;
    }
    GameState& g = G();
    int capital = 0, target = 0;
};

TEST_F(WarRules, OnlyASystemBehindTheFrontIsTakenAndScoresBelowTheMarginNeverMove) {
    g.Players[1][Player::HideWarNews] = 1;
    // The capital borders the Federation, the other system does not: neither is ever a target,
    // even with the score that conquers.
    Score(3);
    for (int turn = 0; turn < 400; ++turn) WarTurnStep();
    EXPECT_EQ(g.StarSystems[capital][StarSystem::Owner], kRim);
    EXPECT_EQ(g.StarSystems[target][StarSystem::Owner], kRim);
    EXPECT_EQ(g.Factions[kFed][Faction::WarScoreBase + kRim], 3);

    // A jump point of the target now leads into Federation space: a raid at 3 conquers it.
    for (int t : JumpTargets(target))
        if (t != capital) {
            Give(t, kFed);
            break;
        }
    int turns = 0;
    while (g.StarSystems[target][StarSystem::Owner] == kRim && turns < 3000) {
        Score(3);
        WarTurnStep();
        ++turns;
    }
    ASSERT_EQ(g.StarSystems[target][StarSystem::Owner], kFed) << turns;
    EXPECT_EQ(g.Factions[kFed][Faction::RelationBase + kRim], 1);
    EXPECT_EQ(g.Factions[kRim][Faction::RelationBase + kFed], 1);
    for (int l = 1; l <= 35; ++l) {
        if (g.Planets[target][l][Planet::Exists] >= 1) {
            EXPECT_EQ(g.Planets[target][l][Planet::Owner], kFed) << l;
        }
    }
    EXPECT_EQ(g.StarSystems[capital][StarSystem::Owner], kRim);
    // The markets were priced after the planets changed hands: pricing again changes nothing.
    const auto markets = std::make_unique<decltype(g.Markets)>(g.Markets);
    UpdateMarketPrices();
    EXPECT_TRUE(*markets == g.Markets);

    // At -10 the attacker never gets past the margin: y is at most 19, -10 + 10 = 0 <= y.
    Give(target, kRim);
    g.Factions[kFed][Faction::RelationBase + kRim] = 2;
    Score(-10);
    for (int turn = 0; turn < 600; ++turn) WarTurnStep();
    EXPECT_EQ(g.Factions[kFed][Faction::WarScoreBase + kRim], -10);
    EXPECT_EQ(g.StarSystems[target][StarSystem::Owner], kRim);
}

TEST_F(WarRules, APlanetWithoutFacilitiesGivesConvoyOrSwiftStrikeNewsAndLosesNothing) {
    test::UseAnsweringBackend answering;
    for (int t : JumpTargets(target))
        if (t != capital) {
            Give(t, kFed);
            break;
        }
    for (int l = 1; l <= 35; ++l)
        for (int k = 1; k <= 7; ++k) g.Planets[target][l][Planet::FacilityBase + k] = 0;
    for (int turn = 0; turn < 3000; ++turn) {
        Score(0);
        Give(target, kRim);
        g.Factions[kFed][Faction::RelationBase + kRim] = 2;
        WarTurnStep();
    }
    int convoys = 0, strikes = 0;
    for (const ui::Snapshot& shot : answering.backend().seen) {
        if (shot.form != "TMessage7") continue;
        const std::string& news = shot.Text("Memo1");
        EXPECT_EQ(news.find("It will take some time"), std::string::npos) << news;
        convoys += news.rfind("The attack on supply convoys of the", 0) == 0;
        strikes += news.rfind("A swift strike of " + FactionName(kFed) + " forces", 0) == 0;
    }
    EXPECT_GT(convoys, 0);
    EXPECT_GT(strikes, 0);
    for (int l = 1; l <= 35; ++l)
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(g.Planets[target][l][Planet::DestroyedFacilityBase + k], 0);
}

// A search that cannot find makes all of its 100,001 draws, one that can stops at its find: the
// day of one warring pair, counted draw by draw from the rules. x = Random(200) (the Federation
// holds one system), then Random(26) until the target, Random(35) until a planet of the Outer
// Rim there, Random(7) + 1 until a kind it has; a raid (x below 5) would draw on, so seeds whose
// x is below 5 are passed over.
TEST_F(WarRules, SearchesThatCannotFindTakeAllTheirDrawsAndTheOthersStopAtTheirFind) {
    g.Players[1][Player::HideWarNews] = 1;
    auto drawsOfTheDay = [&](uint32_t seed) {
        Rng().SetSeed(seed);
        WarTurnStep();
        return test::DrawsBetween(seed, Rng().Seed(), 1000000);
    };
    // Until `wanted` comes up, from the draw after `walk`'s seed; the draws taken.
    auto until = [](RandomGenerator& walk, int range, auto wanted) {
        int64_t n = 1;
        while (!wanted(walk.Next(range))) ++n;
        return n;
    };
    // No system of the Outer Rim lies on the front: x and one failed search.
    for (uint32_t seed = 1; seed <= 5; ++seed) EXPECT_EQ(drawsOfTheDay(seed), 1 + 100001);

    for (int t : JumpTargets(target))
        if (t != capital) {
            Give(t, kFed);
            break;
        }
    // The target's planets all belong to the Syndicate: the planet search fails, and the
    // facility search with no planet after it.
    std::vector<int> planets;
    for (int l = 1; l <= 35; ++l)
        if (g.Planets[target][l][Planet::Exists] >= 1 && g.Planets[target][l][Planet::Kind] == 1)
            planets.push_back(l);
    ASSERT_FALSE(planets.empty());
    for (int l : planets) g.Planets[target][l][Planet::Owner] = kSyn;
    int checked = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        RandomGenerator walk;
        walk.SetSeed(seed);
        if (walk.Next(200) < 5) continue;
        const int64_t k = until(walk, 26, [&](int s) { return s == target; });
        EXPECT_EQ(drawsOfTheDay(seed), 1 + k + 100001 + 100001) << seed;
        ++checked;
    }
    // The planets are the Outer Rim's again but have no facilities: only the last search fails.
    for (int l : planets) {
        g.Planets[target][l][Planet::Owner] = kRim;
        for (int f = 1; f <= 7; ++f) g.Planets[target][l][Planet::FacilityBase + f] = 0;
    }
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        RandomGenerator walk;
        walk.SetSeed(seed);
        if (walk.Next(200) < 5) continue;
        const int64_t k = until(walk, 26, [&](int s) { return s == target; });
        const int64_t j = until(walk, 35, [&](int l) {
            return std::find(planets.begin(), planets.end(), l) != planets.end();
        });
        EXPECT_EQ(drawsOfTheDay(seed), 1 + k + j + 100001) << seed;
        ++checked;
    }
    EXPECT_GT(checked, 60);
    // x is drawn below 200 while the attacker holds up to 4 systems, 300 up to 8, 500 up to 12,
    // then 5000; 5 ends the day with its searches, 4 goes on to the raid's draws.
    const int ranges[][2] = {{0, 200}, {4, 200},  {5, 300},   {8, 300},
                             {9, 500}, {12, 500}, {13, 5000}, {20, 5000}};
    for (const auto& [held, bound] : ranges) EXPECT_EQ(RaidDrawRange(held), bound) << held;
    for (int x : {5, 4}) {
        const uint32_t seed = test::SeedWhere([x](RandomGenerator& r) { return r.Next(200) == x; });
        RandomGenerator walk;
        walk.SetSeed(seed);
        walk.Next(200);
        const int64_t k = until(walk, 26, [&](int s) { return s == target; });
        const int64_t j = until(walk, 35, [&](int l) {
            return std::find(planets.begin(), planets.end(), l) != planets.end();
        });
        if (x == 5) {
            EXPECT_EQ(drawsOfTheDay(seed), 1 + k + j + 100001);
        } else {
            EXPECT_GT(drawsOfTheDay(seed), 1 + k + j + 100001);
        }
    }
}

// The 21 news of a raid, each at both ends of its band of z, word for word as the war's table
// gives them, for the Syndicate's mines raid on Mars in the Sol system of the Outer Rim Alliance.
TEST(RaidNews, EveryNewsOfTheTableWordForWord) {
    const RaidNames names{"Syndicate", "Outer Rim Alliance", "Sol", "Mars", "mines"};
    struct Band {
        int from, to;
        const char* news;
    };
    const Band table[] = {
        {0, 5,
         "A high ranked officer of the Outer Rim Alliance has been killed in battle by forces of "
         "the Syndicate."},
        {6, 10,
         "Yesterday a high ranked officer of the Outer Rim Alliance has been assassinated. The "
         "assassin could not be caught."},
        {11, 15,
         "A few hours ago an important politician of the Outer Rim Alliance has found murdered in "
         "his office. Circumstances remain unclear."},
        {16, 20,
         "A few hours ago a famous scientist of the Outer Rim Alliance has been reported missing. "
         "Circumstances remain unclear."},
        {21, 25,
         "A espionage mission of Syndicate agents in territory of the Outer Rim Alliance has been "
         "successful."},
        {26, 30,
         "The counter-intelligence service of the Syndicate has busted a Outer Rim Alliance "
         "agent."},
        {31, 35,
         "The attempt of a/an Outer Rim Alliance agent to leak important information of the "
         "Syndicate has been prevented."},
        {36, 40, "A new fleet combat doctrine has improved the effectiveness of Syndicate forces."},
        {41, 45,
         "The government of the Syndicate has granted new investments for spaceships in their "
         "attempt to win the war against the Outer Rim Alliance."},
        {46, 50,
         "The Syndicate has announced the forming of a new Marine division to be deployed at the "
         "Outer Rim Alliance border."},
        {51, 55, "The Syndicate revises their officer training."},
        {56, 60,
         "The attack on supply convoys of the Outer Rim Alliance has increased in the last month. "
         "Officials blame Syndicate forces."},
        {61, 65,
         "The Syndicate attempt to disturb the supply lines of the Outer Rim Alliance has been "
         "successful."},
        {66, 70,
         "A high ranked Outer Rim Alliance officer is accused of war crimes and has been "
         "suspended until all evidence has been has checked."},
        {71, 75,
         "A major Outer Rim Alliance convoi with supplies has been intercepted by Syndicate forces "
         "in the Sol system."},
        {76, 80,
         "The Syndicate fleet has won a major battle against Outer Rim Alliance forces in the Sol "
         "system."},
        {81, 85,
         "Forces of the Outer Rim Alliance have suffered a serious defeat against the Syndicate "
         "in the Sol system."},
        {86, 90,
         "Forces of the Syndicate and the Outer Rim Alliance have clashed togeher in the Sol "
         "system."},
        {91, 95,
         "During an attack of Syndicate forces all mines on Mars in the Sol system were "
         "destroyed. It will take some time to build them up again."},
        {96, 100,
         "An undercover mission of Syndicate agents leads to the destruction of all mines on Mars "
         "in the Sol system. It will take some time to build them up again."},
        {101, 105,
         "Syndicate forces have raided the mines on Mars in the Sol system. It will take some "
         "time to build them up again."},
    };
    ASSERT_EQ(std::size(table), 21u);
    for (const Band& band : table)
        for (int z : {band.from, band.to}) EXPECT_EQ(RaidNews(names, z), band.news) << "z " << z;
    // No facility found: the three facility news become the swift strike.
    RaidNames none = names;
    none.facility.clear();
    for (int z : {91, 95, 96, 100, 101, 105})
        EXPECT_EQ(RaidNews(none, z),
                  "A swift strike of Syndicate forces does significant damage to the defenders "
                  "of the Outer Rim Alliance.")
            << "z " << z;
    // The space events each news places, with a facility destroyed and without one: a convoy
    // (71..75) one, a battle (76..90) four, a destroyed facility (91..105) one.
    const int events[][3] = {{0, 0, 0},  {70, 0, 0}, {71, 1, 1}, {75, 1, 1}, {76, 4, 4},
                             {90, 4, 4}, {91, 1, 0}, {95, 1, 0}, {105, 1, 0}};
    for (const auto& [z, destroyed, nothing] : events) {
        EXPECT_EQ(RaidSpaceEvents(z, true), destroyed) << "z " << z;
        EXPECT_EQ(RaidSpaceEvents(z, false), nothing) << "z " << z;
    }
}

TEST_F(WarRules, RebuildingBringsBackAtMostOneFacilityPerKindAndPlaceAndTouchesNothingElse) {
    GameRecord& p = g.Planets[target][1];
    for (int k = 1; k <= 7; ++k) p[Planet::DestroyedFacilityBase + k] = 5;
    // A stray value past the seven kinds is no destroyed facility: crew, raid waves and plunder
    // turns (fields 19..31) are not facility counts.
    p[Planet::DestroyedFacilityBase + 8] = 5;
    const GameRecord before = p;
    for (int turn = 0; turn < 400; ++turn) {
        const GameRecord last = p;
        RebuildFacilities();
        for (int k = 1; k <= 7; ++k) {
            const int rebuilt = p[Planet::FacilityBase + k] - last[Planet::FacilityBase + k];
            ASSERT_TRUE(rebuilt == 0 || rebuilt == 1) << turn;
            ASSERT_EQ(p[Planet::DestroyedFacilityBase + k],
                      last[Planet::DestroyedFacilityBase + k] - rebuilt);
        }
        for (int f = 19; f <= 31; ++f) ASSERT_EQ(p[f], before[f]) << f;
    }
    // 400 turns at 5 in 100: all five of each kind are back.
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(p[Planet::DestroyedFacilityBase + k], 0) << k;
    EXPECT_EQ(p[Planet::DestroyedFacilityBase + 8], 5);
    // One destroyed facility left in the galaxy, one draw: 4 brings it back, 5 does not.
    p[Planet::DestroyedFacilityBase + 8] = 0;
    for (int r : {4, 5}) {
        p[Planet::DestroyedFacilityBase + 3] = 1;
        p[Planet::FacilityBase + 3] = 0;
        Rng().SetSeed(test::SeedWhere([r](RandomGenerator& w) { return w.Next(100) == r; }));
        RebuildFacilities();
        EXPECT_EQ(p[Planet::FacilityBase + 3], r == 4 ? 1 : 0) << r;
    }
}

// Diplomacy over the catalogue world, with the news switched off unless a case looks at them.
class Diplomacy : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        InitGameData();
        g.Players[1][Player::Faction] = kFed;
        g.Players[1][Player::HideWarNews] = 1;
        g.TurnNumber = 100;
    }
    void SetAll(int relation) {
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 4; ++o)
                g.Factions[f][Faction::RelationBase + o] = f == o ? 1 : relation;
    }
    // Relations in pairs, and 1 toward itself.
    void ExpectPairs() {
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 4; ++o)
                ASSERT_EQ(g.Factions[f][Faction::RelationBase + o],
                          f == o ? 1 : g.Factions[o][Faction::RelationBase + f]);
    }
    static bool Bordered(int a, int b) {
        return FactionsShareBorder(a, b) && FactionsShareBorder(b, a);
    }
    // The draws one call takes: 1 when no change is tried, 3 when one is.
    static int DrawsOfOneCall() {
        RandomGenerator r;
        r.SetSeed(Rng().Seed());
        UpdateDiplomacy();
        for (int n = 0; n < 10; ++n) {
            if (r.Seed() == Rng().Seed()) return n;
            r.Next(1);
        }
        return -1;
    }
    GameState& g = G();
};

TEST_F(Diplomacy, ChancesThresholdsFrontsAndSurrenderedFactions) {
    // Before turn 50 nothing is tried, but a war without a border still ends.
    g.TurnNumber = 10;
    SetAll(2);
    ASSERT_EQ(DrawsOfOneCall(), 1);
    ExpectPairs();
    for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b)
            if (a != b && (!FactionsShareBorder(a, b) || !FactionsShareBorder(b, a))) {
                EXPECT_EQ(g.Factions[a][Faction::RelationBase + b], 1) << a << b;
            }
    for (int turn = 0; turn < 300; ++turn) ASSERT_EQ(DrawsOfOneCall(), 1);

    // 40 in 100 while the captain's faction fights nobody, 8 in 100 while it is at war.
    g.TurnNumber = 100;
    Rng().SetSeed(4242);
    int tried = 0;
    for (int turn = 0; turn < 4000; ++turn) {
        SetAll(1);
        tried += DrawsOfOneCall() == 3;
        ASSERT_NO_FATAL_FAILURE(ExpectPairs());
    }
    EXPECT_NEAR(tried / 4000.0, 0.40, 0.03);
    int atWar = 0;
    for (int b = 2; b <= 4; ++b) atWar = atWar == 0 && Bordered(1, b) ? b : atWar;
    ASSERT_NE(atWar, 0);
    tried = 0;
    for (int turn = 0; turn < 4000; ++turn) {
        SetAll(1);
        g.Factions[1][Faction::RelationBase + atWar] =
            g.Factions[atWar][Faction::RelationBase + 1] = 2;
        tried += DrawsOfOneCall() == 3;
        ASSERT_NO_FATAL_FAILURE(ExpectPairs());
    }
    EXPECT_NEAR(tried / 4000.0, 0.08, 0.015);

    // A war on a single front is never given up by chance.
    for (int turn = 0; turn < 3000; ++turn) {
        SetAll(1);
        g.Factions[1][Faction::RelationBase + atWar] =
            g.Factions[atWar][Faction::RelationBase + 1] = 2;
        UpdateDiplomacy();
        ASSERT_EQ(g.Factions[1][Faction::RelationBase + atWar], 2) << turn;
    }

    // After the victory the surrendered never go back to war.
    SetAll(1);
    for (int f = 2; f <= 4; ++f) g.Factions[f][Faction::Surrendered] = 1;
    for (int turn = 0; turn < 3000; ++turn) {
        UpdateDiplomacy();
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 4; ++o) ASSERT_EQ(g.Factions[f][Faction::RelationBase + o], 1);
    }
    // Switched-off news change nothing but the dialog.
    EXPECT_EQ(player().Seen().size(), 0u);
}

TEST_F(Diplomacy, TheWarStatusScreenShowsTheOtherThreeInOrder) {
    test::LinkGameArt(std::filesystem::current_path());
    g.Players[1][Player::Faction] = kSyn;
    GameRecord& syn = g.Factions[kSyn];
    syn[Faction::WarScoreBase + kFed] = -11;  // below the scale: the worst text
    syn[Faction::WarScoreBase + kRim] = 4;    // above it: the best
    syn[Faction::WarScoreBase + 4] = -1;
    syn[Faction::RelationBase + kFed] = 2;
    syn[Faction::RelationBase + kRim] = 1;
    syn[Faction::RelationBase + 4] = 1;
    g.Factions[kFed][Faction::Reputation] = -2499;
    g.Factions[kRim][Faction::Reputation] = -2500;
    g.Factions[4][Faction::Reputation] = 0;
    player()
        .Do("TForm41",
            [&](ui::Form&) {
                const auto& rows = Form41->rows;
                EXPECT_EQ(rows[0].name->caption, FactionName(kFed));
                EXPECT_EQ(rows[1].name->caption, FactionName(kRim));
                EXPECT_EQ(rows[2].name->caption, FactionName(4));
                EXPECT_EQ(rows[0].logo->picture, g.FactionSmallPictures[kFed].str());
                EXPECT_EQ(rows[2].logo->picture, g.FactionPictures[4].str());
                EXPECT_EQ(rows[0].status->caption, "War status: Disasterous");
                EXPECT_EQ(rows[1].status->caption, "War status: Excellent");
                EXPECT_EQ(rows[2].status->caption, "War status: Bad");
                EXPECT_EQ(rows[0].war->caption, "War");
                EXPECT_EQ(rows[0].trade->caption, "Trade Lines: Inactive");
                EXPECT_EQ(rows[0].tradeShape->brushColor, ui::colors::Red);
                EXPECT_EQ(rows[1].war->caption, "Cease-fire");
                EXPECT_EQ(rows[1].trade->caption, "Trade Lines: Active");
                EXPECT_EQ(rows[1].warShape->brushColor, ui::colors::Green);
                EXPECT_EQ(rows[0].consider->caption, "You are considered hostile.");
                EXPECT_EQ(rows[1].consider->caption, "You are considered criminal.");
                EXPECT_EQ(rows[1].considerShape->brushColor, ui::colors::Red);
                EXPECT_EQ(rows[2].consider->caption, "You are not a criminal.");
                EXPECT_EQ(rows[2].considerShape->brushColor, ui::colors::Green);
            })
        .Click("TForm41", "SpeedButton4");
    ShowWarStatus();
    Form41->ShowModal();
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);
    // The close box leaves as "Back" does.
    player().CloseRequest("TForm41");
    Form41->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm41"), 2);
    EXPECT_EQ(WarStatusText(-3), "War status: Disasterous");
    EXPECT_EQ(WarStatusText(-2), "War status: Very bad");
    EXPECT_EQ(WarStatusText(2), "War status: Very good");
}

// 2,000 seeded turns of a new game with the real turn: what the war may and may not touch.
class WarSoak : public test::GameTest, public ::testing::WithParamInterface<int> {
  protected:
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        GameTest::TearDown();
    }
    // What no war routine may change: the planets' crew, raid and plunder fields, the pirates,
    // the captain's money, fame and reputations; and the surrender marks but at the end.
    static std::vector<int32_t> Untouched(bool withSurrender) {
        const GameState& g = G();
        std::vector<int32_t> v(g.Factions[5].begin(), g.Factions[5].end());
        for (int s = 1; s <= 26; ++s)
            for (int l = 1; l <= 35; ++l)
                for (int k = 19; k <= 31; ++k) v.push_back(g.Planets[s][l][k]);
        v.push_back(g.Players[1][Player::Money]);
        v.push_back(g.Players[1][Player::Fame]);
        for (int f = 1; f <= 4; ++f) {
            v.push_back(g.Factions[f][Faction::Reputation]);
            if (withSurrender) v.push_back(g.Factions[f][Faction::Surrendered]);
        }
        return v;
    }
};

TEST_P(WarSoak, RelationsStayInPairsScoresMirrorAndTheWarEndsAtMostOnce) {
    test::UseAnsweringBackend answering;
    test::StartTestGame();
    ClearGameEnded();
    TutorialStep = 0;
    Rng().SetSeed(9000 + GetParam());
    int ends = 0;
    Upcalls calls = StandardUpcalls();
    auto guard = [&](std::function<void()> routine, bool mayEnd) {
        return [&, routine, mayEnd] {
            const int overBefore = Captain()[Player::CivilWarOver];
            const std::vector<int32_t> before = Untouched(!mayEnd);
            routine();
            EXPECT_EQ(Untouched(!mayEnd), before);
            if (Captain()[Player::CivilWarOver] != overBefore) ++ends;
        };
    };
    calls.UpdateDiplomacy = guard(calls.UpdateDiplomacy, false);
    calls.RebuildFacilities = guard(calls.RebuildFacilities, false);
    calls.WarTurnStep = guard(calls.WarTurnStep, false);
    calls.CheckEndOfWar = guard(calls.CheckEndOfWar, true);
    GameUpcalls() = calls;
    const GameState& g = G();
    bool ended = false;
    for (int turn = 1; turn <= 2000 && !ended; ++turn) {
        // Ships met on the way and their outcomes are not the war's business here.
        G().NoEncounterThisTurn = 1;
        ended = test::FromHome(NextTurn);
        for (int f = 1; f <= 4; ++f) {
            ASSERT_EQ(g.Factions[f][Faction::RelationBase + f], 1) << turn;
            for (int o = 1; o <= 4; ++o) {
                ASSERT_EQ(g.Factions[f][Faction::RelationBase + o],
                          g.Factions[o][Faction::RelationBase + f])
                    << turn;
                ASSERT_EQ(g.Factions[f][Faction::WarScoreBase + o],
                          -g.Factions[o][Faction::WarScoreBase + f])
                    << turn;
            }
        }
        ASSERT_LE(ends, 1) << turn;
    }
    // The war was fought: news came.
    EXPECT_GT(answering.backend().answered["TMessage7"], 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WarSoak, ::testing::Values(0, 1, 2));

// The end of the civil war, from the main menu's game: a faction with 15 systems ends it once.
class WarEnd : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        GameUpcalls() = test::QuietUpcalls();
        player().SetScreenDir("");
        test::StartNewGame(kFed, "Oren Vask");
        G().Players[1][Player::GameRunning] = 1;
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        player().SetScreenDir(CORVANTH_SCREENS_DIR);
        ShellTest::TearDown();
    }
    // Hands the first n systems to faction f, the rest to the pirates.
    static void Hold(int f, int n) {
        for (int s = 1; s <= 26; ++s) G().StarSystems[s][StarSystem::Owner] = s <= n ? f : 5;
    }
};

TEST_F(WarEnd, DefeatEndsTheGameOnceWithTheLostLineAndVictoryHandsOutItsRewardsOnce) {
    Hold(kRim, 14);
    CheckEndOfWar();  // 14 systems are not enough: nothing is shown
    EXPECT_EQ(player().Seen().size(), 0u);

    Hold(kRim, 15);
    for (auto& row : G().Highscores) row.fill(0);
    int turnsAfter = 0;
    player()
        .Do("TForm1", [](ui::Form&) { CheckEndOfWar(); })
        .Do("TMessage1",
            [](ui::Form& f) {
                EXPECT_EQ(static_cast<TMessage1&>(f).Label1->caption,
                          "The " + FactionName(kRim) + " has won the war!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TMessage4",
            [](ui::Form&) { EXPECT_EQ(Message4->Label2->caption, "End of civil war!"); })
        .Click("TMessage4", "SpeedButton1")
        .Do("TMessage4",
            [](ui::Form&) {
                EXPECT_EQ(Message4->Label2->caption, "Prisoner");
                EXPECT_EQ(Message4->Image1->picture, "hiddencargo.jpg");
            })
        .Click("TMessage4", "SpeedButton1");
    for (const char* screen :
         {"TForm57", "TForm57", "TForm39", "TForm57", "TForm57", "TForm57", "TForm57"})
        player().Click(screen, "SpeedButton1");
    player().Click("TForm38", "SpeedButton11").Do("TForm1", [&](ui::Form& f) {
        // Nothing of the turn or the loop runs after the end.
        const int turn = G().TurnNumber;
        NextTurn();
        turnsAfter = G().TurnNumber - turn;
        f.Hide();
    });
    Form1->ShowModal();
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(turnsAfter, 0);
    EXPECT_EQ(G().Players[1][Player::CivilWarOver], 2);
    EXPECT_EQ(G().Players[1][Player::GameRunning], 0);
    // The score's step 7 reads field 19 = 2 as the lost war.
    bool lostLine = false;
    for (const ui::Snapshot& shot : player().Seen())
        if (shot.form == "TForm57" &&
            shot.Text("Label4").rfind("It was your fault that your country lost", 0) == 0)
            lostLine = true;
    EXPECT_TRUE(lostLine);
    int rows = 0;
    for (const auto& row : G().Highscores) rows += row[1] != 0;
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Memo1").find("Captured and humilated"), 0u);

    // A victory: the same prepared game, the Federation ahead.
    ui::UseHeadless().Reset();
    ClearGameEnded();
    test::LinkGameArt(std::filesystem::current_path());
    test::StartNewGame(kFed, "Oren Vask");
    Hold(kFed, 15);
    const int lives = G().Players[1][Player::LifePoints];
    player()
        .Click("TMessage1", "SpeedButton3")
        .Click("TMessage4", "SpeedButton1")
        .Do("TMessage4",
            [](ui::Form&) {
                EXPECT_EQ(Message4->Label2->caption, "Victory!");
                EXPECT_EQ(Message4->Image1->picture, "victory.jpg");
            })
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm42",
            [](ui::Form&) {
                EXPECT_EQ(Form42->Label2->caption,
                          "For unprecedented heroism the " + FactionName(kFed) + " awards you:");
                EXPECT_EQ(Form42->Label3->caption, std::string("\"") + kFederationTopMedal + "\"");
                EXPECT_EQ(Form42->Label5->caption,
                          "\"For unprecedented valor and heroism in war.\"");
                EXPECT_EQ(Form42->Image1->picture, "Fed-MedalofHonor.jpg");
                EXPECT_EQ(Form42->Image2->picture, "FedAwardBackgr.jpg");
                ui::RenderFormToPng(*Form42, CORVANTH_SCREENS_DIR "/TForm42_victory.png");
            })
        .Click("TForm42", "SpeedButton2")
        .Click("TMessage3", "SpeedButton2");
    CheckEndOfWar();
    EXPECT_FALSE(GameEnded());
    EXPECT_EQ(G().Players[1][Player::CivilWarOver], 1);
    EXPECT_EQ(G().Players[1][Player::LifePoints], lives + 1);
    EXPECT_EQ(G().Factions[kFed][Faction::MedalOfHonour], 1);
    for (int f = 1; f <= 4; ++f) {
        EXPECT_EQ(G().Factions[f][Faction::Surrendered], f == kFed ? 0 : 1) << f;
        for (int o = 1; o <= 4; ++o) EXPECT_EQ(G().Factions[f][Faction::RelationBase + o], 1);
    }
    // Once: a second call, and a captain who then swears allegiance to another faction while
    // the old winner holds 15 systems, see nothing more.
    const size_t seen = player().Seen().size();
    CheckEndOfWar();
    G().Players[1][Player::Faction] = kSyn;
    CheckEndOfWar();
    EXPECT_EQ(player().Seen().size(), seen);
    EXPECT_FALSE(GameEnded());
}

}  // namespace
}  // namespace corvanth
