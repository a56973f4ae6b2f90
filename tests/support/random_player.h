// A seeded random player: the whole program, from its start, played by random clicks, keys and
// waits on whatever screen is on top, with the game's invariants checked as it goes.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ui/headless.h"

namespace corvanth::test {

struct RandomPlay {
    uint32_t seed = 0;
    int actions = 0;                     // what was done, waits for the clock included
    int runs = 0;                        // program runs started (the player quits and starts again)
    int games = 0;                       // games begun, new or loaded
    int scoredGames = 0;                 // games that ended with the score
    int extremeLoads = 0;                // loads of a game of extreme numbers
    std::map<std::string, int> screens;  // showings of each screen class
    std::vector<std::string> faults;     // broken invariants and errors, each with where it was
};

// Plays `actions` random actions with the seed, the program started again each time the player
// quits it. Runs in the working directory, which it fills with the game's files.
RandomPlay PlayRandomly(uint32_t seed, int actions);

// One action of the random player on the screen on top: a wait for the next timer on `clock`, a
// close request, a key, or a click, a typed text or a wheel turn on one of its usable components.
void ActRandomly(ui::HeadlessBackend& clock, std::mt19937& rng);

// Puts the game's own text files (the tutorial's, the stories') into the working directory.
void LinkGameTexts();

}  // namespace corvanth::test
