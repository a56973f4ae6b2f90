// The start of a new game: ten warm-up passes of the world, the pilot wings and the start story.
#include <algorithm>
#include <string>

#include "state/UMessage4.h"
#include "state/market.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/travel.h"

namespace corvanth {

namespace {

constexpr int kWarmUpPasses = 10;

// The warm-up's steps are wider than a day's drift, so the first prices already differ from
// the catalogue's. A base price outside every band steps by nothing.
int WarmUpStep(int base) {
    if (base >= 0 && base <= 150) return Random(300);
    if (base >= 151 && base <= 400) return Random(30);
    if (base >= 401 && base <= 950) return Random(20);
    if (base >= 951 && base <= 1499) return Random(15);
    if (base >= 1500 && base <= 2499) return Random(10);
    if (base >= 2500 && base <= 100000) return Random(5);
    return 0;
}

void WarmUpDrift() {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] != 1) continue;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
            for (int good = Good::First; good <= Good::Last; ++good) {
                GameRecord& market = g.Markets[s][l][good];
                if (Random(100) >= 50) continue;
                const int64_t base = market[Market::BasePrice];
                const int64_t step = base * WarmUpStep(market[Market::BasePrice]) / 100;
                const int64_t drift = market[Market::Drift];
                market[Market::Drift] =
                    SaturateInt32(Random(101) < 50 ? drift + step : drift - step);
                market[Market::Price] = SaturateInt32(base + market[Market::Drift]);
                KeepPriceInBand(market);
            }
        }
    }
}

// Pilot wings that fit the size of the ship the captain starts in; never fewer than held.
void GrantPilotWings() {
    const int f = Captain()[Player::Faction];
    if (f < FactionId::Federation || f > FactionId::Pirates) return;
    const int size = PlayerShip()[Ship::SizeClass];
    static constexpr int kWingsBySize[] = {0, 1, 1, 2, 2, 3};
    if (size < 1 || size > 5) return;
    const int wings = kWingsBySize[size];
    int32_t& held = G().Factions[f][Faction::PilotWings];
    held = std::max(held, wings);
}

}  // namespace

void ShowAdventureStart() {
    GameState& g = G();
    ++g.TurnNumber;
    for (int pass = 0; pass < kWarmUpPasses; ++pass) {
        GameUpcalls().GenerateMissionOffers();
        UpdateMarketPrices();
        WarmUpDrift();
        GameUpcalls().RegenerateHireableCrew();
        GrantPilotWings();
        RecalcShipStats(1, 1, 0, 0);
    }

    ShowLongNoticeFile("Your adventure begins...", GetHeroPictureName(g.CurrentPlayer) + ".jpg",
                       "begin.txt");
    struct FactionStory {
        const char* army;
        const char* logo;
        const char* mission;
        int picture;
    };
    static constexpr FactionStory kStories[] = {
        {"Federation.txt", "FederationLogo.jpg", "begin2_F.txt", 19},
        {"OuterRim.txt", "OuterrimLogo.jpg", "begin2_O.txt", 8},
        {"Syndicate.txt", "SyndicateLogo.jpg", "begin2_S.txt", 3},
        {"Coalition.txt", "TraderUnionLogo.jpg", "begin2_C.txt", 28},
    };
    const int f = Captain()[Player::Faction];
    if (!PlayableFaction(f)) return;
    const FactionStory& story = kStories[f - 1];
    ShowLongNoticeFile("In the army now...", story.logo, story.army);
    ShowLongNoticeFile("Its up to you...", GetPlanetPictureNameR(story.picture), story.mission);
}

}  // namespace corvanth
