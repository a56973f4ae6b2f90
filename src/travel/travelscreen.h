// Trips within a star system: their length in days and the travel progress dialog.
#pragma once

#include <cstdint>

#include "ui/form.h"

namespace corvanth {

// The days a trip of the given grid distance takes with the fleet's ship, crew and morale.
// `penalty` tells that low morale or a missing crew made it longer.
struct TripDays {
    int32_t days = 0;
    bool penalty = false;
};
TripDays CalcTripDays(int64_t distance);

// The days a jump to another system takes with the fleet's ship, crew and morale: 6, less for
// a good pilot, by each jump engine's class, more for low morale or no crew, and doubled last
// when the first jump engine failed.
int32_t CalcJumpDays(bool engineFailed);

// Steps on the system map between two locations of the fleet's system (columns plus rows).
int32_t GridDistance(int from, int to);

// "Travel to the planet": the engine's failure roll, the trip's days, then one turn a day in the
// travel progress dialog. Nothing happens for the fleet's own location or a vanished one.
void TravelToSelectedPlanet();

class TForm13 : public ui::Form {
  public:
    TForm13();
    ui::Image* Image1;  // background
    ui::Image* Image2;  // the ship
    ui::Label* Label1;  // "You travel!"
    ui::Label* Label3;  // "Days left until arrival:"
    ui::Label* Label2;  // the days left
    ui::Timer* Timer1;  // one day per tick

    void Timer1Timer();
    void FormActivate() override;
    bool CloseQuery() override;  // FormCloseQuery
    void FormClose();
};

extern ui::Screen<TForm13> Form13;

}  // namespace corvanth
