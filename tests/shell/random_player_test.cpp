// The whole program played by the seeded random player for a while, a few seeds: no fault, no
// broken invariant, and the play reaches the game's screens. scripts/soak plays it long.
#include "support/random_player.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"

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

}  // namespace
}  // namespace corvanth
