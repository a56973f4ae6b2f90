// How far the random sequence went: the draws between two seeds, counted one by one.
#pragma once

#include <cstdint>

#include "state/random.h"

namespace corvanth::test {

// The draws that take the sequence from seed `from` to seed `to`; -1 when there are more than
// `most`.
inline int64_t DrawsBetween(uint32_t from, uint32_t to, int64_t most) {
    RandomGenerator walk;
    walk.SetSeed(from);
    for (int64_t n = 0; n <= most; ++n) {
        if (walk.Seed() == to) return n;
        walk.Next(1);
    }
    return -1;
}

}  // namespace corvanth::test
