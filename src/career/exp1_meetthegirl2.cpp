// The rescue scene.
#include "career/exp1_meetthegirl2.h"

#include "career/storyteller_parts.h"
#include "state/Sound.h"

namespace corvanth {

ui::Screen<TForm69> Form69{"TForm69"};

TForm69::TForm69() : ui::Form("TForm69") {
    Image1 = Bind<ui::Image>("Image1");
    Image3 = Bind<ui::Image>("Image3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm69::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowRescueScene() {
    Form69->Image1->LoadPicture(RescuePicture());
    Form69->Image3->LoadPicture(WifePicture());
}

}  // namespace corvanth
