// The uniform screen of the retirement score.
#include "shell/retire2.h"

#include "state/Sound.h"
#include "state/uniform.h"

namespace corvanth {

TForm39* Form39 = nullptr;

TForm39::TForm39() : ui::Form("TForm39") {
    Label14 = Bind<ui::Label>("Label14");
    Label2 = Bind<ui::Label>("Label2");
    Label6 = Bind<ui::Label>("Label6");
    UniformGroup = Bind<ui::Panel>("UniformGroup");
    Image33 = Bind<ui::Image>("Image33");
    ShoulderRankPic = Bind<ui::Image>("ShoulderRankPic");
    CollarRankPic = Bind<ui::Image>("CollarRankPic");
    PilotWingsPicLeft = Bind<ui::Image>("PilotWingsPicLeft");
    PilotWingsPicMiddle = Bind<ui::Image>("PilotWingsPicMiddle");
    PilotWingsPicRight = Bind<ui::Image>("PilotWingsPicRight");
    for (size_t k = 0; k < RibbonPic.size(); ++k)
        RibbonPic[k] = Bind<ui::Image>("RibbonPic" + std::to_string(k + 1));
    SilverStarMedal = Bind<ui::Image>("SilverStarMedal");
    GoldStarMedal = Bind<ui::Image>("GoldStarMedal");
    HonorMedal = Bind<ui::Image>("HonorMedal");
    AwardPlace = Bind<ui::Image>("AwardPlace");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
}

void TForm39::SpeedButton1Click() {
    PlayButtonSound();
    Close();
}

void ShowRetirementUniform() {
    ApplyUniform(*Form39, ComposeUniform(CaptainUniform()));
}

}  // namespace corvanth
