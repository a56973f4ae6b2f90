// The enemy ship's build: a ship class copied into the other side, and the faction's outfit.
#include <iterator>
#include <vector>

#include "combat/Encounter.h"
#include "state/Module1.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kKeep = 0;  // a band's value that leaves the item
constexpr int kCargoBay = 8;

using Bands = std::vector<Band>;

// A redraw that keeps the outfit weak: with the luck switch or in the early game (Weak), or on
// a ship whose class flag marks a small hold (Cargo).
enum class Redraw { None, Weak, Cargo };
struct Column {
    Bands bands;
    Redraw redraw = Redraw::None;
    int below = 100;  // the redraw's Random(below)
};

// One pass over slots 1..20 replacing `id`, by the outfitting faction's column.
struct Pass {
    int id;
    Column federation, others, pirates;
    bool notRetreatClass1 = false;  // ships whose retreat range is 1 keep the item
};

const Bands kMissiles = {{20, 41}, {40, 27}, {80, 28}, {99, 29}};
const Bands kTorpedoes = {{30, 42}, {99, 31}};
const Bands kLaser = {{30, kKeep}, {99, 2}};
const Bands kEngines = {{10, kKeep}, {40, 14}, {80, 15}, {99, 16}};
const Bands kTurrets = {{30, kKeep}, {99, 24}};
const Bands kDualEngines = {{10, kKeep}, {40, 33}, {80, 34}, {99, 35}};
const Bands kQuadEngines = {{10, 36}, {40, 37}, {80, 38}, {99, 39}};

Column Weak(Bands b, int below) {
    return {b, Redraw::Weak, below};
}
Column Plain(Bands b) {
    return {b};
}
Column Hold(Bands b) {
    return {b, Redraw::Cargo, 40};
}
Pass HoldPass(int id, Bands b, bool notRetreatClass1 = false) {
    return {id, Hold(b), Hold(b), Hold(b), notRetreatClass1};
}
// Jump engines and shields: the Federation's own bands, the others' bands for everyone else.
Pass UpgradePass(int id, Bands federation, Bands others) {
    return {id, Weak(federation, 30), Plain(others), Weak(others, 30)};
}

// The outfit's passes, in order; a later pass sees what the earlier ones made.
const Pass kPasses[] = {
    {3, Weak(kMissiles, 40), Plain(kMissiles), Weak(kMissiles, 30)},
    {30, Weak(kTorpedoes, 40), Plain(kTorpedoes), Weak(kTorpedoes, 30)},
    HoldPass(8, {{30, kKeep}, {80, 20}, {99, 21}}),
    HoldPass(11, {{30, kKeep}, {99, 110}}, true),
    HoldPass(8, {{30, kKeep}, {99, 111}}, true),
    HoldPass(11, {{30, kKeep}, {99, 112}}),
    HoldPass(8, {{30, kKeep}, {99, 113}}),
    {1, Weak(kLaser, 30), Plain(kLaser), Weak(kLaser, 30)},
    {4, Weak({{20, kKeep}, {70, 5}, {99, 92}}, 30), Weak({{20, kKeep}, {94, 5}, {99, 92}}, 30),
     Weak({{20, kKeep}, {94, 5}, {99, 92}}, 30)},
    {13, Weak(kEngines, 30), Plain(kEngines), Weak(kEngines, 30)},
    {23, Weak(kTurrets, 30), Plain(kTurrets), Weak(kTurrets, 30)},
    {32, Weak(kDualEngines, 30), Plain(kDualEngines), Weak(kDualEngines, 30)},
    {32, Weak(kDualEngines, 30), Plain(kDualEngines), Weak(kDualEngines, 30)},
    {32, Weak(kQuadEngines, 30), Plain(kQuadEngines), Weak(kQuadEngines, 30)},
    UpgradePass(17, {{20, kKeep}, {99, 18}}, {{60, kKeep}, {70, 18}, {99, 58}}),
    UpgradePass(59, {{20, kKeep}, {99, 60}}, {{60, kKeep}, {70, 60}, {99, 61}}),
    UpgradePass(62, {{20, kKeep}, {99, 63}}, {{60, kKeep}, {70, 63}, {99, 64}}),
    UpgradePass(82, {{20, kKeep}, {70, 83}, {99, 84}}, {{60, kKeep}, {90, 83}, {99, 84}}),
    UpgradePass(85, {{20, kKeep}, {70, 86}, {99, 87}}, {{60, kKeep}, {90, 86}, {99, 87}}),
    UpgradePass(88, {{20, kKeep}, {70, 89}, {99, 90}}, {{60, kKeep}, {90, 89}, {99, 90}}),
};

bool WeakenedOutfit() {
    const GameState& g = G();
    const int luck = Captain()[Player::CheatCombatLuck];
    return luck == 1 || (g.TurnNumber < g.EarlyGameTurns && luck == 0);
}

int Draw(const Column& column) {
    int d = Random(100);
    if (column.redraw == Redraw::Weak && WeakenedOutfit()) d = Random(column.below);
    if (column.redraw == Redraw::Cargo && EncounterEnemy()[Ship::Freighter] == 1)
        d = Random(column.below);
    return d;
}

const Column& ColumnOf(const Pass& pass, int faction) {
    return faction == FactionId::Federation ? pass.federation
           : faction == FactionId::Pirates  ? pass.pirates
                                            : pass.others;
}

void RunPass(const Pass& pass, int faction) {
    const Column& column = ColumnOf(pass, faction);
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        if (EncounterEnemySlot(slot)[Slot::EquipmentId] != pass.id) continue;
        const int id = FromBands(column.bands, Draw(column));
        if (pass.notRetreatClass1 && EncounterEnemy()[Ship::RetreatRange] == 1) continue;
        if (id != kKeep) EncounterEnemySlot(slot)[Slot::EquipmentId] = id;
    }
}

// Pirates turn one cargo bay into a boarding shuttle and may enlarge the others.
void PirateHolds() {
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        if (EncounterEnemySlot(slot)[Slot::EquipmentId] != kCargoBay) continue;
        EncounterEnemySlot(slot)[Slot::EquipmentId] = Random(100) <= 29 ? 20 : 21;
        break;
    }
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        if (EncounterEnemySlot(slot)[Slot::EquipmentId] != kCargoBay) continue;
        static const Bands kLargerHolds = {{60, kKeep}, {90, 45}, {99, 46}};
        const int id = FromBands(kLargerHolds, Random(100));
        if (id != kKeep) EncounterEnemySlot(slot)[Slot::EquipmentId] = id;
    }
}

void HireCrew(int faction) {
    GameRecord& ship = EncounterEnemy();
    if (faction == FactionId::Pirates) {
        ship[Ship::CrewScoundrels] = ship[Ship::CrewMax];
        return;
    }
    const int count = Random(ship[Ship::CrewMax] - ship[Ship::CrewMin]) + ship[Ship::CrewMin];
    for (int i = 0; i < count; ++i) {
        const int d = Random(100);
        const int kind = d <= 20   ? Ship::CrewOfficers
                         : d <= 40 ? Ship::CrewDroids
                         : d <= 80 ? Ship::CrewMercenaries
                                   : Ship::CrewAdventurers;
        ++ship[kind];
    }
}

// One lot of cargo: legal goods in the ship's own space, or the pirates' goods 16..20.
void LoadCargo(int faction) {
    GameState& g = G();
    const int c = EncounterEnemy()[Ship::CargoCapacity];
    if (c < 1) return;
    const int amount = std::min(Random(c / 2) + c / 2, c);
    if (faction == FactionId::Pirates) {
        g.CapturedCargo[Random(5) + 16] += amount;
        return;
    }
    const int f = std::max(1, EncounterEnemy()[Ship::Faction]);
    bool anyLegal = false;
    for (int good = Good::First; good <= Good::Last; ++good)
        anyLegal = anyLegal || g.Goods[good][Good::LegalityBase + f] == 0;
    // Without a single legal good the search would never end; such a ship carries nothing.
    if (!anyLegal) return;
    int good = Random(20) + 1;
    while (g.Goods[good][Good::LegalityBase + f] != 0) good = Random(20) + 1;
    g.CapturedCargo[good] += amount;
}

void Outfit(int faction) {
    GameState& g = G();
    std::fill(g.CapturedCargo.begin() + Good::First, g.CapturedCargo.begin() + Good::Last + 1, 0);
    GameRecord& ship = EncounterEnemy();
    ship[Ship::Faction] = faction;
    ship[Ship::FactionlessBehaviour] = 0;
    ship[Ship::Behaviour] = 1;
    HireCrew(faction);
    for (const Pass& pass : kPasses) RunPass(pass, faction);
    if (faction == FactionId::Pirates) PirateHolds();
    RecalcShipStats(0, 1, 0, 0);
    LoadCargo(faction);
}

}  // namespace

OutfitPassCell OutfitPass(int pass, int faction, int d) {
    if (pass < 1 || pass > static_cast<int>(std::size(kPasses))) return {};
    const Pass& p = kPasses[pass - 1];
    const Column& column = ColumnOf(p, faction);
    const int item = FromBands(column.bands, d);
    return {p.id, item == kKeep ? p.id : item, column.redraw == Redraw::Weak ? column.below : 0,
            column.redraw == Redraw::Cargo ? column.below : 0, p.notRetreatClass1};
}

void SetupShipOfType(int type, int slot) {
    if (type < 1 || type > 27 || slot < 1 || slot >= ShipBound) return;
    GameState& g = G();
    LoadShipType(type);
    constexpr int t = kTemplateShip;
    g.ShipClassNames[0][slot] = g.ShipClassNames[kTemplateFleet][t];
    GameRecord& ship = ShipRecord(0, slot);
    for (int f = kFirstField; f <= kLastField; ++f) ship[f] = ShipClassTemplate()[f];
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        GameRecord& to = SlotRecord(0, slot, s);
        const GameRecord& from = SlotRecord(kTemplateFleet, t, s);
        for (int f = kFirstField; f <= kLastField; ++f) to[f] = from[f];
    }
    g.ShipDescriptions[0][slot] = g.ShipDescriptions[kTemplateFleet][t];
}

void SetupShipStarwolf(int slot) {
    SetupShipOfType(1, slot);
}
void SetupShipStargun(int slot) {
    SetupShipOfType(2, slot);
}
void SetupShipAvenger(int slot) {
    SetupShipOfType(3, slot);
}
void SetupShipShadowcat(int slot) {
    SetupShipOfType(4, slot);
}
void SetupShipFerendar(int slot) {
    SetupShipOfType(5, slot);
}
void SetupShipBuccaneer(int slot) {
    SetupShipOfType(6, slot);
}
void SetupShipFang(int slot) {
    SetupShipOfType(7, slot);
}
void SetupShipArdent(int slot) {
    SetupShipOfType(8, slot);
}
void SetupShipNeptun(int slot) {
    SetupShipOfType(9, slot);
}
void SetupShipBehemoth(int slot) {
    SetupShipOfType(10, slot);
}
void SetupShipTitanic(int slot) {
    SetupShipOfType(11, slot);
}
void SetupShipMarauder(int slot) {
    SetupShipOfType(12, slot);
}
void SetupShipPaladin(int slot) {
    SetupShipOfType(13, slot);
}
void SetupShipBlackjack(int slot) {
    SetupShipOfType(14, slot);
}
void SetupShipGladiator(int slot) {
    SetupShipOfType(15, slot);
}
void SetupShipShark(int slot) {
    SetupShipOfType(16, slot);
}
void SetupShipHornet(int slot) {
    SetupShipOfType(17, slot);
}
void SetupShipCorsair(int slot) {
    SetupShipOfType(18, slot);
}
void SetupShipWolverine(int slot) {
    SetupShipOfType(19, slot);
}
void SetupShipHellcat(int slot) {
    SetupShipOfType(20, slot);
}
void SetupShipType21(int slot) {
    SetupShipOfType(21, slot);
}
void SetupShipFirestarter(int slot) {
    SetupShipOfType(22, slot);
}
void SetupShipAnaconda(int slot) {
    SetupShipOfType(23, slot);
}
void SetupShipQuasimodo(int slot) {
    SetupShipOfType(24, slot);
}
void SetupShipStormcrow(int slot) {
    SetupShipOfType(25, slot);
}
void SetupShipCarriage(int slot) {
    SetupShipOfType(26, slot);
}
void SetupShipOrbitalTurrets(int slot) {
    SetupShipOfType(27, slot);
}

void OutfitFederationShip() {
    Outfit(FactionId::Federation);
}
void OutfitOuterRimShip() {
    Outfit(FactionId::OuterRimAlliance);
}
void OutfitSyndicateShip() {
    Outfit(FactionId::Syndicate);
}
void OutfitCoalitionShip() {
    Outfit(FactionId::Coalition);
}
void OutfitPirateShip() {
    Outfit(FactionId::Pirates);
}

void OutfitShipForFaction(int faction) {
    if (faction >= FactionId::Federation && faction <= FactionId::Pirates) Outfit(faction);
}

}  // namespace corvanth
