// The ship dealer: the rows, the availability rule, the trade-in and the purchase's refusals.
#include "planet/BuyShips.h"

#include <gtest/gtest.h>

#include "planet/planet_support.h"
#include "state/Module1.h"
#include "state/UMessage1.h"
#include "state/tables.h"

namespace corvanth {
namespace {

class ShipDealer : public test::PlanetTest {};

// Which of the 26 rows the dealer offers at a site.
int AvailableRows(const DealerSite& site) {
    int n = 0;
    for (int row = 0; row < kShipDealerRows; ++row) {
        LoadShipType(ShipDealerRowType(row));
        n += TemplateShipAvailable(site) ? 1 : 0;
    }
    return n;
}

TEST_F(ShipDealer, AvailabilityFollowsOwnerSectorLevelAndTheArena) {
    EXPECT_EQ(ShipDealerRowType(-1), 1);  // no selection is the first row
    EXPECT_EQ(ShipDealerRowType(3), 20);  // Hellcat
    EXPECT_EQ(ShipDealerRowType(25), 23);
    EXPECT_EQ(ShipDealerRowType(26), 1);

    // Moscow Prime: the Syndicate's world of sector rating 5.
    const DealerSite here = CurrentDealerSite();
    EXPECT_EQ(here.owner, FactionId::Syndicate);
    EXPECT_EQ(here.rating, 5);
    EXPECT_FALSE(here.arena);
    LoadShipType(2);  // Stargun: sold by the Alliance and the Syndicate, level 1
    EXPECT_TRUE(TemplateShipAvailable(here));
    LoadShipType(3);  // Avenger: the Federation's alone
    EXPECT_FALSE(TemplateShipAvailable(here));
    EXPECT_GT(AvailableRows(here), 0);

    // Nobody's world and the pirates' sell nothing, whatever the flags and the level.
    EXPECT_EQ(AvailableRows({0, 5, false}), 0);
    EXPECT_EQ(AvailableRows({FactionId::Pirates, 5, false}), 0);
    // The arena sells every class of the sector's level, and only those.
    EXPECT_EQ(AvailableRows({0, 5, true}), kShipDealerRows);
    LoadShipType(3);  // level 3
    EXPECT_TRUE(TemplateShipAvailable({FactionId::Pirates, 3, true}));
    EXPECT_FALSE(TemplateShipAvailable({FactionId::Pirates, 2, true}));
    // The arena is open only while its screen shows: at Gameris without it, the owner counts.
    G().Fleets[1][Fleet::Location] = test::kGameris;
    EXPECT_FALSE(CurrentDealerSite().arena);
}

TEST_F(ShipDealer, ThePurchasePaysTheDifferenceAndKeepsTheCrew) {
    // The Starwolf's hull 20.000 and its equipment 37.000, halved: 28.500.
    EXPECT_EQ(ShipTradeInValue(), 28500);
    Money() = 50000;
    Ship1()[Ship::CrewOfficers] = 9;  // more than a Stargun takes
    Ship1()[Ship::CrewScoundrels] = 4;
    Ship1()[Ship::Strength] = 1;  // damage goes with the old ship
    const ShipPurchase bought = BuyShip(2);
    ASSERT_TRUE(bought.done);
    EXPECT_EQ(bought.cost, 71000 - 28500);
    EXPECT_EQ(Money(), 50000 - 42500);
    EXPECT_EQ(Ship1()[Ship::Class], 2);
    EXPECT_EQ(Ship1()[Ship::CrewOfficers], 9);
    EXPECT_EQ(Ship1()[Ship::CrewScoundrels], 4);
    EXPECT_EQ(Ship1()[Ship::Strength], Ship1()[Ship::MaxStrength]);
    EXPECT_EQ(G().ShipDescriptions[1][1], G().ShipDescriptions[0][0]);

    // A class cheaper than the trade-in pays the difference out: a Stargun hull valued at
    // 200.000 with its 36.000 of equipment brings 118.000 against a Starwolf of 57.000.
    Ship1()[Ship::HullPrice] = 200000;
    const int before = Money();
    ASSERT_TRUE(BuyShip(1).done);
    EXPECT_EQ(Money(), before + 118000 - 57000);

    // Where the class is not sold, nothing happens and nothing is said.
    const ShipPurchase avenger = BuyShip(3);
    EXPECT_FALSE(avenger.done);
    EXPECT_TRUE(avenger.refusal.empty());
    EXPECT_EQ(Ship1()[Ship::Class], 1);
}

TEST_F(ShipDealer, TheScreenShowsTheOfferAndRefusesAFullHoldFirst) {
    WriteScreens();
    Money() = 100;
    G().Cargo[4] = 1;
    FactionRecord(FactionId::Syndicate)[Faction::Rank] = 0;
    int clicks = 0;
    player()
        .Do("TForm17",
            [](ui::Form&) {
                EXPECT_EQ(Form17->ListBox1->items.size(), 26u);
                EXPECT_EQ(Form17->ListBox1->items[0], "Starwolf");
                EXPECT_EQ(Form17->ListBox1->items[3], "Hellcat");
                EXPECT_EQ(Form17->Label8->caption, "Your money: 100");
                EXPECT_EQ(Form17->Label10->caption, "Starwolf");
                EXPECT_EQ(Form17->Label18->caption, "Fighter ship class");
                EXPECT_EQ(Form17->Label6->caption, "1");
                EXPECT_EQ(Form17->Label9->caption, "5");
                EXPECT_EQ(Form17->Image8->picture, "ship1.jpg");
                EXPECT_FALSE(Form17->Label2->visible);
            })
        .Do("TForm17", [&](ui::Form&) { clicks = test::CountSound("play:button.wav"); })
        .SelectRow("TForm17", "ListBox1", 2)  // Avenger: not sold here
        .Do("TForm17",
            [&](ui::Form&) {
                EXPECT_EQ(test::CountSound("play:button.wav"), clicks + 2);
                EXPECT_EQ(Form17->Image8->picture, "ship3g.jpg");
                EXPECT_TRUE(Form17->Label2->visible);
                EXPECT_FALSE(Form17->SpeedButton1->enabled);
                EXPECT_EQ(Form17->Image3->picture, "FederationLogo.jpg");
                EXPECT_EQ(Form17->Image5->picture, "SyndicateLogog.jpg");
            })
        .SelectRow("TForm17", "ListBox1", 1)  // Stargun, rank 1 wanted
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You need to sell all the goods in your cargo space first!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm17", [](ui::Form&) { G().Cargo[4] = 0; })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You not have enough money!"); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm17", [this](ui::Form&) { Money() = 1000000; })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "You do not have the necessary rank in your faction to buy this ship!");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm17", "SpeedButton2");
    ShowFromPlanet(*Form17, [] {
        RefreshShipDealer();
        ShowShipOffer(1);
    });
    EXPECT_EQ(Ship1()[Ship::Class], 1);
    EXPECT_EQ(Money(), 1000000);
}

}  // namespace
}  // namespace corvanth
