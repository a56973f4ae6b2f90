// Missions: the governors' daily offers, the mission screen and the progress of the accepted
// mission to its report.
#pragma once

#include "tutorial/Tutorial.h"
#include "ui/form.h"

namespace corvanth {

// Clears the offer records 1..28 and fills records 1..25 with the day's offers.
void GenerateMissionOffers();
// The difficulty band 'A' (records 1..4), 'B' (5..8) or 'C' (9, 10) gives a captain of rank
// 0..8 for the draw x of Random(100); 1 for a rank the band has no row for.
int BandDifficulty(char band, int rank, int x);
// The war of offer 1..25's client: one enemy drawn into its opposing faction, or the offer
// dropped when the client is at war with nobody.
void PickMissionOpponent(int offer);

// Tests the accepted mission against the fleet's position: pick-ups, deliveries, objectives,
// mission encounters, success or failure. Nothing while the travel progress dialog shows.
void CheckMissionProgress();
// The end of the accepted mission, each with its report; nothing but a marker refresh when no
// mission is active.
void MissionSucceeded();
void MissionFailed();
// A retreat: the mission fails unless it is a patrol.
void FailMissionUnlessPatrol();
// Takes offer `offer` (1..28) as the captain's mission; false, and nothing taken, when it is not
// an available offer. A goods data mission starts with the fleet's location recorded.
bool AcceptMissionOffer(int offer);
// The planets of the galaxy whose prices the goods data mission has yet to record.
int PlanetsLeftToRecord();

// The mission screen: a governor's offers, their details, accept and reject.
class TForm8 : public ui::Form {
  public:
    TForm8();
    ui::ListBox* ListBox1;
    ui::Label* Label1;  // title
    ui::Label* Label2;  // orders
    ui::Label* Label3;  // objective lines 1..4
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label6;
    ui::Label* Label9;              // resistance or cargo
    ui::Label* Label7;              // reward
    ui::Label* Label10;             // opposition
    ui::Label* Label13;             // client
    ui::Image* Image1;              // opposition logo
    ui::Label* Label11;             // availability headline
    ui::Label* Label12;             // availability text
    ui::SpeedButton* SpeedButton1;  // "Accept this mission"
    ui::SpeedButton* SpeedButton2;  // "Reject all missions"
    ui::SpeedButton* SpeedButton3;  // "Help: Show galaxy map"
    ui::RadioButton* RadioButton1;  // "Show only missions that are available."
    ui::RadioButton* RadioButton2;  // "Show all missions"

    void ListBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    TutorialOverlay tutorial;  // SpeedButton16Click, TutorialTimerTimer: Tutorial.cpp
};

extern ui::Screen<TForm8> Form8;

// Classifies the offers (1 available, 2 restricted, 3 other faction) and lists them.
void FillMissionList();
// The offer of the selected row; with no valid row the details are blank and Accept is off.
void ShowMissionDetails();

}  // namespace corvanth
