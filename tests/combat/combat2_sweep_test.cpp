// 2,000 seeded battles of every kind, fought by a seeded player, with the combat's invariants
// checked after every action and every end of turn.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>

#include "combat/combat_fixture.h"
#include "state/upcalls.h"
#include "support/answering_backend.h"
#include "support/combat_player.h"

namespace corvanth {
namespace {

using test::CombatTest;

class CombatSweep : public CombatTest {
  protected:
    // Breaks one of the combat's invariants, or "" when all hold.
    std::string Broken() {
        GameState& g = G();
        if (g.CombatRange < 1 || g.CombatRange > 3) return "range";
        for (const GameRecord* ship : {&Own(), &Enemy()}) {
            const GameRecord& s = *ship;
            if (s[Ship::ActionPointsLeft] < 0 ||
                s[Ship::ActionPointsLeft] > s[Ship::ActionPointsPerTurn])
                return "action points";
            if (s[Ship::Strength] > s[Ship::MaxStrength]) return "hull above its maximum";
            if (s[Ship::MinesDeployed] < 0 || s[Ship::SuperminesDeployed] < 0) return "mines";
        }
        for (int fleet : {0, 1})
            for (int s = Slot::First; s <= Slot::Last; ++s)
                if (g.ShipEquipment[fleet][1][s][Slot::Ammunition] < 0) return "ammunition";
        for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
            const GameRecord& track = g.Projectiles[t];
            if (track[Projectile::Active] == 0) continue;
            const bool atEnemy =
                track[Projectile::TargetFleet] == 0 && track[Projectile::ShooterFleet] == 1;
            const bool atPlayer =
                track[Projectile::TargetFleet] == 1 && track[Projectile::ShooterFleet] == 0;
            if ((!atEnemy && !atPlayer) || track[Projectile::TargetShip] != 1 ||
                track[Projectile::TurnsToImpact] < 1)
                return "track";
        }
        return "";
    }
};

TEST_F(CombatSweep, TwoThousandSeededBattlesKeepEveryInvariantAndEndWithOneResult) {
    test::UseAnsweringBackend answering;
    GameState& g = G();
    Captain()[Player::HideFameGainNotices] = 1;
    Captain()[Player::HideReputationGainNotices] = 1;
    const int playerTypes[5] = {3, 5, 7, 9, 12};  // size classes 1..5
    std::map<std::string, int> results;
    std::map<int, int> turns;  // by tens
    int broken = 0;
    for (int i = 0; i < 2000; ++i) {
        std::mt19937 setting(i);
        const int faction = 1 + i % 5;
        const int size = 1 + (i / 5) % 5;
        GiveShip(1, playerTypes[(i / 25) % 5]);
        Own()[Ship::CrewMercenaries] = static_cast<int>(setting() % 20);
        Captain()[Player::CheatCombatLuck] = setting() % 4 == 0;
        g.TurnNumber = setting() % 4 == 0 ? 30 : 500;
        const bool tournament = setting() % 6 == 0;
        Captain()[Player::TournamentFightInProgress] = tournament;
        g.PlayerTournament = 1;
        g.TournamentEntrants[1][2] = 5;
        g.Gladiators[5][Gladiator::Skill] = 1 + static_cast<int>(setting() % 4);
        Captain()[Player::Money] = 100000;
        Captain()[Player::LifePoints] = 0;
        const bool enemyFirst = setting() % 3 == 0;
        combatEnds = 0;

        test::SeededCombatPlayer player(static_cast<uint32_t>(i) * 2654435761u);
        std::string failure;
        player.afterEach = [&] {
            if (failure.empty()) failure = Broken();
        };
        // Every hundredth battle is between two unarmed ships that cannot flee: undecided.
        const bool unarmed = i % 100 == 99;
        player.mayFlee = !unarmed;
        auto disarm = [&] {
            if (!unarmed) return;
            Fit(0, {8});
            Fit(1, {8});
            SetupCombatScreen();
        };
        GameUpcalls().ShowCombatScreen = [&] {
            disarm();
            player.Fight();
        };
        GameUpcalls().ShowMissionEncounterScreen = [&] {
            disarm();
            StartCombatEnemyFirst();
            player.afterEach();
            player.Fight();
        };
        Rng().SetSeed(1000 + i);
        if (enemyFirst) {
            StartMissionEncounter(size, 1 + i % 4, 0);
        } else {
            StartShipBattle(size, faction, 0);
        }

        const bool lost = Own()[Ship::Present] == 0;
        const bool destroyed = !lost && Enemy()[Ship::Present] == 0;
        const int outcomes = lost + destroyed + player.fled + player.undecided;
        const char* result = lost          ? "ship lost"
                             : destroyed   ? "enemy destroyed"
                             : player.fled ? "fled"
                                           : "undecided";
        ++results[result];
        ++turns[CombatTurnCount / 10 * 10];
        if (!failure.empty() || outcomes != 1 || combatEnds != 1) {
            ++broken;
            ADD_FAILURE() << "battle " << i << ": " << failure << ", " << outcomes << " results, "
                          << combatEnds << " ends";
            if (broken > 5) break;
        }
    }
    std::printf("Results of 2,000 battles:\n");
    for (const auto& [name, count] : results) std::printf("  %-16s %5d\n", name.c_str(), count);
    std::printf("Turns fought:\n");
    for (const auto& [from, count] : turns) std::printf("  %3d..%3d %5d\n", from, from + 9, count);
    EXPECT_EQ(broken, 0);
    EXPECT_GT(results["enemy destroyed"], 0);
    EXPECT_GT(results["ship lost"], 0);
    EXPECT_GT(results["fled"], 0);
    EXPECT_EQ(results["undecided"], 20);
}

}  // namespace
}  // namespace corvanth
