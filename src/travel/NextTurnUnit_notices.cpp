// The notice dialogs as the turn and the world events show them.
#include "travel/NextTurnUnit_notices.h"

#include "state/UMessage4.h"
#include "state/UMessage5.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

bool ShipLacksCrew() {
    const GameRecord& ship = PlayerShip();
    int64_t crew = 0;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) crew += ship[Ship::CrewBase + k];
    return ship[Ship::CrewMin] >= 1 && crew <= 0;
}

bool ShowNoCrewNoticeOnce(const std::string& text) {
    GameRecord& fleet = PlayerFleet();
    if (!ShipLacksCrew()) {
        fleet[Fleet::NoCrewNoticeShown] = 0;
        return false;
    }
    if (fleet[Fleet::NoCrewNoticeShown] == 0) {
        fleet[Fleet::NoCrewNoticeShown] = 1;
        ShowFixedNotice(text, GetShipPictureName(PlayerShip()[Ship::Class]));
    }
    return true;
}

int AskChoice(const std::string& headline, const std::string& picture,
              const std::vector<std::string>& lines, const std::string& first,
              const std::string& second, bool firstEnabled) {
    TMessage5& box = *Message5;
    FillLongTextBox(box, headline, picture, lines);
    box.SpeedButton1->caption = first;
    box.SpeedButton2->caption = second;
    box.SpeedButton1->enabled = firstEnabled;
    box.SpeedButton2->enabled = true;
    // The box is left as the other callers expect it, even when the game ends inside it.
    struct Restore {
        TMessage5& box;
        ~Restore() {
            box.SpeedButton1->enabled = true;
            box.SpeedButton1->caption = "Accept";
            box.SpeedButton2->caption = "Decline";
        }
    } restore{box};
    Message5Result = 0;
    box.ShowModal();
    return Message5Result;
}

}  // namespace corvanth
