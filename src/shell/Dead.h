// The death screen with its second chance, and the one way every kind of death runs.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm43 : public ui::Form {
  public:
    TForm43();
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label5;
    ui::Label* Label4;
    ui::Label* Label7;  // headline
    ui::Label* Label6;  // explanation
    ui::SpeedButton* SpeedButton1;

    void FormActivate() override;
    // No close box: only the button closes the screen.
    bool CloseQuery() override;
    void SpeedButton1Click();
};

extern ui::Screen<TForm43> Form43;

// Fills the death screen by the captain's remaining life points.
void ShowDeathScreen();

// The captain is killed (heart attack, mutiny, the ship destroyed): ship 1 is marked absent, the
// death screen offers the second chance, and unless it was taken the game ends with the score.
void KillCaptain();

}  // namespace corvanth
