// Ship statistics: the values a ship derives from its class and its installed equipment.
#pragma once

namespace corvanth {

// Recomputes speed, cargo and passenger room, shuttles and strength of Ships[fleet][ship] from
// its class and equipment, and the fleet's cargo and passenger room from that ship. skipArmour
// non-zero leaves the strength alone; battleRound 1 is the partial restore at the start of a
// battle.
void RecalcShipStats(int fleet, int ship, int skipArmour, int battleRound);
// The part of it for the hold alone: the cargo capacity from the ship's cargo bays, and the
// fleet's free room, that capacity less the cargo aboard and a transport mission's goods.
void RecountCargoRoom(int fleet, int ship);

// Crew abilities, rated 1 "Normal" .. 3 "Very good".
inline constexpr int kAbilityNavigation = 1;
inline constexpr int kAbilityTargeting = 2;
inline constexpr int kAbilityCloseCombat = 3;
int CalcCrewRating(int ability, int officers, int droids, int mercenaries, int adventurers,
                   int scoundrels);

// Whether any used slot of the ship holds an item of that equipment kind.
bool ShipHasEquipmentType(int fleet, int ship, int kind);

}  // namespace corvanth
