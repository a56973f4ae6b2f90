// The civil war between the factions.
#include "career/warstatus.h"

#include "career/news.h"
#include "state/market.h"
#include "state/random.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

namespace {
constexpr int kFacilityKinds = 20;
constexpr int kRebuildChance = 5;  // in 100, per destroyed kind and turn
// One chance in 10000 per held planet and turn that a split system is recaptured.
constexpr int kRecaptureDraw = 20000;
constexpr int kRecaptureBelow = 2;
}  // namespace

// Relations change only through the war rules, which arrive with the war itself; until then
// every peace and every war stays as the new game set it.
void UpdateDiplomacy() {}

void RebuildFacilities() {
    GameState& g = G();
    bool rebuilt = false;
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            GameRecord& p = g.Planets[s][l];
            for (int k = 1; k <= kFacilityKinds; ++k) {
                // The draw only for a kind that has something to rebuild.
                if (p[Planet::DestroyedFacilityBase + k] <= 0 || Random(100) >= kRebuildChance)
                    continue;
                ++p[Planet::FacilityBase + k];
                --p[Planet::DestroyedFacilityBase + k];
                rebuilt = true;
            }
        }
    }
    // Supply has changed: the markets follow, once. Nothing in the loop reads a price.
    if (rebuilt) UpdateMarketPrices();
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
                if (p[Planet::Exists] <= 0 || p[Planet::Kind] != PlanetKind::Planet) continue;
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

// No faction raids or conquers until the war rules arrive; the front lines stand still.
void WarTurnStep() {}

// With the front lines standing still no faction can come to hold more systems than at the
// start, so the war cannot end yet.
void CheckEndOfWar() {}

}  // namespace corvanth
