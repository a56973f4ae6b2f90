// The day's mission offers: at a Federation planet, and where every search runs out its draws.
#include <benchmark/benchmark.h>

#include "../tests/support/running_game.h"
#include "bench_game.h"
#include "career/missions.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"

namespace corvanth {
namespace {

void NewFederationGame() {
    Rng().SetSeed(4711);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    G().Players[1][Player::Faction] = 1;
    ApplyNewGameStart();
    G().Factions[1][Faction::Rank] = 6;
}

void BM_MissionOffersFederation(benchmark::State& state) {
    NewFederationGame();
    for (auto _ : state) {
        GenerateMissionOffers();
        benchmark::DoNotOptimize(G().MissionOffers);
    }
}
BENCHMARK(BM_MissionOffersFederation)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// No other system exists and the fleet's own system has no other location: every search of
// every record makes its 10,000 draws and finds nothing.
void BM_MissionOffersEverySearchFails(benchmark::State& state) {
    NewFederationGame();
    test::OnlyTheFleetsLocation();
    for (auto _ : state) {
        GenerateMissionOffers();
        benchmark::DoNotOptimize(G().MissionOffers);
    }
}
BENCHMARK(BM_MissionOffersEverySearchFails)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
