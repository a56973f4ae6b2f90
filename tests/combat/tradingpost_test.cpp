// The cargo transfer screen: selection, transfers both ways cut to the room, and amounts or
// rooms below nothing that move nothing.
#include "combat/tradingpost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "state/UMessage1.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"

namespace corvanth {
namespace {

class CargoTransfer : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        test::StartNewGame(FactionId::Federation, "Mara Kellan");
        G().Ships[0][1][Ship::CargoCapacity] = 12;
        G().CapturedCargo[3] = 8;
        G().Cargo[5] = 4;
        G().Fleets[1][Fleet::FreeCargo] = 6;
    }
    int Free() { return G().Fleets[1][Fleet::FreeCargo]; }
};

TEST_F(CargoTransfer, TransfersAreCutToTheRoomAndNeverRunBackwards) {
    TForm7& f = *Form7;
    int messages = 0;
    player()
        .Do("TForm7",
            [&](ui::Form&) {
                EXPECT_EQ(f.Listbox1->items[2], "8E of " + GoodName(3));
                EXPECT_EQ(f.ListBox2->items[4], "4E of " + GoodName(5));
                EXPECT_EQ(f.Label7->caption, "Free cargo space: 6");
                EXPECT_FALSE(f.SpeedButton1->enabled);
            })
        .SelectRow("TForm7", "Listbox1", 2)
        .Do("TForm7",
            [&](ui::Form&) {
                EXPECT_EQ(f.Label3->caption, GoodName(3));
                EXPECT_EQ(f.SpinEdit1->Value(), 8);
                EXPECT_TRUE(f.SpeedButton1->enabled);
                EXPECT_FALSE(f.SpeedButton2->enabled);
            })
        // All 8 asked for, 6 of room: 6 move, one message.
        .Click("TForm7", "SpeedButton1")
        .Do("TMessage1",
            [&](ui::Form&) {
                ++messages;
                EXPECT_EQ(Message1->Label1->caption, "You do not have that much cargo space.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm7",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[3], 6);
                EXPECT_EQ(G().CapturedCargo[3], 2);
                EXPECT_EQ(Free(), 0);
                EXPECT_EQ(f.Label7->caption, "Free cargo space: 0");
                EXPECT_EQ(f.Listbox1->ItemIndex(), -1);
                // No row chosen after the refresh: the button still shows, and does nothing.
                ui::ClickMiddle(f, *f.SpeedButton1);
                EXPECT_EQ(G().Cargo[3], 6);
            })
        // Back to the captured ship, whose room is 12 - 2 = 10: 3 of the 4 units of good 5.
        .SelectRow("TForm7", "ListBox2", 4)
        .Type("TForm7", "SpinEdit1", "3")
        .Click("TForm7", "SpeedButton2")
        .Do("TForm7",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[5], 1);
                EXPECT_EQ(G().CapturedCargo[5], 3);
                EXPECT_EQ(Free(), 3);
                EXPECT_EQ(CapturedFreeRoom(), 7);  // 12 - 2 - 3
            })
        // A negative amount moves nothing (it would once have moved goods the other way).
        .SelectRow("TForm7", "ListBox2", 2)
        .Type("TForm7", "SpinEdit1", "-4")
        .Click("TForm7", "SpeedButton2")
        .Do("TForm7",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[3], 6);
                EXPECT_EQ(G().CapturedCargo[3], 2);
                EXPECT_EQ(Free(), 3);
            })
        .Click("TForm7", "SpeedButton3");
    RefreshCargoTransfer();
    f.ShowModal();
    EXPECT_EQ(messages, 1);

    // A hold over its capacity reads as no room: nothing moves, and nothing goes negative.
    G().Fleets[1][Fleet::FreeCargo] = -3;
    bool cut = false;
    EXPECT_EQ(TransferCargo(3, 2, true, cut), 0);
    EXPECT_TRUE(cut);
    EXPECT_EQ(G().CapturedCargo[3], 2);
    EXPECT_EQ(G().Fleets[1][Fleet::FreeCargo], -3);
    G().CapturedCargo.fill(0);
    G().CapturedCargo[1] = 20;  // 20 in a hold of 12: its room is -8
    EXPECT_EQ(TransferCargo(5, 1, false, cut), 0);
    EXPECT_EQ(G().Cargo[5], 1);
}

}  // namespace
}  // namespace corvanth
