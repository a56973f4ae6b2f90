// The combat event notice.
#include "state/UMessage2.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<TMessage2> Message2{"TMessage2"};

TMessage2::TMessage2() : ui::Form("TMessage2") {
    Image4 = Bind<ui::Image>("Image4");
    Image1 = Bind<ui::Image>("Image1");
    Shape2 = Bind<ui::Shape>("Shape2");
    Shape3 = Bind<ui::Shape>("Shape3");
    Label2 = Bind<ui::Label>("Label2");
    Label1 = Bind<ui::Label>("Label1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TMessage2::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
