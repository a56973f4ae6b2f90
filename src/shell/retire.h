// The end of a game: the step screen of the retirement score, the score, and the run-time mark
// that the game is over.
#pragma once

#include "shell/retire_steps.h"
#include "ui/form.h"

namespace corvanth {

// The step screen: one step of the score with its picture, explanation and running score.
class TForm57 : public ui::Form {
  public:
    TForm57();
    ui::Label* Label1;  // headline
    ui::Image* Image1;
    ui::Label* Label4;              // explanation
    ui::Label* Label5;              // score line
    ui::SpeedButton* SpeedButton1;  // "Continue"

    void SpeedButton1Click();
    // No close box: "Continue" is the way on.
    bool CloseQuery() override { return closing_; }

  private:
    bool closing_ = false;
};

extern TForm57* Form57;

// Ends the game: the captain retired, died for good, or the war ended the career. Shows the
// seven score steps, enters the score in the high-score table, shows the table, then ends the
// game (EndGame).
void RetireAndScore();

// Ends the game without a score: marks it as ended and closes every screen above the main menu,
// whatever subsystem opened it.
void EndGame();

// True from the end of a game until a new game or a load starts the next one. Not saved. The turn
// engine returns at once while it is set, and a trip stops its timer and closes.
bool GameEnded();
// A new game and a load call this before the first turn of the game they start.
void ClearGameEnded();

}  // namespace corvanth
