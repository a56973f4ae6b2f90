// Hints: when the pointer has rested long enough, and where the box goes beside it.
#include "ui/hint.h"

#include <algorithm>

#include "ui/fonts.h"
#include "ui/form.h"

namespace ui {

namespace {

// The box starts below the pointer's arrow, so the arrow never hides its first letters.
constexpr int kBelowPointer = 20;

// The text's size in pixels; without a font the box still takes a fair size.
void Measure(const std::string& text, int& w, int& h) {
    const Font font = HintFont();
    if (TTF_Font* f = OpenFont(font); f && TTF_SizeUTF8(f, text.c_str(), &w, &h) == 0) return;
    w = static_cast<int>(text.size()) * font.size * 2 / 3;
    h = font.size * 4 / 3 + 2;
}

}  // namespace

Font HintFont() {
    Font f;
    f.size = 9;
    f.color = colors::White;
    return f;
}

bool Hints::PointerMoved(int x, int y, Component* under, uint64_t now) {
    if (under == under_ && x == x_ && y == y_) return false;
    const bool was = Shown(now).has_value();
    under_ = under;
    x_ = x;
    y_ = y;
    restSince_ = now;
    return was;
}

bool Hints::Dismiss(uint64_t now) {
    const bool was = Shown(now).has_value();
    under_ = nullptr;
    return was;
}

std::optional<uint64_t> Hints::DueAfter(uint64_t now) const {
    if (!under_ || HintOf(under_).empty()) return std::nullopt;
    const uint64_t due = restSince_ + kRestMs;
    if (due <= now) return std::nullopt;
    return due;
}

std::optional<ShownHint> Hints::Shown(uint64_t now) const {
    if (!under_ || now < restSince_ + kRestMs || !under_->Showing()) return std::nullopt;
    ShownHint hint{HintOf(under_), {}};
    if (hint.text.empty()) return std::nullopt;
    int w = 0, h = 0;
    Measure(hint.text, w, h);
    Rect& box = hint.box;
    box.w = w + 2 * kHintPadX;
    box.h = h + 2 * kHintPadY;
    // Beside the pointer, kept on the canvas: above the pointer near the bottom edge.
    box.x = std::clamp(x_, 0, std::max(0, kCanvasWidth - box.w));
    box.y = y_ + kBelowPointer;
    if (box.y + box.h > kCanvasHeight) box.y = std::max(0, y_ - box.h - 2);
    return hint;
}

std::string Hints::HintOf(const Component* c) {
    for (; c; c = c->Parent())
        if (!c->hint.empty()) return c->hint;
    return {};
}

}  // namespace ui
