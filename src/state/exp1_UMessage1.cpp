// The story notice dialog.
#include "state/exp1_UMessage1.h"

#include "state/Sound.h"

namespace corvanth {

Texp1_message1* exp1_message1 = nullptr;

Texp1_message1::Texp1_message1() : ui::Form("Texp1_message1") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    Shape3 = Bind<ui::Shape>("Shape3");
    Memo1 = Bind<ui::Memo>("Memo1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void Texp1_message1::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
