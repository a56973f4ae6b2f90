// The loot screen: the offer cut to the room, drops that make room, the warning for an illegal
// lot, and a hold over its capacity that takes nothing.
#include "combat/Loot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "support/scrolled_list.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class LootScreen : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        test::StartNewGame(FactionId::Federation, "Mara Kellan");
        player().LeavePicture("TForm51");
    }
    void Offer(int good, int amount) {
        G().LootItem[Loot::Good] = good;
        G().LootItem[Loot::Amount] = amount;
        ShowLoot();
    }
    int Free() { return G().Fleets[1][Fleet::FreeCargo]; }
    // A good the Federation bans, and one it allows.
    int Good(bool legal) {
        for (int g = 1; g <= 20; ++g)
            if ((G().Goods[g][Good::LegalityBase + 1] < 1) == legal) return g;
        return 0;
    }
};

TEST_F(LootScreen, TheLotIsCutToTheRoomDropsMakeMoreAndIllegalGoodsStillCome) {
    const int legal = Good(true), illegal = Good(false);
    ASSERT_NE(legal, 0);
    ASSERT_NE(illegal, 0);
    TForm51& f = *Form51;
    // The new game's hold is empty; its room r (the Avenger's bays) takes a lot of 2 whole.
    const int r = Free();
    ASSERT_GE(r, 3);
    Offer(legal, 2);
    const GameRecord& good = G().Goods[legal];
    EXPECT_EQ(f.Label3->caption, "2E of " + GoodName(legal) + " ($C " +
                                     std::to_string(good[Good::PriceAtLevelBase + 4]) + "-" +
                                     std::to_string(good[Good::PriceAtLevelBase]) + ")");
    EXPECT_EQ(f.Label5->caption, "Free cargo space: " + std::to_string(r));
    EXPECT_TRUE(f.Label4->caption.starts_with("Luckily you got enough space"));
    EXPECT_FALSE(f.ListBox1->enabled);
    EXPECT_FALSE(f.SpeedButton1->enabled);
    EXPECT_FALSE(f.Panel5->visible);
    ASSERT_EQ(f.ListBox1->items.size(), 20u);
    EXPECT_EQ(f.ListBox1->items[legal - 1],
              GoodName(legal) + ", $C: " + std::to_string(good[Good::PriceAtLevelBase + 4]) + "-" +
                  std::to_string(good[Good::PriceAtLevelBase]) + ", 0E");

    // Loot && Continue: 2 in the hold, r - 2 left, the notice with the container.
    player()
        .Click("TForm51", "SpeedButton3")
        .Do("TMessage6",
            [&](ui::Form&) {
                EXPECT_EQ(Message6->Label1->caption, "You loot 2E of " + GoodName(legal) + ".");
                EXPECT_EQ(Message6->Image2->picture, "container.jpg");
                EXPECT_FALSE(Message6->CheckBox1->enabled);
            })
        .Click("TMessage6", "SpeedButton3");
    f.ShowModal();
    EXPECT_EQ(G().Cargo[legal], 2);
    EXPECT_EQ(Free(), r - 2);
    EXPECT_TRUE(Message6->CheckBox1->enabled);

    // r + 5 illegal units into r - 2 of room: the warning, the drop controls; "Drop 1x" on the
    // legal row makes r - 1 and the texts follow; "Loot && Continue" takes r - 1 of them.
    Offer(illegal, r + 5);
    EXPECT_TRUE(f.Panel5->visible);
    EXPECT_TRUE(f.Shape3->visible);
    EXPECT_EQ(f.Label7->caption, "ILLEGAL!");
    EXPECT_TRUE(f.Label4->caption.starts_with("Unfortunately your cargo bay is full."));
    EXPECT_TRUE(f.SpeedButton2->enabled);
    ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm51.png");
    player()
        .Click("TForm51", "SpeedButton2")  // no row chosen: nothing
        .Do("TForm51", [&](ui::Form&) { EXPECT_EQ(G().Cargo[legal], 2); })
        .SelectRow("TForm51", "ListBox1", illegal - 1)
        .Click("TForm51", "SpeedButton1")  // a row of a good the hold has none of: nothing
        .Do("TForm51", [&](ui::Form&) { EXPECT_EQ(Free(), r - 2); })
        .SelectRow("TForm51", "ListBox1", legal - 1)
        .Click("TForm51", "SpeedButton2")
        .Do("TForm51",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[legal], 1);
                EXPECT_EQ(Free(), r - 1);
                EXPECT_EQ(f.ListBox1->ItemIndex(), legal - 1);
                EXPECT_EQ(f.Label5->caption, "Free cargo space: " + std::to_string(r - 1));
            })
        // Rows of 9 x 4 / 3 + 4 = 16 pixels: (196 - 4) / 16 = 12 of the 20 goods show, and the
        // bar brings the rest; the wheel first turns the list back to its top.
        .Wheel("TForm51", "ListBox1", 10)
        .Do("TForm51",
            [&](ui::Form& screen) {
                test::ScrollListToItsLastRow(screen, *f.ListBox1, 12, "TForm51_last_row");
            })
        .Click("TForm51", "SpeedButton3")
        .Click("TMessage6", "SpeedButton3");
    f.ShowModal();
    EXPECT_EQ(G().Cargo[illegal], r - 1);
    EXPECT_EQ(Free(), 0);

    // Full: "Drop all" of the 1 legal unit, then a lot of 5 takes 1.
    Offer(legal, 5);
    player()
        .SelectRow("TForm51", "ListBox1", legal - 1)
        .Click("TForm51", "SpeedButton1")
        .Do("TForm51",
            [&](ui::Form&) {
                EXPECT_EQ(G().Cargo[legal], 0);
                EXPECT_EQ(Free(), 1);
            })
        .Click("TForm51", "SpeedButton3")
        .Click("TMessage6", "SpeedButton3");
    f.ShowModal();
    EXPECT_EQ(G().Cargo[legal], 1);
    EXPECT_EQ(Free(), 0);

    // A hold over its capacity (room -2) takes nothing and loses nothing.
    G().Fleets[1][Fleet::FreeCargo] = -2;
    EXPECT_EQ(LootThatFits(5, -2), 0);
    Offer(legal, 5);
    player()
        .Click("TForm51", "SpeedButton3")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "Your cargo bay is full so you need to leave the found goods behind.");
            })
        .Click("TMessage1", "SpeedButton3");
    f.ShowModal();
    EXPECT_EQ(G().Cargo[legal], 1);
    EXPECT_EQ(G().Cargo[illegal], r - 1);
}

}  // namespace
}  // namespace corvanth
