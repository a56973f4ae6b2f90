// The old-age help screen.
#include "shell/Info_Retiring.h"

#include "state/Sound.h"
#include "state/pictures.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm60> Form60{"TForm60"};

TForm60::TForm60() : ui::Form("TForm60") {
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label15 = Bind<ui::Label>("Label15");
    Label5 = Bind<ui::Label>("Label5");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
}

void TForm60::SpeedButton7Click() {
    PlayButtonSound();
    Close();
}

void ShowOldAgeInfo() {
    GameRecord& captain = Captain();
    if (captain[Player::OldAgeInfoShown] != 0) return;
    captain[Player::OldAgeInfoShown] = 1;
    Form60->Image1->LoadPicture(GetHeroPictureName(G().CurrentPlayer) + ".jpg");
    Form60->ShowModal();
}

}  // namespace corvanth
