// The ship-class loaders against the class rules and against rows of the class table.
#include "state/Module1.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace corvanth {
namespace {

// Hull prices of classes 1..27, in type order, as the class table lists them.
constexpr std::array<int32_t, 28> kHullPrice = {
    0,        20000,    35000,    65000,    100000,   250000,   300000, 700000,  1000000, 6000000,
    10000000, 28000000, 30000000, 200000,   45000000, 60000000, 700000, 150000,  5000000, 6500000,
    55000,    850000,   40000000, 65000000, 5000000,  70000,    700000, 20000000};

// Speeds of classes 1..27 as the class table lists them (the loader's own value, before the
// statistics derive the speed from the engines).
constexpr std::array<int32_t, 28> kSpeedOfClass = {0, 4, 4, 4, 4, 2, 2, 3, 2, 2, 1, 1, 1, 4,
                                                   1, 1, 2, 4, 2, 2, 4, 3, 1, 1, 2, 4, 3, 0};

class ShipClasses : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitEquipmentTypes();
    }
    GameState& g = G();
    GameRecord& ship = g.Ships[0][0];
    GameRecord& slot(int s) { return g.ShipEquipment[0][0][s]; }

    std::vector<int> SlotIds() {
        std::vector<int> ids;
        for (int s = Slot::First; s <= Slot::Last; ++s) {
            if (slot(s)[Slot::Used] > 0) ids.push_back(slot(s)[Slot::EquipmentId]);
        }
        return ids;
    }

    void ExpectTemplateEmpty() {
        for (int f = 1; f <= 100; ++f) EXPECT_EQ(ship[f], 0) << "ship field " << f;
        for (int s = Slot::First; s <= Slot::Last; ++s) {
            for (int f = 1; f <= 100; ++f) {
                EXPECT_EQ(slot(s)[f], 0) << "slot " << s << " field " << f;
            }
        }
    }
};

TEST_F(ShipClasses, EveryClassFollowsTheLoaderRules) {
    // Fields a loader or the statistics may write; every other field is 0 after a load.
    std::set<int> written = {Ship::Present,
                             Ship::Class,
                             Ship::Strength,
                             Ship::BaseStrength,
                             Ship::CargoCapacity,
                             Ship::MoveCost,
                             Ship::ActionPointsPerTurn,
                             Ship::Speed,
                             Ship::SpeedClass,
                             Ship::ClassMark,
                             Ship::CrewTotal,
                             Ship::CrewMin,
                             Ship::CrewMax,
                             Ship::SizeClass,
                             Ship::RetreatRange,
                             Ship::PreferredRange,
                             Ship::TotalPrice,
                             Ship::PassengerCabins,
                             Ship::BoardingShuttles,
                             Ship::HullPrice,
                             Ship::Freighter,
                             Ship::RequiredSectorLevel,
                             Ship::MaxStrength,
                             Ship::RequiredRank,
                             Ship::OrbitalTurrets};
    for (int f = 1; f <= 4; ++f) written.insert(Ship::SoldByFactionBase + f);

    for (int type = 1; type <= 27; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        LoadShipType(type);
        EXPECT_EQ(ship[Ship::Present], 1);
        EXPECT_EQ(ship[Ship::Class], type);
        EXPECT_NE(g.ShipClassNames[0][0], " ");
        EXPECT_FALSE(g.ShipDescriptions[0][0].empty());
        EXPECT_LT(g.ShipDescriptions[0][0].size(), 255u);  // none was cut
        for (int f = 1; f <= 100; ++f) {
            if (written.contains(f)) continue;
            EXPECT_EQ(ship[f], 0) << "field " << f;
        }

        // Field 71 is the hull; field 37 adds the catalogue price of every installed item.
        EXPECT_EQ(ship[Ship::HullPrice], kHullPrice[type]);
        int64_t total = kHullPrice[type];
        for (int id : SlotIds()) total += g.EquipmentTypes[id][Equipment::Price];
        EXPECT_EQ(ship[Ship::TotalPrice], total);

        // A move costs the turn's action points divided by the speed; the immobile turrets
        // carry their cost of 20 as catalogued.
        if (type == 27) {
            EXPECT_EQ(ship[Ship::MoveCost], 20);
        } else {
            EXPECT_EQ(ship[Ship::MoveCost], ship[Ship::ActionPointsPerTurn] / kSpeedOfClass[type]);
        }

        // Items fill the slots from 1 without gaps; racks come with two rounds, nothing else
        // with any.
        bool ended = false;
        for (int s = Slot::First; s <= Slot::Last; ++s) {
            const GameRecord& row = slot(s);
            if (row[Slot::Used] == 0) {
                ended = true;
                EXPECT_EQ(row[Slot::EquipmentId], 0);
                continue;
            }
            EXPECT_FALSE(ended) << "gap before slot " << s;
            int id = row[Slot::EquipmentId];
            EXPECT_EQ(g.EquipmentTypes[id][Equipment::Defined], 1) << "slot " << s;
            int rounds = (id == 3 || id == 30) ? 2 : 0;
            EXPECT_EQ(row[Slot::RackCapacity], rounds) << "slot " << s;
            EXPECT_EQ(row[Slot::Ammunition], rounds) << "slot " << s;
        }
    }
}

TEST_F(ShipClasses, TotalPricesWorkedOutByHand) {
    // Starwolf: 20000 + 1000 + 0 + 5000 + 10000 + 10000 + 5000 + 5000 + 1000.
    LoadShipType(1);
    EXPECT_EQ(ship[Ship::TotalPrice], 57000);
    EXPECT_EQ(ship[Ship::HullPrice], 20000);
    // The result does not depend on what the player's own ship carries.
    g.ShipEquipment[1][1][1][Slot::Used] = 1;
    g.ShipEquipment[1][1][1][Slot::EquipmentId] = 39;
    LoadShipType(1);
    EXPECT_EQ(ship[Ship::TotalPrice], 57000);

    // Hellcat: 55000 + 1000 + 1000 + 0 + 5000 + 5000 + 5000 + 1000.
    LoadShipType(20);
    EXPECT_EQ(ship[Ship::TotalPrice], 73000);
    // Titanic: 28000000 + 2 x 16000 + 2 x 150000 + 10 x 20000 + 120000 + 100000 + 100000 + 200000.
    LoadShipType(11);
    EXPECT_EQ(ship[Ship::TotalPrice], 29052000);
    // Orbital turrets: 20000000 + 2 x 20000 + 2 x 500000 + 2 x 16000 + 3 x 0 + 150000 + 120000
    // + 100000.
    LoadShipType(27);
    EXPECT_EQ(ship[Ship::TotalPrice], 21442000);
}

TEST_F(ShipClasses, ALoadLeavesNothingOfTheClassBefore) {
    // Titanic: 18 slots and field 72; the Starwolf after it has 8 slots and no field 72.
    LoadShipType(11);
    ASSERT_EQ(SlotIds().size(), 18u);
    ship[90] = 5;  // stray values a copy into the template might leave
    slot(20)[Slot::Used] = 1;
    slot(20)[Slot::EquipmentId] = 8;
    LoadShipType(1);
    EXPECT_EQ(SlotIds(), (std::vector<int>{1, 3, 4, 11, 11, 50, 82, 13}));
    for (int s = 9; s <= Slot::Last; ++s) {
        for (int f = 1; f <= 100; ++f) EXPECT_EQ(slot(s)[f], 0) << "slot " << s << " field " << f;
    }
    EXPECT_EQ(ship[90], 0);
    EXPECT_EQ(ship[Ship::Freighter], 0);
    EXPECT_EQ(ship[Ship::ClassMark], 2);
    EXPECT_EQ(ship[Ship::TotalPrice], 57000);

    // A loader called directly clears as well: Ferendar's crew total and flag do not stay.
    LoadShipClassFerendar();
    EXPECT_EQ(ship[Ship::CrewTotal], 10);
    LoadShipClassStargun();
    EXPECT_EQ(ship[Ship::CrewTotal], 0);
    EXPECT_EQ(ship[Ship::Freighter], 0);
    EXPECT_EQ(SlotIds(), (std::vector<int>{6, 4, 11, 50, 82, 13}));
    EXPECT_EQ(slot(7)[Slot::Used], 0);
}

TEST_F(ShipClasses, AnUnknownTypeClearsTheTemplate) {
    for (int type : {0, 28, -1, 1000}) {
        SCOPED_TRACE("type " + std::to_string(type));
        LoadShipType(15);
        LoadShipType(type);
        ExpectTemplateEmpty();
        // The texts keep the class loaded before.
        EXPECT_EQ(g.ShipClassNames[0][0], "Gladiator");
        EXPECT_EQ(g.ShipDescriptions[0][0].view().substr(0, 14), "Armed with two");
    }
}

// One row of the class table and the class's standard equipment.
struct ClassRow {
    int type;
    const char* name;
    std::array<int, 9> values;  // fields 4, 15, 22, 23, 24, 30, 36, 73, 79
    std::array<int, 4> soldBy;  // fields 60..63
    std::array<int, 4> extras;  // fields 18, 21, 72, 82
    std::vector<int> equipment;
    const char* descriptionStart;
};

TEST_F(ShipClasses, RowsOfTheClassTable) {
    const std::vector<ClassRow> rows = {
        {1,
         "Starwolf",
         {6, 10, 0, 0, 1, 3, 3, 1, 1},
         {1, 1, 1, 1},
         {2, 0, 0, 0},
         {1, 3, 4, 11, 11, 50, 82, 13},
         "The Starwolf class is the standard class spaceship"},
        {5,
         "Ferendar",
         {20, 12, 4, 12, 2, 3, 3, 2, 2},
         {1, 1, 1, 1},
         {0, 10, 1, 0},
         {1, 19, 4, 93, 8, 8, 8, 54, 85, 32, 59},
         "The Ferendar class is a medium and cheap freighter."},
        {7,
         "Fang",
         {50, 12, 10, 22, 3, 1, 3, 3, 3},
         {1, 1, 1, 1},
         {0, 0, 0, 0},
         {23, 19, 3, 93, 8, 8, 54, 85, 32, 59},
         "The \"Fang\" is a light destroyer"},
        {13,
         "Paladin",
         {20, 12, 3, 8, 2, 2, 3, 2, 2},
         {1, 0, 0, 0},
         {0, 0, 0, 0},
         {6, 1, 4, 93, 8, 11, 53, 85, 32, 59},
         "Ready for the looming civil war"},
        {20,
         "Hellcat",
         {10, 10, 0, 0, 1, 3, 3, 3, 1},
         {0, 0, 1, 0},
         {0, 0, 0, 0},
         {1, 1, 3, 4, 50, 82, 13},
         "Flown by the villanious HellGuards"},
        {22,
         "Firestarter",
         {160, 20, 80, 140, 5, 2, 3, 5, 6},
         {0, 0, 1, 0},
         {0, 0, 0, 0},
         {104, 104, 107, 107, 93, 8, 8, 8, 56, 88, 36, 62},
         "The Firestarter has been"},
        {25,
         "Stormcrow",
         {6, 10, 0, 0, 1, 3, 3, 3, 1},
         {0, 1, 0, 0},
         {0, 0, 0, 0},
         {98, 98, 3, 4, 11, 50, 82, 13},
         "After the Avenger appeared"},
        {27,
         "Orbital turrets",
         {300, 100, 200, 400, 5, 3, 3, 5, 6},
         {1, 1, 1, 1},
         {0, 0, 0, 1},
         {104, 104, 78, 78, 23, 23, 30, 30, 30, 93, 56, 88},
         "These large self-propelled batteries are a terrible threat."},
    };
    const std::array<int, 9> fields = {
        Ship::BaseStrength,   Ship::ActionPointsPerTurn, Ship::CrewMin,
        Ship::CrewMax,        Ship::SizeClass,           Ship::RetreatRange,
        Ship::PreferredRange, Ship::RequiredSectorLevel, Ship::RequiredRank};
    const std::array<int, 4> extras = {Ship::ClassMark, Ship::CrewTotal, Ship::Freighter,
                                       Ship::OrbitalTurrets};
    for (const ClassRow& row : rows) {
        SCOPED_TRACE(row.name);
        LoadShipType(row.type);
        EXPECT_EQ(g.ShipClassNames[0][0], row.name);
        std::string_view start(row.descriptionStart);
        EXPECT_EQ(g.ShipDescriptions[0][0].view().substr(0, start.size()), start);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_EQ(ship[fields[i]], row.values[i]) << "field " << fields[i];
        }
        for (int f = 1; f <= 4; ++f) {
            EXPECT_EQ(ship[Ship::SoldByFactionBase + f], row.soldBy[f - 1]) << "faction " << f;
        }
        for (std::size_t i = 0; i < extras.size(); ++i) {
            EXPECT_EQ(ship[extras[i]], row.extras[i]) << "field " << extras[i];
        }
        EXPECT_EQ(SlotIds(), row.equipment);
    }
}

}  // namespace
}  // namespace corvanth
