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

// The largest step of a drift, in per cent of the base price: cheap goods swing wildly. 0 for a
// base outside every class, which draws no step.
int32_t DriftStepRange(int base) {
    if (base >= 0 && base <= 150) return 20;
    if (base >= 151 && base <= 400) return 15;
    if (base >= 401 && base <= 2499) return 10;
    if (base >= 2500 && base <= 100000) return 5;
    return 0;
}

// One good's day, drawing from `rng`: the game's generator, held apart while the drift runs. How
// many draws a good takes hangs on their values (the chance roll, then the step, then its
// direction), so all three are worked out side by side and the seed set to where the day stops,
// chosen by masks: a jump on the chance roll would be guessed wrong one day in five.
void DriftOne(RandomGenerator& rng, int chance, GameRecord& market) {
    const uint32_t roll = rng.Peek(1), size = rng.Peek(2), side = rng.Peek(3);
    const int base = market[Market::BasePrice];
    const int32_t range = DriftStepRange(base);
    const uint32_t sized = MaskIf(RandomGenerator::Scale(roll, 100) < chance) & MaskIf(range > 0);
    const uint32_t p = static_cast<uint32_t>(RandomGenerator::Scale(size, range)) & sized;
    rng.SetSeed(Choose(MaskIf(p > 0), side, Choose(sized, size, roll)));
    // 50 of 101 rise, 51 fall: prices creep downwards. A step is drawn only for a base of 0 and
    // more, so the product stays unsigned.
    const uint32_t change = static_cast<uint32_t>(base) * p / 100;
    const auto drift = static_cast<uint32_t>(market[Market::Drift]);
    int32_t moved = static_cast<int32_t>(
        Choose(MaskIf(RandomGenerator::Scale(side, 101) < 50), drift + change, drift - change));
    // The band holds for every good, drifted today or not: a base price that changed with the
    // supply keeps the old drift, which may lie far outside the new band or even below 1.
    int32_t price = base + moved;
    KeepInBand(base, price, moved);
    market[Market::Price] = price;
    market[Market::Drift] = moved;
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
    const int chance = g.MarketChangeChance;
    // A copy of the generator keeps the seed in a register: the market writes cannot touch it.
    RandomGenerator rng = Rng();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] != 1) continue;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
            for (int good = Good::First; good <= Good::Last; ++good)
                DriftOne(rng, chance, g.Markets[s][l][good]);
        }
    }
    Rng() = rng;
}

}  // namespace corvanth::turn
