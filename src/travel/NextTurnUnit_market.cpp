// The turn's money and market steps: the loan falls due, war bonds change value, prices drift.
#include <cstdint>
#include <string>

#include "state/market.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/warbonds.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/NextTurnUnit_steps.h"

namespace corvanth::turn {

namespace {

constexpr int kLoanExtension = 100;  // turns granted after a confiscation

// The largest step of a drift, in per cent of the base price: cheap goods swing wildly.
int DriftStep(int base) {
    if (base >= 0 && base <= 150) return Random(20);
    if (base >= 151 && base <= 400) return Random(15);
    if (base >= 401 && base <= 2499) return Random(10);
    if (base >= 2500 && base <= 100000) return Random(5);
    return 0;
}

void DriftOne(GameRecord& market) {
    const int base = market[Market::BasePrice];
    int32_t& drift = market[Market::Drift];
    int32_t& price = market[Market::Price];
    if (Random(100) < G().MarketChangeChance) {
        const int p = DriftStep(base);
        if (p > 0) {
            // 50 of 101 rise, 51 fall: prices creep downwards.
            if (Random(101) < 50)
                drift += base * p / 100;
            else
                drift -= base * p / 100;
        }
    }
    // The band holds for every good, drifted today or not: a base price that changed with the
    // supply keeps the old drift, which may lie far outside the new band or even below 1.
    price = base + drift;
    KeepPriceInBand(market);
}

}  // namespace

void CollectLoan() {
    const int f = CaptainFaction();
    if (f == 0) return;
    GameRecord& faction = G().Factions[f];
    if (faction[Faction::Loan] <= 0) return;
    --faction[Faction::LoanTurnsLeft];
    if (faction[Faction::EarlyPaybackTurns] > 0) --faction[Faction::EarlyPaybackTurns];
    if (faction[Faction::LoanTurnsLeft] > 0) return;
    int32_t& money = Captain()[Player::Money];
    int32_t amount = money / 2;
    if (faction[Faction::Loan] < amount) amount = faction[Faction::Loan];
    // Nothing to take: the countdown stays run out and the bank tries again tomorrow.
    if (amount <= 0) return;
    faction[Faction::Loan] -= amount;
    faction[Faction::LoanTurnsLeft] = kLoanExtension;
    money -= amount;
    ShowFixedNotice("You forgot to pay back your loan! $C " + FormatThousands(amount) +
                        (faction[Faction::Loan] < 1
                             ? " of your fortune got confiscated! Your loan is now paid back "
                               "completetly."
                             : " of your fortune got confiscated! You have additional 100 turns "
                               "to pay back the rest."),
                    "treasure_sm.jpg");
}

void ChangeWarBonds() {
    const int f = CaptainFaction();
    if (f == 0) return;
    GameRecord& faction = G().Factions[f];
    if (faction[Faction::WarBonds] <= 0) return;
    // 64 bits: a large holding times the rate does not fit in 32.
    const int64_t value = faction[Faction::WarBonds];
    const int64_t changed = value + value * WarEffortRate(WarScoreSum(f)) / 100;
    faction[Faction::WarBonds] = changed < 0 ? 0 : CapValue(changed);
}

void DriftMarketPrices() {
    GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] != 1) continue;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
            for (int good = Good::First; good <= Good::Last; ++good)
                DriftOne(g.Markets[s][l][good]);
        }
    }
}

}  // namespace corvanth::turn
