// The notice with a picture and the box that switches this kind of notice off.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TMessage6 : public ui::Form {
  public:
    TMessage6();
    ui::Image* Image1;
    ui::Image* Image2;
    ui::Label* Label1;
    ui::CheckBox* CheckBox1;
    ui::SpeedButton* SpeedButton3;

    void SpeedButton3Click();
    void FormKeyDown(int key) override;
};

extern ui::Screen<TMessage6> Message6;

// A notice the player cannot switch off: the box shows, unticked and disabled.
void ShowFixedNotice(const std::string& text, const std::string& picture);
// A notice that can be switched off: the box opens unticked; ticked on closing, it sets the
// captain's switch field to 1, which the caller tests before showing that kind again.
void ShowSwitchableNotice(const std::string& text, const std::string& picture, int playerField);

}  // namespace corvanth
