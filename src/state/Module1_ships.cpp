// The 27 ship classes: hull values, standard equipment and the loaders that fill the template.
#include <algorithm>
#include <array>
#include <cstdint>

#include "state/Module1.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {
namespace {

constexpr int kShipClassCount = 27;
constexpr int kEquipmentSlots = Slot::Last;

// Item ids of the two racks, installed with two rounds of ammunition.
constexpr int kEmptyMissileRack = 3;
constexpr int kEmptyTorpedoRack = 30;
constexpr int kRackRounds = 2;

struct ShipClassValues {
    int32_t baseStrength;           // Ship::BaseStrength
    int32_t actionPoints;           // Ship::ActionPointsPerTurn
    int32_t speed;                  // Ship::Speed and Ship::SpeedClass
    int32_t moveCost;               // Ship::MoveCost
    int32_t crewMin;                // Ship::CrewMin
    int32_t crewMax;                // Ship::CrewMax
    int32_t sizeClass;              // Ship::SizeClass
    int32_t retreatRange;           // Ship::RetreatRange
    int32_t preferredRange;         // Ship::PreferredRange
    int32_t hullPrice;              // Ship::HullPrice, the start of Ship::TotalPrice
    std::array<int32_t, 4> soldBy;  // Ship::SoldByFactionBase + faction 1..4
    int32_t sectorLevel;            // Ship::RequiredSectorLevel
    int32_t rank;                   // Ship::RequiredRank
    int32_t value18;                // Ship::ClassMark
    int32_t crewTotal;              // Ship::CrewTotal
    int32_t flag72;                 // Ship::Freighter
    int32_t orbital;                // Ship::OrbitalTurrets
};

struct ShipClassTexts {
    const char* name;
    const char* description;
};

// clang-format off
// Columns are the template fields they fill; the move cost is written as catalogued, so the
// immobile orbital turrets never divide by their speed of 0.
//  [4]  [15] [16] [14] [22] [23] [24] [30] [36]  [37]/[71]     [60..63]      [73] [79] [18] [21] [72] [82]
constexpr std::array<ShipClassValues, kShipClassCount> kShipClassValues = {{
    {  6,  10,   4,   2,   0,   0,   1,   3,   3,     20000, {1, 1, 1, 1},   1,   1,   2,   0,   0,   0},  //  1 Starwolf
    {  8,  10,   4,   2,   0,   0,   1,   2,   2,     35000, {0, 1, 1, 0},   1,   1,   0,   0,   0,   0},  //  2 Stargun
    { 12,  10,   4,   2,   0,   0,   1,   2,   2,     65000, {1, 0, 0, 0},   3,   1,   0,   0,   0,   0},  //  3 Avenger
    { 16,  10,   4,   2,   1,   4,   2,   1,   3,    100000, {0, 1, 1, 0},   2,   2,   0,   0,   1,   0},  //  4 Shadowcat
    { 20,  12,   2,   6,   4,  12,   2,   3,   3,    250000, {1, 1, 1, 1},   2,   2,   0,  10,   1,   0},  //  5 Ferendar
    { 20,  12,   2,   6,   4,  12,   2,   1,   3,    300000, {0, 0, 1, 0},   2,   2,   0,  10,   0,   0},  //  6 Buccaneer
    { 50,  12,   3,   4,  10,  22,   3,   1,   3,    700000, {1, 1, 1, 1},   3,   3,   0,   0,   0,   0},  //  7 Fang
    { 40,  12,   2,   6,  18,  32,   3,   2,   2,   1000000, {1, 1, 0, 0},   3,   3,   0,   0,   0,   0},  //  8 Ardent
    { 80,  12,   2,   6,  30,  50,   4,   3,   3,   6000000, {1, 1, 1, 1},   4,   4,   0,   0,   0,   0},  //  9 Neptun
    {100,  14,   1,  14,  40,  60,   4,   1,   3,  10000000, {1, 0, 0, 0},   4,   5,   0,   0,   0,   0},  // 10 Behemoth
    {120,  14,   1,  14,  35,  80,   5,   3,   3,  28000000, {0, 0, 0, 1},   5,   6,   0,   0,   1,   0},  // 11 Titanic
    {160,  24,   1,  24,  80, 140,   5,   2,   2,  30000000, {1, 1, 1, 1},   4,   6,   0,   0,   0,   0},  // 12 Marauder
    { 20,  12,   4,   3,   3,   8,   2,   2,   3,    200000, {1, 0, 0, 0},   2,   2,   0,   0,   0,   0},  // 13 Paladin
    {200,  26,   1,  26,  80, 140,   5,   1,   3,  45000000, {0, 1, 0, 0},   5,   6,   0,   0,   0,   0},  // 14 Blackjack
    {120,  26,   1,  26, 100, 160,   5,   1,   3,  60000000, {0, 1, 1, 1},   5,   6,   0,   0,   0,   0},  // 15 Gladiator
    { 40,  12,   2,   6,  18,  32,   3,   3,   3,    700000, {0, 0, 1, 0},   3,   3,   0,   0,   0,   0},  // 16 Shark
    { 20,  12,   4,   3,   3,   8,   2,   3,   3,    150000, {0, 1, 1, 1},   2,   2,   0,   0,   0,   0},  // 17 Hornet
    { 80,  12,   2,   6,  25,  45,   4,   3,   3,   5000000, {0, 0, 1, 0},   4,   4,   0,   0,   0,   0},  // 18 Corsair
    { 65,  16,   2,   8,  30,  50,   4,   2,   2,   6500000, {0, 1, 1, 0},   4,   4,   0,   0,   0,   0},  // 19 Wolverine
    { 10,  10,   4,   2,   0,   0,   1,   3,   3,     55000, {0, 0, 1, 0},   3,   1,   0,   0,   0,   0},  // 20 Hellcat
    { 30,  12,   3,   4,  22,  40,   2,   3,   3,    850000, {0, 0, 1, 0},   3,   3,   0,   0,   0,   0},  // 21 Werewolf
    {160,  20,   1,  20,  80, 140,   5,   2,   3,  40000000, {0, 0, 1, 0},   5,   6,   0,   0,   0,   0},  // 22 Firestarter
    {220,  20,   1,  20,  70, 120,   5,   3,   3,  65000000, {0, 1, 1, 1},   5,   6,   0,   0,   0,   0},  // 23 Anaconda
    { 40,  12,   2,   6,  25,  45,   4,   3,   3,   5000000, {0, 0, 1, 0},   4,   4,   0,   0,   0,   0},  // 24 Quasimodo
    {  6,  10,   4,   2,   0,   0,   1,   3,   3,     70000, {0, 1, 0, 0},   3,   1,   0,   0,   0,   0},  // 25 Stormcrow
    { 30,  12,   3,   4,  10,  22,   3,   3,   3,    700000, {0, 0, 0, 1},   3,   3,   0,   0,   0,   0},  // 26 Carriage
    {300, 100,   0,  20, 200, 400,   5,   3,   3,  20000000, {1, 1, 1, 1},   5,   6,   0,   0,   0,   1},  // 27 Orbital turrets
}};

// Standard equipment by slot from slot 1 up; 0 ends the list.
constexpr std::array<std::array<uint8_t, kEquipmentSlots>, kShipClassCount> kStandardEquipment = {{
    {1, 3, 4, 11, 11, 50, 82, 13},                                         //  1 Starwolf
    {6, 4, 11, 50, 82, 13},                                                //  2 Stargun
    {6, 3, 4, 11, 50, 82, 13},                                             //  3 Avenger
    {19, 1, 3, 4, 8, 8, 11, 50, 85, 32, 59},                               //  4 Shadowcat
    {1, 19, 4, 93, 8, 8, 8, 54, 85, 32, 59},                               //  5 Ferendar
    {6, 6, 93, 20, 8, 54, 85, 32, 59},                                     //  6 Buccaneer
    {23, 19, 3, 93, 8, 8, 54, 85, 32, 59},                                 //  7 Fang
    {25, 30, 30, 93, 8, 8, 53, 85, 32, 59},                                //  8 Ardent
    {23, 23, 23, 30, 93, 93, 8, 8, 57, 88, 36, 62},                        //  9 Neptun
    {78, 23, 30, 93, 8, 8, 55, 88, 36, 62},                                // 10 Behemoth
    {23, 23, 93, 93, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 57, 88, 36, 62},        // 11 Titanic
    {25, 25, 25, 30, 30, 93, 8, 8, 8, 56, 88, 36, 62},                     // 12 Marauder
    {6, 1, 4, 93, 8, 11, 53, 85, 32, 59},                                  // 13 Paladin
    {78, 25, 25, 23, 23, 30, 30, 93, 93, 8, 8, 8, 8, 56, 88, 36, 62},      // 14 Blackjack
    {78, 78, 23, 23, 23, 30, 30, 30, 93, 8, 8, 8, 56, 88, 36, 62},         // 15 Gladiator
    {23, 23, 93, 20, 8, 54, 85, 32, 59},                                   // 16 Shark
    {1, 1, 1, 4, 8, 53, 85, 32, 59},                                       // 17 Hornet
    {23, 23, 30, 93, 93, 8, 8, 8, 8, 57, 88, 36, 62},                      // 18 Corsair
    {25, 25, 30, 93, 8, 8, 57, 88, 36, 62},                                // 19 Wolverine
    {1, 1, 3, 4, 50, 82, 13},                                              // 20 Hellcat
    {101, 93, 8, 8, 8, 54, 85, 32, 59},                                    // 21 Werewolf
    {104, 104, 107, 107, 93, 8, 8, 8, 56, 88, 36, 62},                     // 22 Firestarter
    {104, 104, 104, 30, 30, 30, 93, 8, 8, 8, 56, 88, 36, 62},              // 23 Anaconda
    {101, 93, 93, 8, 8, 8, 8, 8, 8, 57, 88, 36, 62},                       // 24 Quasimodo
    {98, 98, 3, 4, 11, 50, 82, 13},                                        // 25 Stormcrow
    {23, 93, 8, 8, 8, 8, 54, 85, 32, 59},                                  // 26 Carriage
    {104, 104, 78, 78, 23, 23, 30, 30, 30, 93, 56, 88},                    // 27 Orbital turrets
}};
// clang-format on

constexpr std::array<ShipClassTexts, kShipClassCount> kShipClassTexts = {{
    {"Starwolf",
     "The Starwolf class is the standard class spaceship of all freelance traders, pirates and "
     "smugglers. The Starwolf class is very cheap, but still has a large cargo bay."},
    {"Stargun",
     "The Stargun spacefighter is a modified version of the old Starwolf fighter. Instead of the "
     "missile launcher and laser gun it has a phaser cannon."},
    {"Avenger",
     "The Avenger has one phaser cannon and one missile launcher making it an aggressive attack "
     "fighter. However if you survive its missile, its just slightly better than the Stargun."},
    {"Shadowcat",
     "The Shadowcat class is a small corvette - a combination of a small trader ship and a "
     "fighter. Its the smallest ship known that has jump engines and although - if necessary - "
     "you can fly it with a copilot alone, it can hold a crew of up to 4 people."},
    {"Ferendar",
     "The Ferendar class is a medium and cheap freighter. Its shields are weak and its guns are "
     "few, but the large cargo bay makes it the workhorse of small traders who know when to run."},
    {"Buccaneer",
     "The Buccaneer ship class is a based on Ferendar ship class, but provides more firepower at "
     "the cost of ECM systems."},
    {"Fang",
     "The \"Fang\" is a light destroyer mostly used for fast spearhead attacks. Its the cheapest "
     "capital combat ship out there. Although not that well armed, it has a really good shield."},
    {"Ardent", "The \"Ardent\" class has served the Federation honorably for a long time."},
    {"Neptun",
     "The \"Neptun\" class is a large battlecruiser with impressive firepower and speed. There "
     "have been complaints about the low shields though."},
    {"Behemoth",
     "The \"Behemoth\" class is actually a ship build around a terrifying battery of the new "
     "Tachyon turrets."},
    {"Titanic",
     "The \"Titanic\" class is the largest freighter ever build. There are rumors that some "
     "pirates have rebuild this ship to a large boarding vehicle."},
    {"Marauder",
     "Strong and trustworthy this known battleship has served in many battles and is a favorite "
     "flagship among many Admirals."},
    {"Paladin",
     "Ready for the looming civil war Sirius Industries was able to release the first Paladins. "
     "A formidable heavy corvette, especially at medium range."},
    {"Blackjack",
     "For a long time a well hidden \"top secret\" project of the Federation, this ship has seen "
     "quiet some action since the civil war began."},
    {"Gladiator",
     "Armed with two Tachyon and three Laser batteries the Gladiator has been created to stand "
     "its own against any foe."},
    {"Shark",
     "The preferred choice of Syndicate destroyer captains. It relies only on energy weapons and "
     "its boarding capabilities."},
    {"Hornet", "Although quiet old the Hornet class has been successfully modernized."},
    {"Corsair",
     "The \"Corsair\" class is an armed combat transporter for high risk operations like "
     "blockade-running or smuggling."},
    {"Wolverine",
     "The Wolverine moves, strikes and wins. This ship is the pride of the Syndicate."},
    {"Hellcat",
     "Flown by the villanious HellGuards the Hellcats are awesome fighters build to crush any foe "
     "in the shortest amount of time possible."},
    {"Werewolf",
     "Like the Shadowcat this ship can be used for secret cargo runs or combat - your choice."},
    {"Firestarter",
     "The Firestarter has been the attempt to create a versatile energy-based weapon system for "
     "both long and medium ranged combat."},
    {"Anaconda", "The Anaconda class is the well armed answer to the federated Blackjack class."},
    {"Quasimodo",
     "The Quasimodo is a sturdy transporter produced for shipments on safe trading lines."},
    {"Stormcrow",
     "After the Avenger appeared on the battlefields the Outerrim struggled to get out their new "
     "experimental Stormcrow fighter."},
    {"Carriage",
     "The Carriage class has been build for just one reason: To get goods from A to B."},
    {"Orbital turrets", "These large self-propelled batteries are a terrible threat."},
}};

// Fields 1..100 of the template and of its slots 1..20; field 0, slot 0 and slot 21 stay.
void ClearTemplate() {
    GameState& g = G();
    for (int f = kFirstField; f <= kLastField; ++f) g.Ships[kTemplateFleet][kTemplateShip][f] = 0;
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        for (int f = kFirstField; f <= kLastField; ++f)
            g.ShipEquipment[kTemplateFleet][kTemplateShip][s][f] = 0;
    }
}

void LoadShipClass(int type) {
    GameState& g = G();
    const ShipClassValues& c = kShipClassValues[type - 1];
    const ShipClassTexts& t = kShipClassTexts[type - 1];

    g.ShipClassNames[kTemplateFleet][kTemplateShip] = " ";
    ClearTemplate();
    g.ShipClassNames[kTemplateFleet][kTemplateShip] = t.name;
    g.ShipDescriptions[kTemplateFleet][kTemplateShip] = t.description;

    GameRecord& ship = g.Ships[kTemplateFleet][kTemplateShip];
    ship[Ship::Present] = 1;
    ship[Ship::Class] = type;
    ship[Ship::BaseStrength] = c.baseStrength;
    ship[Ship::Strength] = c.baseStrength;
    ship[Ship::ActionPointsPerTurn] = c.actionPoints;
    ship[Ship::Speed] = c.speed;
    ship[Ship::SpeedClass] = c.speed;
    ship[Ship::ClassMark] = c.value18;
    ship[Ship::CrewTotal] = c.crewTotal;
    ship[Ship::Freighter] = c.flag72;
    ship[Ship::OrbitalTurrets] = c.orbital;
    ship[Ship::CrewMin] = c.crewMin;
    ship[Ship::CrewMax] = c.crewMax;
    ship[Ship::SizeClass] = c.sizeClass;
    ship[Ship::RetreatRange] = c.retreatRange;
    ship[Ship::PreferredRange] = c.preferredRange;
    ship[Ship::TotalPrice] = c.hullPrice;
    ship[Ship::MoveCost] = c.moveCost;
    for (int f = 1; f <= 4; ++f) ship[Ship::SoldByFactionBase + f] = c.soldBy[f - 1];
    ship[Ship::RequiredSectorLevel] = c.sectorLevel;
    ship[Ship::RequiredRank] = c.rank;

    const auto& items = kStandardEquipment[type - 1];
    for (int s = Slot::First; s <= Slot::Last && items[s - 1] != 0; ++s) {
        GameRecord& slot = g.ShipEquipment[kTemplateFleet][kTemplateShip][s];
        slot[Slot::Used] = 1;
        slot[Slot::EquipmentId] = items[s - 1];
        if (items[s - 1] == kEmptyMissileRack || items[s - 1] == kEmptyTorpedoRack) {
            slot[Slot::RackCapacity] = kRackRounds;
            slot[Slot::Ammunition] = kRackRounds;
        }
    }

    ship[Ship::HullPrice] = ship[Ship::TotalPrice];
    // Summed in 64 bits: the catalogue's prices come from the saved game.
    int64_t total = ship[Ship::TotalPrice];
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = g.ShipEquipment[kTemplateFleet][kTemplateShip][s];
        int id = slot[Slot::EquipmentId];
        if (slot[Slot::Used] > 0) total += EquipmentType(id)[Equipment::Price];
    }
    ship[Ship::TotalPrice] = SaturateInt32(total);

    RecalcShipStats(kTemplateFleet, kTemplateShip, 0, 0);
}

}  // namespace

void LoadShipClassStarwolf() {
    LoadShipClass(1);
}
void LoadShipClassStargun() {
    LoadShipClass(2);
}
void LoadShipClassAvenger() {
    LoadShipClass(3);
}
void LoadShipClassShadowcat() {
    LoadShipClass(4);
}
void LoadShipClassFerendar() {
    LoadShipClass(5);
}
void LoadShipClassBuccaneer() {
    LoadShipClass(6);
}
void LoadShipClassFang() {
    LoadShipClass(7);
}
void LoadShipClassArdent() {
    LoadShipClass(8);
}
void LoadShipClassNeptun() {
    LoadShipClass(9);
}
void LoadShipClassBehemoth() {
    LoadShipClass(10);
}
void LoadShipClassTitanic() {
    LoadShipClass(11);
}
void LoadShipClassMarauder() {
    LoadShipClass(12);
}
void LoadShipClassPaladin() {
    LoadShipClass(13);
}
void LoadShipClassBlackjack() {
    LoadShipClass(14);
}
void LoadShipClassGladiator() {
    LoadShipClass(15);
}
void LoadShipClassShark() {
    LoadShipClass(16);
}
void LoadShipClassHornet() {
    LoadShipClass(17);
}
void LoadShipClassCorsair() {
    LoadShipClass(18);
}
void LoadShipClassWolverine() {
    LoadShipClass(19);
}
void LoadShipClassHellcat() {
    LoadShipClass(20);
}
void LoadShipClassWerewolf() {
    LoadShipClass(21);
}
void LoadShipClassFirestarter() {
    LoadShipClass(22);
}
void LoadShipClassAnaconda() {
    LoadShipClass(23);
}
void LoadShipClassQuasimodo() {
    LoadShipClass(24);
}
void LoadShipClassStormcrow() {
    LoadShipClass(25);
}
void LoadShipClassCarriage() {
    LoadShipClass(26);
}
void LoadShipClassOrbitalTurrets() {
    LoadShipClass(27);
}

void LoadShipType(int shipType) {
    using Loader = void (*)();
    static constexpr std::array<Loader, kShipClassCount> kLoaders = {
        LoadShipClassStarwolf,    LoadShipClassStargun,   LoadShipClassAvenger,
        LoadShipClassShadowcat,   LoadShipClassFerendar,  LoadShipClassBuccaneer,
        LoadShipClassFang,        LoadShipClassArdent,    LoadShipClassNeptun,
        LoadShipClassBehemoth,    LoadShipClassTitanic,   LoadShipClassMarauder,
        LoadShipClassPaladin,     LoadShipClassBlackjack, LoadShipClassGladiator,
        LoadShipClassShark,       LoadShipClassHornet,    LoadShipClassCorsair,
        LoadShipClassWolverine,   LoadShipClassHellcat,   LoadShipClassWerewolf,
        LoadShipClassFirestarter, LoadShipClassAnaconda,  LoadShipClassQuasimodo,
        LoadShipClassStormcrow,   LoadShipClassCarriage,  LoadShipClassOrbitalTurrets,
    };
    // An unknown type leaves an empty template (the two texts keep what they held), so no
    // caller ever copies the equipment of an earlier class.
    ClearTemplate();
    if (shipType >= 1 && shipType <= kShipClassCount) kLoaders[shipType - 1]();
}

int ShipClassSpeed(int shipType) {
    if (shipType < 1 || shipType > kShipClassCount) return 0;
    return kShipClassValues[shipType - 1].speed;
}

ShipCombatBounds ShipClassCombatBounds(int shipType) {
    static constexpr ShipCombatBounds kMobile = [] {
        ShipCombatBounds b{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
        for (const ShipClassValues& c : kShipClassValues) {
            b.lowestMoveCost = std::min(b.lowestMoveCost, c.moveCost);
            b.highestMoveCost = std::max(b.highestMoveCost, c.moveCost);
            if (c.orbital != 0) continue;
            b.fewestActionPoints = std::min(b.fewestActionPoints, c.actionPoints);
            b.mostActionPoints = std::max(b.mostActionPoints, c.actionPoints);
        }
        return b;
    }();
    if (shipType < 1 || shipType > kShipClassCount) return kMobile;
    const ShipClassValues& c = kShipClassValues[shipType - 1];
    if (c.orbital == 0) return kMobile;
    return {c.actionPoints, c.actionPoints, kMobile.lowestMoveCost, kMobile.highestMoveCost};
}

}  // namespace corvanth
