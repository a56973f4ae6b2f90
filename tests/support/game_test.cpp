// The scripted-player fixture: a clean game state, script and sound log for every test.
#include "support/game_test.h"

#include <algorithm>

#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "ui/application.h"
#include "ui/audio.h"

namespace corvanth::test {

void GameTest::SetUp() {
    ResetGameState();
    // The generator as a fresh program has it: a new game drawn here is the same world whichever
    // test ran before in this process.
    Rng().SetSeed(0);
    ui::UseHeadless().Reset();
    ui::audio::ClearLog();
}

void GameTest::TearDown() {
    EXPECT_EQ(player().Pending(), 0u) << "the script has steps no screen asked for";
    EXPECT_TRUE(ui::App().ModalStack().empty()) << "a screen is still open";
}

void StartNewGame(int faction, const std::string& name) {
    InitGameData();
    ClearGameEnded();
    TravelScreenMayClose = 0;
    GameState& g = G();
    g.CaptainNames[1] = name;
    g.Players[1][Player::Faction] = faction;
    g.Players[1][Player::Money] = 3000;
    ApplyNewGameStart();
    g.SelectedPlanet = g.Fleets[1][Fleet::Location];
}

void ClickOnTravelScreen(const std::string& button, const std::function<void()>& then) {
    auto& player = ui::UseHeadless();
    player.ClickFirst("TForm2", button);
    if (then) then();
    player.CloseRequest("TForm2").Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
}

int CountSound(const std::string& entry) {
    const auto& log = ui::audio::Log();
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

}  // namespace corvanth::test
