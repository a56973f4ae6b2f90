// The turn's money and markets: the loan falls due, war bonds by the war's course, price drift.
#include <gtest/gtest.h>

#include "state/UMessage6.h"
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

}  // namespace
}  // namespace corvanth
