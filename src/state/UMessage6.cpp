// The switchable notice dialog.
#include "state/UMessage6.h"

#include "state/Sound.h"

namespace corvanth {

TMessage6* Message6 = nullptr;

TMessage6::TMessage6() : ui::Form("TMessage6") {
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Label1 = Bind<ui::Label>("Label1");
    CheckBox1 = Bind<ui::CheckBox>("CheckBox1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TMessage6::SpeedButton3Click() {
    PlayButtonSound();
    Close();
}

void ShowFixedNotice(const std::string& text, const std::string& picture) {
    if (!Message6) return;
    Message6->Label1->caption = text;
    Message6->Image2->LoadPicture(picture);
    Message6->CheckBox1->checked = false;
    Message6->CheckBox1->enabled = false;
    Message6->ShowModal();
    Message6->CheckBox1->enabled = true;
}

// A key closes it with the box as the player left it.
void TMessage6::FormKeyDown(int) {
    Close();
}

}  // namespace corvanth
