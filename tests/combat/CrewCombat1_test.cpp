// Boarding and the captured ship: a capture played on the screens, the round's arithmetic, the
// enemy's party and the squad that is called back.
#include "combat/CrewCombat1.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "combat/Captured.h"
#include "combat/CrewCombatReport.h"
#include "combat/combat2_parts.h"
#include "combat/combat2_screen.h"
#include "combat/combat_fixture.h"
#include "combat/crewcombatchoose.h"
#include "shell/background.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "support/art.h"
#include "support/draws.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kBoardingShuttle = 20;  // crew 5
constexpr int kMissile = 27;          // a Brute Missile: main value 6
constexpr int kFerendar = 5;

class Boarding : public test::CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        test::LinkGameArt(std::filesystem::current_path());
        GameUpcalls() = StandardUpcalls();
        GameUpcalls().KillCaptain = [] {};
        player().LeavePicture("TForm30");  // drawn with the squad picked
        GiveShip(1, 7);
        Fit(1, {kBoardingShuttle});
        Own()[Ship::CrewMercenaries] = 6;
        GiveShip(0, kFerendar);
        Fit(0, {});
        Enemy()[Ship::Faction] = FactionId::Pirates;
        Enemy()[Ship::CrewOfficers] = 0;  // the pirate's crew is gone
        Own()[Ship::SelectedWeaponSlot] = 1;
        g().CombatRange = 1;
    }
    static GameState& g() { return G(); }
};

// (a) The pirate's crew is gone, so the round cannot fail (c = 21) unless the squad dies; its
// one hit (Random(0) + 1) may kill one mercenary.
TEST_F(Boarding, ACapturedFerendarIsTakenWithTheOldCrew) {
    const int officers = Own()[Ship::CrewOfficers];
    // The shuttle's reliability is 100: the first draw always passes; the second, out of 100
    // for a crew rated 1 (90 for 2, 80 for 3), gets across below 40.
    const int rating = combat::CrewRating(Own(), kAbilityCloseCombat);
    uint32_t seed = 1;
    for (;; ++seed) {
        Rng().SetSeed(seed);
        Random(100);
        if (Random(rating <= 1 ? 100 : rating == 2 ? 90 : 80) < 40) break;
    }
    Rng().SetSeed(seed);
    const int64_t ownValue = Own()[Ship::HullPrice] + 50000;  // hull and the shuttle
    const int64_t foeValue = Enemy()[Ship::HullPrice];        // no slots: the hull alone
    g().CapturedCargo.fill(0);
    g().CapturedCargo[9] = 12;
    g().CapturedCargo[4] = 30;
    const int32_t money = Captain()[Player::Money];
    StartCombat();
    player()
        .Click("TForm14", "SpeedButton4")
        .Do("TForm30",
            [](ui::Form&) {
                EXPECT_EQ(Form30->Label3->caption, "Shuttles transfer rate: 5 left.");
                EXPECT_FALSE(Form14->Timer1->Enabled());  // the radar waits
            })
        .Click("TForm30", "SpeedButton1")  // an empty squad cannot attack
        .Click("TMessage1", "SpeedButton3");
    for (int i = 0; i < 6; ++i) player().Click("TForm30", "SpeedButton8");
    player()
        .Do("TForm30",
            [&](ui::Form& f) {
                EXPECT_EQ(Form30->Squad[CrewKind::Mercenaries]->caption, "5");  // 5 places
                EXPECT_EQ(Form30->Reserve[CrewKind::Mercenaries]->caption, "1");
                EXPECT_EQ(Form30->Label3->font.color, ui::colors::Red);
                ui::RenderFormToPng(f, std::string(CORVANTH_SCREENS_DIR) + "/TForm30.png");
            })
        .Click("TForm30", "SpeedButton1")
        .Do("TForm48", [](ui::Form&) { EXPECT_FALSE(Form48->SpeedButton4->enabled); })
        .Click("TForm48", "SpeedButton3")
        .Do("TForm47",
            [](ui::Form&) {
                EXPECT_EQ(Form47->Label1->caption, "Attack successful!");
                EXPECT_EQ(Form47->Att_A[CrewKind::Mercenaries]->caption, "5");
            })
        .Click("TForm47", "SpeedButton1")
        .Do("TForm32",
            [&](ui::Form&) {
                EXPECT_EQ(Form32->Label5->caption, "$C: " + FormatThousands(ownValue / 4));
                EXPECT_EQ(Form32->Label6->caption, "$C: " + FormatThousands(foeValue / 4));
            })
        .CloseRequest("TForm32")  // refused: the deal is still open
        .Click("TForm32", "SpeedButton2")
        .Do("TForm51", [](ui::Form&) { EXPECT_EQ(g().LootItem[Loot::Good], 4); })
        .Click("TForm51", "SpeedButton4")
        .Do("TForm32", [](ui::Form&) { EXPECT_FALSE(Form32->SpeedButton2->enabled); })
        .Click("TForm32", "SpeedButton5");
    ShowCombatScreen();

    // The crew came home, less the dead, and moved into the Ferendar.
    EXPECT_EQ(Own()[Ship::Class], kFerendar);
    EXPECT_EQ(Own()[Ship::Present], 1);
    EXPECT_EQ(Own()[Ship::CrewOfficers], officers);
    EXPECT_EQ(Own()[Ship::CrewMercenaries], 6 - AttackerLosses);
    EXPECT_EQ(Captain()[Player::Money], money + ownValue / 4);
    EXPECT_EQ(g().ShipEquipment[1][1][1][Slot::Used], 0);  // the Ferendar's empty slots
    EXPECT_EQ(g().CapturedCargo[9], 0);                    // the rest of the hold is lost
    EXPECT_EQ(g().CombatMayClose, 1);
}

// The chance out of 20 after the casualties, worked by hand.
TEST_F(Boarding, TheRoundChanceAndTheCasualtyExchange) {
    using namespace BoardingMissionKind;
    // Player, rating 1: base 8; 10 against 4: 4/2 < 10 gives +6, 10/4 = 2 < 4 gives -10;
    // capture -2; the enemy defends: +4. 8 + 6 - 10 - 2 + 4 = 6.
    EXPECT_EQ(BoardingRoundChance(true, 1, 10, 4, Capture, true), 6);
    // Rating 3, 8 against 2: 16 + 6, 8/4 = 2 is not below 2; recon +6, +4: 32.
    EXPECT_EQ(BoardingRoundChance(true, 3, 8, 2, Recon, true), 32);
    // Rating 2, 1 against 30: 12 - 10 + 4 = 6 for a steal.
    EXPECT_EQ(BoardingRoundChance(true, 2, 1, 30, Steal, true), 6);
    EXPECT_EQ(BoardingRoundChance(true, 1, 3, 0, Capture, true), 21);  // nobody defends
    EXPECT_EQ(BoardingRoundChance(true, 3, 0, 5, Recon, true), 0);     // the squad is dead
    // The enemy: base 6 / 8 / 12, capture -2, no +4. 12 + 6 - 2 = 16 with 10 against 2.
    EXPECT_EQ(BoardingRoundChance(false, 3, 10, 2, Capture, false), 16);
    EXPECT_EQ(BoardingRoundChance(false, 1, 2, 9, Capture, false), -6);  // 6 - 10 - 2
    EXPECT_EQ(BoardingRoundChance(false, 2, 4, 0, Capture, false), 21);

    // Ten mercenaries against one officer: 1 or 2 hits (Random(min(15, 2)) + 1) on the officer,
    // 1 hit (Random(0) + 1) on the mercenaries. A hit lands on a kind drawn six times at most,
    // so it may find nobody and is wasted: the losses are the men missing, never more.
    PlayerIsBoarding = 1;
    EnemyIsBoarding = 0;
    InitBoarding();  // squads: none, and the enemy's crew (none)
    int officersKilled = 0;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        Rng().SetSeed(seed);
        Own()[Ship::BoardingMercenaries] = 10;
        Enemy()[Ship::BoardingOfficers] = 1;
        ResolveBoardingCasualties();
        EXPECT_EQ(Enemy()[Ship::BoardingOfficers], 1 - DefenderLosses);
        EXPECT_EQ(Own()[Ship::BoardingMercenaries], 10 - AttackerLosses);
        officersKilled += DefenderLosses;
    }
    EXPECT_GT(officersKilled, 10);
    // The ransom: 100,000..249,999, 500,000..999,999 or 1,000,000..2,499,999, times 3.
    const int64_t small = DrawVipRansom(3), mid = DrawVipRansom(4), big = DrawVipRansom(5);
    EXPECT_TRUE(small >= 300000 && small <= 749997 && small % 3 == 0) << small;
    EXPECT_TRUE(mid >= 1500000 && mid <= 2999997 && mid % 3 == 0) << mid;
    EXPECT_TRUE(big >= 3000000 && big <= 7499997 && big % 3 == 0) << big;
}

// Steal and recon against an empty defence (c = 21), the abduction only in the VIP's battle.
TEST_F(Boarding, StealTakesTheLowestGoodReconCountsTheCrewAbductionNeedsTheVip) {
    PlayerIsBoarding = 1;
    EnemyIsBoarding = 0;
    g().CapturedCargo.fill(0);
    g().CapturedCargo[6] = 40;
    g().CapturedCargo[3] = 15;
    auto round = [&](int mission) {
        const int before = Own()[Ship::CrewMercenaries];
        InitBoarding();
        AddToBoardingSquad(CrewKind::Mercenaries);
        AddToBoardingSquad(CrewKind::Mercenaries);
        BoardingMission = mission;
        ResolveBoardingRound();
        // Home again, less the dead, whatever the outcome; the shuttle places are back.
        EXPECT_EQ(Own()[Ship::CrewMercenaries], before - AttackerLosses);
        EXPECT_EQ(Own()[Ship::ShuttleTransferRate], Own()[Ship::BoardingShuttles]);
    };
    std::vector<int> looted;
    GameUpcalls().ShowLoot = [&](const std::string&, const std::string&) {
        looted.push_back(g().LootItem[Loot::Good]);
    };
    player().Click("TForm47", "SpeedButton1");
    round(BoardingMissionKind::Steal);
    EXPECT_EQ(looted, std::vector<int>{3});  // one good a steal: the lowest
    EXPECT_EQ(g().CapturedCargo[6], 40);

    // Recon: the notice counts the enemy's men after the round.
    Enemy()[Ship::CrewOfficers] = 0;
    player().Click("TForm47", "SpeedButton1").Click("TMessage6", "SpeedButton3");
    round(BoardingMissionKind::Recon);
    EXPECT_EQ(player().LastSeen("TMessage6")->Text("Label1"),
              "The enemy has 0 crewmen. In detail: 0 officers, 0 droids, 0 mercenaries, 0 "
              "adventurers, 0 scoundrels.");
    EXPECT_TRUE(Message6->Find("CheckBox1")->enabled);  // enabled again afterwards

    // Abduction without the VIP: the round is fought and nothing follows.
    const int32_t money = Captain()[Player::Money];
    round(BoardingMissionKind::Abduct);
    EXPECT_EQ(Enemy()[Ship::Present], 1);
    // In the VIP's battle the VIP is taken and pays, and his ship is out of the fight.
    g().VipEventBattle = 1;
    player().Click("TForm47", "SpeedButton1").Click("TMessage4", "SpeedButton1");
    round(BoardingMissionKind::Abduct);
    g().VipEventBattle = 0;
    EXPECT_EQ(Enemy()[Ship::Present], 0);
    EXPECT_GE(Captain()[Player::Money], money + 300000);
    EXPECT_TRUE(player().LastSeen("TMessage4")->Text("Memo1").find("Pleeeeaaasse") !=
                std::string::npos);
}

// The enemy's party: its own shuttle places (not the player's missile), its order of kinds,
// a capture every time; and a squad called back from TForm30 returns aboard.
TEST_F(Boarding, TheEnemyPartyAndTheSquadCalledBack) {
    Fit(1, {kMissile, kBoardingShuttle});
    Own()[Ship::SelectedWeaponSlot] = 1;
    Enemy()[Ship::CrewOfficers] = 2;
    Enemy()[Ship::CrewDroids] = 1;
    Enemy()[Ship::CrewMercenaries] = 1;
    Enemy()[Ship::CrewScoundrels] = 3;
    Enemy()[Ship::CrewMin] = 3;
    Enemy()[Ship::BoardingShuttles] = 0;  // no shuttle places of its own: at least 1
    PlayerIsBoarding = 0;
    EnemyIsBoarding = 1;
    InitBoarding();
    EXPECT_EQ(Enemy()[Ship::ShuttleTransferRate], 1);
    Enemy()[Ship::ShuttleTransferRate] = 5;
    // Mercenary, droid, scoundrel, scoundrel; then 7 - 4 = 3 aboard is the minimum.
    ChooseEnemyBoardingSquad();
    EXPECT_EQ(Enemy()[Ship::BoardingMercenaries], 1);
    EXPECT_EQ(Enemy()[Ship::BoardingDroids], 1);
    EXPECT_EQ(Enemy()[Ship::BoardingScoundrels], 2);
    EXPECT_EQ(Enemy()[Ship::BoardingOfficers], 0);
    EXPECT_EQ(Enemy()[Ship::ShuttleTransferRate], 0);
    EXPECT_EQ(BoardingMission, BoardingMissionKind::Capture);

    // The player's squad: three picked, then "Abort"; again, then the close box.
    PlayerIsBoarding = 1;
    EnemyIsBoarding = 0;
    Own()[Ship::SelectedWeaponSlot] = 2;
    for (const char* leave : {"abort", "close"}) {
        InitBoarding();
        for (int i = 0; i < 3; ++i) player().Click("TForm30", "SpeedButton8");
        player().Click("TForm30", "SpeedButton9");
        leave == std::string("abort") ? player().Click("TForm30", "SpeedButton2")
                                      : player().CloseRequest("TForm30");
        RefreshBoardingScreen();
        ShowBoardingScreen();
        EXPECT_EQ(Own()[Ship::CrewMercenaries], 6) << leave;
        EXPECT_EQ(BoardingSquadSum(Own()), 0) << leave;
        EXPECT_EQ(Own()[Ship::ShuttleTransferRate], 5) << leave;
    }
}

// The VIP's own ship captured: the ransom first, then still the capture screen, where "Keep
// your ship" sells the captured one back for a quarter of its value (its bare hull).
TEST_F(Boarding, TheVipShipCapturedPaysTheRansomAndKeepingTheShipSellsTheOther) {
    PlayerIsBoarding = 1;
    EnemyIsBoarding = 0;
    g().VipEventBattle = 1;
    Own()[Ship::SizeClass] = 3;
    const int32_t money = Captain()[Player::Money];
    const int64_t foeQuarter = Enemy()[Ship::HullPrice] / 4;
    InitBoarding();
    AddToBoardingSquad(CrewKind::Mercenaries);  // two: the one hit back kills one at most
    AddToBoardingSquad(CrewKind::Mercenaries);
    BoardingMission = BoardingMissionKind::Capture;
    int64_t ransom = -1;
    const int offers = Form32->ShowCount();
    player()
        .Click("TForm47", "SpeedButton1")
        .Do("TMessage4",
            [&](ui::Form& f) {
                const std::string line = f.Find("Memo1")->ShownText();
                const size_t at = line.find("I give you $C ");
                ASSERT_NE(at, std::string::npos);
                std::string digits;
                for (size_t i = at + 14; i < line.size() && line[i] != ' '; ++i)
                    if (line[i] != '.') digits += line[i];
                ransom = std::stoll(digits);
                EXPECT_EQ(Form32->ShowCount(), offers);  // the offer comes after
            })
        .Click("TMessage4", "SpeedButton1")
        .Do("TForm32", [&](ui::Form&) { EXPECT_EQ(Captain()[Player::Money], money + ransom); })
        .Click("TForm32", "SpeedButton3");
    ResolveBoardingRound();
    g().VipEventBattle = 0;
    // Size class 3: (Random(150000) + 100000) * 3.
    EXPECT_TRUE(ransom >= 300000 && ransom <= 749997 && ransom % 3 == 0) << ransom;
    EXPECT_EQ(Captain()[Player::Money], money + ransom + foeQuarter);
    EXPECT_EQ(Enemy()[Ship::Present], 0);
    EXPECT_EQ(Own()[Ship::Class], 7);
    EXPECT_EQ(Own()[Ship::CrewMercenaries], 6 - AttackerLosses);
}

// The enemy's whole round from its turn: the party crosses in its own shuttles, the report
// counts the player's crew, and the bridge falls only to a round won.
TEST_F(Boarding, TheEnemyRoundBoardsFailsAndIsKilled) {
    PlayerIsBoarding = EnemyIsBoarding = 0;
    struct Round {
        int foeMercs, ownMercs;
    };
    // D = 100 for the player's crew rated 1, less 20 for a party rated 3: 80; below 30 boards.
    auto attempt = [&](Round r, uint32_t seed) {
        GiveShip(1, 7);
        GiveShip(0, kFerendar);
        Fit(0, {kBoardingShuttle});
        Own()[Ship::SizeClass] = 3;
        Own()[Ship::CrewOfficers] = r.ownMercs ? 10 : 0;
        Own()[Ship::CrewMercenaries] = r.ownMercs;
        Own()[Ship::CrewMin] = 0;
        Enemy()[Ship::Present] = 1;
        Enemy()[Ship::CrewOfficers] = 0;
        Enemy()[Ship::CrewMercenaries] = r.foeMercs;
        Enemy()[Ship::CrewMin] = 0;
        Enemy()[Ship::BoardingShuttles] = 3;
        Enemy()[Ship::SelectedWeaponSlot] = 1;
        Enemy()[Ship::ActionPointsLeft] = 20;
        g().CombatRange = 1;
        Rng().SetSeed(seed);
        player().Click("TForm47", "SpeedButton1");
        EnemyBoardingAttempt();
        return *player().LastSeen("TForm47");
    };
    // The first seed from `from` whose attempt draw, out of `d`, boards.
    auto boards = [](int d, uint32_t from = 0) {
        return test::SeedWhere([&](RandomGenerator& r) {
            const uint32_t seed = r.Seed();
            return seed >= from && r.Next(d) < 30;
        });
    };

    // No crew defends (c = 21): the bridge is taken, the party of three mercenaries goes home
    // less its one possible loss, with the shuttle places back.
    const ui::Snapshot boarded = attempt({4, 0}, boards(80));
    EXPECT_EQ(boarded.Text("Label1"), "You got boarded!");
    EXPECT_EQ(boarded.Text("Label2"),
              "ENEMY RAID: An enemy attack squad has boarded your ship and successfully captured "
              "the bridge.");
    EXPECT_EQ(boarded.Text("Label3"), "CASUALTIES: The enemy has lost " +
                                          std::to_string(AttackerLosses) +
                                          " crewmembers. On your side 0 of your crewmembers are "
                                          "dead. The enemy resistance is very strong.");
    EXPECT_EQ(boarded.Text("Label4"), "STATUS: The enemy squad is in control of the ship.");
    EXPECT_LE(AttackerLosses, 1);
    EXPECT_EQ(Own()[Ship::Present], 0);
    EXPECT_EQ(Enemy()[Ship::CrewMercenaries], 4 - AttackerLosses);
    EXPECT_EQ(Enemy()[Ship::BoardingMercenaries], 3 - AttackerLosses);  // kept until the next
    EXPECT_EQ(Enemy()[Ship::ShuttleTransferRate], 3);

    // Nobody crosses (c = 0): the raid fails, the squad counts as killed; the one hit on the
    // defence may kill one of the player's men, shown against the crew before the round.
    const ui::Snapshot empty = attempt({0, 6}, boards(100));
    EXPECT_EQ(empty.Text("Label1"), "Enemy raid failed!");
    EXPECT_EQ(empty.Text("Label2"),
              "ENEMY RAID: An enemy attack squad tried to board your ship, but your crew was able "
              "to fight them back.");
    EXPECT_EQ(empty.Text("Label3"), "CASUALTIES: The enemy has lost 0 crewmembers. On your side " +
                                        std::to_string(DefenderLosses) +
                                        " of your crewmembers are dead. The enemy resistance is "
                                        "poor.");
    EXPECT_EQ(empty.Text("Label4"), "STATUS: The enemy attack squad has been killed.");
    EXPECT_EQ(Own()[Ship::Present], 1);
    EXPECT_EQ(Own()[Ship::CrewOfficers] + Own()[Ship::CrewMercenaries], 16 - DefenderLosses);
    EXPECT_EQ(empty.Text("Att_3_A"), "6");
    EXPECT_EQ(empty.Text("Att_1_A"), "10");

    // Three mercenaries against 16 (c = 12 - 10 - 2 = 0 at most): the party fights and sails
    // home; a seed where none of it dies shows the returned squad.
    for (uint32_t seed = boards(80);; seed = boards(80, seed + 1)) {
        const ui::Snapshot fought = attempt({3, 6}, seed);
        if (AttackerLosses > 0) continue;
        EXPECT_EQ(fought.Text("Label1"), "Enemy raid failed!");
        EXPECT_EQ(fought.Text("Label4"),
                  "STATUS: The enemy attack squad has returned to their ship.");
        EXPECT_EQ(Own()[Ship::Present], 1);
        EXPECT_EQ(Enemy()[Ship::CrewMercenaries], 3);
        EXPECT_EQ(Own()[Ship::CrewOfficers] + Own()[Ship::CrewMercenaries], 16 - DefenderLosses);
        break;
    }
}

}  // namespace
}  // namespace corvanth
