// Sums of money, fame and reputation run in 64 bits; this cuts them back into a table's 32.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace corvanth {

inline int32_t SaturateInt32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace corvanth
