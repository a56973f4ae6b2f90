// The story notice dialog.
#include "state/exp1_UMessage1.h"

#include "state/Sound.h"
#include "state/UMessage4.h"

namespace corvanth {

ui::Screen<Texp1_message1> exp1_message1{"Texp1_message1"};

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

void ShowStoryNotice(const std::string& headline, const std::string& picture,
                     const std::vector<std::string>& lines) {
    FillLongTextBox(*exp1_message1, headline, picture, lines);
    exp1_message1->ShowModal();
}

}  // namespace corvanth
