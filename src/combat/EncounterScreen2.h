// The mission encounter screen: the ship a mission sends, approached in three stages, then the
// fight or a retreat.
#pragma once

#include <cstdint>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// The approach (EncounterStage) and the close guard (EncounterResolved) are kept in the session.

class TForm20 : public ui::Form {
  public:
    TForm20();
    ui::Label* Label1;  // "Mission encounter"
    ui::Image* Image2;
    ui::Label* Label2;
    ui::SpeedButton* SpeedButton1;  // attack, investigate
    ui::SpeedButton* SpeedButton2;  // "Fly away"

    void FormActivate() override;
    bool CloseQuery() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    // Tutorial: the hand only.
    ui::Panel* TutorialHand;
    ui::Image* TutorialHandPicture;
    ui::Timer* TutorialTimer;
    void TutorialTimerTimer();

  private:
    void Resolve();
};

extern ui::Screen<TForm20> Form20;

// Fills the screen for the current stage.
void RefreshMissionEncounter();
// The hand-over of StartMissionEncounter: stage 1, the screen filled, the alert, shown modally.
void ShowMissionEncounterScreen();

// Whether the enemy faction f shoots first and chases: 1 hostile (warned about the captain),
// 2 not hostile.
int MissionEncounterAttitude(int faction);
// Whether a retreat at `stage` is caught by the draw r.
bool RetreatCaught(int stage, bool enemyFaster, int r);

}  // namespace corvanth
