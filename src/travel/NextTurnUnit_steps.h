// The steps of one turn that live in files of their own, and what they share.
#pragma once

#include <cstdint>

#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth::turn {

// Money: the loan falls due, war bonds change value (NextTurnUnit_market.cpp).
void CollectLoan();
void ChangeWarBonds();
// Every planet's prices drift (NextTurnUnit_market.cpp).
void DriftMarketPrices();
// Birthdays, the age drug and the heart attack (NextTurnUnit_aging.cpp).
void AgeCaptain();

}  // namespace corvanth::turn
