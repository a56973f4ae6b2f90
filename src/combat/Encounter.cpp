// Random encounters in space.
#include "combat/Encounter.h"

namespace corvanth {

// The enemy ships and the encounter screens arrive with the combat rules; until then the turn's
// encounter roll is made and nobody shows up.
void StartRandomEncounter() {}

}  // namespace corvanth
