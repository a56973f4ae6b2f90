// The plain notice: a text and "Ok"; any key closes it too.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TMessage1 : public ui::Form {
  public:
    TMessage1();
    ui::Image* Image1;
    ui::Label* Label1;
    ui::SpeedButton* SpeedButton3;

    void SpeedButton3Click();
    void FormKeyDown(int key) override;
};

extern ui::Screen<TMessage1> Message1;

// Fills the notice's text and shows it modally.
void ShowMessage1(const std::string& text);

}  // namespace corvanth
