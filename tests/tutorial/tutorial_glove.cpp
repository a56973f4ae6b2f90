// The hand as the player sees it: the pixels its glove is drawn on and the tip of its finger.
#include <algorithm>
#include <limits>
#include <string>

#include "tutorial_checks.h"
#include "ui/picture.h"
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

ui::Rect GloveBox(const ui::Component& hand) {
    const auto* image = dynamic_cast<const ui::Image*>(hand.Owner().Find("TutorialHandPicture"));
    if (!image) return hand.ScreenRect();
    const ui::Rect box = image->ScreenRect();
    const auto picture = ui::LoadPicture(image->picture);
    if (!picture || picture->width <= 0 || picture->height <= 0) return box;
    // The picture stretched over its box, a pixel of the box taking the picture's pixel there.
    const std::vector<uint8_t> rgba = ui::KeyedRgba(*picture);
    int left = box.w, top = box.h, right = -1, bottom = -1;
    for (int y = 0; y < box.h; ++y)
        for (int x = 0; x < box.w; ++x) {
            const size_t px = static_cast<size_t>(y * picture->height / box.h) * picture->width +
                              static_cast<size_t>(x * picture->width / box.w);
            if (rgba[px * 4 + 3] == 0) continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    if (right < 0) return {box.x, box.y, 0, 0};
    return {box.x + left, box.y + top, right - left + 1, bottom - top + 1};
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

bool TipInside(const std::vector<Pixel>& tip, const ui::Rect& r) {
    return !tip.empty() && std::all_of(tip.begin(), tip.end(),
                                       [&](const Pixel& p) { return r.Contains(p.x, p.y); });
}

bool OnIt(const std::vector<Pixel>& glove, const ui::Rect& r) {
    return std::any_of(glove.begin(), glove.end(),
                       [&r](const Pixel& g) { return r.Contains(g.x, g.y); });
}

}  // namespace corvanth::test
