// The canvas the window's screens are drawn on, kept from frame to frame, and its way onto the
// window.
#pragma once

#include <SDL.h>

#include "ui/damage.h"
#include "ui/painter.h"

namespace ui {

class WindowCanvas {
  public:
    // The window shows the canvas scaled to its size, keeping the canvas's aspect.
    WindowCanvas(SDL_Window* window, SDL_Renderer* renderer, Painter& painter);
    ~WindowCanvas();
    WindowCanvas(const WindowCanvas&) = delete;
    WindowCanvas& operator=(const WindowCanvas&) = delete;

    // Draws what changed on the shown screens since the last frame and shows it; with `lost`
    // (the window was exposed or resized) the window gets all of the canvas.
    void Frame(bool lost);
    // What lay on the canvas is gone (the renderer lost its targets): the next frame draws all.
    void Forget() { damage_.Forget(); }

  private:
    void SendAreas(const std::vector<Rect>& rects);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    Painter& painter_;
    Damage damage_;
    SDL_Texture* canvas_ = nullptr;
    bool noCanvas_ = false;
    bool software_ = false;
};

}  // namespace ui
