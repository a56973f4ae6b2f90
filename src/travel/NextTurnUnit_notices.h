// The notice dialogs as the turn and the world events show them.
#pragma once

#include <string>
#include <vector>

namespace corvanth {

// Whether the player's ship needs a crew (a crew minimum of 1 or more) and has none aboard.
bool ShipLacksCrew();
// The fixed notice that the ship lacks its crew, with the ship's picture: once, until crew is
// aboard again or no longer needed (the fleet's mark). True when the ship lacks its crew.
bool ShowNoCrewNoticeOnce(const std::string& text);

// The accept/decline box: headline, picture in a white frame, its lines and the two captions;
// returns the answer (1 the first button, 2 the second). A first button that may not be chosen is
// disabled while the box shows. The buttons read "Accept" and "Decline" again afterwards.
int AskChoice(const std::string& headline, const std::string& picture,
              const std::vector<std::string>& lines, const std::string& first,
              const std::string& second, bool firstEnabled = true);

}  // namespace corvanth
