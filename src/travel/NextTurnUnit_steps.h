// The steps of one turn that live in files of their own, and what they share.
#pragma once

#include <cstdint>

#include "state/variables.h"
#include "travel/NextTurnUnit_calls.h"

namespace corvanth::turn {

inline constexpr int64_t kValueCap = 900000000;  // money, fame, reputation and bonds

inline GameRecord& Captain() {
    return G().Players[G().CurrentPlayer];
}
inline GameRecord& PlayerFleet() {
    return G().Fleets[G().CurrentFleet];
}
inline GameRecord& PlayerShip() {
    return G().Ships[G().CurrentFleet][G().CurrentShip];
}
// The captain's faction 1..4, or 0 when the record holds none.
inline int CaptainFaction() {
    const int f = Captain()[Player::Faction];
    return (f >= FactionId::Federation && f <= FactionId::Coalition) ? f : 0;
}
inline int32_t Capped(int64_t value) {
    return static_cast<int32_t>(value > kValueCap ? kValueCap : value);
}
inline TurnCalls& Calls() {
    return CurrentTurnCalls();
}

// Money: the loan falls due, war bonds change value (NextTurnUnit_market.cpp).
void CollectLoan();
void ChangeWarBonds();
// Every planet's prices drift (NextTurnUnit_market.cpp).
void DriftMarketPrices();
// Birthdays, the age drug and the heart attack (NextTurnUnit_aging.cpp).
void AgeCaptain();

}  // namespace corvanth::turn
