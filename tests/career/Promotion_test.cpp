// The career ladder, the medals and the wings as CheckPromotion hands them out, and what the award
// screen and the story window say.
#include "career/Promotion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "career/storyteller.h"
#include "state/tables.h"
#include "state/variables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/game_test.h"
#include "ui/audio.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kFed = FactionId::Federation, kRim = FactionId::OuterRimAlliance;
constexpr int kSyn = FactionId::Syndicate, kCoal = FactionId::Coalition;

class Promotion : public test::GameTest {
  protected:
    // A new captain whose fame and reputation both stand at `value`, due for ladder row `row`.
    GameRecord& Captain(int faction, int32_t value = 0, int row = 1, int32_t due = 150) {
        test::StartNewGame(faction, "Ilse Varga");
        GameRecord& standing = G().Factions[faction];
        standing[Faction::AwardStep] = row;
        standing[Faction::NextFameThreshold] = standing[Faction::NextReputationThreshold] = due;
        G().Players[1][Player::Fame] = standing[Faction::Reputation] = value;
        return standing;
    }
    static int Life() { return G().Players[1][Player::LifePoints]; }
    const ui::Snapshot& Award() { return *player().LastSeen("TForm42"); }
    // The career's sounds in the order they played.
    static std::vector<std::string> Fanfares() {
        std::vector<std::string> out;
        for (const std::string& s : ui::audio::Log())
            for (const char* f : {"award", "promotion", "highestrank", "reward3"})
                if (s == std::string("wave:") + f + ".wav") out.push_back(f);
        return out;
    }
};

TEST_F(Promotion, TheLadderTakesOneStepPerCallWhenFameAndReputationBothReachIt) {
    // The start's own check took the silent row 0: both thresholds 150, no screen, no point.
    test::StartNewGame(kFed, "Ilse Varga");
    GameRecord& fed = G().Factions[kFed];
    EXPECT_EQ(fed[Faction::AwardStep], 1);
    EXPECT_EQ(fed[Faction::NextReputationThreshold], 150);
    EXPECT_EQ(player().Seen().size(), 0u);
    const int life = Life();

    // Fame far above 150 with reputation below it gives nothing.
    G().Players[1][Player::Fame] = 5000;
    fed[Faction::Reputation] = 149;
    CheckPromotion();
    EXPECT_EQ(fed[Faction::AwardStep], 1);

    // Both at 1000 pass rows 1, 2 and 3 (150, 500, 900): one row a call, a fourth call nothing.
    fed[Faction::Reputation] = G().Players[1][Player::Fame] = 1000;
    test::LinkGameArt(std::filesystem::current_path());
    player().Do("TForm42", [](ui::Form& f) {
        ui::RenderFormToPng(f, CORVANTH_SCREENS_DIR "/TForm42_ribbon.png");
    });
    for (int i = 0; i < 3; ++i) player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(Award().Text("Label3"), "\"Operation Spearhead\"");
    EXPECT_EQ(Award().Picture("RibbonPic2"), "Fed-ribbon2.jpg");  // already on the uniform
    EXPECT_EQ(fed[Faction::PreviousReputationThreshold], 150);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 500);
    CheckPromotion();
    CheckPromotion();
    CheckPromotion();
    EXPECT_EQ(fed[Faction::CampaignRibbons], 3);
    EXPECT_EQ(fed[Faction::Rank], 2);
    EXPECT_EQ(fed[Faction::AwardStep], 4);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 1600);
    EXPECT_EQ(Life(), life + 3);
    EXPECT_EQ(Fanfares(), (std::vector<std::string>{"award", "award", "promotion"}));
    EXPECT_EQ(Award().Text("Label2"), "For your honorful service the " + FactionName(kFed) +
                                          " high command promotes you to:");
    EXPECT_EQ(Award().Text("Label3") + " " + Award().Text("Label4"), "2nd Lieutenant (2nd Lt.)");
    EXPECT_EQ(Award().Picture("Image1"), "uni-fed-2ndLt-shoulder.jpg");
    EXPECT_EQ(player().TimesSeen("TForm42"), 3);
}

TEST_F(Promotion, TheOwnPlanetTheHighestRankAndNothingAfterIt) {
    GameRecord& isle = G().Planets[13][1];
    const std::string dream = "This is the highest reward you ever dreamed of achieving.";
    // Row 18 with the Alliance holding the planet: the grant, which ends with the dream once.
    GameRecord& rim = Captain(kRim, 2000000, 18, 2000000);
    isle[Planet::Owner] = kRim;
    const int life = Life();
    player().Click("TMessage4", "SpeedButton1");
    CheckPromotion();
    const ui::Snapshot* grant = player().LastSeen("TMessage4");
    EXPECT_EQ(grant->Text("Label2") + " " + grant->Picture("Image1"),
              "Your own planet!!! earth12r.jpg");
    EXPECT_EQ(grant->Text("Memo1"),
              "Congratulations! For your good services the government has granted you the "
              "ownership of the planet \"Isle of Innisfree\" in the New Ireland system. " +
                  dream);
    EXPECT_EQ(G().Players[1][Player::OwnPlanet], 1);
    EXPECT_EQ(rim[Faction::NextFameThreshold], 3000000);
    EXPECT_EQ(Life(), life + 1);

    // Held by the Syndicate: the promise, then the dream on a line of its own.
    Captain(kRim, 2000000, 18, 2000000);
    isle[Planet::Owner] = kSyn;
    player().Click("TMessage4", "SpeedButton1");
    CheckPromotion();
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Memo1"),
              "Your government has promised you to grant you the planet \"Isle of Innisfree\" in "
              "the New Ireland system. Right now your country is not in control of this planet. If "
              "the opportunity should arise, conquer it and at the time you retire its yours "
              "alone!\n" +
                  dream);
    EXPECT_EQ(G().Players[1][Player::OwnPlanet], 1);
    EXPECT_EQ(player().TimesSeen("TForm42"), 0);  // the planet has no award screen

    // Row 19: admiral, with the promotion and then the highest rank's fanfare.
    GameRecord& top = Captain(kRim, 3000000, 19, 3000000);
    ui::audio::ClearLog();
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(top[Faction::Rank], 8);
    EXPECT_EQ(Fanfares(), (std::vector<std::string>{"promotion", "highestrank"}));
    EXPECT_EQ(Award().Text("Label2"),
              "The " + FactionName(kRim) + " high command promotes you to:");
    EXPECT_EQ(Award().Picture("Image1"), "Uni-outerrim-Comm-shoulder.jpg");
    // Step 20 awards nothing, but both at 3000001 still move the bars' lower ends.
    G().Players[1][Player::Fame] = top[Faction::Reputation] = 3000001;
    CheckPromotion();
    EXPECT_EQ(top[Faction::AwardStep], 20);
    EXPECT_EQ(top[Faction::PreviousFameThreshold], 3000001);
    EXPECT_EQ(player().TimesSeen("TForm42"), 1);
}

TEST_F(Promotion, MedalsSilverFirstAndWingsByShipSizeNeverDownwards) {
    GameRecord& syn = Captain(kSyn);
    syn[Faction::SilverStar] = syn[Faction::GoldStar] = 2;
    const int life = Life();
    player().Click("TForm42", "SpeedButton2").Click("TForm42", "SpeedButton2");
    CheckPromotion();
    CheckPromotion();  // shown once only
    EXPECT_EQ(Life(), life + 2);
    EXPECT_EQ(syn[Faction::SilverStar] + syn[Faction::GoldStar], 2);
    ASSERT_EQ(player().TimesSeen("TForm42"), 2);
    // The Syndicate opens a quote it never closes; the silver comes first.
    EXPECT_EQ(player().Seen()[0].Text("Label3"), "\"Silver Ying-Yang");
    EXPECT_EQ(player().Seen()[1].Text("Label3"), "\"Gold Ying-Yang");
    EXPECT_EQ(Form42->GoldStarMedal->left, 147);  // beside the silver on the uniform

    // Size 3 gives the second class, size 5 then the first, size 3 after it nothing.
    GameRecord& ship = G().Ships[1][1];
    ui::audio::ClearLog();
    test::LinkGameArt(std::filesystem::current_path());
    player()
        .Do("TForm42",
            [](ui::Form& f) { ui::RenderFormToPng(f, CORVANTH_SCREENS_DIR "/TForm42_wings.png"); })
        .Click("TForm42", "SpeedButton2")
        .Click("TForm42", "SpeedButton2");
    for (int size : {3, 5, 3}) {
        ship[Ship::SizeClass] = size;
        CheckPromotion();
    }
    EXPECT_EQ(syn[Faction::PilotWings], 3);
    EXPECT_EQ(player().TimesSeen("TForm42"), 4);
    EXPECT_EQ(Fanfares(), (std::vector<std::string>{"award", "reward3"}));
    EXPECT_EQ(Award().Text("Label3"), "Pilot wings 1st class");
    EXPECT_EQ(Award().Picture("Image1"), "Synd-pilotwings.jpg");
    EXPECT_EQ(Life(), life + 2);  // wings give no life point

    // A first command of size 5 goes straight to the first class.
    GameRecord& coal = Captain(kCoal);
    G().Ships[1][1][Ship::SizeClass] = 5;
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(coal[Faction::PilotWings], 3);
}

TEST_F(Promotion, WhatTheAwardsSayAndWhenAStoryFollows) {
    for (int f = kFed; f <= kCoal; ++f) {
        for (int n = 2; n <= 12; ++n) {
            const AwardTexts r = RibbonAward(f, n);
            EXPECT_FALSE(r.name.empty() || r.quotation.empty()) << f << " " << n;
            // Only the Federation's and the Alliance's sixth and seventh ribbons tell a story.
            const bool story = (f == kFed || f == kRim) && (n == 6 || n == 7);
            EXPECT_EQ(!StoryAfterRibbon(f, n).title.empty(), story) << f << " " << n;
        }
    }
    // The anthem ribbon is split over two lines; the Federation quotes its kind from ribbon 7 on.
    EXPECT_EQ(RibbonAward(kFed, 6).name + "|" + RibbonAward(kFed, 6).kind,
              "\"Anthem of|the Free Worlds\"");
    EXPECT_EQ(RibbonAward(kFed, 7).kind, "campaign ribbon\"");
    EXPECT_EQ(RibbonAward(kRim, 7).kind, "campaign ribbon");
    EXPECT_EQ(RibbonAward(kFed, 3).name, "The \"Keep marching\"");
    EXPECT_EQ(RibbonAward(kRim, 5).name, "The Maeve Corrigan");
    EXPECT_EQ(MedalAward(kCoal, false).name, "Crimson Cross");

    // Row 7 brings the Federation's ribbon 6 and then its story; the Coalition's has none.
    Captain(kFed, 8000, 7, 8000);
    player().Click("TForm42", "SpeedButton2").Click("TForm45", "SpeedButton15");
    CheckPromotion();
    EXPECT_EQ(player().LastSeen("TForm45")->Text("Label1"), "Anthem of the Free Worlds");
    Captain(kCoal, 8000, 7, 8000);
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(player().TimesSeen("TForm45"), 1);
    // The story file is not in this directory: the title shows over an empty page.
    EXPECT_EQ(player().LastSeen("TForm45")->Text("Memo1"), "");
}

TEST_F(Promotion, EveryRowFallsDueAtItsThresholdAndAHundredChecksClimbAsFarAsTheyAllow) {
    // The ladder: what fame and reputation must reach, the award (a ribbon count, a rank or
    // the own planet), its fanfares and the threshold it leaves for the next row.
    struct Row {
        int32_t due;
        char award;  // 'r' ribbons, 'k' rank, 'p' the own planet
        int value;
        std::vector<std::string> sounds;
        int32_t next;
    };
    const std::vector<std::string> award = {"award"}, promotion = {"promotion"};
    const Row ladder[] = {
        {0, '-', 0, {}, 150},
        {150, 'r', 2, award, 500},
        {500, 'r', 3, award, 900},
        {900, 'k', 2, promotion, 1600},
        {1600, 'r', 4, award, 3000},
        {3000, 'r', 5, award, 5000},
        {5000, 'k', 3, promotion, 8000},
        {8000, 'r', 6, award, 12000},
        {12000, 'r', 7, award, 18000},
        {18000, 'k', 4, promotion, 25000},
        {25000, 'r', 8, award, 35000},
        {35000, 'r', 9, award, 45000},
        {45000, 'k', 5, promotion, 55000},
        {55000, 'r', 10, award, 80000},
        {80000, 'k', 6, promotion, 200000},
        {200000, 'r', 11, award, 1000000},
        {1000000, 'k', 7, promotion, 1500000},
        {1500000, 'r', 12, award, 2000000},
        {2000000, 'p', 1, award, 3000000},
        {3000000, 'k', 8, {"promotion", "highestrank"}, 3000001},
    };
    for (int s = 1; s <= 19; ++s) {
        SCOPED_TRACE(s);
        test::UseAnsweringBackend answering;
        const Row& row = ladder[s];
        // Fame at the threshold and reputation a point short: nothing; both at it: the row.
        GameRecord& fed = Captain(kFed, row.due - 1, s, row.due);
        G().Players[1][Player::Fame] = row.due;
        const int life = Life();
        CheckPromotion();
        EXPECT_EQ(fed[Faction::AwardStep], s);
        ui::audio::ClearLog();
        fed[Faction::Reputation] = row.due;
        CheckPromotion();
        EXPECT_EQ(fed[Faction::AwardStep], s + 1);
        EXPECT_EQ(fed[Faction::NextFameThreshold], row.next);
        EXPECT_EQ(fed[Faction::NextReputationThreshold], row.next);
        EXPECT_EQ(fed[Faction::PreviousReputationThreshold], row.due);
        EXPECT_EQ(Life(), life + 1);
        EXPECT_EQ(Fanfares(), row.sounds);
        EXPECT_EQ(fed[Faction::CampaignRibbons], row.award == 'r' ? row.value : 1);
        EXPECT_EQ(fed[Faction::Rank], row.award == 'k' ? row.value : 1);
        EXPECT_EQ(G().Players[1][Player::OwnPlanet], row.award == 'p' ? 1 : 0);
    }

    // 60000 passes the thresholds of rows 1..13 (150 .. 55000) but not row 14's 80000.
    GameRecord& fed = Captain(kFed, 60000);
    const int life = Life();
    test::UseAnsweringBackend answering;
    for (int i = 0; i < 100; ++i) CheckPromotion();
    EXPECT_EQ(fed[Faction::AwardStep], 14);
    EXPECT_EQ(fed[Faction::Rank], 5);
    EXPECT_EQ(fed[Faction::CampaignRibbons], 10);
    EXPECT_EQ(fed[Faction::PreviousFameThreshold], 55000);
    EXPECT_EQ(Life(), life + 13);
    EXPECT_EQ(answering.backend().answered.at("TForm42"), 13);
    EXPECT_EQ(answering.backend().answered.at("TForm45"), 2);
}

}  // namespace
}  // namespace corvanth
