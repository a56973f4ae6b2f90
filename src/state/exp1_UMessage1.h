// The story notice: headline, picture and a long text.
#pragma once

#include "ui/form.h"

namespace corvanth {

class Texp1_message1 : public ui::Form {
  public:
    Texp1_message1();
    ui::Image* Image2;
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;

    void SpeedButton1Click();
};

extern Texp1_message1* exp1_message1;

}  // namespace corvanth
