// The long notice dialog.
#include "state/UMessage4.h"

#include "state/Sound.h"
#include "ui/files.h"

namespace corvanth {

ui::Screen<TMessage4> Message4{"TMessage4"};

TMessage4::TMessage4() : ui::Form("TMessage4") {
    Image2 = Bind<ui::Image>("Image2");
    Image3 = Bind<ui::Image>("Image3");
    Image1 = Bind<ui::Image>("Image1");
    Shape3 = Bind<ui::Shape>("Shape3");
    Memo1 = Bind<ui::Memo>("Memo1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TMessage4::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowLongNotice(const std::string& headline, const std::string& picture,
                    const std::vector<std::string>& lines) {
    FillLongTextBox(*Message4, headline, picture, lines);
    Message4->ShowModal();
}

void ShowLongNoticeFile(const std::string& headline, const std::string& picture,
                        const std::string& file) {
    ShowLongNotice(headline, picture, ui::ReadTextLines(file));
}

}  // namespace corvanth
