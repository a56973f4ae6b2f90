// The accept/decline offer dialog.
#include "state/UMessage5.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<TMessage5> Message5{"TMessage5"};

TMessage5::TMessage5() : ui::Form("TMessage5") {
    Image2 = Bind<ui::Image>("Image2");
    Image3 = Bind<ui::Image>("Image3");
    Image1 = Bind<ui::Image>("Image1");
    Shape3 = Bind<ui::Shape>("Shape3");
    Memo1 = Bind<ui::Memo>("Memo1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TMessage5::SpeedButton1Click() {
    PlayButtonSound();
    Message5Result = 1;
    Close();
}

void TMessage5::SpeedButton2Click() {
    PlayButtonSound();
    Message5Result = 2;
    Close();
}

bool TMessage5::CloseQuery() {
    return Message5Result != 0;
}

}  // namespace corvanth
