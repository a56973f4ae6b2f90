// The places of the canvas that changed between two frames.
#include "ui/damage.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

namespace {

Rect Union(const Rect& a, const Rect& b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    const int r = std::max(a.x + a.w, b.x + b.w), bottom = std::max(a.y + a.h, b.y + b.h);
    return Rect{x, y, r - x, bottom - y};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Same(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

// The canvas part of a component's place, with an open list's rows below it.
Rect PlaceOf(const Form& form, const Component& c) {
    Rect r = c.ScreenRect();
    if (c.kind() == Kind::ComboBox && static_cast<const ComboBox&>(c).Dropped())
        r = Union(r, static_cast<const ComboBox&>(c).DropRect());
    r.x += form.OriginX();
    r.y += form.OriginY();
    return r;
}

uint64_t LookOfForm(const Form& f) {
    Hasher h;
    h.Int(f.Visible());
    h.Int(f.OriginX());
    h.Int(f.OriginY());
    h.Int(f.width);
    h.Int(f.height);
    h.Paint(f.color);
    h.Int(static_cast<int64_t>(f.Components().size()));
    return h.h;
}

// Places that overlap are drawn as one; too many become one box around them all.
std::vector<Rect> Merged(std::vector<Rect> rects) {
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < rects.size() && !merged; ++i)
            for (size_t j = i + 1; j < rects.size(); ++j) {
                if (!Overlap(rects[i], rects[j])) continue;
                rects[i] = Union(rects[i], rects[j]);
                rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
                break;
            }
    }
    if (rects.size() > Damage::kMostRects) {
        Rect all = rects.front();
        for (const Rect& r : rects) all = Union(all, r);
        rects.assign(1, all);
    }
    return rects;
}

}  // namespace

uint64_t LookOf(const Component& c) {
    Hasher h;
    Rect r = c.ScreenRect();
    h.Int(r.x);
    h.Int(r.y);
    h.Int(r.w);
    h.Int(r.h);
    h.Int(c.Showing() * 4 + c.Usable() * 2 + c.visible);
    h.Text(c.caption);
    h.Paint(c.color);
    h.Paint(c.font.color);
    h.Text(c.font.name);
    h.Int(c.font.size * 8 + c.font.bold * 4 + c.font.italic * 2 + c.font.fixedPitch);
    h.Text(c.ShownText());
    // The pointer lights a button up and the press sinks it.
    const Application& app = App();
    h.Int((app.Hovered() == &c) * 2 + (app.Pressed() == &c));
    h.Int(c.Owner().focused == &c);
    switch (c.kind()) {
        case Kind::Label: {
            const auto& l = static_cast<const Label&>(c);
            h.Int(l.wordWrap * 4 + l.transparent * 2 + l.centerVertically);
            h.Int(static_cast<int>(l.alignment));
            break;
        }
        case Kind::Image: {
            const auto& i = static_cast<const Image&>(c);
            h.Text(i.picture);
            h.Int(i.proportional * 8 + i.transparent * 4 + i.stretch * 2 + i.center);
            break;
        }
        case Kind::Panel: {
            const auto& p = static_cast<const Panel&>(c);
            h.Int(static_cast<int>(p.bevel) * 2 + p.transparent);
            h.Paint(p.borderColor);
            break;
        }
        case Kind::Shape: {
            const auto& s = static_cast<const Shape&>(c);
            h.Paint(s.brushColor);
            h.Paint(s.penColor);
            h.Int(s.brushClear);
            h.Int(static_cast<int>(s.shape));
            h.Int(s.penWidth);
            break;
        }
        case Kind::Edit:
        case Kind::SpinEdit: {
            const auto& e = static_cast<const Edit&>(c);
            h.Int(e.readOnly);
            h.Int(e.ScrollOffset());
            // The caret's blink belongs to the box that has it.
            if (c.Owner().focused == &c) {
                h.Int(e.CaretX());
                h.Int(App().CaretVisible());
            }
            break;
        }
        case Kind::ListBox:
            h.Int(static_cast<const ListBox&>(c).topIndex);
            h.Int(static_cast<const ListBox&>(c).ItemIndex());
            break;
        case Kind::ComboBox: {
            const auto& cb = static_cast<const ComboBox&>(c);
            h.Int(cb.Dropped());
            h.Int(cb.listTop);
            h.Int(cb.listHot);
            h.Int(cb.ItemIndex());
            for (const auto& item : cb.items) h.Text(item);
            break;
        }
        case Kind::Memo: {
            const auto& m = static_cast<const Memo&>(c);
            h.Int(m.topLine);
            // The bar, and the width the text wraps in beside it.
            h.Int(static_cast<int>(m.scrollBars) * 2 + m.wordWrap);
            break;
        }
        case Kind::ProgressBar:
        case Kind::ScrollBar: {
            const auto& bar = static_cast<const RangeBar&>(c);
            h.Int(bar.Min());
            h.Int(bar.Max());
            h.Int(bar.vertical);
            // The thumb is as long as a page.
            if (c.kind() == Kind::ScrollBar) h.Int(static_cast<const ScrollBar&>(c).largeChange);
            break;
        }
        default:
            break;
    }
    return h.h;
}

Areas Damage::Take() {
    std::vector<Layer> now;
    for (const Form* f : App().ModalStack()) {
        Layer layer{f, f->ShowCount(), LookOfForm(*f), {}};
        layer.pieces.reserve(f->Components().size());
        for (const auto& c : f->Components())
            layer.pieces.push_back(Piece{LookOf(*c), PlaceOf(*f, *c), c->Showing()});
        now.push_back(std::move(layer));
    }
    Areas out;
    bool whole = now.size() != layers_.size();
    for (size_t i = 0; i < now.size() && !whole; ++i)
        whole = now[i].form != layers_[i].form || now[i].show != layers_[i].show ||
                now[i].look != layers_[i].look;
    if (!whole) {
        for (size_t i = 0; i < now.size(); ++i)
            for (size_t k = 0; k < now[i].pieces.size(); ++k) {
                const Piece& was = layers_[i].pieces[k];
                const Piece& is = now[i].pieces[k];
                if (was.look == is.look && was.showing == is.showing && Same(was.rect, is.rect))
                    continue;
                if (was.showing) out.rects.push_back(was.rect);
                if (is.showing) out.rects.push_back(is.rect);
            }
    }
    // The hint beside the resting pointer lies over every screen.
    std::optional<Rect> hint;
    std::string hintText;
    if (auto shown = App().HintShown()) {
        hint = shown->box;
        hintText = shown->text;
    }
    if (hint.has_value() != hint_.has_value() || hintText != hintText_ ||
        (hint && !Same(*hint, *hint_))) {
        if (hint_) out.rects.push_back(*hint_);
        if (hint) out.rects.push_back(*hint);
    }
    hint_ = hint;
    hintText_ = std::move(hintText);
    layers_ = std::move(now);
    // Only what lies on the canvas is drawn.
    const Rect canvas{0, 0, kCanvasWidth, kCanvasHeight};
    std::vector<Rect> inside;
    for (const Rect& r : out.rects) {
        const int x = std::max(r.x, 0), y = std::max(r.y, 0);
        const int right = std::min(r.x + r.w, canvas.w), bottom = std::min(r.y + r.h, canvas.h);
        if (right > x && bottom > y) inside.push_back(Rect{x, y, right - x, bottom - y});
    }
    out.whole = whole;
    out.rects = whole ? std::vector<Rect>{} : Merged(std::move(inside));
    return out;
}

}  // namespace ui
