// The hand as the player sees it: the pixels its glove is drawn on and the tip of its finger.
#include <algorithm>
#include <limits>
#include <string>

#include "tutorial_checks.h"
#include "ui/render.h"

namespace corvanth::test {

std::vector<Pixel> GlovePixels(const ui::Component& hand) {
    const ui::Form& f = hand.Owner();
    auto& shown = const_cast<ui::Component&>(hand);
    const bool was = shown.visible;
    ui::SoftwareCanvas with(f.width, f.height), without(f.width, f.height);
    shown.visible = true;
    with.DrawForm(f);
    shown.visible = false;
    without.DrawForm(f);
    shown.visible = was;
    std::vector<Pixel> glove;
    const ui::Rect h = hand.ScreenRect();
    for (int y = std::max(0, h.y); y < std::min(f.height, h.y + h.h); ++y)
        for (int x = std::max(0, h.x); x < std::min(f.width, h.x + h.w); ++x)
            if (with.PixelAt(x, y) != without.PixelAt(x, y)) glove.push_back({x, y});
    return glove;
}

std::vector<Pixel> Fingertip(const ui::Component& hand, const std::vector<Pixel>& glove) {
    const auto* picture = dynamic_cast<const ui::Image*>(hand.Owner().Find("TutorialHandPicture"));
    const std::string side = picture ? picture->picture : "";
    // How far a pixel reaches the way the finger points: right, left or up.
    auto reach = [&side](const Pixel& p) {
        return side == "Tutoriall.jpg" ? -p.x : side == "Tutorialu.jpg" ? -p.y : p.x;
    };
    int most = std::numeric_limits<int>::min();
    for (const Pixel& p : glove) most = std::max(most, reach(p));
    std::vector<Pixel> tip;
    for (const Pixel& p : glove)
        if (reach(p) == most) tip.push_back(p);
    return tip;
}

bool TipTouches(const std::vector<Pixel>& tip, const ui::Rect& r) {
    const ui::Rect near{r.x - 1, r.y - 1, r.w + 2, r.h + 2};
    return !tip.empty() && std::all_of(tip.begin(), tip.end(),
                                       [&](const Pixel& p) { return near.Contains(p.x, p.y); });
}

bool OnIt(const std::vector<Pixel>& glove, const ui::Rect& r) {
    return std::any_of(glove.begin(), glove.end(),
                       [&r](const Pixel& g) { return r.Contains(g.x, g.y); });
}

// The hand's fingertip on the component or beside it, touching it.
bool Touches(const ui::Component& hand, const ui::Component& c) {
    return TipTouches(Fingertip(hand, GlovePixels(hand)), c.ScreenRect());
}

}  // namespace corvanth::test
