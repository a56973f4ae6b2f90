// Off-screen drawing and the PNG writer.
#include "ui/render.h"

#include <SDL.h>

#include <array>
#include <fstream>

#include "ui/painter.h"
#include "ui/plaintext.h"

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

bool RenderFormToPng(const Form& form, const std::string& path) {
    SoftwareCanvas canvas(form.width, form.height);
    canvas.DrawForm(form);
    return canvas.SavePng(path);
}

namespace {

uint32_t Crc(const uint8_t* data, size_t n, uint32_t crc = 0xffffffffu) {
    static const auto table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
    return crc;
}

void Put32(std::vector<uint8_t>& v, uint32_t x) {
    for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

void Chunk(std::ofstream& out, const char* type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> head;
    Put32(head, static_cast<uint32_t>(data.size()));
    out.write(reinterpret_cast<const char*>(head.data()), 4);
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.write(reinterpret_cast<const char*>(body.data()),
              static_cast<std::streamsize>(body.size()));
    std::vector<uint8_t> crc;
    Put32(crc, Crc(body.data(), body.size()) ^ 0xffffffffu);
    out.write(reinterpret_cast<const char*>(crc.data()), 4);
}

}  // namespace

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3)
        return false;
    // Rows with filter byte 0, kept in stored (uncompressed) deflate blocks: simple and exact.
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (width * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        auto row = rgb.begin() + static_cast<std::ptrdiff_t>(y) * width * 3;
        raw.insert(raw.end(), row, row + width * 3);
    }
    std::vector<uint8_t> z{0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0;) {
        size_t n = std::min<size_t>(65535, raw.size() - at);
        bool last = at + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);

    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    out.write(reinterpret_cast<const char*>(signature), 8);
    std::vector<uint8_t> ihdr;
    Put32(ihdr, static_cast<uint32_t>(width));
    Put32(ihdr, static_cast<uint32_t>(height));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    Chunk(out, "IHDR", ihdr);
    Chunk(out, "IDAT", z);
    Chunk(out, "IEND", {});
    return static_cast<bool>(out);
}

}  // namespace ui
