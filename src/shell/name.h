// The new-captain screen: name, portrait and faction of the captain of a new game.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm4 : public ui::Form {
  public:
    TForm4();
    ui::Image* Image3;  // background
    ui::Image* Image2;  // game logo
    ui::Label* Label1;  // "Choose a name:"
    ui::Edit* Edit1;
    ui::Label* Label2;              // "Choose a picture:"
    ui::Image* Image1;              // portrait
    ui::SpeedButton* SpeedButton5;  // portrait "Previous"
    ui::SpeedButton* SpeedButton6;  // portrait "Next"
    ui::Label* Label5;              // the note on portraits and gender
    ui::SpeedButton* SpeedButton4;  // "Ok"
    ui::Label* Label3;              // "Select a faction:"
    ui::Image* Image4;              // faction logo
    ui::Label* Label4;              // faction text
    ui::SpeedButton* SpeedButton1;  // faction "Previous"
    ui::SpeedButton* SpeedButton2;  // faction "Next"

    ui::Panel* TutorialPanel;
    ui::Label* TutorialHeadLine;
    ui::Memo* TutorialMemo;
    ui::SpeedButton* SpeedButton3;  // "End tutorial"
    ui::Panel* TutorialHand;
    ui::Image* TutorialHandPicture;
    ui::Timer* TutorialTimer;

    void SpeedButton6Click();
    void SpeedButton5Click();
    void SpeedButton2Click();
    void Click();  // faction "Previous", on SpeedButton1
    void SpeedButton4Click();
    void Edit1Change();
    void SpeedButton3Click();
    void TutorialTimerTimer();
    // No close box: "Ok" is the only way on.
    bool CloseQuery() override { return false; }
};

extern ui::Screen<TForm4> Form4;

// The whole screen from the current captain: name box, portrait, faction logo and text.
void RefreshNewCaptainForm();
// Portrait, faction logo and text only, so a browse keeps what the player typed.
void RefreshCaptainChoice();

}  // namespace corvanth
