// The uniform screen of the retirement score: the captain's rank and awards on the dress uniform.
#pragma once

#include <array>

#include "state/uniform.h"

namespace corvanth {

class TForm39 : public UniformForm {
  public:
    TForm39();
    ui::Label* Label14;  // headline
    ui::Label* Label2;   // explanation
    ui::Label* Label6;   // score line
    ui::Panel* UniformGroup;
    ui::SpeedButton* SpeedButton1;  // "Continue"

    void SpeedButton1Click();
};

extern ui::Screen<TForm39> Form39;

// Dresses the uniform of TForm39 for the captain's faction, rank, gender, wings, ribbons and
// medals.
void ShowRetirementUniform();

}  // namespace corvanth
