// The program's screens, the modal loops that show them, the timers and the input that drives them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/hint.h"

namespace ui {

class Application;

// What the screens run on: a real window, or a scripted player in a test.
class Backend {
  public:
    virtual ~Backend() = default;
    virtual uint64_t Now() = 0;  // milliseconds
    // Waits for and hands over input for the top screen, or lets time pass up to the next timer.
    virtual void Pump(Application& app) = 0;
    // A modal screen opened or closed: input meant for the old top must not reach the new one.
    virtual void ResetInput() {}
};

// Raised by a test's scripted player; it unwinds every modal loop up to the test.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Thrown to end a game (Application::EndGame): it unwinds every modal loop above the game's home
// screen, and that screen's own loop catches it. Not a std::exception, so no handler meant for
// errors swallows it on the way.
class GameOver {};

class Application {
  public:
    static Application& Get();
    ~Application();

    void SetBackend(std::unique_ptr<Backend> backend);
    Backend& backend();
    bool HasBackend() const { return backend_ != nullptr; }

    // Screens are created once and live until the program ends; the first is the main window.
    template <class T, class... Args>
    T* Create(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = form.get();
        forms_.push_back(std::move(form));
        return raw;
    }
    std::vector<Form*> Forms() const;
    Form* FindForm(const std::string& className) const;
    // The screen of that class; throws MissingScreen when it was never created.
    Form& RequireForm(const std::string& className) const;

    // Shows the main window (the first created screen) until it closes.
    void Run();
    int ShowModal(Form& form);
    const std::vector<Form*>& ModalStack() const { return stack_; }
    Form* Top() const { return stack_.empty() ? nullptr : stack_.back(); }
    // Shown with another screen above it.
    bool Below(const Form& form) const;
    // Closes every screen above `bottom`, guards bypassed.
    void CloseAllAbove(Form& bottom);

    // The screen a game ends back to (the main menu). Its modal loop catches GameOver and goes on.
    void SetGameHome(Form* home) { gameHome_ = home; }
    // Ends the running game: throws GameOver, which closes every screen above the home screen on
    // its way (close guards bypassed, each screen's modal state restored, its caller's code after
    // ShowModal skipped). A rule run without the home screen (a test, a benchmark) unwinds to
    // whoever stands in for it there.
    [[noreturn]] void EndGame();

    // The desktop asks the program to end (a logout, a kill): every screen above the main window
    // closes and none opens any more. A game in play unwinds as at its end, unsaved, none of its
    // screens' callers going on after them; the main window's own code then ends the run as after
    // the main menu's "Quit". Asking again changes nothing; it holds until the run is over.
    void RequestEnd();

    uint64_t Now();
    std::optional<uint64_t> NextTimerDue() const;
    // Runs every timer that is due; true if one ran.
    bool FireDueTimers();

    // Input, in canvas coordinates (1024 x 768), delivered to the top screen.
    void MouseDown(int x, int y, int clicks);
    void MouseUp(int x, int y);
    void MouseMove(int x, int y);
    void MouseWheel(int x, int y, int steps);
    void KeyDown(int key);
    void TextInput(const std::string& utf8);
    // The desktop asks to close the window: the top screen gets a close request.
    void CloseRequest();
    Component* Hovered() const { return hovered_; }
    // The hint beside the resting pointer, if one shows now.
    std::optional<ShownHint> HintShown() { return hints_.Shown(Now()); }
    Component* Pressed() const { return pressed_; }
    // The deepest showing component of the top screen at a canvas point; an open drop-down
    // list lies over everything else.
    Component* HitTest(Form& form, int x, int y) const;
    // The screen's open drop-down list, or nullptr.
    static ComboBox* OpenList(const Form& form);

    // The caret of the focused edit box blinks; a frame is due when it turns.
    static constexpr uint64_t kCaretBlinkMs = 500;
    bool CaretVisible() { return (Now() / kCaretBlinkMs) % 2 == 0; }
    // When the window must draw again though nothing else happens: the caret's next turn, or a
    // hint coming up under the resting pointer.
    std::optional<uint64_t> NextRedrawDue();

    // Something changed that the window should redraw.
    bool TakeDirty() {
        bool d = dirty_;
        dirty_ = false;
        return d;
    }
    void MarkDirty() { dirty_ = true; }

    void RegisterTimer(Timer* timer);
    void UnregisterTimer(Timer* timer);

  private:
    void RunLoop(Form& form);
    void RunOnce(Form& form);
    // Under the end request, for a screen that shows or waits above the game's home: the game
    // ends.
    void EndGameForEnd(const Form& form);
    // What the shown screens look like, as one number: a timer that changes none of it costs
    // no frame.
    uint64_t Appearance() const;
    void ResetInput();

    std::unique_ptr<Backend> backend_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::vector<Form*> stack_;
    std::vector<Timer*> timers_;
    Component* pressed_ = nullptr;
    Component* hovered_ = nullptr;
    bool dirty_ = true;
    bool listChosen_ = false;  // the last press chose a row of an open list
    Form* gameHome_ = nullptr;
    bool endRequested_ = false;
    Hints hints_;
};

inline Application& App() {
    return Application::Get();
}

}  // namespace ui
