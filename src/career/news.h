// War news of systems and planets that change hands.
#pragma once

#include <string>
#include <vector>

namespace corvanth {

// The captain as the news name him: his rank in his own faction and his name.
std::string WarHeroName();

// The captain's faction has taken the last planet of the system: it becomes the owner, the
// two factions agree a cease-fire and the captain earns the gold star.
void NewsSystemConquered(int system);

// The system's owner takes back every planet of the system.
void NewsSystemRecaptured(int system);

// The captain has occupied a planet for his faction: the news, maybe a point of war score, the
// conquest check and one turn.
void NewsPlanetCaptured(int system, int location);

}  // namespace corvanth
