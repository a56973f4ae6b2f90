// The software renderer's whole frame at 1280 x 960: the canvas scaled onto the window's own
// pixels, beside SDL's own scaled copy of a canvas of the same size.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kWindowWidth = 1280, kWindowHeight = 960;

// Nothing changed on the canvas: the window is given all of it again, as after an expose.
void BM_WholeFrameScaled(benchmark::State& state) {
    ui::OffscreenWindow window(ui::kCanvasWidth, ui::kCanvasHeight);
    window.Resize(kWindowWidth, kWindowHeight);
    window.Frame(true);
    if (window.Width() != kWindowWidth) state.SkipWithError("no window of that size");
    for (auto _ : state) window.Frame(true);
}
BENCHMARK(BM_WholeFrameScaled)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// The yardstick: SDL's software renderer copying a canvas texture, linearly scaled, onto a target
// of the window's size, as a window's software renderer shows a kept canvas.
void BM_SdlScaledCopy(benchmark::State& state) {
    SDL_Surface* target =
        SDL_CreateRGBSurfaceWithFormat(0, kWindowWidth, kWindowHeight, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* r = target ? SDL_CreateSoftwareRenderer(target) : nullptr;
    SDL_Texture* canvas = r ? SDL_CreateTexture(r, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                                ui::kCanvasWidth, ui::kCanvasHeight)
                            : nullptr;
    if (!canvas) {
        state.SkipWithError(SDL_GetError());
    } else {
        SDL_SetTextureBlendMode(canvas, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(canvas, SDL_ScaleModeLinear);
        SDL_SetRenderTarget(r, canvas);
        SDL_SetRenderDrawColor(r, 40, 90, 160, 255);
        SDL_RenderClear(r);
        SDL_SetRenderTarget(r, nullptr);
        for (auto _ : state) {
            SDL_RenderCopy(r, canvas, nullptr, nullptr);
            SDL_RenderPresent(r);
        }
    }
    if (canvas) SDL_DestroyTexture(canvas);
    if (r) SDL_DestroyRenderer(r);
    if (target) SDL_FreeSurface(target);
}
BENCHMARK(BM_SdlScaledCopy)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
