// A screen: its components come from its layout file, its behaviour from the class's handlers.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/component.h"

namespace ui {

inline constexpr int kCanvasWidth = 1024;
inline constexpr int kCanvasHeight = 768;
inline constexpr const char* kScreenCaption = "Corvanth - Farreach";

// Where layouts are read from ("forms" in the working directory unless set).
void SetLayoutDir(const std::string& dir);
const std::string& LayoutDir();

class Form {
  public:
    // Reads <LayoutDir>/<className>.json. A missing or broken layout gives an empty screen and
    // is listed in LayoutProblems(); the game still runs.
    explicit Form(std::string className);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& ClassName() const { return className_; }
    std::string caption = kScreenCaption;
    int width = 640, height = 480;
    Color color = colors::Black;

    // Where the screen lies on the 1024 x 768 canvas: centred.
    int OriginX() const { return (kCanvasWidth - width) / 2; }
    int OriginY() const { return (kCanvasHeight - height) / 2; }

    Component* Find(const std::string& name) const;
    template <class T>
    T* Bind(const std::string& name);
    // Components in layout order: a parent before its children, later ones drawn on top.
    const std::vector<std::unique_ptr<Component>>& Components() const { return components_; }
    const std::vector<Component*>& Roots() const { return roots_; }
    // Names the class binds, and what was wrong with the layout (unknown keys, duplicate names,
    // components outside their parent, bindings the layout lacks).
    const std::vector<std::string>& BoundNames() const { return bound_; }
    const std::vector<std::string>& LayoutProblems() const { return problems_; }

    // Shows the screen modally: returns when it closes or is hidden.
    int ShowModal();
    // A close request: honoured when CloseQuery allows it.
    void Close();
    // Whether the screen has a close box: the window's close button and Escape ask it to close.
    // Screens without one ignore both.
    bool closeBox = true;
    // The window's close button while this screen is on top.
    virtual void WindowCloseRequest() {
        if (closeBox) Close();
    }
    // Takes the screen out of the picture and ends its modal loop, without asking its guard.
    void Hide();
    bool Visible() const { return visible_; }
    bool IsModal() const;
    int modalResult = 0;

    // Handlers a screen class overrides.
    virtual bool CloseQuery() { return true; }
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // Another screen came on top of this one; FormActivate follows when it is on top again.
    virtual void FormDeactivate() {}
    // The screen left the picture: hidden, or its modal loop ended (also while a game's end
    // unwinds it, so it must open no screen). Its timers are its own and run on unless it
    // stops them here.
    virtual void FormHide() {}
    virtual void FormKeyDown(int /*key*/) {}

    Component* focused = nullptr;

  private:
    friend class Application;
    void LoadLayout();
    Component* MakeComponent(const std::string& kind, const std::string& name);
    void Adopt(Component* parent, Component* child);

    std::string className_;
    std::vector<std::unique_ptr<Component>> components_;
    std::vector<Component*> roots_;
    std::vector<std::string> bound_;
    std::vector<std::string> problems_;
    bool visible_ = false;
    bool closing_ = false;
    bool activatePending_ = false;
    bool activating_ = false;
    int showCount_ = 0;

  public:
    int ShowCount() const { return showCount_; }
};

template <class T>
T* Form::Bind(const std::string& name) {
    bound_.push_back(name);
    if (auto* c = dynamic_cast<T*>(Find(name))) return c;
    // A component the layout lacks: the layout test reports it; the player gets a hidden stand-in.
    problems_.push_back("binds " + name + " which the layout lacks or gives another kind");
    auto stand_in = std::make_unique<T>(*this, name);
    stand_in->visible = false;
    T* raw = stand_in.get();
    components_.push_back(std::move(stand_in));
    return raw;
}

// A screen the code reaches that was never created: a tool or a test that runs a rule without
// the screens learns which one, instead of following a null pointer.
class MissingScreen : public std::logic_error {
  public:
    explicit MissingScreen(const std::string& className)
        : std::logic_error("the screen " + className +
                           " was not created; create the screens before running the rules") {}
};

// The global through which the code reaches a screen created once at start-up. Reaching it before
// it is created throws MissingScreen naming it; `if (screen)` only asks whether it is there.
template <class T>
class Screen {
  public:
    constexpr explicit Screen(const char* className) : className_(className) {}
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    Screen& operator=(T* form) {
        form_ = form;
        return *this;
    }

    T& operator*() const { return Get(); }
    T* operator->() const { return &Get(); }
    operator T*() const { return &Get(); }
    explicit operator bool() const { return form_ != nullptr; }
    // The screen or null, for code that sets it aside and puts it back.
    T* Created() const { return form_; }

  private:
    T& Get() const {
        if (!form_) throw MissingScreen(className_);
        return *form_;
    }
    const char* className_;
    T* form_ = nullptr;
};

}  // namespace ui
