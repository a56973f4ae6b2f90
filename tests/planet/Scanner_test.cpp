// The scanners: class, own and enemy scans, the crew button, present damage and the item view.
#include "planet/Scanner.h"

#include <gtest/gtest.h>

#include "planet/CrewScanner.h"
#include "planet/planet_support.h"
#include "state/Module1.h"
#include "state/tables.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class Scanners : public test::PlanetTest {};

bool CrewButtonShown() {
    return Form6->Panel2->visible && Form6->Shape15->visible && Form6->Shape16->visible;
}

TEST_F(Scanners, ClassOwnAndEnemyScansShowTheirShipAndCrew) {
    // A class scan shows the catalogued Stargun and never offers the crew.
    ShowShipClassScan(2);
    EXPECT_EQ(Form6->Label2->caption, "Stargun class");
    EXPECT_EQ(Form6->Image1->picture, "ship2.jpg");
    EXPECT_EQ(Form6->Label6->caption, "Fighter ship class");
    EXPECT_FALSE(CrewButtonShown());

    // The own ship, damaged: its present structure against the recomputed maximum.
    Ship1()[Ship::Strength] = 3;
    ShowOwnShipScan(1, 1);
    const int max = ShipClassTemplate()[Ship::MaxStrength];
    EXPECT_GT(max, 3);
    EXPECT_EQ(Form6->Label3->caption, "Shields: 3/" + std::to_string(max));
    EXPECT_EQ(Form6->Label5->caption, "Crew: 0 / 0 (Min / Max)");
    EXPECT_FALSE(CrewButtonShown());  // no crew aboard
    Ship1()[Ship::CrewOfficers] = 1;
    Ship1()[Ship::CrewMercenaries] = 2;
    G().Fleets[1][Fleet::Morale] = -2;
    G().Fleets[1][Fleet::CrewPayCountdown] = 37;
    ShowOwnShipScan(1, 1);
    EXPECT_TRUE(CrewButtonShown());
    EXPECT_EQ(Form52->Label10->caption, "Your crew:");
    EXPECT_EQ(Form52->Officers->caption, "1");
    EXPECT_EQ(Form52->Mercs->caption, "2");
    EXPECT_EQ(Form52->Label16->caption, "Crewmen: 3/0, Min: 0");
    EXPECT_EQ(Form52->Label3->caption, "Morale: Angry");
    // Navigation: (3 + 2) div 3 = 1, + 1 x 5 x 1 div 100 = 1.
    EXPECT_EQ(Form52->Label12->caption, "Navigation: Normal");
    EXPECT_EQ(Form52->Label15->caption, "Payment in: 37 turns");
    EXPECT_FALSE(Form52->SpeedButton1->enabled);

    // An enemy Fang, hit hard, its crew not made out: "?" but the limits.
    LoadShipType(7);
    G().Ships[0][1] = ShipClassTemplate();
    G().ShipClassNames[0][1] = "Fang";
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        G().ShipEquipment[0][1][slot] = G().ShipEquipment[0][0][slot];
    G().Ships[0][1][Ship::Strength] = 5;
    G().Ships[0][1][Ship::CrewMercenaries] = 12;
    ShowEnemyShipScan(0, 1);
    EXPECT_EQ(Form6->Label2->caption, "Fang class");
    EXPECT_EQ(Form6->Label3->caption.substr(0, 11), "Shields: 5/");
    EXPECT_TRUE(CrewButtonShown());  // as the own scan left it
    EXPECT_EQ(Form52->Label10->caption, "Enemy crew:");
    EXPECT_EQ(Form52->Mercs->caption, "?");
    EXPECT_EQ(Form52->Label16->caption, "Crewmen: ?/22, Min: 10");
    EXPECT_EQ(Form52->Label14->caption, "Close Combat: ?");
    EXPECT_EQ(Form52->Label15->caption, "Payment in: -");
    EXPECT_EQ(Form52->Label3->caption, "Morale: Angry");  // left as it was
    G().Ships[0][1][Ship::CrewShownInScan] = 1;
    ShowEnemyShipScan(0, 1);
    EXPECT_EQ(Form52->Mercs->caption, "12");
    EXPECT_EQ(Form52->Label16->caption, "Crewmen: 12/22, Min: 10");
    // Close combat of 12 mercenaries: 3 x 12 div 12 = 3.
    EXPECT_EQ(Form52->Label14->caption, "Close Combat: Very good");
}

TEST_F(Scanners, TheTravelScreensShipInformationListsItemsAndTheCrew) {
    Ship1()[Ship::CrewOfficers] = 2;
    Ship1()[Ship::CrewDroids] = 1;
    // A boarding shuttle in slot 10, after a gap: row 8 of the list.
    Slot1(10)[Slot::Used] = 1;
    Slot1(10)[Slot::EquipmentId] = 20;
    G().TurnNumber = 1;  // the adventure start is over
    RefreshTravelScreen();
    player()
        .Do("TForm2", [this](ui::Form&) { WriteScreens(); })  // the travel tests draw TForm2
        .Click("TForm2", "SpeedButton13")
        .Do("TForm6",
            [](ui::Form&) {
                EXPECT_EQ(Form6->Label2->caption, "Starwolf class");
                EXPECT_EQ(Form6->ListBox1->items.size(), 9u);
                EXPECT_EQ(Form6->ListBox1->ItemIndex(), 0);
                EXPECT_EQ(Form6->Memo2->lines.size(), 1u);  // the first item's description
                EXPECT_EQ(Form6->Image2->picture, "gun.jpg");
                EXPECT_EQ(G().ShipEquipment[0][0][10][Slot::ListPosition], 9);
            })
        .SelectRow("TForm6", "ListBox1", 8)
        .Do("TForm6",
            [](ui::Form&) {
                ASSERT_EQ(Form6->Memo2->lines.size(), 3u);
                EXPECT_EQ(Form6->Memo2->lines[1], "10");
                EXPECT_EQ(Form6->Memo2->lines[2], "12");
                EXPECT_EQ(Form6->Image2->picture, "container.jpg");
            })
        .SelectRow("TForm6", "ListBox1", 2)
        .Do("TForm6",
            [](ui::Form&) {
                EXPECT_EQ(Form6->Memo2->lines[1], "3");
                EXPECT_EQ(Form6->Image2->picture, "ecm.jpg");
            })
        .Click("TForm6", "SpeedButton1")
        .Do("TForm52",
            [](ui::Form&) {
                EXPECT_EQ(Form52->Officers->caption, "2");
                EXPECT_EQ(Form52->Druids->caption, "1");
            })
        .Click("TForm52", "SpeedButton2")
        .CloseRequest("TForm6")  // the close box works as "Back"
        .Do("TForm2", [](ui::Form&) { EXPECT_FALSE(Form6->Visible()); })
        .Click("TForm2", "Image5")
        .Click("TForm6", "SpeedButton6")
        .Do("TForm2", [](ui::Form& f) { f.Hide(); });
    TravelScreenMayClose = 1;
    Form2->ShowModal();
    TravelScreenMayClose = 0;
}

}  // namespace
}  // namespace corvanth
