// The amnesty offer to a captain who has become an outcast in the own faction.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm50 : public ui::Form {
  public:
    TForm50();
    ui::Image* Image2;  // background
    ui::Label* Label1;  // headline
    ui::Label* Label2;
    ui::Label* Label3;  // what the life points allow
    ui::SpeedButton* SpeedButton1;
    ui::SpeedButton* SpeedButton2;

    void SpeedButton1Click();
    void SpeedButton2Click();
};

extern ui::Screen<TForm50> Form50;

// Fills the offer for the captain's life points before it is shown.
void PrepareForgiveOffense();

}  // namespace corvanth
