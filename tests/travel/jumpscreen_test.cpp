// The star map: owners' colours, the lanes, price ranges across the galaxy and the mission targets.
#include "travel/jumpscreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "state/market.h"
#include "state/pictures.h"
#include "state/variables.h"
#include "support/art.h"
#include "travel/travel.h"
#include "travel/travel_support.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kSol = 1, kFinis = 4, kDarkLight = 23, kLandsEnd = 16, kHyraxan = 15;
constexpr int kNewScotland = 14, kNewMoscow = 24, kNewFrance = 25;
constexpr int kSynthetics = 5;

// Relative luminance, 0 for black to 1 for white, as the web's contrast rule defines it.
double Luminance(ui::Color c) {
    auto channel = [](uint8_t v) {
        const double x = v / 255.0;
        return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

// Every name reads on its box: a contrast of 3 to 1 at least (pure blue on the map's
// #050a16 gives 2.3). The box is no wider than its name, so the jump lanes show around it.
void ExpectNamesReadable() {
    for (int s = 1; s <= kStarmapSystems; ++s) {
        const ui::Label& name = *Form12->System(s).name;
        const double a = Luminance(name.font.color) + 0.05, b = Luminance(name.color) + 0.05;
        EXPECT_GE(std::max(a, b) / std::min(a, b), 3.0) << name.caption;
        const int text = ui::TextWidth(name.caption, name.font);
        EXPECT_GT(text, 0) << name.caption;
        EXPECT_LE(name.width, text + 8) << name.caption;
        EXPECT_GE(name.width, text) << name.caption;
    }
}

class Starmap : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
    }
    void TearDown() override {
        Form12->TradeGroupBox->visible = false;
        Form12->MissionBox1->visible = false;
        Form12->Timer1->SetEnabled(false);
        TravelTest::TearDown();
    }
    static ui::Color NameColour(int s) { return Form12->System(s).name->font.color; }
    static const std::string& PriceText(int s) { return Form12->System(s).prices->caption; }
    // The map as the travel screen's button leaves it, without showing it.
    static void OpenForTest() {
        GalaxyMapCurrentSystem = GalaxyMapSystem = kFinis;
        ColorStarmapSectors();
    }
};

TEST_F(Starmap, FromTheTravelScreenAndBackTheTradeBoxShowsTheMapsGood) {
    GameState& g = G();
    test::LinkGameArt(std::filesystem::current_path());
    player()
        // The travel screen's trade box open on Synthetics: the map borrows the good.
        .Click("TForm2", "SpeedButton11")
        .SelectRow("TForm2", "ListBox1", kSynthetics - 1)
        .Click("TForm2", "SpeedButton3")
        .Do("TForm12",
            [](ui::Form&) {
                // The own system is current and selected: green wins over olive.
                EXPECT_EQ(NameColour(kFinis), ui::colors::Green);
                EXPECT_EQ(NameColour(kSol), kFederationBlue);
                EXPECT_EQ(NameColour(kNewFrance), ui::colors::Yellow);
                ExpectNamesReadable();
                ui::RenderFormToPng(*Form12, CORVANTH_SCREENS_DIR "/TForm12_plates.png");
                EXPECT_EQ(Form12->Label3->caption, "Finis");
                ASSERT_EQ(Form12->Memo1->lines.size(), 1u);
                EXPECT_EQ(Form12->Memo1->lines[0].rfind("Finis is a normal industrial", 0), 0u);
            })
        .Click("TForm12", "S1")
        .Do("TForm12",
            [](ui::Form&) {
                EXPECT_EQ(GalaxyMapSystem, kSol);
                EXPECT_EQ(NameColour(kFinis), ui::colors::Olive);
                EXPECT_EQ(NameColour(kSol), ui::colors::Green);
                ExpectNamesReadable();
            })
        // Dark Light's name and the asteroid field beside Lands End answer clicks too.
        .Click("TForm12", "S23_Text")
        .Do("TForm12", [](ui::Form&) { EXPECT_EQ(GalaxyMapSystem, kDarkLight); })
        .Click("TForm12", "Image3")
        .Do("TForm12", [](ui::Form&) { EXPECT_EQ(GalaxyMapSystem, kLandsEnd); })
        .Click("TForm12", "SpeedButton3")
        .Do("TForm12",
            [&](ui::Form&) {
                ASSERT_TRUE(Form12->TradeGroupBox->visible);
                EXPECT_EQ(g.SelectedTradeGood, 1);
                // Lands End has one planet, Howling Wind: its price is both ends of the range.
                const int food = g.Markets[kLandsEnd][1][1][Market::Price];
                EXPECT_EQ(Form12->ListBox1->items[0], "Food / " + std::to_string(food) +
                                                          " $C  to " + std::to_string(food) +
                                                          " $C / 0E");
            })
        .SelectRow("TForm12", "ListBox1", 2)
        .Do("TForm12",
            [&](ui::Form&) {
                EXPECT_EQ(g.SelectedTradeGood, 3);
                const int price = g.Markets[kLandsEnd][1][3][Market::Price];
                EXPECT_EQ(PriceText(kLandsEnd),
                          std::to_string(price) + " - " + std::to_string(price));
                ui::RenderFormToPng(*Form12, std::string(CORVANTH_SCREENS_DIR) + "/TForm12.png");
            })
        .Click("TForm12", "SpeedButton2")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_FALSE(Form12->TradeGroupBox->visible);
                // The map and the open trade box share the good: the box shows the map's choice,
                // and Pergor in F2 its price of that good.
                EXPECT_EQ(g.SelectedTradeGood, 3);
                EXPECT_EQ(Form2->ListBox1->ItemIndex(), 2);
                EXPECT_EQ(
                    Form2->Cell(6, 2).price->caption,
                    "$C " + FormatThousands(g.Markets[kFinis][test::kPergor][3][Market::Price]));
                EXPECT_TRUE(Form2->Cell(6, 2).price->visible);
            })
        // The map's box closed again leaves no good: the open box keeps its own.
        .SelectRow("TForm2", "ListBox1", kSynthetics - 1)
        .Click("TForm2", "SpeedButton3")
        .Click("TForm12", "SpeedButton3")
        .Click("TForm12", "SpeedButton10")
        .Click("TForm12", "SpeedButton2")
        .Do("TForm2", [&](ui::Form&) { EXPECT_EQ(g.SelectedTradeGood, kSynthetics); })
        // With the travel screen's box closed, the map's good does not leak onto its map.
        .Click("TForm2", "SpeedButton10")
        .Click("TForm2", "SpeedButton3")
        .Click("TForm12", "SpeedButton3")
        .SelectRow("TForm12", "ListBox1", 6)
        .Click("TForm12", "SpeedButton2")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(g.SelectedTradeGood, 0);
                EXPECT_FALSE(Form2->Cell(6, 2).price->visible);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

TEST_F(Starmap, EveryLaneJoinsTwoSystemsThatShareAJumpPoint) {
    const GameState& g = G();
    std::set<std::pair<int, int>> jumps;
    for (int s = 1; s <= kStarmapSystems; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] > 0 && p[Planet::Kind] == PlanetKind::JumpPoint)
                jumps.insert(std::minmax(s, p[Planet::JumpTarget]));
        }
    ASSERT_EQ(jumps.size(), 31u);
    // A lane runs corner to corner of its shape, from one system picture's centre to another's.
    auto systemAt = [](int x, int y) {
        for (int s = 1; s <= kStarmapSystems; ++s) {
            const ui::Image& p = *Form12->System(s).picture;
            if (std::abs(p.left + p.width / 2 - x) <= 1 && std::abs(p.top + p.height / 2 - y) <= 1)
                return s;
        }
        return 0;
    };
    std::set<std::pair<int, int>> drawn;
    for (int n = 1; n <= 31; ++n) {
        auto* lane = dynamic_cast<ui::Shape*>(Form12->Find("Lane" + std::to_string(n)));
        ASSERT_NE(lane, nullptr) << n;
        const bool rising = lane->shape == ui::ShapeKind::RisingLine;
        const int x1 = lane->left, x2 = lane->left + lane->width - 1;
        const int top = lane->top, bottom = lane->top + lane->height - 1;
        const int a = systemAt(x1, rising ? bottom : top), b = systemAt(x2, rising ? top : bottom);
        EXPECT_TRUE(a > 0 && b > 0) << "Lane" << n;
        drawn.insert(std::minmax(a, b));
    }
    EXPECT_EQ(drawn, jumps);
}

TEST_F(Starmap, PriceRangesFollowTheMarketsOfThePlanetsOnly) {
    GameState& g = G();
    // Every supply level prices Synthetics at 250 and no market has drifted: every planet of the
    // galaxy asks 250.
    for (int level = 0; level <= 4; ++level)
        g.Goods[kSynthetics][Good::PriceAtLevelBase + level] = 250;
    for (auto& system : g.Markets)
        for (auto& location : system)
            for (auto& market : location) market[Market::Drift] = 0;
    UpdateMarketPrices();
    // Sol's planet 1 drifts up by 40 and another down by 30; a jump point's market never counts.
    g.Markets[kSol][1][kSynthetics][Market::Price] = 290;
    g.Markets[kSol][2][kSynthetics][Market::Price] = 220;
    g.Markets[kSol][6][kSynthetics][Market::Price] = 5;
    g.SelectedTradeGood = kSynthetics;
    ShowStarmapPriceRanges();
    EXPECT_EQ(PriceText(kSol), "220 - 290");
    // Dark Light has a sun and jump points but no planet.
    EXPECT_EQ(PriceText(kDarkLight), "0 - 0");
    for (int s = 1; s <= kStarmapSystems; ++s)
        if (s != kSol && s != kDarkLight) {
            EXPECT_EQ(PriceText(s), "250 - 250") << s;
        }

    GalaxyMapSystem = kDarkLight;
    ShowStarmapTradeBox();
    ASSERT_EQ(Form12->ListBox1->items.size(), 20u);
    for (const std::string& row : Form12->ListBox1->items)
        EXPECT_NE(row.find(" / 1000000 $C  to 0 $C / 0E"), std::string::npos) << row;
    EXPECT_EQ(Form12->ListBox1->ItemIndex(), kSynthetics - 1);

    // An owner the game does not know is neutral grey.
    g.StarSystems[kHyraxan][StarSystem::Owner] = 7;
    OpenForTest();
    EXPECT_EQ(NameColour(kHyraxan), ui::colors::Gray);
}

TEST_F(Starmap, MissionTargetsInOtherSystemsBlinkAndGetTheirColoursBack) {
    OpenForTest();
    const ui::Color green = ui::colors::Green;
    // A patrol of four systems elsewhere; objective 99 is no system and is skipped.
    test::SetMission(MissionKind::Patrol, 2, {kSol, kNewScotland, kNewMoscow, 99}, kSol);
    // The markers turn every 1000 ms: each wait of that long is one turn of them.
    player()
        .Click("TForm12", "SpeedButton4")
        .Do("TForm12",
            [&](ui::Form&) {
                EXPECT_TRUE(Form12->Timer1->Enabled());
                for (int s : {kSol, kNewScotland, kNewMoscow}) EXPECT_EQ(NameColour(s), green) << s;
            })
        .Wait("TForm12", 1000)
        .Do("TForm12",
            [](ui::Form&) {
                EXPECT_EQ(NameColour(kSol), kFederationBlue);
                EXPECT_EQ(NameColour(kNewScotland), ui::colors::White);
                EXPECT_EQ(NameColour(kNewMoscow), ui::colors::Red);
            })
        .Wait("TForm12", 1000)
        .Do("TForm12", [&](ui::Form&) { EXPECT_EQ(NameColour(kNewMoscow), green); })
        // Closing while they are green gives them back their owners' colours.
        .Click("TForm12", "SpeedButton8")
        .Do("TForm12",
            [](ui::Form&) {
                EXPECT_FALSE(Form12->Timer1->Enabled());
                EXPECT_EQ(NameColour(kSol), kFederationBlue);
                EXPECT_EQ(NameColour(kNewMoscow), ui::colors::Red);
            })
        // A mission in this system never blinks on the star map.
        .Do("TForm12",
            [](ui::Form&) {
                OpenForTest();
                test::SetMission(MissionKind::Patrol, 1, {1, 2, 3, 4}, kSol);
            })
        .Click("TForm12", "SpeedButton4");
    for (int tick = 0; tick < 3; ++tick)
        player()
            .Do("TForm12",
                [&](ui::Form&) {
                    EXPECT_EQ(NameColour(kSol), kFederationBlue);
                    EXPECT_EQ(NameColour(kFinis), green);
                })
            .Wait("TForm12", 1000);
    player()
        .Click("TForm12", "SpeedButton8")
        // Without a mission there is only the word.
        .Do("TForm12", [](ui::Form&) { G().Missions[1].fill(0); })
        .Click("TForm12", "SpeedButton4")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm12",
            [&](ui::Form&) {
                EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
                          "You do not have a mission yet.");
                EXPECT_FALSE(Form12->MissionBox1->visible);
            })
        .Click("TForm12", "SpeedButton2");
    Form12->ShowModal();
}

}  // namespace
}  // namespace corvanth
