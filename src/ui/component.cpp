// Behaviour of the components under the player's mouse and keys.
#include "ui/component.h"

#include <algorithm>
#include <charconv>

#include "ui/application.h"
#include "ui/audio.h"
#include "ui/fonts.h"
#include "ui/form.h"

namespace ui {

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "Label";
        case Kind::Image:
            return "Image";
        case Kind::SpeedButton:
            return "SpeedButton";
        case Kind::Button:
            return "Button";
        case Kind::Panel:
            return "Panel";
        case Kind::Shape:
            return "Shape";
        case Kind::GroupBox:
            return "GroupBox";
        case Kind::CheckBox:
            return "CheckBox";
        case Kind::RadioButton:
            return "RadioButton";
        case Kind::Edit:
            return "Edit";
        case Kind::SpinEdit:
            return "SpinEdit";
        case Kind::ListBox:
            return "ListBox";
        case Kind::ComboBox:
            return "ComboBox";
        case Kind::Memo:
            return "Memo";
        case Kind::ProgressBar:
            return "ProgressBar";
        case Kind::ScrollBar:
            return "ScrollBar";
        case Kind::UpDown:
            return "UpDown";
        case Kind::Timer:
            return "Timer";
        case Kind::MediaPlayer:
            return "MediaPlayer";
    }
    return "?";
}

Component::Component(Kind kind, Form& owner, std::string name)
    : kind_(kind), owner_(owner), name_(std::move(name)) {}

Rect Component::ScreenRect() const {
    Rect r{left, top, width, height};
    for (Component* p = parent_; p; p = p->parent_) {
        r.x += p->left;
        r.y += p->top;
    }
    return r;
}

bool Component::Showing() const {
    for (const Component* c = this; c; c = c->parent_)
        if (!c->visible) return false;
    return true;
}

bool Component::Usable() const {
    for (const Component* c = this; c; c = c->parent_)
        if (!c->enabled) return false;
    return Showing();
}

void Component::Click(int, int, int clicks) {
    if (clicks >= 2 && OnDblClick) {
        OnDblClick();
    } else if (OnClick) {
        OnClick();
    }
}

void Component::MouseDown(int x, int y) {
    if (OnMouseDown) OnMouseDown(x, y);
}

bool Component::Decorative() const {
    const bool handled = OnClick || OnDblClick || OnMouseDown;
    switch (kind_) {
        case Kind::Shape:
        case Kind::GroupBox:
        case Kind::Image:
        case Kind::Label:
        case Kind::Panel:
            return !handled;
        default:
            return false;
    }
}

bool Component::Contains(const Component& child) const {
    return child.left >= 0 && child.top >= 0 && child.left + child.width <= width &&
           child.top + child.height <= height;
}

std::string SpeedButton::DisplayCaption() const {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

void CheckBox::Click(int x, int y, int clicks) {
    checked = !checked;
    Component::Click(x, y, clicks == 2 ? 1 : clicks);
}

void RadioButton::SetChecked(bool value) {
    checked_ = value;
    if (!value) return;
    const auto& siblings = Parent() ? Parent()->Children() : Owner().Roots();
    for (Component* c : siblings)
        if (c != this && c->kind() == Kind::RadioButton)
            static_cast<RadioButton*>(c)->checked_ = false;
}

void RadioButton::Click(int x, int y, int clicks) {
    SetChecked(true);
    Component::Click(x, y, clicks == 2 ? 1 : clicks);
}

namespace {

size_t Utf8Length(const std::string& s) {
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xc0) != 0x80; }));
}

// The first n characters of a UTF-8 text.
std::string Utf8Prefix(const std::string& s, size_t n) {
    size_t chars = 0, i = 0;
    for (; i < s.size(); ++i) {
        if ((s[i] & 0xc0) != 0x80) {
            if (chars == n) break;
            ++chars;
        }
    }
    return s.substr(0, i);
}

}  // namespace

void Edit::SetText(const std::string& text) {
    text_ = text;
}

void Edit::PlayerSetText(const std::string& text) {
    std::string t = maxLength > 0 ? Utf8Prefix(text, static_cast<size_t>(maxLength)) : text;
    if (t == text_) return;
    text_ = t;
    if (OnChange) OnChange();
}

void Edit::Click(int x, int y, int clicks) {
    if (TakesFocus()) Owner().focused = this;
    Component::Click(x, y, clicks);
}

void Edit::KeyDown(int key) {
    if (readOnly) return;
    if (key == keys::Backspace && !text_.empty()) {
        std::string t = text_;
        do {
            t.pop_back();
        } while (!t.empty() && (t.back() & 0xc0) == 0x80);
        PlayerSetText(t);
    }
}

void Edit::TextInput(const std::string& utf8) {
    if (readOnly) return;
    if (maxLength > 0 && Utf8Length(text_) >= static_cast<size_t>(maxLength)) return;
    PlayerSetText(text_ + utf8);
}

int Edit::TextAreaWidth() const {
    return std::max(0, width - 2 * kMargin - (kind() == Kind::SpinEdit ? 16 : 0));
}

int Edit::ScrollOffset() const {
    TTF_Font* f = OpenFont(font);
    int w = 0, h = 0;
    if (!f || text_.empty() || TTF_SizeUTF8(f, text_.c_str(), &w, &h) != 0) return 0;
    // Room for the caret after the last character.
    return std::max(0, w + 2 - TextAreaWidth());
}

int Edit::CaretX() const {
    TTF_Font* f = OpenFont(font);
    int w = 0, h = 0;
    if (f && !text_.empty()) TTF_SizeUTF8(f, text_.c_str(), &w, &h);
    return kMargin + w - ScrollOffset();
}

int SpinEdit::Value(int fallback) const {
    int v = 0;
    const char* b = text_.data();
    const char* e = b + text_.size();
    auto [p, ec] = std::from_chars(b, e, v);
    return (ec == std::errc() && p == e && b != e) ? v : fallback;
}

void SpinEdit::SetValue(int value) {
    if (minValue != 0 || maxValue != 0) value = std::clamp(value, minValue, maxValue);
    SetText(std::to_string(value));
}

void SpinEdit::Click(int x, int y, int clicks) {
    const int arrows = 16;
    if (x >= width - arrows) {
        int v = Value() + (y < height / 2 ? increment : -increment);
        if (minValue != 0 || maxValue != 0) v = std::clamp(v, minValue, maxValue);
        Owner().focused = this;
        PlayerSetText(std::to_string(v));
        return;
    }
    Edit::Click(x, y, clicks);
}

void SpinEdit::KeyDown(int key) {
    if (key == keys::Up || key == keys::Down) {
        Click(width - 1, key == keys::Up ? 0 : height - 1, 1);
        return;
    }
    Edit::KeyDown(key);
}

void RangeBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
}

void RangeBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void ScrollBar::PlayerSetPosition(int position) {
    const int before = Position();
    SetPosition(position);
    if (Position() != before && OnChange) OnChange();
}

void UpDown::Click(int, int y, int) {
    bool up = y < height / 2;
    if (OnChanging) OnChanging(up);
    position = std::clamp(position + (up ? 1 : -1), minValue, maxValue);
    if (OnClick) OnClick();
}

Timer::Timer(Form& f, std::string n) : Component(Kind::Timer, f, std::move(n)) {
    visible = false;
    App().RegisterTimer(this);
}

Timer::~Timer() {
    App().UnregisterTimer(this);
}

void Timer::SetEnabled(bool on) {
    enabled_ = on;
    if (on) due_ = App().Now() + static_cast<uint64_t>(std::max(1, interval_));
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    if (enabled_) due_ = App().Now() + static_cast<uint64_t>(std::max(1, interval_));
}

MediaPlayer::MediaPlayer(Form& f, std::string n) : Component(Kind::MediaPlayer, f, std::move(n)) {
    visible = false;
}

MediaPlayer::~MediaPlayer() {
    Close();
}

void MediaPlayer::Open() {
    Close();
    handle_ = audio::Load(fileName);
    open_ = true;
}

void MediaPlayer::Play() {
    if (open_) audio::Play(handle_, fileName);
}

void MediaPlayer::Stop() {
    if (open_) audio::Stop(handle_);
}

void MediaPlayer::Rewind() {
    if (open_) audio::Rewind(handle_);
}

void MediaPlayer::Close() {
    if (!open_) return;
    audio::Unload(handle_);
    handle_ = -1;
    open_ = false;
}

}  // namespace ui
