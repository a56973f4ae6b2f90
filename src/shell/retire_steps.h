// The seven steps of the final score, worked out from the game tables without any screen.
#pragma once

#include <cstdint>
#include <string>

namespace corvanth {

// What one step shows, and the score line after it.
struct ScoreStep {
    int number = 0;  // 1..7
    std::string headline;
    std::string picture;
    std::string text;
    std::string line;
    enum class Sound { None, HighestRank, Marriage, Victory } sound = Sound::None;
};

// score + (score div 100) x p, truncating toward zero like every percentage of the game.
int64_t ApplyPercent(int64_t score, int percent);
// "Score + 35% = 1.234" for a gain, "Score 0% = ..." and "Score -25% = ..." otherwise.
std::string PercentLine(int percent, int64_t score);

// The captain's age at a turn: 20 and one year per 90 turns.
int64_t AgeAtTurn(int64_t turn);
// The age step's percentage: -50 for a dead captain; else by the age band and the age-drug
// doses, within -50..50. Ages and doses outside the tables count as their nearest entry.
int AgePercent(int64_t age, int doses, bool dead);
// The awards step's percentage: by rank, one per ribbon, and the medals, within -25..35.
int AwardsPercent(int rank, int ribbons, bool silverStar, bool goldStar, bool topMedal);

// One step each; `score` is the running score, which the step changes.
ScoreStep FortuneStep(int64_t& score);
ScoreStep AgeStep(int64_t& score);
ScoreStep AwardsStep(int64_t& score);
ScoreStep OwnPlanetStep(int64_t& score);
ScoreStep MarriageStep(int64_t& score);
ScoreStep TreasureFleetStep(int64_t& score);
ScoreStep CivilWarStep(int64_t& score);

// The final score, step by step, in this order.
using ScoreRule = ScoreStep (*)(int64_t& score);
inline constexpr ScoreRule kScoreSteps[] = {
    FortuneStep, AgeStep, AwardsStep, OwnPlanetStep, MarriageStep, TreasureFleetStep, CivilWarStep,
};

}  // namespace corvanth
