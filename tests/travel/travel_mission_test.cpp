// The mission box of the travel screen: its texts by kind and scope, and the blinking markers.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/options.h"
#include "shell/start.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/jumpscreen.h"
#include "travel/travel.h"
#include "travel/travel_support.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kFinis = 4, kSol = 1, kHyraxan = 15;  // Finis is where the game starts
const ui::Color kBlinkGreen = ui::ColorFromValue(32768);

class MissionBox : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
    }
    void TearDown() override {
        CloseMissionBox();
        TravelTest::TearDown();
    }
    static const MissionBoxLabels& Box() { return Form2->missionLabels; }
    static std::string Line(int n) {
        const ui::Label& l = *Box().objectives[n - 1];
        return l.visible ? l.caption : "(hidden)";
    }
    static MapCell& Pergor() { return Form2->Cell(6, 2); }   // F2
    static MapCell& Sargoth() { return Form2->Cell(4, 2); }  // D2
    static int MarkersShown() {
        int shown = 0;
        for (const MapCell& c : Form2->cells) shown += c.marker->visible;
        return shown;
    }
};

TEST_F(MissionBox, TextsByKindAndScopeOnBothScreens) {
    // A transport of 12 units of goods between two planets of Finis.
    GameRecord& m =
        test::SetMission(MissionKind::Transport, 1, {test::kPergor, test::kSargoth, 0, 0}, kFinis);
    m[Mission::Amount] = 12;
    m[Mission::LoadType] = 1;
    FillMissionBox();
    EXPECT_EQ(Box().kind->caption, "Transport");
    EXPECT_EQ(Box().cargo->caption, "Cargo: 12E of goods");
    EXPECT_EQ(Line(1), "Objective 1: Pergor");
    EXPECT_EQ(Line(2), "Objective 2: Sargoth");
    EXPECT_EQ(Line(3), "(hidden)");
    EXPECT_EQ(Box().reward->caption, "Reward: 12.500");
    EXPECT_EQ(Box().client->caption, "Client: Federation");
    m[Mission::Amount] = 3;
    m[Mission::LoadType] = 2;
    FillMissionBox();
    EXPECT_EQ(Box().cargo->caption, "Cargo: 3 passengers");

    // A defend: the place and the days it must be held.
    test::SetMission(MissionKind::Defend, 1, {test::kSargoth, 9, 0, 0}, kFinis);
    FillMissionBox();
    EXPECT_EQ(Box().cargo->caption, "Resistance: Light");
    EXPECT_EQ(Line(1), "Objective 1: Sargoth");
    EXPECT_EQ(Line(2), "Timeframe: 9");
    EXPECT_EQ(Line(3), "(hidden)");

    // A bounty names the system the target was last seen in, whatever the scope.
    test::SetMission(MissionKind::Bounty, 2, {kHyraxan, 0, 0, 0}, kHyraxan);
    m[Mission::Difficulty] = 5;
    FillMissionBox();
    EXPECT_EQ(Box().cargo->caption, "Resistance: Very strong");
    EXPECT_EQ(Line(1), "Last seen at: Hyraxan");
    EXPECT_EQ(Line(2), "(hidden)");

    // The star map's box reads the same.
    ShowStarmapMissionBox();
    EXPECT_EQ(Form12->missionLabels.objectives[0]->caption, "Last seen at: Hyraxan");

    // Fields from a damaged save: names out of range are empty, a difficulty of 9 no resistance.
    test::SetMission(MissionKind::RaidPlanet, 1, {99, 0, 0, 0}, 40);
    m[Mission::Client] = -3;
    m[Mission::Difficulty] = 9;
    FillMissionBox();
    EXPECT_EQ(Box().client->caption, "Client: ");
    EXPECT_EQ(Box().cargo->caption, "");
    EXPECT_EQ(Line(1), "Sector: ");
    EXPECT_EQ(Line(2), "Planet: ");
}

TEST_F(MissionBox, MarkersBlinkOnTheirCellsWhileTheBoxIsOpen) {
    GameState& g = G();
    // A patrol of other systems marks nothing, even in its target system.
    test::SetMission(MissionKind::Patrol, 2, {test::kPergor, test::kSargoth, 0, 0}, kFinis);
    g.MissionBlinkOn = 0;
    DrawMissionMarkers();
    EXPECT_EQ(MarkersShown(), 0);
    // A raid marks its target planet whatever the scope; only in its own system.
    test::SetMission(MissionKind::RaidPlanet, 2, {test::kPergor, test::kSargoth, 0, 0}, kFinis);
    DrawMissionMarkers();
    EXPECT_TRUE(Pergor().marker->visible);
    test::SetMission(MissionKind::RaidPlanet, 2, {test::kPergor, 0, 0, 0}, kSol);
    DrawMissionMarkers();
    EXPECT_EQ(MarkersShown(), 0);
    // Location 99 is no location: no marker, and nothing read outside the map.
    test::SetMission(MissionKind::SearchAndDestroy, 1, {99, -4, test::kSargoth, 0}, kFinis);
    DrawMissionMarkers();
    EXPECT_TRUE(Sargoth().marker->visible);
    EXPECT_EQ(MarkersShown(), 1);
    HideMissionMarkers();

    // Without a mission the button leads to a governor or says where to find one; with one it
    // opens the box.
    g.Missions[1].fill(0);
    RefreshStatusPanel();
    EXPECT_TRUE(Form2->SpeedButton6->enabled);
    int32_t& owner = LocationRecord(FleetLocation())[Planet::Owner];
    const int32_t own = owner;
    owner = FactionId::Syndicate;
    player().Click("TMessage1", "SpeedButton3");
    Form2->SpeedButton6Click();
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "You do not have a mission yet. Visit a governor at a friendly planet to get one.");
    EXPECT_FALSE(Form2->MissionBox1->visible);
    owner = own;
    test::SetMission(MissionKind::Defend, 1, {test::kSargoth, test::kPergor, 0, 0}, kFinis);
    RefreshStatusPanel();
    EXPECT_TRUE(Form2->SpeedButton6->enabled);

    player()
        .Click("TForm2", "SpeedButton6")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_TRUE(Form2->Shape36->visible && Form2->Shape37->visible);
                // A defend marks its first objective only; opening starts green.
                EXPECT_TRUE(Sargoth().marker->visible);
                EXPECT_FALSE(Pergor().marker->visible);
                EXPECT_EQ(Sargoth().name->font.color, kBlinkGreen);
                ui::RenderFormToPng(*Form2, std::string(CORVANTH_SCREENS_DIR) + "/TForm2.png");
            })
        .Wait("TForm2", 1000)
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(Sargoth().name->font.color, ui::colors::White);
                EXPECT_TRUE(Sargoth().marker->visible);
            })
        // The star map's mission box closing leaves the travel screen's box blinking.
        .Click("TForm2", "SpeedButton3")
        .Click("TForm12", "SpeedButton4")
        .Click("TForm12", "SpeedButton8")
        .Click("TForm12", "SpeedButton2")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_TRUE(Form2->Timer1->Enabled());
                EXPECT_TRUE(Sargoth().marker->visible);
            })
        .Click("TForm2", "SpeedButton8")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_FALSE(Form2->Timer1->Enabled());
                EXPECT_EQ(MarkersShown(), 0);
                EXPECT_EQ(Sargoth().name->font.color, ui::colors::White);
            })
        // With the travel screen's box closed, the star map's box stops the marker timer.
        .Do("TForm2", [](ui::Form&) { Form2->Timer1->SetEnabled(true); })
        .Click("TForm2", "SpeedButton3")
        .Click("TForm12", "SpeedButton4")
        .Click("TForm12", "SpeedButton2")
        .Do("TForm2", [](ui::Form&) { EXPECT_FALSE(Form2->Timer1->Enabled()); })
        // "Options" opens the options screen during a game.
        .Click("TForm2", "SpeedButton14")
        .Do("TForm58", [](ui::Form&) {})
        .CloseRequest("TForm58")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    EXPECT_GT(Form58->ShowCount(), 0);
}

}  // namespace
}  // namespace corvanth
