// The game's one random generator: a 32-bit linear congruential sequence.
#pragma once

#include <cstdint>

namespace corvanth {

// The sequence is part of the game: saves, tests and replays depend on every draw.
class RandomGenerator {
  public:
    static constexpr uint32_t kMultiplier = 134775813u;
    static constexpr uint32_t kIncrement = 1u;

    void SetSeed(uint32_t seed) { seed_ = seed; }
    uint32_t Seed() const { return seed_; }

    // 0..n-1; n <= 0 still advances the sequence and yields 0, so callers that pass a
    // computed bound of 0 keep the sequence in step without getting a meaningless value.
    int32_t Next(int32_t n) {
        seed_ = seed_ * kMultiplier + kIncrement;
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * seed_) >>
                                    32);
    }

    // Where n draws would leave the sequence, whatever their bounds, in O(log n): n steps of
    // seed * m + c are one step of seed * m^n + c * (m^(n-1) + ... + 1), built by squaring.
    void Skip(uint64_t n) {
        uint32_t mul = 1, add = 0;
        uint32_t stepMul = kMultiplier, stepAdd = kIncrement;
        for (; n > 0; n >>= 1) {
            if (n & 1) {
                mul *= stepMul;
                add = add * stepMul + stepAdd;
            }
            stepAdd = (stepMul + 1) * stepAdd;
            stepMul *= stepMul;
        }
        seed_ = seed_ * mul + add;
    }

  private:
    uint32_t seed_ = 0;
};

// The one instance; inline, so that a draw costs a multiply and an add.
extern constinit RandomGenerator gRandom;
inline RandomGenerator& Rng() {
    return gRandom;
}
inline int32_t Random(int32_t n) {
    return gRandom.Next(n);
}
// Seeds from the clock once at start-up.
void Randomize();

// A search of the rules: up to `draws` draws of Random(range), stopping at the first whose value
// is in `wanted` (bit v for the value v, so values from 64 on are never wanted); that value, or -1
// when none came up. With nothing wanted no draw can stop it, so the generator jumps past all of
// its draws at once.
int32_t DrawUntilWanted(int32_t range, uint64_t wanted, int64_t draws);

}  // namespace corvanth
