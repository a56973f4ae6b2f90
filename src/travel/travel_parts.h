// What the travel screen's own files share beyond the screen's public routines.
#pragma once

#include <cstdint>

namespace corvanth {

// Yellow labels and the selection arrow on the location's cell; nothing for a location off the map.
void HighlightSelectedCell(int location);

// The description of the selected location and the notices that apply, into the planet panel.
void FillPlanetMemo();

// The whole number the player typed as the amount, or 0 when the text is none (or out of range).
int64_t TypedTradeAmount();

// The crew's part in the days of a trip or a jump: a good pilot shortens them; low morale and a
// ship without its crew lengthen them (true when either did).
int64_t ShortenByPilot(int64_t days);
bool LengthenByMoraleAndCrew(int64_t& days);

}  // namespace corvanth
