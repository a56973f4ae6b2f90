// The rescue scene of the senator's story: the one rescued, and the question to ask.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm69 : public ui::Form {
  public:
    TForm69();
    ui::Image* Image1;              // the rescue, large
    ui::Image* Image3;              // the wife-to-be
    ui::SpeedButton* SpeedButton1;  // "Propose marriage"

    void SpeedButton1Click();
};

extern ui::Screen<TForm69> Form69;

// Fills the rescue scene with the pictures of the captain's faction.
void ShowRescueScene();

}  // namespace corvanth
