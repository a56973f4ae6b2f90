// The switchable notice dialog.
#include "state/UMessage6.h"

#include "state/Sound.h"
#include "state/pictures.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TMessage6> Message6{"TMessage6"};

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

namespace {

void FillNotice(const std::string& text, const std::string& picture, bool switchable) {
    Message6->Label1->caption = text;
    Message6->Image2->LoadPicture(picture);
    // A faction's round logo stands on the frame's ground; portraits and ships fill it.
    Message6->Image2->transparent = IsFactionLogo(picture);
    Message6->CheckBox1->checked = false;
    Message6->CheckBox1->enabled = switchable;
}

}  // namespace

void ShowFixedNotice(const std::string& text, const std::string& picture) {
    FillNotice(text, picture, false);
    Message6->ShowModal();
    Message6->CheckBox1->enabled = true;
}

void ShowSwitchableNotice(const std::string& text, const std::string& picture, int playerField) {
    FillNotice(text, picture, true);
    Message6->ShowModal();
    if (Message6->CheckBox1->checked) Captain()[playerField] = 1;
}

// A key closes it with the box as the player left it.
void TMessage6::FormKeyDown(int) {
    Close();
}

}  // namespace corvanth
