// The fight display: the captain's next opponent in his tournament, "Fight" or "Give up".
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm62 : public ui::Form {
  public:
    TForm62();
    ui::Image* Image1;  // background
    ui::Label* TournamentLabel;
    ui::Image* TournamentImage;
    ui::Image* OpponentPortrait;
    ui::Image* OpponentShip;
    ui::Label* OpponentName;
    ui::Label* OpponentText;
    ui::Label* OpponentLine;        // "Your opponent in the first round is ..."
    ui::SpeedButton* SpeedButton1;  // "Fight"
    ui::SpeedButton* SpeedButton4;  // "Give up"
    ui::SpeedButton* SpeedButton2;  // "Visit the ship dealer"
    ui::SpeedButton* SpeedButton3;  // "Visit the equipment dealer"

    void FormShow() override;
    bool CloseQuery() override;  // FormCloseQuery
    void SpeedButton1Click();
    void SpeedButton4Click();
    void SpeedButton2Click();
    void SpeedButton3Click();

  private:
    bool mayClose_ = false;  // Fight or Give up pressed since the screen was shown
};

extern ui::Screen<TForm62> Form62;

// Fills the display with the captain's opponent (place 2) in tournament t.
void ShowNextOpponent(int t);
// The captain's fight against place 2: a ship battle, then the loser's place emptied.
void FightTournamentOpponent(int t);

}  // namespace corvanth
