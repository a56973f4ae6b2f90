// Behaviour of the components under the player's mouse and keys.
#include "ui/component.h"

#include <algorithm>
#include <charconv>

#include "ui/application.h"
#include "ui/audio.h"
#include "ui/files.h"
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

int ListBox::ItemHeight() const {
    return std::max(12, font.size * 4 / 3 + 4);
}

int ListBox::VisibleRows() const {
    return std::max(1, (height - 4) / ItemHeight());
}

void ListBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < static_cast<int>(items.size())) ? index : -1;
    if (itemIndex_ >= 0) {
        if (itemIndex_ < topIndex) topIndex = itemIndex_;
        if (itemIndex_ >= topIndex + VisibleRows()) topIndex = itemIndex_ - VisibleRows() + 1;
    }
}

void ListBox::Click(int x, int y, int clicks) {
    int row = topIndex + (y - 2) / ItemHeight();
    itemIndex_ = (y >= 2 && row < static_cast<int>(items.size())) ? row : -1;
    Component::Click(x, y, clicks);
}

void ListBox::Wheel(int steps) {
    int maxTop = std::max(0, static_cast<int>(items.size()) - VisibleRows());
    topIndex = std::clamp(topIndex - steps * 3, 0, maxTop);
}

std::string ListBox::ShownText() const {
    std::string out;
    for (const auto& item : items) out += item + "\n";
    return out;
}

void Memo::LoadFromFile(const std::string& name) {
    lines = ReadTextLines(name);
    topLine = 0;
}

std::string Memo::Text() const {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? "\n" : "") + lines[i];
    return out;
}

void Memo::SetText(const std::string& text) {
    lines.clear();
    size_t start = 0;
    while (true) {
        size_t nl = text.find('\n', start);
        std::string line = text.substr(start, nl == std::string::npos ? nl : nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    topLine = 0;
}

const std::vector<std::string>& Memo::WrappedLines() const {
    TTF_Font* f = OpenFont(font);
    const int w = width - 8 - BarWidth();
    Wrapped& c = wrapped_;
    if (c.valid && c.font == f && c.width == w && c.wordWrap == wordWrap && c.source == lines)
        return c.lines;
    c = Wrapped{true, lines, w, f, wordWrap, {}};
    if (!f || !wordWrap) {
        c.lines = lines;
        return c.lines;
    }
    for (const auto& line : lines)
        for (auto& part : WrapText(f, line, w)) c.lines.push_back(std::move(part));
    return c.lines;
}

int Memo::LineHeight() const {
    TTF_Font* f = OpenFont(font);
    return f ? std::max(1, TTF_FontLineSkip(f)) : std::max(1, font.size * 4 / 3 + 2);
}

int Memo::VisibleRows() const {
    return std::max(1, (height - 4) / LineHeight());
}

int Memo::MaxTopLine() const {
    return std::max(0, static_cast<int>(WrappedLines().size()) - VisibleRows());
}

void Memo::ScrollTo(int line) {
    topLine = std::clamp(line, 0, MaxTopLine());
}

Rect Memo::ThumbRect() const {
    const int total = static_cast<int>(WrappedLines().size()), rows = VisibleRows();
    if (!BarWidth() || total <= rows) return Rect{width - kBarWidth, 0, 0, 0};
    const int track = height - 2;
    const int thumb = std::max(kBarWidth, track * rows / total);
    const int maxTop = total - rows;
    const int at = (track - thumb) * std::clamp(topLine, 0, maxTop) / maxTop;
    return Rect{width - kBarWidth + 1, 1 + at, kBarWidth - 2, thumb};
}

void Memo::Wheel(int steps) {
    ScrollTo(topLine - steps * 3);
}

void Memo::MouseDown(int x, int y) {
    if (!BarWidth() || x < width - kBarWidth) {
        Component::MouseDown(x, y);
        return;
    }
    Rect thumb = ThumbRect();
    if (thumb.h == 0) return;
    if (y >= thumb.y && y < thumb.y + thumb.h) {
        dragFrom_ = y - thumb.y;
    } else {
        // A click on the track pages toward it.
        ScrollTo(topLine + (y < thumb.y ? -1 : 1) * std::max(1, VisibleRows() - 1));
    }
}

void Memo::MouseDrag(int, int y) {
    if (dragFrom_ < 0) return;
    Rect thumb = ThumbRect();
    const int room = height - 2 - thumb.h, maxTop = MaxTopLine();
    if (room <= 0 || maxTop == 0) return;
    const int at = std::clamp(y - dragFrom_ - 1, 0, room);
    ScrollTo((at * maxTop + room / 2) / room);
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

int ScrollBar::ArrowLength() const {
    return std::min(Thickness(), Length() / 4);
}

Rect ScrollBar::ThumbRectAt(int position) const {
    const int arrow = ArrowLength(), track = std::max(0, Length() - 2 * arrow);
    const int64_t span = static_cast<int64_t>(Max()) - Min(), page = std::max(1, largeChange);
    // As long against the track as a page is against the whole range, never shorter than the
    // bar is thick.
    const int least = std::min(track, Thickness());
    const int thumb =
        std::clamp(static_cast<int>(track * page / (span + page)), least, std::max(least, track));
    const int64_t at = static_cast<int64_t>(std::clamp(position, Min(), Max())) - Min();
    const int start = arrow + (span > 0 ? static_cast<int>((track - thumb) * at / span) : 0);
    return vertical ? Rect{0, start, width, thumb} : Rect{start, 0, thumb, height};
}

void ScrollBar::MouseDown(int x, int y) {
    const int along = vertical ? y : x, arrow = ArrowLength();
    if (along < arrow) {
        Step(-static_cast<int64_t>(smallChange));
        return;
    }
    if (along >= Length() - arrow) {
        Step(smallChange);
        return;
    }
    const Rect thumb = ThumbRect();
    const int from = vertical ? thumb.y : thumb.x, size = vertical ? thumb.h : thumb.w;
    if (along >= from && along < from + size) {
        dragFrom_ = along - from;
        return;
    }
    Step(along < from ? -static_cast<int64_t>(largeChange) : largeChange);
}

void ScrollBar::MouseDrag(int x, int y) {
    if (dragFrom_ < 0) return;
    const Rect thumb = ThumbRect();
    const int arrow = ArrowLength();
    const int room = Length() - 2 * arrow - (vertical ? thumb.h : thumb.w);
    const int64_t span = static_cast<int64_t>(Max()) - Min();
    if (room <= 0 || span == 0) return;
    const int64_t at = std::clamp((vertical ? y : x) - dragFrom_ - arrow, 0, room);
    PlayerSetPosition(static_cast<int>(Min() + (at * span + room / 2) / room));
}

void ScrollBar::Step(int64_t by) {
    PlayerSetPosition(static_cast<int>(std::clamp<int64_t>(Position() + by, Min(), Max())));
}

void ScrollBar::Wheel(int steps) {
    Step(-static_cast<int64_t>(steps) * smallChange);
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
