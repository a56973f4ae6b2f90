// The war news dialog.
#include "career/UMessage7.h"

#include "state/Sound.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TMessage7> Message7{"TMessage7"};

TMessage7::TMessage7() : ui::Form("TMessage7") {
    Image1 = Bind<ui::Image>("Image1");
    Shape3 = Bind<ui::Shape>("Shape3");
    Label2 = Bind<ui::Label>("Label2");
    Memo1 = Bind<ui::Memo>("Memo1");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    CheckBox1 = Bind<ui::CheckBox>("CheckBox1");
    CheckBox2 = Bind<ui::CheckBox>("CheckBox2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    // The box has toggled by the time the button is released over it.
    CheckBox1->OnClick = [this] { CheckBox1MouseUp(); };
    CheckBox2->OnClick = [this] { CheckBox2MouseUp(); };
}

void TMessage7::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void TMessage7::CheckBox1MouseUp() {
    PlayButtonSound();
}

void TMessage7::CheckBox2MouseUp() {
    PlayButtonSound();
}

void ShowWarNews(const std::string& text, WarNewsKind kind) {
    GameRecord& captain = Captain();
    if (captain[Player::HideWarNews] != 0) return;
    if (kind == WarNewsKind::WarEvent && captain[Player::HideWarEventNews] != 0) return;
    TMessage7& m = *Message7;
    m.CheckBox1->checked = true;
    m.CheckBox2->checked = captain[Player::HideWarEventNews] == 0;
    m.Memo1->SetText(text);
    m.Label2->caption = "News";
    m.Image1->LoadPicture("news.jpg");
    m.Shape3->brushColor = ui::colors::White;
    m.ShowModal();
    if (!m.CheckBox1->checked) captain[Player::HideWarNews] = 1;
    if (!m.CheckBox2->checked) captain[Player::HideWarEventNews] = 1;
}

}  // namespace corvanth
