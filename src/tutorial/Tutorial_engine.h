// What the tutorial's steps ask of its engine: showing a row of the table on its screen.
#pragma once

namespace corvanth {

// Fills and shows the panel and hand of one step on its screen, as its row of the table says.
void ShowTutorialRow(int step);
// The new-captain screen's faction buttons: the tutorial always plays the Federation.
void SetTutorialFactionButtons(bool enabled);

}  // namespace corvanth
