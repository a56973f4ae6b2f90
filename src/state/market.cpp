// Market prices from the industries in reach of each planet, and the owners of a system's planets.
#include "state/market.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kHighestLevel = 4;
constexpr int kIndustryKinds = 7;                // industry kind k feeds goods category k
constexpr int kOwners = FactionId::Pirates + 1;  // 0 none .. 5 pirates

// What one call of UpdateMarketPrices works from. A planet's supply level depends only on its
// system, its owner and the category, so each is worked out once per call, not once per planet
// and jump path; nothing is kept between calls.
class SupplyLevels {
  public:
    explicit SupplyLevels(const GameState& g) {
        for (int a = 0; a < kOwners; ++a)
            for (int b = 0; b < kOwners; ++b)
                friendly_[a][b] = a == b || g.Factions[a][Faction::RelationBase + b] < 2;
        // The locations that count for anyone, read once: each owner's walk goes over these.
        for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
            for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
                const GameRecord& p = g.Planets[s][l];
                if (p[Planet::Exists] <= 0) continue;
                const bool planet = p[Planet::Kind] == PlanetKind::Planet;
                const bool jump =
                    p[Planet::Kind] == PlanetKind::JumpPoint && ValidSystem(p[Planet::JumpTarget]);
                if (!planet && !jump) continue;
                Place& place = places_[placeCount_++];
                place.system = s;
                place.location = l;
                place.owner = p[Planet::Owner];
                place.target = jump ? p[Planet::JumpTarget] : 0;
                for (int k = 1; k <= kIndustryKinds; ++k)
                    place.industry[k] = planet ? p[Planet::FacilityBase + k] : 0;
            }
        }
    }

    // Levels 0..4 of categories 1..7 (index k) for a planet of owner o in system s.
    const std::array<int8_t, kIndustryKinds + 1>& Levels(int s, int o) {
        static constexpr std::array<int8_t, kIndustryKinds + 1> kNone{};
        if (!ValidFaction(o)) return kNone;  // an owner outside the tables finds no friend
        Owner& w = ForOwner(o);
        if (!w.levelsDone[s]) ComputeLevels(w, s, o);
        return w.level[s];
    }

    // Each planet, in system and location order, with the levels for its owner.
    template <class Visit>
    void ForEachPlanet(Visit visit) {
        for (int n = 0; n < placeCount_; ++n) {
            const Place& p = places_[n];
            if (p.target == 0) visit(p.system, p.location, Levels(p.system, p.owner));
        }
    }

  private:
    // Cleared when an owner is first asked for, not for every owner: most calls ask for few.
    struct Owner {
        // Industry of kind k on the planets of system s that count for this owner.
        std::array<std::array<int64_t, kIndustryKinds + 1>, SystemBound> industry;
        // The targets of the system's open jump points, in location order.
        std::array<std::array<int8_t, LocationBound>, SystemBound> jumps;
        std::array<int8_t, SystemBound> jumpCount;
        std::array<std::array<int8_t, kIndustryKinds + 1>, SystemBound> level;
        std::array<bool, SystemBound> levelsDone;
    };

    // Whether a location of owner `other` counts for owner o: the same owner, or `other` is not
    // at war with o (read in other's record). An owner outside the tables is hostile.
    bool Friendly(int other, int o) const { return ValidFaction(other) && friendly_[other][o]; }

    Owner& ForOwner(int o) {
        Owner& w = owners_[o];
        if (ready_[o]) return w;
        ready_[o] = true;
        w.industry = {};
        w.jumpCount = {};
        w.levelsDone = {};
        for (int n = 0; n < placeCount_; ++n) {
            const Place& p = places_[n];
            if (!Friendly(p.owner, o)) continue;
            if (p.target == 0) {
                for (int k = 1; k <= kIndustryKinds; ++k) w.industry[p.system][k] += p.industry[k];
            } else {
                // A hostile jump point blocks what lies behind it.
                w.jumps[p.system][w.jumpCount[p.system]++] = static_cast<int8_t>(p.target);
            }
        }
        return w;
    }

    void ComputeLevels(Owner& w, int s, int o) {
        w.levelsDone[s] = true;
        // Every kind at once (slot 0 stays empty): one walk over the jump points, not one a kind.
        std::array<int64_t, kIndustryKinds + 1> near{}, far{};
        for (int j = 0; j < w.jumpCount[s]; ++j) {
            const int t = w.jumps[s][j];
            for (int k = 0; k <= kIndustryKinds; ++k) near[k] += w.industry[t][k];
            // Two jumps away; the way back to s counts it again.
            for (int i = 0; i < w.jumpCount[t]; ++i) {
                const auto& beyond = w.industry[w.jumps[t][i]];
                for (int k = 0; k <= kIndustryKinds; ++k) far[k] += beyond[k];
            }
        }
        for (int k = 1; k <= kIndustryKinds; ++k) {
            int64_t level = w.industry[s][k] + near[k] / 2 + far[k] / 4;
            if (o == FactionId::Coalition) ++level;
            w.level[s][k] = static_cast<int8_t>(std::clamp<int64_t>(level, 0, kHighestLevel));
        }
    }

    // A planet (target 0, its industries) or an open jump point (its target system).
    struct Place {
        int32_t system, location, owner, target;
        std::array<int32_t, kIndustryKinds + 1> industry;
    };
    std::array<Place, StarSystem::Last * Planet::LastLocation> places_;
    int placeCount_ = 0;
    std::array<std::array<bool, kOwners>, kOwners> friendly_{};
    std::array<bool, kOwners> ready_{};
    std::array<Owner, kOwners> owners_;
};

}  // namespace

void UpdateMarketPrices() {
    GameState& g = G();
    // The goods that are priced, and their prices by level, read once: the same for every planet.
    struct Priced {
        int good, category;
        std::array<int32_t, kHighestLevel + 1> price;
    };
    std::array<Priced, Good::Last> priced;
    int pricedCount = 0;
    for (int good = Good::First; good <= Good::Last; ++good) {
        const GameRecord& gd = g.Goods[good];
        const int k = gd[Good::Category];
        if (gd[Good::Defined] <= 0 || k < 1 || k > kIndustryKinds) continue;
        Priced& p = priced[pricedCount++];
        p.good = good;
        p.category = k;
        for (int level = 0; level <= kHighestLevel; ++level)
            p.price[level] = gd[Good::PriceAtLevelBase + level];
    }
    // Several KB of working tables: on the heap, once per call.
    auto levels = std::make_unique<SupplyLevels>(g);
    levels->ForEachPlanet([&](int s, int l, const std::array<int8_t, kIndustryKinds + 1>& level) {
        auto& market = g.Markets[s][l];
        for (int i = 0; i < pricedCount; ++i) {
            const Priced& gd = priced[i];
            GameRecord& m = market[gd.good];
            const int32_t base = gd.price[level[gd.category]];
            m[Market::BasePrice] = base;
            // A drift made on a dearer base can outweigh a cheaper one (a raid or a conquest in
            // the middle of a turn): a good is never given away or paid for taking.
            m[Market::Price] = static_cast<int32_t>(
                std::clamp<int64_t>(int64_t{base} + m[Market::Drift], 1, INT32_MAX));
        }
    });
}

MarketReach ReachOfPrices(const std::array<int32_t, 5>& pricesByLevel) {
    int64_t base = 0, lowest = 0, highest = 1;
    for (const int32_t level : pricesByLevel) {
        base = std::max<int64_t>(base, level);
        const PriceBand* band = nullptr;
        for (const PriceBand& b : kPriceBands)
            if (level >= 0 && static_cast<uint32_t>(level) >= b.from &&
                static_cast<uint32_t>(level) <= b.to)
                band = &b;
        if (!band) return {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX};  // no band holds it
        // As the band holds a price: no lower than the floor, no higher than the largest drift.
        lowest = std::min<int64_t>(lowest, int64_t{level} * band->floorPercent / 100 - level);
        highest = std::max<int64_t>(highest, int64_t{level} * band->maxDrift / 100);
    }
    return {static_cast<int32_t>(base), static_cast<int32_t>(lowest), static_cast<int32_t>(highest),
            static_cast<int32_t>(base + highest)};
}

void SetSystemOwnerToPlanets(int system) {
    if (!ValidSystem(system)) return;
    GameState& g = G();
    const GameRecord& s = g.StarSystems[system];
    if (s[StarSystem::Exists] < 1) return;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        GameRecord& p = g.Planets[system][l];
        if (p[Planet::Exists] >= 1 && p[Planet::Owner] != s[StarSystem::Owner])
            p[Planet::Owner] = s[StarSystem::Owner];
    }
}

}  // namespace corvanth
