// The crew's part of a turn: a whole turn with ten mercenaries aboard beside one with no crew,
// and the crew's step alone.
#include <benchmark/benchmark.h>

#include "bench_game.h"
#include "planet/CrewPay.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/NextTurnUnit.h"
#include "tutorial/Tutorial.h"

namespace corvanth {
namespace {

// A Federation captain in a Ferendar (crew 4..12), every notice answered at once.
void NewGame(int mercenaries) {
    Rng().SetSeed(1919);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    ApplyNewGameStart();
    GameRecord& ship = PlayerShip();
    ship[Ship::Class] = 5;
    ship[Ship::CrewMin] = mercenaries > 0 ? 4 : 0;
    ship[Ship::CrewMax] = 12;
    for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) ship[k] = 0;
    ship[Ship::CrewMercenaries] = mercenaries;
    Captain()[Player::Money] = 1000000;
}

// The crew is kept paid in time, so the turn measures the crew's ordinary day.
void KeepPaid() {
    PlayerFleet()[Fleet::CrewPayCountdown] = 150;
    PlayerFleet()[Fleet::Morale] = 0;
}

void BM_NextTurnNoCrew(benchmark::State& state) {
    NewGame(0);
    for (auto _ : state) {
        if (bench::Turn()) NewGame(0);
    }
}
BENCHMARK(BM_NextTurnNoCrew)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

void BM_NextTurnTenMercenaries(benchmark::State& state) {
    NewGame(10);
    for (auto _ : state) {
        KeepPaid();
        if (bench::Turn()) NewGame(10);
    }
}
BENCHMARK(BM_NextTurnTenMercenaries)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

void BM_CrewTurnStep(benchmark::State& state) {
    NewGame(10);
    for (auto _ : state) {
        KeepPaid();
        CrewTurnStep();
    }
}
BENCHMARK(BM_CrewTurnStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
