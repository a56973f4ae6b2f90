// Promotions and awards: the career ladder, the medals, the pilot wings and the award screen.
#include "career/Promotion.h"

#include <cstdint>
#include <string>

#include "career/storyteller.h"
#include "state/Sound.h"
#include "state/UMessage4.h"
#include "state/tables.h"
#include "state/uniform.h"
#include "state/variables.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm42> Form42{"TForm42"};

namespace {

// The planet a faction promises its most decorated captains.
constexpr int kOwnPlanetSystem = 13;
constexpr int kOwnPlanetLocation = 1;
constexpr int kLastLadderRow = 19;

enum class Step { Silent, Ribbon, Rank, OwnPlanet };

struct LadderRow {
    Step step;
    int value;          // the ribbon count or the rank it brings
    int32_t threshold;  // what fame and reputation must reach for the next row
};

// The career, one row per award step: the row s falls due once fame and reputation both reach
// the threshold of row s - 1.
constexpr LadderRow kLadder[] = {
    {Step::Silent, 0, 150},        {Step::Ribbon, 2, 500},    {Step::Ribbon, 3, 900},
    {Step::Rank, 2, 1600},         {Step::Ribbon, 4, 3000},   {Step::Ribbon, 5, 5000},
    {Step::Rank, 3, 8000},         {Step::Ribbon, 6, 12000},  {Step::Ribbon, 7, 18000},
    {Step::Rank, 4, 25000},        {Step::Ribbon, 8, 35000},  {Step::Ribbon, 9, 45000},
    {Step::Rank, 5, 55000},        {Step::Ribbon, 10, 80000}, {Step::Rank, 6, 200000},
    {Step::Ribbon, 11, 1000000},   {Step::Rank, 7, 1500000},  {Step::Ribbon, 12, 2000000},
    {Step::OwnPlanet, 0, 3000000}, {Step::Rank, 8, 3000001},
};
static_assert(std::size(kLadder) == kLastLadderRow + 1);

void AddLifePoint() {
    int32_t& life = Captain()[Player::LifePoints];
    life = CapValue(int64_t{life} + 1);
}

void ShowOwnPlanet(int faction) {
    const std::string planet = "\"" + LocationName(kOwnPlanetSystem, kOwnPlanetLocation) + "\"";
    const std::string system = SystemName(kOwnPlanetSystem);
    const bool held =
        LocationRecord(kOwnPlanetSystem, kOwnPlanetLocation)[Planet::Owner] == faction;
    std::vector<std::string> lines;
    if (held) {
        // The grant ends with the dream already: a second line would only say it again.
        lines.push_back(
            "Congratulations! For your good services the government has granted you the "
            "ownership of the planet " +
            planet + " in the " + system +
            " system. This is the highest reward you ever dreamed of achieving.");
    } else {
        lines.push_back(
            "Your government has promised you to grant you the planet " + planet + " in the " +
            system +
            " system. Right now your country is not in control of this planet. If the "
            "opportunity should arise, conquer it and at the time you retire its yours alone!");
        lines.push_back("This is the highest reward you ever dreamed of achieving.");
    }
    ShowLongNotice("Your own planet!!!", "earth12r.jpg", lines);
}

// One row of the ladder, its fields written before any screen opens.
void TakeLadderStep(int faction, int row) {
    GameRecord& standing = FactionRecord(faction);
    const LadderRow& step = kLadder[row];
    standing[Faction::NextFameThreshold] = step.threshold;
    standing[Faction::NextReputationThreshold] = step.threshold;
    standing[Faction::AwardStep] = row + 1;
    switch (step.step) {
        case Step::Silent:
            return;
        case Step::Ribbon: {
            PlayAwardSound();
            AddLifePoint();
            standing[Faction::CampaignRibbons] = step.value;
            RefreshAwardUniform();
            ShowAward(RibbonAward(faction, step.value));
            const RibbonStory story = StoryAfterRibbon(faction, step.value);
            if (!story.title.empty()) ShowStoryWindow(story.title, story.file);
            return;
        }
        case Step::Rank:
            PlayPromotionSound();
            if (row == kLastLadderRow) PlayHighestRankSound();
            AddLifePoint();
            standing[Faction::Rank] = step.value;
            RefreshAwardUniform();
            ShowAward(RankAward(faction, step.value));
            return;
        case Step::OwnPlanet:
            PlayAwardSound();
            AddLifePoint();
            Captain()[Player::OwnPlanet] = 1;
            ShowOwnPlanet(faction);
            return;
    }
}

void ShowMedalIfEarned(int faction, int field, bool gold) {
    constexpr int kEarned = 2, kShown = 1;
    GameRecord& standing = FactionRecord(faction);
    if (standing[field] != kEarned) return;
    PlayAwardSound();
    AddLifePoint();
    standing[field] = kShown;
    RefreshAwardUniform();
    ShowAward(MedalAward(faction, gold));
}

void GrantWings(int faction) {
    GameRecord& standing = FactionRecord(faction);
    const int size = PlayerShip()[Ship::SizeClass];
    int32_t& wings = standing[Faction::PilotWings];
    if ((size == 3 || size == 4) && wings < 2) {
        PlayAwardSound();
        wings = 2;
        RefreshAwardUniform();
        ShowAward(WingsAward(faction, false));
    } else if (size == 5 && wings < 3) {
        PlayReward3Sound();
        wings = 3;
        RefreshAwardUniform();
        ShowAward(WingsAward(faction, true));
    }
}

}  // namespace

void CheckPromotion() {
    const int faction = CaptainFaction();
    if (faction == 0) return;
    GameRecord& standing = FactionRecord(faction);
    if (Captain()[Player::Fame] >= standing[Faction::NextFameThreshold] &&
        standing[Faction::Reputation] >= standing[Faction::NextReputationThreshold]) {
        standing[Faction::PreviousFameThreshold] = standing[Faction::NextFameThreshold];
        standing[Faction::PreviousReputationThreshold] = standing[Faction::NextReputationThreshold];
        const int row = standing[Faction::AwardStep];
        if (row >= 0 && row <= kLastLadderRow) TakeLadderStep(faction, row);
    }
    ShowMedalIfEarned(faction, Faction::SilverStar, false);
    ShowMedalIfEarned(faction, Faction::GoldStar, true);
    GrantWings(faction);
}

void RefreshAwardUniform() {
    ApplyUniform(*Form42, ComposeUniform(CaptainUniform()));
}

void ShowAward(const AwardTexts& award) {
    TForm42& screen = *Form42;
    screen.Label2->caption = award.headline;
    screen.Label3->caption = award.name;
    screen.Label4->caption = award.kind;
    screen.Label5->caption = award.quotation;
    screen.Image2->LoadPicture(award.background);
    screen.Image1->LoadPicture(award.picture);
    // The pictures are small and of different shapes: each kind gets a box of its own shape,
    // centred on the faction's background.
    struct Box {
        int width, height;
    };
    static constexpr Box kBoxes[] = {{200, 80}, {180, 70}, {108, 150}, {192, 80}};
    const Box box = kBoxes[static_cast<int>(award.shape)];
    screen.Image1->width = box.width;
    screen.Image1->height = box.height;
    screen.Image1->left = screen.Image2->left + (screen.Image2->width - box.width) / 2;
    screen.Image1->top = screen.Image2->top + (screen.Image2->height - box.height) / 2;
    screen.ShowModal();
}

TForm42::TForm42() : UniformForm("TForm42") {
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label5b = Bind<ui::Label>("Label5b");
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Image3 = Bind<ui::Image>("Image3");
    Panel2 = Bind<ui::Panel>("Panel2");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm42::SpeedButton2Click() {
    PlayButtonSound();
    RefreshStatusPanel();
    Close();
}

}  // namespace corvanth
