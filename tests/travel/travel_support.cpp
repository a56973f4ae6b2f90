// The travel tests' new game and their quiet turns.
#include "travel/travel_support.h"

#include <vector>

#include "shell/background.h"
#include "shell/retire.h"
#include "shell/start.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/variables.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "ui/headless.h"

namespace corvanth::test {

void TravelTest::SetUp() {
    GameTest::SetUp();
    Rng().SetSeed(6006);
    // A turn here moves markets, events and crew, but brings no encounter, news or award:
    // those belong to the tests of their own screens.
    GameUpcalls() = QuietUpcalls();
    ui::UseHeadless().SetScreenDir("");
}

void TravelTest::TearDown() {
    GameUpcalls() = StandardUpcalls();
    // The screen lives on between tests: close its trade box and reset its radio buttons.
    Form2->TradeGroupBox->visible = Form2->Shape34->visible = Form2->Shape35->visible = false;
    Form2->RadioButton1->SetChecked(true);
    Form2->SpinEdit1->SetText("0");
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    GameTest::TearDown();
}

void TravelTest::NewFederationGame() {
    StartNewGame(FactionId::Federation, "Mara Kellan");
}

void TravelTest::SetTripFactors(int speedClass, int officers, int droids, int mercenaries,
                                int crewMin, int morale) {
    GameRecord& ship = G().Ships[1][1];
    ship[Ship::SpeedClass] = speedClass;
    ship[Ship::CrewOfficers] = officers;
    ship[Ship::CrewDroids] = droids;
    ship[Ship::CrewMercenaries] = mercenaries;
    ship[Ship::CrewAdventurers] = 0;
    ship[Ship::CrewScoundrels] = 0;
    ship[Ship::CrewMin] = crewMin;
    G().Fleets[1][Fleet::Morale] = morale;
}

void TravelTest::FitEngine(int reliability, int speed) {
    GameState& g = G();
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) g.ShipEquipment[1][1][slot].fill(0);
    // Id 13 is the single engine S of the catalogue, made as reliable and fast as the test asks:
    // the turns derive the ship's speed class from it again.
    g.ShipEquipment[1][1][1][Slot::Used] = 1;
    g.ShipEquipment[1][1][1][Slot::EquipmentId] = 13;
    g.EquipmentTypes[13][Equipment::Reliability] = reliability;
    g.EquipmentTypes[13][Equipment::EngineSpeed] = speed;
    g.EquipmentTypes[13][Equipment::Weight] = 0;
    g.Ships[1][1][Ship::SpeedClass] = speed;
}

GameRecord& SetMission(int kind, int scope, std::array<int, 4> objectives, int target) {
    GameRecord& m = G().Missions[1];
    m.fill(0);
    m[Mission::Status] = 1;
    m[Mission::Kind] = kind;
    m[Mission::Reward] = 12500;
    m[Mission::Client] = FactionId::Federation;
    m[Mission::Scope] = scope;
    m[Mission::Difficulty] = 2;
    for (int n = 1; n <= 4; ++n) m[Mission::ObjectiveBase + n] = objectives[n - 1];
    m[Mission::TargetSystem] = target;
    return m;
}

int TravelTest::Money() const {
    return G().Players[1][Player::Money];
}

void WanderSomewhere(std::mt19937& rng) {
    GameState& g = G();
    const int s = 1 + static_cast<int>(rng() % 25);
    std::vector<int> locations;
    for (int l = 1; l <= 35; ++l)
        if (g.Planets[s][l][Planet::Exists]) locations.push_back(l);
    if (locations.empty()) return;
    GameRecord& fleet = g.Fleets[1];
    fleet[Fleet::System] = s;
    fleet[Fleet::Location] = locations[rng() % locations.size()];
    fleet[Fleet::DaysLeft] = static_cast<int>(rng() % 3);
    fleet[Fleet::Destination] = locations[rng() % locations.size()];
}

}  // namespace corvanth::test
