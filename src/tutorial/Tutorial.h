// The guided tutorial: its current step and the calls the other screens make into it.
#pragma once

#include <cstdint>

namespace corvanth {

extern int32_t TutorialStep;  // 0 when no tutorial runs, else the current step 1..37
void EndTutorial();

}  // namespace corvanth
