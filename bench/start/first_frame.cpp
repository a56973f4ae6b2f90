// Preloaded into a program to end it the moment its first frame is on the window: start-up timed
// up to what the player first sees, the game's and the bare program's alike. A frame reaches the
// window through the renderer or, on the software renderer, straight from the window's pixels.
#include <dlfcn.h>
#include <unistd.h>

struct SDL_Renderer;
struct SDL_Window;
struct SDL_Rect;

namespace {

template <typename Call, typename... Args>
int ThenExit(const char* name, Args... args) {
    if (const auto call = reinterpret_cast<Call>(dlsym(RTLD_NEXT, name))) call(args...);
    ::_exit(0);
}

}  // namespace

extern "C" void SDL_RenderPresent(SDL_Renderer* renderer) {
    ThenExit<void (*)(SDL_Renderer*)>("SDL_RenderPresent", renderer);
}

extern "C" int SDL_UpdateWindowSurface(SDL_Window* window) {
    return ThenExit<int (*)(SDL_Window*)>("SDL_UpdateWindowSurface", window);
}

extern "C" int SDL_UpdateWindowSurfaceRects(SDL_Window* window, const SDL_Rect* rects, int n) {
    return ThenExit<int (*)(SDL_Window*, const SDL_Rect*, int)>("SDL_UpdateWindowSurfaceRects",
                                                                window, rects, n);
}
