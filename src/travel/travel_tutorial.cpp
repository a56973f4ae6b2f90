// The travel screen's part in the tutorial: its panels, the hand and their buttons.
#include "state/Sound.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

void TForm2::BindTutorial() {
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHeadline = Bind<ui::Label>("TutorialHeadline");
    TutorialMemo = Bind<ui::Memo>("TutorialMemo");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");
    TutorialPanel2 = Bind<ui::Panel>("TutorialPanel2");
    SpeedButton19 = Bind<ui::SpeedButton>("SpeedButton19");
    TutorialPanel3 = Bind<ui::Panel>("TutorialPanel3");
    SpeedButton18 = Bind<ui::SpeedButton>("SpeedButton18");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialHandPicture = Bind<ui::Image>("TutorialHandPicture");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    SpeedButton19->OnClick = [this] { SpeedButton19Click(); };
    SpeedButton18->OnClick = [this] { SpeedButton18Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void TForm2::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm2::SpeedButton19Click() {
    if (TutorialStep == 4) AdvanceTutorialStep4();
}

void TForm2::SpeedButton18Click() {
    if (TutorialStep == 5) AdvanceTutorialStep5();
}

void TForm2::TutorialTimerTimer() {
    if (TutorialStep > 0) TutorialHand->visible = !TutorialHand->visible;
}

}  // namespace corvanth
