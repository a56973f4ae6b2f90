// The civil war's cost: a turn with every pair at war beside one at peace, and one day of a war
// whose target searches run out their draws.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "../tests/support/draws.h"
#include "bench_game.h"
#include "career/warstatus.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/market.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/NextTurnUnit.h"
#include "tutorial/Tutorial.h"

namespace corvanth {
namespace {

// A new Federation captain with the war news off and every relation set to `relation`.
void NewGame(int relation) {
    bench::NewGame(2213);
    GameState& g = G();
    g.Players[1][Player::HideWarNews] = 1;
    for (int f = 1; f <= 4; ++f)
        for (int o = 1; o <= 4; ++o)
            g.Factions[f][Faction::RelationBase + o] = f == o ? 1 : relation;
}

// The war keeps going: relations are put back to war after each turn, off the clock.
void BM_NextTurnAtWarOrPeace(benchmark::State& state) {
    const int relation = static_cast<int>(state.range(0));
    NewGame(relation);
    for (auto _ : state) {
        const bool ended = bench::Turn();
        state.PauseTiming();
        if (ended) NewGame(relation);
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 4; ++o)
                G().Factions[f][Faction::RelationBase + o] = f == o ? 1 : relation;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NextTurnAtWarOrPeace)
    ->ArgName("relation")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// One pair at war whose target system holds no planet of the defender: the system is found, the
// planet and facility searches draw 100,001 times each.
void BM_WarTurnStepSearchesFail(benchmark::State& state) {
    NewGame(1);
    GameState& g = G();
    g.Factions[1][Faction::RelationBase + 2] = 2;
    const int capital = g.Factions[2][Faction::CapitalSystem];
    for (int s = 1; s <= 26; ++s) g.StarSystems[s][StarSystem::Owner] = 1;
    // Every system but the capital is the Federation's; the Outer Rim holds one more, whose
    // planets all belong to someone else.
    const int target = capital == 1 ? 2 : 1;
    g.StarSystems[capital][StarSystem::Owner] = 2;
    g.StarSystems[target][StarSystem::Owner] = 2;
    for (int l = 1; l <= 35; ++l) g.Planets[target][l][Planet::Owner] = 3;
    // The draws are counted one by one on the first days only: counting them on every day made
    // this benchmark wait minutes for its counter.
    constexpr int64_t kCountedDays = 10;
    int64_t draws = 0, counted = 0;
    for (auto _ : state) {
        const uint32_t before = Rng().Seed();
        WarTurnStep();
        if (counted == kCountedDays) continue;
        state.PauseTiming();
        draws += test::DrawsBetween(before, Rng().Seed(), 1000000);
        ++counted;
        state.ResumeTiming();
    }
    state.counters["draws"] =
        static_cast<double>(draws) / static_cast<double>(std::max<int64_t>(counted, 1));
}
BENCHMARK(BM_WarTurnStepSearchesFail)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(5));

}  // namespace
}  // namespace corvanth
