// The short story notice: a text and a picture; any key closes it too.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class Texp1_Message2 : public ui::Form {
  public:
    Texp1_Message2();
    ui::Image* Image1;
    ui::Image* Image2;
    ui::Label* Label1;
    ui::SpeedButton* SpeedButton3;

    void SpeedButton3Click();
    void FormKeyDown(int key) override;
};

extern ui::Screen<Texp1_Message2> exp1_Message2;

// The short story box: one line and a picture.
void ShowStoryLine(const std::string& text, const std::string& picture);

}  // namespace corvanth
