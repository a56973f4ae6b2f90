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

}  // namespace corvanth::test
