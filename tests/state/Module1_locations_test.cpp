// The locations of the star systems against the rules of the map and rows of the location list.
#include "state/Module1.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

namespace corvanth {
namespace {

class StarSystemLocations : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitStarSystems();
    }
    GameState& g = G();

    bool Exists(int s, int l) const { return g.Planets[s][l][Planet::Exists] > 0; }
    std::string Where(int s, int l) const { return std::to_string(s) + "." + std::to_string(l); }
};

TEST_F(StarSystemLocations, CountsGapsAndTheMapGrid) {
    // Rows of the location list per system, counted from it: 202 in all.
    const std::array<int, 26> expected = {0, 7, 8, 6, 9, 10, 7, 6, 11, 10, 8, 11, 8,
                                          9, 6, 9, 8, 8, 8,  9, 8, 9,  7,  6, 8,  6};
    int total = 0;
    for (int s = 1; s <= 25; ++s) {
        int count = 0;
        std::map<std::pair<int, int>, std::set<int>> cells;
        for (int l = 0; l < LocationBound; ++l) {
            if (!Exists(s, l)) continue;
            ++count;
            const GameRecord& p = g.Planets[s][l];
            SCOPED_TRACE(Where(s, l));
            EXPECT_GE(l, Planet::FirstLocation);
            EXPECT_LE(l, Planet::LastLocation);
            EXPECT_EQ(p[Planet::Exists], 1);
            EXPECT_GE(p[Planet::Kind], 1);
            EXPECT_LE(p[Planet::Kind], 3);
            EXPECT_GE(p[Planet::MapColumn], 1);
            EXPECT_LE(p[Planet::MapColumn], 5);
            EXPECT_GE(p[Planet::MapRow], 1);
            EXPECT_LE(p[Planet::MapRow], 7);
            EXPECT_FALSE(g.PlanetNames[s][l].empty());
            EXPECT_LT(g.PlanetDescriptions[s][l].size(), ShortText::MaxLength);  // none was cut
            cells[{p[Planet::MapColumn], p[Planet::MapRow]}].insert(l);
        }
        EXPECT_EQ(count, expected[s]) << g.SystemNames[s].str();
        total += count;
        // One location per cell, but for Westwind's asteroid field and jump point in C5.
        for (const auto& [cell, locations] : cells) {
            if (s == 19 && cell == std::pair{5, 3}) {
                EXPECT_EQ(locations, (std::set<int>{6, 9}));
            } else {
                EXPECT_EQ(locations.size(), 1u)
                    << "system " << s << " cell " << cell.first << "," << cell.second;
            }
        }
    }
    EXPECT_EQ(total, 202);
    // The gap in Sol: no location 7, the sun at 8.
    EXPECT_FALSE(Exists(1, 7));
    EXPECT_EQ(g.PlanetNames[1][8], "Sun");
}

TEST_F(StarSystemLocations, KindsCarryTheirFixedValues) {
    const std::map<std::pair<int, int>, int> ownJumpValue9 = {
        {{1, 6}, 12}, {{2, 4}, 10}, {{2, 5}, 8}, {{2, 6}, 22},
        {{2, 9}, 10}, {{3, 4}, 8},  {{4, 6}, 8}};
    const std::set<std::pair<int, int>> ownJumpText = {{9, 11}, {13, 7}, {17, 5},
                                                       {17, 7}, {21, 6}, {22, 5}};
    std::set<std::pair<int, int>> specialsWithEconomy;
    for (int s = 1; s <= 25; ++s) {
        int suns = 0;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            if (!Exists(s, l)) continue;
            const GameRecord& p = g.Planets[s][l];
            const std::string name = g.PlanetNames[s][l].str();
            SCOPED_TRACE(Where(s, l) + " " + name);
            EXPECT_EQ(p[Planet::Spare], 0);
            if (p[Planet::Kind] == PlanetKind::JumpPoint) {
                EXPECT_EQ(p[Planet::Picture], 12);
                EXPECT_EQ(p[Planet::Economy], 0);
                auto v9 = ownJumpValue9.find({s, l});
                EXPECT_EQ(p[Planet::JumpCatalogueMark], v9 == ownJumpValue9.end() ? 6 : v9->second);
                if (!ownJumpText.contains({s, l})) {
                    EXPECT_EQ(g.PlanetDescriptions[s][l],
                              "Jumppoint to the " + g.SystemNames[p[Planet::JumpTarget]].str() +
                                  " System.");
                }
                continue;
            }
            EXPECT_EQ(p[Planet::JumpCatalogueMark], 0);
            EXPECT_EQ(p[Planet::JumpTarget], 0);
            if (p[Planet::Kind] == PlanetKind::Planet) {
                EXPECT_GE(p[Planet::Economy], 1);
                EXPECT_LE(p[Planet::Economy], 8);
            } else if (p[Planet::Economy] != 0) {
                specialsWithEconomy.insert({s, l});
            }
            if (name == "Sun") {
                ++suns;
                EXPECT_EQ(p[Planet::Kind], PlanetKind::Special);
                EXPECT_EQ(p[Planet::Picture], 58);
                EXPECT_EQ(g.PlanetDescriptions[s][l], "The sun of this system.");
            }
            if (name.starts_with("Asteroids") || name.starts_with("Rock ")) {
                EXPECT_EQ(p[Planet::Kind], PlanetKind::Special);
                EXPECT_EQ(p[Planet::Picture], 40);
                EXPECT_EQ(g.PlanetDescriptions[s][l], "Just some plain rocks...");
            }
        }
        EXPECT_EQ(suns, s == 23 ? 0 : 1) << "system " << s;  // Dark Light has none
    }
    // New Wales IV, Boron and the Anomaly.
    EXPECT_EQ(specialsWithEconomy, (std::set<std::pair<int, int>>{{7, 4}, {10, 3}, {23, 1}}));
}

TEST_F(StarSystemLocations, SpotChecksOfLocationRows) {
    auto facilities = [&](int s, int l) {
        std::array<int, 7> f{};
        for (int k = 1; k <= 7; ++k) f[k - 1] = g.Planets[s][l][Planet::FacilityBase + k];
        return f;
    };
    // 1.1 "Terra": planet in cell E3, picture 59, city 31, Metropolis, two luxury centers, [19] 4.
    const GameRecord& terra = g.Planets[1][1];
    EXPECT_EQ(g.PlanetNames[1][1], "Terra");
    EXPECT_EQ(terra[Planet::Kind], PlanetKind::Planet);
    EXPECT_EQ(terra[Planet::MapColumn], 3);
    EXPECT_EQ(terra[Planet::MapRow], 5);
    EXPECT_EQ(terra[Planet::Picture], 59);
    EXPECT_EQ(terra[Planet::CityPicture], 31);
    EXPECT_EQ(terra[Planet::Economy], 5);
    EXPECT_EQ(facilities(1, 1), (std::array<int, 7>{0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(terra[Planet::CatalogueMark], 4);
    EXPECT_TRUE(g.PlanetDescriptions[1][1].view().starts_with("Home of mankind and capital of"));

    // 2.9 "Jump Manch.": one of the two jump points with a [19], field 9 10, to New Manchester.
    EXPECT_EQ(g.PlanetNames[2][9], "Jump Manch.");
    EXPECT_EQ(g.Planets[2][9][Planet::JumpTarget], 6);
    EXPECT_EQ(g.Planets[2][9][Planet::JumpCatalogueMark], 10);
    EXPECT_EQ(g.Planets[2][9][Planet::CatalogueMark], 4);
    EXPECT_EQ(g.Planets[6][4][Planet::JumpTarget], 2);  // its partner "Jump to Carse"

    // 6.2 "Manchester II" and 8.1 "New Berlin": literals with quotes.
    EXPECT_EQ(g.PlanetDescriptions[6][2],
              "\"Someone from Manchester II here?\" - \"Yeah!\" - \"People! Take care of your "
              "purses!\"");
    EXPECT_EQ(g.PlanetDescriptions[8][1],
              "\"Great beer and blond girls - what do I need else?\" - Soldiers saying.");

    // 10.3 "Boron": special with picture 25, Agriculture, all facility counts 0, [19] 0.
    EXPECT_EQ(g.Planets[10][3][Planet::Kind], PlanetKind::Special);
    EXPECT_EQ(g.Planets[10][3][Planet::Picture], 25);
    EXPECT_EQ(g.Planets[10][3][Planet::Economy], 1);
    EXPECT_EQ(facilities(10, 3), (std::array<int, 7>{}));

    // 11.1 "Tortuga": four high-tech plants and four illegal labs.
    EXPECT_EQ(facilities(11, 1), (std::array<int, 7>{0, 0, 4, 0, 0, 0, 4}));
    EXPECT_EQ(g.Planets[11][1][Planet::CityPicture], 32);

    // 13.7 keeps its own wording.
    EXPECT_EQ(g.PlanetDescriptions[13][7], "Jumppoint to the Hyraxan VII System.");
    EXPECT_EQ(g.PlanetDescriptions[9][11], "Jumppoint to the New Moscow system.");

    // 19.9 "Jump Cuba" in C5, the cell it shares with 19.6.
    EXPECT_EQ(g.PlanetNames[19][9], "Jump Cuba");
    EXPECT_EQ(g.Planets[19][9][Planet::MapColumn], 5);
    EXPECT_EQ(g.Planets[19][9][Planet::MapRow], 3);
    EXPECT_EQ(g.Planets[19][9][Planet::JumpTarget], 21);

    // 22.1 "Barbados": Mine, an empty description.
    EXPECT_EQ(g.PlanetNames[22][1], "Barbados");
    EXPECT_EQ(g.Planets[22][1][Planet::Economy], 6);
    EXPECT_TRUE(g.PlanetDescriptions[22][1].empty());

    // 23.1 "Anomaly": special, picture 51, Mine, two mines and two illegal labs, [19] 3.
    EXPECT_EQ(g.Planets[23][1][Planet::Kind], PlanetKind::Special);
    EXPECT_EQ(g.Planets[23][1][Planet::Picture], 51);
    EXPECT_EQ(facilities(23, 1), (std::array<int, 7>{0, 0, 0, 0, 2, 0, 2}));
    EXPECT_EQ(g.Planets[23][1][Planet::CatalogueMark], 3);

    // 24.9 "Gameris" after the sun at 24.8.
    EXPECT_EQ(g.PlanetNames[24][9], "Gameris");
    EXPECT_EQ(g.PlanetDescriptions[24][9],
              "Gameris. The Game World. Home of the famous \"gladiator tournaments\".");
    EXPECT_EQ(g.Planets[24][9][Planet::MapColumn], 3);
    EXPECT_EQ(g.Planets[24][9][Planet::MapRow], 1);

    // 25.4 "Montpellier": cell F3, seven kinds of facilities 1 1 0 1 0 2 1.
    EXPECT_EQ(facilities(25, 4), (std::array<int, 7>{1, 1, 0, 1, 0, 2, 1}));
    EXPECT_EQ(g.Planets[25][4][Planet::MapRow], 6);
    EXPECT_EQ(g.PlanetDescriptions[25][4], "The planet has some great medical facilities.");
}

}  // namespace
}  // namespace corvanth
