// The planet screen: the hub of a docked captain, with the planet's services behind its buttons.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm3 : public ui::Form {
  public:
    TForm3();
    ui::Image* Image2;              // background
    ui::Image* Image5;              // logo
    ui::Image* Image1;              // the location
    ui::Label* Label1;              // its name
    ui::Label* Label2;              // "Faction: "
    ui::SpeedButton* SpeedButton1;  // "Visit bar" / "Gameris tournament"
    ui::SpeedButton* SpeedButton2;  // "Visit bank"
    ui::SpeedButton* SpeedButton3;  // "Buy ships"
    ui::SpeedButton* SpeedButton5;  // "Buy equipment"
    ui::SpeedButton* SpeedButton6;  // "Save/Load/Options"
    ui::SpeedButton* SpeedButton7;  // "Visit governor"
    ui::SpeedButton* SpeedButton8;  // "Wait a turn"
    ui::SpeedButton* SpeedButton4;  // "Go back to space"

    // The tutorial's overlay, found by name by the tutorial engine.
    ui::Panel* TutorialPanel;
    ui::Label* Label13;
    ui::Label* TutorialHeadline;
    ui::Memo* TutorialMemo;
    ui::SpeedButton* SpeedButton16;  // "End tutorial"
    ui::Panel* TutorialHand;
    ui::Image* TutorialHandPicture;
    ui::Timer* TutorialTimer;

    void SpeedButton2Click();  // "Visit bank"
    void SpeedButton3Click();  // "Buy ships"
    void SpeedButton5Click();  // "Buy equipment"
    void SpeedButton1Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton4Click();
    void SpeedButton16Click();
    void TutorialTimerTimer();
    void FormActivate() override;
    void FormDeactivate() override;
    bool CloseQuery() override;  // FormCloseQuery
    void FormClose();
};

extern ui::Screen<TForm3> Form3;

// Which services the planet offers the captain: by the owner of the location, the owner's
// relation to the captain's faction and the captain's reputation with the owner.
struct PlanetScreenButtons {
    bool governor = false;   // SpeedButton7
    bool bank = false;       // SpeedButton2
    bool bar = false;        // SpeedButton1
    bool ships = false;      // SpeedButton3
    bool equipment = false;  // SpeedButton5
    bool saveLoad = false;   // SpeedButton6
    bool goBack = false;     // SpeedButton4
    bool arena = false;      // the bar button leads to the arena
};
PlanetScreenButtons PlanetScreenButtonsFor(int system, int location);

// Fills the screen for the fleet's location before it is shown.
void RefreshPlanetScreen();

// The departure test: the notice that the ship has no crew, once until crew is aboard again.
void CheckCrewOnDeparture();

}  // namespace corvanth
