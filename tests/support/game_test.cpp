// The scripted-player fixture: a clean game state, script and sound log for every test.
#include "support/game_test.h"

#include <algorithm>

#include "state/variables.h"
#include "ui/application.h"
#include "ui/audio.h"

namespace corvanth::test {

void GameTest::SetUp() {
    ResetGameState();
    ui::UseHeadless().Reset();
    ui::audio::ClearLog();
}

void GameTest::TearDown() {
    EXPECT_EQ(player().Pending(), 0u) << "the script has steps no screen asked for";
    EXPECT_TRUE(ui::App().ModalStack().empty()) << "a screen is still open";
}

int CountSound(const std::string& entry) {
    const auto& log = ui::audio::Log();
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

}  // namespace corvanth::test
