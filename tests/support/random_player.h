// A seeded random player: the whole program, from its start, played by random clicks, keys and
// waits on whatever screen is on top, with the game's invariants checked as it goes.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "shell/SaveLoad.h"
#include "ui/headless.h"

namespace corvanth::test {

struct RandomPlay {
    uint32_t seed = 0;
    int actions = 0;                     // what was done, waits for the clock included
    int runs = 0;                        // program runs started (the player quits and starts again)
    int games = 0;                       // games begun, new or loaded
    int scoredGames = 0;                 // games that ended with the score
    int extremeLoads = 0;                // loads of a game of extreme numbers
    int fights = 0;                      // fights begun
    int longestFight = 0;                // actions from the start of a fight to its end, at most
    int64_t lowestMoney = INT64_MAX;     // the least money a running game held at a check
    int savesLoadedAgain = 0;            // saves of games the rules made, loaded bit for bit
    int handMadeDays = 0;                // days the hand-made slot's games were played
    int handMadeLoads = 0;               // games of it loaded, one after another ended
    std::map<std::string, int> screens;  // showings of each screen class
    std::vector<std::string> faults;     // broken invariants and errors, each with where it was
};

// Plays `actions` random actions with the seed, the program started again each time the player
// quits it. Runs in the working directory, which it fills with the game's files.
RandomPlay PlayRandomly(uint32_t seed, int actions);

// Puts the slot in slot 5, starts the program, loads it from the main menu and plays its game at
// random, loading it again whenever a game of it ends, until `days` days have passed and no fight
// is open, in at most `actions` actions.
RandomPlay PlayHandMadeSlot(uint32_t seed, const SaveImage& slot, int days, int actions);

// One action of the random player on the screen on top: a wait for the next timer on `clock`, a
// close request, a key, or a click, a typed text or a wheel turn on one of its usable components.
void ActRandomly(ui::HeadlessBackend& clock, std::mt19937& rng);

// Puts the game's own text files (the tutorial's, the stories') into the working directory.
void LinkGameTexts();

}  // namespace corvanth::test
