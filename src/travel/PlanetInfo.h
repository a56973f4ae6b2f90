// The planet information screen: a location's picture, description, sector rating and industry.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm53 : public ui::Form {
  public:
    TForm53();
    ui::Image* Image2;  // background
    ui::Image* Image1;
    ui::Label* Label1;  // name
    ui::Label* Label2;  // sector rating
    ui::Label* Label4;  // what the rating means
    ui::Label* Label3;  // description
    ui::Label* Label7;
    ui::Label* Label8;
    ui::Label* Label9;
    ui::Label* Label10;
    ui::Label* Label11;
    ui::Label* Label12;
    ui::Label* Label5;
    ui::SpeedButton* SpeedButton15;  // "Back"

    void SpeedButton15Click();
};

extern ui::Screen<TForm53> Form53;

// Fills the screen for the location selected on the system map.
void FillPlanetInfoForm();

}  // namespace corvanth
