// The end of a game: the step screen of the retirement score, the score, and the end itself.
#pragma once

#include "shell/retire_steps.h"
#include "state/variables.h"  // GameEnded, ClearGameEnded: the session's mark
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

extern ui::Screen<TForm57> Form57;

// Ends the game: the captain retired, died for good, or the war ended the career. Shows the
// seven score steps, enters the score in the high-score table, shows the table, then ends the
// game (EndGame): no code of any screen or rule runs after this call.
void RetireAndScore();

// Ends the game without a score: marks it as ended and unwinds every screen above the main menu
// with one ui::GameOver, which the main menu's loop catches (a test's or a benchmark's stand-in
// for the menu when no menu is showing). Nothing after the call runs.
[[noreturn]] void EndGame();

}  // namespace corvanth
