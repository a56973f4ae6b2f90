// The civil war between the factions: diplomacy, the daily war, rebuilt facilities, its end.
#pragma once

namespace corvanth {

// May end a cease-fire or make one between two factions; settles cease-fires between factions
// that share no border.
void UpdateDiplomacy();

// Destroyed facilities are rebuilt, one at a time, with 5 chances in 100 per turn each.
void RebuildFacilities();

// One day of war: raids, conquests, cease-fires and the war news.
void WarTurnStep();

// Once per turn: hands a system to the captain's faction when it holds the last foreign planet
// there, and gives the owner of a split system a small chance to recapture it.
void CheckSystemConquests();

// A faction holding more than 14 of the 26 systems wins the war; the game may end with it.
void CheckEndOfWar();

}  // namespace corvanth
