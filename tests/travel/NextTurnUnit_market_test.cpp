// The turn's money and markets: the loan falls due, war bonds by the war's course, price drift.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <memory>

#include "state/UMessage6.h"
#include "travel/NextTurnUnit_steps.h"
#include "travel/turn_fixture.h"

namespace corvanth {
namespace {

using test::TurnTest;

class TurnMoney : public TurnTest {
  protected:
    // One turn with the loan due now.
    void LoanDue(int debt, int money) {
        OwnFaction()[Faction::Loan] = debt;
        OwnFaction()[Faction::LoanTurnsLeft] = 1;
        Captain()[Player::Money] = money;
    }
};

TEST_F(TurnMoney, AForgottenLoanTakesHalfTheMoneyButNeverMoreThanTheDebt) {
    // Debt 500, money 3000: half is 1500, the debt is smaller: 500 taken, all paid.
    LoanDue(500, 3000);
    OwnFaction()[Faction::EarlyPaybackTurns] = 0;
    player()
        .Do("TMessage6", [](ui::Form&) { EXPECT_FALSE(Message6->CheckBox1->enabled); })
        .Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(Captain()[Player::Money], 2500);
    EXPECT_EQ(OwnFaction()[Faction::Loan], 0);
    EXPECT_EQ(OwnFaction()[Faction::EarlyPaybackTurns], 0);  // not below 0
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "You forgot to pay back your loan! $C 500 of your fortune got confiscated! Your loan "
              "is now paid back completetly.");
    EXPECT_EQ(player().LastSeen("TMessage6")->Picture("Image2"), "treasure_sm.jpg");

    // Debt 5000, money 3000: 1500 taken, 3500 left to pay in 100 more turns.
    LoanDue(5000, 3000);
    OwnFaction()[Faction::EarlyPaybackTurns] = 4;
    player().Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(Captain()[Player::Money], 1500);
    EXPECT_EQ(OwnFaction()[Faction::Loan], 3500);
    EXPECT_EQ(OwnFaction()[Faction::LoanTurnsLeft], 100);
    EXPECT_EQ(OwnFaction()[Faction::EarlyPaybackTurns], 3);
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "You forgot to pay back your loan! $C 1.500 of your fortune got confiscated! You "
              "have additional 100 turns to pay back the rest.");

    // Broke (money 1: half is 0): nothing taken, no notice, and the bank tries every turn.
    LoanDue(5000, 1);
    NextTurn();
    NextTurn();
    EXPECT_EQ(OwnFaction()[Faction::Loan], 5000);
    EXPECT_EQ(OwnFaction()[Faction::LoanTurnsLeft], -1);
    Captain()[Player::Money] = 10;
    player().Click("TMessage6", "SpeedButton3");
    NextTurn();
    EXPECT_EQ(OwnFaction()[Faction::Loan], 4995);
    EXPECT_EQ(player().TimesSeen("TMessage6"), 3);
}

TEST_F(TurnMoney, WarBondsFollowTheOwnFactionsWarScores) {
    // The Federation's scores against factions 2, 3 and 4 make the sum; its own field 51 is
    // left out. Rates: -9..-100 -6 %, -8..-3 -4 %, -2..2 -2 %, 3..5 0 %, 6..100 +2 %.
    struct Case {
        int s2, s3, s4;
        int64_t before, after;
    };
    const Case kCases[] = {
        {0, 0, 0, 1000, 980},
        {3, 3, 0, 1000, 1020},
        {-3, -3, -3, 1000, 940},
        {-3, 0, 0, 1000, 960},
        {-3, -3, -2, 1000, 960},
        {-2, 0, 0, 1000, 980},
        {1, 1, 0, 1000, 980},
        {3, 0, 0, 1000, 1000},
        {3, 2, 0, 1000, 1000},
        {0, 0, 0, 49, 49},                 // 49 * -2 / 100 truncates to 0
        {3, 3, 3, 2000000000, 900000000},  // 2040000000 in 64 bits, capped like money
        {-3, -3, -3, 2100000000, 900000000},
    };
    for (const Case& c : kCases) {
        GameRecord& fed = G().Factions[FactionId::Federation];
        fed[Faction::WarScoreBase + 1] = 3;
        fed[Faction::WarScoreBase + 2] = c.s2;
        fed[Faction::WarScoreBase + 3] = c.s3;
        fed[Faction::WarScoreBase + 4] = c.s4;
        fed[Faction::WarBonds] = static_cast<int32_t>(c.before);
        NextTurn();
        EXPECT_EQ(fed[Faction::WarBonds], c.after)
            << c.s2 << " " << c.s3 << " " << c.s4 << " " << c.before;
    }
}

TEST_F(TurnMoney, PricesDriftWithinTheirBandsAndABaseChangeIsBroughtBackAtOnce) {
    // Good 1 at location 1 of system 4: a drift far outside its band is cut back to the band's
    // edge; with no roll at all (chance 0) the band still holds.
    GameRecord& food = G().Markets[4][1][1];
    const int base = 300;  // band 50 / 50; the repricing is a recorder here and leaves it
    food[Market::BasePrice] = base;
    G().MarketChangeChance = 0;
    food[Market::Drift] = base;  // +100 %
    NextTurn();
    EXPECT_EQ(food[Market::Drift], base * 50 / 100);
    EXPECT_EQ(food[Market::Price], base + base * 50 / 100);
    food[Market::Drift] = -5 * base;  // a base that fell: the price would be far below 0
    NextTurn();
    EXPECT_EQ(food[Market::Drift], -(base * 50 / 100));
    EXPECT_EQ(food[Market::Price], base - base * 50 / 100);

    // A base price of 0 keeps a price of 1; a base of 5 never drifts (5 * p / 100 is 0).
    G().MarketChangeChance = 80;
    food[Market::BasePrice] = 0;
    G().Markets[4][1][2][Market::BasePrice] = 5;
    G().Markets[4][1][2][Market::Drift] = 0;
    for (int i = 0; i < 50; ++i) {
        NextTurn();
        EXPECT_EQ(food[Market::Price], 1);
        EXPECT_EQ(G().Markets[4][1][2][Market::Price], 5);
    }
}

// The day's drift as the rule reads, step by step, on its own generator: the chance roll, the
// step by the base price's class, its direction, the band and the floor of 1.
void DriftAsTheRuleReads(RandomGenerator& rng, int chance, GameRecord& m) {
    const int b = m[Market::BasePrice];
    if (rng.Next(100) < chance) {
        int p = 0;
        if (b >= 0 && b <= 150)
            p = rng.Next(20);
        else if (b >= 151 && b <= 400)
            p = rng.Next(15);
        else if (b >= 401 && b <= 2499)
            p = rng.Next(10);
        else if (b >= 2500 && b <= 100000)
            p = rng.Next(5);
        if (p > 0) m[Market::Drift] += (rng.Next(101) < 50 ? 1 : -1) * (b * p / 100);
    }
    m[Market::Price] = b + m[Market::Drift];
    const int bands[][4] = {{0, 50, 10, 90},      {51, 100, 20, 80},     {101, 400, 50, 50},
                            {401, 950, 60, 40},   {951, 1499, 70, 30},   {1500, 2499, 73, 27},
                            {2500, 5000, 76, 24}, {5001, 10000, 85, 15}, {10001, 100000, 90, 10}};
    for (const auto& band : bands) {
        if (b < band[0] || b > band[1]) continue;
        const int q = b * band[3] / 100;
        if (b * band[2] / 100 > m[Market::Price]) {
            m[Market::Drift] = -q;
            m[Market::Price] = b - q;
        }
        if (b + q < m[Market::Price]) {
            m[Market::Drift] = q;
            m[Market::Price] = b + q;
        }
    }
    if (m[Market::Price] <= 0) m[Market::Price] = m[Market::Drift] = 1;
}

// Every planet's goods over many days, with base prices on both sides of every class edge and
// outside all classes, drifts far outside their bands and every kind of chance: the same prices,
// drifts and draws as the rule read step by step.
TEST_F(TurnMoney, TheDriftDrawsAndPricesAsTheRuleReadsGoodByGood) {
    const int edges[] = {-5,   0,    1,     5,     50,    51,     100,    101,    150,
                         151,  400,  401,   950,   951,   1499,   1500,   2499,   2500,
                         5000, 5001, 10000, 10001, 99999, 100000, 100001, 2000000};
    GameState& g = G();
    int n = 0;
    for (int s = 1; s <= 26; ++s)
        for (int l = 1; l <= 35; ++l)
            for (int good = 1; good <= 20; ++good, ++n) {
                GameRecord& m = g.Markets[s][l][good];
                m[Market::BasePrice] = edges[n % std::size(edges)];
                m[Market::Drift] = (n % 7 - 3) * m[Market::BasePrice];
            }
    auto markets = std::make_unique<decltype(g.Markets)>(g.Markets);
    RandomGenerator rule;
    rule.SetSeed(99);
    Rng().SetSeed(99);
    for (int day = 0; day < 300; ++day) {
        const int chance = std::array{80, 0, 1, 50, 99, 100, 101, -1}[day % 8];
        g.MarketChangeChance = chance;
        turn::DriftMarketPrices();
        for (int s = 1; s <= 26; ++s) {
            if (g.StarSystems[s][StarSystem::Exists] != 1) continue;
            for (int l = 1; l <= 35; ++l) {
                const GameRecord& p = g.Planets[s][l];
                if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
                for (int good = 1; good <= 20; ++good)
                    DriftAsTheRuleReads(rule, chance, (*markets)[s][l][good]);
            }
        }
        ASSERT_EQ(Rng().Seed(), rule.Seed()) << day;
        ASSERT_TRUE(*markets == g.Markets) << day;
    }
}

}  // namespace
}  // namespace corvanth
