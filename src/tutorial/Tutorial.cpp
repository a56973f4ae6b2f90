// The tutorial engine: starting, showing, advancing and ending the guided tour of the game.
#include "tutorial/Tutorial.h"

#include <optional>
#include <string>

#include "shell/name.h"
#include "shell/start.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "ui/application.h"

namespace corvanth {

namespace {

// The twelve screens that carry a tutorial panel, hand and timer. The panels are found by name,
// so a screen takes part as soon as it is created; one not built yet is simply skipped.
constexpr const char* kTutorialScreens[] = {"TForm1", "TForm4",  "TForm2",  "TForm3",
                                            "TForm9", "TForm17", "TForm18", "TForm27",
                                            "TForm8", "TForm20", "TForm14", "TForm28"};
constexpr const char* kTravelScreen = "TForm2";

template <class Action>
void ForEachTutorialScreen(Action&& action) {
    for (const char* cls : kTutorialScreens)
        if (ui::Form* screen = ui::App().FindForm(cls)) action(*screen);
}

void HidePart(ui::Form& screen, const char* name) {
    if (ui::Component* c = screen.Find(name)) c->visible = false;
}

void StopTimer(ui::Form& screen) {
    if (auto* t = dynamic_cast<ui::Timer*>(screen.Find("TutorialTimer"))) t->SetEnabled(false);
}

// Panels and hand out of sight, timer stopped; the travel screen has two fixed panels more.
void ClearScreen(ui::Form& screen) {
    HidePart(screen, "TutorialPanel");
    HidePart(screen, "TutorialHand");
    if (screen.ClassName() == kTravelScreen) {
        HidePart(screen, "TutorialPanel2");
        HidePart(screen, "TutorialPanel3");
    }
    StopTimer(screen);
}

struct Point {
    int left = 0, top = 0;
};

// One step of the usual kind: a headline and a text on the screen's panel, a blinking hand.
struct Step {
    const char* hand;              // picture of the hand
    const char* headline;          // nullptr keeps the label as it is
    const char* textFile;          // loaded whole into the panel's memo
    std::optional<Point> panelAt;  // none: where the layout puts it
    Point handAt;                  // where the hand points from
    const char* headlineName = "TutorialHeadline";
};

void ShowStep(ui::Form& screen, const Step& step) {
    if (auto* picture = dynamic_cast<ui::Image*>(screen.Find("TutorialHandPicture")))
        picture->LoadPicture(step.hand);
    if (step.headline)
        if (ui::Component* label = screen.Find(step.headlineName)) label->caption = step.headline;
    if (auto* memo = dynamic_cast<ui::Memo*>(screen.Find("TutorialMemo"))) {
        memo->Clear();
        memo->LoadFromFile(step.textFile);
        memo->scrollBars = ui::ScrollBars::Vertical;
    }
    if (ui::Component* panel = screen.Find("TutorialPanel")) {
        panel->visible = true;
        if (step.panelAt) {
            panel->left = step.panelAt->left;
            panel->top = step.panelAt->top;
        }
    }
    if (ui::Component* hand = screen.Find("TutorialHand")) {
        hand->left = step.handAt.left;
        hand->top = step.handAt.top;
    }
    // The hand itself stays as it is: the timer's first tick shows it, the next hides it.
    if (auto* timer = dynamic_cast<ui::Timer*>(screen.Find("TutorialTimer")))
        timer->SetEnabled(true);
}

void SetFactionButtons(bool enabled) {
    Form4->SpeedButton1->enabled = enabled;
    Form4->SpeedButton2->enabled = enabled;
}

}  // namespace

void HideTutorialPanels() {
    ForEachTutorialScreen([](ui::Form& screen) { StopTimer(screen); });
    ForEachTutorialScreen([](ui::Form& screen) {
        // A screen in front of the player keeps its panel until the next step replaces it.
        if (screen.ClassName() == kTravelScreen || !screen.Visible()) ClearScreen(screen);
    });
}

void StartTutorial() {
    HideTutorialPanels();
    TutorialStep = 1;
    ShowTutorialStep1();
}

void EndTutorial() {
    SetFactionButtons(true);
    ForEachTutorialScreen([](ui::Form& screen) { ClearScreen(screen); });
}

void AskQuitTutorial() {
    if (!AskYesNo("Do you really wish to quit the tutorial?")) return;
    EndTutorial();
    TutorialStep = 0;
    ShowMessage1("The Tutorial has ended. You can restart it from the main menu at any time.");
}

void ShowCurrentTutorialStep() {
    HideTutorialPanels();
    // Steps 4 to 37 live on the screens of the voyage itself and are shown there.
    switch (TutorialStep) {
        case 1:
            ShowTutorialStep1();
            break;
        case 2:
            ShowTutorialStep2();
            break;
        case 3:
            ShowTutorialStep3();
            break;
        default:
            break;
    }
}

void ShowTutorialStep1() {
    // The hand points at "Start a new game" from its left, wherever the menu's layout puts it.
    const ui::Component& button = *Form1->SpeedButton1;
    const ui::Component& hand = *Form1->TutorialHand;
    ShowStep(
        *Form1,
        Step{"Tutorialr.jpg", "Follow the tutorial hand!", "TutorialForm1Step1.txt", std::nullopt,
             Point{button.left - hand.width, button.top + (button.height - hand.height) / 2}});
}

void ShowTutorialStep2() {
    SetFactionButtons(false);
    ShowStep(*Form4, Step{"Tutoriall.jpg", "Step 2: How to choose a name", "TutorialForm4Step2.txt",
                          Point{456, 119}, Point{216, 156}, "TutorialHeadLine"});
}

void ShowTutorialStep3() {
    ShowStep(*Form4, Step{"Tutorialr.jpg", "Follow the tutorial hand!", "TutorialForm4Step3.txt",
                          Point{8, 79}, Point{168, 340}, "TutorialHeadLine"});
}

void AdvanceTutorialStep1() {
    ++TutorialStep;
    ShowCurrentTutorialStep();
}

void AdvanceTutorialStep2() {
    ++TutorialStep;
    ShowCurrentTutorialStep();
}

void AdvanceTutorialStep3() {
    SetFactionButtons(true);
    ++TutorialStep;
    ShowCurrentTutorialStep();
}

// The combat lesson comes with the tutorial's own combat steps.
void AdvanceTutorialStep30() {}
void AdvanceTutorialStep31() {}
void AdvanceTutorialStep32() {}
void AdvanceTutorialStep33() {}
void AdvanceTutorialStep34() {}
void AdvanceTutorialStep35() {}

}  // namespace corvanth
