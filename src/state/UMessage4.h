// The long notice: headline, picture and a long text or text file.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TMessage4 : public ui::Form {
  public:
    TMessage4();
    ui::Image* Image2;
    ui::Image* Image3;
    ui::Image* Image1;
    ui::Shape* Shape3;
    ui::Memo* Memo1;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;

    void SpeedButton1Click();
};

extern TMessage4* Message4;

}  // namespace corvanth
