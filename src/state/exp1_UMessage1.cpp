// The story notice dialog.
#include "state/exp1_UMessage1.h"

#include "state/Sound.h"

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
    Texp1_message1& box = *exp1_message1;
    // The scroll bar is off while the lines go in and on again after: the text starts at its top.
    box.Memo1->Clear();
    box.Memo1->scrollBars = ui::ScrollBars::None;
    box.Memo1->lines = lines;
    box.Memo1->scrollBars = ui::ScrollBars::Vertical;
    box.Label2->caption = headline;
    box.Image1->LoadPicture(picture);
    box.Shape3->brushColor = ui::colors::White;
    box.ShowModal();
}

}  // namespace corvanth
