// Crew management: the hireable crew at every location.
#include "planet/Crew2.h"

#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

namespace {

constexpr int kCrewKinds = 6;

// One location's count of one kind: a higher rank opens the doors to more and better men.
int DrawByRank(int rank) {
    if (rank <= 1) return Random(4);
    switch (rank) {
        case 2:
            return Random(8) + 2;
        case 3:
            return Random(16) + 4;
        case 4:
            return Random(32) + 8;
        case 5:
            return Random(64) + 16;
        default:
            return Random(128) + 32;
    }
}

}  // namespace

void RegenerateHireableCrew() {
    GameState& g = G();
    const int faction = Captain()[Player::Faction];
    const bool ownFaction = PlayableFaction(faction);
    const int rank = ownFaction ? g.Factions[faction][Faction::Rank] : 0;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            GameRecord& p = g.Planets[s][l];
            for (int k = 1; k <= kCrewKinds; ++k) {
                int n = DrawByRank(rank);
                // Officers flock to the Federation and shun the Syndicate; scoundrels love it.
                if (k == 1 && faction == FactionId::Federation) n += n / 2;
                if (k == 1 && faction == FactionId::Syndicate) n -= n / 2;
                if (k == 5 && faction == FactionId::Syndicate) n *= 2;
                p[Planet::HireableCrewBase + k] = n;
            }
        }
    }
}

}  // namespace corvanth
