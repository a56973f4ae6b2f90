// The guided tutorial: its current step and the calls the other screens make into it.
#pragma once

#include <cstdint>

#include "state/variables.h"

namespace corvanth {

// TutorialStep lives with the session (state/variables.h).

// Hides every tutorial panel, sets step 1 and shows it on the main menu; restarts a running one.
void StartTutorial();
// Hides the panels and hands of every screen, stops their timers and gives the new-captain
// screen its faction buttons back. Leaves TutorialStep alone: each caller sets it to 0 itself.
void EndTutorial();
// Asks whether to quit; on yes ends the tutorial and says how to restart it.
void AskQuitTutorial();

// Stops the hand timers of every screen; hides panels and hands of the screens not showing
// (the travel screen's always).
void HideTutorialPanels();
// HideTutorialPanels, then the panel and hand of the current step.
void ShowCurrentTutorialStep();
void ShowTutorialStep1();  // main menu
void ShowTutorialStep2();  // new captain: the name
void ShowTutorialStep3();  // new captain: "Ok"

// Each raises the step by one and shows the new one; the caller has checked the step.
void AdvanceTutorialStep1();
void AdvanceTutorialStep2();
void AdvanceTutorialStep3();  // also gives the faction buttons back

// The combat lesson's steps; they wait for the tutorial's combat screens and do nothing yet.
void AdvanceTutorialStep30();
void AdvanceTutorialStep31();
void AdvanceTutorialStep32();
void AdvanceTutorialStep33();
void AdvanceTutorialStep34();
void AdvanceTutorialStep35();

}  // namespace corvanth
