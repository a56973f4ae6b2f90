// The death screen and the death protocol.
#include "shell/Dead.h"

#include "shell/retire.h"
#include "state/Sound.h"
#include "state/tables.h"
#include "ui/application.h"

namespace corvanth {

ui::Screen<TForm43> Form43{"TForm43"};

TForm43::TForm43() : ui::Form("TForm43") {
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label5 = Bind<ui::Label>("Label5");
    Label4 = Bind<ui::Label>("Label4");
    Label7 = Bind<ui::Label>("Label7");
    Label6 = Bind<ui::Label>("Label6");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm43::FormActivate() {
    DeathScreenMayClose = 0;
}

bool TForm43::CloseQuery() {
    return DeathScreenMayClose == 1;
}

void TForm43::SpeedButton1Click() {
    PlayButtonSound();
    GameRecord& captain = Captain();
    if (captain[Player::LifePoints] >= 1) {
        FirstOwnShip()[Ship::Present] = 1;
        --captain[Player::LifePoints];
    } else {
        // A final death in battle leaves the battle behind: the combat screen and the approach
        // or the raid that led to it, whose frame would show around every score screen.
        for (const char* fight : {"TForm14", "TForm15", "TForm20", "TForm33"})
            if (ui::Form* screen = ui::App().FindForm(fight)) screen->Hide();
    }
    DeathScreenMayClose = 1;
    Close();
}

void ShowDeathScreen() {
    const int lifePoints = Captain()[Player::LifePoints];
    if (lifePoints < 1) {
        Form43->Label7->caption = "Sorry!";
        Form43->Label6->caption =
            "You do not have any life points left. Finally you need to die, but if you "
            "(hopefully) saved a game, you can load it and try again. For every award/promotion "
            "you get one lifepoint back. In the meantime use save/load often.";
        Form43->SpeedButton1->caption = "Continue";
        return;
    }
    Form43->Label7->caption = "Get a second chance:";
    Form43->Label6->caption =
        "But do not worry. You get a second chance as long as you got \"life points\" left. "
        "Right now you still have " +
        std::to_string(lifePoints) +
        " life points. For every award/promotion you get one lifepoint. You can use Save/Load at "
        "a planet to save and restore game sessions as well.";
    Form43->SpeedButton1->caption = "Claim your second chance.";
}

void KillCaptain() {
    FirstOwnShip()[Ship::Present] = 0;
    ShowDeathScreen();
    Form43->ShowModal();
    if (FirstOwnShip()[Ship::Present] == 0) RetireAndScore();
}

}  // namespace corvanth
