// Missions flown as a player would: objectives, pick-ups, mission encounters and the reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "career/mission_player.h"
#include "career/missions.h"
#include "combat/Encounter.h"
#include "combat/EncounterScreen2.h"
#include "combat/combat2.h"
#include "shell/background.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "support/art.h"
#include "support/draws.h"
#include "support/game_test.h"
#include "travel/travelscreen.h"
#include "ui/render.h"

namespace corvanth {
namespace {

class MissionProgress : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        test::StartNewGame(1, "Mara Kellan");
        GameRecord& c = Captain();
        c[Player::LifePoints] = 3;
        c[Player::HideReputationLossNotices] = c[Player::HideReputationGainNotices] = 1;
        // The Federation is at peace with all but the Syndicate.
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b) G().Factions[a][Faction::RelationBase + b] = 1;
        Rng().SetSeed(2024);
        // The battle itself: won, or lost at the cost of a life point.
        GameUpcalls().ShowCombatScreen = [this] {
            ++fights;
            if (hurt) --Captain()[Player::LifePoints];
            EndCombat();
        };
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        GameTest::TearDown();
    }
    // A mission from the Federation against the Syndicate: $C 10.000, 400 fame, 200 reputation.
    GameRecord& Set(int kind, int scope, std::array<int, 4> objectives, int target = 0) {
        GameRecord& m = G().Missions[1];
        m.fill(0);
        m[Mission::Status] = 1;
        m[Mission::Kind] = kind;
        m[Mission::Reward] = 10000;
        m[Mission::Client] = 1;
        m[Mission::Scope] = scope;
        m[Mission::Difficulty] = 2;
        m[Mission::Opponent] = 3;
        for (int n = 0; n < 4; ++n) m[Mission::ObjectiveBase + 1 + n] = objectives[n];
        m[Mission::TargetSystem] = target;
        m[Mission::ReputationReward] = 200;
        m[Mission::FameReward] = 400;
        m[Mission::RequiredRank] = 2;
        return m;
    }
    void At(int system, int location = 1) {
        PlayerFleet()[Fleet::System] = system;
        PlayerFleet()[Fleet::Location] = location;
        CheckMissionProgress();
    }
    bool Active() const { return G().Missions[1][Mission::Status] > 0; }
    int Money() { return Captain()[Player::Money]; }
    int Fame() { return Captain()[Player::Fame]; }
    int Reputation() { return G().Factions[1][Faction::Reputation]; }
    int fights = 0;
    bool hurt = false;
};

TEST_F(MissionProgress, CombatKindsEndInTheirReports) {
    test::UseMissionBackend player;
    const int money = Money(), fame = Fame(), reputation = Reputation();
    // Search + Destroy in systems 2 and 3 (the other objectives were never set).
    Set(MissionKind::SearchAndDestroy, 2, {2, 3, 0, 0});
    At(2);
    EXPECT_TRUE(Active());
    EXPECT_EQ(G().Missions[1][Mission::ObjectiveBase + 1], 0);
    At(3);
    EXPECT_FALSE(Active());
    EXPECT_EQ(player->reports, std::vector<std::string>{"Mission successful"});
    // The rewards are added as they stand: 3.000 + 10.000, + 400 fame, + 200 reputation.
    EXPECT_EQ(Money(), money + 10000);
    EXPECT_EQ(Fame(), fame + 400);
    EXPECT_EQ(Reputation(), reputation + 200);
    EXPECT_EQ(Form46->Label4->caption, "(Total: $C: 13.000)");

    // An ambush lost in battle: a quarter of the fame, 400 div 4 = 100, nothing else.
    hurt = true;
    Set(MissionKind::Ambush, 1, {5, 0, 0, 0}, 4);
    At(4, 5);
    EXPECT_FALSE(Active());
    EXPECT_EQ(player->reports.back(), "Mission failed");
    EXPECT_EQ(Form46->Label5->caption, "Fame: - 100");
    EXPECT_EQ(Fame(), fame + 400 - 100);
    EXPECT_EQ(Money(), money + 10000);
    hurt = false;

    // Flying away from an unwarned faction always works, and fails the ambush.
    player->encounterButton = "SpeedButton2";
    Set(MissionKind::Ambush, 2, {6, 0, 0, 0});
    At(6);
    EXPECT_FALSE(Active());
    EXPECT_EQ(player->notices.back(), "You retreat.");
    // A patrol fled is still a patrol done: four systems, then success.
    Set(MissionKind::Patrol, 2, {2, 3, 5, 6});
    for (int s : {2, 3, 5, 6}) At(s);
    EXPECT_EQ(player->reports.back(), "Mission successful");

    // An escort counts its second objective only after the first; then the Defend countdown.
    player->encounterButton = "SpeedButton1";
    Set(MissionKind::Escort, 1, {5, 6, 0, 0}, 4);
    At(4, 6);
    EXPECT_EQ(G().Missions[1][Mission::ObjectiveBase + 2], 6);
    At(4, 5);
    At(4, 6);
    EXPECT_FALSE(Active());
    Set(MissionKind::Defend, 1, {5, 3, 0, 0}, 4);
    for (int turn = 0; turn < 3; ++turn) At(4, 5);
    EXPECT_NE(std::find(player->notices.begin(), player->notices.end(),
                        "Mission Objective accomplished. Turns left to defend: 1. Press \"Wait a "
                        "turn\""),
              player->notices.end());
    EXPECT_FALSE(Active());

    // A bounty after its deadline moves on; found in time, it is fought.
    Set(MissionKind::Bounty, 2, {5, 0, 10, 0});
    G().TurnNumber = 11;
    At(5);
    const int moved = G().Missions[1][Mission::ObjectiveBase + 1];
    EXPECT_NE(moved, 5);
    EXPECT_EQ(player->notices.back(),
              "MISSION: Too late! Your target has moved to the " + SystemName(moved) + " system.");
    EXPECT_GE(G().Missions[1][Mission::ObjectiveBase + 3], 11 + 10);
    const int foughtBefore = fights;
    At(moved);
    EXPECT_EQ(fights, foughtBefore + 1);
    EXPECT_FALSE(Active());
    EXPECT_EQ(player->reports.back(), "Mission successful");
    EXPECT_GT(player->encounterClicks, 0);

    // The rewards come on whole, past the cap too: the turn caps them, not the report. Just
    // under it 899.995.000 + 10.000 is 900.005.000, fame 899.999.900 + 400 is 900.000.300 and
    // the reputation 899.999.950 + 200 is 900.000.150; above it 900.005.000 + 10.000 is
    // 900.015.000.
    Captain()[Player::Money] = 899995000;
    Captain()[Player::Fame] = 899999900;
    G().Factions[1][Faction::Reputation] = 899999950;
    Set(MissionKind::Patrol, 2, {0, 0, 0, 0});
    MissionSucceeded();
    EXPECT_EQ(Money(), 900005000);
    EXPECT_EQ(Fame(), 900000300);
    EXPECT_EQ(Reputation(), 900000150);
    EXPECT_EQ(Form46->Label4->caption, "(Total: $C: 900.005.000)");
    Set(MissionKind::Patrol, 2, {0, 0, 0, 0});
    MissionSucceeded();
    EXPECT_EQ(Money(), 900015000);
    EXPECT_EQ(Form46->Label4->caption, "(Total: $C: 900.015.000)");
}

TEST_F(MissionProgress, CargoIntelligenceGoodsDataAndRaids) {
    test::UseMissionBackend player;
    GameState& g = G();
    // Transport of 5 units: refused once while the hold is full, taken after making room.
    GameRecord& m = Set(MissionKind::Transport, 1, {5, 6, 0, 0}, 4);
    m[Mission::Amount] = 5;
    m[Mission::LoadType] = 1;
    g.Cargo[1] = PlayerShip()[Ship::CargoCapacity] - 2;
    RecalcShipStats(1, 1, 0, 0);
    At(4, 5);
    At(4, 5);
    EXPECT_EQ(std::count(player->notices.begin(), player->notices.end(),
                         "MISSION: You do not have enough free cargo space to pick up the goods."),
              1);
    g.Cargo[1] = 0;
    RecalcShipStats(1, 1, 0, 0);
    At(4, 5);
    EXPECT_EQ(player->notices.back(), "MISSION: You pick up the goods.");
    // The load now takes its room in the hold.
    EXPECT_EQ(PlayerFleet()[Fleet::FreeCargo], PlayerShip()[Ship::CargoCapacity] - 5);
    At(4, 6);
    EXPECT_FALSE(Active());
    EXPECT_EQ(PlayerFleet()[Fleet::FreeCargo], PlayerShip()[Ship::CargoCapacity]);

    // Criminals without passenger room: refused again after leaving the smuggler.
    GameRecord& s = Set(MissionKind::Smuggling, 2, {5, 6, 0, 0});
    s[Mission::Amount] = 10;
    s[Mission::LoadType] = 2;
    PlayerFleet()[Fleet::PassengerCapacity] = 0;
    At(5);
    At(2);
    At(5);
    EXPECT_EQ(std::count(player->notices.begin(), player->notices.end(),
                         "MISSION: Not enough free passenger space to pick up the people from a "
                         "waiting transporter."),
              2);
    EXPECT_TRUE(Active());

    // Intelligence needs surveillance aboard.
    Set(MissionKind::Intelligence, 2, {2, 3, 5, 6});
    At(2);
    EXPECT_EQ(g.Missions[1][Mission::ObjectiveBase + 1], 2);
    GameRecord& slot = g.ShipEquipment[1][1][20];
    slot[Slot::Used] = 1;
    slot[Slot::EquipmentId] = 40;  // Surveillance
    // Nothing counts while the travel progress dialog shows: the trip's end checks once.
    PlayerFleet()[Fleet::DaysLeft] = 0;
    ui::UseHeadless()
        .Do("TForm13",
            [&](ui::Form&) {
                At(2);
                EXPECT_EQ(g.Missions[1][Mission::ObjectiveBase + 1], 2);
            })
        .CloseRequest("TForm13");
    Form13->ShowModal();
    for (int sys : {2, 3, 5, 6}) At(sys);
    EXPECT_FALSE(Active());

    // Goods data: every planet but two recorded; the last one ends it.
    Set(MissionKind::GoodsData, 0, {0, 0, 0, 0});
    for (int sys = StarSystem::First; sys <= StarSystem::Last; ++sys)
        for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
            g.Planets[sys][l][Planet::GoodsDataMark] = 1;
    std::vector<std::pair<int, int>> left;
    for (int sys = 2; sys <= 3; ++sys)
        for (int l = 1; l <= 35 && int(left.size()) < sys - 1; ++l)
            if (g.Planets[sys][l][Planet::Exists] && g.Planets[sys][l][Planet::Kind] == 1) {
                g.Planets[sys][l][Planet::GoodsDataMark] = 0;
                left.emplace_back(sys, l);
            }
    ASSERT_EQ(left.size(), 2u);
    At(left[0].first, left[0].second);
    EXPECT_EQ(player->notices.back(), "You record the prices of the goods. 1 planets left.");
    At(left[1].first, left[1].second);
    EXPECT_FALSE(Active());

    // A raid is settled by the raid: a stop at its planet changes nothing.
    Set(MissionKind::RaidPlanet, 2, {5, 0, 0, 0}, 3);
    At(3, 5);
    EXPECT_TRUE(Active());
    const size_t reports = player->reports.size();
    FailMissionUnlessPatrol();
    EXPECT_EQ(player->reports.size(), reports + 1);
}

TEST_F(MissionProgress, WarEffectByRankAndNoReportAfterAFinalDeath) {
    test::UseMissionBackend player;
    G().Factions[1][Faction::RelationBase + 3] = 2;
    // Over seeded missions at rank 1 (7 in 100) and rank 6 (40 in 100) the note comes that often.
    for (int rank : {1, 6}) {
        int notes = 0;
        for (int i = 0; i < 300; ++i) {
            G().Factions[1][Faction::WarScoreBase + 3] = 0;
            Set(MissionKind::Intelligence, 2, {0, 0, 0, 2})[Mission::RequiredRank] = rank;
            G().Missions[1][Mission::ObjectiveBase + 1] = 0;
            MissionSucceeded();
            notes += G().Factions[1][Faction::WarScoreBase + 3];
        }
        // Three standard deviations of 300 draws: about 13 at 7 %, 25 at 40 %.
        EXPECT_NEAR(notes, rank == 1 ? 21 : 120, rank == 1 ? 14 : 26) << rank;
    }
    // Earned by a success and shown at once by the promotion check after the reward.
    EXPECT_EQ(G().Factions[1][Faction::SilverStar], 1);
    // A transport's field 7 is its load: passengers (2) never touch the war with faction 2.
    G().Factions[1][Faction::RelationBase + 2] = 2;
    for (int i = 0; i < 100; ++i) {
        Set(MissionKind::Transport, 2, {0, 0, 0, 0})[Mission::LoadType] = 2;
        G().Missions[1][Mission::RequiredRank] = 6;
        MissionSucceeded();
    }
    EXPECT_EQ(G().Factions[1][Faction::WarScoreBase + 2], 0);

    // A final death in the ambush: the score ends the game, and no mission report follows.
    Captain()[Player::LifePoints] = 0;
    GameUpcalls().ShowCombatScreen = [] {
        EndCombat();
        GameUpcalls().KillCaptain();
    };
    const size_t reports = player->reports.size();
    Set(MissionKind::Ambush, 2, {6, 0, 0, 0});
    test::FromHome([&] { At(6); });
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(player->reports.size(), reports);
}

TEST_F(MissionProgress, EncounterScreenStagesRetreatsAndItsCloseGuard) {
    // Stage 3 retreats: caught above 5 from a faster enemy, above 30 otherwise.
    int escaped = 0;
    Rng().SetSeed(5);
    for (int i = 0; i < 10000; ++i) escaped += !RetreatCaught(3, true, Random(100));
    EXPECT_NEAR(escaped, 600, 72);
    EXPECT_FALSE(RetreatCaught(1, false, 80));
    EXPECT_TRUE(RetreatCaught(1, false, 81));
    EXPECT_TRUE(RetreatCaught(2, true, 21));
    EXPECT_EQ(MissionEncounterAttitude(3), 2);
    G().Factions[3][Faction::Warned] = 1;
    EXPECT_EQ(MissionEncounterAttitude(3), 1);

    // A warned faction's ship fires first at an attack about 51 times in 100.
    {
        test::UseMissionBackend player;
        int first = 0;
        for (int i = 0; i < 400; ++i) {
            Set(MissionKind::Ambush, 2, {6, 0, 0, 0});
            StartMissionEncounter(2, 3, 0);
            first += player->notices.back().find("fires first!") != std::string::npos;
        }
        EXPECT_NEAR(first, 204, 30);
    }

    // The close box is refused; the stages come one by one, a retreat from the warned faction's
    // faster ship caught at stage 1 (a draw of 21..80 catches only a faster ship) and one at
    // stage 3 escaping with a draw of 5; the retreat fails the mission.
    const int foughtBefore = fights;
    Set(MissionKind::Ambush, 2, {6, 0, 0, 0});
    auto draw = [](auto wanted) {
        Rng().SetSeed(test::SeedWhere([&](RandomGenerator& r) { return wanted(r.Next(100)); }));
    };
    player()
        .CloseRequest("TForm20")
        .Do("TForm20",
            [&](ui::Form& f) {
                static const char* const kSizes[] = {"VERY SMALL", "SMALL", "MEDIUM", "LARGE",
                                                     "VERY LARGE"};
                EXPECT_TRUE(f.Visible());
                EXPECT_EQ(Form20->SpeedButton1->caption, "Investigate");
                EXPECT_EQ(Form20->SpeedButton2->caption, "Fly away");
                EXPECT_EQ(Form20->Image2->picture, "TargetingSystem.jpg");
                EXPECT_EQ(Form20->Label2->caption,
                          std::string("You have a ") +
                              kSizes[G().Ships[0][1][Ship::SizeClass] - 1] +
                              " vessel on your long-range scanners, but you can not say yet what "
                              "kind of ship it is.");
                G().Ships[0][1][Ship::Speed] = 1000;
                draw([](int r) { return r > 20 && r <= 80; });
            })
        .Click("TForm20", "SpeedButton2")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "The other ship is faster than your ship and is closing in.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm20",
            [](ui::Form&) {
                EXPECT_EQ(EncounterStage, 2);
                EXPECT_EQ(Form20->SpeedButton1->caption, "Investigate");
                EXPECT_EQ(Form20->Image2->picture,
                          GetShipPictureName(G().Ships[0][1][Ship::Class]));
                EXPECT_EQ(Form20->Label2->caption,
                          "It is a " + ShipClassName(0, 1) +
                              ". You are still not close enough to identify its faction or "
                              "intentions.");
            })
        .Click("TForm20", "SpeedButton1")
        .Do("TForm20",
            [&](ui::Form&) {
                EXPECT_EQ(Form20->SpeedButton1->caption, "Close in for battle");
                EXPECT_EQ(Form20->Label2->caption, "Your scanners indicate its a " +
                                                       ShipClassName(0, 1) + " of the " +
                                                       FactionName(3) + ".");
                ui::RenderFormToPng(*Form20, CORVANTH_SCREENS_DIR "/TForm20_logo.png");
                draw([](int r) { return r == 5; });
            })
        .Click("TForm20", "SpeedButton2")
        .Do("TMessage1", [](ui::Form&) { EXPECT_EQ(Message1->Label1->caption, "You retreat."); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm46", [](ui::Form&) { EXPECT_EQ(Form46->Label1->caption, "Mission failed"); })
        .Click("TForm46", "SpeedButton1");
    At(6);
    EXPECT_FALSE(Active());
    EXPECT_EQ(fights, foughtBefore);
}

}  // namespace
}  // namespace corvanth
