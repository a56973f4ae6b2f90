// The whole program played by the seeded random player for a while, a few seeds, and from a few
// hand-made slots: no fault, no broken invariant, and the play reaches the game's screens.
// scripts/soak plays it long.
#include "support/random_player.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "shell_fixture.h"
#include "support/extreme_slot.h"

namespace corvanth {
namespace {

class RandomPlayer : public test::ShellTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RandomPlayer, PlaysAWhileWithoutAFaultAndReachesTheGame) {
    const test::RandomPlay play = test::PlayRandomly(GetParam(), 3000);
    for (const std::string& fault : play.faults) ADD_FAILURE() << fault;
    EXPECT_EQ(play.actions, 3000);
    // Past the main menu into a game, and about in it.
    EXPECT_GE(play.games, 1);
    EXPECT_GE(play.screens.size(), 8u);
    for (const auto& [screen, times] : play.screens) std::printf("%s %d\n", screen.c_str(), times);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlayer, ::testing::Values(1u, 2u, 3u));

struct HandMade {
    test::SlotValues kind;
    uint32_t seed;
};

class HandMadeSlots : public test::ShellTest, public ::testing::WithParamInterface<HandMade> {};

// A hand-made slot, loaded from the main menu and played at random for 200 days: every fight
// ends and the money never falls below nothing. These three once held fights that no button
// could end, and sales and rewards that took money away. scripts/soak slots plays 150 of them.
TEST_P(HandMadeSlots, PlayTwoHundredDaysWithEveryFightEndedAndMoneyNeverBelowNothing) {
    const auto [kind, seed] = GetParam();
    const test::RandomPlay play =
        test::PlayHandMadeSlot(seed, test::HandMadeSave(kind, seed), 200, 400000);
    for (const std::string& fault : play.faults) ADD_FAILURE() << fault;
    EXPECT_GE(play.handMadeDays, 200);
    EXPECT_GE(play.lowestMoney, 0);
    std::printf("%s %u: %d days in %d games, %d fights, the longest %d actions\n",
                test::SlotValuesName(kind), seed, play.handMadeDays, play.handMadeLoads,
                play.fights, play.longestFight);
}

INSTANTIATE_TEST_SUITE_P(Slots, HandMadeSlots,
                         ::testing::Values(HandMade{test::SlotValues::Small, 24},
                                           HandMade{test::SlotValues::Extreme, 6},
                                           HandMade{test::SlotValues::Random, 8}));

}  // namespace
}  // namespace corvanth
