// The end of a game and the mark that it is over.
#include "shell/retire.h"

#include "ui/application.h"

namespace corvanth {

// The score steps and the high-score table come with the retirement screens; until then the end
// of a game is only the end: one mark, and every game screen closes down to the main menu.
void RetireAndScore() {
    // A game ends once: a second death in the same turn or trip must not score again.
    if (Session().GameEnded) return;
    Session().GameEnded = true;
    TravelScreenMayClose = 1;
    PlanetScreenMayClose = 1;
    ui::App().EndGame();
}

}  // namespace corvanth
