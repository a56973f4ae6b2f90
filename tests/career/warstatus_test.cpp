// The per-turn check of systems changing hands, and the war news it brings.
#include "career/warstatus.h"

#include <gtest/gtest.h>

#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "support/game_test.h"

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
        RandomGenerator r;
        r.SetSeed(from);
        for (int n = 0; n < 1000; ++n) {
            if (r.Seed() == Rng().Seed()) return n;
            r.Next(1);
        }
        return -1;
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
    // Three planets still held, one taken: three draws of Random(20000), none below 2 here.
    g.Planets[9][1][Planet::Owner] = kFed;
    uint32_t quiet = 1;
    for (;; ++quiet) {
        RandomGenerator r;
        r.SetSeed(quiet);
        if (r.Next(20000) >= 2 && r.Next(20000) >= 2 && r.Next(20000) >= 2) break;
    }
    Rng().SetSeed(quiet);
    CheckSystemConquests();
    EXPECT_EQ(DrawsSince(quiet), 3);
    EXPECT_EQ(g.Planets[9][1][Planet::Owner], kFed);
    EXPECT_EQ(player().TimesSeen("TMessage4"), 0);

    // A seed whose second draw is below 2: the system is recaptured and the draws stop there.
    uint32_t lucky = 1;
    for (;; ++lucky) {
        RandomGenerator r;
        r.SetSeed(lucky);
        if (r.Next(20000) >= 2 && r.Next(20000) < 2) break;
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

}  // namespace
}  // namespace corvanth
