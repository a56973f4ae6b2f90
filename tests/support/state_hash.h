// A fingerprint of a whole game: every table, text and scalar of the game state and the seed.
#pragma once

#include <cstdint>

namespace corvanth::test {

// 64 bits over every table, text and scalar of G() and the random generator's seed; of the
// market table only the price fields of the planets' markets, which the turns change. Built
// optimised and without the sanitizers whatever the build, so that it can run after every turn of a
// long run.
uint64_t GameStateHash();
// 64 bits over the whole market table, every field of every record.
uint64_t MarketTableHash();

// Folds a value into a running fingerprint.
uint64_t ChainHash(uint64_t chain, uint64_t value);

}  // namespace corvanth::test
