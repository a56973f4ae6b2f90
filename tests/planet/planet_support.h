// Shared set-up of the planet tests: a new Syndicate game docked at Moscow Prime, quiet turns.
#pragma once

#include <functional>

#include "state/variables.h"
#include "support/game_test.h"

namespace corvanth::test {

// New Moscow, the Syndicate's home: Moscow Prime is the start, Gameris the arena's world.
inline constexpr int kNewMoscow = 24;
inline constexpr int kMoscowPrime = 1;
inline constexpr int kGameris = 9;

class PlanetTest : public GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A new game as the Syndicate, as the main menu leaves it: the Starwolf, $C 3.000.
    void NewSyndicateGame();
    // Pictures of the screens this test shows go to build/screens from here on.
    void WriteScreens();
    // Shows a screen as the planet screen's button would, with `script` queued for it.
    void ShowFromPlanet(ui::Form& screen, const std::function<void()>& fill);

    int32_t& Money();
    GameRecord& Ship1();
    GameRecord& Slot1(int slot);
    void SetLocationOwner(int owner);
};

}  // namespace corvanth::test
