// Off-screen drawing and PNG files of it.
#include "ui/render.h"

#include <SDL.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>

#include "ui/painter.h"
#include "ui/plaintext.h"
#include "ui/window_canvas.h"

namespace ui {

struct SoftwareCanvas::Impl {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<Painter> painter;
};

SoftwareCanvas::SoftwareCanvas(int width, int height) : impl_(std::make_unique<Impl>()) {
    impl_->surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
    if (impl_->surface) impl_->renderer = SDL_CreateSoftwareRenderer(impl_->surface);
    if (impl_->renderer) impl_->painter = std::make_unique<Painter>(impl_->renderer);
}

SoftwareCanvas::~SoftwareCanvas() {
    impl_->painter.reset();
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
    if (impl_->surface) SDL_FreeSurface(impl_->surface);
}

void SoftwareCanvas::DrawForm(const Form& form) {
    if (!impl_->painter) return;
    impl_->painter->DrawForm(form, 0, 0);
    SDL_RenderPresent(impl_->renderer);
}

void SoftwareCanvas::DrawStack() {
    if (!impl_->painter) return;
    impl_->painter->DrawStack();
    SDL_RenderPresent(impl_->renderer);
}

void SoftwareCanvas::DrawChanges(const Areas& areas) {
    if (!impl_->painter) return;
    if (areas.whole)
        impl_->painter->DrawStack();
    else
        impl_->painter->DrawAreas(areas.rects);
    SDL_RenderPresent(impl_->renderer);
}

void SoftwareCanvas::DrawPlainNotice(const std::vector<std::string>& lines) {
    if (!impl_->renderer) return;
    DrawPlainNoticeOn(impl_->renderer, lines);
    SDL_RenderPresent(impl_->renderer);
}

uint32_t SoftwareCanvas::PixelAt(int x, int y) const {
    SDL_Surface* s = impl_->surface;
    if (!s || x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
    auto* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xffffff;
}

bool SoftwareCanvas::SavePng(const std::string& path) const {
    SDL_Surface* s = impl_->surface;
    if (!s) return false;
    std::vector<uint8_t> rgb(static_cast<size_t>(s->w) * s->h * 3);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            uint32_t p = PixelAt(x, y);
            uint8_t* out = &rgb[(static_cast<size_t>(y) * s->w + x) * 3];
            out[0] = static_cast<uint8_t>(p >> 16);
            out[1] = static_cast<uint8_t>(p >> 8);
            out[2] = static_cast<uint8_t>(p);
        }
    return WritePng(path, s->w, s->h, rgb);
}

struct OffscreenWindow::Impl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<Painter> painter;
    std::unique_ptr<WindowCanvas> canvas;
    bool video = false;
};

OffscreenWindow::OffscreenWindow(int width, int height) : impl_(std::make_unique<Impl>()) {
    // SDL's video without a display and its software renderer, whatever the environment names.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    impl_->video = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (impl_->video) impl_->window = SDL_CreateWindow("", 0, 0, width, height, 0);
    int software = -1;
    for (int i = 0; i < SDL_GetNumRenderDrivers() && software < 0; ++i) {
        SDL_RendererInfo info{};
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE))
            software = i;
    }
    if (impl_->window && software >= 0)
        impl_->renderer = SDL_CreateRenderer(impl_->window, software, SDL_RENDERER_SOFTWARE);
    if (impl_->renderer) impl_->painter = std::make_unique<Painter>(impl_->renderer);
    if (impl_->painter)
        impl_->canvas =
            std::make_unique<WindowCanvas>(impl_->window, impl_->renderer, *impl_->painter);
}

OffscreenWindow::~OffscreenWindow() {
    impl_->canvas.reset();
    impl_->painter.reset();
    if (impl_->renderer) SDL_DestroyRenderer(impl_->renderer);
    if (impl_->window) SDL_DestroyWindow(impl_->window);
    if (impl_->video) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
}

bool OffscreenWindow::Open() const {
    return impl_->canvas != nullptr;
}

void OffscreenWindow::Resize(int width, int height) {
    if (impl_->window) SDL_SetWindowSize(impl_->window, width, height);
}

void OffscreenWindow::Frame(bool lost) {
    if (impl_->canvas) impl_->canvas->Frame(lost);
}

int OffscreenWindow::Width() const {
    SDL_Surface* s = impl_->window ? SDL_GetWindowSurface(impl_->window) : nullptr;
    return s ? s->w : 0;
}

int OffscreenWindow::Height() const {
    SDL_Surface* s = impl_->window ? SDL_GetWindowSurface(impl_->window) : nullptr;
    return s ? s->h : 0;
}

std::vector<uint32_t> OffscreenWindow::Pixels() const {
    SDL_Surface* s = impl_->window ? SDL_GetWindowSurface(impl_->window) : nullptr;
    std::vector<uint32_t> out;
    if (!s) return out;
    std::vector<uint32_t> rgb(static_cast<size_t>(s->w) * s->h);
    if (SDL_ConvertPixels(s->w, s->h, s->format->format, s->pixels, s->pitch,
                          SDL_PIXELFORMAT_RGB888, rgb.data(), s->w * 4) != 0)
        return out;
    for (uint32_t& p : rgb) p &= 0xffffff;
    return rgb;
}

bool RenderFormToPng(const Form& form, const std::string& path) {
    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    return canvas.SavePng(path);
}

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3)
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    // libpng reports its failures by jumping back here; nothing below owns a destructor.
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y)
            png_write_row(png, rgb.data() + static_cast<size_t>(y) * width * 3);
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    return std::fclose(file) == 0 && ok;
}

}  // namespace ui
