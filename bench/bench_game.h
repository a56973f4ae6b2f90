// A new game for the benchmarks, every notice answered the moment it shows.
#pragma once

#include <cstdint>
#include <memory>

#include "../tests/support/answering_backend.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "tutorial/Tutorial.h"

namespace corvanth::bench {

// A new Federation captain as the main menu starts him, from the given seed.
inline void NewGame(uint32_t seed) {
    static bool answering = false;
    if (!answering) {
        ui::App().SetBackend(std::make_unique<test::AnsweringBackend>());
        answering = true;
    }
    Rng().SetSeed(seed);
    TutorialStep = 0;
    InitGameData();
    ClearGameEnded();
    ApplyNewGameStart();
}

}  // namespace corvanth::bench
