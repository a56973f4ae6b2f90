// A new game for the benchmarks, and the player who answers every screen the moment it shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "../tests/support/answering_backend.h"
#include "../tests/support/home.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "travel/NextTurnUnit.h"
#include "tutorial/Tutorial.h"

namespace corvanth::bench {

// The short run that scripts/test makes (scripts/bench --short sets CORVANTH_BENCH_SHORT): one
// repetition of a few iterations each, to catch a benchmark that aborts rather than to measure.
inline bool ShortRun() {
    static const bool quick = std::getenv("CORVANTH_BENCH_SHORT") != nullptr;
    return quick;
}
inline int Repetitions(int n) {
    return ShortRun() ? 1 : n;
}
inline int64_t Iterations(int64_t n) {
    return ShortRun() ? std::max<int64_t>(1, n / 100) : n;
}

// The player of every benchmark: whatever screen a turn opens is answered at once, and loot that
// customs would find is left behind. Installed once, before the first benchmark.
inline void AnswerEveryScreen() {
    auto backend = std::make_unique<test::AnsweringBackend>();
    backend->leaveIllegalLoot = true;
    backend->answerEveryScreen = true;
    backend->record = false;
    ui::App().SetBackend(std::move(backend));
}

// One turn as the main menu's game runs it; true when the captain's game ended in it.
inline bool Turn() {
    return test::FromHome(NextTurn);
}

// A new Federation captain as the main menu starts him, from the given seed.
inline void NewGame(uint32_t seed) {
    Rng().SetSeed(seed);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    ApplyNewGameStart();
}

}  // namespace corvanth::bench
