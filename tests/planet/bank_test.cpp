// The bank: offers by rank, loans and their payback, war bonds, their reward, rate and sale.
#include "planet/bank.h"

#include <gtest/gtest.h>

#include "planet/planet_support.h"
#include "shell/Cheats.h"
#include "state/UMessage1.h"
#include "state/upcalls.h"
#include "state/warbonds.h"

namespace corvanth {
namespace {

class Bank : public test::PlanetTest {
  protected:
    void SetUp() override {
        PlanetTest::SetUp();
        keep_ = GameUpcalls().CheckPromotion;
        GameUpcalls().CheckPromotion = [this] { ++promotionChecks; };
    }
    void TearDown() override {
        GameUpcalls().CheckPromotion = keep_;
        PlanetTest::TearDown();
    }
    static GameRecord& Syndicate() { return G().Factions[FactionId::Syndicate]; }
    int promotionChecks = 0;

  private:
    std::function<void()> keep_;
};

TEST_F(Bank, LoansByRankAndTheirPaybackAtHalfOrInFull) {
    EXPECT_EQ(BankOffersForRank(-3).small.paidOut, 5000);  // out of the table: the nearest row
    EXPECT_EQ(BankOffersForRank(42).bondPrice, 6000000);
    Money() = 0;  // rank 1: 5.000 now for 25.000 in 100 turns, half of it within 50
    EXPECT_EQ(UseLoanButton(false).message, "You loaned the money.");
    EXPECT_EQ(Money(), 5000);
    EXPECT_EQ(Syndicate()[Faction::Loan], 25000);
    EXPECT_EQ(Syndicate()[Faction::EarlyPaybackTurns], 50);
    Money() = 12499;
    EXPECT_EQ(UseLoanButton(false).message, "You do not have enough money to pay back the loan!");
    EXPECT_EQ(UseLoanButton(true).message,
              "You do not have enough money to pay back the loan (12.500 $C)!");
    Money() = 12500;
    EXPECT_EQ(UseLoanButton(true).message, "You pay back the loan.");
    EXPECT_EQ(Money(), 0);
    EXPECT_EQ(Syndicate()[Faction::Loan], 0);
    // Rank 5: 500.000 for 1.000.000 in 500 turns; after the early period the whole debt.
    Syndicate()[Faction::Rank] = 5;
    UseLoanButton(false);
    EXPECT_EQ(Syndicate()[Faction::Loan], 1000000);
    EXPECT_EQ(Syndicate()[Faction::LoanTurnsLeft], 500);
    Syndicate()[Faction::EarlyPaybackTurns] = 0;
    Money() = 999999;
    EXPECT_FALSE(UseLoanButton(false).done);
    // A loan pays out whole past the money cap, which the turn applies: 899.900.000 + 500.000
    // is 900.400.000, and 900.400.000 + 500.000 is 900.900.000.
    const std::pair<int, int> kPayouts[] = {{899900000, 900400000}, {900400000, 900900000}};
    for (const auto& [money, after] : kPayouts) {
        Syndicate()[Faction::Loan] = 0;
        Money() = money;
        EXPECT_TRUE(UseLoanButton(false).done);
        EXPECT_EQ(Money(), after);
    }
}

// 50.000 for a bond at rank 1; the cheat's turn at a war-score sum of 0 takes 2 %: 49.000.
TEST_F(Bank, ABondEarnsFameAndReputationAndSellsAfterFiveHundredTurns) {
    WriteScreens();
    UseLoanButton(true);  // the screen is drawn with a loan running
    Captain()[Player::HideFameGainNotices] = Captain()[Player::HideReputationGainNotices] = 1;
    for (int g = FactionId::Federation; g <= FactionId::Coalition; ++g)
        Syndicate()[Faction::WarScoreBase + g] = 0;
    Money() = 60000;
    const int fame = Captain()[Player::Fame], reputation = Syndicate()[Faction::Reputation];
    const int turn = G().TurnNumber;
    player()
        .Do("TForm9",
            [](ui::Form&) {
                EXPECT_TRUE(Form9->Panel12->visible);
                EXPECT_EQ(Form9->SpeedButton2->caption, "Pay back loan");
                EXPECT_EQ(Form9->Label13->caption,
                          "Offer: If you pay back in 250 turns, you only need to pay back $C "
                          "50000.");
            })
        .Click("TForm9", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Word spreads about you and your generosity.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm9",
            [&](ui::Form&) {
                EXPECT_EQ(Money(), 10000);
                EXPECT_GE(Captain()[Player::Fame], fame + 150);
                EXPECT_GE(Syndicate()[Faction::Reputation], reputation + 150);
                EXPECT_EQ(promotionChecks, 3);  // after the fame, the reputation, and once more
                EXPECT_EQ(Form9->Label15->caption, "War effort rate: -2% a turn");
            })
        .Click("TForm9", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You need to wait a bit longer until you may sell war bonds.");
            })
        .Click("TMessage1", "SpeedButton3")
        .DoubleClick("TForm9", "Image3")
        .Type("TForm40", "Edit1", "500")
        .Click("TForm40", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm40", "SpeedButton4")
        .Do("TForm9",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 501);
                EXPECT_EQ(Syndicate()[Faction::WarBonds], 49000);
            })
        .Click("TForm9", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "You sell the war bonds for $C 49.000!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm9", "SpeedButton5");
    RefreshBankForm();
    Form9->ShowModal();
    EXPECT_EQ(Money(), 10000 + 49000);
}

TEST_F(Bank, TheRateBandsAndTheCapOnTheHolding) {
    const std::pair<int, int> kEdges[] = {{-100, -6}, {-9, -6}, {-8, -4}, {-3, -4}, {-2, -2},
                                          {2, -2},    {3, 0},   {5, 0},   {6, 2},   {100, 2}};
    for (auto [sum, rate] : kEdges) EXPECT_EQ(WarEffortRate(sum), rate) << sum;
    // 899.000.000 and a rank-6 bond of 6.000.000 would be 905.000.000, past the cap of
    // 900.000.000 the turns keep the holding in: not sold, nothing paid. 894.000.000 and the bond
    // reach the cap exactly: sold, the price whole in the holding.
    Syndicate()[Faction::Rank] = 6;
    Syndicate()[Faction::WarBonds] = 899000000;
    Money() = 6000000;
    const int turn = G().TurnNumber;
    Syndicate()[Faction::BondPurchaseTurn] = turn - 1;
    const BankResult refused = BuyWarBond();
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message,
              "The bank cannot sell you this war bond: your war bonds may not be worth more than "
              "$C 900.000.000!");
    EXPECT_EQ(Syndicate()[Faction::WarBonds], 899000000);
    EXPECT_EQ(Syndicate()[Faction::BondPurchaseTurn], turn - 1);
    EXPECT_EQ(Money(), 6000000);
    Syndicate()[Faction::WarBonds] = 894000000;
    EXPECT_TRUE(BuyWarBond().done);
    EXPECT_EQ(Syndicate()[Faction::WarBonds], 900000000);
    EXPECT_EQ(Money(), 0);
    // Sold, they add their value whole, as any gain, past the money cap the turn applies:
    // 899.999.999 + 900.000.000 is 1.799.999.999.
    Money() = 899999999;
    G().TurnNumber += kBondWaitTurns;
    EXPECT_TRUE(SellWarBonds().done);
    EXPECT_EQ(Money(), 1799999999);
}

}  // namespace
}  // namespace corvanth
