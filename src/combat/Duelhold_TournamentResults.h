// The arena's results screen: a round's sixteen places live, the TV panel of one fight, and bets.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm63 : public ui::Form {
  public:
    TForm63();
    ui::Image* Image7;  // background
    ui::Image* TournamentImage;
    ui::Label* TitleLabel;
    ui::Shape* PlaceShape[17]{};  // 1..16
    ui::Label* PlaceName[17]{};
    ui::ProgressBar* Health[17]{};
    ui::SpeedButton* Watch[9]{};  // 1..8: SlotA_Watch .. SlotH_Watch
    ui::Panel* TVPanel;           // "Gameris TV - Fights 4 Fun"
    ui::Label* RoundLabel;
    ui::Shape* FighterFrame[3]{};  // 1, 2
    ui::Image* FighterPortrait[3]{};
    ui::Image* FighterShip[3]{};
    ui::Label* FighterName[3]{};
    ui::Label* FighterText[3]{};
    ui::Label* OddsLabel;
    ui::SpeedButton* SpeedButton1;  // bid on the first fighter
    ui::SpeedButton* SpeedButton2;  // bid on the second
    ui::SpeedButton* SpeedButton3;  // "Switch channel"
    ui::SpeedButton* SpeedButton4;  // "Leave && Miss the round" / "Close"
    ui::Timer* Timer1;              // one exchange every 600 ms

    void FormActivate() override;
    void SlotWatchClick(int fight);  // SlotA_WatchClick .. SlotH_WatchClick
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void Timer1Timer();

  private:
    void Bid(int side);
};

extern ui::Screen<TForm63> Form63;

// Fill the results screen for tournament t; nothing unless that tournament is the one shown.
void ShowRoundControls(int t);
void ShowTournamentResults(int t);
void ShowGladiatorHealth(int t);
void ShowTournamentPairings(int t);
void ShowOdds(int t);

// The description of a gladiator as the TV panel words it (display: as the fight display does).
std::string GladiatorDescription(int n, bool fightDisplay);

// What the rules do to the screen: the round over ("Close"), the timer stopped, the screen shut.
void ShowRoundClosed();
void StopResultsTimer();
void CloseTournamentResults();
// The timer held still while a question or notice is open, and running again afterwards.
class PauseResultsTimer {
  public:
    PauseResultsTimer();
    ~PauseResultsTimer();
    PauseResultsTimer(const PauseResultsTimer&) = delete;
    PauseResultsTimer& operator=(const PauseResultsTimer&) = delete;

  private:
    bool wasRunning_ = false;
};

}  // namespace corvanth
