// Space events that come and go on the system maps, and the treasure fleet's wanderings.
#pragma once

namespace corvanth {

// Places a new event in the system at a random free cell (every caller passes column 0 and row
// 0) and returns its slot 1..4, or 0 when no slot, no location index or no free cell was found.
int SpawnSpaceEvent(int system, int column, int row);

// One turn of events: old ones vanish, new ones appear.
void UpdateSpaceEvents();

// One turn of the treasure fleet: it may launch from Sol or jump on to a neighbouring system.
void MoveTreasureFleet();

// Tells the player about the treasure fleet once per stop when the fleet is at its planet.
void ShowTreasureFleetNotice();

// Notes a successful search of a special location, which may be searched again 1000 turns later
// (location 1 of system 23: 200).
void MarkLocationSearched(int system, int location);

// The visit of the event in that slot of the fleet's system: it is removed and plays out its
// kind; some outcomes put it back.
void VisitSpaceEvent(int system, int slot);

// The event slot placed at a location, 0 unless the site and the active slot name each other.
int SpaceEventSlotAt(int system, int location);

}  // namespace corvanth
