// The equipment catalogue against its rules and against rows of the catalogue table.
#include "state/Module1.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace corvanth {
namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

class EquipmentCatalogue : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState();
        InitEquipmentTypes();
    }
    GameState& g = G();
};

TEST_F(EquipmentCatalogue, LeavesTheGapsEmptyAndDefinesEveryOtherId) {
    const std::set<int> gaps = {10, 22, 79, 80, 81, 97};
    int defined = 0;
    for (int id = 0; id < static_cast<int>(g.EquipmentTypes.size()); ++id) {
        const GameRecord& item = g.EquipmentTypes[id];
        bool expected = id >= 1 && id <= 113 && !gaps.contains(id);
        SCOPED_TRACE("id " + std::to_string(id));
        if (expected) {
            ++defined;
            EXPECT_EQ(item[Equipment::Defined], 1);
            EXPECT_FALSE(g.EquipmentNames[id].empty());
            EXPECT_FALSE(g.EquipmentDescriptions[id].empty());
            EXPECT_LT(g.EquipmentDescriptions[id].size(), 255u);  // none was cut
        } else {
            for (int f = 0; f < 102; ++f) EXPECT_EQ(item[f], 0) << "field " << f;
            EXPECT_TRUE(g.EquipmentNames[id].empty());
            EXPECT_TRUE(g.EquipmentDescriptions[id].empty());
        }
    }
    EXPECT_EQ(defined, 107);  // 113 ids less the six gaps

    // A second run over a catalogue with stray values leaves none of them behind.
    g.EquipmentTypes[1][50] = 7;
    InitEquipmentTypes();
    EXPECT_EQ(g.EquipmentTypes[1][50], 0);
}

TEST_F(EquipmentCatalogue, FollowsTheCatalogueRules) {
    for (int id = 1; id <= 113; ++id) {
        const GameRecord& item = g.EquipmentTypes[id];
        if (item[Equipment::Defined] == 0) continue;
        std::string_view name = g.EquipmentNames[id].view();
        SCOPED_TRACE(std::string(name));
        int kind = item[Equipment::Kind];
        EXPECT_TRUE(kind >= 1 && kind <= 27 && kind != 7 && kind != 19);
        EXPECT_TRUE(item[Equipment::TechLevel] >= 1 && item[Equipment::TechLevel] <= 5);

        // Only the three illegal items are Syndicate-only; everything else is legal.
        bool syndicateOnly = item[Equipment::SoldByFactionBase + 1] == 0 &&
                             item[Equipment::SoldByFactionBase + 2] == 0 &&
                             item[Equipment::SoldByFactionBase + 3] == 1 &&
                             item[Equipment::SoldByFactionBase + 4] == 0;
        EXPECT_EQ(item[Equipment::Illegal], syndicateOnly ? 1 : 0);

        // The cheap "MX" and experimental "eX" items are the unreliable ones (60..80 %).
        bool risky = EndsWith(name, " MX") || EndsWith(name, " eX");
        if (risky) {
            EXPECT_TRUE(item[Equipment::Reliability] >= 60 && item[Equipment::Reliability] <= 80);
        } else {
            EXPECT_EQ(item[Equipment::Reliability], 100);
        }
        // Only surveillance weighs anything.
        EXPECT_EQ(item[Equipment::Weight], kind == EquipmentKind::Surveillance ? 1 : 0);
        if (kind == EquipmentKind::EmptyMissileRack || kind == EquipmentKind::EmptyTorpedoRack) {
            EXPECT_EQ(item[Equipment::Price], 0);
        } else {
            EXPECT_GT(item[Equipment::Price], 0);
        }
        // Jump engines: 1 basic, 3 "MX", 4 "XL"; shields: 0 "S", 4 "L", 2 "XL".
        if (kind == EquipmentKind::JumpEngine) {
            int expected = EndsWith(name, " MX") ? 3 : EndsWith(name, " XL") ? 4 : 1;
            EXPECT_EQ(item[Equipment::JumpClass], expected);
        }
        if (kind == EquipmentKind::ShieldGenerator) {
            int expected = EndsWith(name, " XL") ? 2 : EndsWith(name, " L") ? 4 : 0;
            EXPECT_EQ(item[Equipment::ShieldValue], expected);
        }
        // Every exchange entry names a defined item, with no gap before a later entry.
        bool ended = false;
        for (int n = 1; n <= Equipment::ExchangeSize; ++n) {
            int other = item[Equipment::ExchangeBase + n];
            if (other == 0) {
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << "entry " << n;
            ASSERT_TRUE(other >= 1 && other <= 113);
            EXPECT_EQ(g.EquipmentTypes[other][Equipment::Defined], 1) << "entry " << n;
        }
    }
    // The illegal items are the smuggling bay and the two boarding shuttles.
    std::set<int> illegal;
    for (int id = 1; id <= 113; ++id) {
        if (g.EquipmentTypes[id][Equipment::Illegal] == 1) illegal.insert(id);
    }
    EXPECT_EQ(illegal, (std::set<int>{9, 20, 21}));
}

// Whole rows of the catalogue table: kind, fields 3..6, 8, 9, price, tech, illegal, dealers 1..4,
// exchange list.
struct Row {
    int id;
    const char* name;
    int kind, f3, f4, f5, f6, f8, f9, price, tech, illegal;
    int dealers[4];
    int exchange[9];
};

TEST_F(EquipmentCatalogue, MatchesRowsSpreadOverTheTable) {
    const Row rows[] = {
        {1, "Laser cannon S", 1, 3, 2, 30, 2, 100, 0, 1000, 1, 0, {1, 1, 1, 1}, {2, 43, 44, 67}},
        {9,
         "Smuggling Bay",
         6,
         10,
         50,
         0,
         0,
         100,
         0,
         50000,
         1,
         1,
         {0, 0, 1, 0},
         {8, 45, 46, 91, 20, 21, 40, 111, 113}},
        {30, "Empty torpedo rack", 15, 20, 10, 6, 4, 100, 0, 0, 4, 0, {1, 1, 1, 1}, {42, 31}},
        {39, "Quad Engines XXL", 9, 4, 0, 0, 0, 100, 0, 15000000, 4, 0, {1, 1, 0, 0}, {36, 37, 38}},
        {40,
         "Surveillance",
         13,
         0,
         0,
         0,
         0,
         100,
         1,
         25000,
         3,
         0,
         {1, 1, 0, 1},
         {8, 20, 21, 91, 9, 45, 46, 111, 113}},
        {54, "Medium LR Computer", 17, 60, 80, 100, 0, 100, 0, 35000, 3, 0, {1, 1, 1, 1}, {52, 53}},
        {69,
         "Flechette cannon L",
         11,
         1,
         4,
         80,
         3,
         100,
         0,
         16000,
         1,
         0,
         {1, 1, 1, 1},
         {19, 69, 71}},  // names itself: kept as listed
        {78, "Tachyon turrets", 21, 1, 30, 35, 10, 100, 0, 500000, 1, 0, {1, 0, 0, 0}, {}},
        {96,
         "Cluster Torpedo ECM",
         22,
         40,
         0,
         0,
         8,
         100,
         0,
         500000,
         5,
         0,
         {1, 1, 1, 1},
         {93, 94, 95}},
        {98, "Particle cannon S", 23, 3, 2, 30, 5, 100, 0, 5000, 2, 0, {0, 1, 1, 1}, {99, 100}},
        {103, "Quantum cannon eX", 24, 2, 4, 45, 5, 75, 0, 60000, 5, 0, {0, 1, 0, 0}, {101, 102}},
        {105,
         "Particle turrets L",
         23,
         3,
         12,
         30,
         5,
         100,
         0,
         15000,
         3,
         0,
         {0, 1, 1, 1},
         {104, 106}},
        {110, "Mine", 25, 15, 20, 0, 5, 100, 0, 1000, 3, 0, {1, 1, 1, 1}, {11, 12, 47, 48, 112}},
        {113,
         "Heavy armor",
         27,
         15,
         0,
         0,
         0,
         100,
         0,
         20000,
         3,
         0,
         {1, 1, 1, 1},
         {8, 20, 21, 91, 9, 45, 46, 40, 111}},
    };
    for (const Row& row : rows) {
        const GameRecord& item = g.EquipmentTypes[row.id];
        SCOPED_TRACE("id " + std::to_string(row.id));
        EXPECT_EQ(g.EquipmentNames[row.id], row.name);
        EXPECT_EQ(item[Equipment::Kind], row.kind);
        EXPECT_EQ(item[3], row.f3);
        EXPECT_EQ(item[4], row.f4);
        EXPECT_EQ(item[5], row.f5);
        EXPECT_EQ(item[6], row.f6);
        EXPECT_EQ(item[8], row.f8);
        EXPECT_EQ(item[9], row.f9);
        EXPECT_EQ(item[Equipment::Price], row.price);
        EXPECT_EQ(item[Equipment::TechLevel], row.tech);
        EXPECT_EQ(item[Equipment::Illegal], row.illegal);
        for (int f = 1; f <= 4; ++f) {
            EXPECT_EQ(item[Equipment::SoldByFactionBase + f], row.dealers[f - 1])
                << "faction " << f;
        }
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(item[Equipment::ExchangeBase + n], row.exchange[n - 1]) << "entry " << n;
        }
        EXPECT_EQ(item[7], 0);  // fields the table has no column for stay 0
        EXPECT_EQ(item[30], 0);
    }
}

TEST_F(EquipmentCatalogue, KeepsTheTextsAsWritten) {
    // Where a text and a field differ, the text is shown unchanged.
    EXPECT_EQ(g.EquipmentDescriptions[44],
              "Cheap Outer Rim modification. More damage, but not very reliable. Range: 10, "
              "Damage: 3, Acc.: 30%, AP: 3");
    EXPECT_EQ(g.EquipmentTypes[44][Equipment::GunAccuracy], 40);
    EXPECT_EQ(g.EquipmentDescriptions[91],
              "A passenger cabin enables you to accept passenger transports. One cabin can "
              "accomodate 10 passengers.");
    EXPECT_EQ(g.EquipmentDescriptions[1],
              "Standard ship weapon. Range: 10, Damage: 2, Acc.: 30%, AP: 2");
    EXPECT_EQ(g.EquipmentDescriptions[109],
              "Experimental weapon, high failure rate. Range: Medium, Damage: (4x4=16), Acc.: "
              "45%, AP: 5");
    EXPECT_EQ(g.EquipmentDescriptions[112],
              "Upgrade to small cargo bays. When your shields drop below 0% they absorb the up to "
              "5 points of damage taken (whatever that is). Afterwards they are destroyed and "
              "need to be replaced.");
}

}  // namespace
}  // namespace corvanth
