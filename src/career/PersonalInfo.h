// The personal information screen: the captain's record, ship, progress and dress uniform.
#pragma once

#include <string>

#include "state/uniform.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

// The size class's text, or "" for a class outside 1..5 (the label keeps what it had).
std::string SizeClassText(int sizeClass);

class TForm28 : public UniformForm {
  public:
    TForm28();
    ui::Label* Label2;              // name
    ui::Label* Label6;              // money
    ui::Label* Label3;              // life points
    ui::Image* Image5;              // faction logo
    ui::Label* Label7;              // faction
    ui::Label* Label4;              // rank
    ui::Image* Image1;              // portrait
    ui::ProgressBar* ProgressBar2;  // fame
    ui::ProgressBar* ProgressBar1;  // reputation
    ui::Image* Image2;              // ship
    ui::Label* Label9;              // ship class
    ui::Label* Label8;              // size class
    ui::Image* Image6;              // background
    ui::SpeedButton* SpeedButton4;  // "Back"
    ui::SpeedButton* SpeedButton2;  // "View war status"
    ui::SpeedButton* SpeedButton3;  // "View ship/crew"

    void SpeedButton2Click();
    void SpeedButton4Click();
    void SpeedButton3Click();
    TutorialOverlay tutorial;  // SpeedButton16Click, TutorialTimerTimer: Tutorial.cpp
};

extern ui::Screen<TForm28> Form28;

// Fills every component of TForm28 from the tables; the caller shows the screen.
void ShowPersonalInfo();

}  // namespace corvanth
