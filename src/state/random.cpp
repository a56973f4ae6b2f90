// The game's random generator instance and its clock seeding.
#include "state/random.h"

#include <chrono>

namespace corvanth {

RandomGenerator& Rng() {
    static RandomGenerator rng;
    return rng;
}

void Randomize() {
    using namespace std::chrono;
    auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    Rng().SetSeed(static_cast<uint32_t>(ms));
}

}  // namespace corvanth
