// The personal information screen, and the one uniform that it, the award screen and the
// retirement wear.
#include "career/PersonalInfo.h"

#include "career/warstatus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "career/Promotion.h"
#include "career/storyteller.h"
#include "combat/Duelhold_Main.h"
#include "planet/Scanner.h"
#include "shell/retire2.h"
#include "state/awardbars.h"
#include "state/tables.h"
#include "state/variables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/travel.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth {
namespace {

const std::string kScreens = CORVANTH_SCREENS_DIR;

// The uniform group's images that a screen shows, in layout order, as "name picture left,top".
std::vector<std::string> Worn(const ui::Form& screen) {
    std::vector<std::string> out;
    for (const auto& c : screen.Components())
        if (c->Parent() && c->Parent()->Name() == "UniformGroup" && c->visible)
            out.push_back(c->Name() + " " + static_cast<const ui::Image&>(*c).picture + " " +
                          std::to_string(c->left) + "," + std::to_string(c->top));
    return out;
}

class PersonalInfo : public test::GameTest {
  protected:
    GameRecord& Captain(int faction, int rank, int gender = 1) {
        test::StartNewGame(faction, "Tomas Reyes");
        G().Players[1][Player::Gender] = gender;
        GameRecord& standing = G().Factions[faction];
        standing[Faction::Rank] = rank;
        return standing;
    }
    static void Medals(GameRecord& standing, bool silver, bool gold, bool top) {
        standing[Faction::SilverStar] = silver;
        standing[Faction::GoldStar] = gold;
        standing[Faction::MedalOfHonour] = top;
    }
    // What the three uniform screens wear after their fill routines.
    static void ExpectEveryScreenWears(const std::vector<std::string>& expected) {
        ShowRetirementUniform();
        RefreshAwardUniform();
        ShowPersonalInfo();
        EXPECT_EQ(Worn(*Form39), expected);
        EXPECT_EQ(Worn(*Form42), expected);
        EXPECT_EQ(Worn(*Form28), expected);
    }
};

TEST_F(PersonalInfo, OneUniformDressesTheRetirementTheAwardAndThePersonalScreen) {
    // Federation rank 5, wings 2, six ribbons, silver and gold: the collar of ranks 4-5 at
    // (12, 47); the last two ribbons centred at 103 and 140; 5..8 ribbons put the medals at 216.
    GameRecord& fed = Captain(FactionId::Federation, 5);
    fed[Faction::PilotWings] = 2;
    fed[Faction::CampaignRibbons] = 6;
    Medals(fed, true, true, false);
    ExpectEveryScreenWears(
        {"Image33 Uni-Fed-blank.jpg 0,0", "ShoulderRankPic Uni-Fed-Comm-shoulder.jpg 85,55",
         "CollarRankPic Uni-Fed-Comm-collar.jpg 12,47",
         "PilotWingsPicLeft Fed-Pilotwings.jpg 88,152",
         "PilotWingsPicRight Fed-Pilotwings.jpg 136,152", "RibbonPic1 Fed-ribbon1.jpg 64,176",
         "RibbonPic2 Fed-ribbon2.jpg 101,176", "RibbonPic3 Fed-ribbon3.jpg 138,176",
         "RibbonPic4 Fed-ribbon4.jpg 175,176", "RibbonPic5 Fed-ribbon5.jpg 103,192",
         "RibbonPic6 Fed-ribbon6.jpg 140,192", "SilverStarMedal Fed-Medal-SilverStar.jpg 99,216",
         "GoldStarMedal Fed-Medal-GoldStar.jpg 147,216"});

    // Coalition rank 7: the commander's cut, no insignia and no wings, the medals on the plaque.
    GameRecord& coal = Captain(FactionId::Coalition, 7);
    coal[Faction::PilotWings] = 3;
    coal[Faction::CampaignRibbons] = 2;
    Medals(coal, true, false, true);
    ExpectEveryScreenWears(
        {"Image33 Uni-Coal-blank-com.jpg 0,0", "AwardPlace Uni-Coal-awardplace.jpg 176,6",
         "RibbonPic1 Coal-ribbon1.jpg 103,176", "RibbonPic2 Coal-ribbon2.jpg 140,176",
         "SilverStarMedal Coal-Medal-SilverStar.jpg 182,19",
         "HonorMedal Coal-MedalofHonor.jpg 253,12"});

    // A woman of the Alliance at rank 8: the admiral's shoulder out at (170, 70), collar (7, 60).
    Captain(FactionId::OuterRimAlliance, 8, 2)[Faction::CampaignRibbons] = 1;
    ExpectEveryScreenWears({"Image33 Uni-outerrim-blank-com-fem.jpg 0,0",
                            "AwardPlace Uni-Outerrim-awardplace.jpg 176,6",
                            "ShoulderRankPic Uni-outerrim-Adm-shoulder.jpg 170,70",
                            "CollarRankPic Uni-outerrim-Adm-collar.jpg 7,60",
                            "RibbonPic1 Outerrim-ribbon1.jpg 120,176"});

    // Syndicate rank 1, wings 1, no ribbon, three medals: silver 75, top 123, gold 171 at 200.
    GameRecord& syn = Captain(FactionId::Syndicate, 1);
    syn[Faction::PilotWings] = 1;
    syn[Faction::CampaignRibbons] = 0;
    Medals(syn, true, true, true);
    ExpectEveryScreenWears({"Image33 Uni-Synd-blank.jpg 0,0",
                            "ShoulderRankPic Uni-Synd-ensign-shoulder.jpg 98,60",
                            "CollarRankPic Uni-Synd-ensign-collar.jpg 14,42",
                            "PilotWingsPicMiddle Synd-Pilotwings.jpg 112,152",
                            "SilverStarMedal Synd-Medal-SilverStar.jpg 75,200",
                            "GoldStarMedal Synd-Medal-GoldStar.jpg 171,200",
                            "HonorMedal Synd-MedalofHonor.jpg 123,200"});

    // Rank 0 wears no insignia.
    Captain(FactionId::Federation, 0)[Faction::CampaignRibbons] = 0;
    ExpectEveryScreenWears({"Image33 Uni-Fed-blank.jpg 0,0"});
}

// A bar as a screen shows it.
struct Shown {
    int max, position;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << s.position << " of " << s.max;
    }
};

// The travel screen's status, the arena's status and this screen show fame and reputation on
// bars from the last award threshold to the next; the same values read alike on all three.
TEST_F(PersonalInfo, TheAwardBarsReadAlikeOnEveryScreen) {
    // Thresholds a damaged save put far apart do not wrap.
    EXPECT_EQ(AwardBarFor(0, INT32_MIN, INT32_MAX).maximum, INT32_MAX);

    GameRecord& fed = Captain(FactionId::Federation, 8);
    fed[Faction::AwardStep] = 20;  // the ladder climbed: the promotion check only moves the ends
    // Fame and reputation bars of each screen, as (maximum, position).
    auto expectEveryScreen = [&](const std::string& when, Shown fame, Shown reputation) {
        SCOPED_TRACE(when);
        RefreshStatusPanel();
        ShowArenaStatus();
        ShowPersonalInfo();
        auto read = [](const ui::ProgressBar& bar) { return Shown{bar.Max(), bar.Position()}; };
        for (const auto& [screen, f, r] :
             {std::tuple{"travel", Form2->ProgressBar2, Form2->ProgressBar1},
              std::tuple{"arena", Form61->FameBar, Form61->ReputationBar},
              std::tuple{"personal", Form28->ProgressBar2, Form28->ProgressBar1}}) {
            EXPECT_EQ(read(*f), fame) << screen;
            EXPECT_EQ(read(*r), reputation) << screen;
        }
    };
    auto thresholds = [&](int last, int next) {
        fed[Faction::PreviousFameThreshold] = fed[Faction::PreviousReputationThreshold] = last;
        fed[Faction::NextFameThreshold] = fed[Faction::NextReputationThreshold] = next;
    };
    int32_t& fame = G().Players[1][Player::Fame];
    int32_t& reputation = fed[Faction::Reputation];

    // Between 1.000.000 and 1.500.000 the bars are 500.000 long: one short of the next threshold
    // stands at 499.999, the next threshold itself fills the bar, one more stays full.
    thresholds(1000000, 1500000);
    fame = 1499999, reputation = 1500000;
    expectEveryScreen("either side of 1.500.000", {500000, 499999}, {500000, 500000});
    fame = 1500001, reputation = 999999;  // below the last threshold: empty
    expectEveryScreen("past it, and below 1.000.000", {500000, 500000}, {500000, 0});

    // The last step leaves 3.000.000 to 3.000.001: a bar one long, empty until 3.000.001.
    thresholds(3000000, 3000001);
    fame = reputation = 3000000;
    expectEveryScreen("one short of the top", {1, 0}, {1, 0});
    fame = 3000001;
    expectEveryScreen("fame at the top", {1, 1}, {1, 0});

    // At the top rank both passed 3.000.001, so the promotion check moved the lower ends up to
    // it: the bars have no length left, and values past the last threshold show them full.
    fame = 3000218, reputation = 3000208;
    CheckPromotion();
    ASSERT_EQ(fed[Faction::PreviousFameThreshold], 3000001);
    ASSERT_EQ(fed[Faction::PreviousReputationThreshold], 3000001);
    expectEveryScreen("top rank", {1, 1}, {1, 1});
    // A reputation that falls below the threshold empties its bar again.
    reputation = 3000000;
    expectEveryScreen("reputation lost at the top", {1, 1}, {1, 0});
}

TEST_F(PersonalInfo, TheRecordTheBarsBetweenThresholdsAndTheSizeClass) {
    GameRecord& syn = Captain(FactionId::Syndicate, 3);
    GameRecord& me = G().Players[1];
    me[Player::Money] = 1234567;
    me[Player::LifePoints] = 3;
    // Right after the first ribbon the bars run from 150 to 500: fame 900 stops at the end.
    me[Player::Fame] = 900;
    syn[Faction::Reputation] = 200;
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    G().Ships[1][1][Ship::SizeClass] = 4;
    ShowPersonalInfo();
    TForm28& screen = *Form28;
    EXPECT_EQ(screen.Label2->caption, "Name: Tomas Reyes");
    EXPECT_EQ(screen.Label6->caption, "$C: 1.234.567");
    EXPECT_EQ(screen.Label3->caption, "\"Life\"-points left: 4");  // 3 and the ribbon's
    EXPECT_EQ(screen.Label4->caption, "Rank: Tai-i");
    EXPECT_EQ(screen.Label8->caption, "Class: Cruiser");
    EXPECT_EQ(screen.ProgressBar2->Max() + screen.ProgressBar1->Max(), 350 + 350);
    EXPECT_EQ(screen.ProgressBar2->Position(), 350);
    EXPECT_EQ(screen.ProgressBar1->Position(), 50);
    // A size class outside 1..5 keeps the label's text.
    G().Ships[1][1][Ship::SizeClass] = 9;
    ShowPersonalInfo();
    EXPECT_EQ(screen.Label8->caption, "Class: Cruiser");
    // The Coalition's rank 5 by its own name.
    Captain(FactionId::Coalition, 5);
    ShowPersonalInfo();
    EXPECT_EQ(screen.Label4->caption, "Rank: Lieutenant-Colonel");
}

// A commander's award place hangs above his shoulder board, not over it, and is cut to its own
// shape on the uniform: its box's corners show the cloth. Drawn with the game's art, the board
// with its fringe (the shoulder insignia's place and the fringe below it) is the same with the
// place shown or left out, empty of medals as a new commander wears it.
TEST_F(PersonalInfo, TheCommandersAwardPlaceSitsClearOfHisBoard) {
    test::LinkGameArt(std::filesystem::current_path());
    const std::string dir = kScreens + "/uniform/";
    std::filesystem::create_directories(dir);
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f)
        for (int rank : {7, 8}) {
            Captain(f, rank)[Faction::CampaignRibbons] = 0;
            SCOPED_TRACE(FactionName(f) + " rank " + std::to_string(rank));
            ShowPersonalInfo();
            TForm28& screen = *Form28;
            ASSERT_TRUE(screen.AwardPlace->visible);
            ui::SoftwareCanvas worn(screen.width, screen.height), bare(screen.width, screen.height);
            worn.DrawForm(screen);
            worn.SavePng(dir + "TForm28_" + std::to_string(f) + "_" + std::to_string(rank) +
                         ".png");
            screen.AwardPlace->visible = false;
            bare.DrawForm(screen);
            screen.AwardPlace->visible = true;
            const ui::Rect board = screen.ShoulderRankPic->ScreenRect();
            const int fringe = board.h / 2;  // the commander's fringe hangs half a board below it
            int covered = 0;
            for (int y = board.y; y < board.y + board.h + fringe; ++y)
                for (int x = board.x; x < board.x + board.w; ++x)
                    covered += worn.PixelAt(x, y) != bare.PixelAt(x, y);
            EXPECT_EQ(covered, 0);
            const ui::Rect place = screen.AwardPlace->ScreenRect();
            for (const auto& [x, y] : {std::pair{place.x + 1, place.y + 1},
                                       std::pair{place.x + place.w - 2, place.y + 1},
                                       std::pair{place.x + 1, place.y + place.h - 2},
                                       std::pair{place.x + place.w - 2, place.y + place.h - 2}})
                EXPECT_EQ(worn.PixelAt(x, y), bare.PixelAt(x, y)) << x << "," << y;
            int shown = 0;
            for (int y = place.y; y < place.y + place.h; ++y)
                for (int x = place.x; x < place.x + place.w; ++x)
                    shown += worn.PixelAt(x, y) != bare.PixelAt(x, y);
            // The bar runs the place's width a fifth of its height or more.
            EXPECT_GT(shown, place.w * place.h / 5);
        }
}

TEST_F(PersonalInfo, OpenedFromTheTravelScreenAndDrawn) {
    test::LinkGameArt(std::filesystem::current_path());
    // A decorated Federation commander whose fame and reputation reach the rank-5 row (45000).
    GameRecord& fed = Captain(FactionId::Federation, 4);
    fed[Faction::PilotWings] = 2;
    fed[Faction::CampaignRibbons] = 9;
    Medals(fed, true, true, false);
    fed[Faction::AwardStep] = 12;
    fed[Faction::NextFameThreshold] = fed[Faction::NextReputationThreshold] = 45000;
    G().Players[1][Player::Fame] = fed[Faction::Reputation] = 47000;
    player()
        .Do("TForm42",
            [](ui::Form& f) {
                EXPECT_EQ(Form42->Label3->caption, "Commander");
                ui::RenderFormToPng(f, kScreens + "/TForm42.png");
            })
        .Click("TForm42", "SpeedButton2");
    CheckPromotion();
    ASSERT_EQ(fed[Faction::Rank], 5);

    G().TurnNumber = 1;
    TravelScreenMayClose = 0;
    player()
        .Click("TForm2", "SpeedButton12")
        .Do("TForm28",
            [](ui::Form& f) {
                EXPECT_EQ(Form28->Label4->caption, "Rank: Commander");
                EXPECT_TRUE(Form28->SpeedButton2->enabled);
                ui::RenderFormToPng(f, kScreens + "/TForm28.png");
            })
        // Each bar says what it shows once the pointer rests on it.
        .Hover("TForm28", "ProgressBar2")
        .Wait("TForm28", 500)
        .Do("TForm28",
            [](ui::Form&) {
                const auto hint = ui::App().HintShown();
                ASSERT_TRUE(hint);
                EXPECT_EQ(hint->text, "This bar displays your fame rating.");
                ui::SoftwareCanvas canvas(ui::kCanvasWidth, ui::kCanvasHeight);
                canvas.DrawStack();
                canvas.SavePng(kScreens + "/TForm28_hint.png");
            })
        .Hover("TForm28", "ProgressBar1")
        .Wait("TForm28", 500)
        .Do("TForm28",
            [](ui::Form&) {
                ASSERT_TRUE(ui::App().HintShown());
                EXPECT_EQ(ui::App().HintShown()->text, "This bar displays your reputation rating.");
            })
        .Click("TForm28", "SpeedButton2")  // the war status, and back
        .Do("TForm41",
            [](ui::Form&) {
                EXPECT_EQ(Form41->rows[0].name->caption, FactionName(FactionId::OuterRimAlliance));
            })
        .Click("TForm41", "SpeedButton4")
        .Click("TForm28", "SpeedButton3")  // the own ship in the scanner, and back
        .Do("TForm6",
            [](ui::Form&) {
                EXPECT_EQ(Form6->Label2->caption,
                          ShipClassName(G().CurrentFleet, G().CurrentShip) + " class");
            })
        .Click("TForm6", "SpeedButton6")
        .Click("TForm28", "SpeedButton4")
        .Click("TForm2", "Image21")  // the portrait opens it too
        .Click("TForm28", "SpeedButton4")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm28"), 2);

    player()
        .Do("TForm45", [](ui::Form& f) { ui::RenderFormToPng(f, kScreens + "/TForm45.png"); })
        .Click("TForm45", "SpeedButton15");
    std::error_code ec;
    std::filesystem::create_symlink(
        std::filesystem::path(CORVANTH_SOURCE_DIR) / "data/LongDawn.txt", "LongDawn.txt", ec);
    ShowStoryWindow("Men of the Long Dawn", "LongDawn.txt");
}

}  // namespace
}  // namespace corvanth
