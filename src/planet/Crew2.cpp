// Crew management: the hireable crew at every location, and hiring and dismissing them.
#include "planet/Crew2.h"

#include <algorithm>
#include <array>

#include "planet/CrewPay.h"
#include "state/fortune.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

namespace {

constexpr int kCrewKinds = 6;

// One location's count of one kind is Random(range) + base: a higher rank opens the doors to
// more and better men.
struct CrewDraw {
    int32_t range, base;
};
CrewDraw DrawByRank(int rank) {
    if (rank <= 1) return {4, 0};
    switch (rank) {
        case 2:
            return {8, 2};
        case 3:
            return {16, 4};
        case 4:
            return {32, 8};
        case 5:
            return {64, 16};
        default:
            return {128, 32};
    }
}

}  // namespace

void RegenerateHireableCrew() {
    GameState& g = G();
    const int faction = Captain()[Player::Faction];
    const bool ownFaction = PlayableFaction(faction);
    const int rank = ownFaction ? g.Factions[faction][Faction::Rank] : 0;
    // Every location of every system draws every kind, all with the same range: the day's
    // draws in one go.
    constexpr size_t kDraws = size_t{StarSystem::Last} * Planet::LastLocation * kCrewKinds;
    std::array<int32_t, kDraws> draws;
    const CrewDraw d = DrawByRank(rank);
    Rng().Draws(d.range, draws.data(), kDraws);
    const int32_t* next = draws.data();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l, next += kCrewKinds) {
            GameRecord& p = g.Planets[s][l];
            for (int k = 1; k <= kCrewKinds; ++k)
                p[Planet::HireableCrewBase + k] = next[k - 1] + d.base;
            // Officers flock to the Federation and shun the Syndicate; scoundrels love it.
            int32_t& officers = p[Planet::HireableCrewBase + 1];
            int32_t& scoundrels = p[Planet::HireableCrewBase + 5];
            if (faction == FactionId::Federation) {
                officers += officers / 2;
            } else if (faction == FactionId::Syndicate) {
                officers -= officers / 2;
                scoundrels *= 2;
            }
        }
    }
}

int32_t HireBarPosition(int kind, int32_t position) {
    const GameRecord& ship = PlayerShip();
    const int64_t total = CrewSum(ShipCrew()) + CrewSum(CrewPendingChange);
    const int64_t max = ship[Ship::CrewMax];
    const int64_t pending = CrewPendingChange[kind];
    int64_t at = position;
    if (total >= max) {
        if (at > pending) at = pending;  // the ship is full
    } else if (total - pending + at >= max) {
        at = max - total + pending;
    }
    return SaturateInt32(std::max<int64_t>(at, 0));
}

std::string ApplyCrewChange(bool hireMode) {
    GameRecord& ship = PlayerShip();
    GameRecord& here = FleetLocationRecord();
    GameRecord& captain = Captain();
    std::array<int32_t, 5>& p = CrewPendingChange;
    if (hireMode) {
        const int32_t fee = CalcDroidFee(p[CrewKind::Droids - CrewKind::First]);
        if (fee > captain[Player::Money])
            return "You do not have enough money to pay the one-time fees!";
        if (p == std::array<int32_t, 5>{}) return "You made no changes!";
        for (int k = 0; k < 5; ++k)
            if (p[k] < 0 || p[k] > here[Planet::HireableCrewBase + 1 + k]) return "ERROR 674!";
        if (CrewSum(ShipCrew()) + CrewSum(p) > ship[Ship::CrewMax])
            return "Your ship is too small for this amount of crewmen!";
        captain[Player::Money] -= fee;
    } else {
        // Bars keep their old ranges after an apply: a bar moved back up must not bring anyone
        // aboard for nothing.
        for (int k = 0; k < 5; ++k)
            if (p[k] > 0 || int64_t(ship[Ship::CrewBase + 1 + k]) + p[k] < 0)
                return "You do not have that many crewmen!";
    }
    for (int k = 0; k < 5; ++k) {
        int32_t& supply = here[Planet::HireableCrewBase + 1 + k];
        supply = SaturateInt32(int64_t(supply) - p[k]);
        ship[Ship::CrewBase + 1 + k] += p[k];
    }
    p = {};
    return hireMode ? "You hire the crewmen!" : "You dismiss the crewmen!";
}

}  // namespace corvanth
