// The combat rules: the hit divisor, flights, the range steps, the enemy's scores, ECM, the
// tracks, the action list and the outcome with its death protocol.
#include "combat/combat2.h"

#include <gtest/gtest.h>

#include "career/governor.h"
#include "combat/CrewCombat1.h"
#include "combat/combat_fixture.h"
#include "shell/Dead.h"
#include "state/pictures.h"
#include "state/upcalls.h"
#include "support/answering_backend.h"
#include "support/draws.h"

namespace corvanth {
namespace {

using test::CombatTest;

class CombatRules : public CombatTest {
  protected:
    void SetUp() override {
        CombatTest::SetUp();
        GiveShip(0, 7);  // Fang, size 3, speed 3
        GiveShip(1, 7);
        Captain()[Player::HideSlowerShipNotice] = 1;
        Captain()[Player::RangeHelpShown] = 1;
        G().CombatMayClose = 0;
        CombatTurnCount = 0;
    }
    // Crew rated 2 for targeting: two droids and a mercenary weigh (3 + 3 + 2) div 3 = 2.
    void RatedTwo(GameRecord& ship) {
        for (int k = Ship::CrewOfficers; k <= Ship::CrewScoundrels; ++k) ship[k] = 0;
        ship[Ship::CrewDroids] = 2;
        ship[Ship::CrewMercenaries] = 1;
    }
    // What the captain was told since the last call, one line a message: a combat event's
    // headline, text and picture, a notice's text and picture, a plain message's text.
    std::vector<std::string> Told() {
        std::vector<std::string> out;
        for (const ui::Snapshot& s : answering.backend().seen) {
            if (s.form == "TMessage2")
                out.push_back(s.Text("Label2") + " | " + s.Text("Label1") + " | " +
                              s.Picture("Image1"));
            else if (s.form == "TMessage6")
                out.push_back(s.Text("Label1") + " | " + s.Picture("Image2"));
            else if (s.form == "TMessage1")
                out.push_back(s.Text("Label1"));
        }
        answering.backend().seen.clear();
        return out;
    }
    using Lines = std::vector<std::string>;
    // The seed from which the next draw of Random(n) is `value`.
    static uint32_t NextDraw(int n, int value) {
        return test::SeedWhere([&](RandomGenerator& r) { return r.Next(n) == value; });
    }
    test::UseAnsweringBackend answering;
};

TEST_F(CombatRules, TheHitDivisorAddsComputersSizesLuckEarlyGameAndArenaSkill) {
    GameState& g = G();
    RatedTwo(Own());
    Fit(1, {1, 50});  // laser, Small MR Computer: 60 at close and long range, 100 at medium
    g.CombatRange = 3;
    EXPECT_EQ(HitDivisor(false), 126);  // 90 + (100 - 60) * 90 div 100 = 90 + 36
    g.CombatRange = 2;
    EXPECT_EQ(HitDivisor(false), 90);  // its own range changes nothing
    Fit(1, {1});
    Fit(0, {1});
    RatedTwo(Enemy());
    EXPECT_EQ(HitDivisor(true), 90);
    // A target two sizes smaller: the player's D + 20; a shooter two sizes larger: the enemy's.
    Enemy()[Ship::SizeClass] = 1;
    EXPECT_EQ(HitDivisor(false), 110);
    EXPECT_EQ(HitDivisor(true), 90);
    Enemy()[Ship::SizeClass] = 5;
    EXPECT_EQ(HitDivisor(false), 90);
    EXPECT_EQ(HitDivisor(true), 110);
    Enemy()[Ship::SizeClass] = 3;
    // Luck: 90 - 35 for the player, 90 + 35 for the enemy; the early game 25 each way.
    Captain()[Player::CheatCombatLuck] = 1;
    EXPECT_EQ(HitDivisor(false), 55);
    EXPECT_EQ(HitDivisor(true), 125);
    g.TurnNumber = 50;
    EXPECT_EQ(HitDivisor(false), 55);  // the early game does not add to the luck switch
    Captain()[Player::CheatCombatLuck] = 0;
    EXPECT_EQ(HitDivisor(false), 65);
    EXPECT_EQ(HitDivisor(true), 115);
    // A tournament fight: no early-game help; an opponent of skill 3 makes 90 + 25 and 90 - 25.
    Captain()[Player::TournamentFightInProgress] = 1;
    g.PlayerTournament = 2;
    g.TournamentEntrants[2][2] = 17;
    g.Gladiators[17][Gladiator::Skill] = 3;
    EXPECT_EQ(HitDivisor(false), 115);
    EXPECT_EQ(HitDivisor(true), 65);
}

TEST_F(CombatRules, FlightChancesAndTheRangeStepsTakeTheirOddsInTwenty) {
    GameState& g = G();
    // A faster enemy at close range: 6 - 4 = 2; in the early game 2 + 4 = 6.
    Enemy()[Ship::Speed] = 4;
    Own()[Ship::Speed] = 3;
    g.CombatRange = 1;
    EXPECT_EQ(FleeChance(), 2);
    g.TurnNumber = 10;
    EXPECT_EQ(FleeChance(), 6);
    g.TurnNumber = 500;
    g.CombatRange = 2;
    Enemy()[Ship::Speed] = 2;
    EXPECT_EQ(FleeChance(), 10);  // 12 - 2 from a slower enemy at medium range
    Enemy()[Ship::Speed] = 0;
    EXPECT_EQ(FleeChance(), 98);  // an immobile enemy: 100 - 2, above any Random(20)

    // Ten AP are spent whether the flight works or not; a success ends the combat once.
    Own()[Ship::ActionPointsLeft] = 12;
    EXPECT_TRUE(CombatFlee());
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 2);
    EXPECT_EQ(g.CombatMayClose, 1);
    EXPECT_EQ(combatEnds, 1);
    EXPECT_FALSE(CombatFlee());  // 2 AP: refused, nothing spent
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 2);

    // The range steps with the enemy idle (a tutorial step without enemy action): four draws of
    // Random(20) each turn. Enemy wants close (1), the player long (3), range 2, the enemy
    // slower: its step closes for r < 7, the player's opens for r < 12.
    TutorialStep = 5;
    struct Case {
        int foeSpeed, ownSpeed, foeWish, ownWish, foeChance, ownChance;
    };
    for (const Case& c :
         {Case{2, 3, 1, 3, 7, 12}, Case{4, 3, 1, 3, 12, 7}, Case{3, 3, 1, 1, 20, 20}}) {
        for (uint32_t seed = 1; seed <= 200; ++seed) {
            g.CombatMayClose = 0;
            g.CombatRange = 2;
            Enemy()[Ship::Speed] = c.foeSpeed;
            Own()[Ship::Speed] = c.ownSpeed;
            Enemy()[Ship::CombatRange] = c.foeWish;
            Own()[Ship::CombatRange] = c.ownWish;
            Rng().SetSeed(seed);
            RandomGenerator copy = Rng();
            int r[4];
            for (int& draw : r) draw = copy.Next(20);
            // Enemy closer, enemy farther, player closer, player farther, in this order.
            int expected = 2;
            if (c.foeWish < expected && r[0] < c.foeChance) --expected;
            if (c.foeWish > expected && r[1] < c.foeChance) ++expected;
            if (c.ownWish < expected && r[2] < c.ownChance) --expected;
            if (c.ownWish > expected && r[3] < c.ownChance) ++expected;
            EndCombatTurn();
            ASSERT_EQ(g.CombatRange, expected) << "seed " << seed;
        }
    }
    TutorialStep = 0;
}

TEST_F(CombatRules, ADamagedPirateWantsToBoardAndTheEnemyTurnFollowsItsScores) {
    GameRecord& foe = Enemy();
    foe[Ship::Faction] = FactionId::Pirates;
    // Equal crews; the pirate's hull below a quarter of its base: 25 + 50 + 100 to board.
    foe[Ship::Strength] = foe[Ship::BaseStrength] / 4 - 1;
    BoardingScores s = EnemyBoardingScores();
    EXPECT_EQ(s.stay, 0);
    EXPECT_EQ(s.board, 175);
    // The player's hull below a quarter of its own: 12 + 25 to stay. A player's crew maximum
    // of 10 against the pirate's 22: 25 (ours smaller) + 25 (more than twice).
    Own()[Ship::Strength] = Own()[Ship::BaseStrength] / 4 - 1;
    Own()[Ship::CrewMax] = 10;
    s = EnemyBoardingScores();
    EXPECT_EQ(s.stay, 37);
    EXPECT_EQ(s.board, 225);

    // With a shuttle it closes in and warns once; without one it keeps to its retreat range.
    Fit(0, {1, 20});
    G().CombatRange = 3;
    EnemyCombatTurn();
    EXPECT_EQ(foe[Ship::CombatRange], 1);
    EXPECT_EQ(foe[Ship::BoardingWarningShown], 1);
    Fit(0, {1});
    EnemyCombatTurn();
    EXPECT_EQ(foe[Ship::CombatRange], foe[Ship::RetreatRange]);
}

TEST_F(CombatRules, EcmMatchesItsKindAndTracksHitAfterTheirTurns) {
    GameState& g = G();
    g.CombatRange = 3;
    // The player's missile at long range hits after 3 ends of turn; the enemy's torpedo after 4.
    AddProjectile(1, 0, 1, 1, 41);
    AddProjectile(0, 1, 1, 9, 42);
    EXPECT_EQ(g.Projectiles[1][Projectile::TurnsToImpact], 3);
    EXPECT_EQ(g.Projectiles[2][Projectile::TurnsToImpact], 4);
    EXPECT_EQ(FindFreeProjectileSlot(), 3);

    // A missile ECM (Zulu, 4) against the torpedo: chance 0, the track flies on, 4 AP spent.
    Fit(1, {4});
    ChooseCombatAction(1);
    SetupCombatScreen();
    const int ap = Own()[Ship::ActionPointsLeft];
    for (int i = 0; i < 20; ++i) {
        g.ShipEquipment[1][1][1][Slot::Loaded] = 1;
        Own()[Ship::ActionPointsLeft] = ap;
        PlayerUseECM();
        EXPECT_EQ(Own()[Ship::ActionPointsLeft], ap - 4);
        EXPECT_EQ(g.Projectiles[2][Projectile::Active], 1);
    }

    const int foeHull = Enemy()[Ship::Strength], ownHull = Own()[Ship::Strength];
    for (int turn = 1; turn <= 4; ++turn) {
        AdvanceProjectiles();
        // Snipe Missile (41): 4 damage on the third turn; Photon torpedo (42): 20 on the fourth.
        EXPECT_EQ(Enemy()[Ship::Strength], turn >= 3 ? foeHull - 4 : foeHull);
        EXPECT_EQ(Own()[Ship::Strength], turn >= 4 ? ownHull - 20 : ownHull);
    }
    EXPECT_EQ(FindFreeProjectileSlot(), 1);
    // A count that starts at 0 hits at the next end of turn instead of flying on for ever.
    g.CombatRange = 0;
    AddProjectile(1, 0, 1, 1, 41);
    AdvanceProjectiles();
    EXPECT_EQ(g.Projectiles[1][Projectile::Active], 0);

    // Four busy tracks: the launch spends its round and its AP and places nothing.
    g.CombatRange = 3;
    for (int t = 1; t <= 4; ++t) AddProjectile(0, 1, 1, 9, 42);
    Fit(1, {41});
    SetupCombatScreen();
    Own()[Ship::ActionPointsLeft] = 20;
    g.ShipEquipment[1][1][1][Slot::Ammunition] = 0;  // the player fires a rack with none left
    PlayerLaunchProjectile();
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 10);  // 20 - the missile's 10
    EXPECT_EQ(g.ShipEquipment[1][1][1][Slot::Ammunition], 0);
    EXPECT_EQ(g.ShipEquipment[1][1][1][Slot::EquipmentId], 3);  // the empty rack
    for (int t = 1; t <= 4; ++t) EXPECT_EQ(g.Projectiles[t][Projectile::ShooterFleet], 0);
}

TEST_F(CombatRules, TheActionListKeepsItsOwnSlotsAndAnEmptyListLeavesFireOff) {
    GameState& g = G();
    // Slot 1 is a cargo bay that a dealer's list left at position 1; the laser is in slot 3.
    Fit(1, {8, 13, 1, 41});
    g.ShipEquipment[1][1][1][Slot::ListPosition] = 1;
    SetupCombatScreen();
    CombatSession& s = Combat();
    ASSERT_EQ(s.actionCount, 2);
    EXPECT_EQ(s.slotAt[1], 3);
    EXPECT_EQ(s.slotAt[2], 4);
    EXPECT_EQ(Own()[Ship::SelectedWeaponSlot], 3);
    EXPECT_EQ(g.ShipEquipment[1][1][3][Slot::ListPosition], 1);
    EXPECT_EQ(s.fireCaption, "Fire Laser cannon S (2 AP)");
    EXPECT_TRUE(s.fireEnabled);
    ChooseCombatAction(2);
    EXPECT_EQ(Own()[Ship::SelectedWeaponSlot], 4);
    EXPECT_EQ(s.fireCaption, " Snipe Missile (10 AP)");  // a missile has no verb
    // A shot unloads: Fire goes off, End turn reloads it and shows it again.
    ChooseCombatAction(1);
    g.CombatRange = 1;
    CombatFireOrUse();
    EXPECT_FALSE(s.fireEnabled);
    EXPECT_EQ(g.ShipEquipment[1][1][3][Slot::Loaded], 0);
    CombatReload();
    EXPECT_TRUE(s.fireEnabled);

    Fit(1, {8, 13});
    SetupCombatScreen();
    EXPECT_EQ(s.actionCount, 0);
    EXPECT_FALSE(s.fireEnabled);
    EXPECT_EQ(Own()[Ship::SelectedWeaponSlot], 0);
}

TEST_F(CombatRules, TheOutcomeDestroysAtZeroPaysPiratesAndEndsTheCombatOnce) {
    GameState& g = G();
    // A pirate at exactly 0 hull: destroyed; fame for size 3 (300); a bounty of at least 5,000
    // for a poor captain of rank 0; loot of a quarter of each good, at least 1.
    Enemy()[Ship::Faction] = FactionId::Pirates;
    Enemy()[Ship::Strength] = 0;
    Captain()[Player::Money] = 1000;
    Captain()[Player::HideFameGainNotices] = 1;
    g.Factions[1][Faction::Rank] = 0;
    const int fame = Captain()[Player::Fame];
    g.CapturedCargo.fill(0);
    g.CapturedCargo[17] = 10;
    g.CapturedCargo[18] = 3;
    CheckCombatOutcome();
    EXPECT_EQ(Enemy()[Ship::Present], 0);
    EXPECT_EQ(Captain()[Player::Money], 6000);
    EXPECT_EQ(Captain()[Player::Fame], fame + 300);
    EXPECT_EQ(lootGoods, (std::vector<int>{17, 18}));
    EXPECT_EQ(lootAmounts, (std::vector<int>{2, 1}));
    EXPECT_EQ(combatEnds, 1);
    // The check after the player's boarding runs again: nothing more happens.
    CheckCombatOutcome();
    EXPECT_EQ(combatEnds, 1);
    EXPECT_EQ(Captain()[Player::Fame], fame + 300);
    // The bounty comes on whole past the money cap, which the turn applies, and stops only at
    // 32 bits: 899.998.000 + 5.000, 900.000.000 + 5.000, 2.147.480.000 + 5.000.
    const int64_t kBounties[][2] = {
        {899998000, 900003000}, {900000000, 900005000}, {2147480000, 2147483647}};
    for (const auto& [money, after] : kBounties) {
        g.CombatMayClose = 0;
        Enemy()[Ship::Present] = 1;
        Enemy()[Ship::Strength] = 0;
        g.CapturedCargo.fill(0);
        Captain()[Player::Money] = static_cast<int32_t>(money);
        CheckCombatOutcome();
        EXPECT_EQ(Captain()[Player::Money], after) << money;
    }
    EXPECT_EQ(combatEnds, 4);

    // Armor takes the blow first: heavy armor (15) brings a hull of -4 back to 1, and the slot
    // becomes what its exchange list names first (the cargo bay).
    g.CombatMayClose = 0;
    Enemy()[Ship::Present] = 1;
    Fit(0, {1, 113});
    Enemy()[Ship::Strength] = -4;
    CheckCombatOutcome();
    EXPECT_EQ(Enemy()[Ship::Strength], 1);
    EXPECT_EQ(Enemy()[Ship::Present], 1);
    EXPECT_EQ(g.ShipEquipment[0][1][2][Slot::EquipmentId], 8);
    EXPECT_EQ(g.CombatMayClose, 0);

    // Both at 0: the enemy falls, then the player's ship. The game's death protocol: its death
    // screen gives the second chance for the life point, the combat ends once, the game goes on.
    GameUpcalls().KillCaptain = KillCaptain;
    std::map<std::string, int>& answered = answering.backend().answered;
    Captain()[Player::LifePoints] = 1;
    Enemy()[Ship::Strength] = 0;
    Fit(0, {1});
    Own()[Ship::Strength] = 0;
    CheckCombatOutcome();
    EXPECT_EQ(Enemy()[Ship::Present], 0);
    EXPECT_EQ(Own()[Ship::Present], 1);
    EXPECT_EQ(Captain()[Player::LifePoints], 0);
    EXPECT_EQ(answered["TForm43"], 1);
    EXPECT_FALSE(GameEnded());
    EXPECT_EQ(combatEnds, 5);
    // Without life points the game ends, once, with one score.
    g.CombatMayClose = 0;
    Enemy()[Ship::Present] = 1;
    Enemy()[Ship::Strength] = 30;
    Own()[Ship::Strength] = -3;
    test::FromHome(CheckCombatOutcome);
    CheckCombatOutcome();
    EXPECT_EQ(Own()[Ship::Present], 0);
    EXPECT_EQ(answered["TForm43"], 2);
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(answered["TForm38"], 1);  // the high-score list, shown once
    EXPECT_EQ(combatEnds, 6);
}

// What the captain is told in a fight, each message with the state that brings it, and the
// draws of boarding and flight on either side of their edges.
TEST_F(CombatRules, EveryMessageOfTheFightWordForWord) {
    GameState& g = G();
    const std::string noAP =
        "You do not have enough action points (AP). Click on \"End turn\" to get new AP.";
    Told();
    // Reload: a missile is no gun; a loaded gun needs nothing; 4 AP buy a reload.
    Fit(1, {41, 1});
    SetupCombatScreen();
    CombatReload();
    ChooseCombatAction(2);
    CombatReload();
    g.ShipEquipment[1][1][2][Slot::Loaded] = 0;
    Own()[Ship::ActionPointsLeft] = 3;
    CombatReload();
    Own()[Ship::ActionPointsLeft] = 4;
    CombatReload();
    EXPECT_EQ(Told(),
              (Lines{"You can only reload guns!",
                     "This weapon is ready to be used and does not need to be reloaded.", noAP,
                     "You reload the weapon/item and it is now ready to be used again."}));
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 0);
    EXPECT_EQ(g.ShipEquipment[1][1][2][Slot::Loaded], 1);
    // The flight's refusal (its two ends come last).
    Own()[Ship::ActionPointsLeft] = 9;
    CombatFlee();
    EXPECT_EQ(Told(), Lines{noAP});

    // A Phaser cannon S (range class 2, 8 AP) at long range; then with 7 AP.
    Fit(1, {6});
    SetupCombatScreen();
    g.CombatRange = 3;
    Own()[Ship::ActionPointsLeft] = 8;
    PlayerFireGun();
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 8);  // given back
    g.ShipEquipment[1][1][1][Slot::Loaded] = 1;
    Own()[Ship::ActionPointsLeft] = 7;
    PlayerFireGun();
    EXPECT_EQ(Told(), (Lines{"You are out of range! (Distance: 3, Maximum range: 2",
                             "Out of AP! | You do not have enough action points (AP). After "
                             "finishing your turn click on \"END TURN\" to refresh the AP of all "
                             "your ships. | combat_AP_help.jpg"}));

    // Mines of both sides: a Mine (15 damage, hit factor 20) and a SuperMine (50).
    Fit(1, {110, 111});
    SetupCombatScreen();
    Own()[Ship::ActionPointsLeft] = 20;
    PlayerDropMine();
    ChooseCombatAction(1);  // the SuperMine is now the list's only entry
    PlayerDropMine();
    Fit(0, {110});
    Enemy()[Ship::SelectedWeaponSlot] = 1;
    Enemy()[Ship::ActionPointsLeft] = 20;
    EnemyDropMine();
    const std::string mine =
        ". There is a chance it will explode if the enemy closes the distance. The more you fire, "
        "the higher the chance. | ";
    EXPECT_EQ(Told(), (Lines{"Mines ahead! | You fire a Mine" + mine + "exp1_mine.jpg",
                             "Mines ahead! | You fire a SuperMine" + mine + "exp1_supermine.jpg",
                             "Mines ahead! | Enemy Fang fire a Mine. There is a chance it will "
                             "explode if you close the distance. The more he fires, the higher is "
                             "the chance. Use ECM to counter them. | exp1_mine.jpg"}));
    // Five laid mines of each kind blow at 5 x 20 = 100 > any Random(100) when a side closes
    // in: the enemy's step first (the enemy idle in a tutorial step, both wishing close, range
    // 2, so both closing steps run at 20 in 20), then the player's at range 1 finds nothing to
    // close.
    TutorialStep = 5;
    Own()[Ship::MinesDeployed] = Own()[Ship::SuperminesDeployed] = 5;
    Enemy()[Ship::MinesDeployed] = Enemy()[Ship::SuperminesDeployed] = 5;
    Enemy()[Ship::Strength] = Own()[Ship::Strength] = 200;
    Enemy()[Ship::CombatRange] = Own()[Ship::CombatRange] = 1;
    g.CombatRange = 2;
    CombatTurnCount = 1;
    EndCombatTurn();
    EXPECT_EQ(Told(), (Lines{"Hit! | A Mine of you hits the enemy Fang causing 15 pts of damage. | "
                             "exp1_mine.jpg",
                             "Hit! | A Mine of you hits the enemy Fang causing 50 pts of damage. | "
                             "exp1_supermine.jpg"}));
    EXPECT_EQ(Enemy()[Ship::Strength], 200 - 15 - 50);
    // The player closing in from medium range meets the enemy's mines: the enemy's step away
    // (7 in 20 on equal speeds) must fail, the player's closing step (12 in 20) come.
    Enemy()[Ship::CombatRange] = 3;
    g.CombatRange = 2;
    Rng().SetSeed(test::SeedWhere([](RandomGenerator& r) {
        r.Next(20);
        return r.Next(20) >= 7 && r.Next(20) < 12;
    }));
    EndCombatTurn();
    EXPECT_EQ(Told(), (Lines{"Hit! | You are hit by an enemy Mine causing 15 pts of damage. | "
                             "exp1_mine.jpg",
                             "Hit! | You are hit by an enemy SuperMine causing 50 pts of damage. | "
                             "exp1_mine.jpg"}));
    EXPECT_EQ(g.CombatRange, 1);
    TutorialStep = 0;
    Own()[Ship::MinesDeployed] = Own()[Ship::SuperminesDeployed] = 0;
    Enemy()[Ship::MinesDeployed] = Enemy()[Ship::SuperminesDeployed] = 0;

    // Boarding with a Boarding Shuttle (20): a fighter, orbital turrets, a crew at its minimum
    // (10 officers of the Fang), then at medium range; at close range D = 100 for crews of
    // officers alone: Random(100) of 40 fails, 39 boards.
    Fit(1, {20});
    SetupCombatScreen();
    PlayerIsBoarding = EnemyIsBoarding = 0;  // the round of an earlier fight is over
    Own()[Ship::ActionPointsLeft] = 20;
    Enemy()[Ship::SizeClass] = 1;
    PlayerBoard();
    Enemy()[Ship::SizeClass] = 3;
    Enemy()[Ship::OrbitalTurrets] = 1;
    PlayerBoard();
    Enemy()[Ship::OrbitalTurrets] = 0;
    PlayerBoard();
    Own()[Ship::CrewOfficers] = 11;
    g.CombatRange = 2;
    PlayerBoard();
    EXPECT_EQ(Own()[Ship::ActionPointsLeft], 20);
    g.ShipEquipment[1][1][1][Slot::Loaded] = 1;
    g.CombatRange = 1;
    Rng().SetSeed(NextDraw(100, 40));
    PlayerBoard();
    EXPECT_EQ(Told(), (Lines{"You cannot board fighters (of course not)!",
                             "You cannot board this kind of vessel!",
                             "You cannot spare any crewmembers for such an attack!",
                             "You are out of range! (Close range required).",
                             " | The evasive manouvers of the enemy ship let your boarding "
                             "attempt fail. | "}));
    EXPECT_EQ(PlayerIsBoarding, 0);
    g.ShipEquipment[1][1][1][Slot::Loaded] = 1;
    Rng().SetSeed(NextDraw(100, 39));
    PlayerBoard();
    EXPECT_EQ(PlayerIsBoarding, 1);
    PlayerIsBoarding = 0;
    Told();
    // The enemy's attempt, D = 100 against a crew of officers: 30 fails (29 boards, below).
    Enemy()[Ship::CrewOfficers] = 10;  // whatever the party left of it
    Fit(0, {20});
    Enemy()[Ship::SelectedWeaponSlot] = 1;
    Enemy()[Ship::ActionPointsLeft] = 20;
    Rng().SetSeed(NextDraw(100, 30));
    EnemyBoardingAttempt();
    EXPECT_EQ(Told(), Lines{" | Your evasive manouvers let the enemy boarding attempt fail. | "});
    EXPECT_EQ(EnemyIsBoarding, 0);

    // The notices: the range help once, the boarding warning once a combat, the slower ship on
    // the first turn only.
    Captain()[Player::RangeHelpShown] = 0;
    CombatWishRange(2);
    CombatWishRange(3);
    Enemy()[Ship::Strength] = Enemy()[Ship::BaseStrength] / 4 - 1;  // 150 to board, 0 to stay
    Enemy()[Ship::BoardingWarningShown] = 0;
    g.CombatRange = 3;
    EnemyCombatTurn();
    EnemyCombatTurn();
    Captain()[Player::HideSlowerShipNotice] = 0;
    Enemy()[Ship::Speed] = Own()[Ship::Speed] + 1;
    CombatTurnCount = 0;
    TutorialStep = 5;
    EndCombatTurn();
    EndCombatTurn();
    TutorialStep = 0;
    const std::string fang = GetShipPictureName(7);
    EXPECT_EQ(
        Told(),
        (Lines{"HELP INFO: You selected, which range you want to keep to the enemy ship. "
               "Every new turn the range is calculated. The faster ship usually can keep "
               "its preferred range. To see any results you need to \"End turn\". | " +
                   fang,
               "WARNING: The enemy ship tries to get close enough to board your ship! | " + fang,
               "Your ship is slower than the enemy ship. It will be difficult to keep a "
               "range against the will of the enemy pilot. | " +
                   fang}));

    // A flight from a faster enemy at long range: c = 6 against Random(20).
    g.CombatRange = 3;
    Own()[Ship::ActionPointsLeft] = 20;
    Rng().SetSeed(NextDraw(20, 6));
    EXPECT_FALSE(CombatFlee());
    Rng().SetSeed(NextDraw(20, 5));
    EXPECT_TRUE(CombatFlee());
    EXPECT_EQ(Told(),
              (Lines{"Your attempt to flee failed!", "You successfully flee from combat!"}));

    // The enemy's boarding party that gets through: Random(100) of 29.
    answering.backend().answerEveryScreen = true;
    g.CombatRange = 1;
    Enemy()[Ship::ActionPointsLeft] = 20;
    Rng().SetSeed(NextDraw(100, 29));
    EnemyBoardingAttempt();
    EXPECT_EQ(EnemyIsBoarding, 1);
}

}  // namespace
}  // namespace corvanth
