// The background screen, the program's main window: start-up, shut-down and every screen's
// creation.
#pragma once

#include <string>
#include <vector>

#include "state/upcalls.h"
#include "ui/form.h"

namespace corvanth {

class TFbackground : public ui::Form {
  public:
    TFbackground();
    // The whole run: settings, the crash prompt, the media players, the main menu and, once the
    // menu has closed, the shut-down.
    void FormActivate() override;
};

extern ui::Screen<TFbackground> Fbackground;

// The prompt after a run that did not end in order: play with or without music.
class TForm59 : public ui::Form {
  public:
    TForm59();
    ui::Image* Image2;              // background
    ui::SpeedButton* SpeedButton7;  // "Play in protected mode"
    ui::SpeedButton* SpeedButton1;  // "Normal game start"

    void SpeedButton7Click();
    void SpeedButton1Click();
};

extern ui::Screen<TForm59> Form59;

// Creates every screen once, the background screen first (it is the main window), and fills the
// table of upward calls with the game's own routines.
void CreateScreens();
// The game's own routine for every entry of the upcall table (upcalls.cpp); a test puts it back
// after replacing entries.
Upcalls StandardUpcalls();
// What keeps the screens from showing their words: damaged or missing layouts and no font, each
// with where the game looks for it; empty when all is well.
std::vector<std::string> StartupProblems(const std::vector<ui::Form*>& screens);
// Opens the window, creates the screens and runs the background screen until the run is over;
// the process's exit code.
int ProgramBlock();

// What a killed run left behind, cleared at start-up: the writers' temporary files, and a save or
// a high-score table half put in place, finished or taken back.
void CleanUpAfterKilledRuns();

// The background pictures of the screens, over those of their layouts.
void ApplyAddonBackgrounds();

}  // namespace corvanth
