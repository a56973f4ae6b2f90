// The war news dialog: what it shows, and what its two boxes switch off.
#include "career/UMessage7.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "state/newgame.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"

namespace corvanth {
namespace {

class WarNews : public test::GameTest {};

TEST_F(WarNews, TheBoxesSwitchOffWhatTheySayAndNothingElse) {
    test::LinkGameArt(std::filesystem::current_path());
    InitGameData();
    GameRecord& captain = Captain();
    const std::string ceaseFire = "The Outer Rim and the Coalition have declared a cease-fire!";
    const std::string battle = "A new fleet combat doctrine has improved the effectiveness.";

    // Unticking only the second box switches off the war events, not the rest.
    player()
        .Do("TMessage7",
            [&](ui::Form&) {
                EXPECT_TRUE(Message7->CheckBox1->checked);
                EXPECT_TRUE(Message7->CheckBox2->checked);
                EXPECT_EQ(Message7->Label2->caption, "News");
                EXPECT_EQ(Message7->Image1->picture, "news.jpg");
                ASSERT_EQ(Message7->Memo1->lines.size(), 1u);
                EXPECT_EQ(Message7->Memo1->lines[0], battle);
            })
        .Tick("TMessage7", "CheckBox2", false)
        .Click("TMessage7", "SpeedButton1");
    ShowWarNews(battle, WarNewsKind::WarEvent);
    EXPECT_EQ(captain[Player::HideWarEventNews], 1);
    EXPECT_EQ(captain[Player::HideWarNews], 0);
    EXPECT_EQ(test::CountSound("play:button.wav"), 2);  // the box and the button

    ShowWarNews(battle, WarNewsKind::WarEvent);  // not shown
    player()
        .Do("TMessage7",
            [&](ui::Form&) {
                EXPECT_FALSE(Message7->CheckBox2->checked);  // as the captain left it
                EXPECT_EQ(Message7->Memo1->lines[0], ceaseFire);
            })
        .Tick("TMessage7", "CheckBox1", false)
        .Click("TMessage7", "SpeedButton1");
    ShowWarNews(ceaseFire, WarNewsKind::WarOrCeaseFire);
    EXPECT_EQ(captain[Player::HideWarNews], 1);

    // Now nothing is shown at all.
    ShowWarNews(ceaseFire, WarNewsKind::WarOrCeaseFire);
    EXPECT_EQ(player().TimesSeen("TMessage7"), 2);
}

}  // namespace
}  // namespace corvanth
