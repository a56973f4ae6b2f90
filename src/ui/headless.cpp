// The scripted player: answers modal screens by class and component name, on a virtual clock.
#include "ui/headless.h"

#include <algorithm>
#include <filesystem>

#include "ui/render.h"

namespace ui {

const std::string& Snapshot::Text(const std::string& component) const {
    static const std::string none;
    auto it = texts.find(component);
    return it == texts.end() ? none : it->second;
}

const std::string& Snapshot::Picture(const std::string& component) const {
    static const std::string none;
    auto it = pictures.find(component);
    return it == pictures.end() ? none : it->second;
}

std::string Snapshot::Describe() const {
    std::string out = form + " shows:";
    for (const auto& [name, text] : texts)
        if (!text.empty()) out += "\n  " + name + ": \"" + text + "\"";
    for (const auto& [name, pic] : pictures) out += "\n  " + name + ": picture " + pic;
    return out;
}

Snapshot TakeSnapshot(const Form& form) {
    Snapshot s;
    s.form = form.ClassName();
    for (const auto& c : form.Components()) {
        if (!c->Showing()) continue;
        if (c->kind() == Kind::Image) {
            const auto& pic = static_cast<const Image&>(*c).picture;
            if (!pic.empty()) s.pictures[c->Name()] = pic;
        } else {
            s.texts[c->Name()] = c->ShownText();
        }
    }
    return s;
}

namespace {

void Require(bool ok, const std::string& what) {
    if (!ok) throw ScriptError(what);
}

Component& Usable(Form& form, const std::string& name) {
    Component* c = form.Find(name);
    Require(c != nullptr, form.ClassName() + " has no component " + name);
    Require(c->Showing(), name + " on " + form.ClassName() + " is not visible");
    Require(c->Usable(), name + " on " + form.ClassName() + " is disabled");
    return *c;
}

struct Point {
    int x, y;
};

Point OnCanvas(const Form& form, const Component& c, int lx, int ly) {
    Rect r = c.ScreenRect();
    return Point{form.OriginX() + r.x + lx, form.OriginY() + r.y + ly};
}

std::string Named(const Component* c) {
    return c ? c->Name() : std::string("nothing");
}

}  // namespace

// A real click: through hit testing, so a component lying on top takes it as it would.
void ClickThrough(Form& form, Component& c, int lx, int ly, int clicks) {
    Require(App().Top() == &form, form.ClassName() + " is not the top screen");
    Require(c.Showing(), c.Name() + " on " + form.ClassName() + " is not visible");
    Require(c.Usable(), c.Name() + " on " + form.ClassName() + " is disabled");
    const auto [x, y] = OnCanvas(form, c, lx, ly);
    Component* hit = App().HitTest(form, x, y);
    Require(hit == &c,
            "a click on " + c.Name() + " of " + form.ClassName() + " lands on " + Named(hit));
    App().MouseDown(x, y, 1);
    App().MouseUp(x, y);
    if (clicks >= 2 && App().Top() == &form) App().MouseDown(x, y, 2);
}

void DragThrough(Form& form, Component& c, int fromX, int fromY, int toX, int toY) {
    Require(App().Top() == &form, form.ClassName() + " is not the top screen");
    const Point from = OnCanvas(form, c, fromX, fromY), to = OnCanvas(form, c, toX, toY);
    Component* hit = App().HitTest(form, from.x, from.y);
    Require(hit == &c,
            "a press on " + c.Name() + " of " + form.ClassName() + " lands on " + Named(hit));
    App().MouseDown(from.x, from.y, 1);
    // In a few steps, as a hand moves.
    for (int i = 1; i <= 4; ++i)
        App().MouseMove(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4);
    App().MouseUp(to.x, to.y);
}

void ClickMiddle(Form& form, Component& c) {
    ClickThrough(form, c, c.width / 2, c.height / 2, 1);
}

void ClickRow(Form& form, Component& c, int row) {
    if (auto* box = dynamic_cast<ListBox*>(&c)) {
        Require(row >= 0 && row < static_cast<int>(box->items.size()),
                c.Name() + " on " + form.ClassName() + " has no row " + std::to_string(row));
        // The player scrolls the row into view first.
        if (row < box->topIndex || row >= box->topIndex + box->VisibleRows())
            box->topIndex = std::max(0, row - box->VisibleRows() + 1);
        int y = 2 + (row - box->topIndex) * box->ItemHeight() + box->ItemHeight() / 2;
        ClickThrough(form, *box, box->width / 2, y, 1);
        return;
    }
    auto* combo = dynamic_cast<ComboBox*>(&c);
    Require(combo != nullptr, c.Name() + " on " + form.ClassName() + " is no list");
    Require(row >= 0 && row < static_cast<int>(combo->items.size()),
            c.Name() + " on " + form.ClassName() + " has no row " + std::to_string(row));
    if (!combo->Dropped()) ClickMiddle(form, *combo);
    Require(combo->Dropped(),
            "the list of " + c.Name() + " on " + form.ClassName() + " did not open");
    // Scrolled into view as the wheel would, then a press on the row's middle.
    const Rect r = combo->ListRowRect(row);
    const int x = form.OriginX() + r.x + r.w / 2, y = form.OriginY() + r.y + r.h / 2;
    Component* hit = App().HitTest(form, x, y);
    Require(hit == combo && combo->ListRowAt(x - form.OriginX(), y - form.OriginY()) == row,
            "a click on row " + std::to_string(row) + " of " + c.Name() + " of " +
                form.ClassName() + " lands on " + Named(hit));
    App().MouseDown(x, y, 1);
    App().MouseUp(x, y);
}

ScriptedPlayer& ScriptedPlayer::Add(std::string form, std::string what,
                                    std::function<void(Form&)> act) {
    steps_.push_back(Step{std::move(form), std::move(what), std::move(act), 0});
    return *this;
}

ScriptedPlayer& ScriptedPlayer::Click(const std::string& form, const std::string& component) {
    return Add(form, "click " + component,
               [component](Form& f) { ClickMiddle(f, Usable(f, component)); });
}

ScriptedPlayer& ScriptedPlayer::ClickFirst(const std::string& form, const std::string& component) {
    Click(form, component);
    std::rotate(steps_.begin(), steps_.end() - 1, steps_.end());
    return *this;
}

ScriptedPlayer& ScriptedPlayer::DoubleClick(const std::string& form, const std::string& component) {
    return Add(form, "double-click " + component, [component](Form& f) {
        Component& c = Usable(f, component);
        ClickThrough(f, c, c.width / 2, c.height / 2, 2);
    });
}

ScriptedPlayer& ScriptedPlayer::ClickAt(const std::string& form, const std::string& component,
                                        int x, int y) {
    return Add(form, "click " + component + " at a point",
               [component, x, y](Form& f) { ClickThrough(f, Usable(f, component), x, y, 1); });
}

ScriptedPlayer& ScriptedPlayer::SelectRow(const std::string& form, const std::string& list,
                                          int row) {
    return Add(form, "select row " + std::to_string(row) + " of " + list,
               [list, row](Form& f) { ClickRow(f, Usable(f, list), row); });
}

ScriptedPlayer& ScriptedPlayer::Type(const std::string& form, const std::string& edit,
                                     const std::string& text) {
    return Add(form, "type into " + edit, [edit, text](Form& f) {
        auto* box = dynamic_cast<Edit*>(&Usable(f, edit));
        Require(box != nullptr, edit + " on " + f.ClassName() + " is no edit box");
        Require(!box->readOnly, edit + " on " + f.ClassName() + " is read-only");
        // Into the box through a click on it, as the player puts the caret there.
        ClickThrough(f, *box, std::min(box->width / 2, Edit::kMargin + 4), box->height / 2, 1);
        Require(f.focused == box, edit + " on " + f.ClassName() + " did not take the caret");
        box->PlayerSetText(text);
    });
}

ScriptedPlayer& ScriptedPlayer::Tick(const std::string& form, const std::string& checkBox,
                                     bool ticked) {
    return Add(form, "tick " + checkBox, [checkBox, ticked](Form& f) {
        auto* box = dynamic_cast<CheckBox*>(&Usable(f, checkBox));
        Require(box != nullptr, checkBox + " on " + f.ClassName() + " is no check box");
        if (box->checked != ticked) ClickThrough(f, *box, 6, box->height / 2, 1);
    });
}

ScriptedPlayer& ScriptedPlayer::Wheel(const std::string& form, const std::string& component,
                                      int steps) {
    return Add(form, "turn the wheel over " + component, [component, steps](Form& f) {
        Component& c = Usable(f, component);
        const Point p = OnCanvas(f, c, c.width / 2, c.height / 2);
        Component* hit = App().HitTest(f, p.x, p.y);
        Require(hit == &c,
                "the wheel over " + c.Name() + " of " + f.ClassName() + " turns " + Named(hit));
        App().MouseWheel(p.x, p.y, steps);
    });
}

ScriptedPlayer& ScriptedPlayer::Drag(const std::string& form, const std::string& component,
                                     int fromX, int fromY, int toX, int toY) {
    return Add(form, "drag on " + component,
               [=](Form& f) { DragThrough(f, Usable(f, component), fromX, fromY, toX, toY); });
}

ScriptedPlayer& ScriptedPlayer::Hover(const std::string& form, const std::string& component) {
    return Add(form, "point at " + component, [component](Form& f) {
        Component* c = f.Find(component);
        Require(c != nullptr && c->Showing(),
                component + " on " + f.ClassName() + " is missing or not visible");
        const Point p = OnCanvas(f, *c, c->width / 2, c->height / 2);
        Component* hit = App().HitTest(f, p.x, p.y);
        Require(hit == c, "the pointer on " + component + " of " + f.ClassName() + " rests on " +
                              (hit ? hit->Name() : std::string("nothing")));
        App().MouseMove(p.x, p.y);
    });
}

ScriptedPlayer& ScriptedPlayer::Key(const std::string& form, int key) {
    return Add(form, "press a key", [key](Form&) { App().KeyDown(key); });
}

ScriptedPlayer& ScriptedPlayer::CloseRequest(const std::string& form) {
    return Add(form, "close the window", [](Form&) { App().CloseRequest(); });
}

ScriptedPlayer& ScriptedPlayer::Do(const std::string& form, std::function<void(Form&)> action) {
    return Add(form, "look", std::move(action));
}

ScriptedPlayer& ScriptedPlayer::Wait(const std::string& form, uint64_t ms) {
    steps_.push_back(Step{form, "wait", nullptr, ms});
    return *this;
}

void ScriptedPlayer::Reset() {
    steps_.clear();
    seen_.clear();
    recordedShow_.clear();
    written_.clear();
    waiting_ = false;
}

const Snapshot* ScriptedPlayer::LastSeen(const std::string& form) const {
    for (auto it = seen_.rbegin(); it != seen_.rend(); ++it)
        if (it->form == form) return &*it;
    return nullptr;
}

int ScriptedPlayer::TimesSeen(const std::string& form) const {
    return static_cast<int>(std::count_if(seen_.begin(), seen_.end(),
                                          [&](const Snapshot& s) { return s.form == form; }));
}

namespace {

struct ScreenRecord {
    std::string dir;
    std::function<bool(const std::string&)> wanted;
};

ScreenRecord& RunScreens() {
    static ScreenRecord record;
    return record;
}

}  // namespace

void DrawScreensInto(std::string dir, std::function<bool(const std::string& form)> wanted) {
    RunScreens() = {std::move(dir), std::move(wanted)};
}

void ScriptedPlayer::Record(Form& form) {
    auto& shown = recordedShow_[&form];
    if (shown == form.ShowCount()) return;
    shown = form.ShowCount();
    seen_.push_back(TakeSnapshot(form));
    const std::string& name = form.ClassName();
    const ScreenRecord& run = RunScreens();
    const std::string& dir = run.dir.empty() ? screenDir_ : run.dir;
    if (!dir.empty() && (!run.wanted || run.wanted(name)) &&
        std::find(written_.begin(), written_.end(), name) == written_.end()) {
        written_.push_back(name);
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        RenderFormToPng(form, dir + "/" + name + ".png");
    }
}

void HeadlessBackend::Pump(Application& app) {
    Form* top = app.Top();
    if (!top) throw ScriptError("no screen is shown");
    auto& p = player_;
    p.Record(*top);
    if (top != lastTop_ || top->ShowCount() != lastShow_) {
        lastTop_ = top;
        lastShow_ = top->ShowCount();
        lastProgress_ = now_;
    }
    auto due = app.NextTimerDue();
    if (p.waiting_) {
        if (now_ >= p.waitUntil_) {
            p.waiting_ = false;
            lastProgress_ = now_;
        } else {
            now_ = due ? std::min(std::max(now_, *due), p.waitUntil_) : p.waitUntil_;
        }
        return;
    }
    if (!p.steps_.empty() && p.steps_.front().form == top->ClassName()) {
        ScriptedPlayer::Step step = std::move(p.steps_.front());
        p.steps_.pop_front();
        lastProgress_ = now_;
        if (!step.act) {
            p.waiting_ = true;
            p.waitUntil_ = now_ + step.waitMs;
            return;
        }
        step.act(*top);
        return;
    }
    // Nothing to do for this screen: let time pass to the next timer, within the watchdog's limit.
    if (due && *due <= lastProgress_ + p.watchdog_) {
        now_ = std::max(now_, *due);
        return;
    }
    std::string next = p.steps_.empty()
                           ? std::string("the script is done")
                           : "next step: " + p.steps_.front().what + " on " + p.steps_.front().form;
    throw ScriptError(top->ClassName() + " waits for input the script does not give (" + next +
                      "); " + TakeSnapshot(*top).Describe());
}

HeadlessBackend& Headless() {
    if (!App().HasBackend()) App().SetBackend(std::make_unique<HeadlessBackend>());
    auto* backend = dynamic_cast<HeadlessBackend*>(&App().backend());
    if (!backend) throw std::logic_error("the screens run on another back end");
    return *backend;
}

ScriptedPlayer& UseHeadless() {
    return Headless().Player();
}

}  // namespace ui
