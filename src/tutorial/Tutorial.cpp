// The tutorial engine: starting, showing, advancing and ending the guided tour of the game.
#include "tutorial/Tutorial.h"

#include <algorithm>
#include <string>
#include <vector>

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

// The map cell that shows a location of the fleet's system.
ui::Component* MapCellOf(int location) {
    if (!ValidLocation(location)) return nullptr;
    const GameRecord& p = LocationRecord(location);
    return GameUpcalls().TravelMapCell(p[Planet::MapRow], p[Planet::MapColumn]);
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

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.x + b.w && b.x < a.x + a.w &&
           a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Within(const ui::Component* c, const ui::Component& ancestor) {
    for (; c; c = c->Parent())
        if (c == &ancestor) return true;
    return false;
}

constexpr int kCaptionMargin = 2;

// What the hand must leave in sight: the step's panel, and the captions of the screen's other
// components.
std::vector<ui::Rect> HandMustNotCover(const ui::Form& screen, const ui::Component& target,
                                       const ui::Component& hand) {
    std::vector<ui::Rect> out;
    const ui::Component* panel = screen.Find("TutorialPanel");
    if (panel && panel->Showing()) out.push_back(panel->ScreenRect());
    for (const auto& c : screen.Components()) {
        if (!c->Showing() || Within(c.get(), target) || Within(c.get(), hand) ||
            (panel && Within(c.get(), *panel)))
            continue;
        const ui::Rect r = ui::CaptionRect(*c);
        // A caption touched by the hand reads as covered too.
        if (r.w > 0)
            out.push_back({r.x - kCaptionMargin, r.y - kCaptionMargin, r.w + 2 * kCaptionMargin,
                           r.h + 2 * kCaptionMargin});
    }
    return out;
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
    o.TutorialTimer->OnTimer = [hand] {
        if (TutorialStep > 0) hand->visible = !hand->visible;
    };
    return o;
}

void SetTutorialFactionButtons(bool enabled) {
    GameUpcalls().SetFactionButtons(enabled);
}

ui::Component* TutorialTarget(int step) {
    const TutorialStepRow* row = TutorialRow(step);
    if (!row) return nullptr;
    if (row->targetLocation > 0) return MapCellOf(row->targetLocation);
    ui::Form* screen = ui::App().FindForm(row->screen);
    return screen && row->target ? screen->Find(row->target) : nullptr;
}

void PointTutorialHand(ui::Form& screen, const ui::Component& target, int row) {
    ui::Component* hand = screen.Find("TutorialHand");
    auto* picture = dynamic_cast<ui::Image*>(screen.Find("TutorialHandPicture"));
    if (!hand) return;
    ui::Rect t = target.ScreenRect();
    if (const auto* list = dynamic_cast<const ui::ListBox*>(&target); list && row >= 0) {
        const int shown = std::clamp(row - list->topIndex, 0, std::max(0, list->VisibleRows() - 1));
        t = {t.x, t.y + 2 + shown * list->ItemHeight(), t.w, list->ItemHeight()};
    }
    const std::string side = picture ? picture->picture : std::string();
    const bool up = side == "Tutorialu.jpg";
    // Pointing right (the hand left of the target), left, or up from below it.
    const int across = side == "Tutoriall.jpg" ? t.x + t.w : up ? t.y + t.h : t.x - hand->width;
    // The finger, at the middle of the hand, stays on the target's side.
    const int reach = up ? hand->width / 2 : hand->height / 2;
    const int from = (up ? t.x : t.y) - reach;
    const int to = (up ? t.x + t.w : t.y + t.h) - reach;
    const int middle = up ? t.x + (t.w - hand->width) / 2 : t.y + (t.h - hand->height) / 2;
    // The hand stays on its screen, however close to the edge the target lies.
    auto place = [&](int along) {
        const int left = up ? along : across, top = up ? across : along;
        return ui::Rect{std::clamp(left, 0, std::max(0, screen.width - hand->width)),
                        std::clamp(top, 0, std::max(0, screen.height - hand->height)), hand->width,
                        hand->height};
    };
    // Along the target's side, from its middle outward, the first spot that leaves every other
    // caption readable and the step's panel clear; the middle when there is none.
    const std::vector<ui::Rect> keepClear = HandMustNotCover(screen, target, *hand);
    const auto clear = [&](int along) {
        const ui::Rect r = place(along);
        return along >= from && along <= to &&
               std::none_of(keepClear.begin(), keepClear.end(),
                            [&](const ui::Rect& k) { return Overlap(r, k); });
    };
    int chosen = middle;
    for (int offset = 0; offset <= std::max(middle - from, to - middle); ++offset) {
        if (clear(middle - offset) || clear(middle + offset)) {
            chosen = clear(middle - offset) ? middle - offset : middle + offset;
            break;
        }
    }
    const ui::Rect spot = place(chosen);
    MoveTo(*hand, spot.x, spot.y);
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
