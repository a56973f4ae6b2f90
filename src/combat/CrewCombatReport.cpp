// The round report of a boarding fight.
#include "combat/CrewCombatReport.h"

#include "state/Sound.h"
#include "state/variables.h"

namespace corvanth {

ui::Screen<TForm47> Form47{"TForm47"};

TForm47::TForm47() : ui::Form("TForm47") {
    Image4 = Bind<ui::Image>("Image4");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        const std::string n = std::to_string(k);
        Att_A[k] = Bind<ui::Label>("Att_" + n + "_A");
        Att_D[k] = Bind<ui::Label>("Att_" + n + "_D");
    }
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm47::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowBoardingReport(const BoardingReport& report) {
    TForm47& f = *Form47;
    f.Label1->caption = report.headline;
    f.Label2->caption = report.mission;
    f.Label3->caption = report.casualties;
    f.Label4->caption = report.status;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        f.Att_A[k]->caption = std::to_string(report.before[k]);
        f.Att_D[k]->caption = std::to_string(report.lost[k]);
    }
    f.ShowModal();
}

}  // namespace corvanth
