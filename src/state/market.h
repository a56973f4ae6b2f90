// Market prices from the industries in reach, and the owners of a system's planets.
#pragma once

#include <array>
#include <cstdint>

#include "state/variables.h"

namespace corvanth {

// Reprices every planet's market for every defined good from the industries of its own system
// and of the systems one and two jumps away that are friendly to its owner.
void UpdateMarketPrices();

// The band of a class of base prices: a floor and a largest drift, both in per cent of the base.
struct PriceBand {
    uint32_t from, to, floorPercent, maxDrift;
};
inline constexpr PriceBand kPriceBands[] = {
    {0, 50, 10, 90},      {51, 100, 20, 80},     {101, 400, 50, 50},
    {401, 950, 60, 40},   {951, 1499, 70, 30},   {1500, 2499, 73, 27},
    {2500, 5000, 76, 24}, {5001, 10000, 85, 15}, {10001, 100000, 90, 10},
};

// Holds a drifted price inside its band; never below 1. A base price outside every class keeps
// its drift unbounded. Inline, and on values: the daily drift runs it for every good of every
// planet.
inline void KeepInBand(int64_t base, int32_t& price, int32_t& drift) {
    // Within the classes, base 0..100,000, every bound fits 32 bits unsigned.
    if (base >= 0 && base <= 100000) {
        const auto b = static_cast<uint32_t>(base);
        for (const PriceBand& band : kPriceBands) {
            if (b < band.from || b > band.to) continue;
            const auto limit = static_cast<int32_t>(b * band.maxDrift / 100);
            if (static_cast<int32_t>(b * band.floorPercent / 100) > price) {
                drift = -limit;
                price = static_cast<int32_t>(b) - limit;
            }
            if (static_cast<int32_t>(b) + limit < price) {
                drift = limit;
                price = static_cast<int32_t>(b) + limit;
            }
            break;
        }
    }
    if (price <= 0) {
        price = 1;
        drift = 1;
    }
}

// The same on a market record; the warm-up of a new game and the tutorial's lesson price use it.
inline void KeepPriceInBand(GameRecord& market) {
    KeepInBand(market[Market::BasePrice], market[Market::Price], market[Market::Drift]);
}

// What the days can make of a market whose good has these base prices by supply level, however
// often its supply changes: the base is one of them, or the 0 of a market no repricing reaches;
// the drift is one the band of any of them holds, or the 0 of a new game and the 1 of a price
// that fell to nothing, since a new owner reprices over the drift of the base before; the price
// is their sum, at least 1 (or the unreached market's 0).
struct MarketReach {
    int32_t highestBase, lowestDrift, highestDrift, highestPrice;
};
MarketReach ReachOfPrices(const std::array<int32_t, 5>& pricesByLevel);

// Gives every existing location of the system the system's owner.
void SetSystemOwnerToPlanets(int system);

}  // namespace corvanth
