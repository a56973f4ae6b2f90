// Ship statistics: the values a ship derives from its class and its installed equipment.
#pragma once

namespace corvanth {

// Recomputes speed, cargo and passenger room, shuttles and strength of Ships[fleet][ship] from
// its equipment. skipArmour non-zero leaves the strength alone; battleRound 1 is the partial
// restore at the start of a battle.
void RecalcShipStats(int fleet, int ship, int skipArmour, int battleRound);

}  // namespace corvanth
