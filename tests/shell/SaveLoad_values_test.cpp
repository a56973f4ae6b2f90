// Saved games whose numbers pass the loader's index checks but lie far outside anything the rules
// make: loaded into the rules' ranges, they play on without a sum running over.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "state/market.h"
#include "state/newgame.h"
#include "state/random.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"
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
        // Money, fame, reputation and the net worth as the file has them, to 32 bits' ends, as a
        // day's gains may leave them; loans and bonds at most the cap of 900.000.000; money, net
        // worth, loans, bonds, rewards and the hold never below nothing; every other number
        // within 100.000.000, and what the rules read each turn within what they make of it.
        const bool high = kind.value(0) == kMax;
        if (kind.value(0) == kind.value(1)) {
            EXPECT_EQ(g.Players[1][Player::Money], high ? kMax : 0);
            EXPECT_EQ(g.Players[1][Player::Fame], kind.value(0));
            EXPECT_EQ(g.Players[1][Player::NetWorthAtLastPay], high ? kMax : 0);
            EXPECT_EQ(g.Factions[2][Faction::Reputation], kind.value(0));
            // No debt, bond or early payback below nothing, which the bank would pay out or
            // take from nothing; the turns left of an overdue loan count on below 0.
            EXPECT_EQ(g.Factions[2][Faction::Loan], high ? 900000000 : 0);
            EXPECT_EQ(g.Factions[3][Faction::WarBonds], high ? 900000000 : 0);
            EXPECT_EQ(g.Factions[4][Faction::EarlyPaybackTurns], high ? 100000000 : 0);
            EXPECT_EQ(g.Factions[1][Faction::LoanTurnsLeft], high ? 100000000 : -100000000);
            EXPECT_EQ(g.Missions[1][Mission::Reward], high ? 900000000 : 0);
            EXPECT_EQ(g.MissionOffers[9][Mission::FameReward], high ? 900000000 : 0);
            EXPECT_EQ(g.Cargo[7], high ? 100000000 : 0);
            EXPECT_EQ(g.Ships[1][1][Ship::CrewMercenaries], high ? 100000000 : 0);
            // The Federation's Avenger: 10..26 action points a turn as the mobile classes have
            // them, a move cost of 2 (10 div 4) to 26 (26 div 1).
            EXPECT_EQ(g.Ships[1][1][Ship::ActionPointsPerTurn], high ? 26 : 10);
            EXPECT_EQ(g.Ships[1][1][Ship::MoveCost], high ? 26 : 2);
            // Coolers cost 1.200, 400, 200, 100 or 50 by supply. Their bands hold the drift
            // within -(1.200 - 70 % of it) = -360 and 30 % of 1.200 = 360 (400: 200, 200: 100,
            // 100: 80, 50: 45 either way), so the price reaches 1.200 + 360 = 1.560 at most; a
            // market no day reprices keeps its 0.
            const GameRecord& coolers = g.Markets[3][1][4];
            EXPECT_EQ(coolers[Market::Drift], high ? 360 : -360);
            EXPECT_EQ(coolers[Market::BasePrice], high ? 1200 : 0);
            EXPECT_EQ(coolers[Market::Price], high ? 1560 : 0);
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
// has fallen (or, fleeing, tries to get away whenever his AP allow it), and from then on every
// button, key and close request of the screen is tried at random, as the random player tries
// them. A fight still open after that many tries has none that ends it.
class FightToTheEnd : public test::AnsweringBackend {
  public:
    static constexpr int kMostActions = 3000;
    bool flee = false;
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
        const GameRecord& own = G().Ships[1][1];
        if (own[Ship::Present] > 0) {
            const bool away = flee && own[Ship::ActionPointsLeft] >= 10;
            ui::ClickMiddle(*top, *top->Find(away ? "SpeedButton1" : "SpeedButton5"));
        } else {
            ++afterTheFall;
            test::ActRandomly(*this, hand_);
        }
    }

  private:
    std::mt19937 hand_{41};
};

// What a battle against a pirate showed, fought to its end from the running game saved as a
// slot and loaded again.
struct FoughtFromSlot {
    bool loaded = false;
    std::string error;  // what stopped a fight that would not end
    int deaths = 0, afterTheFall = 0;
    bool fled = false;
};
FoughtFromSlot FightFromSlot(bool flee, uint32_t seed) {
    FoughtFromSlot result;
    const SaveImage image = EncodeSave(G());
    InitGameData();
    result.loaded = ReplaceGameFrom(image.ints, image.texts);
    if (!result.loaded) return result;
    auto owned = std::make_unique<FightToTheEnd>();
    FightToTheEnd& fight = *owned;
    fight.flee = flee;
    fight.answerEveryScreen = true;
    ui::App().SetBackend(std::move(owned));
    Rng().SetSeed(seed);
    ClearGameEnded();
    try {
        test::FromHome([] { StartShipBattle(3, FactionId::Pirates, -1); });
    } catch (const ui::ScriptError& e) {
        result.error = e.what();
    }
    result.deaths = fight.answered.count("TForm43") ? fight.answered.at("TForm43") : 0;
    result.afterTheFall = fight.afterTheFall;
    for (const ui::Snapshot& seen : fight.seen)
        for (const auto& [component, shown] : seen.texts)
            if (shown == "You successfully flee from combat!") result.fled = true;
    ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
    return result;
}

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
    const FoughtFromSlot fight = FightFromSlot(false, 7);
    ASSERT_TRUE(fight.loaded);
    EXPECT_EQ(fight.error, "");
    // The ship fighting fell and the fight was lost with it: the death screen followed at once,
    // with no choice left on the combat screen, its second chance gave ship 1 back, and the
    // other ship's mark stayed as the slot had it.
    EXPECT_EQ(fight.deaths, 1);
    EXPECT_EQ(fight.afterTheFall, 0);
    EXPECT_EQ(g.CombatMayClose, 1);
    EXPECT_EQ(g.Players[1][Player::LifePoints], 0);
    EXPECT_EQ(g.Ships[1][1][Ship::Present], 1);
    EXPECT_GT(g.Ships[1][2][Ship::Present], 0);
}

TEST_F(ExtremeSlots, AFightOfAHandMadeSlotCanAlwaysBeFled) {
    // Slots that give the ship 1, 0 or fewer action points a turn and a move cost of -65.536,
    // with a hull no enemy wears down in a fight's time: every action costs 4 or more, the
    // flight 10, so the fight can only end once the ship gets the 10 a turn of the slowest class.
    for (const int32_t points : {1, 0, -100000000}) {
        SCOPED_TRACE(points);
        test::StartNewGame(FactionId::Federation, "Stuck");
        GameState& g = G();
        g.Ships[1][1][Ship::ActionPointsPerTurn] = points;
        g.Ships[1][1][Ship::MoveCost] = -65536;
        g.Ships[1][1][Ship::BaseStrength] = 100000000;
        const FoughtFromSlot fight = FightFromSlot(true, 11);
        ASSERT_TRUE(fight.loaded);
        EXPECT_EQ(fight.error, "");
        EXPECT_TRUE(fight.fled);
        EXPECT_EQ(g.CombatMayClose, 1);
        EXPECT_EQ(g.Ships[1][1][Ship::Present], 1);
    }
}

TEST_F(ExtremeSlots, NoSaleOrRewardOfAHandMadeSlotTakesMoneyAway) {
    // The fleet's planet asks -100.000.000 for Food, a good the slot marks undefined on a planet
    // it marks as existing twice over, so neither the day's repricing nor its drift touches that
    // price; and the captain's patrol, every objective done, pays -799.438.868. A price and a
    // reward the rules could have made are 0 at the least: the 10 units sell for nothing, the
    // patrol pays nothing, and the $C 1.000 stay.
    test::StartNewGame(FactionId::Federation, "Broke");
    GameState& g = G();
    const int s = FleetSystem(), l = FleetLocation();
    g.Players[1][Player::Money] = 1000;
    g.Cargo[1] = 10;
    RecountCargoRoom(1, 1);
    g.Goods[1][Good::Defined] = 0;
    g.Planets[s][l][Planet::Exists] = 2;
    g.Markets[s][l][1][Market::Price] = -100000000;
    GameRecord& patrol = g.Missions[1];
    patrol[Mission::Status] = 1;
    patrol[Mission::Kind] = MissionKind::Patrol;
    patrol[Mission::Client] = FactionId::Federation;
    patrol[Mission::Scope] = 1;
    patrol[Mission::TargetSystem] = s;
    patrol[Mission::Reward] = -799438868;
    const SaveImage image = EncodeSave(g);
    InitGameData();
    ASSERT_TRUE(ReplaceGameFrom(image.ints, image.texts));

    test::UseAnsweringBackend answering;
    answering.backend().answerEveryScreen = true;
    Rng().SetSeed(5);
    ClearGameEnded();
    g.NoEncounterThisTurn = 1;  // the turn after every load
    test::FromHome(NextTurn);
    g.NoEncounterThisTurn = 0;
    Form2->SpeedButton9Click();  // "Sell all goods"
    EXPECT_EQ(g.Cargo[1], 0);
    EXPECT_EQ(g.Players[1][Player::Money], 1000);
    test::FromHome(GameUpcalls().CheckMissionProgress);
    EXPECT_EQ(g.Missions[1][Mission::Status], 0);
    EXPECT_EQ(g.Players[1][Player::Money], 1000);
}

class WrittenSlots : public ExtremeSlots {};

// A slot is loaded as the rules made it, bit for bit: encoded again after the load it is the same.
// Loaded over the running game, as the planet screen loads.
void ExpectLoadedBitForBit(const SaveImage& image) {
    ASSERT_TRUE(ReplaceGameFrom(image.ints, image.texts));
    const SaveImage again = EncodeSave(G());
    EXPECT_EQ(again.texts, image.texts);
    const auto [at, _] = std::mismatch(image.ints.begin(), image.ints.end(), again.ints.begin());
    EXPECT_EQ(at, image.ints.end()) << "integer record " << (at - image.ints.begin()) / 4;
}

TEST_F(WrittenSlots, GainsPastTheMoneyCapLoadAsTheyWereSaved) {
    // War bonds sold, a poker win or a mission's pay leave money, fame and reputation above the
    // cap of 900.000.000 until the next turn; the fortune, money and bonds together, may lie
    // there for good.
    for (const int32_t value : {950000000, 2000000000}) {
        SCOPED_TRACE(value);
        test::StartNewGame(FactionId::Syndicate, "Rich");
        GameState& g = G();
        g.Players[1][Player::Money] = value;
        g.Players[1][Player::Fame] = value;
        g.Players[1][Player::NetWorthAtLastPay] = value;
        g.Factions[FactionId::Syndicate][Faction::Reputation] = value;
        g.Factions[FactionId::Coalition][Faction::Reputation] = -value;
        ExpectLoadedBitForBit(EncodeSave(g));
        EXPECT_EQ(g.Players[1][Player::Money], value);
        EXPECT_EQ(g.Players[1][Player::Fame], value);
        EXPECT_EQ(g.Factions[FactionId::Syndicate][Faction::Reputation], value);
    }
}

// Whether a day repriced markets after their drift: a conquest or a war keeps the drift of the
// old base, which may lie outside the band of the new one until the next day's drift.
bool RepricedOverOldDrifts() {
    const GameState& g = G();
    for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
            for (int good = Good::First; good <= Good::Last; ++good) {
                const GameRecord& m = g.Markets[s][l][good];
                if (g.Planets[s][l][Planet::Kind] != PlanetKind::Planet) continue;
                int32_t price = m[Market::Price], drift = m[Market::Drift];
                KeepInBand(m[Market::BasePrice], price, drift);
                if (price != m[Market::Price]) return true;
            }
    return false;
}

TEST_F(WrittenSlots, LongGamesSavedAndLoadedComeBackBitForBit) {
    // Six worlds of up to 300 days, saved and loaded again every tenth day and after every day
    // whose war repriced markets over the drifts of their old prices.
    test::UseAnsweringBackend answering;
    answering.backend().answerEveryScreen = true;
    answering.backend().record = false;
    int turns = 0, repriced = 0;
    for (int world = 1; world <= 6; ++world) {
        SCOPED_TRACE(world);
        test::StartNewGame(1 + world % 4, "Long");
        Rng().SetSeed(1000 + world);
        ClearGameEnded();
        for (int turn = 1; turn <= 300; ++turn, ++turns) {
            if (test::FromHome(NextTurn)) break;
            const bool over = RepricedOverOldDrifts();
            repriced += over;
            if (over || turn % 10 == 0) ExpectLoadedBitForBit(EncodeSave(G()));
        }
    }
    std::printf("%d days, %d of them repriced over old drifts\n", turns, repriced);
    EXPECT_GT(repriced, 0);
}

}  // namespace
}  // namespace corvanth
