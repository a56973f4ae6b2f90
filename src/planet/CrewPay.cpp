// Crew pay and the crew's daily life aboard.
#include "planet/CrewPay.h"

namespace corvanth {

// The pay, morale and incident rules arrive with the planet services; until then the crew
// serves without pay and nothing happens aboard.
void CrewTurnStep() {}

}  // namespace corvanth
