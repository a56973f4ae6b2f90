// The fame and reputation bars the travel screen, the arena and the personal information show.
#pragma once

#include <cstdint>

#include "ui/component.h"

namespace corvanth {

// A bar from the last award threshold to the next: its length, where the value stands on it
// (kept within the bar), and whether it shows full. A value that reaches the next threshold fills
// the bar, one below the last leaves it empty, even when the two thresholds meet after the last
// step and the bar has no length left.
struct AwardBar {
    int maximum = 0;
    int position = 0;
    bool full = false;
};
AwardBar AwardBarFor(int64_t value, int64_t lastThreshold, int64_t nextThreshold);

// The captain's fame and his reputation with his own faction, each on its bar.
void ShowAwardBars(ui::ProgressBar& fame, ui::ProgressBar& reputation);

}  // namespace corvanth
