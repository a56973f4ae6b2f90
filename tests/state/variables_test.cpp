// The game state: text slots, the reset of every table and the declared table bounds.
#include "state/variables.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanth {
namespace {

TEST(ShortText, CutsLongTextsAtAssignmentOnACharacterBoundary) {
    ShortText text = std::string(300, 'x');
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text, std::string(255, 'x'));
    // The cut text is not equal to the long original: comparisons must not cut the other side.
    EXPECT_NE(text, std::string(300, 'x'));

    text = std::string(255, 'y');  // exactly at the limit: kept whole
    EXPECT_EQ(text.size(), 255u);

    // 254 + the two bytes of "é" = 256: byte 255 would split the character, so it goes whole.
    text = std::string(254, 'a') + "\xC3\xA9";
    EXPECT_EQ(text.size(), 254u);
    // 253 + the three bytes of "€" = 256: the cut falls inside it, so it goes too.
    text = std::string(253, 'a') + "\xE2\x82\xAC" + "tail";
    EXPECT_EQ(text.size(), 253u);
    // 252 + "€" = 255 bytes: fits, and the character is kept.
    text = std::string(252, 'a') + "\xE2\x82\xAC" + "b";
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.view().substr(252), "\xE2\x82\xAC");

    const char* none = nullptr;
    text = none;
    EXPECT_TRUE(text.empty());
    EXPECT_STREQ(text.c_str(), "");
}

TEST(ShortText, ConvertsAndComparesLikeAString) {
    ShortText name = "Terra";
    std::string copy = name;
    EXPECT_EQ(copy, "Terra");
    EXPECT_STREQ(name.c_str(), "Terra");
    EXPECT_TRUE(name == "Terra");
    EXPECT_TRUE("Terra" == name);
    EXPECT_TRUE(name == copy);
    EXPECT_TRUE(name < "Tet");
    EXPECT_TRUE(ShortText("Moon") < name);
    EXPECT_NE(name, ShortText(" "));

    name = name.view().substr(1);  // assigning a part of itself
    EXPECT_EQ(name, "erra");
}

TEST(GameState, ResetClearsEveryKindOfTableAndScalar) {
    GameState& g = G();
    g.Players[1][Player::Money] = 500;
    g.Markets[27][36][20][Market::Price] = 9;
    g.ShipEquipment[6][5][21][Slot::Ammunition] = 2;
    g.Tournaments[1][Tournament::Phase] = -10;
    g.Highscores[21][100] = 7;
    g.Cargo[21] = 3;
    g.PlanetNames[26][35] = "Terra";
    g.RankNames[5][11] = "Admiral";
    g.TurnNumber = 12;
    g.LaunchCount = 2;
    g.CleanExit = 1;

    ResetGameState();

    EXPECT_EQ(&G(), &g);  // the same instance: references held elsewhere stay valid
    EXPECT_EQ(g.Players[1][Player::Money], 0);
    EXPECT_EQ(g.Markets[27][36][20][Market::Price], 0);
    EXPECT_EQ(g.ShipEquipment[6][5][21][Slot::Ammunition], 0);
    EXPECT_EQ(g.Tournaments[1][Tournament::Phase], 0);
    EXPECT_EQ(g.Highscores[21][100], 0);
    EXPECT_EQ(g.Cargo[21], 0);
    EXPECT_TRUE(g.PlanetNames[26][35].empty());
    EXPECT_TRUE(g.RankNames[5][11].empty());
    EXPECT_EQ(g.TurnNumber, 0);
    EXPECT_EQ(g.LaunchCount, 0);
    EXPECT_EQ(g.CleanExit, 0);
}

TEST(GameState, TablesHaveTheirDeclaredBounds) {
    GameState& g = G();
    // Planets [0..27][0..36]; Markets and SpaceEvents are as wide, so no walk over a system's
    // locations can run past them.
    EXPECT_EQ(g.Planets.size(), 28u);
    EXPECT_EQ(g.Planets[0].size(), 37u);
    EXPECT_EQ(g.Markets.size(), g.Planets.size());
    EXPECT_EQ(g.Markets[0].size(), g.Planets[0].size());
    EXPECT_EQ(g.Markets[0][0].size(), 21u);  // goods 0..20
    EXPECT_EQ(g.SpaceEvents.size(), g.Planets.size());
    EXPECT_EQ(g.SpaceEvents[0].size(), 5u);  // slots 0..4
    EXPECT_EQ(g.PlanetNames.size(), g.Planets.size());
    EXPECT_EQ(g.PlanetDescriptions[0].size(), g.Planets[0].size());

    // Fleets 0..6, ships 0..5, slots 0..21; catalogue ids 0..201; records of fields 0..101.
    EXPECT_EQ(g.ShipEquipment.size(), 7u);
    EXPECT_EQ(g.ShipEquipment[0].size(), 6u);
    EXPECT_EQ(g.ShipEquipment[0][0].size(), 22u);
    EXPECT_EQ(g.EquipmentTypes.size(), 202u);
    EXPECT_EQ(g.Players[0].size(), 102u);
    EXPECT_EQ(g.Highscores[0].size(), 101u);
}

}  // namespace
}  // namespace corvanth
