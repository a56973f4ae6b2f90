// The old-age help: why an old captain dies, shown once a game before the fatal heart attack.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm60 : public ui::Form {
  public:
    TForm60();
    ui::Image* Image1;  // the captain's portrait
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label4;
    ui::Label* Label15;  // the forum link: the game has no web page, so it stays empty
    ui::Label* Label5;
    ui::SpeedButton* SpeedButton7;  // "Continue"

    void SpeedButton7Click();
};

extern ui::Screen<TForm60> Form60;

// Shows TForm60 with the captain's portrait, unless this game has shown it already (captain
// field 39).
void ShowOldAgeInfo();

}  // namespace corvanth
