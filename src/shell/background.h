// The background screen, the program's main window, and the creation of every screen.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TFbackground : public ui::Form {
  public:
    TFbackground();
    void FormActivate() override;
};

extern TFbackground* Fbackground;

// Creates every screen once, the background screen first.
void CreateScreens();

}  // namespace corvanth
