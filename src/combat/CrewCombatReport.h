// The round report of a boarding fight, TForm47: it only displays.
#pragma once

#include <array>
#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm47 : public ui::Form {
  public:
    TForm47();
    ui::Image* Image4;  // backdrop
    ui::Label* Label1;  // headline
    ui::Label* Label2;  // mission line
    ui::Label* Label3;  // casualty line
    ui::Label* Label4;  // status line
    // Per crew kind 1..5 (index 0 unused): the men before the round and those lost.
    std::array<ui::Label*, 6> Att_A{};
    std::array<ui::Label*, 6> Att_D{};
    ui::SpeedButton* SpeedButton1;  // "Continue"

    void SpeedButton1Click();
};

extern ui::Screen<TForm47> Form47;

struct BoardingReport {
    std::string headline;
    std::string mission;
    std::string casualties;
    std::string status;
    std::array<int, 6> before{};  // by crew kind 1..5
    std::array<int, 6> lost{};
};
// Fills TForm47 and shows it modally.
void ShowBoardingReport(const BoardingReport& report);

}  // namespace corvanth
