// Benchmark entry point: the game's screens headless, as the tests run them, then the benchmarks.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

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
    // A tenth of a second of each repetition, unless the command line says otherwise (a later
    // flag wins): ten repetitions of every benchmark then take minutes, not a quarter of an hour.
    std::vector<char*> args(argv, argv + argc);
    static char minTime[] = "--benchmark_min_time=0.1";
    args.insert(args.begin() + 1, minTime);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    argc = count;
    argv = args.data();
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
