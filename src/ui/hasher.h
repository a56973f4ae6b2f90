// A quick running hash of what a screen shows, to tell two looks apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/color.h"

namespace ui {

struct Hasher {
    uint64_t h = 1469598103934665603ull;
    void Bytes(const void* p, size_t n) {
        for (size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<const uint8_t*>(p)[i]) * 1099511628211ull;
    }
    void Int(int64_t v) { Bytes(&v, sizeof v); }
    void Text(const std::string& t) {
        Int(static_cast<int64_t>(t.size()));
        Bytes(t.data(), t.size());
    }
    void Paint(Color c) { Int(c.r << 16 | c.g << 8 | c.b); }
};

}  // namespace ui
