// The short story notice dialog.
#include "state/exp1_UMessage2.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<Texp1_Message2> exp1_Message2{"Texp1_Message2"};

Texp1_Message2::Texp1_Message2() : ui::Form("Texp1_Message2") {
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void Texp1_Message2::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

void Texp1_Message2::FormKeyDown(int) {
    Close();
}

void ShowStoryLine(const std::string& text, const std::string& picture) {
    exp1_Message2->Label1->caption = text;
    exp1_Message2->Image2->LoadPicture(picture);
    exp1_Message2->ShowModal();
}

}  // namespace corvanth
