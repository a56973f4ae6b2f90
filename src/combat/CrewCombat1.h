// Boarding: the crew fight between the two ships of a combat, and the squad screen TForm30.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// The round under way is kept in the session (PlayerIsBoarding, EnemyIsBoarding,
// BoardingMission, AttackerLosses, DefenderLosses).

namespace BoardingMissionKind {
inline constexpr int Abort = 0;
inline constexpr int Capture = 1;
inline constexpr int Steal = 2;
inline constexpr int Abduct = 3;
inline constexpr int Recon = 4;
}  // namespace BoardingMissionKind

class TForm30 : public ui::Form {
  public:
    TForm30();
    ui::Image* Image4;  // backdrop
    ui::Label* Label3;  // "Shuttles transfer rate: "
    ui::Label* Label4;  // the squad's skill
    ui::Label* Label5;  // the defender's skill
    ui::Label* Label6;  // "Min. crew: "
    // Per crew kind 1..5 (index 0 unused): aboard, in the squad, the defender's squad.
    std::array<ui::Label*, 6> Reserve{};
    std::array<ui::Label*, 6> Squad{};
    std::array<ui::Label*, 6> Defender{};
    std::array<ui::SpeedButton*, 6> Plus{};   // SpeedButton4, 6, 8, 10, 12
    std::array<ui::SpeedButton*, 6> Minus{};  // SpeedButton5, 7, 9, 11, 13
    ui::SpeedButton* SpeedButton1;            // "Attack!"
    ui::SpeedButton* SpeedButton2;            // "Abort"

    void FormActivate() override;
    void PlusClick(int kind);
    void MinusClick(int kind);
    void SpeedButton1Click();
    void SpeedButton2Click();
};

extern ui::Screen<TForm30> Form30;

// Opens a round for either side: the attacker's squad cleared and its shuttle places set, the
// defender's whole crew in its squad.
void InitBoarding();
void RefreshBoardingScreen();
// TForm30 modally, the combat radar stopped while it shows; however it closes without a round
// (its "Abort", a close request), the squad goes back aboard.
void ShowBoardingScreen();
// The squad choice on TForm30: one man of crew kind 1..5 into the squad or back aboard.
void AddToBoardingSquad(int kind);
void RemoveFromBoardingSquad(int kind);
// The squad back aboard and its shuttle places free again, when no round was fought.
void AbortBoarding();

// One round of the player's squad, of an enemy squad, and their parts.
void ResolveBoardingRound();
void ResolveEnemyBoarding();
void ChooseEnemyBoardingSquad();
void ResolveBoardingCasualties();
void ReturnBoardingSquad();

// A ship's boarding squad: its total and its close-combat rating 1..3.
int BoardingSquadSum(const GameRecord& ship);
int BoardingSquadRating(const GameRecord& ship);
// "Normal", "Good", "Very good" for a rating below 2, 2, 3.
std::string SquadRatingWord(int rating);
// A round's chance c out of 20 after the casualties: the attacker's rating, the surviving squad
// totals a and d, the mission, whether the player attacks (else the enemy) and whether the
// defending fleet is fleet 0.
int BoardingRoundChance(bool playerAttacks, int rating, int a, int d, int mission,
                        bool defenderIsFleet0);

// The ransom a VIP pays by the size class of the player's ship (already tripled), and its
// payment with the VIP's plea.
int64_t DrawVipRansom(int sizeClass);
void PayVipRansom();

}  // namespace corvanth
