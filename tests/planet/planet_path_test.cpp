// A captain's first shopping day, from the main menu: cheat money at the bank, an upgrade at the
// equipment dealer, a new ship at the ship dealer.
#include <gtest/gtest.h>

#include "planet/BuyEquipment.h"
#include "planet/BuyShips.h"
#include "planet/bank.h"
#include "planet/planet_support.h"
#include "shell/Cheats.h"
#include "state/UMessage1.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {
namespace {

class ShoppingDay : public test::PlanetTest {
  protected:
    void SetUp() override {
        PlanetTest::SetUp();
        TutorialStep = 0;
        EndTutorial();
    }
};

TEST_F(ShoppingDay, CheatMoneyAnUpgradeAndANewShipFromTheMainMenu) {
    int officers = 0, mercenaries = 0;
    player()
        .Click("TForm1", "SpeedButton1")
        .Click("TForm4", "SpeedButton2")  // Outer Rim Alliance
        .Click("TForm4", "SpeedButton2")  // Syndicate
        .Click("TForm4", "SpeedButton4")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(CaptainFaction(), FactionId::Syndicate);
                EXPECT_EQ(LocationName(FleetLocation()), "Moscow Prime");
                EXPECT_EQ(ShipClassName(1, 1), "Starwolf");
                EXPECT_EQ(Money(), 3000);
                Ship1()[Ship::CrewOfficers] = officers = 2;
                Ship1()[Ship::CrewMercenaries] = mercenaries = 5;
            })
        // Docked at the start: the planet screen's services.
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton2")
        .DoubleClick("TForm9", "Image3")
        .Type("TForm40", "Edit1", "50000")
        .Click("TForm40", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "CHEAT: You get 50.000$C.");
                EXPECT_EQ(Captain()[Player::CheatUsed], 1);
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm40", "SpeedButton4")
        .Do("TForm9", [](ui::Form&) { EXPECT_EQ(Form9->Label18->caption, "Your money: 53.000"); })
        .Click("TForm9", "SpeedButton5")
        .Click("TForm3", "SpeedButton5")
        .SelectRow("TForm18", "ListBox1", 2)
        .Do("TForm18",
            [](ui::Form&) {
                EXPECT_EQ(Form18->ListBox1->items[2], "Zulu Missile ECM");
                EXPECT_EQ(Form18->ListBox2->items[0], "Hawk Missile ECM ");
                // 15.000 for the Hawk less a third of the Zulu's 5.000 (1.666).
                EXPECT_EQ(Form18->Label11->caption, "Still to be paid: $C 13.334");
            })
        .Click("TForm18", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "You buy the item!");
                EXPECT_EQ(Money(), 53000 - 13334);
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm18", "SpeedButton6")
        .Click("TForm3", "SpeedButton3")
        .SelectRow("TForm17", "ListBox1", 1)
        .Do("TForm17",
            [](ui::Form&) {
                // 35.000 for the hull and 36.000 for its equipment.
                EXPECT_EQ(Form17->Label3->caption, "Price: 71.000");
                // (20.000 + 47.000) div 2: the Starwolf's hull and its equipment, Hawk included.
                EXPECT_EQ(Form17->Label20->caption, "For your old ship you get: $C 33.500");
                EXPECT_EQ(Form17->Label11->caption, "Still to be paid: $C 37.500");
            })
        .Click("TForm17", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You buy the ship!"); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_FALSE(Form17->Visible());
                EXPECT_EQ(Money(), 39666 - 37500);
                EXPECT_EQ(ShipClassName(1, 1), "Stargun");
                EXPECT_EQ(Ship1()[Ship::CrewOfficers], officers);
                EXPECT_EQ(Ship1()[Ship::CrewMercenaries], mercenaries);
                EXPECT_EQ(Form2->Label8->caption, "Stargun class");
            })
        .Click("TForm3", "SpeedButton4")
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

}  // namespace
}  // namespace corvanth
