// Enemy generation: who is met, in what ship, and the preparation of both ships for a fight.
#include "combat/Encounter.h"

#include <algorithm>
#include <vector>

#include "combat/combat2.h"
#include "state/Sound.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kStarwolf = 1;
constexpr int kAnaconda = 23;
constexpr int kOrbitalTurrets = 27;
constexpr int kPirateBelow = 12;  // in 100, whatever else was drawn

using Bands = std::vector<Band>;

// Ship types by faction 1..5 and size class 1..5.
const Bands kShipTypes[5][5] = {
    {{{5, 1}, {10, 2}, {99, 3}},
     {{2, 4}, {5, 17}, {99, 5}},
     {{5, 7}, {10, 16}, {20, 26}, {99, 8}},
     {{40, 9}, {50, 19}, {55, 18}, {60, 24}, {80, 11}, {99, 10}},
     {{35, 12}, {90, 14}, {99, 15}}},
    {{{5, 1}, {30, 2}, {95, 25}, {99, 3}},
     {{50, 4}, {80, 17}, {95, 5}, {99, 13}},
     {{50, 7}, {70, 16}, {80, 26}, {99, 8}},
     {{30, 9}, {40, 19}, {60, 18}, {90, 11}, {99, 10}},
     {{45, 12}, {55, 14}, {70, 15}, {99, 23}}},
    {{{30, 1}, {90, 20}, {95, 2}, {99, 3}},
     {{30, 4}, {70, 17}, {99, 5}},
     {{10, 7}, {60, 16}, {99, 21}},
     {{20, 9}, {40, 19}, {80, 22}, {99, 18}},
     {{45, 12}, {55, 14}, {99, 15}}},
    {{{90, 1}, {99, 2}},
     {{5, 4}, {60, 17}, {95, 5}, {99, 13}},
     {{60, 7}, {90, 26}, {99, 16}},
     {{40, 24}, {45, 19}, {50, 18}, {80, 11}, {99, 10}},
     {{45, 12}, {55, 14}, {99, 15}}},
    {{{90, 1}, {95, 2}, {99, 3}},
     {{30, 4}, {70, 17}, {99, 5}},
     {{30, 7}, {70, 16}, {99, 8}},
     {{20, 9}, {80, 19}, {99, 18}},
     {{45, 12}, {55, 14}, {99, 15}}},
};

// The battle table's own size-5 rows; the Coalition's is the common one.
const Bands kBattleSize5[5] = {
    {{15, 12}, {40, 14}, {99, 27}}, {{10, 12}, {20, 15}, {50, 23}, {99, 27}},
    {{45, 12}, {65, 27}, {99, 15}}, {{45, 12}, {55, 14}, {99, 15}},
    {{45, 12}, {55, 14}, {99, 27}},
};

// Size classes of a random encounter by sector rating, for the location's owner and a visitor.
const Bands kOwnerSizes[6] = {
    {{60, 1}, {90, 2}, {99, 3}},
    {{60, 1}, {90, 2}, {99, 3}},
    {{40, 1}, {65, 2}, {85, 3}, {95, 4}, {99, 5}},
    {{10, 1}, {35, 2}, {55, 3}, {85, 4}, {99, 5}},
    {{5, 1}, {20, 2}, {40, 3}, {70, 4}, {99, 5}},
    {{1, 1}, {5, 2}, {40, 3}, {70, 4}, {99, 5}},
};
const Bands kVisitorSizesLow = {{40, 1}, {65, 2}, {85, 3}, {95, 4}, {99, 5}};
const Bands kVisitorSizesHigh = {{40, 1}, {60, 2}, {80, 3}, {95, 4}, {99, 5}};
const Bands kVisitorFactions = {{25, 1}, {50, 2}, {75, 3}, {99, 4}};
constexpr int kOwnerBelow[6] = {31, 31, 51, 66, 71, 91};

void ClearOtherSide() {
    GameState& g = G();
    auto clear = [](GameRecord& r) {
        std::fill(r.begin() + kFirstField, r.begin() + kLastField + 1, 0);
    };
    clear(g.Fleets[0]);
    for (int ship = 1; ship <= 4; ++ship) clear(g.Ships[0][ship]);
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) clear(g.Projectiles[t]);
    // The hold goes with the ship: an enemy left without an outfit (a faction outside 1..5)
    // must not carry the last enemy's cargo into its loot.
    std::fill(g.CapturedCargo.begin() + Good::First, g.CapturedCargo.begin() + Good::Last + 1, 0);
}

// The type drawn for the faction and size (one draw when both are valid), then the caller's.
int DrawType(int faction, int sizeClass, bool battle) {
    if (faction < 1 || faction > 5 || sizeClass < 1 || sizeClass > 5) return 0;
    return EncounterShipType(faction, sizeClass, Random(100), battle);
}

// Both ships made ready for a fresh fight. `battle` is a direct battle, in which a shielded
// player's ship regains only a third of its maximum hull.
void PrepareShips(bool battle) {
    GameState& g = G();
    GameRecord& enemy = EncounterEnemy();
    enemy[Ship::CombatPositionFirst] = 9;
    enemy[Ship::CombatPositionSecond] = 1;
    enemy[Ship::ActionPointsLeft] = enemy[Ship::ActionPointsPerTurn];
    enemy[Ship::CombatRange] = 3;
    enemy[Ship::MinesDeployed] = 0;
    enemy[Ship::SuperminesDeployed] = 0;
    RecalcShipStats(0, 1, 0, 0);
    for (int fleet = 0; fleet <= 5; ++fleet)
        for (int ship = 1; ship <= 4; ++ship)
            for (int slot = Slot::First; slot <= Slot::Last; ++slot)
                g.ShipEquipment[fleet][ship][slot][Slot::Loaded] = 1;
    // Always ship 1: the combat ship of the last fight may be any index, or none before the
    // first, and a wish written elsewhere would leave the range to fall to nothing.
    GameRecord& own = FirstOwnShip();
    own[Ship::CombatPositionFirst] = 1;
    own[Ship::CombatPositionSecond] = 5;
    own[Ship::ActionPointsLeft] = own[Ship::ActionPointsPerTurn];
    own[Ship::MinesDeployed] = 0;
    own[Ship::SuperminesDeployed] = 0;
    own[Ship::Speed] = own[Ship::SpeedClass];
    own[Ship::CombatRange] = own[Ship::PreferredRange];
    RecalcShipStats(g.CurrentFleet, g.CurrentShip, 0, battle ? 1 : 0);
    g.CombatRange = 3;
    g.CombatShip = 1;
    g.EnemyCombatShip = 1;
}

}  // namespace

int EncounterShipType(int faction, int sizeClass, int t, bool battle) {
    if (faction < 1 || faction > 5 || sizeClass < 1 || sizeClass > 5) return 0;
    if (battle && sizeClass == 5) return FromBands(kBattleSize5[faction - 1], t);
    return FromBands(kShipTypes[faction - 1][sizeClass - 1], t);
}

EncounterSide RandomEncounterSide(int rating, int owner, int a, int b, int c) {
    if (rating < 0 || rating > 5) return {};
    if (a < kOwnerBelow[rating]) return {owner, FromBands(kOwnerSizes[rating], b)};
    return {FromBands(kVisitorFactions, c),
            FromBands(rating <= 2 ? kVisitorSizesLow : kVisitorSizesHigh, b)};
}

void StartRandomEncounter() {
    ClearOtherSide();
    EncounterSide side;
    const int s = FleetSystem(), l = FleetLocation();
    const int rating =
        ValidSystem(s) && ValidLocation(l) ? StarSystemRecord(s)[StarSystem::SectorRating] : -1;
    if (rating >= 0 && rating <= 5) {
        const int a = Random(100), b = Random(100), c = Random(100);
        side = RandomEncounterSide(rating, LocationRecord(s, l)[Planet::Owner], a, b, c);
    }
    int faction = side.faction;
    const int sizeClass = side.sizeClass;
    if (Random(100) < kPirateBelow) faction = FactionId::Pirates;
    const int type = DrawType(faction, sizeClass, false);
    // A meeting that builds no ship ends here, as silently as one the skip rule ends.
    if (type == 0) return;
    SetupShipOfType(type, 1);
    OutfitShipForFaction(faction);
    PrepareShips(false);
    // A far larger ship is not bothered: no screen, no sound.
    if (FirstOwnShip()[Ship::SizeClass] > EncounterEnemy()[Ship::SizeClass] + 2) return;
    GameUpcalls().ShowEncounterScreen();
}

void StartMissionEncounter(int sizeClass, int faction, int shipType) {
    ClearOtherSide();
    int type = DrawType(faction, sizeClass, false);
    if (shipType > 0) type = shipType;
    SetupShipOfType(kStarwolf, 1);
    SetupShipOfType(type, 1);
    if (faction >= FactionId::Federation && faction <= FactionId::Coalition)
        OutfitShipForFaction(faction);
    PrepareShips(false);
    SetupCombatScreen();
    GameUpcalls().ShowMissionEncounterScreen();
}

void StartShipBattle(int sizeClass, int faction, int shipType) {
    ClearOtherSide();
    int type = DrawType(faction, sizeClass, true);
    if (shipType == -1 && type == kOrbitalTurrets) type = kAnaconda;
    if (shipType > 0) type = shipType;
    SetupShipOfType(kStarwolf, 1);
    SetupShipOfType(type, 1);
    OutfitShipForFaction(faction);
    PrepareShips(true);
    StartCombat();
    SetupCombatScreen();
    GameUpcalls().ShowCombatScreen();
}

}  // namespace corvanth
