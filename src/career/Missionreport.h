// The mission report: the end of a mission, won or lost, with what it brought.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm46 : public ui::Form {
  public:
    TForm46();
    ui::Label* Label1;              // headline
    ui::Label* Label2;              // text
    ui::Label* Label3;              // money
    ui::Label* Label4;              // total money
    ui::Label* Label5;              // fame
    ui::Label* Label6;              // fame still needed
    ui::Label* Label7;              // reputation
    ui::Label* Label8;              // reputation still needed
    ui::Image* Image1;              // the client's logo
    ui::SpeedButton* SpeedButton1;  // "Continue"

    void SpeedButton1Click();
};

extern ui::Screen<TForm46> Form46;

struct MissionReport {
    std::string headline, text, money, total, fame, fameNeed, reputation, reputationNeed, logo;
};
// Fills the report and shows it modally.
void ShowMissionReport(const MissionReport& report);

}  // namespace corvanth
