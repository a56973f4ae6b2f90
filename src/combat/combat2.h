// Ship combat: its state, the actions of both sides, the end of a turn and the outcome.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corvanth {

// What the combat screen shows of the action list and its Fire/Use button, kept by the rules.
// The turns of a combat are counted in the session's CombatTurnCount.
struct CombatSession {
    // The action list: its own position-to-slot table, positions 1..actionCount.
    std::array<int, 21> slotAt{};
    int actionCount = 0;
    int selected = 0;  // the chosen list position, 0 when the list is empty
    std::string fireCaption;
    bool fireEnabled = false;
};
CombatSession& Combat();

// Set-up and exit (the state at a combat's start is prepared by the encounter entry points).
void StartCombat();
void StartCombatEnemyFirst();
void EndCombat();  // once per combat: a second call does nothing
// The ship pictures, range, AP, action list, hull bars and tracks from the state.
void SetupCombatScreen();
// The Fire/Use caption for the item, and the slot at the chosen list position made the ship's
// selected slot; Fire is enabled while that slot is loaded.
void AddCombatAction(int equipmentId);
// The display pieces of the combat screen (nothing to draw before TForm14 is created).
void ShowCombatRange();
void ShowCombatAP();
void ShowProjectiles();
void ShowHullBars();
void ShowCombatShipsAndActions();  // pictures, names, the action list and the Fire button
void ShowCombatFireButton();       // the Fire/Use caption and state kept by the rules

// Weapons and hit resolution.
int EvasionModifier(int fleet, int ship);
// The divisor D of a shot by the player (or by the enemy when `enemy`) at the current range.
int HitDivisor(bool enemy);
void PlayerFireGun();
void EnemyFireGun();
void PlayerLaunchProjectile();
void EnemyLaunchProjectile();
int FindFreeProjectileSlot();  // the first free track 1..4, 0 when all are busy
void AddProjectile(int shooterFleet, int targetFleet, int targetShip, int shooterPosition,
                   int equipmentId);
void AdvanceProjectiles();
void PlayerUseECM();
void EnemyUseECM();
void PlayerDropMine();
void EnemyDropMine();
void PlayerBoard();
void EnemyBoardingAttempt();

// The end of a turn and the enemy's part of it.
void EndCombatTurn();
void EnemyCombatTurn();
// The enemy's two behaviour scores: stay at its range (K) and close in to board (B).
struct BoardingScores {
    int stay = 0;
    int board = 0;
};
BoardingScores EnemyBoardingScores();

// What an attempt to flee did: refused for want of action points, or the points spent and the
// draw lost or won.
enum class FleeResult { NoActionPoints, Failed, Fled };
// The rule of a flight, with no screen involved: spends the action points and draws.
FleeResult Flee();

// The player's actions, as the combat screen's buttons run them.
void CombatFireOrUse();                 // "Fire"/"Use" the chosen action
void CombatEndTurn();                   // "End turn"
bool CombatFlee();                      // "Flee (10 AP)": true when the flight succeeded
int FleeChance();                       // c of a flight now, compared with Random(20)
void CombatReload();                    // "Reload (4 AP)"
void CombatWishRange(int range);        // "Close", "Medium", "Long": 1, 2, 3
void ChooseCombatAction(int position);  // the action list's choice, 1-based
void CheckCombatOutcome();

}  // namespace corvanth
