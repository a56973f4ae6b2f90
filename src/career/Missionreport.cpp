// The mission report screen.
#include "career/Missionreport.h"

#include "state/Sound.h"

namespace corvanth {

ui::Screen<TForm46> Form46{"TForm46"};

TForm46::TForm46() : ui::Form("TForm46") {
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label6 = Bind<ui::Label>("Label6");
    Label7 = Bind<ui::Label>("Label7");
    Label8 = Bind<ui::Label>("Label8");
    Image1 = Bind<ui::Image>("Image1");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm46::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowMissionReport(const MissionReport& r) {
    TForm46& f = *Form46;
    f.Label1->caption = r.headline;
    f.Label2->caption = r.text;
    f.Label3->caption = r.money;
    f.Label4->caption = r.total;
    f.Label5->caption = r.fame;
    f.Label6->caption = r.fameNeed;
    f.Label7->caption = r.reputation;
    f.Label8->caption = r.reputationNeed;
    f.Image1->LoadPicture(r.logo);
    f.ShowModal();
}

}  // namespace corvanth
