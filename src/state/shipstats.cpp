// Ship statistics: the values a ship derives from its class and its installed equipment.
#include "state/shipstats.h"

namespace corvanth {

// Empty until the ship-statistics rules replace it: until then a ship keeps the values its
// class loader or its last change wrote.
void RecalcShipStats(int, int, int, int) {}

}  // namespace corvanth
