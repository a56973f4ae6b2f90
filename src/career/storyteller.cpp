// The senator's story and the story window.
#include "career/storyteller.h"

#include "state/Sound.h"

namespace corvanth {

TForm45* Form45 = nullptr;

// The story's letters and meetings arrive with the governors' offices; until then no senator
// writes.
void UpdateSenatorStory() {}

TForm45::TForm45() : ui::Form("TForm45") {
    Label1 = Bind<ui::Label>("Label1");
    Memo1 = Bind<ui::Memo>("Memo1");
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton15 = Bind<ui::SpeedButton>("SpeedButton15");
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
}

void TForm45::SpeedButton15Click() {
    PlayButtonSound();
    Close();
}

void ShowStoryWindow(const std::string& title, const std::string& file) {
    if (!Form45) return;
    Form45->Memo1->Clear();
    Form45->Memo1->LoadFromFile(file);
    Form45->Label1->caption = title;
    Form45->ShowModal();
}

}  // namespace corvanth
