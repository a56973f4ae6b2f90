// The tutorial engine: starting, showing, advancing and ending the guided tour of the game.
#include "tutorial/Tutorial.h"

#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "tutorial/Tutorial_engine.h"
#include "ui/application.h"

namespace corvanth {

namespace {

// The twelve screens that carry a tutorial panel, hand and timer. The panels are found by name,
// so a screen takes part as soon as it is created; one not built yet is simply skipped.
constexpr const char* kTutorialScreens[] = {"TForm1", "TForm4",  "TForm2",  "TForm3",
                                            "TForm9", "TForm17", "TForm18", "TForm27",
                                            "TForm8", "TForm20", "TForm14", "TForm28"};
constexpr const char* kTravelScreen = "TForm2";
constexpr const char* kFixedPanels[] = {"TutorialPanel2", "TutorialPanel3"};
// Step 4's panel speaks of the fame bar encircled red and the reputation bar encircled green.
constexpr const char* kStep4Rings[] = {"TutorialRingFame", "TutorialRingReputation"};

template <class Action>
void ForEachTutorialScreen(Action&& action) {
    for (const char* cls : kTutorialScreens)
        if (ui::Form* screen = ui::App().FindForm(cls)) action(*screen);
}

void ShowPart(ui::Form& screen, const char* name, bool shown) {
    if (ui::Component* c = screen.Find(name)) c->visible = shown;
}

void HidePart(ui::Form& screen, const char* name) {
    ShowPart(screen, name, false);
}

void HideFixedPanels(ui::Form& screen) {
    for (const char* panel : kFixedPanels) HidePart(screen, panel);
    for (const char* ring : kStep4Rings) HidePart(screen, ring);
}

void SetTimer(ui::Form& screen, bool on) {
    if (auto* t = dynamic_cast<ui::Timer*>(screen.Find("TutorialTimer"))) t->SetEnabled(on);
}

// Panels and hand out of sight, timer stopped; the travel screen has two fixed panels more.
void ClearScreen(ui::Form& screen) {
    HidePart(screen, "TutorialPanel");
    HidePart(screen, "TutorialHand");
    if (screen.ClassName() == kTravelScreen) HideFixedPanels(screen);
    SetTimer(screen, false);
}

void MoveTo(ui::Component& c, int left, int top) {
    c.left = left;
    c.top = top;
}

// The picture of a location of the fleet's system in its map cell: the planet the step names,
// not the empty room of the cell beside it.
ui::Component* MapPictureOf(int location) {
    if (!ValidLocation(location)) return nullptr;
    const GameRecord& p = LocationRecord(location);
    ui::Component* cell = GameUpcalls().TravelMapCell(p[Planet::MapRow], p[Planet::MapColumn]);
    if (!cell) return nullptr;
    for (ui::Component* part : cell->Children())
        if (part->kind() == ui::Kind::Image) return part;
    return cell;
}

// A step's fixed panel of the travel screen: its texts are in the layout, it has no hand and
// waits for its own "Continue" without a timer.
void ShowFixedPanel(ui::Form& screen, const TutorialStepRow& row) {
    HidePart(screen, "TutorialPanel");
    HideFixedPanels(screen);
    if (ui::Component* panel = screen.Find(row.panel)) {
        panel->visible = true;
        if (row.panelAt) MoveTo(*panel, row.panelAt->left, row.panelAt->top);
    }
    for (const char* ring : kStep4Rings)
        ShowPart(screen, ring, row.panel == std::string(kFixedPanels[0]));
    SetTimer(screen, false);
}

}  // namespace

TutorialOverlay BindTutorialOverlay(ui::Form& screen) {
    TutorialOverlay o;
    o.TutorialPanel = screen.Bind<ui::Panel>("TutorialPanel");
    o.TutorialHeadline = screen.Bind<ui::Label>("TutorialHeadline");
    o.TutorialMemo = screen.Bind<ui::Memo>("TutorialMemo");
    o.SpeedButton16 = screen.Bind<ui::SpeedButton>("SpeedButton16");
    o.TutorialHand = screen.Bind<ui::Panel>("TutorialHand");
    o.TutorialHandPicture = screen.Bind<ui::Image>("TutorialHandPicture");
    o.TutorialTimer = screen.Bind<ui::Timer>("TutorialTimer");
    o.SpeedButton16->OnClick = [] {
        PlayButtonSound();
        AskQuitTutorial();
    };
    ui::Panel* hand = o.TutorialHand;
    o.TutorialTimer->OnTimer = [hand] { TurnTutorialHand(*hand); };
    return o;
}

void SetTutorialFactionButtons(bool enabled) {
    GameUpcalls().SetFactionButtons(enabled);
}

ui::Component* TutorialTarget(int step) {
    const TutorialStepRow* row = TutorialRow(step);
    if (!row) return nullptr;
    if (row->targetLocation > 0) return MapPictureOf(row->targetLocation);
    ui::Form* screen = ui::App().FindForm(row->screen);
    return screen && row->target ? screen->Find(row->target) : nullptr;
}

void ShowTutorialRow(int step) {
    const TutorialStepRow* row = TutorialRow(step);
    ui::Form* screen = row ? ui::App().FindForm(row->screen) : nullptr;
    if (!screen) return;
    if (row->panel && std::string(row->panel) != "TutorialPanel") {
        ShowFixedPanel(*screen, *row);
        return;
    }
    if (screen->ClassName() == kTravelScreen) HideFixedPanels(*screen);
    auto* picture = dynamic_cast<ui::Image*>(screen->Find("TutorialHandPicture"));
    if (picture) picture->LoadPicture(row->hand ? row->hand : "");
    if (row->headline) {
        ui::Component* label = screen->Find("TutorialHeadline");
        if (!label) label = screen->Find("TutorialHeadLine");
        if (label) label->caption = row->headline;
    }
    if (auto* memo = dynamic_cast<ui::Memo*>(screen->Find("TutorialMemo"))) {
        memo->scrollBars = ui::ScrollBars::None;
        memo->Clear();
        if (row->textFile) memo->LoadFromFile(row->textFile);
        memo->scrollBars = ui::ScrollBars::Vertical;
    }
    if (row->panel)
        if (ui::Component* panel = screen->Find(row->panel)) {
            panel->visible = true;
            if (row->panelAt) MoveTo(*panel, row->panelAt->left, row->panelAt->top);
        }
    if (const ui::Component* target = TutorialTarget(step))
        PointTutorialHand(*screen, *target, row->targetRow);
    // The hand itself stays as it is: the timer's first tick shows it, the next hides it.
    SetTimer(*screen, true);
}

void HideTutorialPanels() {
    // Also on a screen that stays open under the next step's: a strip of its panel would show
    // around a smaller screen above it.
    ForEachTutorialScreen(ClearScreen);
}

void StartTutorial() {
    HideTutorialPanels();
    TutorialStep = 1;
    ShowTutorialStep1();
}

void EndTutorial() {
    SetTutorialFactionButtons(true);
    ForEachTutorialScreen([](ui::Form& screen) { ClearScreen(screen); });
}

void AskQuitTutorial() {
    if (!AskYesNo("Do you really wish to quit the tutorial?")) return;
    EndTutorial();
    TutorialStep = 0;
    ShowMessage1("The Tutorial has ended. You can restart it from the main menu at any time.");
}

void FinishTutorial() {
    EndTutorial();
    TutorialStep = 0;
    ShowMessage1("The tutorial has ended! Explore the game and have fun!");
}

void ShowCurrentTutorialStep() {
    static constexpr void (*kShow[kTutorialSteps + 1])() = {
        nullptr,
        ShowTutorialStep1,
        ShowTutorialStep2,
        ShowTutorialStep3,
        ShowTutorialStep4,
        ShowTutorialStep5,
        ShowTutorialStep6,
        ShowTutorialStep7,
        ShowTutorialStep8,
        ShowTutorialStep9,
        ShowTutorialStep10,
        ShowTutorialStep11,
        ShowTutorialStep12,
        ShowTutorialStep13,
        ShowTutorialStep14,
        ShowTutorialStep15,
        ShowTutorialStep16,
        ShowTutorialStep17,
        ShowTutorialStep18,
        ShowTutorialStep19,
        ShowTutorialStep20,
        ShowTutorialStep21,
        ShowTutorialStep22,
        ShowTutorialStep23,
        ShowTutorialStep24,
        ShowTutorialStep25,
        ShowTutorialStep26,
        ShowTutorialStep27,
        ShowTutorialStep28,
        ShowTutorialStep29,
        ShowTutorialStep30,
        ShowTutorialStep31,
        ShowTutorialStep32,
        ShowTutorialStep33,
        ShowTutorialStep34,
        ShowTutorialStep35,
        ShowTutorialStep36,
        ShowTutorialStep37,
    };
    HideTutorialPanels();
    if (TutorialStep >= 1 && TutorialStep <= kTutorialSteps) kShow[TutorialStep]();
}

}  // namespace corvanth
