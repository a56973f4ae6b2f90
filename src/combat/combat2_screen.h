// The combat screen TForm14: both ships, the radar, the range wish, the actions and the tracks.
#pragma once

#include <array>

#include "ui/form.h"

namespace corvanth {

class TForm14 : public ui::Form {
  public:
    TForm14();
    ui::Image* Image3;  // backdrop
    ui::Image* Image1;
    ui::Label* Label54;
    ui::Image* Image2;
    ui::Label* Label7;
    ui::ProgressBar* ProgressBar3;
    ui::ProgressBar* ProgressBar1;
    ui::Label* Label47;
    ui::Label* Label6;
    ui::Shape* RadarBlip;
    ui::Shape* RadarLine;
    ui::GroupBox* GroupBox5;
    ui::GroupBox* GroupBox6;
    ui::GroupBox* GroupBox7;
    ui::Shape* Shape5;
    ui::Shape* Shape6;
    ui::Shape* Shape7;
    ui::SpeedButton* SpeedButton3;
    ui::SpeedButton* SpeedButton6;
    ui::SpeedButton* SpeedButton7;
    ui::ComboBox* ComboBox1;
    ui::GroupBox* GroupBox13;
    ui::SpeedButton* SpeedButton4;
    ui::SpeedButton* SpeedButton5;
    ui::SpeedButton* SpeedButton1;
    ui::SpeedButton* SpeedButton8;
    // One box per projectile track 1..4 (index 0 unused).
    struct Track {
        ui::Panel* Box;
        ui::Image* Pic;
        ui::Label* T1;  // item name
        ui::Label* T4;  // turns to impact
        ui::Shape* Shape;
        ui::Shape* Shape2;
    };
    std::array<Track, 5> SEvent{};
    ui::Image* PMines_WarningPic;
    ui::Label* PMines_Warning1;
    ui::Label* PMines_Warning2;
    ui::Image* EMines_WarningPic;
    ui::Label* EMines_Warning1;
    ui::Label* EMines_Warning2;
    ui::Panel* TutorialPanel;
    ui::Memo* TutorialMemo;
    ui::Panel* TutorialHand;
    ui::Timer* TutorialTimer;
    ui::SpeedButton* SpeedButton16;
    ui::Timer* Timer1;  // the radar sweep

    void FormActivate() override;
    void FormHide() override;
    // No close box; the window's close button still asks, and is refused mid-fight.
    bool CloseQuery() override;
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton1Click();
    void SpeedButton8Click();
    void SpeedButton3Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton16Click();
    void ComboBox1Change();
    void Image1MouseDown();
    void Image2MouseDown();
    void Timer1Timer();
    void TutorialTimerTimer();
};

extern ui::Screen<TForm14> Form14;

// Where the radar line starts, and the Top below which it turns back at range 1, 2, 3.
inline constexpr int kRadarLineStart = 364;
int RadarTurnBelow(int range);

// The combat screen modally until the combat is decided: the engine's hand-over.
void ShowCombatScreen();

}  // namespace corvanth
