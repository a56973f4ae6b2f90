// The arena's tournaments.
#include "combat/Duelhold_Main.h"

namespace corvanth {

// The fights and their stages arrive with the arena; until then the tournaments keep the state
// the new game gave them.
void AdvanceTournaments() {}

}  // namespace corvanth
