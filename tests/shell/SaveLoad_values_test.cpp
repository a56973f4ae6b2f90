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
#include "state/saturate.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/extreme_slot.h"
#include "travel/NextTurnUnit.h"
#include "travel/travel.h"

namespace corvanth {
namespace {

class ExtremeSlots : public test::ShellTest {
  protected:
    void TearDown() override {
        ClearGameEnded();
        ShellTest::TearDown();
    }
};

TEST_F(ExtremeSlots, LoadIntoTheRulesRangesAndPlayOnWithoutASumRunningOver) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
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
        const SaveImage image = test::ExtremeSave(kind.value);
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
        // The free room is what the hold leaves, whatever the file said (the new game's captain
        // has no mission, whose goods would take room too).
        int64_t held = 0;
        for (int good = 1; good <= 20; ++good) held += g.Cargo[good];
        EXPECT_EQ(g.Fleets[1][Fleet::FreeCargo],
                  SaturateInt32(int64_t{g.Fleets[1][Fleet::CargoCapacity]} - held));
        // Played on: turns, the status panel, death of old age and the score to its end.
        test::UseAnsweringBackend answering;
        Rng().SetSeed(35);
        ClearGameEnded();
        RefreshTravelScreen();
        bool ended = false;
        for (int turn = 0; turn < 20 && !ended; ++turn) ended = test::FromHome(NextTurn);
        if (!ended) test::FromHome(RetireAndScore);
        EXPECT_TRUE(GameEnded());
    }
}

}  // namespace
}  // namespace corvanth
