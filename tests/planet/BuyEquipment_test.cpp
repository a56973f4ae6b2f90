// The equipment dealer: the sale rule, the refusals in order, the slot rows and the purchase.
#include "planet/BuyEquipment.h"

#include <gtest/gtest.h>

#include <limits>

#include "planet/planet_support.h"
#include "state/UMessage1.h"
#include "state/shipstats.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class EquipmentDealer : public test::PlanetTest {};

// The Starwolf's slots 4 and 5 hold Small Cargo Bays (id 11, 10.000); among their upgrades are
// the Small Cargo Bay II (47, 15.000) and the Small Passenger Cabin (12, not the Syndicate's).
TEST_F(EquipmentDealer, TheSaleRuleAndTheRefusalsInTheirOrder) {
    const DealerSite here = CurrentDealerSite();
    EXPECT_FALSE(UpgradeSoldHere({0, 5, false}, 47));
    EXPECT_FALSE(UpgradeSoldHere({FactionId::Pirates, 5, false}, 47));
    EXPECT_TRUE(UpgradeSoldHere({0, 1, true}, 12));  // the arena: five times the price
    EXPECT_EQ(UpgradePrice({0, 5, true}, 47), 75000);
    EXPECT_EQ(UpgradePrice(here, 47), 15000);
    EXPECT_TRUE(ExchangeList(78).empty());  // tachyon turrets: nothing replaces them

    Money() = 0;
    G().Cargo[2] = 5;
    EXPECT_EQ(BuyUpgrade(4, 12).refusal, "This item is not available at this faction.");
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
    Money() = 11667;  // 15.000 less a third of 10.000, into an empty hold
    const int32_t capacity = Ship1()[Ship::CargoCapacity];
    EXPECT_TRUE(BuyUpgrade(4, 47).done);
    EXPECT_EQ(Money(), 0);
    // Only the slot changed: the bigger bay counts once the ship is recomputed.
    EXPECT_EQ(Ship1()[Ship::CargoCapacity], capacity);
    RecalcShipStats(1, 1, 0, 0);
    EXPECT_GT(Ship1()[Ship::CargoCapacity], capacity);
    // A bay replaced by another kind with goods aboard: a mine (1.000) pays 2.333 out.
    G().Cargo[2] = 30;
    EXPECT_TRUE(BuyUpgrade(5, 110).done);
    EXPECT_EQ(Money(), 2333);
    // Money above the cap (a sale earlier in the day) pays the price and nothing more: the
    // bay II over the mine is 15.000 less a third of 1.000, 14.667.
    G().Cargo[2] = 0;
    Money() = 950000000;
    EXPECT_TRUE(BuyUpgrade(5, 47).done);
    EXPECT_EQ(Money(), 949985333);
    // A mine over the bay II pays 5.000 - 1.000 out; near the top the money stops there.
    Money() = std::numeric_limits<int32_t>::max() - 1000;
    EXPECT_TRUE(BuyUpgrade(5, 110).done);
    EXPECT_EQ(Money(), std::numeric_limits<int32_t>::max());
}

TEST_F(EquipmentDealer, RowsFollowTheListAsFilledAndAPurchaseKeepsTheSlotsState) {
    WriteScreens();
    Slot1(1).fill(0);  // a gap: row 0 is the missile ECM in slot 3
    Slot1(2).fill(0);
    Slot1(3)[Slot::Loaded] = 1;
    Slot1(3)[Slot::Ammunition] = 7;
    Money() = 20000;
    player()
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->ListBox1->items[0], "Zulu Missile ECM");
                EXPECT_EQ(G().ShipEquipment[1][1][8][Slot::ListPosition], 6);
                EXPECT_EQ(Form18->ListBox2->items[1], "Guardian Missile ECM [N/A]");
                EXPECT_EQ(Form18->Label7->caption, "Req.: 2");
            })
        .SelectRow("TForm18", "ListBox2", 1)
        .Do("TForm18", [](ui::Form&) { EXPECT_FALSE(Form18->SpeedButton3->enabled); })
        .SelectRow("TForm18", "ListBox2", 0)
        .Click("TForm18", "SpeedButton3")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->ListBox1->items[0], "Hawk Missile ECM");
                EXPECT_EQ(Form18->Label8->caption, "$C: 6.666");  // 20.000 - (15.000 - 1.666)
                EXPECT_EQ(Form2->Label9->caption, "$C: 6.666");   // behind the planet screen
                // The Hawk's refund, a third of 15.000, with its sign on the line of its own.
                const ui::Label& refund = *Form18->Label20;
                EXPECT_EQ(ui::CaptionLines(refund).back(), "$C 5.000") << refund.caption;
                EXPECT_LE(ui::CaptionRect(refund).h, refund.height);
            })
        .SelectRow("TForm18", "ListBox1", 3)
        .Do("TForm18", [](ui::Form&) { EXPECT_EQ(Form18->SelectedSlot(), 6); })
        .Click("TForm18", "SpeedButton6");
    RefreshEquipmentDealer();
    ListSlotUpgrades();
    ShowUpgradeOffer();
    Form18->ShowModal();
    EXPECT_EQ(Slot1(3)[Slot::EquipmentId], 5);
    EXPECT_EQ(Slot1(3)[Slot::Loaded], 1);
    EXPECT_EQ(Slot1(3)[Slot::Ammunition], 7);
}

}  // namespace
}  // namespace corvanth
