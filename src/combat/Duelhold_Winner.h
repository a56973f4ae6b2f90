// The winner screen: a cup's new champion.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm65 : public ui::Form {
  public:
    TForm65();
    ui::Image* Image8;  // background
    ui::Label* Headline;
    ui::Label* ChampionName;
    ui::Image* ChampionPortrait;
    ui::Image* ChampionShip;
    ui::Image* TournamentImage;
    ui::Label* TournamentLabel;
    ui::SpeedButton* SpeedButton4;  // "Back"

    void SpeedButton4Click();
};

extern ui::Screen<TForm65> Form65;

void FillWinnerScreen(int t, const std::string& name, const std::string& portrait,
                      const std::string& shipPicture);

}  // namespace corvanth
