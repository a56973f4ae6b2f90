// The game's one random generator: a 32-bit linear congruential sequence.
#pragma once

#include <cstddef>
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
        return Scale(seed_, n);
    }

    // What a draw of bound n gives once the sequence stands at `seed`.
    static constexpr int32_t Scale(uint32_t seed, int32_t n) {
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * seed) >> 32);
    }
    // The seeds whose draw of bound n (n >= 1) gives less than v are exactly those below this:
    // n * seed < v * 2^32. A rule can test a seed against it without the draw's multiply.
    static constexpr uint64_t SeedsBelow(int32_t n, int32_t v) {
        if (v <= 0) return 0;
        if (v >= n) return uint64_t{1} << 32;
        return ((static_cast<uint64_t>(v) << 32) + static_cast<uint64_t>(n) - 1) /
               static_cast<uint64_t>(n);
    }
    // n draws as one step, whatever their bounds: n steps of seed * m + c are one step of
    // seed * m^n + c * (m^(n-1) + ... + 1), built by squaring in O(log n).
    struct Jump {
        uint32_t mul, add;
    };
    static constexpr Jump JumpOf(uint64_t n) {
        Jump total{1, 0}, step{kMultiplier, kIncrement};
        for (; n > 0; n >>= 1) {
            if (n & 1) total = {total.mul * step.mul, total.add * step.mul + step.add};
            step = {step.mul * step.mul, (step.mul + 1) * step.add};
        }
        return total;
    }
    // Where n draws would leave the sequence.
    void Skip(uint64_t n) {
        const Jump j = JumpOf(n);
        seed_ = seed_ * j.mul + j.add;
    }
    // The seed k draws ahead (k = 0..4), the sequence left where it is: a rule whose next draws
    // hang on each other's values works them out side by side and then sets the seed it took.
    uint32_t Peek(int k) const {
        static constexpr Jump kAhead[] = {JumpOf(0), JumpOf(1), JumpOf(2), JumpOf(3), JumpOf(4)};
        return seed_ * kAhead[k].mul + kAhead[k].add;
    }

    // count draws of bound n into `values`, as count calls of Next(n) would give them. For rules
    // that use every draw of a known number: four seeds step side by side, four draws apart,
    // so no draw waits for the one before it.
    void Draws(int32_t n, int32_t* values, size_t count) {
        static constexpr Jump kFour = JumpOf(4);
        uint32_t lanes[4] = {Peek(1), Peek(2), Peek(3), Peek(4)};
        size_t i = 0;
        for (; i + 4 <= count; i += 4)
            for (int j = 0; j < 4; ++j) {
                values[i + j] = Scale(lanes[j], n);
                lanes[j] = lanes[j] * kFour.mul + kFour.add;
            }
        for (size_t j = 0; j < 4 && i + j < count; ++j) values[i + j] = Scale(lanes[j], n);
        Skip(count);
    }

  private:
    uint32_t seed_ = 0;
};

// All ones when c, else 0, hidden from the optimiser: a condition that follows the random
// sequence would make the processor guess a jump wrong half of the time, and compilers turn a
// plain choice back into a jump.
inline uint32_t MaskIf(bool c) {
    uint32_t mask = 0u - static_cast<uint32_t>(c);
    asm("" : "+r"(mask));
    return mask;
}
// a where the mask is set, else b.
inline uint32_t Choose(uint32_t mask, uint32_t a, uint32_t b) {
    return (a & mask) | (b & ~mask);
}
// a when x < limit, else b, as a conditional move where the processor has one: the shortest way
// from a seed to the next when a roll decides how many draws follow.
inline uint32_t ChooseIfBelow(uint64_t x, uint64_t limit, uint32_t a, uint32_t b) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    asm("cmpq %[limit], %[x]\n\tcmovbl %[a], %[b]"
        : [b] "+r"(b)
        : [x] "r"(x), [limit] "r"(limit), [a] "r"(a)
        : "cc");
    return b;
#else
    return Choose(MaskIf(x < limit), a, b);
#endif
}

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
