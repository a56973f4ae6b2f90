// Where the tutorial's hand goes: its fingertip on what the step points at, the glove on nothing
// the player needs to read.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tutorial/Tutorial.h"
#include "ui/picture.h"

namespace corvanth {

namespace {

enum class Points { Right, Left, Up };

Points Direction(const std::string& picture) {
    if (picture == "Tutoriall.jpg") return Points::Left;
    if (picture == "Tutorialu.jpg") return Points::Up;
    return Points::Right;
}

struct Dot {
    int x = 0, y = 0;
};

// The pixels the glove is drawn on, from the hand's top-left corner: those of its picture that
// the see-through colour leaves; the picture's whole box when the file is missing.
std::vector<Dot> Glove(const ui::Component& hand, const ui::Image* picture) {
    std::vector<Dot> out;
    const ui::Rect h = hand.ScreenRect();
    const ui::Rect box = picture ? picture->ScreenRect() : h;
    const auto decoded = picture ? ui::LoadPicture(picture->picture) : nullptr;
    std::vector<uint8_t> rgba;
    if (decoded && decoded->width > 0 && decoded->height > 0) rgba = ui::KeyedRgba(*decoded);
    for (int y = 0; y < box.h; ++y)
        for (int x = 0; x < box.w; ++x) {
            const bool drawn =
                rgba.empty() ||
                rgba[(static_cast<size_t>(y * decoded->height / box.h) * decoded->width +
                      x * decoded->width / box.w) *
                         4 +
                     3] != 0;
            if (drawn) out.push_back({box.x - h.x + x, box.y - h.y + y});
        }
    return out;
}

// The glove's pixels that reach farthest the way it points: where they lie across that way,
// and the first and last of them along it.
struct Tip {
    int across = 0, lo = 0, hi = 0;
};
Tip Fingertip(const std::vector<Dot>& glove, Points way) {
    auto reach = [way](const Dot& d) {
        return way == Points::Right ? d.x : way == Points::Left ? -d.x : -d.y;
    };
    Tip tip;
    int most = 0;
    bool any = false;
    for (const Dot& d : glove) {
        const int r = reach(d), along = way == Points::Up ? d.x : d.y;
        if (!any || r > most) {
            most = r;
            tip = {way == Points::Right ? most : -most, along, along};
            any = true;
        } else if (r == most) {
            tip.lo = std::min(tip.lo, along);
            tip.hi = std::max(tip.hi, along);
        }
    }
    return tip;
}

bool Within(const ui::Component* c, const ui::Component& ancestor) {
    for (; c; c = c->Parent())
        if (c == &ancestor) return true;
    return false;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.x + b.w && b.x < a.x + a.w &&
           a.y < b.y + b.h && b.y < a.y + a.h;
}

// Under a box of the screen drawn later that fills its ground, as a memo under the trade box: out
// of sight. The tutorial's own panels do not count: what they cover is what they must not.
bool Buried(const ui::Form& screen, const ui::Component& c) {
    const auto& all = screen.Components();
    auto it = std::find_if(all.begin(), all.end(), [&c](const auto& p) { return p.get() == &c; });
    for (++it; it < all.end(); ++it) {
        const ui::Component& over = **it;
        const auto* panel = dynamic_cast<const ui::Panel*>(&over);
        if (panel && !panel->transparent && over.Showing() && !Within(&c, over) &&
            over.Name().rfind("Tutorial", 0) != 0 && over.ScreenRect().Holds(c.ScreenRect()))
            return true;
    }
    return false;
}

// The picture the whole screen stands on.
bool Background(const ui::Form& screen, const ui::Image& image) {
    return image.ScreenRect().Holds({0, 0, screen.width, screen.height});
}

constexpr int kCaptionMargin = 2;
// How far inside its target the fingertip first lies, in pixels.
constexpr int kTipIn = 2;

// What the player clicks or reads in a box of its own: buttons, lists, memos, bars and the
// pictures that open a screen.
bool ForThePlayer(const ui::Component& c) {
    return !c.Decorative() && c.kind() != ui::Kind::Timer && c.kind() != ui::Kind::MediaPlayer;
}

struct KeepClear {
    std::vector<ui::Rect> never;   // the step's panel, every caption and every other control
    std::vector<ui::Rect> rather;  // pictures and the texts of list rows: covered only if need be
};

// What the hand must leave in sight. The target's own pictures and the picture it stands on
// (a map cell on the map) it may lie on as it points, not the texts of a list's rows.
KeepClear WhatToKeepClear(const ui::Form& screen, const ui::Component& target,
                          const ui::Rect& pointed, const ui::Component& hand) {
    KeepClear out;
    const ui::Component* panel = screen.Find("TutorialPanel");
    if (panel && panel->Showing()) out.never.push_back(panel->ScreenRect());
    for (const auto& c : screen.Components()) {
        if (!c->Showing() || Within(c.get(), hand) || (panel && Within(c.get(), *panel)) ||
            Buried(screen, *c))
            continue;
        const ui::Rect r = ui::CaptionRect(*c);
        // A caption touched by the hand reads as covered too.
        if (r.w > 0)
            out.never.push_back({r.x - kCaptionMargin, r.y - kCaptionMargin,
                                 r.w + 2 * kCaptionMargin, r.h + 2 * kCaptionMargin});
        // The hand lies on the control it points at, or on what holds it, and on no other.
        const bool ours = Within(c.get(), target) || Within(&target, *c);
        if (!ours && ForThePlayer(*c)) out.never.push_back(c->ScreenRect());
        // The target's own parts it may lie on, but for the other rows of a list it points into.
        if (Within(c.get(), target) && !(c.get() == &target && c->kind() == ui::Kind::ListBox))
            continue;
        if (const auto* image = dynamic_cast<const ui::Image*>(c.get())) {
            if (!image->picture.empty() && !Background(screen, *image) &&
                !image->ScreenRect().Holds(pointed))
                out.rather.push_back(image->ScreenRect());
        } else if (const auto* list = dynamic_cast<const ui::ListBox*>(c.get())) {
            const ui::Rect box = list->ScreenRect();
            const int ih = list->ItemHeight();
            for (int row = list->topIndex, y = box.y + 2;
                 row < static_cast<int>(list->items.size()) && y < box.y + box.h; ++row, y += ih) {
                const std::string& text = list->items[static_cast<size_t>(row)];
                const ui::Rect line{box.x + 4, y,
                                    std::min(ui::TextWidth(text, list->font), box.w - 8),
                                    std::min(ih, box.y + box.h - y)};
                if (!text.empty()) out.rather.push_back(line);
            }
        }
    }
    return out;
}

// How many of the glove's pixels lie in the rectangle, the glove's top-left corner at `at`.
int Covered(const std::vector<Dot>& glove, const ui::Rect& bounds, Dot at, const ui::Rect& r) {
    if (!Overlap({at.x + bounds.x, at.y + bounds.y, bounds.w, bounds.h}, r)) return 0;
    int n = 0;
    for (const Dot& d : glove) n += r.Contains(at.x + d.x, at.y + d.y);
    return n;
}

// What each screen's hand points at, for the hand to take its place again as it shows.
// By the target's name, found again on the screen: a screen made anew (as every test does)
// never meets a component of the one before it.
struct Pointing {
    std::string target;
    int row = -1;
};
std::map<const ui::Form*, Pointing>& Pointings() {
    static std::map<const ui::Form*, Pointing> pointings;
    return pointings;
}

}  // namespace

void TurnTutorialHand(ui::Component& hand) {
    if (TutorialStep <= 0) return;
    ui::Form& screen = hand.Owner();
    const auto it = Pointings().find(&screen);
    if (!hand.visible && it != Pointings().end())
        if (const ui::Component* target = screen.Find(it->second.target))
            PointTutorialHand(screen, *target, it->second.row);
    hand.visible = !hand.visible;
}

void PointTutorialHand(ui::Form& screen, const ui::Component& target, int row) {
    ui::Component* hand = screen.Find("TutorialHand");
    if (!hand) return;
    Pointings()[&screen] = {target.Name(), row};
    const auto* picture = dynamic_cast<const ui::Image*>(screen.Find("TutorialHandPicture"));
    ui::Rect t = target.ScreenRect();
    if (const auto* list = dynamic_cast<const ui::ListBox*>(&target); list && row >= 0) {
        const int shown = std::clamp(row - list->topIndex, 0, std::max(0, list->VisibleRows() - 1));
        // The row ends where the list's scroll bar begins.
        t = {t.x, t.y + 2 + shown * list->ItemHeight(), list->BarRect().x, list->ItemHeight()};
    }
    const Points way = Direction(picture ? picture->picture : std::string());
    const std::vector<Dot> glove = Glove(*hand, picture);
    const Tip tip = Fingertip(glove, way);
    ui::Rect bounds{hand->width, hand->height, 0, 0};
    for (const Dot& d : glove) {
        bounds.w = std::max(bounds.w, d.x + 1);
        bounds.h = std::max(bounds.h, d.y + 1);
        bounds.x = std::min(bounds.x, d.x);
        bounds.y = std::min(bounds.y, d.y);
    }
    bounds.w -= bounds.x;
    bounds.h -= bounds.y;
    // The fingertip inside the target: a little in from its near edge, or farther in when the
    // edge is crowded, and along that edge within its ends.
    const bool up = way == Points::Up;
    const int depth = up ? t.h : t.w;
    auto across = [&](int in) {
        return way == Points::Right  ? t.x + in - tip.across
               : way == Points::Left ? t.x + t.w - 1 - in - tip.across
                                     : t.y + t.h - 1 - in - tip.across;
    };
    const int start = up ? t.x : t.y, length = up ? t.w : t.h;
    const int margin = std::min(1, (length - 1 - (tip.hi - tip.lo)) / 2);
    const int from = start + margin - tip.lo;
    const int to = std::max(from, start + length - 1 - margin - tip.hi);
    auto at = [&](int in, int along) {
        return up ? Dot{along, across(in)} : Dot{across(in), along};
    };
    // The glove whole on its screen.
    const auto onScreen = [&](Dot a) {
        return ui::Rect{0, 0, screen.width, screen.height}.Holds(
            {a.x + bounds.x, a.y + bounds.y, bounds.w, bounds.h});
    };
    // The first spot nearest the edge's middle, as far in and along as it lies from there, that
    // covers no caption, other control nor anything else; failing that the one that covers
    // least, the middle of the edge when every spot covers a caption.
    const KeepClear keep = WhatToKeepClear(screen, target, t, *hand);
    const int middle = (from + to) / 2, first = std::min(kTipIn, depth - 1);
    const int widest = std::max(0, to - middle);
    Dot chosen = at(first, middle);
    int least = -1;
    for (int distance = 0; distance <= depth - 1 - first + widest && least != 0; ++distance)
        for (int in = first; in <= std::min(depth - 1, first + distance) && least != 0; ++in) {
            const int offset = distance - (in - first);
            if (offset > widest) continue;
            for (int along : {middle - offset, middle + offset}) {
                const Dot a = at(in, along);
                if (along < from || along > to || !onScreen(a) ||
                    std::any_of(keep.never.begin(), keep.never.end(), [&](const ui::Rect& r) {
                        return Covered(glove, bounds, a, r) > 0;
                    }))
                    continue;
                int covered = 0;
                for (const ui::Rect& r : keep.rather) covered += Covered(glove, bounds, a, r);
                if (least < 0 || covered < least) {
                    least = covered;
                    chosen = a;
                }
                if (least == 0) break;
            }
        }
    // With no spot at all, the glove stays on its screen at least.
    hand->left = least >= 0 ? chosen.x
                            : std::clamp(chosen.x, -bounds.x,
                                         std::max(-bounds.x, screen.width - bounds.x - bounds.w));
    hand->top = least >= 0 ? chosen.y
                           : std::clamp(chosen.y, -bounds.y,
                                        std::max(-bounds.y, screen.height - bounds.y - bounds.h));
}

}  // namespace corvanth
