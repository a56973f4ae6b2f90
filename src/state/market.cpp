// Market prices from the industries in reach of each planet, and who owns the star systems.
#include "state/market.h"

#include <algorithm>

#include "career/news.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kHighestLevel = 4;
// One chance in 10000 per held planet and turn that a split system is recaptured.
constexpr int kRecaptureDraw = 20000;
constexpr int kRecaptureBelow = 2;

// Whether a location of owner `other` counts for a planet of owner `o`: the same owner, or
// `other` is not at war with `o`. An owner outside the tables (a damaged save) is hostile.
bool Friendly(int other, int o) {
    if (!ValidFaction(other) || !ValidFaction(o)) return false;
    return other == o || G().Factions[other][Faction::RelationBase + o] < 2;
}

bool IsLocation(const GameRecord& l, int kind) {
    return l[Planet::Exists] > 0 && l[Planet::Kind] == kind;
}

// The linked system of a jump point, 0 when it names none the tables hold.
int JumpTarget(const GameRecord& l) {
    const int t = l[Planet::JumpTarget];
    return ValidSystem(t) ? t : 0;
}

// Industry of kind k on the planets of `system` that count for owner o.
int64_t SystemIndustry(int system, int k, int o) {
    int64_t sum = 0;
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = G().Planets[system][l];
        if (IsLocation(p, PlanetKind::Planet) && Friendly(p[Planet::Owner], o))
            sum += p[Planet::FacilityBase + k];
    }
    return sum;
}

// The open jump points of `system` for owner o, each with its target; a hostile jump point
// blocks what lies behind it.
template <class Visit>
void ForOpenJumps(int system, int o, Visit visit) {
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& j = G().Planets[system][l];
        if (!IsLocation(j, PlanetKind::JumpPoint) || !Friendly(j[Planet::Owner], o)) continue;
        if (const int t = JumpTarget(j)) visit(t);
    }
}

int SupplyLevel(int system, int k, int o) {
    int64_t level = SystemIndustry(system, k, o);
    int64_t near = 0, far = 0;
    ForOpenJumps(system, o, [&](int t) {
        near += SystemIndustry(t, k, o);
        // Two jumps away; the way back to `system` counts it again.
        ForOpenJumps(t, o, [&](int u) { far += SystemIndustry(u, k, o); });
    });
    level += near / 2 + far / 4;
    if (o == FactionId::Coalition) ++level;
    return static_cast<int>(std::clamp<int64_t>(level, 0, kHighestLevel));
}

void PriceCategory(int k) {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (!IsLocation(p, PlanetKind::Planet)) continue;
            const int level = SupplyLevel(s, k, p[Planet::Owner]);
            for (int good = Good::First; good <= Good::Last; ++good) {
                const GameRecord& gd = g.Goods[good];
                if (gd[Good::Defined] <= 0 || gd[Good::Category] != k) continue;
                GameRecord& m = g.Markets[s][l][good];
                m[Market::BasePrice] = gd[Good::PriceAtLevelBase + level];
                const int64_t price = int64_t{m[Market::BasePrice]} + m[Market::Drift];
                m[Market::Price] = SaturateInt32(price);
            }
        }
    }
}

}  // namespace

void UpdateMarketPrices() {
    // Industry kind k feeds goods category k.
    for (int k = 1; k <= 7; ++k) PriceCategory(k);
}

void CheckSystemConquests() {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        int held = 0;
        int other = 0;
        if (g.StarSystems[s][StarSystem::Exists] >= 1) {
            const int owner = g.StarSystems[s][StarSystem::Owner];
            for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
                const GameRecord& p = g.Planets[s][l];
                if (!IsLocation(p, PlanetKind::Planet)) continue;
                if (p[Planet::Owner] == owner)
                    ++held;
                else
                    other = p[Planet::Owner];
            }
        }
        if (held == 0 && other >= 1 && other == Captain()[Player::Faction]) {
            NewsSystemConquered(s);
        } else if (held >= 1 && other >= 1) {
            for (int draw = 0; draw < held; ++draw) {
                if (Random(kRecaptureDraw) < kRecaptureBelow) {
                    NewsSystemRecaptured(s);
                    break;
                }
            }
        }
    }
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

void KeepPriceInBand(GameRecord& market) {
    struct Band {
        int from, to, floorPercent, maxDrift;
    };
    static constexpr Band kBands[] = {
        {0, 50, 10, 90},      {51, 100, 20, 80},     {101, 400, 50, 50},
        {401, 950, 60, 40},   {951, 1499, 70, 30},   {1500, 2499, 73, 27},
        {2500, 5000, 76, 24}, {5001, 10000, 85, 15}, {10001, 100000, 90, 10},
    };
    const int64_t base = market[Market::BasePrice];
    for (const Band& band : kBands) {
        if (base < band.from || base > band.to) continue;
        const int64_t limit = base * band.maxDrift / 100;
        if (base * band.floorPercent / 100 > market[Market::Price]) {
            market[Market::Drift] = SaturateInt32(-limit);
            market[Market::Price] = SaturateInt32(base - limit);
        }
        if (base + limit < market[Market::Price]) {
            market[Market::Drift] = SaturateInt32(limit);
            market[Market::Price] = SaturateInt32(base + limit);
        }
        break;
    }
    if (market[Market::Price] <= 0) {
        market[Market::Price] = 1;
        market[Market::Drift] = 1;
    }
}

}  // namespace corvanth
