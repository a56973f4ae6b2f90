// Where on a screen a tutorial panel can stand, and how much it hides there.
#include <algorithm>

#include "tutorial_checks.h"

namespace corvanth::test {

long Covered(const ui::Rect& a, const ui::Rect& b) {
    const int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? long(w) * h : 0;
}

Cover CoverOf(const ui::Rect& box, const std::vector<ui::Rect>& soft) {
    Cover c{0, 0};
    for (const ui::Rect& r : soft)
        if (const long n = Covered(box, r); n > 0) {
            ++c.items;
            c.pixels += n;
        }
    return c;
}

Room RoomFor(const ui::Form& f, int w, int h, const std::vector<ui::Rect>& hard,
             const std::vector<ui::Rect>& soft) {
    std::vector<int> xs{0, f.width - w}, ys{0, f.height - h};
    for (const auto* rects : {&hard, &soft})
        for (const ui::Rect& r : *rects) {
            for (int x : {r.x - w, r.x, r.x + r.w - w, r.x + r.w}) xs.push_back(x);
            for (int y : {r.y - h, r.y, r.y + r.h - h, r.y + r.h}) ys.push_back(y);
        }
    for (auto* v : {&xs, &ys}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    Room room;
    for (int y : ys) {
        if (y < 0 || y > f.height - h) continue;
        for (int x : xs) {
            if (x < 0 || x > f.width - w) continue;
            const ui::Rect box{x, y, w, h};
            if (std::any_of(hard.begin(), hard.end(),
                            [&](const ui::Rect& r) { return Overlap(box, r); }))
                continue;
            if (const Cover c = CoverOf(box, soft); c < room.least) room = {c, box};
        }
    }
    return room;
}

}  // namespace corvanth::test
