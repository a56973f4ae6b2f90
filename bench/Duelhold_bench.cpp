// The arena's cost: one turn's tournament step with all three cups in their first round, beside
// the whole turn around it.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "combat/Duelhold_Main.h"
#include "state/random.h"
#include "travel/NextTurnUnit.h"

namespace corvanth {
namespace {

struct Arena {
    decltype(GameState::Tournaments) tournaments;
    decltype(GameState::TournamentEntrants) entrants;
    decltype(GameState::Gladiators) gladiators;
};

// Every cup drawn and in its first round, every entrant at full health as a watched round
// starts: sixteen-place rounds fought to their end, with the odds read again on the way.
Arena CupsInTheirRounds() {
    bench::NewGame(2424);
    GameState& g = G();
    InitGladiators();
    for (int t = kFirstTournament; t <= kLastTournament; ++t)
        g.Tournaments[t][Tournament::Phase] = 0;
    DrawTournamentEntrants();
    for (int t = kFirstTournament; t <= kLastTournament; ++t) {
        g.Tournaments[t][Tournament::Phase] = 1;
        for (int place = 1; place <= 16; ++place)
            GladiatorRecord(g.TournamentEntrants[t][place])[Gladiator::Health] = 100;
    }
    return {g.Tournaments, g.TournamentEntrants, g.Gladiators};
}

void Restore(const Arena& a) {
    GameState& g = G();
    g.Tournaments = a.tournaments;
    g.TournamentEntrants = a.entrants;
    g.Gladiators = a.gladiators;
}

void BM_AdvanceTournaments(benchmark::State& state) {
    const Arena arena = CupsInTheirRounds();
    for (auto _ : state) {
        state.PauseTiming();
        Restore(arena);
        state.ResumeTiming();
        AdvanceTournaments();
    }
}
BENCHMARK(BM_AdvanceTournaments)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// How many draws one step of the cups makes: the generator stepped one draw at a time from
// where it stood until it stands where the step left it.
int64_t DrawsOfOneStep(const Arena& arena) {
    Restore(arena);
    RandomGenerator walker = Rng();
    AdvanceTournaments();
    int64_t draws = 0;
    for (; walker.Seed() != Rng().Seed(); ++draws) walker.Next(1);
    return draws;
}

// The floor under the step: as many draws, one after the other, with nothing done per draw but
// keeping its value.
void BM_CupDrawsAlone(benchmark::State& state) {
    const int64_t draws = DrawsOfOneStep(CupsInTheirRounds());
    RandomGenerator rng;
    rng.SetSeed(2424);
    for (auto _ : state) {
        int32_t sum = 0;
        for (int64_t i = 0; i < draws; ++i) sum += rng.Next(100);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_CupDrawsAlone)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

void BM_NextTurnWithCupsInTheirRounds(benchmark::State& state) {
    const Arena arena = CupsInTheirRounds();
    bool ended = false;
    for (auto _ : state) {
        state.PauseTiming();
        Restore(arena);
        if (ended) bench::NewGame(2424);
        state.ResumeTiming();
        ended = bench::Turn();
    }
}
BENCHMARK(BM_NextTurnWithCupsInTheirRounds)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
