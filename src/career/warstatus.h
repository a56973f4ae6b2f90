// The civil war between the factions: diplomacy, the daily war, rebuilt facilities, its end, and
// the war status screen.
#pragma once

#include <string>

#include "ui/form.h"

namespace corvanth {

// The Federation's top medal, as the award screen and the retirement score name it.
inline constexpr const char* kFederationTopMedal = "Star Of The Union";
// What a veteran of the Outer Rim reads on a friend's grave after the victory.
inline constexpr const char* kRimEpitaph = "We held the dark so that you could keep the light";

// May end a cease-fire or make one between two factions; settles cease-fires between factions
// that share no border.
void UpdateDiplomacy();

// Whether some system of a holds a jump point into a system of b. Directed: b's jump points are
// not looked at.
bool FactionsShareBorder(int a, int b);

// Every war between factions without a border between them ends in a cease-fire.
void CeaseFireWithoutBorder();

// Destroyed facilities are rebuilt, one at a time, with 5 chances in 100 per turn each.
void RebuildFacilities();

// One day of war: raids, conquests, cease-fires and the war news.
void WarTurnStep();
// The bound of the draw that decides whether an attacker holding `held` systems raids today:
// the bigger the realm, the rarer the raid.
int RaidDrawRange(int held);

// The names a raid's news is told with; an empty facility when the raid found none.
struct RaidNames {
    std::string attacker, defender, system, planet, facility;
};
// The news of a raid for the draw z (0..105).
std::string RaidNews(const RaidNames& names, int z);
// The space events a raid's news places in the raided system: one for a captured convoy, four
// for a battle, one where a facility was found and destroyed.
int RaidSpaceEvents(int z, bool facility);

// Once per turn: hands a system to the captain's faction when it holds the last foreign planet
// there, and gives the owner of a split system a small chance to recapture it.
void CheckSystemConquests();

// A faction holding more than 14 of the 26 systems wins the war; the game may end with it.
// Runs only while the war is on (player field 19 is 0).
void CheckEndOfWar();

// The award screen of the victory: the faction's top medal.
void ShowVictoryAward(int faction);

// The war status screen: for each other faction the war score, war or cease-fire, trade and how
// that faction regards the captain.
class TForm41 : public ui::Form {
  public:
    TForm41();
    struct Row {
        ui::Label* name;
        ui::Image* logo;
        ui::Label* status;
        ui::Label* war;
        ui::Shape* warShape;
        ui::Label* trade;
        ui::Shape* tradeShape;
        ui::Label* consider;
        ui::Shape* considerShape;
    };
    Row rows[3];
    ui::SpeedButton* SpeedButton4;  // "Back"

    void SpeedButton4Click();
};

extern ui::Screen<TForm41> Form41;

// The war status text for a score, or "" where the screen keeps what it showed.
std::string WarStatusText(int score);

// Fills TForm41 from the tables; the caller shows it.
void ShowWarStatus();

}  // namespace corvanth
