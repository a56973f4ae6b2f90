// The game's one random generator: a 32-bit linear congruential sequence.
#pragma once

#include <cstdint>

namespace corvanth {

// The sequence is part of the game: saves, tests and replays depend on every draw.
class RandomGenerator {
  public:
    void SetSeed(uint32_t seed) { seed_ = seed; }
    uint32_t Seed() const { return seed_; }

    // 0..n-1; n <= 0 still advances the sequence and yields 0, so callers that pass a
    // computed bound of 0 keep the sequence in step without getting a meaningless value.
    int32_t Next(int32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * seed_) >>
                                    32);
    }

  private:
    uint32_t seed_ = 0;
};

RandomGenerator& Rng();
inline int32_t Random(int32_t n) {
    return Rng().Next(n);
}
// Seeds from the clock once at start-up.
void Randomize();

}  // namespace corvanth
