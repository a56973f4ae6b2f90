// The star-system catalogue and its jump network against the rules of the galaxy.
#include "state/Module1.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace corvanth {
namespace {

class StarSystemCatalogue : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitStarSystems();
    }
    GameState& g = G();

    bool IsJumpPoint(int s, int l) const {
        return g.Planets[s][l][Planet::Exists] > 0 &&
               g.Planets[s][l][Planet::Kind] == PlanetKind::JumpPoint;
    }
};

TEST_F(StarSystemCatalogue, EveryJumpPointHasExactlyOnePartnerAndTheNetworkIsConnected) {
    std::set<std::pair<int, int>> connections;
    std::array<std::vector<int>, SystemBound> neighbours{};
    int jumpPoints = 0;
    for (int s = 1; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            if (!IsJumpPoint(s, l)) continue;
            ++jumpPoints;
            SCOPED_TRACE("jump point " + std::to_string(s) + "." + std::to_string(l));
            int target = g.Planets[s][l][Planet::JumpTarget];
            ASSERT_GE(target, 1);
            ASSERT_LE(target, 25);
            EXPECT_NE(target, s);
            int partners = 0;
            for (int m = Planet::FirstLocation; m <= Planet::LastLocation; ++m) {
                if (IsJumpPoint(target, m) && g.Planets[target][m][Planet::JumpTarget] == s) {
                    ++partners;
                }
            }
            EXPECT_EQ(partners, 1);
            if (connections.insert({std::min(s, target), std::max(s, target)}).second) {
                neighbours[s].push_back(target);
                neighbours[target].push_back(s);
            }
        }
    }
    // 31 two-way connections, each with its two ends.
    EXPECT_EQ(connections.size(), 31u);
    EXPECT_EQ(jumpPoints, 62);

    std::set<int> reached = {1};
    std::vector<int> open = {1};
    while (!open.empty()) {
        int s = open.back();
        open.pop_back();
        for (int n : neighbours[s]) {
            if (reached.insert(n).second) open.push_back(n);
        }
    }
    EXPECT_EQ(reached.size(), 25u);
}

TEST_F(StarSystemCatalogue, JumpPointsPerSystemAreThoseOfTheCatalogue) {
    // Carse, New Berlin, New Ireland, New Cuba 4; Finis, New Manchester, New Arabia, Warfield,
    // Tortuga, Lands End, New Glenshire, New Kimberley, Moor 3; Sirius, Hope, Baiton, Hyraxan,
    // Westwind, New Barbados, New Moscow 2; Sol, New Wales, New Scotland, Dark Light, New France 1.
    const std::array<int, 26> expected = {0, 1, 4, 2, 3, 2, 3, 1, 4, 3, 3, 3, 2,
                                          4, 1, 2, 3, 3, 3, 2, 3, 4, 2, 1, 2, 1};
    for (int s = 1; s <= 25; ++s) {
        int count = 0;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            count += IsJumpPoint(s, l) ? 1 : 0;
        }
        EXPECT_EQ(count, expected[s]) << g.SystemNames[s].str();
    }
}

TEST_F(StarSystemCatalogue, OwnersOfSystemsAndOfTheirLocations) {
    // Federation 1, 2, 3, 4, 5, 10, 12, 13, 23; Outer Rim Alliance 14..19; Syndicate 9, 11, 20,
    // 21, 22, 24; Coalition 6, 7, 8, 25.
    const std::array<std::set<int>, 5> owned = {std::set<int>{},
                                                {1, 2, 3, 4, 5, 10, 12, 13, 23},
                                                {14, 15, 16, 17, 18, 19},
                                                {9, 11, 20, 21, 22, 24},
                                                {6, 7, 8, 25}};
    std::array<int, 6> perFaction{};
    for (int s = 1; s <= 25; ++s) {
        int owner = g.StarSystems[s][StarSystem::Owner];
        ASSERT_GE(owner, 1);
        ASSERT_LE(owner, 4);
        ++perFaction[owner];
        EXPECT_TRUE(owned[owner].contains(s)) << "system " << s << " owner " << owner;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            if (g.Planets[s][l][Planet::Exists] == 0) continue;
            EXPECT_EQ(g.Planets[s][l][Planet::Owner], owner) << "location " << s << "." << l;
        }
    }
    EXPECT_EQ(perFaction[1], 9);
    EXPECT_EQ(perFaction[2], 6);
    EXPECT_EQ(perFaction[3], 6);
    EXPECT_EQ(perFaction[4], 4);
}

TEST_F(StarSystemCatalogue, SystemRecordsAndTheEmptyLastSystem) {
    for (int s = 1; s <= 25; ++s) {
        SCOPED_TRACE("system " + std::to_string(s));
        const GameRecord& r = g.StarSystems[s];
        EXPECT_EQ(r[StarSystem::Exists], 1);
        EXPECT_EQ(r[StarSystem::Catalogued], 1);
        int special = s == 1 ? 4 : 1;  // Sol alone carries 4 and 4
        EXPECT_EQ(r[StarSystem::CatalogueWeight], special);
        EXPECT_EQ(r[StarSystem::CatalogueWeightSecond], special);
        EXPECT_GE(r[StarSystem::SectorRating], 1);
        EXPECT_LE(r[StarSystem::SectorRating], 5);
        EXPECT_FALSE(g.SystemNames[s].empty());
        EXPECT_FALSE(g.SystemCodes[s].empty());
        EXPECT_FALSE(g.SystemDescriptions[s].empty());
        EXPECT_LT(g.SystemDescriptions[s].size(), ShortText::MaxLength);  // none was cut
    }
    for (int s : {0, 26, 27}) {
        for (int f = 0; f < 102; ++f) EXPECT_EQ(g.StarSystems[s][f], 0) << s << " field " << f;
        EXPECT_TRUE(g.SystemNames[s].empty());
        for (int l = 0; l < LocationBound; ++l) EXPECT_EQ(g.Planets[s][l][Planet::Exists], 0);
    }
}

TEST_F(StarSystemCatalogue, SpotChecksOfSystemRows) {
    // Rows of the system table, spread over it.
    EXPECT_EQ(g.SystemNames[1], "Sol");
    EXPECT_EQ(g.SystemCodes[1], "XCG53CB");
    EXPECT_EQ(g.StarSystems[1][StarSystem::SectorRating], 5);
    EXPECT_EQ(g.SystemDescriptions[1],
              "The Sol System is the home of mankind. Every star traveller dreams to visit Earth "
              "at least once in his life. Most fail.");

    EXPECT_EQ(g.SystemNames[4], "Finis");
    EXPECT_EQ(g.SystemCodes[4], "346GHJ34");  // the same code as Sirius
    EXPECT_EQ(g.SystemCodes[3], "346GHJ34");

    EXPECT_EQ(g.SystemNames[9], "New Arabia");
    EXPECT_EQ(g.StarSystems[9][StarSystem::SectorRating], 2);
    EXPECT_EQ(g.SystemDescriptions[9],
              "The \"New Arabia\" sector is a major exporter of raw materials");

    EXPECT_EQ(g.SystemNames[16], "Lands End");
    EXPECT_EQ(g.StarSystems[16][StarSystem::SectorRating], 1);
    EXPECT_EQ(g.SystemCodes[16], "LO563FD");

    EXPECT_EQ(g.SystemDescriptions[19],
              "There is a strange gravitation phenomenon in this sector that pulls ships towards "
              "the sectors center. First settlers named it: \"Westwind\".");
    EXPECT_EQ(g.SystemDescriptions[21], "The New Cuba system ");  // the trailing blank stays
    EXPECT_EQ(g.SystemDescriptions[23], "Dark Light");

    EXPECT_EQ(g.SystemNames[25], "New France");
    EXPECT_EQ(g.SystemCodes[25], "QOPY129");
    EXPECT_EQ(g.StarSystems[25][StarSystem::Owner], FactionId::Coalition);
    EXPECT_EQ(g.StarSystems[25][StarSystem::SectorRating], 5);
    EXPECT_EQ(g.SystemDescriptions[25], "New France is the capital of the Coaliton.");

    // The new texts begin with the given words.
    EXPECT_TRUE(
        g.SystemDescriptions[5].view().starts_with("In the first days of the "
                                                   "colonization of"));
    EXPECT_TRUE(
        g.SystemDescriptions[10].view().starts_with("Warfield is a small colony, but "
                                                    "its military"));
    EXPECT_TRUE(
        g.SystemDescriptions[12].view().starts_with("Only one jump away from the "
                                                    "border this"));
    EXPECT_TRUE(g.SystemDescriptions[17].view().starts_with("One of the best scotchs"));
}

TEST_F(StarSystemCatalogue, EachLoaderWritesOnlyItsOwnSystem) {
    // New France last, Sol first: a loader must not depend on another having run.
    ResetGameState();
    InitSystemNewFrance();
    EXPECT_EQ(g.SystemNames[25], "New France");
    EXPECT_EQ(g.PlanetDescriptions[25][5], "Jumppoint to the New Berlin System.");
    for (int s = 1; s <= 24; ++s) {
        EXPECT_EQ(g.StarSystems[s][StarSystem::Exists], 0) << s;
        EXPECT_TRUE(g.SystemNames[s].empty()) << s;
        for (int l = 0; l < LocationBound; ++l) EXPECT_EQ(g.Planets[s][l][Planet::Exists], 0);
    }
    ResetGameState();
    InitSystemSol();
    EXPECT_EQ(g.PlanetDescriptions[1][6], "Jumppoint to the Carse System.");
    for (int s = 2; s <= 26; ++s) EXPECT_EQ(g.StarSystems[s][StarSystem::Exists], 0) << s;
}

}  // namespace
}  // namespace corvanth
