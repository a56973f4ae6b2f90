// The travel screen: system map, status panel, planet panel and trade box, the captain's bridge.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/variables.h"
#include "tutorial/Tutorial.h"
#include "ui/form.h"

namespace corvanth {

// The map is 7 rows (A..G, top to bottom) by 5 columns (1..5, left to right).
inline constexpr int kMapRows = 7;
inline constexpr int kMapColumns = 5;

// The components of one map cell, named after it ("PanelPlanetC4", "PlanetC4", ...).
struct MapCell {
    ui::Panel* panel = nullptr;
    ui::Image* picture = nullptr;
    ui::Label* name = nullptr;
    ui::Label* price = nullptr;
    ui::Shape* marker = nullptr;
};

// "A1" .. "G5"; row 1..7, column 1..5.
std::string CellName(int row, int column);

// The labels of a mission box. The travel screen and the star map each carry one, filled by the
// same rule.
struct MissionBoxLabels {
    ui::Label* kind = nullptr;               // Label25
    ui::Label* cargo = nullptr;              // Label26: resistance or cargo
    ui::Label* reward = nullptr;             // Label27
    std::array<ui::Label*, 4> objectives{};  // Label28..Label31
    ui::Label* client = nullptr;             // Label32
};
MissionBoxLabels BindMissionBoxLabels(ui::Form& form);
// Writes the box from the captain's mission.
void FillMissionLabels(const MissionBoxLabels& box);

class TForm2 : public ui::Form {
  public:
    TForm2();

    // Backgrounds.
    ui::Image* Image2;
    ui::Image* Image23;

    // Header box: system name and turn.
    ui::GroupBox* GroupBox9;
    ui::Label* Label1;
    ui::GroupBox* GroupBox11;
    ui::Label* Label6;

    // Status panel.
    ui::Panel* Panel6;
    ui::Label* Label9;
    ui::Panel* Panel4;
    ui::Image* Image5;
    ui::Panel* Panel5;
    ui::Label* Label8;
    ui::Panel* Panel9;
    ui::Image* Image6;
    ui::Panel* Panel10;
    ui::Image* Image21;
    ui::ProgressBar* ProgressBar2;  // fame
    ui::ProgressBar* ProgressBar1;  // reputation
    ui::Panel* Panel11;
    ui::SpeedButton* SpeedButton14;  // "Options"

    // Planet panel.
    ui::GroupBox* GroupBox2;
    ui::Image* Image3;
    ui::Panel* Panel1;
    ui::Label* Label4;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label10;
    ui::Panel* Panel3;
    ui::Memo* Memo1;
    ui::SpeedButton* SpeedButton5;   // "Travel to the planet"
    ui::SpeedButton* SpeedButton2;   // "Dock here" / "Jump" / "Investigate"
    ui::SpeedButton* SpeedButton11;  // "Trade"
    ui::SpeedButton* SpeedButton1;   // "Raid"
    ui::SpeedButton* SpeedButton15;  // "Info"

    // Other bridge buttons.
    ui::SpeedButton* SpeedButton3;   // "View galaxy map"
    ui::SpeedButton* SpeedButton4;   // "Wait a turn"
    ui::SpeedButton* SpeedButton6;   // "Mission"
    ui::SpeedButton* SpeedButton12;  // "Personal information"
    ui::SpeedButton* SpeedButton13;  // "Ship/Crew information"

    // Trade box.
    ui::GroupBox* TradeGroupBox;
    ui::Shape* Shape34;
    ui::Shape* Shape35;
    ui::ListBox* ListBox1;
    ui::RadioButton* RadioButton1;  // "Buy"
    ui::RadioButton* RadioButton2;  // "Sell"
    ui::Edit* SpinEdit1;            // the amount; an edit field with UpDown1 beside it
    ui::UpDown* UpDown1;
    ui::Label* Label5;               // sum
    ui::Label* Label19;              // the chosen good
    ui::Label* Label20;              // money
    ui::Label* Label18;              // free cargo room
    ui::Label* Label21;              // last price paid
    ui::Label* Label23;              // where the fleet is
    ui::SpeedButton* SpeedButton7;   // "BUY" / "SELL"
    ui::SpeedButton* SpeedButton9;   // "Sell all goods"
    ui::SpeedButton* SpeedButton10;  // "Close"

    // Mission box, its two frames and the marker blink.
    ui::Panel* MissionBox1;
    ui::Shape* Shape36;
    ui::Shape* Shape37;
    ui::Label* Label24;  // "Your mission:"
    MissionBoxLabels missionLabels;
    ui::SpeedButton* SpeedButton8;  // "Close"
    ui::Timer* Timer1;

    // Map: cells by row and column, the blue position lock in two halves, the yellow selection.
    std::array<MapCell, kMapRows * kMapColumns> cells{};
    MapCell& Cell(int row, int column) { return cells[(row - 1) * kMapColumns + (column - 1)]; }
    ui::Panel* Panel17;
    ui::Image* Image4;
    ui::Panel* Panel18;
    ui::Image* Image7;
    ui::Panel* CursorPanel;
    ui::Image* Image14;

    // Tutorial: the step panel, the two fixed panels of steps 4 and 5, the blinking hand.
    TutorialOverlay tutorial;
    ui::Panel* TutorialPanel2;
    ui::SpeedButton* SpeedButton19;  // its "Continue"
    ui::Panel* TutorialPanel3;
    ui::SpeedButton* SpeedButton18;  // its "Continue"
    void BindTutorial();             // travel_tutorial.cpp
    void SpeedButton19Click();
    void SpeedButton18Click();

    // Handlers.
    void FormActivate() override;
    bool CloseQuery() override;  // FormCloseQuery
    void SpeedButton2Click();    // "Dock here" / "Jump" / "Investigate"
    void SpeedButton1Click();    // "Raid"
    void SpeedButton5Click();
    void SpeedButton4Click();
    void SpeedButton15Click();
    void SpeedButton13Click();  // also the ship picture Image5
    void SpeedButton3Click();   // "View galaxy map"
    void SpeedButton14Click();  // "Options"
    void SpeedButton6Click();   // "Mission"
    void SpeedButton12Click();  // "Personal information", also the logo and the portrait
    void SpeedButton8Click();   // the mission box's "Close"
    void Timer1Timer();
    void SpeedButton11Click();
    void SpeedButton10Click();
    void ListBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void SpeedButton7Click();
    void SpeedButton9Click();
    void UpDown1Changing(bool up);
    void SpinEdit1Change();
    // Any component of a cell: a click selects, a double click selects and travels.
    void PlanetCellClick(int row, int column);
    void PlanetCellDblClick(int row, int column);

    // Where the drawing routines last put the two locks (row 0: not on the map yet).
    int lockRow = 0, lockColumn = 0;
    int cursorRow = 0, cursorColumn = 0;
};

extern ui::Screen<TForm2> Form2;

// TravelScreenMayClose, 1 when the travel screen may close without the quit question, lives with
// the session (state/variables.h).

// Whole screen: header, status, planet panel, system map.
void RefreshTravelScreen();
// The turn, money, ship, faction, portrait and the fame and reputation bars.
void RefreshStatusPanel();
// The selected location's panel, the action buttons, the trade lists and the selection marks.
void RefreshPlanetPanel();

// Which of the planet panel's buttons the rules offer for the selected location.
struct PlanetPanelButtons {
    bool travel = false;         // SpeedButton5 "Travel to the planet"
    bool action = false;         // SpeedButton2
    const char* actionCaption;   // "Dock here", "Jump", "Investigate", or nullptr: unchanged
    bool info = false;           // SpeedButton15 "Info"
    bool enableTrade = false;    // SpeedButton11 "Trade" is switched on (nothing switches it off)
    bool tradeControls = false;  // transaction, "Sell all goods", "Buy", "Sell", amount
    bool raid = false;           // SpeedButton1 "Raid"
};
PlanetPanelButtons PlanetPanelButtonsFor(int selected);

// System map of the fleet's system.
void DrawSystemMap();                    // hides every cell first
void RefreshSystemMap();                 // draws over what is there
void DrawSystemMapPlanet(int location);  // one location: drawn, or its cell cleared
void ResetPlanetLabelColours();
// The location of the fleet's system in that cell (the last one wins), or 0.
int FindPlanetAtCell(int column, int row);

// Trade box.
void FillTradeList();
void ShowTradeGoodDetail();
// What a purchase or sale did: the goods changed hands for `value`, or the refusal the player is
// told (empty when there is nothing to tell, as for an amount of 0 or a good outside 1..20).
struct TradeResult {
    bool done = false;
    int64_t value = 0;
    std::string refusal;
};
// The rules of the trade box at `location` of the fleet's system, with no screen involved.
TradeResult BuyGoods(int location, int good, int64_t amount);
TradeResult SellGoods(int location, int good, int64_t amount);
// Tells the player: the refusal, or for a sale the notice of what it brought.
void TellTrade(const TradeResult& result, bool sale);

// What the "Mission" button leads to.
enum class MissionButtonAction { Governor, NoMissionMessage, MissionBox };
MissionButtonAction MissionButtonActionNow();

// Mission box of the travel screen and its markers on the system map.
void FillMissionBox();
void DrawMissionMarkers();  // hides them all, then blinks the objectives of this system
void HideMissionMarkers();
// Closes the box: timer off, objective labels back to white, markers hidden.
void CloseMissionBox();

// The start of a new game: warm-up of the world and the opening story.
void ShowAdventureStart();

// Docking at the fleet's planet: the story's deals and the age-drug dealer that apply here, then
// the planet screen.
void DockAtPlanet();
// What the senator's gift and the informant's news cost at that money: a draw over a fraction
// of it plus a fixed part, never below 1,000,000 and 2,000,000.
int64_t SenatorGiftPrice(int64_t money);
int64_t InformantPrice(int64_t money);

}  // namespace corvanth
