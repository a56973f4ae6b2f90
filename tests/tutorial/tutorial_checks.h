// What every step of the tutorial walk checks on its screen.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

namespace corvanth::test {

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
