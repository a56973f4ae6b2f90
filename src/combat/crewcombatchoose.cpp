// The mission choice of a boarding squad: each button sets BoardingMission and closes.
#include "combat/crewcombatchoose.h"

#include "combat/CrewCombat1.h"
#include "state/Sound.h"

namespace corvanth {

ui::Screen<TForm48> Form48{"TForm48"};

namespace {

void Choose(TForm48& form, int mission) {
    PlayButtonSound();
    BoardingMission = mission;
    form.Close();
}

}  // namespace

TForm48::TForm48() : ui::Form("TForm48") {
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
}

void TForm48::SpeedButton5Click() {
    Choose(*this, BoardingMissionKind::Abort);
}
void TForm48::SpeedButton3Click() {
    Choose(*this, BoardingMissionKind::Capture);
}
void TForm48::SpeedButton1Click() {
    Choose(*this, BoardingMissionKind::Steal);
}
void TForm48::SpeedButton4Click() {
    Choose(*this, BoardingMissionKind::Abduct);
}
void TForm48::SpeedButton2Click() {
    Choose(*this, BoardingMissionKind::Recon);
}

}  // namespace corvanth
