// Benchmark entry point: the game's screens headless, as the tests run them, then the benchmarks.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench_game.h"
#include "shell/background.h"
#include "ui/form.h"
#include "ui/headless.h"

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ui::SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/forms");
    ui::UseHeadless();
    corvanth::CreateScreens();
    corvanth::bench::AnswerEveryScreen();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
