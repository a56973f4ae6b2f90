// The trade box: purchases and sales with their refusals, the typed amount and the goods list.
#include <gtest/gtest.h>

#include <string>

#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/tables.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

constexpr int kFood = 1;
constexpr int kSynthetics = 5;
constexpr int kWeapons = 16;  // illegal in Outer Rim space, legal for the Syndicate

class Trade : public test::TravelTest {
  protected:
    void SetUp() override {
        TravelTest::SetUp();
        NewFederationGame();
        G().TurnNumber = 1;
        for (int good : {kFood, kSynthetics, kWeapons})
            G().Markets[4][test::kFinisPrime][good][Market::Price] = 30;
    }
    void SetRoomAndMoney(int room, int money) {
        G().Fleets[1][Fleet::FreeCargo] = room;
        G().Players[1][Player::Money] = money;
    }
    // The refusal the next trade should show.
    void ExpectRefusal(const std::string& text) {
        player()
            .Do("TMessage1", [text](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, text); })
            .Click("TMessage1", "SpeedButton3");
    }
    GameRecord& FinisPrime() { return G().Planets[4][test::kFinisPrime]; }
    // A trade at the fleet's market, told as the trade box tells it.
    static void Buy(int good, int64_t amount) {
        TellTrade(BuyGoods(FleetLocation(), good, amount), false);
    }
    static void Sell(int good, int64_t amount) {
        TellTrade(SellGoods(FleetLocation(), good, amount), true);
    }
};

TEST_F(Trade, PurchasesAreRefusedInTheirOrder) {
    GameState& g = G();
    // No room comes first, before the hostility and the amount.
    FinisPrime()[Planet::Owner] = FactionId::OuterRimAlliance;  // at war with the Federation
    SetRoomAndMoney(0, 3000);
    ExpectRefusal("You do not have any free cargo space!");
    Buy(kFood, 0);

    SetRoomAndMoney(10, 3000);
    ExpectRefusal("This planet is hostile. Smuggling is possible, but Food are legal here.");
    Buy(kFood, 1);
    Buy(kWeapons, 1);  // contraband is sold to anyone
    EXPECT_EQ(g.Cargo[kWeapons], 1);

    // Bad standing with the owner refuses legal goods too.
    FinisPrime()[Planet::Owner] = FactionId::Federation;
    g.Factions[FactionId::Federation][Faction::Reputation] = -1;
    ExpectRefusal("This planet is hostile. Smuggling is possible, but Food are legal here.");
    Buy(kFood, 1);
    g.Factions[FactionId::Federation][Faction::Reputation] = 50;

    Buy(kFood, 0);  // nothing, and no message
    Buy(kFood, -3);
    // 30 x 100.000.000 is 3.000.000.000: past 32 bits, yet far more than the captain has.
    ExpectRefusal("You do not have enough money!");
    Buy(kFood, 100000000);
    ExpectRefusal("You do not have enough cargo space for this amount of goods!");
    Buy(kFood, 11);
    EXPECT_EQ(g.Cargo[kFood], 0);

    // Exactly the room with exactly the money: 9 x 30 = 270.
    SetRoomAndMoney(9, 270);
    Buy(kFood, 9);
    EXPECT_EQ(g.Cargo[kFood], 9);
    EXPECT_EQ(g.Fleets[1][Fleet::FreeCargo], 0);
    EXPECT_EQ(g.Players[1][Player::Money], 0);
    EXPECT_EQ(g.LastPricePaid[kFood], 30);
    EXPECT_EQ(g.Markets[4][test::kFinisPrime][kFood][Market::Price], 30);

    // Goods outside 1..20 are no goods.
    SetRoomAndMoney(5, 3000);
    Buy(0, 1);
    Buy(21, 1);
    Sell(0, 1);
    EXPECT_EQ(g.Players[1][Player::Money], 3000);
    EXPECT_EQ(g.Fleets[1][Fleet::FreeCargo], 5);
}

TEST_F(Trade, SalesPayTheLocalPriceAndForgetThePriceOnlyWhenAllIsSold) {
    GameState& g = G();
    g.Cargo[kFood] = 8;
    g.LastPricePaid[kFood] = 12;
    SetRoomAndMoney(2, 100);
    ExpectRefusal("You do not have that many units of this kind of good!");
    Sell(kFood, 9);
    player()
        .Do("TMessage6",
            [](ui::Form&) {
                // 5 x 30 = 150.
                EXPECT_EQ(Message6->Label1->caption, "You sell some goods for $C 150");
                EXPECT_EQ(Message6->Image2->picture, "Container.jpg");
                EXPECT_FALSE(Message6->CheckBox1->enabled);
            })
        .Click("TMessage6", "SpeedButton3")
        .Click("TMessage6", "SpeedButton3");
    Sell(kFood, 5);
    EXPECT_EQ(g.Players[1][Player::Money], 250);
    EXPECT_EQ(g.Fleets[1][Fleet::FreeCargo], 7);
    EXPECT_EQ(g.LastPricePaid[kFood], 12);
    Sell(kFood, 3);
    EXPECT_EQ(g.Cargo[kFood], 0);
    EXPECT_EQ(g.LastPricePaid[kFood], 0);
    EXPECT_TRUE(Message6->CheckBox1->enabled);

    // A sale adds its value whole: the cap of 900.000.000 is the turn's. 899.999.990 + 2 x 30
    // is 900.000.050; 900.000.050 + 60 is 900.000.110; at 32 bits' end the sum stops there.
    const int64_t kSums[][2] = {
        {899999990, 900000050}, {900000050, 900000110}, {2147483600, 2147483647}};
    for (const auto& [money, after] : kSums) {
        g.Cargo[kFood] = 2;
        SetRoomAndMoney(2, static_cast<int>(money));
        player().Click("TMessage6", "SpeedButton3");
        Sell(kFood, 2);
        EXPECT_EQ(g.Players[1][Player::Money], after) << money;
    }
}

// Money 3.000 at 30 a unit would buy 100, the hold takes 5: the box offers 5, the player types.
TEST_F(Trade, TheTypedAmountIsTradedAndAClickBelowTheListChoosesNothing) {
    GameState& g = G();
    const int arrowX = Form2->UpDown1->width / 2, lowerY = Form2->UpDown1->height - 3;
    player()
        .Click("TForm2", "SpeedButton11")
        .SelectRow("TForm2", "ListBox1", kSynthetics - 1)
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(Form2->SpinEdit1->Text(), "5"); })
        .Type("TForm2", "SpinEdit1", "2")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(Form2->Label5->caption, "Sum: $C 60"); })
        // The arrows beside the box step the amount: 2 up to 3 (3 x 30 = 90), down twice to 1.
        .ClickAt("TForm2", "UpDown1", arrowX, 2)
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(Form2->SpinEdit1->Text(), "3");
                EXPECT_EQ(Form2->Label5->caption, "Sum: $C 90");
            })
        .ClickAt("TForm2", "UpDown1", arrowX, lowerY)
        .ClickAt("TForm2", "UpDown1", arrowX, lowerY)
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(Form2->SpinEdit1->Text(), "1");
                EXPECT_EQ(Form2->Label5->caption, "Sum: $C 30");
            })
        .ClickAt("TForm2", "UpDown1", arrowX, 2)
        .Click("TForm2", "SpeedButton7")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(g.Cargo[kSynthetics], 2);
                EXPECT_EQ(g.Players[1][Player::Money], 2940);
            })
        // Twenty rows of 14 pixels end at 282: a click at 284 hits no row.
        .ClickAt("TForm2", "ListBox1", 40, 284)
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(G().SelectedTradeGood, kSynthetics);
                EXPECT_EQ(Form2->ListBox1->ItemIndex(), kSynthetics - 1);
            })
        .Type("TForm2", "SpinEdit1", "1")
        .Click("TForm2", "SpeedButton7")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(g.Cargo[kSynthetics], 3);
                EXPECT_EQ(g.Cargo[kFood], 0);
            })
        // No whole number, or none a count can hold, reads as 0 and trades nothing.
        .Type("TForm2", "SpinEdit1", "lots")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(Form2->SpinEdit1->Text(), "0"); })
        .Type("TForm2", "SpinEdit1", "99999999999")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(Form2->SpinEdit1->Text(), "0"); })
        .Click("TForm2", "SpeedButton7")
        .Do("TForm2", [&](ui::Form&) { EXPECT_EQ(g.Cargo[kSynthetics], 3); })
        // Selling through the box.
        .Click("TForm2", "RadioButton2")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(Form2->SpeedButton7->caption, "SELL");
                EXPECT_EQ(Form2->SpinEdit1->Text(), "3");
            })
        .Type("TForm2", "SpinEdit1", "1")
        .Click("TForm2", "SpeedButton7")
        .Click("TMessage6", "SpeedButton3")
        .Do("TForm2", [&](ui::Form&) { EXPECT_EQ(g.Cargo[kSynthetics], 2); })
        .Click("TForm2", "SpeedButton10")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_FALSE(Form2->TradeGroupBox->visible);
                EXPECT_EQ(G().SelectedTradeGood, 0);
                EXPECT_FALSE(Form2->Cell(6, 2).price->visible);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

// With Pergor selected on the map the box still trades at Finis Prime, where the fleet is: the
// sum and the charge are both 2 x 30 = 60, not 2 x 1.234.
TEST_F(Trade, TheSumIsWhatThePurchaseCosts) {
    GameState& g = G();
    g.Markets[4][test::kPergor][kFood][Market::Price] = 1234;
    SetRoomAndMoney(10, 3000);
    player()
        .Click("TForm2", "SpeedButton11")
        .Click("TForm2", "PPlanetF2")
        .Type("TForm2", "SpinEdit1", "2")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(G().SelectedPlanet, test::kPergor);
                EXPECT_EQ(Form2->Label5->caption, "Sum: $C 60");
            })
        .ClickAt("TForm2", "UpDown1", 2, 1)
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(Form2->Label5->caption, "Sum: $C 90"); })
        .Click("TForm2", "SpeedButton7")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(g.Cargo[kFood], 3);
                EXPECT_EQ(g.Players[1][Player::Money], 3000 - 90);
                // The box shows the fleet's market again, with the good still chosen.
                EXPECT_EQ(G().SelectedPlanet, test::kFinisPrime);
                EXPECT_EQ(Form2->ListBox1->ItemIndex(), kFood - 1);
            })
        .Click("TForm2", "SpeedButton10")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

TEST_F(Trade, TheBoxStaysClosedAtAPlanetUnderSiegeAndShowsPricesOnTheMap) {
    GameState& g = G();
    g.Markets[4][test::kPergor][kFood][Market::Price] = 1234;
    // Finis is the Federation's; a planet held by another owner is under siege.
    FinisPrime()[Planet::Owner] = FactionId::Syndicate;
    player()
        .Click("TForm2", "SpeedButton11")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "This planet is under siege. You should not show off your goods or they "
                          "will be confiscated.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_FALSE(Form2->TradeGroupBox->visible);
                FinisPrime()[Planet::Owner] = FactionId::Federation;
            })
        .Click("TForm2", "SpeedButton11")
        .Do("TForm2",
            [](ui::Form&) {
                ASSERT_TRUE(Form2->TradeGroupBox->visible);
                EXPECT_EQ(Form2->ListBox1->items[0], "Food         /    30 $C /   0E");
                // Pergor in F2 shows its own price of the chosen good, the Sun none.
                EXPECT_EQ(Form2->Cell(6, 2).price->caption, "$C 1.234");
                EXPECT_TRUE(Form2->Cell(6, 2).price->visible);
                EXPECT_FALSE(Form2->Cell(5, 3).price->visible);
            })
        // A click on a price label selects its location like one on the picture.
        .Click("TForm2", "PPlanetF2")
        .Do("TForm2", [](ui::Form&) { EXPECT_EQ(G().SelectedPlanet, test::kPergor); })
        .Click("TForm2", "SpeedButton10")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

}  // namespace
}  // namespace corvanth
