// How far the random sequence went, and seeds whose next draws are the ones a test needs.
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

// The first seed from which the draws that `wanted` makes on a copy of the generator please it:
// a worked example puts a rule's draw on either side of a band's edge.
template <class Wanted>
uint32_t SeedWhere(Wanted wanted) {
    for (uint32_t seed = 0;; ++seed) {
        RandomGenerator r;
        r.SetSeed(seed);
        if (wanted(r)) return seed;
    }
}

}  // namespace corvanth::test
