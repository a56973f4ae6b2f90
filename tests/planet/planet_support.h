// Shared set-up of the planet tests: a new Syndicate game at Moscow Prime, quiet turns.
#pragma once

#include <filesystem>

#include "shell/background.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/game_test.h"
#include "travel/quiet_turns.h"
#include "ui/headless.h"

namespace corvanth::test {

inline constexpr int kGameris = 9;  // the arena's world in New Moscow

// As the main menu leaves a Syndicate game: the Starwolf at Moscow Prime, $C 3.000. Pictures go
// to build/screens only after WriteScreens, so each screen is drawn in the state its test wants.
class PlanetTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Rng().SetSeed(1818);
        GameUpcalls() = QuietUpcalls();
        ui::UseHeadless().SetScreenDir("");
        InitGameData();
        ClearGameEnded();
        G().Players[1][Player::Faction] = FactionId::Syndicate;
        G().Players[1][Player::Money] = 3000;
        ApplyNewGameStart();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
        GameTest::TearDown();
    }
    static void WriteScreens() {
        LinkGameArt(std::filesystem::current_path());
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    }
    static int32_t& Money() { return Captain()[Player::Money]; }
    static GameRecord& Ship1() { return G().Ships[1][1]; }
    static GameRecord& Slot1(int slot) { return G().ShipEquipment[1][1][slot]; }
};

}  // namespace corvanth::test
