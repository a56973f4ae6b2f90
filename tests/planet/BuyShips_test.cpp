// The ship dealer: the availability rule, the trade-in and the purchase's refusals in order.
#include "planet/BuyShips.h"

#include <gtest/gtest.h>

#include <limits>

#include "planet/planet_support.h"
#include "state/Module1.h"
#include "state/UMessage1.h"
#include "support/scrolled_list.h"

namespace corvanth {
namespace {

class ShipDealer : public test::PlanetTest {};

int AvailableRows(const DealerSite& site) {
    int n = 0;
    for (int row = 0; row < kShipDealerRows; ++row) {
        LoadShipType(ShipDealerRowType(row));
        n += TemplateShipAvailable(site) ? 1 : 0;
    }
    return n;
}

TEST_F(ShipDealer, AvailabilityFollowsOwnerSectorLevelAndTheArena) {
    const DealerSite here = CurrentDealerSite();  // Moscow Prime: the Syndicate's, rating 5
    EXPECT_EQ(here.owner, FactionId::Syndicate);
    LoadShipType(2);  // Stargun: the Alliance's and the Syndicate's
    EXPECT_TRUE(TemplateShipAvailable(here));
    LoadShipType(3);  // Avenger: the Federation's alone
    EXPECT_FALSE(TemplateShipAvailable(here));
    EXPECT_EQ(AvailableRows({0, 5, false}), 0);  // nobody's world and the pirates' sell nothing
    EXPECT_EQ(AvailableRows({FactionId::Pirates, 5, false}), 0);
    EXPECT_EQ(AvailableRows({0, 5, true}), kShipDealerRows);  // the arena sells all of its level
    LoadShipType(3);                                          // level 3
    EXPECT_FALSE(TemplateShipAvailable({FactionId::Pirates, 2, true}));
    G().Fleets[1][Fleet::Location] = test::kGameris;  // without the arena screen: the owner's
    EXPECT_FALSE(CurrentDealerSite().arena);
}

TEST_F(ShipDealer, ThePurchasePaysTheDifferenceAndKeepsTheCrew) {
    // The Starwolf's hull 20.000 and its equipment 37.000, halved: 28.500.
    Money() = 50000;
    Ship1()[Ship::CrewOfficers] = 9;  // more than a Stargun takes
    Ship1()[Ship::Strength] = 1;      // damage goes with the old ship
    const ShipPurchase bought = BuyShip(2);
    ASSERT_TRUE(bought.done);
    EXPECT_EQ(Money(), 50000 - (71000 - 28500));
    EXPECT_EQ(Ship1()[Ship::Class], 2);
    EXPECT_EQ(Ship1()[Ship::CrewOfficers], 9);
    EXPECT_EQ(Ship1()[Ship::Strength], Ship1()[Ship::MaxStrength]);
    // Cheaper than the trade-in pays out: a Stargun hull of 200.000 with 36.000 of equipment
    // brings 118.000 against a Starwolf of 57.000.
    Ship1()[Ship::HullPrice] = 200000;
    ASSERT_TRUE(BuyShip(1).done);
    EXPECT_EQ(Money(), 7500 + 118000 - 57000);
    EXPECT_TRUE(BuyShip(3).refusal.empty());  // not sold here: nothing happens, nothing is said
    EXPECT_EQ(Ship1()[Ship::Class], 1);
    // Money above the cap (a sale earlier in the day) pays the same 71.000 - 28.500 and nothing
    // more; the cap is the turn's business.
    Money() = 950000000;
    ASSERT_TRUE(BuyShip(2).done);
    EXPECT_EQ(Money(), 950000000 - 42500);
    // A payout of 61.000 onto money near the top stops at the top instead of wrapping.
    Ship1()[Ship::HullPrice] = 200000;
    Money() = std::numeric_limits<int32_t>::max() - 1000;
    ASSERT_TRUE(BuyShip(1).done);
    EXPECT_EQ(Money(), std::numeric_limits<int32_t>::max());
}

TEST_F(ShipDealer, AnUnavailableClassIsGreyARefusalBuysNothingAndAPurchaseShowsWhatIsLeft) {
    WriteScreens();
    Money() = 100;
    G().Cargo[4] = 1;
    FactionRecord(FactionId::Syndicate)[Faction::Rank] = 0;
    int clicks = 0;
    auto refused = [](const char* text) {
        return [text](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, text); };
    };
    player()
        .Do("TForm17", [&](ui::Form&) { clicks = test::CountSound("play:button.wav"); })
        .SelectRow("TForm17", "ListBox1", 2)  // Avenger
        .Do("TForm17",
            [&](ui::Form&) {
                EXPECT_EQ(test::CountSound("play:button.wav"), clicks + 2);
                EXPECT_EQ(Form17->Image8->picture, "ship3g.jpg");
                EXPECT_TRUE(Form17->Label2->visible);
                EXPECT_FALSE(Form17->SpeedButton1->enabled);
                EXPECT_EQ(Form17->Image5->picture, "SyndicateLogog.jpg");
            })
        // Rows of 10 x 4 / 3 + 4 = 17 pixels: (424 - 4) / 17 = 24 of the 26 classes fit, and
        // the bar brings the 26th, the Anaconda.
        .Do("TForm17",
            [](ui::Form& f) {
                test::ScrollListToItsLastRow(f, *Form17->ListBox1, 24, "TForm17_last_row");
                EXPECT_EQ(Form17->Label10->caption, "Anaconda");
            })
        .SelectRow("TForm17", "ListBox1", 1)  // Stargun, rank 1 wanted
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1", refused("You need to sell all the goods in your cargo space first!"))
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm17", [](ui::Form&) { G().Cargo[4] = 0; })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1", refused("You not have enough money!"))
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm17", [](ui::Form&) { Money() = 1000000; })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            refused("You do not have the necessary rank in your faction to buy this ship!"))
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm17", [](ui::Form&) { FactionRecord(FactionId::Syndicate)[Faction::Rank] = 1; })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "You buy the ship!");
                // The dealer behind the word shows what is left: 1.000.000 less the Stargun's
                // 71.000 and less the Starwolf's 28.500 trade-in.
                EXPECT_EQ(Form17->Label8->caption, "Your money: 957.500");
            })
        .Click("TMessage1", "SpeedButton3");
    RefreshShipDealer();
    Form17->ShowModal();
    EXPECT_EQ(Ship1()[Ship::Class], 2);
    EXPECT_EQ(Money(), 957500);
}

}  // namespace
}  // namespace corvanth
