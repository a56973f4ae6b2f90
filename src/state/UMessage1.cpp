// The plain notice dialog.
#include "state/UMessage1.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<TMessage1> Message1{"TMessage1"};

TMessage1::TMessage1() : ui::Form("TMessage1") {
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TMessage1::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

void TMessage1::FormKeyDown(int) {
    Close();
}

void ShowMessage1(const std::string& text) {
    Message1->Label1->caption = text;
    Message1->ShowModal();
}

}  // namespace corvanth
