// The crew scanner: the crew of the scanned ship by kind, its skills, morale and pay date.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm52 : public ui::Form {
  public:
    TForm52();
    ui::Image* Image6;   // background
    ui::Label* Label10;  // heading
    ui::Label* Officers;
    ui::Label* Druids;
    ui::Label* Mercs;
    ui::Label* Adv;
    ui::Label* Scoundrels;
    ui::Label* Label16;             // crewmen
    ui::Label* Label3;              // morale
    ui::Label* Label12;             // navigation
    ui::Label* Label13;             // targeting
    ui::Label* Label14;             // close combat
    ui::Label* Label15;             // pay date
    ui::SpeedButton* SpeedButton1;  // "Pay crew"
    ui::SpeedButton* SpeedButton2;  // "Back"

    void SpeedButton1Click();
    void SpeedButton2Click();
};

extern ui::Screen<TForm52> Form52;

// The player's current ship's crew.
void ShowOwnCrewScan();
// The template's crew, as far as the scan could make it out.
void ShowEnemyCrewScan();

}  // namespace corvanth
