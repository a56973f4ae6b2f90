// The bar: drinks and talk, crew pay and hiring, retirement.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm21 : public ui::Form {
  public:
    TForm21();
    ui::Image* Image2;  // background
    ui::Image* Image1;  // the bar
    ui::Label* Label1;
    ui::Panel* Panel1;
    ui::Panel* Panel4;
    ui::Panel* Panel2;
    ui::Panel* Panel5;
    ui::Panel* Panel3;
    ui::SpeedButton* SpeedButton1;  // "Talk && Have a drink"
    ui::SpeedButton* SpeedButton4;  // "Pay crewmen"
    ui::SpeedButton* SpeedButton2;  // "Hire / Dismiss crewmen"
    ui::SpeedButton* SpeedButton5;  // "Retire"
    ui::SpeedButton* SpeedButton3;  // "Back"

    void FormActivate() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton3Click();
};

extern ui::Screen<TForm21> Form21;

// Whether the senator story waits for the drinking contest here: step 7, Tortuga's bar.
bool DrinkingContestHere();

// After a visit to the drinking screens the captain holds more, and the bar waits a while.
void GrowDrinkingTolerance();

}  // namespace corvanth
