// The turn engine's cost: one turn of a new game, a run of 10,000 turns, and the market rules.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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
void KeepAlive(benchmark::State& state) {
    if (!GameEnded()) return;
    state.PauseTiming();
    NewGame();
    state.ResumeTiming();
}

void BM_NextTurn(benchmark::State& state) {
    NewGame();
    for (auto _ : state) {
        NextTurn();
        KeepAlive(state);
    }
}
BENCHMARK(BM_NextTurn)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// 10,000 turns from a new game; the counters give the spread of single turns.
void BM_TenThousandTurns(benchmark::State& state) {
    std::vector<double> us;
    us.reserve(10000);
    for (auto _ : state) {
        state.PauseTiming();
        NewGame();
        us.clear();
        state.ResumeTiming();
        for (int i = 0; i < 10000; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            NextTurn();
            us.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count());
            KeepAlive(state);
        }
    }
    std::sort(us.begin(), us.end());
    auto at = [&](double q) { return us[static_cast<size_t>(q * (us.size() - 1))]; };
    state.counters["turn_min_us"] = us.front();
    state.counters["turn_median_us"] = at(0.5);
    state.counters["turn_p90_us"] = at(0.9);
    state.counters["turn_p99_us"] = at(0.99);
    state.counters["turn_max_us"] = us.back();
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
