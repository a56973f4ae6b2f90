// What every step of the tutorial walk checks on its screen.
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "ui/form.h"

namespace corvanth::test {

// How much of the pictures and rows a box covers: how many of their pixels, then how many of them
// it touches. Of two places that hide as much, one picture cut deep hides less than two cut at
// their inner corners.
struct Cover {
    int items = std::numeric_limits<int>::max();
    long pixels = std::numeric_limits<long>::max();
    bool operator<(const Cover& o) const {
        return pixels != o.pixels ? pixels < o.pixels : items < o.items;
    }
};
// The pixels two rectangles share.
long Covered(const ui::Rect& a, const ui::Rect& b);
Cover CoverOf(const ui::Rect& box, const std::vector<ui::Rect>& soft);
// Where on a screen a box of w x h can stand: clear of every `hard` rectangle, and covering as
// little of the `soft` ones as it can. The least lies where the box's edges meet theirs.
struct Room {
    Cover least;  // of `soft`, there
    ui::Rect at;
};
Room RoomFor(const ui::Form& f, int w, int h, const std::vector<ui::Rect>& hard,
             const std::vector<ui::Rect>& soft);

// The twelve screens that carry the tutorial.
extern const char* const kScreens[12];

std::vector<std::string> FileLines(const std::string& name);
bool Overlap(const ui::Rect& a, const ui::Rect& b);
struct Pixel {
    int x = 0, y = 0;
};
// The pixels of the screen the hand's glove is drawn on, shown or not at the moment.
std::vector<Pixel> GlovePixels(const ui::Component& hand);
// The glove's pixels that reach farthest the way its picture points.
std::vector<Pixel> Fingertip(const ui::Component& hand, const std::vector<Pixel>& glove);
// Where on its screen the glove of the hand's picture lies, cut by no edge: its drawn pixels'
// bounding box.
ui::Rect GloveBox(const ui::Component& hand);
// Every pixel of the fingertip inside the rectangle.
bool TipInside(const std::vector<Pixel>& tip, const ui::Rect& r);
// Some of the glove on the rectangle.
bool OnIt(const std::vector<Pixel>& glove, const ui::Rect& r);
bool TimerOn(const char* cls);
// Nothing of the tutorial left on any of the twelve screens.
void ExpectNoTutorialShowing();
// A step's panel where the table puts it, inside its screen; its labels whole; the hand's
// fingertip on what the step asks for, with the table's picture. Neither covers a caption of the
// screen, what the step's text names, a picture or a filled list row (the panel: except on a
// screen with no place free of them, where it covers the least), nor (the panel) the components
// `explained`. No other screen keeps a panel or hand.
// `withHand` false: the hand has moved on from what the step points at (the player has made the
// step's first choice), the panel is still checked.
void ExpectStepPlaced(int step, const std::vector<std::string>& explained = {},
                      bool withHand = true);
// The hand of the step's screen moved on to `target` after the step's first choice: whole on its
// screen, the fingertip inside the target, the glove on no other control, caption, picture or
// row.
void ExpectHandOn(int step, const ui::Component& target);
// The step's screen drawn to build/screens/tutorial/ (with the stack below it when there is one);
// with `withHand`, the hand drawn as a hand: see-through corners, a glove on part of its square.
void ExpectDrawn(ui::Form& f, int step, bool withHand);

}  // namespace corvanth::test
