// Shared by the star-system loaders and their table of locations.
#pragma once

namespace corvanth {

// The catalogue name of system 1..25 ("" for any other number), for texts that name a system
// whose loader may not have run yet.
const char* CatalogueSystemName(int system);

// Writes the locations of system 1..25 into Planets, PlanetNames and PlanetDescriptions; the
// system's record must already hold its owner, which every location takes.
void LoadSystemLocations(int system);

}  // namespace corvanth
