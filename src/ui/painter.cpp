// Drawing of screens and their components in the game's look.
#include "ui/painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/picture.h"

namespace ui {

namespace {

// The game's palette for the parts the layouts do not colour themselves.
constexpr Color kButtonTop{34, 62, 112};
constexpr Color kButtonBottom{14, 28, 60};
constexpr Color kButtonEdge{86, 140, 210};
constexpr Color kButtonHover{160, 210, 255};
constexpr Color kDisabledText{120, 124, 140};
constexpr Color kMissingFill{14, 16, 24};
constexpr Color kMissingEdge{44, 48, 64};
constexpr Color kTrack{20, 24, 36};
constexpr Color kThumb{70, 110, 170};

SDL_Rect Intersect(const SDL_Rect& a, const SDL_Rect& b) {
    SDL_Rect out{0, 0, 0, 0};
    if (!SDL_IntersectRect(&a, &b, &out)) out = SDL_Rect{a.x, a.y, 0, 0};
    return out;
}

Color Mix(Color a, Color b, int t, int n) {
    auto m = [&](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>(x + (y - x) * t / std::max(1, n));
    };
    return Color{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Color Lighter(Color c, int amount) {
    auto l = [&](uint8_t x) { return static_cast<uint8_t>(std::min(255, x + amount)); };
    return Color{l(c.r), l(c.g), l(c.b)};
}

Color Darker(Color c, int amount) {
    auto d = [&](uint8_t x) { return static_cast<uint8_t>(std::max(0, x - amount)); };
    return Color{d(c.r), d(c.g), d(c.b)};
}

// `length` scaled by where `pos` lies between `min` and `max`, in 64 bits: a range of the whole
// int span overflows 32.
int Share(int length, int pos, int min, int max) {
    const int64_t span = std::max<int64_t>(1, static_cast<int64_t>(max) - min);
    const int64_t part = std::clamp<int64_t>(static_cast<int64_t>(pos) - min, 0, span);
    return static_cast<int>(static_cast<int64_t>(length) * part / span);
}

// The rows of a box that fall on the canvas: a component far larger than the screen costs no
// more than one the size of the screen.
std::pair<int, int> VisibleRows(const SDL_Rect& box) {
    const int first = std::clamp(-box.y, 0, std::max(0, box.h));
    const int end = std::clamp(kCanvasHeight - box.y, first, std::max(first, box.h));
    return {first, end};
}

}  // namespace

Painter::~Painter() {
    for (auto& [k, e] : text_)
        if (e.texture) SDL_DestroyTexture(e.texture);
    for (auto& [k, e] : pictures_)
        if (e.texture) SDL_DestroyTexture(e.texture);
}

void Painter::Fill(const SDL_Rect& box, Color c, uint8_t alpha) {
    SDL_SetRenderDrawBlendMode(r_, alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, alpha);
    SDL_RenderFillRect(r_, &box);
}

void Painter::Frame(const SDL_Rect& box, Color c, int width) {
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, 255);
    for (int i = 0; i < width && box.w > 2 * i && box.h > 2 * i; ++i) {
        SDL_Rect b{box.x + i, box.y + i, box.w - 2 * i, box.h - 2 * i};
        SDL_RenderDrawRect(r_, &b);
    }
}

void Painter::FillEllipse(const SDL_Rect& box, Color c) {
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, 255);
    const double rx = box.w / 2.0, ry = box.h / 2.0, cx = box.x + rx, cy = box.y + ry;
    const auto [firstRow, endRow] = VisibleRows(box);
    for (int y = firstRow; y < endRow; ++y) {
        double dy = (y + 0.5 - ry) / ry;
        double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
        SDL_RenderDrawLine(r_, static_cast<int>(std::lround(cx - half)), box.y + y,
                           static_cast<int>(std::lround(cx + half)) - 1, box.y + y);
    }
    (void)cy;
}

void Painter::DrawLine(const SDL_Rect& box, bool rising, Color c, int width) {
    SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, 255);
    const int x1 = box.x, x2 = box.x + box.w - 1;
    const int yTop = box.y, yBottom = box.y + box.h - 1;
    // A wider pen is drawn as neighbouring lines across the line's main direction.
    const bool steep = box.h > box.w;
    for (int i = 0; i < std::max(1, width); ++i) {
        const int off = i - (width - 1) / 2;
        const int dx = steep ? off : 0, dy = steep ? 0 : off;
        SDL_RenderDrawLine(r_, x1 + dx, (rising ? yBottom : yTop) + dy, x2 + dx,
                           (rising ? yTop : yBottom) + dy);
    }
}

void Painter::FrameEllipse(const SDL_Rect& box, Color c) {
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r_, c.r, c.g, c.b, 255);
    const double rx = box.w / 2.0, ry = box.h / 2.0, cx = box.x + rx, cy = box.y + ry;
    // More points than the canvas' edges hold would only draw the same pixels again.
    const int steps = std::clamp((box.w + box.h) * 2, 24, 2 * (kCanvasWidth + kCanvasHeight));
    for (int i = 0; i < steps; ++i) {
        double a = 2 * M_PI * i / steps;
        SDL_RenderDrawPoint(r_, static_cast<int>(cx + (rx - 0.5) * std::cos(a)),
                            static_cast<int>(cy + (ry - 0.5) * std::sin(a)));
    }
}

SDL_Texture* Painter::TextTexture(const std::string& text, const Font& font, Color color, int& w,
                                  int& h) {
    std::string key = font.name + '\x1f' + std::to_string(font.size) + (font.bold ? "b" : "") +
                      (font.italic ? "i" : "") + (font.fixedPitch ? "m" : "") + '\x1f' +
                      std::to_string(color.r) + "," + std::to_string(color.g) + "," +
                      std::to_string(color.b) + '\x1f' + text;
    auto it = text_.find(key);
    if (it == text_.end()) {
        if (text_.size() > 4096) {
            for (auto& [k, e] : text_)
                if (e.texture) SDL_DestroyTexture(e.texture);
            text_.clear();
        }
        TextEntry entry;
        if (TTF_Font* f = OpenFont(font); f && !text.empty()) {
            if (SDL_Surface* s = TTF_RenderUTF8_Blended(
                    f, text.c_str(), SDL_Color{color.r, color.g, color.b, 255})) {
                entry.texture = SDL_CreateTextureFromSurface(r_, s);
                entry.w = s->w;
                entry.h = s->h;
                SDL_FreeSurface(s);
            }
        }
        it = text_.emplace(std::move(key), entry).first;
    }
    w = it->second.w;
    h = it->second.h;
    return it->second.texture;
}

void Painter::DrawText(const std::string& text, const Font& font, const SDL_Rect& box, Align align,
                       bool wrap, bool vcenter, Color color) {
    TTF_Font* f = OpenFont(font);
    if (!f || text.empty()) return;
    const std::vector<std::string> lines = TextLines(f, text, box.w, wrap);
    const int lineHeight = TTF_FontLineSkip(f);
    int y = box.y;
    if (vcenter) y += (box.h - lineHeight * static_cast<int>(lines.size())) / 2;
    for (const auto& line : lines) {
        int w = 0, h = 0;
        if (SDL_Texture* t = TextTexture(line, font, color, w, h)) {
            int x = box.x;
            if (align == Align::Center) x += (box.w - w) / 2;
            if (align == Align::Right) x += box.w - w;
            SDL_Rect dst{x, y, w, h};
            SDL_RenderCopy(r_, t, nullptr, &dst);
        }
        y += lineHeight;
    }
}

void Painter::DrawPicture(const std::string& name, const SDL_Rect& box, bool stretch, bool center,
                          bool keyed, bool proportional) {
    if (stretch && (box.w <= 0 || box.h <= 0)) return;
    // Stretched, a picture is asked for at its box's size and kept no larger; a box larger than
    // before brings a larger one, and its texture is made again.
    const auto source = stretch ? LoadPicture(name, box.w, box.h) : LoadPicture(name);
    // A transparent picture is a texture of its own, with its background colour left out.
    const std::string key = keyed ? name + "\n" : name;
    auto it = pictures_.find(key);
    if (it == pictures_.end() || it->second.source != source) {
        if (it != pictures_.end() && it->second.texture) SDL_DestroyTexture(it->second.texture);
        PictureEntry entry;
        entry.source = source;
        if (const Picture* pic = source.get()) {
            std::vector<uint8_t> rgba = keyed ? KeyedRgba(*pic) : std::vector<uint8_t>();
            SDL_Surface* s =
                keyed ? SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), pic->width, pic->height, 32,
                                                           pic->width * 4, SDL_PIXELFORMAT_RGBA32)
                      : SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pic->rgb.data()),
                                                           pic->width, pic->height, 24,
                                                           pic->width * 3, SDL_PIXELFORMAT_RGB24);
            if (s) {
                entry.texture = SDL_CreateTextureFromSurface(r_, s);
                if (entry.texture && keyed)
                    SDL_SetTextureBlendMode(entry.texture, SDL_BLENDMODE_BLEND);
                SDL_FreeSurface(s);
            }
            if (!pic->rgb.empty()) entry.ground = Color{pic->rgb[0], pic->rgb[1], pic->rgb[2]};
        }
        it = pictures_.insert_or_assign(key, std::move(entry)).first;
    }
    const PictureEntry& pic = it->second;
    if (!pic.texture) {
        // A missing picture: an unobtrusive dark frame where it would be.
        Fill(box, kMissingFill);
        Frame(box, kMissingEdge);
        return;
    }
    int w = 0, h = 0;
    SDL_QueryTexture(pic.texture, nullptr, nullptr, &w, &h);
    SDL_Rect dst = box, src{0, 0, w, h};
    if (!stretch) {
        dst.w = w;
        dst.h = h;
        if (center) {
            dst.x = box.x + (box.w - w) / 2;
            dst.y = box.y + (box.h - h) / 2;
        }
    } else if (w > 0 && h > 0 && box.w > 0 && box.h > 0) {
        // A picture keeps its shape in a box of another: cut to the box around its middle, or,
        // proportional, whole in the middle of the box on its own ground colour.
        const int64_t wide = int64_t{w} * box.h, boxWide = int64_t{box.w} * h;
        if (std::abs(wide - boxWide) * 50 > std::max(wide, boxWide)) {
            if (proportional) {
                if (!keyed) Fill(box, pic.ground);
                if (wide > boxWide) {
                    dst.h = static_cast<int>(int64_t{box.w} * h / w);
                    dst.y += (box.h - dst.h) / 2;
                } else {
                    dst.w = static_cast<int>(int64_t{box.h} * w / h);
                    dst.x += (box.w - dst.w) / 2;
                }
            } else if (wide > boxWide) {
                src.w = static_cast<int>(boxWide / box.h);
                src.x = (w - src.w) / 2;
            } else {
                src.h = static_cast<int>(wide / box.w);
                src.y = (h - src.h) / 2;
            }
        }
    }
    SDL_RenderCopy(r_, pic.texture, &src, &dst);
}

void Painter::DrawButton(const Component& c, const SDL_Rect& box) {
    const bool usable = c.Usable();
    const bool hover = usable && App().Hovered() == &c;
    const bool down = usable && App().Pressed() == &c;
    const auto [firstRow, endRow] = VisibleRows(box);
    for (int y = firstRow; y < endRow; ++y) {
        Color row = Mix(kButtonTop, kButtonBottom, y, box.h);
        if (down) row = Darker(row, 12);
        if (hover && !down) row = Lighter(row, 14);
        SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
        SDL_SetRenderDrawColor(r_, row.r, row.g, row.b, usable ? 235 : 150);
        SDL_RenderDrawLine(r_, box.x, box.y + y, box.x + box.w - 1, box.y + y);
    }
    Frame(box, hover ? kButtonHover : (usable ? kButtonEdge : Darker(kButtonEdge, 50)));
    const std::string text = static_cast<const SpeedButton&>(c).DisplayCaption();
    SDL_Rect inner{box.x + 4, box.y + (down ? 1 : 0), box.w - 8, box.h};
    DrawText(text, c.font, inner, Align::Center, true, true, usable ? c.font.color : kDisabledText);
}

void Painter::DrawScrollBar(const ScrollTrack& bar, const SDL_Rect& box, bool usable) {
    Fill(box, kTrack);
    Frame(box, kMissingEdge);
    // Arrows and thumb only where there is something to move.
    usable = usable && bar.Moves();
    const int arrow = bar.ArrowLength();
    const SDL_Rect first =
        bar.vertical ? SDL_Rect{box.x, box.y, box.w, arrow} : SDL_Rect{box.x, box.y, arrow, box.h};
    const SDL_Rect last = bar.vertical ? SDL_Rect{box.x, box.y + box.h - arrow, box.w, arrow}
                                       : SDL_Rect{box.x + box.w - arrow, box.y, arrow, box.h};
    DrawArrowButton(first, bar.vertical ? Pointing::Up : Pointing::Left, usable);
    DrawArrowButton(last, bar.vertical ? Pointing::Down : Pointing::Right, usable);
    if (!usable) return;
    const Rect t = bar.ThumbRect();
    const SDL_Rect thumb = bar.vertical ? SDL_Rect{box.x + 1, box.y + t.y, box.w - 2, t.h}
                                        : SDL_Rect{box.x + t.x, box.y + 1, t.w, box.h - 2};
    Fill(thumb, kThumb);
    Frame(thumb, kButtonEdge);
}

void Painter::DrawBoxBar(const ScrollBox& c, const SDL_Rect& box) {
    if (!c.BarShown()) return;
    const Rect b = c.BarRect();
    DrawScrollBar(c.Track(), SDL_Rect{box.x + b.x, box.y + b.y, b.w, b.h}, c.Usable());
}

void Painter::DrawArrowButton(const SDL_Rect& b, Pointing way, bool usable) {
    const bool second = way == Pointing::Down || way == Pointing::Right;
    Fill(b, usable ? (second ? Darker(kThumb, 20) : kThumb) : kTrack);
    Frame(b, usable ? kButtonEdge : kMissingEdge);
    // A small triangle pointing the way the button moves.
    const bool upright = way == Pointing::Up || way == Pointing::Down;
    const int along = upright ? b.h : b.w, across = upright ? b.w : b.h;
    DrawTriangle(b, way, std::max(1, std::min(across - 6, along - 4) / 2),
                 usable ? colors::White : kDisabledText);
}

void Painter::DrawTriangle(const SDL_Rect& b, Pointing way, int half, Color ink) {
    SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r_, ink.r, ink.g, ink.b, 255);
    const bool second = way == Pointing::Down || way == Pointing::Right;
    const bool upright = way == Pointing::Up || way == Pointing::Down;
    const int along = upright ? b.h : b.w;
    const int mid = upright ? b.x + b.w / 2 : b.y + b.h / 2;
    const int start = (upright ? b.y : b.x) + (along - half) / 2;
    for (int row = 0; row < half; ++row) {
        const int w = second ? half - 1 - row : row;
        if (upright) {
            SDL_RenderDrawLine(r_, mid - w, start + row, mid + w, start + row);
        } else {
            SDL_RenderDrawLine(r_, start + row, mid - w, start + row, mid + w);
        }
    }
}

void Painter::DrawArrows(const SDL_Rect& box, bool usable) {
    DrawArrowButton({box.x, box.y, box.w, box.h / 2}, Pointing::Up, usable);
    DrawArrowButton({box.x, box.y + box.h / 2, box.w, box.h - box.h / 2}, Pointing::Down, usable);
}

void Painter::DrawComponent(const Component& c, int ox, int oy, const SDL_Rect& parentClip) {
    if (!c.visible || c.kind() == Kind::Timer || c.kind() == Kind::MediaPlayer) return;
    if (c.topOnly && App().Below(c.Owner())) return;
    SDL_Rect box{ox + c.left, oy + c.top, c.width, c.height};
    SDL_Rect clip = Intersect(parentClip, box);
    if (clip.w <= 0 || clip.h <= 0) return;
    SDL_RenderSetClipRect(r_, &clip);
    const Font& font = c.font;
    const Color textColor = c.Usable() ? font.color : kDisabledText;
    switch (c.kind()) {
        case Kind::Label: {
            const auto& l = static_cast<const Label&>(c);
            if (!l.transparent) Fill(box, c.color);
            DrawText(c.caption, font, box, l.alignment, l.wordWrap, l.centerVertically, textColor);
            break;
        }
        case Kind::Image: {
            const auto& i = static_cast<const Image&>(c);
            if (!i.picture.empty())
                DrawPicture(i.picture, box, i.stretch, i.center, i.transparent, i.proportional);
            break;
        }
        case Kind::SpeedButton:
        case Kind::Button:
            DrawButton(c, box);
            break;
        case Kind::Panel: {
            const auto& p = static_cast<const Panel&>(c);
            if (!p.transparent) Fill(box, c.color);
            if (p.bevel == Bevel::Raised || p.bevel == Bevel::Lowered) {
                Color light = Lighter(p.borderColor, 60), dark = Darker(p.borderColor, 60);
                if (p.bevel == Bevel::Lowered) std::swap(light, dark);
                SDL_SetRenderDrawColor(r_, light.r, light.g, light.b, 255);
                SDL_RenderDrawLine(r_, box.x, box.y, box.x + box.w - 1, box.y);
                SDL_RenderDrawLine(r_, box.x, box.y, box.x, box.y + box.h - 1);
                SDL_SetRenderDrawColor(r_, dark.r, dark.g, dark.b, 255);
                SDL_RenderDrawLine(r_, box.x, box.y + box.h - 1, box.x + box.w - 1,
                                   box.y + box.h - 1);
                SDL_RenderDrawLine(r_, box.x + box.w - 1, box.y, box.x + box.w - 1,
                                   box.y + box.h - 1);
            }
            DrawText(c.caption, font, box, Align::Center, true, true, textColor);
            break;
        }
        case Kind::Shape: {
            const auto& s = static_cast<const Shape&>(c);
            SDL_Rect b = box;
            if (s.shape == ShapeKind::Circle) {
                int d = std::min(b.w, b.h);
                b = SDL_Rect{b.x + (b.w - d) / 2, b.y + (b.h - d) / 2, d, d};
            }
            if (s.shape == ShapeKind::Line || s.shape == ShapeKind::RisingLine) {
                DrawLine(b, s.shape == ShapeKind::RisingLine, s.penColor, s.penWidth);
                break;
            }
            if (s.shape == ShapeKind::Circle || s.shape == ShapeKind::Ellipse) {
                if (!s.brushClear) FillEllipse(b, s.brushColor);
                if (s.penWidth > 0) FrameEllipse(b, s.penColor);
            } else {
                if (!s.brushClear) Fill(b, s.brushColor);
                if (s.penWidth > 0) Frame(b, s.penColor, s.penWidth);
            }
            break;
        }
        case Kind::GroupBox: {
            int w = 0, h = 0;
            TextTexture(c.caption.empty() ? " " : c.caption, font, textColor, w, h);
            SDL_Rect frame{box.x, box.y + h / 2, box.w, box.h - h / 2};
            Frame(frame, kButtonEdge);
            if (!c.caption.empty()) {
                SDL_Rect label{box.x + 8, box.y, w + 6, h};
                Fill(label, c.color);
                DrawText(c.caption, font, SDL_Rect{box.x + 11, box.y, w, h}, Align::Left, false,
                         false, textColor);
            }
            break;
        }
        case Kind::CheckBox:
        case Kind::RadioButton: {
            const bool on = c.kind() == Kind::CheckBox
                                ? static_cast<const CheckBox&>(c).checked
                                : static_cast<const RadioButton&>(c).Checked();
            SDL_Rect mark{box.x + 1, box.y + (box.h - 13) / 2, 13, 13};
            if (c.kind() == Kind::CheckBox) {
                Fill(mark, kTrack);
                Frame(mark, kButtonEdge);
                if (on) Fill(SDL_Rect{mark.x + 3, mark.y + 3, 7, 7}, kButtonHover);
            } else {
                FillEllipse(mark, kTrack);
                FrameEllipse(mark, kButtonEdge);
                if (on) FillEllipse(SDL_Rect{mark.x + 3, mark.y + 3, 7, 7}, kButtonHover);
            }
            DrawText(c.caption, font, SDL_Rect{box.x + 19, box.y, box.w - 19, box.h}, Align::Left,
                     true, true, textColor);
            break;
        }
        case Kind::Edit:
        case Kind::SpinEdit: {
            const auto& e = static_cast<const Edit&>(c);
            const bool focused = c.Owner().focused == &c && !e.readOnly && c.Usable();
            Fill(box, c.color);
            Frame(box, focused ? kButtonHover : kButtonEdge);
            const int arrows = c.kind() == Kind::SpinEdit ? 16 : 0;
            SDL_Rect area{box.x + Edit::kMargin, box.y, e.TextAreaWidth(), box.h};
            SDL_Rect textClip = Intersect(clip, area);
            SDL_RenderSetClipRect(r_, &textClip);
            // A long text slides left under the clip, so its end and the caret stay in view.
            DrawText(e.Text(), font,
                     SDL_Rect{area.x - e.ScrollOffset(), box.y, area.w + e.ScrollOffset(), box.h},
                     Align::Left, false, true, textColor);
            if (focused && App().CaretVisible()) {
                TTF_Font* f = OpenFont(font);
                const int lh = f ? TTF_FontHeight(f) : box.h - 6;
                Fill(SDL_Rect{box.x + e.CaretX(), box.y + (box.h - lh) / 2, 1, lh}, textColor);
            }
            SDL_RenderSetClipRect(r_, &clip);
            if (arrows) DrawArrows(SDL_Rect{box.x + box.w - arrows, box.y, arrows, box.h}, true);
            break;
        }
        case Kind::ListBox: {
            const auto& l = static_cast<const ListBox&>(c);
            Fill(box, c.color);
            Frame(box, kButtonEdge);
            const int ih = l.ItemHeight();
            for (int row = l.topIndex, y = box.y + 2;
                 row < static_cast<int>(l.items.size()) && y < box.y + box.h; ++row, y += ih) {
                SDL_Rect line{box.x + 2, y, l.RowWidth(), ih};
                Color fg = textColor;
                if (row == l.ItemIndex()) {
                    Fill(line, l.selectedColor);
                    fg = l.selectedTextColor;
                }
                DrawText(l.items[static_cast<size_t>(row)], font,
                         SDL_Rect{line.x + 2, line.y, line.w - 4, line.h}, Align::Left, false, true,
                         fg);
            }
            DrawBoxBar(l, box);
            break;
        }
        case Kind::ComboBox: {
            const auto& cb = static_cast<const ComboBox&>(c);
            Fill(box, c.color);
            Frame(box, kButtonEdge);
            DrawText(cb.ShownText(), font, SDL_Rect{box.x + 4, box.y, box.w - 22, box.h},
                     Align::Left, false, true, textColor);
            SDL_Rect arrow{box.x + box.w - 18, box.y + 1, 17, box.h - 2};
            Fill(arrow, c.Usable() ? kThumb : kTrack);
            // The drop button says what it does: a list opens below.
            DrawTriangle(arrow, Pointing::Down, std::max(2, std::min(arrow.w - 5, arrow.h - 5) / 2),
                         c.Usable() ? colors::White : kDisabledText);
            break;
        }
        case Kind::Memo: {
            const auto& m = static_cast<const Memo&>(c);
            Fill(box, c.color);
            Frame(box, kButtonEdge);
            const int bar = m.BarRect().w;
            const std::vector<std::string>& lines = m.WrappedLines();
            const int lh = m.LineHeight();
            const int first = std::clamp(m.topLine, 0, m.MaxTopLine());
            for (int i = first, y = box.y + 2;
                 i < static_cast<int>(lines.size()) && y < box.y + box.h; ++i, y += lh)
                DrawText(lines[static_cast<size_t>(i)], font,
                         SDL_Rect{box.x + 4, y, box.w - 8 - bar, lh}, Align::Left, false, false,
                         textColor);
            // A text that fits shows the bar greyed, without a thumb.
            DrawBoxBar(m, box);
            break;
        }
        case Kind::ProgressBar: {
            const auto& p = static_cast<const ProgressBar&>(c);
            Fill(box, kTrack);
            SDL_Rect bar =
                p.vertical ? SDL_Rect{box.x + 1, 0, box.w - 2,
                                      Share(box.h - 2, p.Position(), p.Min(), p.Max())}
                           : SDL_Rect{box.x + 1, box.y + 1,
                                      Share(box.w - 2, p.Position(), p.Min(), p.Max()), box.h - 2};
            if (p.vertical) bar.y = box.y + box.h - 1 - bar.h;
            Fill(bar, p.barColor);
            Frame(box, kButtonEdge);
            break;
        }
        case Kind::ScrollBar:
            DrawScrollBar(static_cast<const ScrollBar&>(c).Track(), box, c.Usable());
            break;
        case Kind::UpDown:
            DrawArrows(box, c.Usable());
            break;
        case Kind::Timer:
        case Kind::MediaPlayer:
            break;
    }
    for (const Component* child : c.Children()) DrawComponent(*child, box.x, box.y, clip);
    SDL_RenderSetClipRect(r_, &parentClip);
}

void Painter::DrawForm(const Form& form, int ox, int oy) {
    DrawFormIn(form, ox, oy, SDL_Rect{ox, oy, form.width, form.height});
}

void Painter::DrawFormIn(const Form& form, int ox, int oy, const SDL_Rect& area) {
    SDL_Rect whole = Intersect(SDL_Rect{ox, oy, form.width, form.height}, area);
    if (whole.w <= 0 || whole.h <= 0) return;
    SDL_RenderSetClipRect(r_, &whole);
    Fill(whole, form.color);
    for (const Component* c : form.Roots()) DrawComponent(*c, ox, oy, whole);
    // An open drop-down list lies over everything else on its screen.
    if (const ComboBox* cb = Application::OpenList(form)) {
        Rect d = cb->DropRect();
        SDL_Rect box{ox + d.x, oy + d.y, d.w, d.h};
        Fill(box, cb->color);
        Frame(box, kButtonEdge);
        const int ih = cb->RowHeight();
        const Rect bar = cb->ListBarRect();
        for (int i = cb->listTop; i < cb->listTop + cb->ListRows(); ++i) {
            SDL_Rect row{box.x + 2, box.y + 2 + (i - cb->listTop) * ih, box.w - 4 - bar.w, ih};
            const bool hot = i == cb->listHot;
            if (hot) Fill(row, colors::Navy);
            DrawText(cb->items[static_cast<size_t>(i)], cb->font,
                     SDL_Rect{row.x + 2, row.y, row.w - 4, ih}, Align::Left, false, true,
                     hot ? colors::White : cb->font.color);
        }
        if (bar.w > 0)
            DrawScrollBar(cb->ListTrack(), SDL_Rect{ox + bar.x, oy + bar.y, bar.w, bar.h},
                          cb->Usable());
    }
    SDL_RenderSetClipRect(r_, nullptr);
}

void Painter::DrawStack() {
    SDL_SetRenderDrawColor(r_, 0, 0, 0, 255);
    SDL_RenderClear(r_);
    for (const Form* f : App().ModalStack())
        if (f->Visible()) DrawForm(*f, f->OriginX(), f->OriginY());
    if (auto hint = App().HintShown()) DrawHint(*hint);
}

void Painter::DrawAreas(const std::vector<Rect>& areas) {
    const auto hint = App().HintShown();
    for (const Rect& a : areas) {
        const SDL_Rect area{a.x, a.y, a.w, a.h};
        // Drawn afresh from the black below every screen, as a whole frame would.
        SDL_RenderSetClipRect(r_, &area);
        Fill(area, colors::Black);
        for (const Form* f : App().ModalStack())
            if (f->Visible()) DrawFormIn(*f, f->OriginX(), f->OriginY(), area);
        if (hint) {
            SDL_RenderSetClipRect(r_, &area);
            DrawHint(*hint);
        }
        SDL_RenderSetClipRect(r_, nullptr);
    }
}

void Painter::DrawHint(const ShownHint& hint) {
    const SDL_Rect box{hint.box.x, hint.box.y, hint.box.w, hint.box.h};
    Fill(box, kButtonBottom);
    Frame(box, kButtonEdge);
    const Font font = HintFont();
    DrawText(hint.text, font,
             SDL_Rect{box.x + kHintPadX, box.y + kHintPadY, box.w - 2 * kHintPadX,
                      box.h - 2 * kHintPadY},
             Align::Left, false, true, font.color);
}

}  // namespace ui
