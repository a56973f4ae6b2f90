// The window's renderer, chosen by what a child process finds the desktop's OpenGL to be.
#include "ui/renderer_choice.h"

#include <SDL_opengl.h>
#include <dirent.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace ui {

namespace {

constexpr char kAccelerated = 'A', kSoftware = 'S';
// Long enough for a graphics driver loaded cold from disk; a child that hangs costs no more.
constexpr int kAnswerLimitMs = 3000;

// Whether the renderer is OpenGL rasterised on the processor, as on a machine without a graphics
// card.
bool RasterisedInSoftware(SDL_Renderer* r) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(r, &info) != 0 || !info.name ||
        std::strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const GLubyte*(APIENTRY*)(GLenum);
    const auto get = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const GLubyte* name = get ? get(GL_RENDERER) : nullptr;
    if (!name) return false;
    const std::string rasteriser(reinterpret_cast<const char*>(name));
    for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer"})
        if (rasteriser.find(software) != std::string::npos) return true;
    return false;
}

// A graphics card shows as a device node: one the kernel renders with, the NVIDIA driver's own,
// or a card lent to a Linux inside Windows. Without one any OpenGL is rasterised on the processor,
// which nothing needs to load to know.
bool GraphicsDevicePresent() {
    for (const char* node : {"/dev/nvidiactl", "/dev/dxg"})
        if (access(node, F_OK) == 0) return true;
    DIR* devices = opendir("/dev/dri");
    if (!devices) return false;
    bool found = false;
    while (const dirent* entry = readdir(devices))
        if (std::strncmp(entry->d_name, "renderD", 7) == 0) found = true;
    closedir(devices);
    return found;
}

// In the child: the renderer SDL would give the game's window, on a small window never shown.
// Nothing is cleaned up; the child ends straight after.
char AskTheDesktop() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return kSoftware;
    SDL_Window* w = SDL_CreateWindow("", 0, 0, 16, 16, SDL_WINDOW_HIDDEN);
    if (!w) return kSoftware;
    SDL_Renderer* r =
        SDL_CreateRenderer(w, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    return r && !RasterisedInSoftware(r) ? kAccelerated : kSoftware;
}

}  // namespace

RendererChoice::RendererChoice() {
    // A renderer the player named for SDL stays, whatever it is.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    named_ = asked && *asked;
    if (!named_ && GraphicsDevicePresent()) question_.emplace(AskTheDesktop, kAnswerLimitMs);
}

SDL_Renderer* RendererChoice::Create(SDL_Window* window) {
    const bool accelerated = named_ || (question_ && question_->Answer(kSoftware) == kAccelerated);
    SDL_Renderer* r =
        accelerated
            ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC)
            : nullptr;
    if (!r) r = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return r;
}

}  // namespace ui
