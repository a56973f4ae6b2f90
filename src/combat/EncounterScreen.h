// The approach to a ship met in space: three stages, each showing more of it, then battle,
// retreat or a word with a ship of the own side.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm15 : public ui::Form {
  public:
    TForm15();
    ui::Image* Image1;  // backdrop
    ui::Label* Label1;
    ui::Image* Image2;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;  // go on
    ui::SpeedButton* SpeedButton2;  // turn away
    ui::SpeedButton* SpeedButton3;  // "Communicate"

    // No close box: only the buttons end the encounter.
    bool CloseQuery() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
};

extern ui::Screen<TForm15> Form15;

// Fills the screen for EncounterStage.
void RefreshEncounterScreen();
// The hand-over of a random encounter: stage 1, the alert, the approach modally.
void ShowEncounterScreen();

// "VERY SMALL" .. "VERY LARGE" for size class 1..5, "" otherwise.
std::string SizeWord(int sizeClass);
// Whether the enemy ship means to fight: 1 hostile, 2 not. At stage 3 in the ship's home system
// it runs the customs scan first (with its penalties).
int EncounterAttitude(bool turningAway);
// Closing for battle with a ship of a faction at peace: a crime reported now and then.
void ReportAttackOnFriend(int ship);

}  // namespace corvanth
