// The guided tutorial: its current step and the calls the other screens make into it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// TutorialStep lives with the session (state/variables.h).

// The overlay a screen carries, bound by name from its layout like the screen's own parts.
struct TutorialOverlay {
    ui::Panel* TutorialPanel = nullptr;
    ui::Label* TutorialHeadline = nullptr;
    ui::Memo* TutorialMemo = nullptr;
    ui::SpeedButton* SpeedButton16 = nullptr;  // "End tutorial"
    ui::Panel* TutorialHand = nullptr;
    ui::Image* TutorialHandPicture = nullptr;
    ui::Timer* TutorialTimer = nullptr;
};
// Binds it and gives it the screen's two handlers: "End tutorial" (SpeedButton16Click) plays
// the click and asks to quit; TutorialTimerTimer turns the hand while a tutorial runs.
TutorialOverlay BindTutorialOverlay(ui::Form& screen);
inline constexpr int kTutorialSteps = 37;

// One step as the player meets it: where its panel stands, what it says, what the hand shows.
struct TutorialPoint {
    int left = 0, top = 0;
};
struct TutorialStepRow {
    const char* screen;                    // the form class the step is shown on
    const char* headline;                  // nullptr: the label keeps its caption
    const char* textFile;                  // loaded whole into the memo; nullptr: no panel text
    const char* hand;                      // picture of the hand; nullptr: no hand
    const char* panel;                     // the panel shown; nullptr: none
    std::optional<TutorialPoint> panelAt;  // none: where the layout puts it
    const char* target;                    // the component the step asks the player to use
    int targetLocation = 0;  // or, when set, the picture of this location of the fleet's system
    int targetRow = -1;      // in a list: the row the player is to pick, -1 none
};
// The row of a step 1..37, or nullptr.
const TutorialStepRow* TutorialRow(int step);
// The component a step points at on its screen, or nullptr when it is not there.
ui::Component* TutorialTarget(int step);
// Moves the screen's hand to a component, on the side its picture points from, the fingertip just
// inside the component's edge (inside a list's row when one is given), farther in where the edge
// is crowded. It takes the spot nearest the edge and its middle whose glove lies whole on the
// screen and covers no caption, no other control nor the step's panel, and of those the one that
// covers least of the pictures and list rows.
void PointTutorialHand(ui::Form& screen, const ui::Component& target, int row = -1);
// A tick of a screen's hand timer while a tutorial runs: the hand shows and hides by turns, and
// takes its place as it shows, on the screen as it stands then (a screen fills its lists after
// the step that opened it was shown).
void TurnTutorialHand(ui::Component& hand);

// Hides every tutorial panel, sets step 1 and shows it on the main menu; restarts a running one.
void StartTutorial();
// Hides the panels and hands of every screen, stops their timers and gives the new-captain
// screen its faction buttons back. Leaves TutorialStep alone: each caller sets it to 0 itself.
void EndTutorial();
// Asks whether to quit; on yes ends the tutorial and says how to restart it.
void AskQuitTutorial();
// The last step done: ends the tutorial with the closing words.
void FinishTutorial();

// Stops the hand timers of every screen and hides their panels and hands.
void HideTutorialPanels();
// HideTutorialPanels, then the panel and hand of the current step.
void ShowCurrentTutorialStep();
void ShowTutorialStep1();   // main menu
void ShowTutorialStep2();   // new captain: the name; the faction is not the player's to choose
void ShowTutorialStep3();   // new captain: "Ok"
void ShowTutorialStep4();   // travel screen: fame and reputation, a fixed panel
void ShowTutorialStep5();   // travel screen: the position locks, a fixed panel
void ShowTutorialStep6();   // travel screen: "Trade"
void ShowTutorialStep7();   // the goods list
void ShowTutorialStep8();   // buying
void ShowTutorialStep9();   // the trip to Sargoth
void ShowTutorialStep10();  // selling
void ShowTutorialStep11();  // closing the trade box
void ShowTutorialStep12();  // docking
void ShowTutorialStep13();  // planet: the bank
void ShowTutorialStep14();  // bank: leaving it
void ShowTutorialStep15();  // planet: the ship dealer
void ShowTutorialStep16();  // ship dealer: back
void ShowTutorialStep17();  // planet: the equipment dealer
void ShowTutorialStep18();  // equipment dealer: the missile slot
void ShowTutorialStep19();  // equipment dealer: the Brute missile
void ShowTutorialStep20();  // equipment dealer: closing it
void ShowTutorialStep21();  // planet: the governor
void ShowTutorialStep22();  // governor: asking for a mission
void ShowTutorialStep23();  // missions: the offer
void ShowTutorialStep24();  // missions: accepting it
void ShowTutorialStep25();  // governor: back (never reached: step 24 skips it)
void ShowTutorialStep26();  // planet: back to space
void ShowTutorialStep27();  // travel screen: the mission box
void ShowTutorialStep28();  // travel screen: the trip to the objective
void ShowTutorialStep29();  // mission encounter: attack
void ShowTutorialStep30();  // combat: the range
void ShowTutorialStep31();  // combat: the missile
void ShowTutorialStep32();  // combat: end of turn
void ShowTutorialStep33();  // combat: the ECM
void ShowTutorialStep34();  // combat: the phaser cannon
void ShowTutorialStep35();  // combat: fight it out
void ShowTutorialStep36();  // travel screen: personal information
void ShowTutorialStep37();  // personal information: back

// Each raises the step by one and shows the new one; the caller has checked the step.
void AdvanceTutorialStep1();
void AdvanceTutorialStep2();
void AdvanceTutorialStep3();  // also gives the faction buttons back
void AdvanceTutorialStep4();  // also sets the firearms prices of the trading lesson
void AdvanceTutorialStep5();
void AdvanceTutorialStep6();
void AdvanceTutorialStep7();
void AdvanceTutorialStep8();
void AdvanceTutorialStep9();
void AdvanceTutorialStep10();
void AdvanceTutorialStep11();
void AdvanceTutorialStep12();
void AdvanceTutorialStep13();
void AdvanceTutorialStep14();
void AdvanceTutorialStep15();
void AdvanceTutorialStep16();
void AdvanceTutorialStep17();  // also the money for the missile when it is short
void AdvanceTutorialStep18();
void AdvanceTutorialStep19();
void AdvanceTutorialStep20();
void AdvanceTutorialStep21();  // also the war and the mission offered
void AdvanceTutorialStep22();
void AdvanceTutorialStep23();
void AdvanceTutorialStep24();  // on to step 26
void AdvanceTutorialStep25();
void AdvanceTutorialStep26();
void AdvanceTutorialStep27();
void AdvanceTutorialStep28();
void AdvanceTutorialStep29();
void AdvanceTutorialStep30();
void AdvanceTutorialStep31();
void AdvanceTutorialStep32();
void AdvanceTutorialStep33();
void AdvanceTutorialStep34();
void AdvanceTutorialStep35();
void AdvanceTutorialStep36();

// The offer record the tutorial's mission is written into.
inline constexpr int kTutorialOffer = 4;

}  // namespace corvanth
