// The uniform screen of the retirement score: the captain's rank and awards on the dress uniform.
#pragma once

#include <array>

#include "ui/form.h"

namespace corvanth {

class TForm39 : public ui::Form {
  public:
    TForm39();
    ui::Label* Label14;  // headline
    ui::Label* Label2;   // explanation
    ui::Label* Label6;   // score line
    ui::Panel* UniformGroup;
    ui::Image* Image33;  // the uniform
    ui::Image* ShoulderRankPic;
    ui::Image* CollarRankPic;
    ui::Image* PilotWingsPicLeft;
    ui::Image* PilotWingsPicMiddle;
    ui::Image* PilotWingsPicRight;
    std::array<ui::Image*, 12> RibbonPic{};  // RibbonPic1 .. RibbonPic12
    ui::Image* SilverStarMedal;
    ui::Image* GoldStarMedal;
    ui::Image* HonorMedal;
    ui::Image* AwardPlace;
    ui::SpeedButton* SpeedButton1;  // "Continue"

    void SpeedButton1Click();
};

extern TForm39* Form39;

// Dresses the uniform of TForm39 for the captain's faction, rank, gender, wings, ribbons and
// medals.
void ShowRetirementUniform();

}  // namespace corvanth
