// The turn engine's cost: one turn of a new game, a run of 10,000 turns, and the market rules.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "bench_game.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/random.h"
#include "travel/NextTurnUnit.h"
#include "travel/NextTurnUnit_steps.h"
#include "tutorial/Tutorial.h"

namespace corvanth {
namespace {

// A new Federation captain as the main menu starts him, every notice answered at once.
void NewGame() {
    bench::NewGame(2213);
}

// A captain who dies of old age starts again, off the clock.
void KeepAlive(benchmark::State& state, bool ended) {
    if (!ended) return;
    state.PauseTiming();
    NewGame();
    state.ResumeTiming();
}

void BM_NextTurn(benchmark::State& state) {
    NewGame();
    for (auto _ : state) {
        KeepAlive(state, bench::Turn());
    }
}
BENCHMARK(BM_NextTurn)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// The processor time this thread has used, in microseconds.
double ThreadMicros() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// 10,000 turns from a new game; the counters give the spread of single turns, on the clock and
// in the processor time of the turn's own thread: on a shared machine a turn the system puts
// aside, or one that waits for a death's score to reach the disk, is slow on the clock alone.
void BM_TenThousandTurns(benchmark::State& state) {
    std::vector<double> us, cpu;
    us.reserve(10000);
    cpu.reserve(10000);
    for (auto _ : state) {
        state.PauseTiming();
        NewGame();
        us.clear();
        cpu.clear();
        state.ResumeTiming();
        for (int i = 0; i < 10000; ++i) {
            const double c0 = ThreadMicros();
            const auto t0 = std::chrono::steady_clock::now();
            const bool ended = bench::Turn();
            us.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
            cpu.push_back(ThreadMicros() - c0);
            KeepAlive(state, ended);
        }
    }
    auto spread = [&](std::vector<double>& v, const std::string& name) {
        std::sort(v.begin(), v.end());
        auto at = [&](double q) { return v[static_cast<size_t>(q * (v.size() - 1))]; };
        state.counters[name + "_median_us"] = at(0.5);
        state.counters[name + "_p90_us"] = at(0.9);
        state.counters[name + "_p99_us"] = at(0.99);
        state.counters[name + "_max_us"] = v.back();
    };
    spread(us, "turn");
    spread(cpu, "turn_cpu");
    state.counters["turn_min_us"] = us.front();
}
BENCHMARK(BM_TenThousandTurns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(bench::Repetitions(3));

// The market rules of a turn: the repricing from supply, and the daily drift.
void BM_UpdateMarketPrices(benchmark::State& state) {
    NewGame();
    for (auto _ : state) UpdateMarketPrices();
}
BENCHMARK(BM_UpdateMarketPrices)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

void BM_DriftMarketPrices(benchmark::State& state) {
    NewGame();
    for (auto _ : state) turn::DriftMarketPrices();
}
BENCHMARK(BM_DriftMarketPrices)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
