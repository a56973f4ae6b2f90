// The scroll bar's workings, and the lists and memos that scroll by the same bar.
#include <algorithm>
#include <utility>

#include "ui/component.h"
#include "ui/files.h"
#include "ui/fonts.h"

namespace ui {

int ScrollTrack::ArrowLength() const {
    return std::min(thickness, length / 4);
}

Rect ScrollTrack::ThumbRectAt(int at) const {
    const int arrow = ArrowLength(), track = std::max(0, length - 2 * arrow);
    const int64_t span = static_cast<int64_t>(max) - min, shown = std::max(1, page);
    const int least = std::min(track, thickness);
    const int thumb =
        std::clamp(static_cast<int>(track * shown / (span + shown)), least, std::max(least, track));
    const int64_t from = static_cast<int64_t>(std::clamp(at, min, std::max(min, max))) - min;
    const int start = arrow + (span > 0 ? static_cast<int>((track - thumb) * from / span) : 0);
    return vertical ? Rect{0, start, thickness, thumb} : Rect{start, 0, thumb, thickness};
}

int ScrollTrack::Press(int along, int& grip) const {
    grip = -1;
    const int arrow = ArrowLength();
    int64_t by = 0;
    if (along < arrow) {
        by = -static_cast<int64_t>(smallChange);
    } else if (along >= length - arrow) {
        by = smallChange;
    } else {
        const Rect thumb = ThumbRect();
        const int from = vertical ? thumb.y : thumb.x, size = vertical ? thumb.h : thumb.w;
        if (along >= from && along < from + size) {
            grip = along - from;
            return position;
        }
        by = along < from ? -static_cast<int64_t>(largeChange) : largeChange;
    }
    return static_cast<int>(std::clamp<int64_t>(position + by, min, std::max(min, max)));
}

int ScrollTrack::Drag(int along, int grip) const {
    const Rect thumb = ThumbRect();
    const int room = length - 2 * ArrowLength() - (vertical ? thumb.h : thumb.w);
    const int64_t span = static_cast<int64_t>(max) - min;
    if (grip < 0 || room <= 0 || span <= 0) return position;
    const int64_t at = std::clamp(along - grip - ArrowLength(), 0, room);
    return static_cast<int>(min + (at * span + room / 2) / room);
}

Rect ScrollBox::BarRect() const {
    return BarShown() ? Rect{width - kBarWidth, 0, kBarWidth, height} : Rect{width, 0, 0, height};
}

ScrollTrack ScrollTrack::OfRows(int total, int shown, int first, const Rect& bar) {
    ScrollTrack t;
    t.max = std::max(0, total - shown);
    t.position = std::clamp(first, 0, t.max);
    t.largeChange = std::max(1, shown - 1);
    t.page = shown;
    t.length = bar.h;
    t.thickness = bar.w;
    return t;
}

ScrollTrack ScrollBox::Track() const {
    const Rows rows = RowsInSight();
    return ScrollTrack::OfRows(rows.total, rows.shown, rows.first, BarRect());
}

void ScrollBox::MouseDown(int x, int y) {
    barPress_ = OnBar(x);
    if (!barPress_) {
        Component::MouseDown(x, y);
        return;
    }
    ScrollTo(Track().Press(y, grip_));
}

void ScrollBox::MouseDrag(int, int y) {
    if (grip_ >= 0) ScrollTo(Track().Drag(y, grip_));
}

void ScrollBox::Click(int x, int y, int clicks) {
    if (std::exchange(barPress_, false) || OnBar(x)) return;
    ClickInside(x, y, clicks);
}

int ListBox::ItemHeight() const {
    return std::max(12, font.size * 4 / 3 + 4);
}

int ListBox::VisibleRows() const {
    return std::max(1, (height - 4) / ItemHeight());
}

ScrollBox::Rows ListBox::RowsInSight() const {
    return Rows{static_cast<int>(items.size()), VisibleRows(), topIndex};
}

void ListBox::ScrollTo(int first) {
    topIndex = std::clamp(first, 0, std::max(0, static_cast<int>(items.size()) - VisibleRows()));
}

void ListBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < static_cast<int>(items.size())) ? index : -1;
    if (itemIndex_ >= 0) {
        if (itemIndex_ < topIndex) topIndex = itemIndex_;
        if (itemIndex_ >= topIndex + VisibleRows()) topIndex = itemIndex_ - VisibleRows() + 1;
    }
}

void ListBox::ClickInside(int x, int y, int clicks) {
    int row = topIndex + (y - 2) / ItemHeight();
    itemIndex_ = (y >= 2 && row < static_cast<int>(items.size())) ? row : -1;
    Component::Click(x, y, clicks);
}

void ListBox::Wheel(int steps) {
    ScrollTo(topIndex - steps * 3);
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
        for (auto& part : WrapText(f, line, w, true)) c.lines.push_back(std::move(part));
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

ScrollBox::Rows Memo::RowsInSight() const {
    return Rows{static_cast<int>(WrappedLines().size()), VisibleRows(), topLine};
}

void Memo::ScrollTo(int line) {
    topLine = std::clamp(line, 0, MaxTopLine());
}

Rect Memo::ThumbRect() const {
    const ScrollTrack t = Track();
    if (!BarShown() || !t.Moves()) return Rect{width - kBarWidth, 0, 0, 0};
    const Rect thumb = t.ThumbRect();
    return Rect{width - kBarWidth + thumb.x, thumb.y, thumb.w, thumb.h};
}

void Memo::Wheel(int steps) {
    ScrollTo(topLine - steps * 3);
}

ScrollTrack ScrollBar::Track() const {
    ScrollTrack t;
    t.min = Min();
    t.max = Max();
    t.position = Position();
    t.smallChange = smallChange;
    t.largeChange = largeChange;
    t.page = largeChange;
    t.vertical = vertical;
    t.length = vertical ? height : width;
    t.thickness = vertical ? width : height;
    return t;
}

void ScrollBar::MouseDown(int x, int y) {
    PlayerSetPosition(Track().Press(vertical ? y : x, dragFrom_));
}

void ScrollBar::MouseDrag(int x, int y) {
    if (dragFrom_ >= 0) PlayerSetPosition(Track().Drag(vertical ? y : x, dragFrom_));
}

void ScrollBar::Wheel(int steps) {
    PlayerSetPosition(static_cast<int>(
        std::clamp<int64_t>(Position() - static_cast<int64_t>(steps) * smallChange, Min(), Max())));
}

}  // namespace ui
