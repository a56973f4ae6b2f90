// The notice dialogs as the turn and the world events show them.
#pragma once

#include <string>
#include <vector>

#include "state/UMessage6.h"

namespace corvanth {

// A notice that can be switched off: the box opens unticked; ticked on closing, it sets the
// captain's switch field to 1, which the caller tests before showing that kind again.
void ShowSwitchableNotice(const std::string& text, const std::string& picture, int playerField);

// The long notice with a headline, a picture in a white frame and its lines one below the other.
void ShowLongNotice(const std::string& headline, const std::string& picture,
                    const std::vector<std::string>& lines);

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

// The story box: headline, picture in a white frame and its lines.
void ShowStoryNotice(const std::string& headline, const std::string& picture,
                     const std::vector<std::string>& lines);
// The short story box: one line and a picture.
void ShowStoryLine(const std::string& text, const std::string& picture);

}  // namespace corvanth
