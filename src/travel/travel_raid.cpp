// Travel screen's SpeedButton1 ("Raid"): the raid of the planet at the fleet's location.
#include "state/upcalls.h"
#include "travel/travel.h"

namespace corvanth {

// No click before the captain has answered the raid's question.
void TForm2::SpeedButton1Click() {
    GameUpcalls().RaidFleetLocation();
    RefreshTravelScreen();
}

}  // namespace corvanth
