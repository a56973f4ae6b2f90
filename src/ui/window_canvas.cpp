// The window's canvas: only what changed is drawn again, and only that is sent when it can be.
#include "ui/window_canvas.h"

#include <vector>

#include "ui/application.h"

namespace ui {

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
// drawn again; the window gets the whole canvas. Without such a canvas, all is drawn.
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
    SDL_SetRenderTarget(renderer_, nullptr);
    if (areas.Empty() && !lost) return;
    if (!areas.whole && !lost && software_) {
        SendAreas(areas.rects);
        return;
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

// A software renderer draws into the window's own pixels, which stay from frame to frame:
// only the changed places are scaled onto them and sent to the desktop. Scaling the whole
// canvas for a radar line cost more than all the rest of a frame.
void WindowCanvas::SendAreas(const std::vector<Rect>& rects) {
    SDL_Rect view{};
    float sx = 1, sy = 1;
    SDL_RenderGetViewport(renderer_, &view);
    SDL_RenderGetScale(renderer_, &sx, &sy);
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    const SDL_Rect canvas{0, 0, kCanvasWidth, kCanvasHeight}, window{0, 0, ww, wh};
    std::vector<SDL_Rect> sent;
    for (const Rect& a : rects) {
        // A pixel more on each side: the scaled copy blends across its edges.
        SDL_Rect r{a.x - 1, a.y - 1, a.w + 2, a.h + 2}, out{};
        if (!SDL_IntersectRect(&r, &canvas, &r)) continue;
        SDL_RenderCopy(renderer_, canvas_, &r, &r);
        const int x0 = static_cast<int>((r.x + view.x) * sx) - 1;
        const int y0 = static_cast<int>((r.y + view.y) * sy) - 1;
        const int x1 = static_cast<int>((r.x + r.w + view.x) * sx) + 2;
        const int y1 = static_cast<int>((r.y + r.h + view.y) * sy) + 2;
        const SDL_Rect w{x0, y0, x1 - x0, y1 - y0};
        if (SDL_IntersectRect(&w, &window, &out)) sent.push_back(out);
    }
    SDL_RenderFlush(renderer_);
    if (!sent.empty() &&
        SDL_UpdateWindowSurfaceRects(window_, sent.data(), static_cast<int>(sent.size())) != 0)
        SDL_RenderPresent(renderer_);
}

}  // namespace ui
