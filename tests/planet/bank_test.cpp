// The bank: offers by rank, loans and their payback, war bonds, their reward, rate and sale.
#include "planet/bank.h"

#include <gtest/gtest.h>

#include "planet/planet_support.h"
#include "shell/Cheats.h"
#include "state/UMessage1.h"
#include "state/tables.h"
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
    GameRecord& Syndicate() { return G().Factions[FactionId::Syndicate]; }
    void Show() {
        ShowFromPlanet(*Form9, [] { RefreshBankForm(); });
    }
    int promotionChecks = 0;

  private:
    std::function<void()> keep_;
};

TEST_F(Bank, LoansByRankAndTheirPaybackAtHalfOrInFull) {
    EXPECT_EQ(BankName(FactionId::Syndicate), "Syndicate bank");
    EXPECT_EQ(BankName(FactionId::Pirates), "");
    // A rank outside the table reads its nearest row.
    EXPECT_EQ(BankOffersForRank(-3).small.paidOut, 5000);
    EXPECT_EQ(BankOffersForRank(42).large.owed, 5000000);
    EXPECT_EQ(BankOffersForRank(42).bondPrice, 6000000);

    // Rank 1: 5.000 now for 25.000 in 100 turns, half of it within 50.
    ASSERT_EQ(Syndicate()[Faction::Rank], 1);
    Money() = 0;
    BankResult r = UseLoanButton(false);
    EXPECT_TRUE(r.done);
    EXPECT_EQ(r.message, "You loaned the money.");
    EXPECT_EQ(Money(), 5000);
    EXPECT_EQ(Syndicate()[Faction::Loan], 25000);
    EXPECT_EQ(Syndicate()[Faction::LoanTurnsLeft], 100);
    EXPECT_EQ(Syndicate()[Faction::EarlyPaybackTurns], 50);
    RefreshBankForm();
    EXPECT_TRUE(Form9->Panel12->visible);
    EXPECT_EQ(Form9->SpeedButton2->caption, "Pay back loan");
    EXPECT_EQ(Form9->Label11->caption, "You owe: $C 25000");
    EXPECT_EQ(Form9->Label13->caption,
              "Offer: If you pay back in 50 turns, you only need to pay back $C 12500.");

    // 12.499 falls short of the half; each button says so its own way and nothing changes.
    Money() = 12499;
    EXPECT_EQ(UseLoanButton(false).message, "You do not have enough money to pay back the loan!");
    r = UseLoanButton(true);
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message, "You do not have enough money to pay back the loan (12.500 $C)!");
    EXPECT_EQ(Syndicate()[Faction::Loan], 25000);
    Money() = 12500;
    EXPECT_EQ(UseLoanButton(true).message, "You pay back the loan.");
    EXPECT_EQ(Money(), 0);
    EXPECT_EQ(Syndicate()[Faction::Loan], 0);
    EXPECT_EQ(Syndicate()[Faction::LoanTurnsLeft], 100);  // kept, as the bank leaves them

    // Rank 5: 500.000 for 1.000.000 in 500 turns; after the early period the whole debt.
    Syndicate()[Faction::Rank] = 5;
    UseLoanButton(false);
    EXPECT_EQ(Money(), 500000);
    EXPECT_EQ(Syndicate()[Faction::Loan], 1000000);
    EXPECT_EQ(Syndicate()[Faction::LoanTurnsLeft], 500);
    Syndicate()[Faction::EarlyPaybackTurns] = 0;
    Money() = 999999;
    EXPECT_FALSE(UseLoanButton(false).done);
    Money() = 1000000;
    EXPECT_TRUE(UseLoanButton(false).done);
    EXPECT_EQ(Money(), 0);
}

TEST_F(Bank, ARunningLoanOnTheScreen) {
    WriteScreens();
    UseLoanButton(true);  // 25.000 for 100.000 in 500 turns
    Syndicate()[Faction::WarBonds] = 120000;
    Syndicate()[Faction::BondPurchaseTurn] = G().TurnNumber - 20;
    player()
        .Do("TForm9",
            [](ui::Form&) {
                EXPECT_EQ(Form9->Label1->caption, "Syndicate bank");
                EXPECT_EQ(Form9->Label18->caption, "Your money: 28.000");
                EXPECT_EQ(Form9->Label5->caption,
                          "\"We lend you $C 5.000 if you pay us $C 25.000 in 100 turns.\"");
                EXPECT_EQ(Form9->Label12->caption, "Payback: 500 turns");
                EXPECT_EQ(Form9->Label3->caption,
                          "\"Be a patriot! Invest $C 50.000 and support your country. -6% to 2% "
                          "a turn, no guarantees made!\"");
                EXPECT_EQ(Form9->Label7->caption, "War bonds: $C 120.000");
                EXPECT_EQ(Form9->Label19->caption, "Selling possible in: 480 turns");
                EXPECT_TRUE(Form9->Panel12->visible);
            })
        .Click("TForm9", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You need to wait a bit longer until you may sell war bonds.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm9", "SpeedButton2")  // pays back at half: 50.000 of 28.000 money
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You do not have enough money to pay back the loan (50.000 $C)!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm9", "SpeedButton5");
    Show();
}

// 50.000 for a bond at rank 1; a turn at a war-score sum of 0 takes 2 %: 49.000.
TEST_F(Bank, ABondEarnsFameAndReputationAndSellsAfterFiveHundredTurns) {
    Captain()[Player::HideFameGainNotices] = 1;
    Captain()[Player::HideReputationGainNotices] = 1;
    for (int g = FactionId::Federation; g <= FactionId::Coalition; ++g)
        Syndicate()[Faction::WarScoreBase + g] = 0;
    Money() = 60000;
    const int fame = Captain()[Player::Fame], reputation = Syndicate()[Faction::Reputation];
    const int turn = G().TurnNumber;
    player()
        .Click("TForm9", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You buy the war bonds!"); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Word spreads about you and your generosity.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm9",
            [&](ui::Form&) {
                EXPECT_EQ(Money(), 10000);
                EXPECT_EQ(Syndicate()[Faction::WarBonds], 50000);
                EXPECT_EQ(Syndicate()[Faction::BondPurchaseTurn], turn);
                EXPECT_GE(Captain()[Player::Fame], fame + 150);
                EXPECT_GE(Syndicate()[Faction::Reputation], reputation + 150);
                EXPECT_EQ(promotionChecks, 3);  // after the fame, the reputation, and once more
                EXPECT_EQ(test::CountSound("wave:reward2.wav"), 1);
                EXPECT_EQ(Form9->Label15->caption, "War effort rate: -2% a turn");
            })
        .DoubleClick("TForm9", "Image3")
        .Type("TForm40", "Edit1", "500")
        .Click("TForm40", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm40", "SpeedButton4")
        .Do("TForm9",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 501);
                EXPECT_EQ(Syndicate()[Faction::WarBonds], 49000);
                EXPECT_EQ(Form9->Label19->caption, "You may sell the war bonds.");
            })
        .Click("TForm9", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "You sell the war bonds for $C 49.000!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm9", "SpeedButton5");
    Show();
    EXPECT_EQ(Money(), 10000 + 49000);
    EXPECT_EQ(Syndicate()[Faction::WarBonds], 0);
}

TEST_F(Bank, TheRateBandsAndTheCapOnTheHolding) {
    const std::pair<int, int> kEdges[] = {{-100, -6}, {-9, -6}, {-8, -4}, {-3, -4}, {-2, -2},
                                          {2, -2},    {3, 0},   {5, 0},   {6, 2},   {100, 2}};
    for (auto [sum, rate] : kEdges) EXPECT_EQ(WarEffortRate(sum), rate) << sum;
    Syndicate()[Faction::WarScoreBase + 1] = 3;
    Syndicate()[Faction::WarScoreBase + 2] = 3;
    Syndicate()[Faction::WarScoreBase + 3] = 3;  // the own score does not count
    Syndicate()[Faction::WarScoreBase + 4] = 0;
    EXPECT_EQ(WarScoreSum(FactionId::Syndicate), 6);

    // 899.000.000 and one more bond of 6.000.000 (rank 6) stop at 900.000.000; the whole price
    // is paid.
    Syndicate()[Faction::Rank] = 6;
    Syndicate()[Faction::WarBonds] = 899000000;
    Money() = 6000000;
    EXPECT_TRUE(BuyWarBond().done);
    EXPECT_EQ(Syndicate()[Faction::WarBonds], 900000000);
    EXPECT_EQ(Money(), 0);
    EXPECT_EQ(BuyWarBond().message, "You do not have enough money to buy a war bond!");
    // Sold, they bring the money up to its cap and no further.
    Money() = 800000000;
    G().TurnNumber += kBondWaitTurns;
    EXPECT_TRUE(SellWarBonds().done);
    EXPECT_EQ(Money(), 900000000);
}

}  // namespace
}  // namespace corvanth
