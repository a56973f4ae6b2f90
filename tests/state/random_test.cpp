// The generator's sequence is part of the game: saves and replays depend on every draw.
#include "state/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace corvanth {
namespace {

TEST(Random, FollowsTheLinearCongruentialSequence) {
    RandomGenerator rng;
    rng.SetSeed(1);
    // seed 1 -> 1 * 134775813 + 1 = 134775814; 100 * 134775814 >> 32 = 3.
    EXPECT_EQ(rng.Next(100), 3);
    EXPECT_EQ(rng.Seed(), 134775814u);
    // The seed wraps modulo 2^32: 134775814 * 134775813 + 1 mod 2^32.
    uint32_t expected = static_cast<uint32_t>(134775814ull * 134775813ull + 1ull);
    rng.Next(10);
    EXPECT_EQ(rng.Seed(), expected);
}

TEST(Random, StaysInRangeAndNonPositiveBoundsYieldZero) {
    RandomGenerator rng;
    rng.SetSeed(0xdeadbeef);
    for (int i = 0; i < 10000; ++i) {
        int32_t r = rng.Next(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
    }
    uint32_t before = rng.Seed();
    EXPECT_EQ(rng.Next(0), 0);
    EXPECT_NE(rng.Seed(), before);  // the draw still advances the sequence
    EXPECT_EQ(rng.Next(-5), 0);
    rng.SetSeed(0xffffffffu);
    EXPECT_LT(rng.Next(2147483647), 2147483647);
}

// A jump of n draws lands where n single draws do. The sequence has the full period 2^32
// (multiplier 1 modulo 4, odd increment), so a jump of 2^32 comes back to the seed it left.
TEST(Random, SkipLandsWhereTheSameNumberOfDrawsDoes) {
    for (uint32_t seed : {0u, 1u, 0xdeadbeefu, 0xffffffffu}) {
        for (uint64_t n : {0ull, 1ull, 2ull, 3ull, 7ull, 64ull, 10000ull, 100001ull, 300003ull}) {
            RandomGenerator stepped, jumped;
            stepped.SetSeed(seed);
            jumped.SetSeed(seed);
            for (uint64_t i = 0; i < n; ++i) stepped.Next(100);
            jumped.Skip(n);
            EXPECT_EQ(jumped.Seed(), stepped.Seed()) << seed << " + " << n;
        }
        RandomGenerator full;
        full.SetSeed(seed);
        full.Skip(1ull << 32);
        EXPECT_EQ(full.Seed(), seed);
        RandomGenerator five, past;
        five.SetSeed(seed);
        past.SetSeed(seed);
        for (int i = 0; i < 5; ++i) five.Next(1);
        past.Skip((1ull << 32) + 5);
        EXPECT_EQ(past.Seed(), five.Seed());
    }
}

// The search stops at the first wanted value and leaves the generator where drawing one by one
// would: found or not, wanted values in range, out of range, or none at all.
TEST(Random, DrawUntilWantedTakesTheDrawsOfTheSearchItReplaces) {
    struct Case {
        int32_t range;
        uint64_t wanted;
        int64_t draws;
    };
    const Case cases[] = {
        {26, 0, 100001},                       // nothing wanted: every draw made
        {26, uint64_t{1} << 26, 100001},       // only a value the draws never give
        {26, uint64_t{1} << 13, 100001},       // one system
        {35, (uint64_t{1} << 35) - 2, 10000},  // every location but 0
        {7, uint64_t{1} << 6, 3},              // too few draws to find it, mostly
        {55, uint64_t{1} << 54, 1000},         // the last gladiator
        {0, 1, 5},                             // a bound below 1 gives 0 at once
        {0, 2, 5},                             // ... and never anything else
    };
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        for (const Case& c : cases) {
            RandomGenerator one;
            one.SetSeed(seed * 2654435761u);
            int32_t expected = -1;
            for (int64_t n = 0; n < c.draws; ++n) {
                const int32_t v = one.Next(c.range);
                if (v < 64 && ((c.wanted >> v) & 1)) {
                    expected = v;
                    break;
                }
            }
            Rng().SetSeed(seed * 2654435761u);
            EXPECT_EQ(DrawUntilWanted(c.range, c.wanted, c.draws), expected) << seed;
            EXPECT_EQ(Rng().Seed(), one.Seed()) << seed << " range " << c.range;
        }
    }
}

// What the rules that work out several draws side by side rely on: a look k draws ahead is where
// k draws go, and a run of draws made four lanes at a time is the run one by one; the seeds whose
// draw of bound n is below v are those below SeedsBelow(n, v) (so n * seed < v * 2^32), checked at
// the seeds on both sides of that bound; and the choice by seeds picks as its condition reads.
TEST(Random, LookAheadAndSeedBoundsAgreeWithTheDraws) {
    for (uint32_t seed : {0u, 7u, 0x80000000u, 0xfffffffeu}) {
        RandomGenerator look, step;
        look.SetSeed(seed);
        step.SetSeed(seed);
        for (int k = 0; k <= 4; ++k) {
            EXPECT_EQ(look.Peek(k), step.Seed()) << seed << " + " << k;
            step.Next(3);
        }
        EXPECT_EQ(look.Seed(), seed);
    }
    for (int32_t n : {1, 7, 10, 100, 101, 1000, 2147483647}) {
        const auto above = static_cast<int32_t>(std::min<int64_t>(int64_t{n} + 5, INT32_MAX));
        for (int32_t v : {-1, 0, 1, 2, n / 2, n - 1, n, above}) {
            const uint64_t bound = RandomGenerator::SeedsBelow(n, v);
            std::vector<uint64_t> seeds = {0, 1, 0xffffffffu, 0x7fffffffu};
            for (int64_t d = -2; d <= 1; ++d) {
                const int64_t s = static_cast<int64_t>(bound) + d;
                if (s >= 0 && s <= 0xffffffffll) seeds.push_back(static_cast<uint64_t>(s));
            }
            for (uint64_t s : seeds) {
                const bool below = RandomGenerator::Scale(static_cast<uint32_t>(s), n) < v;
                EXPECT_EQ(s < bound, below) << n << " " << v << " seed " << s;
            }
        }
    }
    // Draws in one go are the draws one by one, whatever their number past the four lanes.
    for (size_t count : {0u, 1u, 3u, 4u, 5u, 5460u}) {
        RandomGenerator one, many;
        one.SetSeed(99);
        many.SetSeed(99);
        std::vector<int32_t> got(count);
        many.Draws(128, got.data(), count);
        for (size_t i = 0; i < count; ++i) ASSERT_EQ(got[i], one.Next(128)) << count << " " << i;
        EXPECT_EQ(many.Seed(), one.Seed()) << count;
    }
    EXPECT_EQ(ChooseIfBelow(4, 5, 1u, 2u), 1u);
    EXPECT_EQ(ChooseIfBelow(5, 5, 1u, 2u), 2u);
    EXPECT_EQ(ChooseIfBelow(0xffffffffu, uint64_t{1} << 32, 1u, 2u), 1u);
    EXPECT_EQ(ChooseIfBelow(0, 0, 1u, 2u), 2u);
    EXPECT_EQ(Choose(MaskIf(true), 1u, 2u), 1u);
    EXPECT_EQ(Choose(MaskIf(false), 1u, 2u), 2u);
}

}  // namespace
}  // namespace corvanth
