// Smooth lettering in the game's own font, through the renderer the screens use.
#include "lettering.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <mutex>

#include "ui/fonts.h"

namespace corvanth::assets {

Coverage Letters(const std::string& text, int pixels) {
    // The font layer is not made for several threads at once.
    static std::mutex lock;
    std::lock_guard guard(lock);
    Coverage out;
    ui::Font font;
    font.bold = true;
    // The screens give sizes in points at 96 dpi.
    font.size = pixels * 72 / 96;
    TTF_Font* f = ui::OpenFont(font);
    if (!f) return out;
    SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!s) return out;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(s);
    if (!rgba) return out;
    out.w = rgba->w;
    out.h = rgba->h;
    out.a.resize(static_cast<size_t>(out.w) * out.h);
    for (int y = 0; y < out.h; ++y) {
        const auto* row = static_cast<const uint8_t*>(rgba->pixels) + y * rgba->pitch;
        for (int x = 0; x < out.w; ++x)
            out.a[static_cast<size_t>(y) * out.w + x] = row[x * 4 + 3] / 255.0f;
    }
    SDL_FreeSurface(rgba);
    return out;
}

}  // namespace corvanth::assets
