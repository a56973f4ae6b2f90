// The travel screen's cost: one frame drawn by the software renderer, and a whole refresh.
#include <benchmark/benchmark.h>

#include "../tests/travel/quiet_turns.h"
#include "bench_game.h"
#include "shell/background.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"
#include "ui/render.h"

namespace corvanth {
namespace {

// A Federation captain's first day: Sargoth selected, the trade box open on the synthetics, so
// that the map shows its prices. Turns bring no encounter or news, which would wait for input.
void TravelScreenOfANewGame() {
    GameUpcalls() = test::QuietUpcalls();
    Rng().SetSeed(2213);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    ApplyNewGameStart();
    GameState& g = G();
    g.TurnNumber = 1;
    // Thousands of turns pass here: the birthday boxes would wait for an answer.
    g.Players[1][Player::CheatNoAgeing] = 1;
    g.SelectedPlanet = 4;
    g.SelectedTradeGood = 5;
    Form2->TradeGroupBox->visible = Form2->Shape34->visible = Form2->Shape35->visible = true;
    RefreshTravelScreen();
}

void BM_DrawTravelScreen(benchmark::State& state) {
    TravelScreenOfANewGame();
    ui::SoftwareCanvas canvas(1024, 768);
    canvas.DrawForm(*Form2);  // pictures and texts are loaded once, as in the game
    for (auto _ : state) {
        canvas.DrawForm(*Form2);
        benchmark::DoNotOptimize(canvas.PixelAt(512, 384));
    }
}
BENCHMARK(BM_DrawTravelScreen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// What the screen does after every day: all of it rebuilt from the tables, the turn off the clock.
// A fixed count: pausing the clock costs far more than the refresh, and letting the library pick
// the count for a few microseconds ran hundreds of thousands of turns.
void BM_RefreshAfterATurn(benchmark::State& state) {
    TravelScreenOfANewGame();
    for (auto _ : state) {
        state.PauseTiming();
        bench::Turn();
        state.ResumeTiming();
        RefreshTravelScreen();
    }
    GameUpcalls() = StandardUpcalls();
}
BENCHMARK(BM_RefreshAfterATurn)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(bench::Iterations(2000))
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
