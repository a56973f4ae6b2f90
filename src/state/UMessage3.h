// The yes/no question; the answer goes to Message3Result.
#pragma once

#include <cstdint>
#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// Message3Result (1 yes, 0 no) lives with the session (state/variables.h).

class TMessage3 : public ui::Form {
  public:
    TMessage3();
    ui::Image* Image1;
    ui::Label* Label1;
    ui::SpeedButton* SpeedButton1;
    ui::SpeedButton* SpeedButton2;

    void SpeedButton1Click();
    void SpeedButton2Click();
};

extern ui::Screen<TMessage3> Message3;

// Asks the question and returns whether the player said yes.
bool AskYesNo(const std::string& question);

}  // namespace corvanth
