// What the combat rules share: the captain's switches that soften a fight, and the combat's
// notices.
#pragma once

#include <string>

#include "state/UMessage6.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth::combat {

bool LuckSwitch();
bool TournamentFight();
// Before EarlyGameTurns, unless the luck switch or a tournament fight is on.
bool EarlyGameEase();
// The skill of the captain's arena opponent (entrant slot 2 of his tournament), 0 when none.
int OpponentSkill();

bool IsGun(int kind);
int CrewSum(const GameRecord& ship);
int CrewRating(const GameRecord& ship, int ability);

// Whether the acting ship can use its selected item: loaded, and AP enough (the player is told
// when he lacks them). Spending takes the AP and unloads the slot.
bool CanAct(const GameRecord& ship, const GameRecord& slot, bool player);
void SpendAction(GameRecord& ship, GameRecord& slot, bool player);

// TMessage2 with its navy frame, the combat's event notice.
void ShowEvent(const std::string& headline, const std::string& text, const std::string& picture);
void ShowOutOfAP();

}  // namespace corvanth::combat
