// Hints: the short text a component carries in its layout, shown beside the pointer once the
// pointer has rested on that component for half a second.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/component.h"

namespace ui {

// A hint as it shows: its text in a box on the 1024 x 768 canvas.
struct ShownHint {
    std::string text;
    Rect box;
};

// The letters of every hint, and how far its text stands from the box's edge.
Font HintFont();
inline constexpr int kHintPadX = 6, kHintPadY = 3;

// Follows the pointer over the top screen. A hint lies over the screen only in the picture:
// clicks go to what is below it, as if it were not there.
class Hints {
  public:
    static constexpr uint64_t kRestMs = 500;

    // The pointer moved to (x, y) on the canvas, over `under` (what a click there would reach,
    // nullptr for nothing). True when a hint was showing: the screen must be drawn without it.
    bool PointerMoved(int x, int y, Component* under, uint64_t now);
    // A click, a key, the wheel or another screen on top: the hint goes, and comes again only
    // once the pointer has moved and rested anew. True when a hint was showing.
    bool Dismiss(uint64_t now);
    // When the hint under the resting pointer appears, while that moment is still to come.
    std::optional<uint64_t> DueAfter(uint64_t now) const;
    // The hint showing at `now`, if any.
    std::optional<ShownHint> Shown(uint64_t now) const;

    // The hint of a component: its own, or else its nearest parent's; "" for none.
    static std::string HintOf(const Component* c);

  private:
    Component* under_ = nullptr;
    int x_ = 0, y_ = 0;
    uint64_t restSince_ = 0;
};

}  // namespace ui
