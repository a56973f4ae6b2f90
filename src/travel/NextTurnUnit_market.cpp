// The turn's money and market steps: the loan falls due, war bonds change value, prices drift.
#include <cstdint>
#include <string>

#include "state/UMessage6.h"
#include "state/market.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/warbonds.h"
#include "travel/NextTurnUnit_steps.h"

namespace corvanth::turn {

namespace {

constexpr int kLoanExtension = 100;  // turns granted after a confiscation

// The largest step of a drift, in per cent of the base price (cheap goods swing wildly), and the
// seeds whose step draw of that range gives 0. A base outside every class draws no step.
struct StepRange {
    int32_t range;
    uint32_t zeroBelow;
};
constexpr StepRange StepOf(int32_t range) {
    return {range, static_cast<uint32_t>(RandomGenerator::SeedsBelow(range, 1))};
}
StepRange DriftStepRange(int base) {
    static constexpr StepRange kNone{0, 0};
    static constexpr StepRange k20 = StepOf(20), k15 = StepOf(15), k10 = StepOf(10), k5 = StepOf(5);
    if (base >= 0 && base <= 150) return k20;
    if (base >= 151 && base <= 400) return k15;
    if (base >= 401 && base <= 2499) return k10;
    if (base >= 2500 && base <= 100000) return k5;
    return kNone;
}

// One good's day, drawing from `rng`: the game's generator, held apart while the drift runs. How
// many draws a good takes hangs on their values (the chance roll, then the step, then its
// direction), so all three are worked out side by side and the seed set to where the day stops,
// chosen by conditional moves on the seeds themselves: a jump on the chance roll would be guessed
// wrong one day in five, and a draw's multiply on the way would make every good wait longer for
// the one before. `rolled` holds the seeds whose chance roll is below the chance.
void DriftOne(RandomGenerator& rng, uint64_t rolled, GameRecord& market) {
    const uint32_t roll = rng.Peek(1), size = rng.Peek(2), side = rng.Peek(3);
    const int base = market[Market::BasePrice];
    const StepRange step = DriftStepRange(base);
    // Without a step range the chance roll is all the day draws.
    const uint64_t sizedBelow = step.range > 0 ? rolled : 0;
    rng.SetSeed(
        ChooseIfBelow(roll, sizedBelow, ChooseIfBelow(size, step.zeroBelow, size, side), roll));
    const uint32_t p =
        static_cast<uint32_t>(RandomGenerator::Scale(size, step.range)) & MaskIf(roll < sizedBelow);
    // 50 of 101 rise, 51 fall: prices creep downwards. A step is drawn only for a base of 0 and
    // more, so the product stays unsigned.
    const uint32_t change = static_cast<uint32_t>(base) * p / 100;
    const auto drift = static_cast<uint32_t>(market[Market::Drift]);
    static constexpr uint64_t kRising = RandomGenerator::SeedsBelow(101, 50);
    int32_t moved =
        static_cast<int32_t>(Choose(MaskIf(side < kRising), drift + change, drift - change));
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
    const uint64_t rolled = RandomGenerator::SeedsBelow(100, g.MarketChangeChance);
    // A copy of the generator keeps the seed in a register: the market writes cannot touch it.
    RandomGenerator rng = Rng();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] != 1) continue;
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
            const GameRecord& p = g.Planets[s][l];
            if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
            for (int good = Good::First; good <= Good::Last; ++good)
                DriftOne(rng, rolled, g.Markets[s][l][good]);
        }
    }
    Rng() = rng;
}

}  // namespace corvanth::turn
