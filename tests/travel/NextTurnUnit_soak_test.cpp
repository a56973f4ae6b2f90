// 20,000 seeded turns of a wandering captain, with the world's invariants checked after each.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "shell/SaveLoad.h"
#include "support/answering_backend.h"
#include "support/home.h"
#include "travel/travel_support.h"
#include "travel/turn_fixture.h"

namespace corvanth {
namespace {

constexpr int64_t kCap = 900000000;
constexpr int64_t kPastTheCapAtMost = kCap + kCap / 10;

// The band of a base price: the lowest price and the largest drift in per cent of the base.
bool Band(int b, int& floorPercent, int& maxDrift) {
    const int rows[][4] = {{0, 50, 10, 90},      {51, 100, 20, 80},     {101, 400, 50, 50},
                           {401, 950, 60, 40},   {951, 1499, 70, 30},   {1500, 2499, 73, 27},
                           {2500, 5000, 76, 24}, {5001, 10000, 85, 15}, {10001, 100000, 90, 10}};
    for (const auto& r : rows) {
        if (b >= r[0] && b <= r[1]) {
            floorPercent = r[2];
            maxDrift = r[3];
            return true;
        }
    }
    return false;
}

class Soak : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        ClearGameEnded();
        TutorialStep = 0;
    }
    void TearDown() override {
        ClearGameEnded();
        GameTest::TearDown();
    }

    // A new life for the captain: the start, with the surveillance kit in slot 1, hated by the
    // Coalition, and the cheat for more events on for every second life.
    void NewCaptain(bool moreEvents) {
        test::StartTestGame();
        GameState& g = G();
        g.ShipEquipment[1][1][1][Slot::Used] = 1;
        g.ShipEquipment[1][1][1][Slot::EquipmentId] = 40;
        g.Factions[FactionId::Coalition][Faction::Reputation] = -500;
        g.Players[1][Player::CheatMoreEvents] = moreEvents ? 1 : 0;
        g.Factions[1][Faction::WarBonds] = 50000;
        ClearGameEnded();
    }

    // What the markets are priced from besides the drift: relations, owners and facilities. The
    // war and diplomacy reprice in the middle of a turn, after the drift was kept in its band.
    static std::vector<int32_t> PricingInputs() {
        const GameState& g = G();
        std::vector<int32_t> v;
        for (int f = 1; f <= 4; ++f)
            for (int o = 1; o <= 5; ++o) v.push_back(g.Factions[f][Faction::RelationBase + o]);
        for (int s = 1; s <= 26; ++s) {
            v.push_back(g.StarSystems[s][StarSystem::Owner]);
            for (int l = 1; l <= 35; ++l)
                for (int k = Planet::Owner; k <= Planet::IllegalLabs; ++k)
                    v.push_back(g.Planets[s][l][k]);
        }
        return v;
    }

    void CheckWorld(int turn, const std::vector<int32_t>& basesBefore, bool repricedInTurn) {
        const GameState& g = G();
        int b = 0;
        for (int s = 1; s <= 26; ++s) {
            int cell[6][8] = {};
            bool siteIn[6][8] = {};
            int sites = 0;
            for (int l = 1; l <= 35; ++l) {
                const GameRecord& p = g.Planets[s][l];
                const bool market = g.StarSystems[s][StarSystem::Exists] == 1 &&
                                    p[Planet::Exists] == 1 && p[Planet::Kind] == 1;
                for (int good = 1; good <= 20; ++good, ++b) {
                    const GameRecord& m = g.Markets[s][l][good];
                    if (!market) continue;
                    ASSERT_GE(m[Market::Price], 1) << turn << ": " << s << "/" << l << "/" << good;
                    int f = 0, q = 0;
                    // A base repriced during this turn is brought into its band by the next.
                    if (repricedInTurn || m[Market::BasePrice] != basesBefore[b] ||
                        !Band(m[Market::BasePrice], f, q))
                        continue;
                    const int base = m[Market::BasePrice];
                    ASSERT_GE(m[Market::Price], std::max(1, base * f / 100)) << turn;
                    ASSERT_LE(m[Market::Price], std::max(1, base + base * q / 100)) << turn;
                }
                if (!p[Planet::Exists]) continue;
                const bool site =
                    p[Planet::Kind] == PlanetKind::Special && p[Planet::EventSlot] > 0;
                const int c = p[Planet::MapColumn], r = p[Planet::MapRow];
                ASSERT_TRUE(!site || (c >= 1 && c <= 5 && r >= 1 && r <= 7)) << turn;
                if (c >= 1 && c <= 5 && r >= 1 && r <= 7) {
                    // The catalogue itself puts two locations of Westwind in one cell; an event
                    // site never shares one.
                    ASSERT_FALSE((site && cell[c][r] != 0) || siteIn[c][r])
                        << turn << ": a site shares a cell of system " << s;
                    ++cell[c][r];
                    siteIn[c][r] = site;
                }
                if (site) {
                    ++sites;
                    const int e = p[Planet::EventSlot];
                    ASSERT_LE(e, 4);
                    ASSERT_EQ(g.SpaceEvents[s][e][SpaceEvent::Active], 1) << turn;
                    ASSERT_EQ(g.SpaceEvents[s][e][SpaceEvent::Location], l) << turn;
                }
            }
            ASSERT_LE(sites, 4);
            for (int e = 1; e <= 4; ++e) {
                const GameRecord& ev = g.SpaceEvents[s][e];
                if (ev[SpaceEvent::Active] != 1) continue;
                const int l = ev[SpaceEvent::Location];
                ASSERT_TRUE(l >= 1 && l <= 35) << turn;
                ASSERT_EQ(g.Planets[s][l][Planet::Exists], 1) << turn;
                ASSERT_EQ(g.Planets[s][l][Planet::EventSlot], e) << turn;
            }
        }
        const GameRecord& captain = g.Players[1];
        const int fleetState = captain[Player::TreasureFleetSystem];
        ASSERT_TRUE(fleetState == -1 || (fleetState >= 0 && fleetState <= 26)) << turn;
        ASSERT_TRUE(captain[Player::TreasureFleetNoticeShown] == 0 ||
                    captain[Player::TreasureFleetNoticeShown] == 1);
        // The cap comes with each turn, before the day's gains: what stands past it after a turn
        // is that turn's own gains, each a few per cent of the value, and the next turn takes it
        // back. A turn that lost its cap would let fame run on to 32 bits' end.
        ASSERT_LE(captain[Player::Money], kPastTheCapAtMost) << turn;
        ASSERT_LE(captain[Player::Fame], kPastTheCapAtMost) << turn;
        // Loot and combat never leave the hold below nothing or past its room.
        for (int good = 1; good <= 20; ++good) ASSERT_GE(g.Cargo[good], 0) << turn;
        ASSERT_TRUE(g.Fleets[1][Fleet::FreeCargo] >= 0 || GameEnded()) << turn;
        ASSERT_TRUE(ui::App().ModalStack().empty()) << turn << ": a screen stayed open";
        for (int f = 1; f <= 4; ++f) {
            ASSERT_LE(g.Factions[f][Faction::Reputation], kPastTheCapAtMost) << turn;
            ASSERT_GE(g.Factions[f][Faction::WarBonds], 0) << turn;
            ASSERT_LE(g.Factions[f][Faction::WarBonds], kCap) << turn;
        }
    }
};

// 20,000 turns in four parts that ctest runs side by side (under the sanitizers a turn costs
// some 19 ms, mostly the market repricing). Each part is one seeded run of 5,000 turns, its
// captain starting at another age, so every part lives through old age and death.
class SoakPart : public Soak, public ::testing::WithParamInterface<int> {};

TEST_P(SoakPart, FiveThousandTurnsKeepPricesEventsTheTreasureFleetAndTheCapsSound) {
    const int part = GetParam();
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    Rng().SetSeed(777 + part);
    std::mt19937 wander(1234 + part);
    int lives = 1;
    NewCaptain(false);
    G().TurnNumber = 1350 + part * 900;  // ages 35, 45, 55 and 65 at the start
    std::vector<int32_t> bases(26 * 35 * 20);
    bool ended = false;
    for (int turn = 1; turn <= 5000; ++turn) {
        if (ended) NewCaptain(++lives % 2 == 0);
        if (wander() % 8 == 0) test::WanderSomewhere(wander);
        int b = 0;
        for (int s = 1; s <= 26; ++s)
            for (int l = 1; l <= 35; ++l)
                for (int good = 1; good <= 20; ++good)
                    bases[b++] = G().Markets[s][l][good][Market::BasePrice];
        const std::vector<int32_t> inputs = PricingInputs();
        G().NoEncounterThisTurn = (turn % 5 == 0) ? 1 : 0;
        ended = test::FromHome(NextTurn);
        ASSERT_NO_FATAL_FAILURE(CheckWorld(turn, bases, PricingInputs() != inputs));
        // A game played on stays a game a save can give back: no index out of its range.
        if (turn % 250 == 0 && GameRunning()) {
            EXPECT_TRUE(SavedIndicesValid(G())) << turn;
        }
    }
    const auto& seen = answering.backend().answered;
    // The run went through old age and the world's notices.
    EXPECT_GT(lives, 1);
    EXPECT_GT(seen.count("TMessage6") ? seen.at("TMessage6") : 0, 3);
    EXPECT_GT(seen.count("TMessage4") ? seen.at("TMessage4") : 0, 1);
    // Ships were met, approached and fought.
    EXPECT_GT(seen.count("TForm15") ? seen.at("TForm15") : 0, 20);
    EXPECT_GT(seen.count("TForm14") ? seen.at("TForm14") : 0, 20);
}

INSTANTIATE_TEST_SUITE_P(TwentyThousandTurns, SoakPart, ::testing::Values(0, 1, 2, 3));

}  // namespace
}  // namespace corvanth
