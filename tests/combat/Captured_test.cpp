// The captured ship: its one search of the hold and the loot screen's headings it leaves.
#include "combat/Captured.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "combat/Loot.h"
#include "combat/combat_fixture.h"
#include "support/art.h"

namespace corvanth {
namespace {

class CapturedShip : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GiveShip(1, 1);
        GiveShip(0, 5);
        G().CapturedCargo.fill(0);
    }
};

// An empty hold: the notice, the search spent, and the loot screen's headings are the search's,
// not those of the explosion scanned before (a steal later offers its goods under them).
TEST_F(CapturedShip, SearchingAnEmptyHoldStillSetsTheLootHeadings) {
    SetLootHeadings("You scan the explosion...", "Between the debris you find:");
    ShowCaptureOffer();
    player()
        .Click("TForm32", "SpeedButton2")
        .Do("TMessage1",
            [](ui::Form& f) { EXPECT_EQ(f.Find("Label1")->caption, "The cargo bays are empty!"); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm32", [](ui::Form&) { EXPECT_FALSE(Form32->SpeedButton2->enabled); })
        .Click("TForm32", "SpeedButton3");
    Form32->ShowModal();
    EXPECT_EQ(Form51->Label1->caption, "You plunder the ship...");
    EXPECT_EQ(Form51->Label2->caption, "Quickly searching the abandoned ship you find:");
    EXPECT_TRUE(lootGoods.empty());
}

// A deal's payment comes on whole, past the money cap too, which the turn applies: keeping the
// own ship sells the captured one for a quarter of its value, just under the cap and above it.
TEST_F(CapturedShip, ThePaymentComesOnWholePastTheMoneyCap) {
    const int64_t quarter = ShipValue(0, 1) / 4;
    ASSERT_GT(quarter, 0);
    for (const int money : {899999999, 900000000}) {
        Captain()[Player::Money] = money;
        KeepOwnShip();
        EXPECT_EQ(Captain()[Player::Money], money + quarter) << money;
    }
}

}  // namespace
}  // namespace corvanth
