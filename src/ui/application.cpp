// Modal loops, timers and input dispatch shared by the window and the headless back end.
#include "ui/application.h"

#include <algorithm>

#include "ui/damage.h"

namespace ui {

Application& Application::Get() {
    // Never destroyed at exit: a lost display makes the X library end the program from inside an
    // event read, and tearing the window down then would wait on the dead connection for ever.
    static Application& app = *new Application;
    return app;
}

Application::~Application() {
    // Screens go first: their timers unregister from the list below.
    stack_.clear();
    forms_.clear();
}

void Application::SetBackend(std::unique_ptr<Backend> backend) {
    backend_ = std::move(backend);
}

Backend& Application::backend() {
    if (!backend_) throw std::logic_error("no back end set for the screens");
    return *backend_;
}

std::vector<Form*> Application::Forms() const {
    std::vector<Form*> out;
    for (const auto& f : forms_) out.push_back(f.get());
    return out;
}

Form* Application::FindForm(const std::string& className) const {
    for (const auto& f : forms_)
        if (f->ClassName() == className) return f.get();
    return nullptr;
}

Form& Application::RequireForm(const std::string& className) const {
    if (Form* f = FindForm(className)) return *f;
    throw MissingScreen(className);
}

uint64_t Application::Now() {
    return backend_ ? backend_->Now() : 0;
}

void Application::Run() {
    if (forms_.empty()) return;
    ShowModal(*forms_.front());
}

int Application::ShowModal(Form& form) {
    // A screen already on the stack cannot be shown again; the caller's loop goes on.
    if (form.IsModal()) return form.modalResult;
    // Once the end is asked for, nothing opens but the main window, which ends the run.
    if (endRequested_ && !stack_.empty()) {
        EndGameForEnd(form);
        return 0;
    }
    form.modalResult = 0;
    form.closing_ = false;
    form.visible_ = true;
    form.activatePending_ = true;
    ++form.showCount_;
    // The screen below stays open under this one; it learns so before the new one shows.
    if (Form* below = Top()) below->FormDeactivate();
    stack_.push_back(&form);
    ResetInput();
    form.FormShow();

    struct Pop {
        Application& app;
        Form& form;
        ~Pop() {
            // A screen hidden before its loop ended has had its hide handler already.
            if (form.visible_) {
                form.visible_ = false;
                form.FormHide();
            }
            form.closing_ = false;
            form.activatePending_ = false;
            auto& s = app.stack_;
            s.erase(std::remove(s.begin(), s.end(), &form), s.end());
            app.ResetInput();
            // The screen below becomes the top again: it is activated from its own loop.
            if (!s.empty()) s.back()->activatePending_ = true;
            if (s.empty()) app.endRequested_ = false;  // the run is over
        }
    } pop{*this, form};

    RunLoop(form);
    return form.modalResult;
}

void Application::RunLoop(Form& form) {
    while (!form.closing_ && form.visible_) {
        // Closed past its guard, as a game's end closes it.
        if (endRequested_ && &form != stack_.front()) {
            EndGameForEnd(form);
            form.closing_ = true;
            break;
        }
        if (&form != gameHome_) {
            RunOnce(form);
            continue;
        }
        try {
            RunOnce(form);
        } catch (const GameOver&) {
            // Every screen above has closed on the way here and the home screen is on top again.
            dirty_ = true;
        }
    }
}

void Application::EndGame() {
    throw GameOver{};
}

void Application::RequestEnd() {
    endRequested_ = true;
    dirty_ = true;
}

void Application::EndGameForEnd(const Form& form) {
    if (gameHome_ && &form != gameHome_ &&
        std::find(stack_.begin(), stack_.end(), gameHome_) != stack_.end())
        EndGame();
}

void Application::RunOnce(Form& form) {
    if (form.activatePending_ && Top() == &form && !form.activating_) {
        form.activatePending_ = false;
        form.activating_ = true;
        struct Done {
            Form& f;
            ~Done() { f.activating_ = false; }
        } done{form};
        form.FormActivate();
        dirty_ = true;
        return;
    }
    if (FireDueTimers()) return;
    backend().Pump(*this);
}

bool Application::Below(const Form& form) const {
    return &form != Top() && std::find(stack_.begin(), stack_.end(), &form) != stack_.end();
}

void Application::CloseAllAbove(Form& bottom) {
    auto it = std::find(stack_.begin(), stack_.end(), &bottom);
    if (it == stack_.end()) return;
    for (++it; it != stack_.end(); ++it) (*it)->closing_ = true;
    dirty_ = true;
}

void Application::RegisterTimer(Timer* timer) {
    timers_.push_back(timer);
}

void Application::UnregisterTimer(Timer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

std::optional<uint64_t> Application::NextTimerDue() const {
    std::optional<uint64_t> next;
    for (const Timer* t : timers_)
        if (t->enabled_ && !t->running_ && (!next || t->due_ < *next)) next = t->due_;
    return next;
}

bool Application::FireDueTimers() {
    const uint64_t now = Now();
    Timer* due = nullptr;
    for (Timer* t : timers_)
        if (t->enabled_ && !t->running_ && t->due_ <= now && (!due || t->due_ < due->due_)) due = t;
    if (!due) return false;
    // Re-armed before the handler runs, so the handler may change or stop it.
    due->due_ = now + static_cast<uint64_t>(std::max(1, due->interval_));
    due->running_ = true;
    struct Done {
        Timer* t;
        ~Done() { t->running_ = false; }
    } done{due};
    const uint64_t before = Appearance();
    if (due->OnTimer) due->OnTimer();
    if (Appearance() != before) dirty_ = true;
    return true;
}

ComboBox* Application::OpenList(const Form& form) {
    for (const auto& c : form.Components())
        if (c->kind() == Kind::ComboBox && c->Showing() &&
            static_cast<ComboBox*>(c.get())->Dropped())
            return static_cast<ComboBox*>(c.get());
    return nullptr;
}

Component* Application::HitTest(Form& form, int x, int y) const {
    const int fx = x - form.OriginX(), fy = y - form.OriginY();
    if (ComboBox* list = OpenList(form); list && list->DropRect().Contains(fx, fy)) return list;
    // Later components lie on top; a hidden parent hides its children.
    const auto& all = form.Components();
    Component* decoration = nullptr;
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        Component* c = it->get();
        if (c->kind() == Kind::Timer || c->kind() == Kind::MediaPlayer || !c->Showing()) continue;
        if (!c->ScreenRect().Contains(fx, fy)) continue;
        if (!decoration && c->Decorative()) {
            // A frame or picture over a text box lets the text box have the mouse.
            decoration = c;
            continue;
        }
        if (!decoration || c->kind() == Kind::Memo || c->kind() == Kind::ListBox) return c;
        if (!c->Decorative()) break;
    }
    return decoration;
}

uint64_t Application::Appearance() const {
    Hasher h;
    for (const Form* f : stack_) {
        h.Int(f->visible_);
        // A hidden screen's timers change nothing the player sees.
        if (!f->visible_) continue;
        h.Text(f->caption);
        h.Paint(f->color);
        for (const auto& c : f->Components()) h.Int(static_cast<int64_t>(LookOf(*c)));
    }
    return h.h;
}

void Application::ResetInput() {
    pressed_ = nullptr;
    listChosen_ = false;
    hovered_ = nullptr;
    hints_.Dismiss(Now());
    dirty_ = true;
    if (backend_) backend_->ResetInput();
}

void Application::MouseDown(int x, int y, int clicks) {
    Form* top = Top();
    if (!top) return;
    // A hint goes with the click, which reaches what lies below it.
    if (hints_.Dismiss(Now())) dirty_ = true;
    Component* c = HitTest(*top, x, y);
    // The second press of a double click on a list row would reach what lay under the list.
    if (clicks >= 2 && listChosen_) return;
    listChosen_ = false;
    // A press on the open list chooses the row under it; one on its bar scrolls it, below.
    const int fx = x - top->OriginX(), fy = y - top->OriginY();
    if (ComboBox* list = OpenList(*top);
        list && list->DropRect().Contains(fx, fy) && !list->ListBarRect().Contains(fx, fy)) {
        pressed_ = nullptr;
        dirty_ = true;
        const int row = list->ListRowAt(fx, fy);
        if (row < 0) return;  // its frame
        listChosen_ = true;
        list->PlayerSelect(row);
        return;
    }
    // An open drop-down list closes on any click outside it.
    if (ComboBox* list = OpenList(*top); list && list != c) {
        list->CloseList();
        dirty_ = true;
    }
    if (!c || !c->Usable()) {
        pressed_ = nullptr;
        return;
    }
    pressed_ = c;
    Rect r = c->ScreenRect();
    const int lx = fx - r.x, ly = fy - r.y;
    top->focused = c->TakesFocus() ? c : top->focused;
    c->MouseDown(lx, ly);
    // The handler may have opened and closed screens: the click belongs to the old top only.
    if (Top() != top || pressed_ != c) return;
    if (clicks >= 2) {
        c->Click(lx, ly, clicks);
        pressed_ = nullptr;
    }
    dirty_ = true;
}

void Application::MouseUp(int x, int y) {
    Form* top = Top();
    Component* c = pressed_;
    pressed_ = nullptr;
    if (c) {
        c->MouseRelease();
        dirty_ = true;
    }
    if (!top || !c || HitTest(*top, x, y) != c || !c->Usable()) return;
    Rect r = c->ScreenRect();
    c->Click(x - top->OriginX() - r.x, y - top->OriginY() - r.y, 1);
    dirty_ = true;
}

void Application::MouseMove(int x, int y) {
    Form* top = Top();
    if (top && pressed_ && &pressed_->Owner() == top) {
        Rect r = pressed_->ScreenRect();
        pressed_->MouseDrag(x - top->OriginX() - r.x, y - top->OriginY() - r.y);
        dirty_ = true;
    }
    Component* c = top ? HitTest(*top, x, y) : nullptr;
    if (c != hovered_) {
        hovered_ = c;
        dirty_ = true;
    }
    if (hints_.PointerMoved(x, y, c, Now())) dirty_ = true;
    // The row under the pointer lights up in an open list, but for a pointer that holds its bar.
    if (ComboBox* list = top && !pressed_ ? OpenList(*top) : nullptr) {
        const int row = list->ListRowAt(x - top->OriginX(), y - top->OriginY());
        if (row >= 0 && row != list->listHot) {
            list->listHot = row;
            dirty_ = true;
        }
    }
}

void Application::MouseWheel(int x, int y, int steps) {
    Form* top = Top();
    if (!top) return;
    if (hints_.Dismiss(Now())) dirty_ = true;
    if (Component* c = HitTest(*top, x, y); c && c->Usable()) {
        c->Wheel(steps);
        dirty_ = true;
    }
}

void Application::KeyDown(int key) {
    Form* top = Top();
    if (!top) return;
    if (hints_.Dismiss(Now())) dirty_ = true;
    // An open list takes its keys before the screen: Escape closes the list, not the screen.
    if (ComboBox* list = OpenList(*top); list && list->ListKey(key)) {
        dirty_ = true;
        return;
    }
    top->FormKeyDown(key);
    // A key that closed its screen is spent: it never reaches the screen below.
    if (Top() != top || top->closing_) return;
    // Escape is the close box's key.
    if (key == keys::Escape) {
        if (top->closeBox) top->Close();
        dirty_ = true;
        return;
    }
    if (top->focused && top->focused->Usable()) top->focused->KeyDown(key);
    dirty_ = true;
}

void Application::TextInput(const std::string& utf8) {
    Form* top = Top();
    if (!top || top->closing_) return;
    if (top->focused && top->focused->Usable()) top->focused->TextInput(utf8);
    dirty_ = true;
}

void Application::CloseRequest() {
    if (Form* top = Top()) top->WindowCloseRequest();
    dirty_ = true;
}

std::optional<uint64_t> Application::NextRedrawDue() {
    const uint64_t now = Now();
    std::optional<uint64_t> due = hints_.DueAfter(now);
    Form* top = Top();
    auto* edit = top ? dynamic_cast<Edit*>(top->focused) : nullptr;
    if (!edit || edit->readOnly || !edit->Showing() || !edit->Usable()) return due;
    const uint64_t caret = (now / kCaretBlinkMs + 1) * kCaretBlinkMs;
    return due ? std::min(*due, caret) : caret;
}

}  // namespace ui
