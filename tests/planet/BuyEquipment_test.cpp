// The equipment dealer: the sale rule, the refusals in order, the slot rows and the purchase.
#include "planet/BuyEquipment.h"

#include <gtest/gtest.h>

#include "planet/planet_support.h"
#include "state/UMessage1.h"
#include "state/tables.h"

namespace corvanth {
namespace {

class EquipmentDealer : public test::PlanetTest {
  protected:
    void Open(const std::function<void()>& afterwards = {}) {
        ShowFromPlanet(*Form18, [] {
            RefreshEquipmentDealer();
            ListSlotUpgrades();
            ShowUpgradeOffer();
        });
        if (afterwards) afterwards();
    }
};

// The Starwolf's slots: 3 Zulu Missile ECM (id 4, 5.000), 4 and 5 Small Cargo Bays (id 11,
// 10.000), whose upgrades are the Small Cargo Bay II (47, 15.000) and the Small Passenger
// Cabin (12, 10.000, tech 2, not sold by the Syndicate).
TEST_F(EquipmentDealer, TheSaleRuleAndTheRefusalsInTheirOrder) {
    const DealerSite here = CurrentDealerSite();
    EXPECT_TRUE(UpgradeBuyable(here, 47));
    EXPECT_FALSE(UpgradeSoldHere(here, 12));
    EXPECT_FALSE(UpgradeSoldHere({0, 5, false}, 47));
    EXPECT_FALSE(UpgradeSoldHere({FactionId::Pirates, 5, false}, 47));
    // At the arena everything is sold, at five times the price; the refund stays a third.
    EXPECT_TRUE(UpgradeSoldHere({0, 1, true}, 12));
    EXPECT_FALSE(UpgradeInStock({0, 1, true}, 12));
    EXPECT_EQ(UpgradePrice({0, 5, true}, 47), 75000);
    EXPECT_EQ(UpgradePrice(here, 47), 15000);
    EXPECT_EQ(ReplacedItemRefund(11), 3333);
    // Tachyon turrets have no exchange list: nothing replaces them.
    EXPECT_TRUE(ExchangeList(78).empty());

    // Not sold here comes first, even with goods aboard and no money.
    Money() = 0;
    G().Cargo[2] = 5;
    EXPECT_EQ(BuyUpgrade(4, 12).refusal, "This item is not available at this faction.");
    // A cargo bay with goods aboard, before the stock and the money.
    EquipmentType(47)[Equipment::TechLevel] = 6;
    EXPECT_EQ(BuyUpgrade(4, 47).refusal,
              "You need to sell all the goods in your cargo space first!");
    G().Cargo[2] = 0;
    EXPECT_EQ(BuyUpgrade(4, 47).refusal,
              "They do not have this item on stock at this planet. Try it at a planet with more "
              "high-tech industry.");
    EquipmentType(47)[Equipment::TechLevel] = 1;
    EXPECT_EQ(BuyUpgrade(4, 47).refusal, "You do not have enough money!");
    EXPECT_EQ(Slot1(4)[Slot::EquipmentId], 11);

    // Into an empty hold the bay is sold: 15.000 less 3.333.
    Money() = 11667;
    EXPECT_TRUE(BuyUpgrade(4, 47).done);
    EXPECT_EQ(Money(), 0);
    // Away from a cargo bay, goods aboard do not matter: a mine (id 110, 1.000) for a cargo
    // bay of 10.000 pays 2.333 out, and the free room may drop below what is aboard.
    G().Cargo[2] = 30;
    const UpgradePurchase mine = BuyUpgrade(5, 110);
    EXPECT_TRUE(mine.done);
    EXPECT_EQ(mine.cost, 1000 - 3333);
    EXPECT_EQ(Money(), 2333);
}

TEST_F(EquipmentDealer, RowsFollowTheListAsFilledAndAPurchaseKeepsTheSlotsState) {
    WriteScreens();
    // A gap before the missile ECM: slots 1 and 2 empty, so row 0 is the ECM in slot 3.
    Slot1(1).fill(0);
    Slot1(2).fill(0);
    Slot1(3)[Slot::Loaded] = 1;
    Slot1(3)[Slot::Ammunition] = 7;
    Money() = 20000;
    player()
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->ListBox1->items.size(), 6u);
                EXPECT_EQ(Form18->ListBox1->items[0], "Zulu Missile ECM");
                EXPECT_EQ(Form18->SelectedSlot(), 3);
                EXPECT_EQ(G().ShipEquipment[1][1][3][Slot::ListPosition], 1);
                EXPECT_EQ(G().ShipEquipment[1][1][8][Slot::ListPosition], 6);
                EXPECT_EQ(Form18->ListBox2->items[1], "Guardian Missile ECM [N/A]");
                EXPECT_EQ(Form18->Label5->caption, "Starwolf");
                EXPECT_EQ(Form18->Label8->caption, "$C: 20.000");
                EXPECT_EQ(Form18->Image2->picture, "ecm.jpg");
                EXPECT_EQ(Form18->Label7->caption, "Req.: 2");
                EXPECT_EQ(Form18->Label12->caption, "5");
                EXPECT_EQ(Form18->Image4->picture, "SyndicateLogo.jpg");
            })
        .SelectRow("TForm18", "ListBox2", 1)
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_FALSE(Form18->SpeedButton3->enabled);
                EXPECT_EQ(Form18->Image4->picture, "SyndicateLogog.jpg");
            })
        .SelectRow("TForm18", "ListBox2", 0)
        .Click("TForm18", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You buy the item!"); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->ListBox1->items[0], "Hawk Missile ECM");
                EXPECT_EQ(Form18->Label8->caption, "$C: 6.666");  // 20.000 - 13.334
            })
        .SelectRow("TForm18", "ListBox1", 3)  // slot 6: the targeting computer
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->SelectedSlot(), 6);
                EXPECT_EQ(Form18->ListBox2->items[0], "Small SR Computer ");
            })
        .Click("TForm18", "SpeedButton6");
    Open();
    EXPECT_EQ(Slot1(3)[Slot::EquipmentId], 5);
    EXPECT_EQ(Slot1(3)[Slot::Loaded], 1);
    EXPECT_EQ(Slot1(3)[Slot::Ammunition], 7);
    EXPECT_EQ(Slot1(3)[Slot::Used], 1);
}

}  // namespace
}  // namespace corvanth
