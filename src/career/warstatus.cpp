// The civil war between the factions.
#include "career/warstatus.h"

#include "state/market.h"
#include "state/random.h"
#include "state/variables.h"

namespace corvanth {

namespace {
constexpr int kFacilityKinds = 20;
constexpr int kRebuildChance = 5;  // in 100, per destroyed kind and turn
}  // namespace

// Relations change only through the war rules, which arrive with the war itself; until then
// every peace and every war stays as the new game set it.
void UpdateDiplomacy() {}

void RebuildFacilities() {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            GameRecord& p = g.Planets[s][l];
            for (int k = 1; k <= kFacilityKinds; ++k) {
                // The draw only for a kind that has something to rebuild.
                if (p[Planet::DestroyedFacilityBase + k] <= 0 || Random(100) >= kRebuildChance)
                    continue;
                ++p[Planet::FacilityBase + k];
                --p[Planet::DestroyedFacilityBase + k];
                // Supply has changed: the markets follow at once.
                UpdateMarketPrices();
            }
        }
    }
}

// No faction raids or conquers until the war rules arrive; the front lines stand still.
void WarTurnStep() {}

// With the front lines standing still no faction can come to hold more systems than at the
// start, so the war cannot end yet.
void CheckEndOfWar() {}

}  // namespace corvanth
