// Shared set-up of the travel tests: a new Federation game and quiet turns.
#pragma once

#include <array>
#include <random>
#include <string>

#include "state/variables.h"
#include "support/game_test.h"

namespace corvanth::test {

// Finis, the Federation's home system: the locations the tests use, by index and cell.
inline constexpr int kFinisPrime = 1;      // C4, the start
inline constexpr int kPergor = 2;          // F2
inline constexpr int kSargoth = 4;         // D2
inline constexpr int kJumpNewIreland = 7;  // A5
inline constexpr int kFinisSun = 9;        // E3, a special location

// An active mission for the captain: kind, scope, the objective fields 8..11 and the target
// system; a reward of $C 12.500 from the Federation at difficulty 2.
GameRecord& SetMission(int kind, int scope, std::array<int, 4> objectives, int target);

// A trip's end, as the travel screen would leave it: a random location of a random system, at
// times still on the way. For the long runs of turns.
void WanderSomewhere(std::mt19937& rng);

class TravelTest : public GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A new game as the Federation, as the main menu and the new-captain screen leave it:
    // turn 0, the Avenger at Finis Prime, $C 3.000.
    void NewFederationGame();
    // The ship's trip factors set by hand: speed class, crew by kind, crew minimum, morale.
    void SetTripFactors(int speedClass, int officers, int droids, int mercenaries, int crewMin,
                        int morale);
    // The engine in slot 1 with that reliability and speed; no other slot holds an item.
    void FitEngine(int reliability, int speed = 2);
    int Money() const;
};

}  // namespace corvanth::test
