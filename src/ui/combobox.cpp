// The drop-down list box: its choice, and the list that opens over its screen.
#include <algorithm>
#include <utility>

#include "ui/component.h"
#include "ui/form.h"

namespace ui {

void ComboBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < static_cast<int>(items.size())) ? index : -1;
}

void ComboBox::OpenList() {
    if (items.empty()) return;
    dropped_ = true;
    listHot = itemIndex_;
    listTop = 0;
    ShowRow(std::max(0, itemIndex_));
}

void ComboBox::CloseList() {
    dropped_ = false;
    listHot = -1;
}

int ComboBox::RowHeight() const {
    return font.size * 4 / 3 + 4;
}

int ComboBox::ListRows() const {
    return std::min<int>(kListRows, static_cast<int>(items.size()));
}

Rect ComboBox::DropRect() const {
    const Rect r = ScreenRect();
    const int h = ListRows() * RowHeight() + 4;
    // Below the box while it fits on the screen, else above it.
    const bool below = r.y + r.h + h <= Owner().height || r.y - h < 0;
    return Rect{r.x, below ? r.y + r.h : r.y - h, r.w, h};
}

Rect ComboBox::ListBarRect() const {
    const Rect d = DropRect();
    if (static_cast<int>(items.size()) <= ListRows()) return Rect{d.x + d.w, d.y, 0, d.h};
    return Rect{d.x + d.w - ScrollBox::kBarWidth, d.y, ScrollBox::kBarWidth, d.h};
}

ScrollTrack ComboBox::ListTrack() const {
    return ScrollTrack::OfRows(static_cast<int>(items.size()), ListRows(), listTop, ListBarRect());
}

bool ComboBox::OnListBar(int x, int y) const {
    const Rect r = ScreenRect();
    return dropped_ && ListBarRect().Contains(r.x + x, r.y + y);
}

int ComboBox::ListRowAt(int x, int y) const {
    const Rect d = DropRect();
    if (!dropped_ || !d.Contains(x, y) || y < d.y + 2 || ListBarRect().Contains(x, y)) return -1;
    const int row = listTop + (y - d.y - 2) / RowHeight();
    return row < listTop + ListRows() && row < static_cast<int>(items.size()) ? row : -1;
}

void ComboBox::ShowRow(int row) {
    const int maxTop = std::max(0, static_cast<int>(items.size()) - ListRows());
    if (row < listTop) listTop = row;
    if (row >= listTop + ListRows()) listTop = row - ListRows() + 1;
    listTop = std::clamp(listTop, 0, maxTop);
}

Rect ComboBox::ListRowRect(int row) {
    ShowRow(row);
    const Rect d = DropRect();
    return Rect{d.x + 2, d.y + 2 + (row - listTop) * RowHeight(), ListBarRect().x - d.x - 4,
                RowHeight()};
}

bool ComboBox::ListKey(int key) {
    if (!dropped_) return false;
    const int last = static_cast<int>(items.size()) - 1;
    switch (key) {
        case keys::Up:
        case keys::Down:
        case keys::Home:
        case keys::End: {
            int row = listHot < 0 ? itemIndex_ : listHot;
            if (key == keys::Up) row = std::max(0, row - 1);
            if (key == keys::Down) row = std::min(last, row + 1);
            if (key == keys::Home) row = 0;
            if (key == keys::End) row = last;
            listHot = std::clamp(row, 0, last);
            ShowRow(listHot);
            return true;
        }
        case keys::Enter:
            if (listHot >= 0) {
                PlayerSelect(listHot);
            } else {
                CloseList();
            }
            return true;
        case keys::Escape:
            CloseList();
            return true;
        default:
            return false;
    }
}

void ComboBox::MouseDown(int x, int y) {
    barPress_ = OnListBar(x, y);
    if (!barPress_) {
        Component::MouseDown(x, y);
        return;
    }
    const int along = ScreenRect().y + y - ListBarRect().y;
    listTop = ListTrack().Press(along, listGrip_);
}

void ComboBox::MouseDrag(int, int y) {
    if (listGrip_ < 0 || !dropped_) return;
    listTop = ListTrack().Drag(ScreenRect().y + y - ListBarRect().y, listGrip_);
}

void ComboBox::Click(int x, int y, int clicks) {
    // The open list's bar only scrolls it: the list stays open.
    if (std::exchange(barPress_, false) || OnListBar(x, y)) return;
    if (dropped_) {
        CloseList();
    } else {
        OpenList();
    }
    Component::Click(x, y, clicks);
}

void ComboBox::Wheel(int steps) {
    if (!dropped_) return;
    const int maxTop = std::max(0, static_cast<int>(items.size()) - ListRows());
    listTop = std::clamp(listTop - steps * 3, 0, maxTop);
}

void ComboBox::PlayerSelect(int index) {
    CloseList();
    SetItemIndex(index);
    if (OnChange) OnChange();
}

std::string ComboBox::ShownText() const {
    return itemIndex_ >= 0 ? items[static_cast<size_t>(itemIndex_)] : std::string();
}

}  // namespace ui
