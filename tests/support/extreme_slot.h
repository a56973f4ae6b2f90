// Saved games whose numbers pass the loader's index checks but lie as far out as 32 bits go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "shell/SaveLoad.h"

namespace corvanth::test {

// A running game's two slot files with value(record) in every record of every field that the
// loader takes any value in (which fields those are is found once, by trying).
SaveImage ExtremeSave(const std::function<int32_t(size_t record)>& value);

// Hand-made slots of a running game for the long runs: every field the loader takes any value in
// holds a number drawn for its record from the seed, at one of 32 bits' ends, anywhere within 32
// bits, or near 0 (-4..4), where counts, costs and divisors trip.
enum class SlotValues { Extreme, Random, Small };
SaveImage HandMadeSave(SlotValues kind, uint32_t seed);
const char* SlotValuesName(SlotValues kind);

}  // namespace corvanth::test
