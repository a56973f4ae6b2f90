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
#include "support/game_test.h"
#include "ui/audio.h"

namespace corvanth {
namespace {

constexpr int kFed = FactionId::Federation;
constexpr int kRim = FactionId::OuterRimAlliance;
constexpr int kSyn = FactionId::Syndicate;
constexpr int kCoal = FactionId::Coalition;

class Promotion : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        // The story texts lie in the game's working directory.
        const std::filesystem::path data = std::filesystem::path(CORVANTH_SOURCE_DIR) / "data";
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(data, ec))
            if (!std::filesystem::exists(entry.path().filename()))
                std::filesystem::create_symlink(entry.path(), entry.path().filename(), ec);
    }
    // A new captain of that faction: the start's check has taken the silent step 0.
    GameRecord& Start(int faction) {
        test::StartNewGame(faction, "Ilse Varga");
        return G().Factions[faction];
    }
    static void Reach(int32_t value, int faction) {
        G().Players[1][Player::Fame] = value;
        G().Factions[faction][Faction::Reputation] = value;
    }
    static int Life() { return G().Players[1][Player::LifePoints]; }
    // The award and promotion sounds in the order they played.
    static std::vector<std::string> CareerSounds() {
        std::vector<std::string> out;
        for (const std::string& s : ui::audio::Log())
            if (s.find("award") != std::string::npos || s.find("rank") != std::string::npos ||
                s.find("promotion") != std::string::npos || s.find("reward3") != std::string::npos)
                out.push_back(s.substr(s.find(':') + 1));
        return out;
    }
};

TEST_F(Promotion, TheLadderTakesOneStepPerCallWhenFameAndReputationBothReachIt) {
    GameRecord& fed = Start(kFed);
    EXPECT_EQ(fed[Faction::AwardStep], 1);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 150);
    EXPECT_EQ(player().Seen().size(), 0u);  // step 0 is silent

    // Fame far above 150, reputation below it: nothing, and the lower ends stay.
    G().Players[1][Player::Fame] = 5000;
    fed[Faction::Reputation] = 149;
    const int life = Life();
    CheckPromotion();
    EXPECT_EQ(fed[Faction::AwardStep], 1);
    EXPECT_EQ(fed[Faction::PreviousFameThreshold], 0);

    // Both at 1000 are past the thresholds of rows 1, 2 and 3 (150, 500, 900): one row a call.
    Reach(1000, kFed);
    player()
        .Click("TForm42", "SpeedButton2")
        .Click("TForm42", "SpeedButton2")
        .Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(fed[Faction::CampaignRibbons], 2);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 500);
    EXPECT_EQ(fed[Faction::NextReputationThreshold], 500);
    EXPECT_EQ(fed[Faction::PreviousFameThreshold], 150);
    EXPECT_EQ(fed[Faction::PreviousReputationThreshold], 150);
    EXPECT_EQ(player().LastSeen("TForm42")->Text("Label3"), "\"Operation Spearhead\"");
    EXPECT_EQ(player().LastSeen("TForm42")->Picture("Image1"), "Fed-Ribbon2.jpg");
    // The uniform on the award screen already wears the new ribbon.
    EXPECT_EQ(player().LastSeen("TForm42")->Picture("RibbonPic2"), "Fed-ribbon2.jpg");
    CheckPromotion();
    EXPECT_EQ(fed[Faction::CampaignRibbons], 3);
    CheckPromotion();
    // Row 3: rank 2, a life point for each of the three rows, the promotion sound.
    EXPECT_EQ(fed[Faction::Rank], 2);
    EXPECT_EQ(fed[Faction::AwardStep], 4);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 1600);
    EXPECT_EQ(Life(), life + 3);
    EXPECT_EQ(CareerSounds(),
              (std::vector<std::string>{"award.wav", "award.wav", "promotion.wav"}));
    const ui::Snapshot* rank = player().LastSeen("TForm42");
    EXPECT_EQ(rank->Text("Label2"), "For your honorful service the " + FactionName(kFed) +
                                        " high command promotes you to:");
    EXPECT_EQ(rank->Text("Label3"), "2nd Lieutenant");
    EXPECT_EQ(rank->Text("Label4"), "(2nd Lt.)");
    EXPECT_EQ(rank->Text("Label5"), "Congratulations!");
    EXPECT_EQ(rank->Picture("Image1"), "uni-fed-2ndLt-shoulder.jpg");
    EXPECT_EQ(rank->Picture("ShoulderRankPic"), "Uni-Fed-2ndLt-shoulder.jpg");
    // 1000 is short of 1600: a fourth call gives nothing.
    CheckPromotion();
    EXPECT_EQ(player().TimesSeen("TForm42"), 3);

    // A record whose step was never taken (the start sets 0 and both thresholds 0): silent, 150.
    fed[Faction::AwardStep] = 0;
    fed[Faction::NextFameThreshold] = fed[Faction::NextReputationThreshold] = 0;
    const int before = Life();
    CheckPromotion();
    EXPECT_EQ(fed[Faction::AwardStep], 1);
    EXPECT_EQ(fed[Faction::NextReputationThreshold], 150);
    EXPECT_EQ(Life(), before);
    EXPECT_EQ(player().TimesSeen("TForm42"), 3);
}

TEST_F(Promotion, TheOwnPlanetTheHighestRankAndNothingAfterIt) {
    GameRecord& rim = Start(kRim);
    GameRecord& isle = G().Planets[13][1];
    auto atRow = [&](int row, int32_t due) {
        rim[Faction::AwardStep] = row;
        rim[Faction::NextFameThreshold] = rim[Faction::NextReputationThreshold] = due;
        Reach(due, kRim);
        G().Players[1][Player::OwnPlanet] = 0;
    };
    // Row 18 with the Alliance holding the planet: the grant, its closing sentence once.
    isle[Planet::Owner] = kRim;
    atRow(18, 2000000);
    const int life = Life();
    player().Click("TMessage4", "SpeedButton1");
    CheckPromotion();
    const ui::Snapshot* grant = player().LastSeen("TMessage4");
    EXPECT_EQ(grant->Text("Label2"), "Your own planet!!!");
    EXPECT_EQ(grant->Picture("Image1"), "earth12r.jpg");
    EXPECT_EQ(
        grant->Text("Memo1"),
        "Congratulations! For your good services the government has granted you the "
        "ownership of the planet \"Isle of Innisfree\" in the New Ireland system. This is the "
        "highest reward you ever dreamed of achieving.");
    EXPECT_EQ(G().Players[1][Player::OwnPlanet], 1);
    EXPECT_EQ(rim[Faction::AwardStep], 19);
    EXPECT_EQ(rim[Faction::NextFameThreshold], 3000000);
    EXPECT_EQ(Life(), life + 1);
    EXPECT_EQ(player().TimesSeen("TForm42"), 0);  // the planet has no award screen

    // Held by the Syndicate: the promise, then the dream as a line of its own.
    isle[Planet::Owner] = kSyn;
    atRow(18, 2000000);
    player().Click("TMessage4", "SpeedButton1");
    CheckPromotion();
    EXPECT_EQ(player().LastSeen("TMessage4")->Text("Memo1"),
              "Your government has promised you to grant you the planet \"Isle of Innisfree\" in "
              "the New Ireland system. Right now your country is not in control of this planet. If "
              "the opportunity should arise, conquer it and at the time you retire its yours "
              "alone!\nThis is the highest reward you ever dreamed of achieving.");
    EXPECT_EQ(G().Players[1][Player::OwnPlanet], 1);
    EXPECT_EQ(isle[Planet::Owner], kSyn);  // nobody hands the planet over here

    // Row 19: admiral, the promotion and then the highest rank's fanfare; the Alliance's headline.
    ui::audio::ClearLog();
    Reach(3000000, kRim);
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(rim[Faction::Rank], 8);
    EXPECT_EQ(CareerSounds(), (std::vector<std::string>{"promotion.wav", "highestrank.wav"}));
    const ui::Snapshot* admiral = player().LastSeen("TForm42");
    EXPECT_EQ(admiral->Text("Label2"),
              "The " + FactionName(kRim) + " high command promotes you to:");
    EXPECT_EQ(admiral->Text("Label3") + " " + admiral->Text("Label4"), "Admiral (Adm.)");
    EXPECT_EQ(admiral->Picture("Image1"), "Uni-outerrim-Comm-shoulder.jpg");

    // Step 20: both at 3000001 only move the bars' lower ends.
    Reach(3000001, kRim);
    CheckPromotion();
    EXPECT_EQ(rim[Faction::AwardStep], 20);
    EXPECT_EQ(rim[Faction::PreviousFameThreshold], 3000001);
    EXPECT_EQ(rim[Faction::PreviousReputationThreshold], 3000001);
    EXPECT_EQ(player().TimesSeen("TForm42"), 1);
}

TEST_F(Promotion, MedalsSilverFirstAndWingsByShipSizeNeverDownwards) {
    GameRecord& syn = Start(kSyn);
    syn[Faction::SilverStar] = syn[Faction::GoldStar] = 2;
    const int life = Life();
    player().Click("TForm42", "SpeedButton2").Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(Life(), life + 2);
    EXPECT_EQ(syn[Faction::SilverStar], 1);
    EXPECT_EQ(syn[Faction::GoldStar], 1);
    std::vector<std::string> shown;
    for (const ui::Snapshot& s : player().Seen()) shown.push_back(s.Text("Label3"));
    // The Syndicate opens a quote it never closes.
    EXPECT_EQ(shown, (std::vector<std::string>{"\"Silver Ying-Yang", "\"Gold Ying-Yang"}));
    EXPECT_EQ(player().Seen()[0].Text("Label5"),
              "\"For exceptional bravery in influencing our war efforts.\"");
    // The gold screen's uniform wears both, the silver one left of the gold.
    EXPECT_EQ(Form42->SilverStarMedal->left, 99);
    EXPECT_EQ(Form42->GoldStarMedal->left, 147);
    CheckPromotion();  // shown once only
    EXPECT_EQ(player().TimesSeen("TForm42"), 2);

    // A cruiser (size 3) gives the second class; a battleship then the first; a size-3 ship
    // after that nothing. Wings give no life point.
    GameRecord& ship = G().Ships[1][1];
    ship[Ship::SizeClass] = 3;
    ui::audio::ClearLog();
    player().Click("TForm42", "SpeedButton2").Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(syn[Faction::PilotWings], 2);
    EXPECT_EQ(player().LastSeen("TForm42")->Text("Label3"), "Pilot wings 2nd class");
    ship[Ship::SizeClass] = 5;
    CheckPromotion();
    EXPECT_EQ(syn[Faction::PilotWings], 3);
    EXPECT_EQ(player().LastSeen("TForm42")->Text("Label2"),
              "For commanding a battleship class spaceship you are awarded:");
    EXPECT_EQ(player().LastSeen("TForm42")->Picture("Image1"), "Synd-pilotwings.jpg");
    EXPECT_EQ(CareerSounds(), (std::vector<std::string>{"award.wav", "reward3.wav"}));
    ship[Ship::SizeClass] = 3;
    CheckPromotion();
    EXPECT_EQ(syn[Faction::PilotWings], 3);
    EXPECT_EQ(player().TimesSeen("TForm42"), 4);
    EXPECT_EQ(Life(), life + 2);

    // A first command of size 5 goes straight to the first class.
    GameRecord& coal = Start(kCoal);
    G().Ships[1][1][Ship::SizeClass] = 5;
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(coal[Faction::PilotWings], 3);
    EXPECT_EQ(player().LastSeen("TForm42")->Text("Label3"), "Pilot wings 1st class");
}

TEST_F(Promotion, WhatTheAwardsSayAndWhenAStoryFollows) {
    // Every ribbon from the second on has a name, a picture and a one-sentence quotation.
    for (int f = kFed; f <= kCoal; ++f) {
        for (int n = 2; n <= 12; ++n) {
            const AwardTexts r = RibbonAward(f, n);
            EXPECT_FALSE(r.name.empty()) << f << " " << n;
            EXPECT_EQ(r.quotation.back(), '.') << f << " " << n;
            EXPECT_EQ(r.headline,
                      "For your great efforts the " + FactionName(f) + " high command awards you:");
            // Only the Federation's and the Alliance's sixth and seventh ribbons tell a story.
            const bool story = (f == kFed || f == kRim) && (n == 6 || n == 7);
            EXPECT_EQ(!StoryAfterRibbon(f, n).title.empty(), story) << f << " " << n;
        }
    }
    // The anthem ribbon is split over two lines; the Federation quotes its kind from ribbon 7 on.
    const AwardTexts anthem = RibbonAward(kFed, 6);
    EXPECT_EQ(anthem.name, "\"Anthem of");
    EXPECT_EQ(anthem.kind, "the Free Worlds\"");
    EXPECT_EQ(RibbonAward(kFed, 5).kind, "campaign ribbon");
    EXPECT_EQ(RibbonAward(kFed, 7).kind, "campaign ribbon\"");
    EXPECT_EQ(RibbonAward(kRim, 7).kind, "campaign ribbon");
    // The marks: The and quotes, The and plain, plain.
    EXPECT_EQ(RibbonAward(kFed, 3).name, "The \"Keep marching\"");
    EXPECT_EQ(RibbonAward(kRim, 5).name, "The Maeve Corrigan");
    EXPECT_EQ(RibbonAward(kCoal, 2).name, "A New Day");
    EXPECT_EQ(RibbonAward(kRim, 12).picture, "Outerrim-Ribbon12.jpg");
    EXPECT_EQ(MedalAward(kCoal, false).name, "Crimson Cross");
    EXPECT_EQ(MedalAward(kFed, true).name, "\"Gold Nova\"");
    EXPECT_EQ(RankAward(kCoal, 5).picture, "Uni-Coal-Comm-shoulder.jpg");
    EXPECT_EQ(RankAward(kSyn, 4).picture, "uni-synd-Lt-shoulder.jpg");

    // Row 7 brings the Federation's ribbon 6 and its story; the Coalition's gets none.
    GameRecord& fed = Start(kFed);
    fed[Faction::AwardStep] = 7;
    fed[Faction::NextFameThreshold] = fed[Faction::NextReputationThreshold] = 8000;
    Reach(8000, kFed);
    player().Click("TForm42", "SpeedButton2").Click("TForm45", "SpeedButton15");
    CheckPromotion();
    const ui::Snapshot* story = player().LastSeen("TForm45");
    ASSERT_NE(story, nullptr);
    EXPECT_EQ(story->Text("Label1"), "Anthem of the Free Worlds");
    EXPECT_NE(story->Text("Memo1").find("Resolute"), std::string::npos);
    GameRecord& coal = Start(kCoal);
    coal[Faction::AwardStep] = 7;
    coal[Faction::NextFameThreshold] = coal[Faction::NextReputationThreshold] = 8000;
    Reach(8000, kCoal);
    player().Click("TForm42", "SpeedButton2");
    CheckPromotion();
    EXPECT_EQ(player().TimesSeen("TForm45"), 1);
    // A story whose file is missing shows its title over an empty page.
    player().Click("TForm45", "SpeedButton15");
    ShowStoryWindow("Price of Freedom", "no-such-story.txt");
    EXPECT_EQ(player().LastSeen("TForm45")->Text("Label1"), "Price of Freedom");
    EXPECT_EQ(player().LastSeen("TForm45")->Text("Memo1"), "");
}

TEST_F(Promotion, AHundredChecksAfterALargeGainClimbAsFarAsTheThresholdsAllow) {
    GameRecord& fed = Start(kFed);
    // 60000 passes the thresholds of rows 1..13 (150 .. 55000) but not row 14's 80000.
    Reach(60000, kFed);
    const int life = Life();
    test::UseAnsweringBackend answering;
    for (int i = 0; i < 100; ++i) CheckPromotion();
    EXPECT_EQ(fed[Faction::AwardStep], 14);
    EXPECT_EQ(fed[Faction::Rank], 5);
    EXPECT_EQ(fed[Faction::CampaignRibbons], 10);
    EXPECT_EQ(fed[Faction::NextFameThreshold], 80000);
    EXPECT_EQ(fed[Faction::PreviousFameThreshold], 55000);
    EXPECT_EQ(Life(), life + 13);
    EXPECT_EQ(answering.backend().answered.at("TForm42"), 13);
    EXPECT_EQ(answering.backend().answered.at("TForm45"), 2);
}

}  // namespace
}  // namespace corvanth
