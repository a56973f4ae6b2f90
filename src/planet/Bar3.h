// The drinking game: a contest with a pirate in Tortuga's bar, for the senator story's next step.
#pragma once

#include "planet/Bar2.h"
#include "ui/form.h"

namespace corvanth {

class TForm68 : public ui::Form {
  public:
    TForm68();
    ui::Image* Image2;  // background
    ui::Label* Label1;
    ui::Label* Label3;
    ui::Label* Label2;
    ui::Label* Label10;
    ui::ProgressBar* ProgressBar1;  // the captain
    ui::ProgressBar* ProgressBar2;  // the pirate
    DrunkSigns signs;
    DrunkSigns pirateSigns;
    ui::SpeedButton* SpeedButton4;  // beer
    ui::SpeedButton* SpeedButton1;  // scotch
    ui::SpeedButton* SpeedButton6;  // wodka

    void SpeedButton4Click() { Spend(Drink::Beer); }
    void SpeedButton1Click() { Spend(Drink::Scotch); }
    void SpeedButton6Click() { Spend(Drink::Wodka); }
    void FormShow() override { decided_ = false; }
    // Only the end of the contest closes it.
    bool CloseQuery() override { return decided_; }
    void Decide();

  private:
    void Spend(Drink drink);
    bool decided_ = false;
};

extern ui::Screen<TForm68> Form68;

void UpdateDrinkingGameMeters();
// Decides the contest, or gives one piece of bar talk while it is open.
void DrinkingGameRound();

}  // namespace corvanth
