// Travel screen's tutorial: SpeedButton18 and SpeedButton19 ("Continue"), the overlay's parts.
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

void TForm2::BindTutorial() {
    tutorial = BindTutorialOverlay(*this);
    TutorialPanel2 = Bind<ui::Panel>("TutorialPanel2");
    SpeedButton19 = Bind<ui::SpeedButton>("SpeedButton19");
    TutorialPanel3 = Bind<ui::Panel>("TutorialPanel3");
    SpeedButton18 = Bind<ui::SpeedButton>("SpeedButton18");
    SpeedButton19->OnClick = [this] { SpeedButton19Click(); };
    SpeedButton18->OnClick = [this] { SpeedButton18Click(); };
}

void TForm2::SpeedButton19Click() {
    if (TutorialStep == 4) AdvanceTutorialStep4();
}

void TForm2::SpeedButton18Click() {
    if (TutorialStep == 5) AdvanceTutorialStep5();
}

}  // namespace corvanth
