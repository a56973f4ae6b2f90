// The scanners: class, own and enemy scans, the crew button, present damage and the item view.
#include "planet/Scanner.h"

#include <gtest/gtest.h>

#include "planet/CrewScanner.h"
#include "planet/planet_support.h"
#include "state/Module1.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class Scanners : public test::PlanetTest {};

bool CrewButtonShown() {
    return Form6->Panel2->visible && Form6->Shape15->visible && Form6->Shape16->visible;
}

TEST_F(Scanners, ClassOwnAndEnemyScansShowTheirShipAndCrew) {
    ShowShipClassScan(2);
    EXPECT_EQ(Form6->Label2->caption, "Stargun class");
    EXPECT_FALSE(CrewButtonShown());
    Ship1()[Ship::Strength] = 3;  // damaged: the present structure, the maximum recomputed
    ShowOwnShipScan(1, 1);
    EXPECT_EQ(Form6->Label3->caption,
              "Shields: 3/" + std::to_string(ShipClassTemplate()[Ship::MaxStrength]));
    EXPECT_FALSE(CrewButtonShown());  // no crew aboard
    Ship1()[Ship::CrewMercenaries] = 2;
    G().Fleets[1][Fleet::Morale] = -2;
    ShowOwnShipScan(1, 1);
    EXPECT_TRUE(CrewButtonShown());
    EXPECT_EQ(Form52->Label16->caption, "Crewmen: 2/0, Min: 0");
    EXPECT_EQ(Form52->Label3->caption, "Morale: Angry");

    // An enemy Fang whose crew the scan did not make out: "?" but the limits.
    LoadShipType(7);
    G().Ships[0][1] = ShipClassTemplate();
    G().Ships[0][1][Ship::Strength] = 5;
    G().Ships[0][1][Ship::CrewMercenaries] = 12;
    ShowEnemyShipScan(0, 1);
    EXPECT_EQ(Form6->Label3->caption.substr(0, 11), "Shields: 5/");
    EXPECT_TRUE(CrewButtonShown());  // as the own scan left it
    EXPECT_EQ(Form52->Mercs->caption, "?");
    EXPECT_EQ(Form52->Label16->caption, "Crewmen: ?/22, Min: 10");
    EXPECT_EQ(Form52->Label14->caption, "Close Combat: ?");
    EXPECT_EQ(Form52->Label3->caption, "Morale: Angry");
    G().Ships[0][1][Ship::CrewShownInScan] = 1;
    ShowEnemyShipScan(0, 1);
    // Close combat of 12 mercenaries: 3 x 12 div 12 = 3.
    EXPECT_EQ(Form52->Label14->caption, "Close Combat: Very good");
}

TEST_F(Scanners, TheTravelScreensShipInformationListsItemsAndTheCrew) {
    Ship1()[Ship::CrewOfficers] = 2;
    Slot1(10)[Slot::Used] = 1;  // a boarding shuttle after a gap: row 8
    Slot1(10)[Slot::EquipmentId] = 20;
    G().TurnNumber = 1;  // the adventure start is over
    RefreshTravelScreen();
    player()
        .Do("TForm2", [](ui::Form&) { WriteScreens(); })  // the travel tests draw TForm2
        .Click("TForm2", "SpeedButton13")
        .SelectRow("TForm6", "ListBox1", 8)
        .Do("TForm6",
            [](ui::Form&) {
                EXPECT_EQ(Form6->Memo2->lines[1], "10");  // the slot, then the kind
                EXPECT_EQ(Form6->Memo2->lines[2], "12");
                EXPECT_EQ(Form6->Image2->picture, "container.jpg");
            })
        .Click("TForm6", "SpeedButton1")
        .Do("TForm52", [](ui::Form&) { EXPECT_EQ(Form52->Officers->caption, "2"); })
        .Click("TForm52", "SpeedButton2")
        .CloseRequest("TForm6")  // the close box works as "Back"
        .Click("TForm2", "Image5")
        .Click("TForm6", "SpeedButton6")
        .Do("TForm2", [](ui::Form& f) { f.Hide(); });
    Form2->ShowModal();
}

}  // namespace
}  // namespace corvanth
