// The law of the factions (rewards for destroyed ships, the customs scan, the penalties for
// crimes, treason and contraband) and the governor's office.
#pragma once

#include <cstdint>

#include "tutorial/Tutorial.h"
#include "ui/form.h"

namespace corvanth {

// Fame for a destroyed ship of size class 1..5, and reputation with the own faction when it is
// at war with the ship's faction.
void AwardShipKill(int sizeClass, int faction);

// Scans the hold and an active smuggling mission against the faction's laws and shows the
// penalty; true when contraband was found and held against the captain. Pirates and planets
// nobody owns never find anything.
bool ScanForContraband(int faction);
// The chance in 100 that the faction's customs examine the captain's hold.
int ContrabandScanChance();

// Penalties: a one-line notice, the faction marked as warned, the reputation loss.
void ReportCrimeSectorWarned(int faction);
void ReportCrime(int faction);
void ReportSeriousCrime(int faction);
void ReportEvilCrime(int faction);
void ReportGovernorNotAmused(int faction);
void ReportTreason(int faction);
void ReportContraband(int faction);
void ReportBannedContraband(int faction);

// What ReportGovernorNotAmused takes at the captain's rank 0..8 in the faction.
int64_t GovernorDispleasure(int rank);

// The governor's office of the owner of the fleet's location: amnesty or allegiance, missions,
// and the captain's own uniform.
class TForm27 : public ui::Form {
  public:
    TForm27();
    ui::Label* Label15;  // the owner's name
    ui::Image* Image5;   // the owner's picture
    ui::Image* Image1;   // the first three enemies of the owner
    ui::Image* Image2;
    ui::Image* Image3;
    ui::SpeedButton* SpeedButton1;  // "Swear allegiance" / "Ask for amnesty."
    ui::SpeedButton* SpeedButton4;  // "Ask for mission" / "Cancel mission"
    ui::SpeedButton* SpeedButton3;  // "Talk to the senator"
    ui::SpeedButton* SpeedButton2;  // "Back"
    ui::Panel* Panel3;
    ui::Shape* Shape18;
    ui::Shape* Shape19;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton4Click();
    void SpeedButton3Click();
    TutorialOverlay tutorial;  // SpeedButton16Click, TutorialTimerTimer: Tutorial.cpp
};

extern ui::Screen<TForm27> Form27;

// Fills the office for the fleet's location.
void RefreshGovernorScreen();

// What the office's two buttons offer, decided from the tables alone.
struct GovernorButtons {
    bool allegianceOrAmnesty = false;
    bool mission = false;
};
GovernorButtons GovernorButtonsNow();

// The amnesty's price at a reputation below 0: a quarter of the net worth down to -2499, none
// (0) from -2500.
int64_t AmnestyPrice(int reputation, int64_t fortune);

}  // namespace corvanth
