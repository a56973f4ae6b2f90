// The planet raid, TForm33: the planet's defence waves fought one battle at a time.
#pragma once

#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

class TForm33 : public ui::Form {
  public:
    TForm33();
    ui::Image* Image8;              // backdrop
    ui::Image* Image1;              // the city or the planet
    ui::Label* Label1;              // "You raid ..."
    ui::Label* Label2;              // the waves left
    ui::SpeedButton* SpeedButton5;  // "Continue the attack"
    ui::SpeedButton* SpeedButton2;  // "Break off attack"

    void SpeedButton5Click();
    void SpeedButton2Click();
};

extern ui::Screen<TForm33> Form33;

// The raid's defence of the fleet's location by its sector rating, the treasure fleet and the
// warning: waves (planet field 25) and their ship size (field 26).
void BeginPlanetRaid();
void ShowPlanetRaid();
// The planet at the fleet's location, and its city picture (or, with no city, its own).
std::string RaidedPlanetPicture();
// The defence index 0..5 gives the waves and their size.
struct RaidDefence {
    int waves = 0;
    int size = 0;
};
RaidDefence RaidDefenceFor(int index);
// Whether the treasure fleet lies at the fleet's location.
bool TreasureFleetHere();
// Whether the active mission is the raid of the fleet's location.
bool RaidIsMissionObjective();
// The fame for suppressing a planet's defences, and the reputation for occupying it, by its
// sector rating.
int RaidReward(int sectorRating);

// The travel screen's "Raid": the questions, the crime reports and the raid screen.
void RaidFleetLocation();
// The question the captain is asked before a raid, by the relation and the mission.
std::string RaidQuestion();

}  // namespace corvanth
