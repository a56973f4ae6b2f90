// The star map: the galaxy's systems by owner, their price ranges and the mission's targets.
#pragma once

#include <array>
#include <cstdint>

#include "state/variables.h"
#include "travel/travel.h"
#include "ui/form.h"

namespace corvanth {

inline constexpr int kStarmapSystems = 25;
// The Federation's blue, light enough to read on the dark map.
inline constexpr ui::Color kFederationBlue{64, 128, 255};

// The selected system and the fleet's system when the map was opened are kept in the session
// (GalaxyMapSystem, GalaxyMapCurrentSystem).

// The components of one system on the map.
struct StarmapSystem {
    ui::Image* picture = nullptr;  // S1..S25
    ui::Label* name = nullptr;     // S1_Text..
    ui::Label* prices = nullptr;   // S1_Prices..
};

class TForm12 : public ui::Form {
  public:
    TForm12();

    std::array<StarmapSystem, kStarmapSystems> systems{};
    StarmapSystem& System(int s) { return systems[s - 1]; }
    ui::Image* Image3;              // Lands End's asteroid field, a click on Lands End
    ui::Image* Image2;              // owner logo
    ui::Label* Label3;              // system name
    ui::Label* Label4;              // owner name
    ui::Memo* Memo1;                // description
    ui::SpeedButton* SpeedButton2;  // "Back"
    ui::SpeedButton* SpeedButton3;  // "Trade prices"
    ui::SpeedButton* SpeedButton4;  // "Missions"

    ui::GroupBox* TradeGroupBox;
    ui::Shape* Shape24;
    ui::Shape* Shape25;
    ui::Label* Label20;  // money
    ui::Label* Label23;  // system name
    ui::Label* Label18;  // free cargo room
    ui::ListBox* ListBox1;
    ui::SpeedButton* SpeedButton10;  // "Close"

    ui::Panel* MissionBox1;
    ui::Shape* Shape26;
    ui::Shape* Shape27;
    MissionBoxLabels missionLabels;
    ui::SpeedButton* SpeedButton8;  // "Close"
    ui::Timer* Timer1;

    // S1Click .. S25Click: each selects its own system.
    void SystemClick(int s);
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton8Click();
    void SpeedButton10Click();
    void ListBox1Click();
    void Timer1Timer();
    bool CloseQuery() override;

    // The travel screen's trade good when the map opened: the map borrows SelectedTradeGood.
    int32_t travelTradeGood = 0;
};

extern ui::Screen<TForm12> Form12;

// The map for the fleet's system, shown modally; the travel screen's trade box is as it was after.
void OpenStarmap();

void ColorStarmapSectors();
void SelectStarmapSector(int system);
void ShowStarmapTradeBox();
void ShowStarmapPriceRanges();
void ShowStarmapMissionBox();
void BlinkMissionTargets();
void StarmapNoOp();

// The lowest and highest current price of a good over the planets of a system; a system
// without planets gives `none` and 0.
struct PriceRange {
    int32_t low = 0, high = 0;
};
PriceRange SystemPriceRange(int system, int good, int32_t none);

}  // namespace corvanth
