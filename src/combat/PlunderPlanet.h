// Plunder and occupation, TForm34: what the captain does with a planet whose defences fell.
#pragma once

#include <cstdint>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

class TForm34 : public ui::Form {
  public:
    TForm34();
    ui::Image* Image8;              // backdrop
    ui::Image* Image1;              // the city or the planet
    ui::Label* Label2;              // warned or taken by surprise
    ui::SpeedButton* SpeedButton5;  // "Occupy planet (no plunder)": enabled by the raid
    ui::SpeedButton* SpeedButton1;  // "Plunder && leave planet"
    ui::SpeedButton* SpeedButton2;  // "Plunder && enslave"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton5Click();
    // Refuses until one of the three ends was chosen: the raid's fame is already paid.
    bool CloseQuery() override { return decided; }
    bool decided = false;
};

extern ui::Screen<TForm34> Form34;

// Whether the system was warned as the screen was filled is the session's PlunderWarned.

void ShowPlunderPlanet();

// The economy's weight in the plunder: 1 to 5 by planet field 7.
int EconomyFactor(int economy);
// The money of "Plunder && leave planet" and of "Plunder && enslave" with its goods units.
int64_t PlunderMoney(int economy, bool warned);
struct EnslaveTake {
    int64_t money = 0;
    int units = 0;   // goods drawn into the captured hold
    int slaves = 0;  // never reduced by the warning
};
EnslaveTake EnslaveTakeFor(int economy, bool warned);

// The three ends of the screen, for the fleet's location.
void OccupyPlanet();
void PlunderAndLeave();
void PlunderAndEnslave();

}  // namespace corvanth
