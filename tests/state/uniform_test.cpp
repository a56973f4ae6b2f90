// The dress uniform composed without a screen: pictures, places and what is hidden.
#include "state/uniform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvanth {
namespace {

struct Dressed {
    std::vector<UniformPiece> pieces;
    const UniformPiece& operator[](const std::string& component) const {
        for (const UniformPiece& p : pieces)
            if (p.component == component) return p;
        static const UniformPiece kMissing{"missing", "", -1, -1, false};
        ADD_FAILURE() << component << " is not composed";
        return kMissing;
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> names;
        for (const UniformPiece& p : pieces)
            if (p.visible) names.push_back(p.component);
        return names;
    }
};

Dressed Dress(UniformWearer w) {
    return {ComposeUniform(w)};
}

void ExpectAt(const UniformPiece& p, int left, int top) {
    EXPECT_TRUE(p.visible) << p.component;
    EXPECT_EQ(p.left, left) << p.component;
    EXPECT_EQ(p.top, top) << p.component;
}

TEST(Uniform, UniformAndInsigniaByFactionRankAndGender) {
    // Faction 1 rank 3: the plain uniform, first lieutenant's insignia, the collar at 7, 40.
    Dressed fed = Dress({.faction = 1, .rank = 3, .gender = 1, .ribbons = 1});
    EXPECT_EQ(fed["Image33"].picture, "Uni-Fed-blank.jpg");
    EXPECT_EQ(fed["ShoulderRankPic"].picture, "Uni-Fed-1stLt-shoulder.jpg");
    EXPECT_EQ(fed["CollarRankPic"].picture, "Uni-Fed-1stLt-collar.jpg");
    ExpectAt(fed["ShoulderRankPic"], 85, 55);
    ExpectAt(fed["CollarRankPic"], 7, 40);
    EXPECT_FALSE(fed["AwardPlace"].visible);
    // The Federation's collar moves with the rank; the others' stays.
    ExpectAt(Dress({.faction = 1, .rank = 5})["CollarRankPic"], 12, 47);
    ExpectAt(Dress({.faction = 1, .rank = 6})["CollarRankPic"], 6, 44);
    ExpectAt(Dress({.faction = 3, .rank = 2})["ShoulderRankPic"], 98, 60);
    ExpectAt(Dress({.faction = 4, .rank = 6})["CollarRankPic"], 6, 54);

    // Faction 2 rank 7, a woman: the commander's uniform, no insignia, no wings however many,
    // and the awarded medals on the plaque.
    Dressed admiral = Dress({.faction = 2,
                             .rank = 7,
                             .gender = 2,
                             .wings = 3,
                             .ribbons = 2,
                             .silverStar = true,
                             .topMedal = true});
    EXPECT_EQ(admiral["Image33"].picture, "Uni-outerrim-blank-com-fem.jpg");
    EXPECT_FALSE(admiral["ShoulderRankPic"].visible);
    EXPECT_FALSE(admiral["CollarRankPic"].visible);
    EXPECT_EQ(admiral["ShoulderRankPic"].left, 170);
    EXPECT_EQ(admiral["CollarRankPic"].top, 57);
    EXPECT_EQ(admiral["AwardPlace"].picture, "Uni-Outerrim-awardplace.jpg");
    EXPECT_TRUE(admiral["AwardPlace"].visible);
    ExpectAt(admiral["SilverStarMedal"], 182, 19);
    ExpectAt(admiral["HonorMedal"], 253, 12);
    EXPECT_FALSE(admiral["GoldStarMedal"].visible);
    EXPECT_EQ(admiral.Shown(),
              (std::vector<std::string>{"Image33", "RibbonPic1", "RibbonPic2", "SilverStarMedal",
                                        "HonorMedal", "AwardPlace"}));
    EXPECT_EQ(admiral["RibbonPic2"].picture, "Outerrim-ribbon2.jpg");
    EXPECT_EQ(admiral["HonorMedal"].picture, "Outerrim-MedalofHonor.jpg");

    // Rank 8 wears the admiral's insignia out on the shoulder.
    Dressed top = Dress({.faction = 2, .rank = 8, .gender = 2});
    EXPECT_EQ(top["ShoulderRankPic"].picture, "Uni-outerrim-Adm-shoulder.jpg");
    ExpectAt(top["ShoulderRankPic"], 170, 70);
    ExpectAt(top["CollarRankPic"], 7, 60);

    // A damaged faction dresses nobody.
    EXPECT_TRUE(Dress({.faction = 0, .rank = 3, .ribbons = 4}).Shown().empty());
    EXPECT_TRUE(Dress({.faction = 5, .rank = 3, .ribbons = 4, .goldStar = true}).Shown().empty());
}

TEST(Uniform, RibbonsInRowsOfFourAndTheMedalRowBelowThem) {
    // Five ribbons: a full row at 64, 101, 138, 175 (top 176), the fifth alone at 120 (top 192).
    Dressed five = Dress({.faction = 4, .rank = 4, .ribbons = 5, .goldStar = true});
    const int full[] = {64, 101, 138, 175};
    for (int k = 1; k <= 4; ++k) ExpectAt(five["RibbonPic" + std::to_string(k)], full[k - 1], 176);
    ExpectAt(five["RibbonPic5"], 120, 192);
    for (int k = 6; k <= 12; ++k) EXPECT_FALSE(five["RibbonPic" + std::to_string(k)].visible);
    EXPECT_EQ(five["RibbonPic5"].picture, "Coal-ribbon5.jpg");
    // One medal in the middle, on the row below two rows of ribbons.
    ExpectAt(five["GoldStarMedal"], 123, 216);

    // Six ribbons: the two of the second row centred at 103 and 140; three ribbons at 83, 120,
    // 157; twelve fill three rows, and more than twelve show twelve.
    Dressed six = Dress({.faction = 1, .rank = 2, .ribbons = 6});
    ExpectAt(six["RibbonPic5"], 103, 192);
    ExpectAt(six["RibbonPic6"], 140, 192);
    Dressed three = Dress({.faction = 1, .rank = 2, .ribbons = 3});
    ExpectAt(three["RibbonPic1"], 83, 176);
    ExpectAt(three["RibbonPic3"], 157, 176);
    Dressed many = Dress({.faction = 3, .rank = 2, .ribbons = 15});
    ExpectAt(many["RibbonPic12"], 175, 208);
    ExpectAt(many["RibbonPic9"], 64, 208);

    // The medal row by the ribbon count: below 5 at 200, 5..8 at 216, 9 and more at 232. Two
    // medals stand at 99 and 147 in the order silver, gold, top; three put the top medal in the
    // middle.
    const std::pair<int, int> kRowTop[] = {{0, 200}, {4, 200}, {5, 216}, {8, 216}, {9, 232}};
    for (auto [ribbons, rowTop] : kRowTop) {
        Dressed d = Dress(
            {.faction = 1, .rank = 6, .ribbons = ribbons, .goldStar = true, .topMedal = true});
        ExpectAt(d["GoldStarMedal"], 99, rowTop);
        ExpectAt(d["HonorMedal"], 147, rowTop);
        EXPECT_FALSE(d["SilverStarMedal"].visible);
    }
    Dressed all =
        Dress({.faction = 3, .rank = 1, .silverStar = true, .goldStar = true, .topMedal = true});
    ExpectAt(all["SilverStarMedal"], 75, 200);
    ExpectAt(all["HonorMedal"], 123, 200);
    ExpectAt(all["GoldStarMedal"], 171, 200);
    EXPECT_EQ(all["SilverStarMedal"].picture, "Synd-Medal-SilverStar.jpg");
}

TEST(Uniform, PilotWingsByLevel) {
    auto wings = [](int level, int rank = 4) {
        Dressed d = Dress({.faction = 1, .rank = rank, .wings = level});
        return std::vector<bool>{d["PilotWingsPicLeft"].visible, d["PilotWingsPicMiddle"].visible,
                                 d["PilotWingsPicRight"].visible};
    };
    EXPECT_EQ(wings(0), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(wings(1), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(wings(2), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(wings(3), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(wings(3, 7), (std::vector<bool>{false, false, false}));  // above rank 6: none
    EXPECT_EQ(wings(9), (std::vector<bool>{false, false, false}));     // a damaged level

    Dressed two = Dress({.faction = 2, .rank = 5, .wings = 2});
    ExpectAt(two["PilotWingsPicLeft"], 88, 152);
    ExpectAt(two["PilotWingsPicRight"], 136, 152);
    EXPECT_EQ(two["PilotWingsPicLeft"].picture, "Outerrim-Pilotwings.jpg");
    Dressed three = Dress({.faction = 2, .rank = 5, .wings = 3});
    ExpectAt(three["PilotWingsPicLeft"], 64, 152);
    ExpectAt(three["PilotWingsPicMiddle"], 112, 152);
    ExpectAt(three["PilotWingsPicRight"], 160, 152);
}

}  // namespace
}  // namespace corvanth
