// The combat's cost: whole seeded battles fought by a seeded player with every notice answered
// headless, per battle and per combat turn, and the enemy build alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "../tests/support/combat_player.h"
#include "bench_game.h"
#include "combat/Encounter.h"
#include "combat/combat2.h"
#include "combat/combat2_screen.h"
#include "shell/background.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"
#include "ui/damage.h"
#include "ui/headless.h"
#include "ui/render.h"

namespace corvanth {
namespace {

// A new Federation captain whose battles leave the game running: no death screen, no score.
void NewCombatGame() {
    Rng().SetSeed(2213);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    ApplyNewGameStart();
    GameRecord& c = G().Players[G().CurrentPlayer];
    c[Player::HideFameGainNotices] = c[Player::HideReputationGainNotices] = 1;
    Upcalls calls = StandardUpcalls();
    calls.KillCaptain = [] {};
    calls.RefreshTravelScreen = [] {};
    calls.RefreshStatusPanel = [] {};
    GameUpcalls() = calls;
}

// The player's ship whole again before the next battle.
void RepairPlayerShip() {
    GameState& g = G();
    g.Ships[g.CurrentFleet][1][Ship::Present] = 1;
    RecalcShipStats(g.CurrentFleet, 1, 0, 0);
}

struct Spread {
    double median, p10, p90;
};
Spread SpreadOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[static_cast<size_t>(q * (v.size() - 1))]; };
    return {at(0.5), at(0.1), at(0.9)};
}

// 1,000 battles against every faction and size class, each timed alone.
void BM_SeededBattles(benchmark::State& state) {
    NewCombatGame();
    std::vector<double> perBattle, perTurn;
    for (auto _ : state) {
        perBattle.clear();
        perTurn.clear();
        for (int i = 0; i < 1000; ++i) {
            RepairPlayerShip();
            test::SeededCombatPlayer player(static_cast<uint32_t>(i) * 2654435761u);
            GameUpcalls().ShowCombatScreen = [&] { player.Fight(); };
            Rng().SetSeed(1000 + i);
            const auto t0 = std::chrono::steady_clock::now();
            test::FromHome([i] { StartShipBattle(1 + (i / 5) % 5, 1 + i % 5, 0); });
            const double us =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count();
            perBattle.push_back(us);
            perTurn.push_back(us / std::max(1, CombatTurnCount));
        }
    }
    const Spread battle = SpreadOf(perBattle), turn = SpreadOf(perTurn);
    state.counters["battle_median_us"] = battle.median;
    state.counters["battle_p10_us"] = battle.p10;
    state.counters["battle_p90_us"] = battle.p90;
    state.counters["turn_median_us"] = turn.median;
    state.counters["turn_p10_us"] = turn.p10;
    state.counters["turn_p90_us"] = turn.p90;
}
BENCHMARK(BM_SeededBattles)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(bench::Repetitions(3));

// The build of one enemy ship: its class, its faction's outfit and its cargo.
void BM_EnemyBuild(benchmark::State& state) {
    NewCombatGame();
    int i = 0;
    for (auto _ : state) {
        const int faction = 1 + i % 5, size = 1 + (i / 5) % 5;
        SetupShipOfType(EncounterShipType(faction, size, (i * 37) % 100, false), 1);
        OutfitShipForFaction(faction);
        ++i;
    }
}
BENCHMARK(BM_EnemyBuild)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// One frame of the combat screen by the software renderer, mid-fight against a pirate: both
// pictures, the tracks and the radar drawn. The median of ten runs is the figure to read.
void BM_DrawCombatScreen(benchmark::State& state) {
    NewCombatGame();
    GameUpcalls().ShowCombatScreen = [] {};
    StartShipBattle(2, FactionId::Pirates, 0);
    ui::SoftwareCanvas canvas(1024, 768);
    canvas.DrawForm(*Form14);  // pictures and texts are loaded once, as in the game
    for (auto _ : state) {
        canvas.DrawForm(*Form14);
        benchmark::DoNotOptimize(canvas.PixelAt(512, 384));
    }
    GameUpcalls() = StandardUpcalls();
}
BENCHMARK(BM_DrawCombatScreen)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

// One tick of the combat screen's radar over the travel screen, as the window draws it: the
// line moved, then only the changed places drawn (argument 1) or the whole stack of screens
// (argument 0, as every frame was drawn before). The median of ten runs is the figure to read.
void BM_RadarTick(benchmark::State& state) {
    NewCombatGame();
    const bool changesOnly = state.range(0) == 1;
    ui::ScriptedPlayer& player = ui::UseHeadless();
    player.Reset();
    ui::SoftwareCanvas canvas(ui::kCanvasWidth, ui::kCanvasHeight);
    ui::Damage damage;
    player.Do("TForm2", [](ui::Form&) { StartShipBattle(2, FactionId::Pirates, 0); })
        .Do("TForm14",
            [&](ui::Form&) {
                canvas.DrawChanges(damage.Take());  // the first frame draws everything
                for (auto _ : state) {
                    Form14->Timer1Timer();
                    if (changesOnly)
                        canvas.DrawChanges(damage.Take());
                    else
                        canvas.DrawStack();
                    benchmark::DoNotOptimize(canvas.PixelAt(512, 384));
                }
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    player.Reset();
    GameUpcalls() = StandardUpcalls();
}
BENCHMARK(BM_RadarTick)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::Repetitions(10))
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace corvanth
