// Ship statistics: the values a ship derives from its class and its installed equipment.
#include "state/shipstats.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "state/Module1.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// The catalogue record of a used slot, or nullptr for an empty slot or an id outside the
// catalogue (a damaged save must not index past it).
const GameRecord* ItemInSlot(int fleet, int ship, int s) {
    const GameState& g = G();
    const GameRecord& slot = g.ShipEquipment[fleet][ship][s];
    const int id = slot[Slot::EquipmentId];
    if (slot[Slot::Used] <= 0 || !ValidEquipment(id)) return nullptr;
    return &g.EquipmentTypes[id];
}

// Sum of the main value over the used slots holding items of one kind.
int64_t SumOfKind(int fleet, int ship, int kind) {
    int64_t sum = 0;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord* item = ItemInSlot(fleet, ship, s);
        if (item && (*item)[Equipment::Kind] == kind) sum += (*item)[Equipment::MainValue];
    }
    return sum;
}

// Load types of a transport mission.
constexpr int kLoadGoods = 1;
constexpr int kLoadPassengers = 2;

// Room the captain's active transport or smuggling mission takes while its first objective is
// unset.
int64_t MissionLoad(int loadType) {
    const GameState& g = G();
    if (g.CurrentPlayer < 0 || g.CurrentPlayer >= static_cast<int>(g.Missions.size())) return 0;
    const GameRecord& m = CaptainMission();
    int64_t load = 0;
    for (int kind : {MissionKind::Transport, MissionKind::Smuggling}) {
        if (m[Mission::Status] >= 1 && m[Mission::ObjectiveBase + 1] == 0 &&
            m[Mission::Kind] == kind && m[Mission::LoadType] == loadType) {
            load += m[Mission::Amount];
        }
    }
    return load;
}

// Speed from the last engine installed, or from the hull when there is none, less the weight of
// every item. Always derived afresh: a ship without an engine must not slow down each time.
int32_t DerivedSpeed(int fleet, int ship) {
    int64_t speed = ShipClassSpeed(G().Ships[fleet][ship][Ship::Class]);
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord* item = ItemInSlot(fleet, ship, s);
        if (item && (*item)[Equipment::Kind] == EquipmentKind::Engine) {
            speed = (*item)[Equipment::EngineSpeed];
        }
    }
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord* item = ItemInSlot(fleet, ship, s);
        if (item) speed -= (*item)[Equipment::Weight];
    }
    return SaturateInt32(std::max<int64_t>(speed, 1));
}

void RecalcStrength(int fleet, int ship, int battleRound) {
    GameRecord& rec = G().Ships[fleet][ship];
    // Only the shield generator in the highest slot counts.
    int64_t shield = 0;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord* item = ItemInSlot(fleet, ship, s);
        if (item && (*item)[Equipment::Kind] == EquipmentKind::ShieldGenerator) {
            shield = (*item)[Equipment::ShieldValue];
        }
    }
    const int64_t base = rec[Ship::BaseStrength];
    if (shield == 0) {
        rec[Ship::Strength] = rec[Ship::BaseStrength];
        rec[Ship::MaxStrength] = rec[Ship::BaseStrength];
        return;
    }
    // A smaller shield value gives the larger bonus: 1 doubles the base, 4 adds a quarter.
    const int64_t max = base / shield + base;
    if (battleRound == 1) {
        // Entering a battle a shielded ship regains only a third of its maximum.
        rec[Ship::Strength] = SaturateInt32(std::min<int64_t>(rec[Ship::Strength] + max / 3, max));
    } else {
        rec[Ship::Strength] = SaturateInt32(max);
    }
    rec[Ship::MaxStrength] = SaturateInt32(max);
}

}  // namespace

void RecountCargoRoom(int fleet, int ship) {
    if (!ValidShip(fleet, ship)) return;
    GameState& g = G();
    // The hold subtracted is always the player's, whatever fleet is passed.
    const int64_t cargo = SumOfKind(fleet, ship, EquipmentKind::CargoBay);
    g.Fleets[fleet][Fleet::CargoCapacity] = SaturateInt32(cargo);
    g.Ships[fleet][ship][Ship::CargoCapacity] = SaturateInt32(cargo);
    int64_t held = 0;
    for (int good = Good::First; good <= Good::Last; ++good) held += g.Cargo[good];
    g.Fleets[fleet][Fleet::FreeCargo] = SaturateInt32(cargo - held - MissionLoad(kLoadGoods));
}

void RecalcShipStats(int fleet, int ship, int skipArmour, int battleRound) {
    if (!ValidShip(fleet, ship)) return;
    GameState& g = G();
    GameRecord& rec = g.Ships[fleet][ship];
    GameRecord& fl = g.Fleets[fleet];

    rec[Ship::Speed] = DerivedSpeed(fleet, ship);
    rec[Ship::SpeedClass] = rec[Ship::Speed];

    RecountCargoRoom(fleet, ship);

    const int64_t places =
        SumOfKind(fleet, ship, EquipmentKind::PassengerCabin) - MissionLoad(kLoadPassengers);
    fl[Fleet::PassengerCapacity] = SaturateInt32(places);
    rec[Ship::PassengerCabins] = SaturateInt32(places);

    rec[Ship::BoardingShuttles] =
        SaturateInt32(SumOfKind(fleet, ship, EquipmentKind::BoardingShuttle));

    if (skipArmour == 0) RecalcStrength(fleet, ship, battleRound);
}

int CalcCrewRating(int ability, int officers, int droids, int mercenaries, int adventurers,
                   int scoundrels) {
    // Weights of officers, droids, mercenaries, adventurers and scoundrels per ability.
    static constexpr int kWeights[3][5] = {
        {3, 2, 1, 1, 1},  // navigation
        {1, 3, 2, 1, 2},  // targeting
        {1, 2, 3, 1, 2},  // close combat
    };
    if (ability < kAbilityNavigation || ability > kAbilityCloseCombat) return 1;
    const int64_t crew[5] = {officers, droids, mercenaries, adventurers, scoundrels};
    int64_t n = 0, weighted = 0;
    for (int k = 0; k < 5; ++k) {
        n += crew[k];
        weighted += kWeights[ability - 1][k] * crew[k];
    }
    if (n < 1) n = 1;
    const int64_t v = weighted / n;
    // Every officer adds 5 % of the rating.
    const int64_t r = v + (crew[0] * 5 * v) / 100;
    return static_cast<int>(std::clamp<int64_t>(r, 1, 3));
}

bool ShipHasEquipmentType(int fleet, int ship, int kind) {
    if (!ValidShip(fleet, ship)) return false;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord* item = ItemInSlot(fleet, ship, s);
        if (item && (*item)[Equipment::Kind] == kind) return true;
    }
    return false;
}

}  // namespace corvanth
