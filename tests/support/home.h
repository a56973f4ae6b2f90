// The main menu's part where no main menu is showing: a game that ends inside a rule or a screen
// run from here unwinds to here, and the test or the benchmark goes on after it.
#pragma once

#include "ui/application.h"

namespace corvanth::test {

// Runs `play` as the main menu runs a game: true when the game ended inside it, every screen it
// opened closed again and nothing after the end run.
template <class Play>
bool FromHome(Play&& play) {
    try {
        play();
    } catch (const ui::GameOver&) {
        return true;
    }
    return false;
}

}  // namespace corvanth::test
