// Saved games whose numbers pass the loader's index checks but lie far outside anything the rules
// make: loaded into the rules' ranges, they play on without a sum running over.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "shell/SaveLoad.h"
#include "shell/retire.h"
#include "shell_fixture.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

// The integer file's tables: first record, records, fields per record (1 for plain lists).
struct Segment {
    const char* table;
    size_t first, records;
    int fields;
};
const Segment kSegments[] = {
    {"Planets", 0, 91000, 100},
    {"StarSystems", 91000, 2600, 100},
    {"MissionOffers", 93600, 2800, 100},
    {"Missions", 96400, 200, 100},
    {"MissionListIndex", 96600, 28, 1},
    {"Factions", 96628, 400, 100},
    {"Players", 97028, 200, 100},
    {"Fleets", 97228, 500, 100},
    {"Ships", 97728, 2000, 100},
    {"ShipEquipment", 99728, 40000, 100},
    {"EquipmentTypes", 139728, 20000, 100},
    {"Cargo", 159728, 20, 1},
    {"LastPricePaid", 159748, 20, 1},
    {"Goods", 159768, 2000, 100},
    {"Markets", 161768, 54600, 3},
    {"SpaceEvents", 216368, 10400, 100},
    {"single values", 226768, 5, 1},
};

void PutInt(std::string& ints, size_t record, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) ints[record * 4 + i] = static_cast<char>(v >> (8 * i));
}

class ExtremeSlots : public test::ShellTest {
  protected:
    void TearDown() override {
        ClearGameEnded();
        ShellTest::TearDown();
    }
    // A running game's files, and the fields of its tables the loader takes any value in: the
    // fields of a table are tried with the largest and the smallest value on all their records
    // at once, and a set the loader refuses is halved until the index fields are found.
    static SaveImage Fields(std::vector<Segment>& open) {
        InitGameData();
        GameState& g = G();
        g.Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        SaveImage image = EncodeSave(g);
        const auto stage = std::make_unique<GameState>();
        auto takes = [&](const Segment& s, int from, int to) {
            for (int32_t v :
                 {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
                std::string ints = image.ints;
                for (int f = from; f < to; ++f)
                    for (size_t r = s.first + f; r < s.first + s.records; r += s.fields)
                        PutInt(ints, r, v);
                if (!DecodeSave(ints, image.texts, *stage)) return false;
            }
            return true;
        };
        std::function<void(const Segment&, int, int)> find = [&](const Segment& s, int from,
                                                                 int to) {
            if (takes(s, from, to)) {
                for (int f = from; f < to; ++f)
                    open.push_back({s.table, s.first + f, s.first + s.records, s.fields});
            } else if (to - from > 1) {
                find(s, from, (from + to) / 2);
                find(s, (from + to) / 2, to);
            }
        };
        for (const Segment& s : kSegments) find(s, 0, s.fields);
        return image;
    }
};

TEST_F(ExtremeSlots, LoadIntoTheRulesRangesAndPlayOnWithoutASumRunningOver) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    std::vector<Segment> open;
    const SaveImage base = Fields(open);
    ASSERT_GT(open.size(), 1000u);  // most fields are no index
    struct Kind {
        const char* what;
        std::function<int32_t(size_t)> value;
    };
    const Kind kinds[] = {
        {"largest", [](size_t) { return kMax; }},
        {"smallest", [](size_t) { return kMin; }},
        {"both", [](size_t r) { return r % 2 ? kMax : kMin; }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.what);
        SaveImage image = base;
        for (const Segment& field : open)
            for (size_t r = field.first; r < field.records; r += field.fields)
                PutInt(image.ints, r, kind.value(r));
        InitGameData();
        ASSERT_TRUE(ReplaceGameFrom(image.ints, image.texts));
        const GameState& g = G();
        // Money, fame and reputation at most the cap of 900.000.000 either way, money and the
        // hold never below nothing, every other number within 100.000.000.
        const bool high = kind.value(0) == kMax;
        if (kind.value(0) == kind.value(1)) {
            EXPECT_EQ(g.Players[1][Player::Money], high ? 900000000 : 0);
            EXPECT_EQ(g.Players[1][Player::Fame], high ? 900000000 : -900000000);
            EXPECT_EQ(g.Factions[2][Faction::Reputation], high ? 900000000 : -900000000);
            EXPECT_EQ(g.Cargo[7], high ? 100000000 : 0);
            EXPECT_EQ(g.Ships[1][1][Ship::CrewMercenaries], high ? 100000000 : 0);
            EXPECT_EQ(g.Markets[3][1][4][Market::Drift], high ? 100000000 : -100000000);
            EXPECT_EQ(g.TurnNumber, high ? 100000000 : 0);
        }
        // Played on: turns, the status panel, death of old age and the score to its end.
        test::UseAnsweringBackend answering;
        Rng().SetSeed(35);
        ClearGameEnded();
        RefreshTravelScreen();
        for (int turn = 0; turn < 20 && !GameEnded(); ++turn) NextTurn();
        if (!GameEnded()) RetireAndScore();
        EXPECT_TRUE(GameEnded());
    }
}

}  // namespace
}  // namespace corvanth
