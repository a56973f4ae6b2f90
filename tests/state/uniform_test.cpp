// The dress uniform composed without a screen: pictures, places and what is hidden.
#include "state/uniform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvanth {
namespace {

// The composed uniform, each piece by its component name.
struct Dressed {
    std::vector<UniformPiece> pieces;
    const UniformPiece& operator[](const std::string& component) const {
        for (const UniformPiece& p : pieces)
            if (p.component == component) return p;
        throw std::runtime_error(component + " is not composed");
    }
    // Where a piece is shown, as "left,top", or "hidden".
    std::string At(const std::string& component) const {
        const UniformPiece& p = (*this)[component];
        return p.visible ? std::to_string(p.left) + "," + std::to_string(p.top) : "hidden";
    }
};

Dressed Dress(UniformWearer w) {
    return {ComposeUniform(w)};
}

TEST(Uniform, ThePartsExamples) {
    // Faction 1 rank 3: the plain uniform, first lieutenant's insignia, the collar at 7, 40.
    Dressed fed = Dress({.faction = 1, .rank = 3, .gender = 1});
    EXPECT_EQ(fed["Image33"].picture, "Uni-Fed-blank.jpg");
    EXPECT_EQ(fed["ShoulderRankPic"].picture, "Uni-Fed-1stLt-shoulder.jpg");
    EXPECT_EQ(fed["CollarRankPic"].picture, "Uni-Fed-1stLt-collar.jpg");
    EXPECT_EQ(fed.At("ShoulderRankPic"), "85,55");
    EXPECT_EQ(fed.At("CollarRankPic"), "7,40");
    EXPECT_EQ(fed.At("AwardPlace"), "hidden");

    // Faction 2 rank 7, a woman: the commander's cut, no insignia and no wings, the medals on
    // the award plaque.
    Dressed admiral = Dress(
        {.faction = 2, .rank = 7, .gender = 2, .wings = 3, .silverStar = true, .topMedal = true});
    EXPECT_EQ(admiral["Image33"].picture, "Uni-outerrim-blank-com-fem.jpg");
    EXPECT_EQ(admiral.At("ShoulderRankPic"), "hidden");
    EXPECT_EQ(admiral.At("PilotWingsPicMiddle"), "hidden");
    EXPECT_EQ(admiral["AwardPlace"].picture, "Uni-Outerrim-awardplace.jpg");
    EXPECT_EQ(admiral.At("SilverStarMedal"), "182,19");
    EXPECT_EQ(admiral.At("GoldStarMedal"), "hidden");
    EXPECT_EQ(admiral.At("HonorMedal"), "253,12");
    // Rank 8 wears the admiral's insignia, out on the shoulder.
    Dressed top = Dress({.faction = 2, .rank = 8, .gender = 2});
    EXPECT_EQ(top["ShoulderRankPic"].picture, "Uni-outerrim-Adm-shoulder.jpg");
    EXPECT_EQ(top.At("ShoulderRankPic") + " " + top.At("CollarRankPic"), "170,70 7,60");

    // Five ribbons: a full row of four, the fifth centred below; the medal row under them.
    Dressed five = Dress({.faction = 4, .rank = 4, .ribbons = 5, .goldStar = true});
    std::string ribbons;
    for (int k = 1; k <= 12; ++k) ribbons += five.At("RibbonPic" + std::to_string(k)) + " ";
    EXPECT_EQ(ribbons,
              "64,176 101,176 138,176 175,176 120,192 hidden hidden hidden hidden hidden hidden "
              "hidden ");
    EXPECT_EQ(five["RibbonPic5"].picture, "Coal-ribbon5.jpg");
    EXPECT_EQ(five.At("GoldStarMedal"), "123,216");
    // Two or three in the last row are centred; more than twelve show twelve.
    Dressed six = Dress({.faction = 1, .rank = 2, .ribbons = 6});
    EXPECT_EQ(six.At("RibbonPic5") + " " + six.At("RibbonPic6"), "103,192 140,192");
    Dressed three = Dress({.faction = 1, .rank = 2, .ribbons = 3});
    EXPECT_EQ(three.At("RibbonPic1") + " " + three.At("RibbonPic3"), "83,176 157,176");
    EXPECT_EQ(Dress({.faction = 3, .rank = 2, .ribbons = 15}).At("RibbonPic12"), "175,208");

    // The medal row by ribbons (below 5: 200, 5..8: 216, 9 on: 232); two medals at 99 and 147 in
    // the order silver, gold, top; three put the top medal in the middle.
    for (auto [n, row] : {std::pair{4, 200}, {5, 216}, {8, 216}, {9, 232}}) {
        Dressed d =
            Dress({.faction = 1, .rank = 6, .ribbons = n, .goldStar = true, .topMedal = true});
        EXPECT_EQ(d.At("GoldStarMedal") + " " + d.At("HonorMedal"),
                  "99," + std::to_string(row) + " 147," + std::to_string(row));
    }
    Dressed all =
        Dress({.faction = 3, .rank = 1, .silverStar = true, .goldStar = true, .topMedal = true});
    EXPECT_EQ(
        all.At("SilverStarMedal") + " " + all.At("HonorMedal") + " " + all.At("GoldStarMedal"),
        "75,200 123,200 171,200");

    // Wings by level, none above rank 6 or for a damaged level.
    auto wings = [](int level, int rank) {
        Dressed d = Dress({.faction = 2, .rank = rank, .wings = level});
        return d.At("PilotWingsPicLeft") + " " + d.At("PilotWingsPicMiddle") + " " +
               d.At("PilotWingsPicRight");
    };
    EXPECT_EQ(wings(0, 4), "hidden hidden hidden");
    EXPECT_EQ(wings(1, 4), "hidden 112,152 hidden");
    EXPECT_EQ(wings(2, 4), "88,152 hidden 136,152");
    EXPECT_EQ(wings(3, 6), "64,152 112,152 160,152");
    EXPECT_EQ(wings(3, 7), "hidden hidden hidden");
    EXPECT_EQ(wings(9, 4), "hidden hidden hidden");

    // A faction outside 1..4 dresses nobody.
    for (const UniformPiece& p : ComposeUniform({.faction = 5, .rank = 3, .ribbons = 4}))
        EXPECT_FALSE(p.visible) << p.component;
}

}  // namespace
}  // namespace corvanth
