// Crew pay and the crew's daily life aboard: the pay countdown, morale and incidents; the pay
// screen.
#pragma once

#include <array>
#include <cstdint>

#include "ui/form.h"

namespace corvanth {

// The crew of the active ship by kind: officers, droids, mercenaries, adventurers, scoundrels.
using CrewCounts = std::array<int32_t, 5>;
CrewCounts ShipCrew();
int64_t CrewSum(const CrewCounts& crew);
int32_t CrewRoyaltyPercent(const CrewCounts& crew);
int32_t CrewWages(int32_t turns, const CrewCounts& crew);

// What the crew is owed since the last pay.
struct CrewPayDue {
    int32_t percent = 0;
    int32_t growth = 0;     // net worth now less at the last pay, never below 0
    int32_t royalties = 0;  // growth x percent, saturated to 32 bits
    int32_t days = 0;       // turns since the last pay
    int32_t wages = 0;
    int32_t total = 0;
};
CrewPayDue CalcCrewPayDue();

// The crew's day: the pay countdown and its reminder, morale, crew-size warnings and incidents.
// The turn calls it only while the ship has crew, and reads the crew counts again after it; it
// may end the game.
void CrewTurnStep();

class TForm25 : public ui::Form {
  public:
    TForm25();
    ui::Image* Image1;              // background
    ui::Label* Label1;              // "Pay your crew"
    ui::Label* Label8;              // money
    ui::Label* Label2;              // royalty basis
    ui::Label* Label3;              // royalty amount
    ui::Label* Label4;              // wage basis
    ui::Label* Label5;              // wage amount
    ui::Label* Label6;              // the rule line
    ui::Label* Label7;              // total
    ui::SpeedButton* SpeedButton1;  // "Pay"
    ui::SpeedButton* SpeedButton4;  // "Back"

    void SpeedButton1Click();
    void SpeedButton4Click();
};

extern ui::Screen<TForm25> Form25;

// Fills the pay screen before it is shown.
void RefreshCrewPay();

// Settles the crew's pay: false (and nothing changed) when the money does not reach it.
bool PayCrew();

}  // namespace corvanth
