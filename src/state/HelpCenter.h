// The notice that the captain has become an outcast or a criminal with a faction.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm49 : public ui::Form {
  public:
    TForm49();
    ui::Image* Image2;  // background
    ui::Image* Image1;  // the faction's logo
    ui::Label* Label1;  // headline
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;
    ui::SpeedButton* SpeedButton1;

    void SpeedButton1Click();
};

extern ui::Screen<TForm49> Form49;

// Fill the notice for faction 1..4 and show it modally.
void ShowOutcastNotice(int faction);
void ShowCriminalNotice(int faction);

}  // namespace corvanth
