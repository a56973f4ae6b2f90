// The mission choice of a boarding squad, TForm48: capture, steal, abduct, recon or abort.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm48 : public ui::Form {
  public:
    TForm48();
    ui::Image* Image1;              // backdrop
    ui::SpeedButton* SpeedButton3;  // capture
    ui::SpeedButton* SpeedButton1;  // steal
    ui::SpeedButton* SpeedButton4;  // abduct: only with a VIP aboard
    ui::SpeedButton* SpeedButton2;  // recon
    ui::SpeedButton* SpeedButton5;  // "Abort"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
};

extern ui::Screen<TForm48> Form48;

}  // namespace corvanth
