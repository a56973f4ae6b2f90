// The window's canvas: only what changed is drawn again, and only that is sent when it can be.
#include "ui/window_canvas.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ui/application.h"

namespace ui {

namespace {

// The point a window pixel shows is its middle taken back onto the canvas, clamped to the
// canvas's edge pixels: one linear scaling of the whole canvas, whatever part is sent.
WindowCanvas::Taps TapsFor(int canvas, int window) {
    WindowCanvas::Taps t;
    t.from.resize(static_cast<size_t>(window));
    t.share.resize(static_cast<size_t>(window));
    t.weights.resize(8 * static_cast<size_t>(window));
    for (int i = 0; i < window; ++i) {
        // (i + 1/2) x canvas / window - 1/2, in 256ths of a canvas pixel.
        const int64_t at =
            std::max<int64_t>(0, (int64_t{2} * i + 1) * canvas - window) * 128 / window;
        int from = static_cast<int>(at >> 8);
        uint32_t share = static_cast<uint32_t>(at & 255);
        if (from >= canvas - 1) {
            from = canvas - 1;
            share = 0;
        }
        t.from[i] = from;
        t.share[i] = share;
        const uint16_t keep = static_cast<uint16_t>(256 - share),
                       take = static_cast<uint16_t>(share);
        const uint16_t weights[8] = {keep, keep, keep, 0, take, take, take, 0};
        std::copy(weights, weights + 8, &t.weights[8 * static_cast<size_t>(i)]);
    }
    return t;
}

// The four channels of two pixels, a lane each: blue, green, red and the spare byte, as the
// canvas lays them out, each wide enough to hold a mix before it is brought back to a byte.
using Lanes = uint16_t __attribute__((vector_size(16)));
using PixelPair = uint8_t __attribute__((vector_size(8)));

Lanes Widen(const uint8_t* pixels) {
    PixelPair p;
    std::memcpy(&p, pixels, sizeof p);
    return __builtin_convertvector(p, Lanes);
}

Lanes Load(const uint16_t* lanes) {
    Lanes l;
    std::memcpy(&l, lanes, sizeof l);
    return l;
}

// Two window pixels of a line, each of the canvas pixel at its tap and the next one weighed by
// the tap's weights; a channel is (near x (256 - share) + next x share + 128) / 256, which never
// passes 16 bits. The spare byte weighs nothing, so it comes out 0.
Lanes MixAcross(const uint8_t* row, int first, const uint16_t* firstWeights, int second,
                const uint16_t* secondWeights) {
    const Lanes a = Widen(row + 4 * first) * Load(firstWeights);
    const Lanes b = Widen(row + 4 * second) * Load(secondWeights);
    const Lanes near = __builtin_shufflevector(a, b, 0, 1, 2, 3, 8, 9, 10, 11);
    const Lanes next = __builtin_shufflevector(a, b, 4, 5, 6, 7, 12, 13, 14, 15);
    return (near + next + 128) >> 8;
}

// One line of w window pixels, the mixed lines above and below weighed as the row's share says;
// four pixels at a time, then what is left one by one.
void MixDown(const uint16_t* above, const uint16_t* below, uint32_t share, size_t w, uint8_t* out) {
    using Quad = uint16_t __attribute__((vector_size(32)));
    using QuadPixels = uint8_t __attribute__((vector_size(16)));
    const uint16_t keep = static_cast<uint16_t>(256 - share), take = static_cast<uint16_t>(share);
    size_t i = 0;
    for (; i + 4 <= w; i += 4) {
        Quad a, b;
        std::memcpy(&a, above + 4 * i, sizeof a);
        std::memcpy(&b, below + 4 * i, sizeof b);
        const QuadPixels p = __builtin_convertvector((a * keep + b * take + 128) >> 8, QuadPixels);
        std::memcpy(out + 4 * i, &p, sizeof p);
    }
    for (; i < w; ++i)
        for (size_t c = 0; c < 4; ++c)
            out[4 * i + c] = static_cast<uint8_t>(
                (above[4 * i + c] * keep + below[4 * i + c] * take + 128) >> 8);
}

// The window pixels of one line whose colours come from canvas pixels [first, end).
std::pair<int, int> Touched(const WindowCanvas::Taps& t, int first, int end) {
    const auto lo = std::lower_bound(t.from.begin(), t.from.end(), first - 1);
    const auto hi = std::upper_bound(t.from.begin(), t.from.end(), end - 1);
    return {static_cast<int>(lo - t.from.begin()), static_cast<int>(hi - t.from.begin())};
}

}  // namespace

WindowCanvas::WindowCanvas(SDL_Window* window, SDL_Renderer* renderer, Painter& painter)
    : window_(window), renderer_(renderer), painter_(painter) {
    SDL_RendererInfo info{};
    software_ = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
    // The bars around the canvas stay black.
    SDL_RenderSetLogicalSize(renderer, kCanvasWidth, kCanvasHeight);
}

WindowCanvas::~WindowCanvas() {
    if (canvas_) SDL_DestroyTexture(canvas_);
}

// The screens are drawn on a canvas kept from frame to frame, where only what changed is
// drawn again. Without such a canvas, all is drawn.
void WindowCanvas::Frame(bool lost) {
    if (!canvas_ && !noCanvas_) {
        canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                    kCanvasWidth, kCanvasHeight);
        noCanvas_ = canvas_ == nullptr;
        if (canvas_) SDL_SetTextureBlendMode(canvas_, SDL_BLENDMODE_NONE);
    }
    if (!canvas_ || SDL_SetRenderTarget(renderer_, canvas_) != 0) {
        painter_.DrawStack();
        SDL_RenderPresent(renderer_);
        return;
    }
    const Areas areas = damage_.Take();
    if (areas.whole)
        painter_.DrawStack();
    else
        painter_.DrawAreas(areas.rects);
    if (areas.Empty() && !lost) {
        SDL_SetRenderTarget(renderer_, nullptr);
        return;
    }
    if (software_ && Send(areas, lost)) return;
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

// A software renderer draws into the window's own pixels, which stay from frame to frame: the
// changed places alone are scaled onto them and sent to the desktop, each pixel as the whole
// canvas scaled at once would give it. False when the window has no pixels of its own.
bool WindowCanvas::Send(const Areas& areas, bool lost) {
    const bool whole = areas.whole || !keptWhole_;
    // A pixel past the last: the mix reads each pixel with the next one, which may weigh nothing.
    kept_.resize(static_cast<size_t>(kCanvasWidth) * kCanvasHeight + 1);
    const std::vector<Rect> all{Rect{0, 0, kCanvasWidth, kCanvasHeight}};
    for (const Rect& a : whole ? all : areas.rects) {
        const SDL_Rect r{a.x, a.y, a.w, a.h};
        if (SDL_RenderReadPixels(renderer_, &r, SDL_PIXELFORMAT_RGB888,
                                 &kept_[static_cast<size_t>(r.y) * kCanvasWidth + r.x],
                                 kCanvasWidth * 4) != 0) {
            keptWhole_ = false;
            return false;
        }
    }
    keptWhole_ = true;
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return false;
    if (surface->w != windowW_ || surface->h != windowH_) {
        // Placed as the renderer places its logical size, so the pointer lands where it shows.
        windowW_ = surface->w;
        windowH_ = surface->h;
        int64_t w = windowW_, h = windowH_;
        if (w * kCanvasHeight > h * kCanvasWidth)
            w = h * kCanvasWidth / kCanvasHeight;
        else
            h = w * kCanvasHeight / kCanvasWidth;
        view_ = SDL_Rect{static_cast<int>(windowW_ - w) / 2, static_cast<int>(windowH_ - h) / 2,
                         static_cast<int>(w), static_cast<int>(h)};
        columns_ = TapsFor(kCanvasWidth, view_.w);
        rows_ = TapsFor(kCanvasHeight, view_.h);
        lost = true;
    }
    if (whole || lost) {
        const int right = view_.x + view_.w, bottom = view_.y + view_.h;
        const SDL_Rect bars[] = {{0, 0, windowW_, view_.y},
                                 {0, bottom, windowW_, windowH_ - bottom},
                                 {0, view_.y, view_.x, view_.h},
                                 {right, view_.y, windowW_ - right, view_.h}};
        SDL_FillRects(surface, bars, 4, SDL_MapRGB(surface->format, 0, 0, 0));
        Scale(SDL_Rect{0, 0, view_.w, view_.h}, surface);
        return SDL_UpdateWindowSurface(window_) == 0;
    }
    std::vector<SDL_Rect> sent;
    for (const Rect& a : areas.rects) {
        const auto [x0, x1] = Touched(columns_, a.x, a.x + a.w);
        const auto [y0, y1] = Touched(rows_, a.y, a.y + a.h);
        if (x1 <= x0 || y1 <= y0) continue;
        const SDL_Rect part{x0, y0, x1 - x0, y1 - y0};
        Scale(part, surface);
        sent.push_back(SDL_Rect{view_.x + x0, view_.y + y0, part.w, part.h});
    }
    return sent.empty() ||
           SDL_UpdateWindowSurfaceRects(window_, sent.data(), static_cast<int>(sent.size())) == 0;
}

// The part of the view (in window pixels from the view's corner) scaled from the kept canvas:
// each canvas row it needs is mixed across once, then two such rows are mixed down. Both mixes
// take a pixel's four channels side by side, two pixels at a time.
void WindowCanvas::Scale(const SDL_Rect& part, SDL_Surface* to) {
    if (SDL_MUSTLOCK(to) && SDL_LockSurface(to) != 0) return;
    // The window's own pixels take the mix straight when they are laid out as the canvas's.
    const bool direct = to->format->format == SDL_PIXELFORMAT_RGB888;
    const size_t w = static_cast<size_t>(part.w), pairs = w / 2;
    // A line of mixed channels, a lane each, with room for a pair's spare half.
    const size_t lanes = 4 * (w + 1);
    across_.resize(2 * lanes);
    scaled_.resize(direct ? 0 : w * part.h);
    uint16_t* line[2] = {across_.data(), across_.data() + lanes};
    int mixed[2] = {-1, -1};  // the canvas row each line holds
    auto mixAcross = [&](int slot, int y) {
        const auto* row =
            reinterpret_cast<const uint8_t*>(&kept_[static_cast<size_t>(y) * kCanvasWidth]);
        const int* from = &columns_.from[part.x];
        const uint16_t* weights = &columns_.weights[8 * static_cast<size_t>(part.x)];
        for (size_t i = 0; i < pairs; ++i) {
            const Lanes mix = MixAcross(row, from[2 * i], weights + 16 * i, from[2 * i + 1],
                                        weights + 16 * i + 8);
            std::memcpy(line[slot] + 8 * i, &mix, sizeof mix);
        }
        if (w % 2) {
            const size_t i = w - 1;
            const Lanes mix = MixAcross(row, from[i], weights + 8 * i, from[i], weights + 8 * i);
            std::memcpy(line[slot] + 4 * i, &mix, sizeof mix);
        }
        mixed[slot] = y;
    };
    auto* corner = static_cast<uint8_t*>(to->pixels) +
                   static_cast<ptrdiff_t>(view_.y + part.y) * to->pitch +
                   static_cast<ptrdiff_t>(view_.x + part.x) * to->format->BytesPerPixel;
    for (int j = 0; j < part.h; ++j) {
        const int y = rows_.from[part.y + j];
        const uint32_t share = rows_.share[part.y + j];
        if (mixed[1] == y) {
            std::swap(line[0], line[1]);
            std::swap(mixed[0], mixed[1]);
        }
        if (mixed[0] != y) mixAcross(0, y);
        if (share && mixed[1] != y + 1) mixAcross(1, y + 1);
        auto* out = direct ? corner + j * to->pitch : reinterpret_cast<uint8_t*>(&scaled_[j * w]);
        MixDown(line[0], share ? line[1] : line[0], share, w, out);
    }
    if (!direct)
        SDL_ConvertPixels(part.w, part.h, SDL_PIXELFORMAT_RGB888, scaled_.data(), part.w * 4,
                          to->format->format, corner, to->pitch);
    if (SDL_MUSTLOCK(to)) SDL_UnlockSurface(to);
}

}  // namespace ui
