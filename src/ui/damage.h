// What changed on the canvas since the last frame, so a frame redraws only there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/hasher.h"

namespace ui {

class Form;

// The parts of the canvas a frame must draw again.
struct Areas {
    bool whole = false;       // every pixel: a screen opened, closed or changed as a whole
    std::vector<Rect> rects;  // else these, in canvas coordinates; none when nothing changed
    bool Empty() const { return !whole && rects.empty(); }
};

// Keeps the look of every component of the shown screens from one frame to the next. A radar
// line that moves costs its old and new places, not the whole stack of screens.
class Damage {
  public:
    // What changed since the last call (everything on the first one); the shown screens as they
    // are now become the ground for the next.
    Areas Take();
    // The next frame draws everything: what lay on the canvas is gone.
    void Forget() { layers_.clear(); }

    // Past this many separate places one box around them all is cheaper to draw.
    static constexpr size_t kMostRects = 12;

  private:
    struct Piece {
        uint64_t look = 0;
        Rect rect;
        bool showing = false;
    };
    struct Layer {
        const Form* form = nullptr;
        int show = 0;
        uint64_t look = 0;
        std::vector<Piece> pieces;
    };
    std::vector<Layer> layers_;
    std::optional<Rect> hint_;
    std::string hintText_;
};

// The look of one component as the painter draws it: two looks are equal when it would draw
// the same pixels.
uint64_t LookOf(const Component& c);

}  // namespace ui
