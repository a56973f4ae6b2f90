// The yes/no question dialog.
#include "state/UMessage3.h"

#include "state/Sound.h"
#include "state/variables.h"

namespace corvanth {

ui::Screen<TMessage3> Message3{"TMessage3"};

TMessage3::TMessage3() : ui::Form("TMessage3") {
    Image1 = Bind<ui::Image>("Image1");
    Label1 = Bind<ui::Label>("Label1");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

// The question answers silently in protected mode.
void TMessage3::SpeedButton1Click() {
    if (!G().ProtectedModeOn) PlayButtonSound();
    Message3Result = 1;
    Close();
}

void TMessage3::SpeedButton2Click() {
    if (!G().ProtectedModeOn) PlayButtonSound();
    Message3Result = 0;
    Close();
}

bool AskYesNo(const std::string& question) {
    Message3->Label1->caption = question;
    Message3Result = 0;
    Message3->ShowModal();
    return Message3Result == 1;
}

}  // namespace corvanth
