// Picture names by number and the thousands format.
#include "state/pictures.h"

#include <gtest/gtest.h>

#include "state/variables.h"

namespace corvanth {
namespace {

TEST(PictureNames, ShipsLocationsAndCities) {
    EXPECT_EQ(GetShipPictureName(19), "ship19.jpg");
    EXPECT_EQ(GetShipPictureName(20), "exp1_ship20.jpg");
    EXPECT_EQ(GetShipPictureNameG(0), "ship0g.jpg");
    EXPECT_EQ(GetShipPictureNameG(27), "exp1_ship27g.jpg");
    EXPECT_EQ(GetShipPictureName(28), "");
    EXPECT_EQ(GetShipPictureNameG(-1), "");

    // Runs of numbered names, and the large style with its exceptions.
    EXPECT_EQ(GetPlanetPictureName(1), "earth1.jpg");
    EXPECT_EQ(GetPlanetPictureName(16), "red7.jpg");
    EXPECT_EQ(GetPlanetPictureName(45), "earth10.jpg");
    EXPECT_EQ(GetPlanetPictureName(69), "VIPsmall.jpg");
    EXPECT_EQ(GetPlanetPictureName(70), "");
    EXPECT_EQ(GetPlanetPictureNameR(70), "");
    EXPECT_EQ(GetPlanetPictureNameR(12), "wormholer.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(40), "asteroidsbigpic.jpg");
    EXPECT_EQ(GetPlanetPictureName(42), "spacestation.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(42), "city7b.jpg");
    EXPECT_EQ(GetPlanetPictureName(52), "city7b.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(52), "city7r.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(67), "lifepodr.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(68), "cockpit.jpg");
    EXPECT_EQ(GetPlanetPictureNameR(69), "VIP.jpg");

    EXPECT_EQ(GetCityPictureName(1), "city1.jpg");
    EXPECT_EQ(GetCityPictureName(10), "city2f.jpg");
    EXPECT_EQ(GetCityPictureName(33), "city11.jpg");
    EXPECT_EQ(GetCityPictureName(34), "");
}

TEST(PictureNames, HeroPortraitByPortraitAndAge) {
    ResetGameState();
    GameState& g = G();
    g.CurrentPlayer = 1;
    g.Players[1][Player::Portrait] = 1;
    EXPECT_EQ(GetHeroPictureName(1), "Hero2_20y");  // age class 0 at the start
    g.Players[1][Player::AgeClass] = 2;
    EXPECT_EQ(GetHeroPictureName(1), "Hero2_35y");
    g.Players[1][Player::AgeClass] = 4;
    EXPECT_EQ(GetHeroPictureName(1), "Hero2_70y");
    g.Players[1][Player::AgeClass] = 5;
    EXPECT_EQ(GetHeroPictureName(1), "Hero2_150y");
    g.Players[1][Player::AgeClass] = 9;
    EXPECT_EQ(GetHeroPictureName(1), "Hero2_50y");
    // The base is always the current captain's; the age is the given player's.
    g.Players[2][Player::AgeClass] = 3;
    g.Players[1][Player::Portrait] = 2;
    EXPECT_EQ(GetHeroPictureName(2), "Hero3_50y");
    g.Players[1][Player::Portrait] = 3;
    EXPECT_EQ(GetHeroPictureName(2), "_50y");
    EXPECT_EQ(GetHeroPictureName(7), "_50y");  // no such player
}

TEST(FormatThousandsTest, GroupsOfThree) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1.000");
    EXPECT_EQ(FormatThousands(1500), "1.500");
    EXPECT_EQ(FormatThousands(999999), "999.999");
    EXPECT_EQ(FormatThousands(1000000), "1.000.000");
    EXPECT_EQ(FormatThousands(1000005), "1.000.005");
    EXPECT_EQ(FormatThousands(1234567), "1.234.567");
    EXPECT_EQ(FormatThousands(900000000), "900.000.000");
    // Billions keep their group.
    EXPECT_EQ(FormatThousands(1234567890), "1.234.567.890");
    EXPECT_EQ(FormatThousands(1000000123), "1.000.000.123");
    EXPECT_EQ(FormatThousands(2147483647), "2.147.483.647");
    // Negative: the sign and the digits of the amount.
    EXPECT_EQ(FormatThousands(-5), "-5");
    EXPECT_EQ(FormatThousands(-1500), "-1.500");
    EXPECT_EQ(FormatThousands(-1000005), "-1.000.005");
    EXPECT_EQ(FormatThousands(-2147483648LL), "-2.147.483.648");
    EXPECT_EQ(FormatThousands(INT64_MIN), "-9.223.372.036.854.775.808");
}

}  // namespace
}  // namespace corvanth
