// The planet tests' new game: the Syndicate at Moscow Prime, with quiet turns.
#include "planet/planet_support.h"

#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "travel/NextTurnUnit_calls.h"
#include "travel/quiet_turns.h"
#include "ui/headless.h"

namespace corvanth::test {

void PlanetTest::SetUp() {
    GameTest::SetUp();
    Rng().SetSeed(1818);
    CurrentTurnCalls() = QuietTurnCalls();
    ui::UseHeadless().SetScreenDir("");
    NewSyndicateGame();
}

void PlanetTest::TearDown() {
    CurrentTurnCalls() = StandardTurnCalls();
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    GameTest::TearDown();
}

void PlanetTest::NewSyndicateGame() {
    InitGameData();
    ClearGameEnded();
    GameState& g = G();
    g.CaptainNames[1] = "Vera Oskin";
    g.Players[1][Player::Faction] = FactionId::Syndicate;
    g.Players[1][Player::Money] = 3000;
    ApplyNewGameStart();
    g.SelectedPlanet = g.Fleets[1][Fleet::Location];
}

void PlanetTest::WriteScreens() {
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
}

void PlanetTest::ShowFromPlanet(ui::Form& screen, const std::function<void()>& fill) {
    fill();
    screen.ShowModal();
}

int32_t& PlanetTest::Money() {
    return Captain()[Player::Money];
}

GameRecord& PlanetTest::Ship1() {
    return G().Ships[1][1];
}

GameRecord& PlanetTest::Slot1(int slot) {
    return G().ShipEquipment[1][1][slot];
}

void PlanetTest::SetLocationOwner(int owner) {
    LocationRecord(FleetSystem(), FleetLocation())[Planet::Owner] = owner;
}

}  // namespace corvanth::test
