// The travel screen's panels: the button matrix, the type line, the status bars and the map.
#include "travel/travel.h"

#include <gtest/gtest.h>

#include <string>

#include "state/variables.h"
#include "travel/PlanetInfo.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

class TravelScreen : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
    }
    void Select(int location) {
        G().SelectedPlanet = location;
        RefreshPlanetPanel();
    }
    void MoveFleetTo(int location) { G().Fleets[1][Fleet::Location] = location; }
};

TEST_F(TravelScreen, ButtonsOfThePlanetPanelFollowTheSelectedLocation) {
    // In orbit of a planet of the own faction: dock and trade, no trip, no raid.
    PlanetPanelButtons b = PlanetPanelButtonsFor(test::kFinisPrime);
    EXPECT_FALSE(b.travel);
    EXPECT_TRUE(b.action);
    EXPECT_STREQ(b.actionCaption, "Dock here");
    EXPECT_TRUE(b.info);
    EXPECT_TRUE(b.enableTrade);
    EXPECT_TRUE(b.tradeControls);
    EXPECT_FALSE(b.raid);
    G().Planets[4][test::kFinisPrime][Planet::Owner] = FactionId::Pirates;
    EXPECT_TRUE(PlanetPanelButtonsFor(test::kFinisPrime).raid);
    G().Planets[4][test::kFinisPrime][Planet::Owner] = FactionId::Federation;

    // Another planet: the trip and its information, the action keeps its caption.
    b = PlanetPanelButtonsFor(test::kSargoth);
    EXPECT_TRUE(b.travel);
    EXPECT_FALSE(b.action);
    EXPECT_EQ(b.actionCaption, nullptr);
    EXPECT_TRUE(b.info);
    EXPECT_TRUE(b.tradeControls);
    EXPECT_FALSE(b.raid);

    // A jump point reads "Jump" from afar too; at it, no trade and no information.
    b = PlanetPanelButtonsFor(test::kJumpNewIreland);
    EXPECT_STREQ(b.actionCaption, "Jump");
    EXPECT_FALSE(b.action);
    EXPECT_FALSE(b.info);
    MoveFleetTo(test::kJumpNewIreland);
    b = PlanetPanelButtonsFor(test::kJumpNewIreland);
    EXPECT_TRUE(b.action);
    EXPECT_FALSE(b.travel);
    EXPECT_FALSE(b.tradeControls);
    G().Planets[4][test::kJumpNewIreland][Planet::JumpTarget] = 0;
    EXPECT_STREQ(PlanetPanelButtonsFor(test::kJumpNewIreland).actionCaption, "Investigate");

    // A special location: investigated, never traded at.
    MoveFleetTo(test::kFinisSun);
    b = PlanetPanelButtonsFor(test::kFinisSun);
    EXPECT_STREQ(b.actionCaption, "Investigate");
    EXPECT_TRUE(b.action);
    EXPECT_FALSE(b.info);
    EXPECT_FALSE(b.tradeControls);
    EXPECT_FALSE(b.raid);

    // On the screen the caption follows, and the fleet's own location can be investigated.
    Select(test::kFinisSun);
    EXPECT_EQ(Form2->SpeedButton2->caption, "Investigate");
    EXPECT_TRUE(Form2->SpeedButton2->enabled);
    EXPECT_FALSE(Form2->SpeedButton7->enabled);
    EXPECT_FALSE(Form2->SpeedButton15->enabled);
    Select(test::kSargoth);
    EXPECT_EQ(Form2->SpeedButton2->caption, "Investigate");  // kept: no rule sets it
    EXPECT_TRUE(Form2->SpeedButton5->enabled);
    EXPECT_TRUE(Form2->SpeedButton15->enabled);
}

TEST_F(TravelScreen, TheTypeLineAndTheWholeScreenRefresh) {
    GameRecord& prime = G().Planets[4][test::kFinisPrime];
    prime[Planet::Economy] = 5;
    Select(test::kFinisPrime);
    EXPECT_EQ(Form2->Label3->caption, "Type: Metropolis");
    RefreshTravelScreen();
    EXPECT_EQ(Form2->Label3->caption, "Type: Capital");
    EXPECT_EQ(Form2->Label6->caption, "Game Turn No.: 0");
    EXPECT_EQ(Form2->Label1->caption, "Finis");
    Select(test::kJumpNewIreland);
    EXPECT_EQ(Form2->Label3->caption, "Type: Jumppoint");
    Select(test::kFinisSun);
    EXPECT_EQ(Form2->Label3->caption, "Type: Navpoint");
    G().Planets[4][test::kJumpNewIreland][Planet::JumpTarget] = 0;
    Select(test::kJumpNewIreland);
    EXPECT_EQ(Form2->Label3->caption, "Type: Unknown");
    // An economy outside 1..8 on a planet leaves the line as it was.
    prime[Planet::Economy] = 0;
    Select(test::kFinisPrime);
    EXPECT_EQ(Form2->Label3->caption, "Type: Unknown");

    // The plunder notice is about the fleet's own location, whichever is selected.
    prime[Planet::LastPlunderTurn] = 5;
    G().TurnNumber = 1004;
    Select(test::kSargoth);
    ASSERT_EQ(Form2->Memo1->lines.size(), 2u);
    EXPECT_EQ(Form2->Memo1->lines[1], "You have recently plundered this planet.");
    G().TurnNumber = 1005;
    Select(test::kPergor);
    EXPECT_EQ(Form2->Memo1->lines.size(), 1u);
}

// Bars run from the last award threshold to the next.
TEST_F(TravelScreen, FameAndReputationBars) {
    GameRecord& fed = G().Factions[FactionId::Federation];
    fed[Faction::PreviousFameThreshold] = 100;
    fed[Faction::NextFameThreshold] = 300;
    fed[Faction::PreviousReputationThreshold] = 100;
    fed[Faction::NextReputationThreshold] = 200;
    G().Players[1][Player::Fame] = 150;
    fed[Faction::Reputation] = 50;  // below the lower end: empty
    RefreshStatusPanel();
    EXPECT_EQ(Form2->ProgressBar2->Max(), 200);
    EXPECT_EQ(Form2->ProgressBar2->Position(), 50);
    EXPECT_EQ(Form2->ProgressBar1->Position(), 0);
    fed[Faction::Reputation] = 250;  // past the next: full
    RefreshStatusPanel();
    EXPECT_EQ(Form2->ProgressBar1->Position(), Form2->ProgressBar1->Max());
    EXPECT_EQ(Form2->Label9->caption, "$C: 3.000");
    EXPECT_EQ(Form2->Label8->caption, "Avenger class");
}

TEST_F(TravelScreen, TheMapShowsOnlyTheFleetsSystem) {
    GameState& g = G();
    DrawSystemMap();
    // Finis Prime in C4 carries the position lock: 304 + 12 and 176 + 2.
    EXPECT_EQ(Form2->Panel17->left, 316);
    EXPECT_EQ(Form2->Panel17->top, 178);
    EXPECT_EQ(Form2->Panel18->left, 367);
    EXPECT_TRUE(Form2->Cell(2, 1).name->visible);  // Temblor, B1
    EXPECT_EQ(Form2->Cell(2, 1).name->caption, "Temblor");

    // Hyraxan has nothing in B1 or D2; its Jump to Lands End lies in A5.
    g.Fleets[1][Fleet::System] = 15;
    DrawSystemMap();
    EXPECT_FALSE(Form2->Cell(2, 1).name->visible);
    EXPECT_FALSE(Form2->Cell(4, 2).picture->visible);
    EXPECT_EQ(Form2->Cell(1, 5).name->caption, "Jump Lands E.");
    EXPECT_EQ(Form2->Panel17->left, 112 + 12);  // Hyraxan VII, B2
    g.Fleets[1][Fleet::System] = 4;

    // Off the map or gone: never drawn, and the lock stays.
    GameRecord& site = g.Planets[4][20];
    site[Planet::Exists] = 1;
    site[Planet::MapColumn] = 3;
    site[Planet::MapRow] = 8;
    g.Fleets[1][Fleet::Location] = 20;
    DrawSystemMap();
    EXPECT_EQ(Form2->Panel17->left, 112 + 12);
    // Two locations in Sargoth's cell: the later index wins.
    site[Planet::MapColumn] = 2;
    site[Planet::MapRow] = 4;
    g.PlanetNames[4][20] = "Drifting Hulk";
    DrawSystemMap();
    EXPECT_EQ(FindPlanetAtCell(2, 4), 20);
    EXPECT_EQ(Form2->Cell(4, 2).name->caption, "Drifting Hulk");
    EXPECT_EQ(Form2->Panel17->left, 112 + 12);
    EXPECT_EQ(Form2->Panel17->top, 240 + 2);
    site[Planet::Exists] = 0;
    DrawSystemMapPlanet(20);
    EXPECT_FALSE(Form2->Cell(4, 2).name->visible);
    EXPECT_EQ(FindPlanetAtCell(2, 4), test::kSargoth);
    g.Fleets[1][Fleet::Location] = test::kFinisPrime;

    // The selection arrow sits 18 pixels above its cell, 16 above row E.
    Select(test::kSargoth);
    EXPECT_EQ(Form2->CursorPanel->top, 240 - 18);
    EXPECT_EQ(Form2->Cell(4, 2).name->font.color, ui::colors::Yellow);
    Select(5);  // New Cairo, E5
    EXPECT_EQ(Form2->CursorPanel->left, 400 + 32);
    EXPECT_EQ(Form2->CursorPanel->top, 298 - 16);
    EXPECT_EQ(Form2->Cell(4, 2).name->font.color, ui::colors::White);
    // The arrow lies in the lower edge of the cell above: a click there is a click on that cell.
    Select(8);         // Jump Warfield, F5, under New Cairo
    g.TurnNumber = 1;  // past the adventure's start, which the travel screen would show
    test::ClickOnTravelScreen("CursorRow1");  // the arrow itself
    EXPECT_EQ(g.SelectedPlanet, 5);
}

TEST_F(TravelScreen, PlanetInformation) {
    G().SelectedPlanet = test::kSargoth;
    FillPlanetInfoForm();
    EXPECT_EQ(Form53->Label2->caption, "Sector rating: 3/5 (Normal)");
    EXPECT_EQ(Form53->Label7->caption, "Agriculture plantages: 0");
    EXPECT_EQ(Form53->Label10->caption, "Luxuary centers: 0");
    EXPECT_EQ(Form53->Label5->caption, "Illegal labs: 0");
    EXPECT_EQ(Form53->Image1->picture, "earth15r.jpg");  // picture 60
    // A rating outside 0..5 leaves the line as it was.
    G().StarSystems[4][StarSystem::SectorRating] = 9;
    G().SelectedPlanet = test::kJumpNewIreland;
    FillPlanetInfoForm();
    EXPECT_EQ(Form53->Label2->caption, "Sector rating: 3/5 (Normal)");
    EXPECT_EQ(Form53->Label1->caption, "Jump N. Ireland");
}

}  // namespace
}  // namespace corvanth
