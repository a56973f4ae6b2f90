// The player's clicks from the main menu to a new Syndicate game on the travel screen.
#pragma once

#include "ui/headless.h"

namespace corvanth::test {

// "Start a new game", the Syndicate, "Ok", and the three pages of the opening story.
inline ui::ScriptedPlayer& ClickToSyndicateGame(ui::ScriptedPlayer& player) {
    return player.Click("TForm1", "SpeedButton1")
        .Click("TForm4", "SpeedButton2")
        .Click("TForm4", "SpeedButton2")
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1");
}

}  // namespace corvanth::test
