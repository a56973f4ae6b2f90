// The headless back end: no window, a scripted player answering the screens, a virtual clock.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/application.h"

namespace ui {

// What one showing of a screen put in front of the player.
struct Snapshot {
    std::string form;
    std::map<std::string, std::string> texts;     // component name -> text shown
    std::map<std::string, std::string> pictures;  // image name -> picture file
    const std::string& Text(const std::string& component) const;
    const std::string& Picture(const std::string& component) const;
    std::string Describe() const;
};

class ScriptedPlayer {
  public:
    // Each step answers the screen named: it waits until that screen is on top.
    ScriptedPlayer& Click(const std::string& form, const std::string& component);
    // A click before every step scripted so far: the one that opens the screens they answer.
    ScriptedPlayer& ClickFirst(const std::string& form, const std::string& component);
    ScriptedPlayer& DoubleClick(const std::string& form, const std::string& component);
    ScriptedPlayer& ClickAt(const std::string& form, const std::string& component, int x, int y);
    // A row of a list box, or of a combo box's list: opened by a click on the box first.
    ScriptedPlayer& SelectRow(const std::string& form, const std::string& list, int row);
    ScriptedPlayer& Type(const std::string& form, const std::string& edit, const std::string& text);
    ScriptedPlayer& Tick(const std::string& form, const std::string& checkBox, bool ticked);
    // The wheel turned over a component's middle (steps > 0 away from the player, i.e. up).
    ScriptedPlayer& Wheel(const std::string& form, const std::string& component, int steps);
    // A press at one point of a component, the mouse moved with the button held, let go.
    ScriptedPlayer& Drag(const std::string& form, const std::string& component, int fromX,
                         int fromY, int toX, int toY);
    // The pointer moved onto the middle of a component and left there (its hint comes up once
    // the player waits).
    ScriptedPlayer& Hover(const std::string& form, const std::string& component);
    ScriptedPlayer& Key(const std::string& form, int key);
    ScriptedPlayer& CloseRequest(const std::string& form);
    // A look at (or a free action on) the screen while it is on top.
    ScriptedPlayer& Do(const std::string& form, std::function<void(Form&)> action);
    // Lets virtual time pass on that screen (its timers keep running).
    ScriptedPlayer& Wait(const std::string& form, uint64_t ms);

    size_t Pending() const { return steps_.size(); }
    // The screen the next step waits for, "" when there is none.
    std::string NextForm() const { return steps_.empty() ? std::string() : steps_.front().form; }
    // Forgets the script and the records, the pictures drawn among them.
    void Reset();

    const std::vector<Snapshot>& Seen() const { return seen_; }
    // The last showing of a screen class, or nullptr.
    const Snapshot* LastSeen(const std::string& form) const;
    int TimesSeen(const std::string& form) const;

    // How much virtual time may pass with no step done before the test fails (default 10 min).
    void SetWatchdog(uint64_t ms) { watchdog_ = ms; }
    // Where each screen class is written as a PNG the first time it is seen ("" for nowhere).
    void SetScreenDir(const std::string& dir) { screenDir_ = dir; }
    // A screen class whose picture a test draws itself, at the moment that shows it best.
    void LeavePicture(const std::string& form) { written_.push_back(form); }

  private:
    friend class HeadlessBackend;
    struct Step {
        std::string form;
        std::string what;
        std::function<void(Form&)> act;
        uint64_t waitMs = 0;
    };
    ScriptedPlayer& Add(std::string form, std::string what, std::function<void(Form&)> act);
    void Record(Form& form);

    std::deque<Step> steps_;
    std::vector<Snapshot> seen_;
    std::map<const Form*, int> recordedShow_;
    std::vector<std::string> written_;
    uint64_t watchdog_ = 10 * 60 * 1000;
    std::string screenDir_;
    uint64_t waitUntil_ = 0;
    bool waiting_ = false;
};

// A test run's record of the screens: every player draws a screen class into `dir` the first time
// it sees it, only where `wanted` says so (one writer for each file when tests run side by side);
// `dir` takes the place of the players' own folders.
void DrawScreensInto(std::string dir, std::function<bool(const std::string& form)> wanted);

class HeadlessBackend : public Backend {
  public:
    uint64_t Now() override { return now_; }
    void Pump(Application& app) override;
    void Advance(uint64_t ms) { now_ += ms; }
    ScriptedPlayer& Player() { return player_; }

  private:
    uint64_t now_ = 0;
    uint64_t lastProgress_ = 0;
    const Form* lastTop_ = nullptr;
    int lastShow_ = 0;
    ScriptedPlayer player_;
};

// Installs the headless back end (once) and returns its player.
ScriptedPlayer& UseHeadless();
HeadlessBackend& Headless();

// What a screen shows now, as the player's records keep it.
Snapshot TakeSnapshot(const Form& form);

// The player's hand, for players of their own (tests/support): a press and release at a point
// of a component of the top screen, through the hit test a mouse click goes through. Raises
// ScriptError naming what takes the click instead when the component is hidden, disabled or
// covered there.
void ClickThrough(Form& form, Component& c, int x, int y, int clicks = 1);
// The same in the middle of the component.
void ClickMiddle(Form& form, Component& c);
// A press at one point of a component, the mouse moved with the button held, let go; the points
// inside the component, the press through the hit test.
void DragThrough(Form& form, Component& c, int fromX, int fromY, int toX, int toY);
// A row of a list box, or of a combo box's list, opened by a click first.
void ClickRow(Form& form, Component& list, int row);

}  // namespace ui
