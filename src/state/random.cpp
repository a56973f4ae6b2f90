// The game's random generator instance, its clock seeding and the searches that draw.
#include "state/random.h"

#include <chrono>

namespace corvanth {

constinit RandomGenerator gRandom;

void Randomize() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    Rng().SetSeed(static_cast<uint32_t>(ms));
}

int32_t DrawUntilWanted(int32_t range, uint64_t wanted, int64_t draws) {
    // Only the values a draw can give count: 0 alone for a bound below 1.
    if (range <= 0)
        wanted &= 1;
    else if (range < 64)
        wanted &= (uint64_t{1} << range) - 1;
    if (wanted == 0) {
        gRandom.Skip(draws > 0 ? static_cast<uint64_t>(draws) : 0);
        return -1;
    }
    // The seed stays in a register while the search runs.
    RandomGenerator rng = gRandom;
    int32_t found = -1;
    for (int64_t n = 0; n < draws; ++n) {
        const int32_t v = rng.Next(range);
        if (v < 64 && ((wanted >> v) & 1)) {
            found = v;
            break;
        }
    }
    gRandom = rng;
    return found;
}

}  // namespace corvanth
