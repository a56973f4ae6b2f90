// The arena: its tournaments and its main screen.
#pragma once

namespace corvanth {

// One day of the three tournaments: the fights of the running stage are simulated and the
// stages move on. The turn skips it while the arena screen is shown.
void AdvanceTournaments();

}  // namespace corvanth
