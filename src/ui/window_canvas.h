// The canvas the window's screens are drawn on, kept from frame to frame, and its way onto the
// window.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

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

    // Where the pixels of one line of the window come from: for each window pixel, the canvas
    // pixel at or before the point it shows, and the share of the next one in 256ths; the
    // weights of the two, for each of the four channels of a pixel, as the mixing takes them.
    struct Taps {
        std::vector<int> from;
        std::vector<uint32_t> share;
        std::vector<uint16_t> weights;
    };

  private:
    bool Send(const Areas& areas, bool lost);
    void Scale(const SDL_Rect& part, SDL_Surface* to);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    Painter& painter_;
    Damage damage_;
    SDL_Texture* canvas_ = nullptr;
    bool noCanvas_ = false;
    bool software_ = false;
    // A software renderer's window gets the canvas scaled here: the canvas's pixels as last
    // drawn, and where on the window it lies.
    std::vector<uint32_t> kept_;
    bool keptWhole_ = false;
    SDL_Rect view_{0, 0, 0, 0};
    int windowW_ = 0, windowH_ = 0;
    Taps columns_, rows_;
    std::vector<uint16_t> across_;
    std::vector<uint32_t> scaled_;
};

}  // namespace ui
