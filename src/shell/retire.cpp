// The end of a game and the mark that it is over.
#include "shell/retire.h"

#include "shell/start.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "ui/application.h"

namespace corvanth {

namespace {
// Only for the run: a game is never saved after its end, and the next game clears it.
bool gameEnded = false;
}  // namespace

bool GameEnded() {
    return gameEnded;
}

void ClearGameEnded() {
    gameEnded = false;
}

// The score steps and the high-score table come with the retirement screens; until then the end
// of a game is only the end: one mark, and every game screen closes down to the main menu.
void RetireAndScore() {
    // A game ends once: a second death in the same turn or trip must not score again.
    if (gameEnded) return;
    gameEnded = true;
    TravelScreenMayClose = 1;
    G().PlanetScreenMayClose = 1;
    if (Form1) ui::App().CloseAllAbove(*Form1);
}

}  // namespace corvanth
