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

#include "combat/Encounter.h"
#include "shell/SaveLoad.h"
#include "shell/retire.h"
#include "shell_fixture.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/extreme_slot.h"
#include "support/random_player.h"
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
        // Money, fame, reputation, loans and bonds at most the cap of 900.000.000 either way,
        // money, loans, bonds and the hold never below nothing, every other number within
        // 100.000.000.
        const bool high = kind.value(0) == kMax;
        if (kind.value(0) == kind.value(1)) {
            EXPECT_EQ(g.Players[1][Player::Money], high ? 900000000 : 0);
            EXPECT_EQ(g.Players[1][Player::Fame], high ? 900000000 : -900000000);
            EXPECT_EQ(g.Factions[2][Faction::Reputation], high ? 900000000 : -900000000);
            // No debt, bond or early payback below nothing, which the bank would pay out or
            // take from nothing; the turns left of an overdue loan count on below 0.
            EXPECT_EQ(g.Factions[2][Faction::Loan], high ? 900000000 : 0);
            EXPECT_EQ(g.Factions[3][Faction::WarBonds], high ? 900000000 : 0);
            EXPECT_EQ(g.Factions[4][Faction::EarlyPaybackTurns], high ? 100000000 : 0);
            EXPECT_EQ(g.Factions[1][Faction::LoanTurnsLeft], high ? 100000000 : -100000000);
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

// The notices answered; on the combat screen the captain ends his turns until the ship fighting
// has fallen, and from then on every button, key and close request of the screen is tried at
// random, as the random player tries them. A fight still open after that many tries has none
// that ends it.
class FightToTheEnd : public test::AnsweringBackend {
  public:
    static constexpr int kMostActions = 3000;
    int actions = 0, afterTheFall = 0;

    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        if (!top || top->ClassName() != "TForm14") {
            AnsweringBackend::Pump(app);
            return;
        }
        if (++actions > kMostActions)
            throw ui::ScriptError("the fight goes on after " + std::to_string(kMostActions) +
                                  " actions");
        if (G().Ships[1][1][Ship::Present] > 0) {
            ui::ClickMiddle(*top, *top->Find("SpeedButton5"));
        } else {
            ++afterTheFall;
            test::ActRandomly(*this, hand_);
        }
    }

  private:
    std::mt19937 hand_{41};
};

TEST_F(ExtremeSlots, AFightEndsWhenTheShipFightingFallsWhileAnotherShipIsMarkedPresent) {
    // A slot of a running game whose fleet holds a second ship marked present, beside ship 1
    // with a hull of 1 (no shield generator: a battle leaves it at its base) and one life point.
    test::StartNewGame(FactionId::Federation, "Twin");
    GameState& g = G();
    g.Ships[1][2] = g.Ships[1][1];
    g.Ships[1][1][Ship::BaseStrength] = 1;
    for (int s = Slot::First; s <= Slot::Last; ++s)
        if (EquipmentType(g.ShipEquipment[1][1][s][Slot::EquipmentId])[Equipment::Kind] ==
            EquipmentKind::ShieldGenerator)
            g.ShipEquipment[1][1][s].fill(0);
    g.Players[1][Player::LifePoints] = 1;
    const SaveImage image = EncodeSave(g);
    InitGameData();
    ASSERT_TRUE(ReplaceGameFrom(image.ints, image.texts));
    ASSERT_GT(g.Ships[1][2][Ship::Present], 0);

    auto owned = std::make_unique<FightToTheEnd>();
    FightToTheEnd& fight = *owned;
    fight.answerEveryScreen = true;
    ui::App().SetBackend(std::move(owned));
    Rng().SetSeed(7);
    ClearGameEnded();
    std::string error;
    try {
        test::FromHome([] { StartShipBattle(3, FactionId::Pirates, -1); });
    } catch (const ui::ScriptError& e) {
        error = e.what();
    }
    const int deaths = fight.answered.count("TForm43") ? fight.answered.at("TForm43") : 0;
    const int afterTheFall = fight.afterTheFall;
    ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
    EXPECT_EQ(error, "");
    // The ship fighting fell and the fight was lost with it: the death screen followed at once,
    // with no choice left on the combat screen, its second chance gave ship 1 back, and the
    // other ship's mark stayed as the slot had it.
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(afterTheFall, 0);
    EXPECT_EQ(g.CombatMayClose, 1);
    EXPECT_EQ(g.Players[1][Player::LifePoints], 0);
    EXPECT_EQ(g.Ships[1][1][Ship::Present], 1);
    EXPECT_GT(g.Ships[1][2][Ship::Present], 0);
}

}  // namespace
}  // namespace corvanth
