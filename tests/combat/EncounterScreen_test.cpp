// Meeting ships: the approach stage by stage, its attitude rules and odds, the words with the own
// side, a whole encounter from the travel screen to the loot, and a battle lost for good.
#include "combat/EncounterScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "combat/Encounter.h"
#include "combat/EncounterScreen2.h"
#include "combat/Loot.h"
#include "combat/combat2.h"
#include "combat/combat2_screen.h"
#include "shell/Dead.h"
#include "shell/background.h"
#include "shell/highscore.h"
#include "shell/start.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "support/answering_backend.h"
#include "support/art.h"
#include "support/draws.h"
#include "support/game_test.h"
#include "travel/NextTurnUnit.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "travel/travelscreen.h"
#include "ui/audio.h"
#include "ui/render.h"

namespace corvanth {
namespace {

constexpr int kAvenger = 3;

class Encounters : public test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        TutorialStep = 0;
        test::StartNewGame(FactionId::Federation, "Mara Kellan");
        GameUpcalls() = test::QuietUpcalls();
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        GameTest::TearDown();
    }

    // Enemy ship 1 of `type` for faction f, as a random encounter leaves it.
    GameRecord& Meet(int type, int f) {
        SetupShipOfType(type, 1);
        GameRecord& enemy = G().Ships[0][1];
        enemy[Ship::Present] = 1;
        enemy[Ship::Faction] = f;
        enemy[Ship::Behaviour] = 1;
        return enemy;
    }
    void Relation(int f, int relation) {
        G().Factions[1][Faction::RelationBase + f] = relation;
        G().Factions[f][Faction::RelationBase + 1] = relation;
    }
    int FleetSystemOwner() { return G().StarSystems[FleetSystem()][StarSystem::Owner]; }
    // The encounter screen shown once for many meetings: `meetings` sets each up and clicks its
    // buttons through the hit test; the screen closes when they are done.
    void OnEncounterScreen(std::function<void(ui::Form&)> meetings) {
        player().Do("TForm15", [meetings](ui::Form& f) {
            meetings(f);
            EncounterResolved = 1;
            f.Close();
        });
        Meet(kAvenger, FactionId::Pirates);
        EncounterResolved = 0;
        Form15->ShowModal();
    }
    // One meeting's click: the screen as the player sees it, then the button.
    static void Press(ui::Form& f, ui::SpeedButton& button) {
        RefreshEncounterScreen();
        ui::ClickMiddle(f, button);
    }
    // On the travel screen: the destination chosen, "Travel to the planet".
    ui::ScriptedPlayer& Depart(int target) {
        return player()
            .Do("TForm2",
                [target](ui::Form&) {
                    G().SelectedPlanet = target;
                    RefreshPlanetPanel();
                })
            .Click("TForm2", "SpeedButton5");
    }
};

// A one-day trip in the fleet's system: the fleet is put at a location with a neighbour one
// day away, and that neighbour is returned (0 when the system has no such pair).
int OneDayTrip() {
    for (int a = 1; a <= 35; ++a) {
        for (int b = 1; b <= 35; ++b) {
            if (a == b || !LocationExists(a) || !LocationExists(b)) continue;
            if (LocationRecord(a)[Planet::Kind] != PlanetKind::Planet) continue;
            if (CalcTripDays(GridDistance(a, b)).days != 1) continue;
            G().Fleets[1][Fleet::Location] = a;
            return b;
        }
    }
    return 0;
}

TEST_F(Encounters, AttitudeRulesInTheirOrder) {
    test::LinkGameArt(std::filesystem::current_path());
    // A ship of the own faction: both sides at peace, nothing to find; it may be talked to once.
    Meet(kAvenger, FactionId::Federation);
    EncounterStage = 3;
    RefreshEncounterScreen();
    EXPECT_EQ(Form15->Label2->caption, "Your scanners indicate its a " + ShipClassName(0, 1) +
                                           " of the " + FactionName(1) +
                                           ". It is one of our ships!");
    EXPECT_EQ(Form15->SpeedButton1->caption, "Close for battle");
    EXPECT_FALSE(Form15->SpeedButton1->enabled);
    EXPECT_TRUE(Form15->SpeedButton3->enabled);
    G().Factions[1][Faction::Reputation] = -1;
    RefreshEncounterScreen();
    EXPECT_FALSE(Form15->SpeedButton3->enabled);  // a negative standing gets no word
    EXPECT_EQ(EncounterAttitude(false), 1);       // ... and a hostile own ship

    // A pirate: one line, hostile whatever the cheat and the size.
    Meet(kAvenger, FactionId::Pirates);
    RefreshEncounterScreen();
    EXPECT_EQ(Form15->Label2->caption, "Its a pirate ship. It is hostile!");
    EXPECT_TRUE(Form15->SpeedButton1->enabled);
    EXPECT_FALSE(Form15->SpeedButton3->enabled);
    G().Players[1][Player::CheatNoAttacks] = 1;
    EXPECT_EQ(EncounterAttitude(true), 1);

    // Another faction away from its home: peace and war decide; the cheat lets the captain go.
    const int other = FactionId::Syndicate;
    ASSERT_NE(FleetSystemOwner(), other);
    Meet(kAvenger, other);
    G().Factions[other][Faction::Reputation] = 10;
    Relation(other, 2);
    EXPECT_EQ(EncounterAttitude(false), 1);
    EXPECT_EQ(EncounterAttitude(true), 2);  // the cheat
    G().Players[1][Player::CheatNoAttacks] = 0;
    G().Ships[0][1][Ship::SizeClass] = 2;
    EXPECT_EQ(EncounterAttitude(true), 2);  // a ship above size 1 lets a captain turn away
    G().Ships[0][1][Ship::SizeClass] = 1;
    EXPECT_EQ(EncounterAttitude(true), 1);
    RefreshEncounterScreen();
    EXPECT_EQ(Form15->Label2->caption, "Your scanners indicate its a " + ShipClassName(0, 1) +
                                           " of the " + FactionName(other) +
                                           ". We are at war with this faction.");
    Relation(other, 1);
    EXPECT_EQ(EncounterAttitude(false), 2);
    EncounterStage = 2;  // not yet identified: hostile until seen
    EXPECT_EQ(EncounterAttitude(false), 1);
    EncounterStage = 3;
    G().Factions[other][Faction::Reputation] = -5;
    EXPECT_EQ(EncounterAttitude(false), 1);
    // The picture: stage 3 with a ship at war.
    Relation(other, 2);
    G().Factions[other][Faction::Reputation] = 0;
    RefreshEncounterScreen();
    ui::RenderFormToPng(*Form15, std::string(CORVANTH_SCREENS_DIR) + "/TForm15.png");

    // The rules walked over every mix they read, each overriding the ones before: the own
    // faction (in whose home system the captain is, with nothing in the hold to find), another
    // and the pirates; the standing, peace or war, the size, the stage and the cheat, for both
    // buttons.
    auto attitude = [](int f, int standing, int relation, int size, int stage, int cheat,
                       bool away) {
        int a = 1;
        if (f > 0 && standing > 0) a = 2;
        if (relation == 1) a = 2;
        if (relation == 2) a = 1;
        if (away && size > 1) a = 2;
        if (stage < 3) a = 1;
        if (f > 0 && standing < 0) a = 1;
        if (away && cheat == 1) a = 2;
        if (f == FactionId::Pirates) a = 1;
        return a;
    };
    test::UseAnsweringBackend answering;
    G().Cargo.fill(0);
    for (int f : {FactionId::Federation, other, FactionId::Pirates})
        for (int standing : {-1, 0, 1})
            for (int relation : {1, 2})
                for (int size : {1, 2})
                    for (int stage : {2, 3})
                        for (int cheat : {0, 1})
                            for (bool away : {false, true}) {
                                Meet(kAvenger, f)[Ship::SizeClass] = size;
                                G().Factions[f][Faction::Reputation] = standing;
                                if (f != FactionId::Federation) Relation(f, relation);
                                G().Factions[1][Faction::RelationBase + 1] = relation;
                                G().Players[1][Player::CheatNoAttacks] = cheat;
                                EncounterStage = stage;
                                const int want =
                                    attitude(f, standing, relation, size, stage, cheat, away);
                                ASSERT_EQ(EncounterAttitude(away), want)
                                    << f << " " << standing << " " << relation << " " << size << " "
                                    << stage << " " << cheat << " " << away;
                            }
    // No ship built: not hostile.
    G().Ships[0][1][Ship::Behaviour] = 0;
    EXPECT_EQ(EncounterAttitude(false), 2);
}

// The customs scan runs only at stage 3 and only for the system's owner; a find makes the ship
// hostile. A Federation hold full of a good the owner bans, at peace and in good standing.
TEST_F(Encounters, TheContrabandScanAtStageThreeInTheOwnersSystem) {
    test::UseAnsweringBackend answering;
    const int owner = FleetSystemOwner();
    ASSERT_EQ(owner, FactionId::Federation);
    int banned = 0;
    for (int good = 1; good <= 20 && banned == 0; ++good)
        if (G().Goods[good][Good::LegalityBase + owner] >= 1) banned = good;
    ASSERT_NE(banned, 0);
    Rng().SetSeed(4242);
    int hostile = 0, warned = 0;
    const auto start = std::make_unique<GameState>(G());
    for (int trial = 0; trial < 300; ++trial) {
        G() = *start;
        G().Cargo[banned] = 5;
        G().Factions[owner][Faction::Reputation] = 1000;
        Meet(kAvenger, owner);
        EncounterStage = trial % 2 == 0 ? 2 : 3;
        const int attitude = EncounterAttitude(false);
        const bool penalised = G().Factions[owner][Faction::Reputation] < 1000;
        if (EncounterStage == 2) {
            ASSERT_FALSE(penalised) << "no scan before stage 3";
            continue;
        }
        hostile += attitude == 1;
        warned += penalised;
        ASSERT_EQ(attitude == 1, penalised) << trial;
    }
    // About 30 in 100 holds are examined (the scan's own odds): some, not all, of 150.
    EXPECT_GT(hostile, 15);
    EXPECT_LT(hostile, 100);
    EXPECT_EQ(hostile, warned);
}

// Turning away from an equally fast hostile ship: at stages 1 and 2 Random(100) above 10 closes
// in, at stage 3 above 5 means battle; closing for battle with a hostile ship, a draw up to 50
// has it close in; with a ship at peace a crime is reported for Random(100) <= 40. Each edge
// from both sides, with what the captain is told.
TEST_F(Encounters, OddsOfTurningAwayAndOfTheCrimeRoll) {
    test::UseAnsweringBackend answering;
    int fights = 0;
    GameUpcalls().ShowCombatScreen = [&] { ++fights; };
    auto told = [&] {
        std::vector<std::string> out;
        for (const ui::Snapshot& s : answering.backend().seen)
            if (s.form == "TMessage1") out.push_back(s.Text("Label1"));
        answering.backend().seen.clear();
        return out;
    };
    auto nextDraw = [](int v) {
        return test::SeedWhere([v](RandomGenerator& r) { return r.Next(100) == v; });
    };
    using Lines = std::vector<std::string>;
    const std::string closing = "The other ship is faster than your ship and is closing in.";
    const std::string retreat = "You retreat.", attack = "You attack the enemy Avenger ship!";
    OnEncounterScreen([&](ui::Form& f) {
        struct Case {
            int stage, r;
            bool escapes;
        };
        for (const Case& c : {Case{1, 10, true}, Case{1, 11, false}, Case{2, 10, true},
                              Case{2, 11, false}, Case{3, 5, true}, Case{3, 6, false}}) {
            SCOPED_TRACE(testing::Message() << "stage " << c.stage << " draw " << c.r);
            GameRecord& enemy = Meet(kAvenger, FactionId::Pirates);
            enemy[Ship::Speed] = PlayerShip()[Ship::Speed];
            EncounterStage = c.stage;
            EncounterResolved = 0;
            fights = 0;
            Rng().SetSeed(nextDraw(c.r));
            Press(f, *Form15->SpeedButton2);
            EXPECT_EQ(told(), Lines{c.escapes ? retreat : closing});
            if (c.stage < 3) {
                EXPECT_EQ(EncounterResolved, c.escapes ? 1 : 0);
                EXPECT_EQ(EncounterStage, c.escapes ? c.stage : c.stage + 1);
            } else {
                EXPECT_EQ(EncounterResolved, 1);
                EXPECT_EQ(fights, c.escapes ? 0 : 1);
            }
        }

        // A slower ship never catches the captain.
        GameRecord& slow = Meet(kAvenger, FactionId::Pirates);
        slow[Ship::Speed] = PlayerShip()[Ship::Speed] - 1;
        EncounterStage = 3;
        EncounterResolved = 0;
        fights = 0;
        Press(f, *Form15->SpeedButton2);
        EXPECT_EQ(fights, 0);
        EXPECT_EQ(EncounterResolved, 1);
        EXPECT_EQ(told(), Lines{retreat});

        // Closing for battle with a pirate: 50 has it close in, 51 is the captain's attack.
        for (int r : {50, 51}) {
            Meet(kAvenger, FactionId::Pirates);
            EncounterStage = 3;
            Rng().SetSeed(nextDraw(r));
            Press(f, *Form15->SpeedButton1);
            EXPECT_EQ(told(), Lines{r == 50 ? closing : attack});
        }
        // With a ship at peace: 40 reports the crime, 41 does not; it is attacked either way.
        const int friendly = FactionId::Syndicate;
        Relation(friendly, 1);
        fights = 0;
        for (int r : {40, 41}) {
            Meet(kAvenger, friendly);
            G().Factions[friendly][Faction::Reputation] = 5000;
            EncounterStage = 3;
            EncounterResolved = 0;
            Rng().SetSeed(nextDraw(r));
            Press(f, *Form15->SpeedButton1);
            EXPECT_EQ(G().Factions[friendly][Faction::Reputation] < 5000, r == 40) << r;
            EXPECT_EQ(told().back(), attack);
        }
    });
    EXPECT_EQ(fights, 2);
}

// Communicate: the reward is Random(money div 10) held to 500..1.000.000; fame and reputation
// rise by at least 40 each; the button works once and ends the encounter.
TEST_F(Encounters, CommunicateRewardsStayInTheirBounds) {
    test::UseAnsweringBackend answering;
    Rng().SetSeed(321);
    int money = 0, praise = 0, secrets = 0;
    OnEncounterScreen([&](ui::Form& f) {
        for (int i = 0; i < 300; ++i) {
            GameRecord& captain = G().Players[1];
            // Rewards of 0.., and of ..1 million just under and over the money cap.
            captain[Player::Money] = i % 3 == 0 ? 100 : i % 3 == 1 ? 899900000 : 900000000;
            captain[Player::Fame] = 0;
            G().Factions[1][Faction::Reputation] = 0;
            captain[Player::HideFameGainNotices] = captain[Player::HideReputationGainNotices] = 1;
            Meet(kAvenger, FactionId::Federation);
            EncounterStage = 3;
            EncounterResolved = 0;
            const int before = captain[Player::Money];
            Press(f, *Form15->SpeedButton3);
            EXPECT_FALSE(Form15->SpeedButton3->enabled);
            EXPECT_EQ(EncounterResolved, 1);
            const int gain = captain[Player::Money] - before;
            const std::string told = answering.backend().seen.back().Text("Label1");
            const std::string rewarded =
                "The foreign captain praises you for your good services for your country. You "
                "are rewarded with ";
            if (told.starts_with(rewarded)) {
                ++money;
                // All of it comes on, past the cap too: the turn caps money, not the praise.
                EXPECT_EQ(told, rewarded + FormatThousands(gain) + " $C.");
                EXPECT_GE(gain, 500);
                EXPECT_LE(gain, 1000000);
            } else if (captain[Player::Fame] > 0) {
                ++praise;
                EXPECT_GE(captain[Player::Fame], 40);
                EXPECT_GE(G().Factions[1][Faction::Reputation], 40);
            } else {
                ++secrets;
            }
        }
    });
    EXPECT_GT(money, 100);
    EXPECT_GT(praise, 50);
    EXPECT_GT(secrets, 30);
    // Another faction's ship is not offered the words; a press that reached the button anyway
    // gets no answer, and the screen stays.
    Meet(kAvenger, FactionId::Syndicate);
    EncounterResolved = 0;
    RefreshEncounterScreen();
    EXPECT_FALSE(Form15->SpeedButton3->enabled);
    Form15->SpeedButton3Click();
    EXPECT_EQ(EncounterResolved, 0);
}

// A new game, a one-day trip whose seeded roll meets a pirate small enough to fight, the three
// stages, the fight to its end, the bounty and a loot screen per good of the pirate's hold.
TEST_F(Encounters, AWholeEncounterFromTheTravelScreenToTheLoot) {
    test::LinkGameArt(std::filesystem::current_path());
    const int target = OneDayTrip();
    ASSERT_NE(target, 0);
    G().SelectedPlanet = target;
    GameUpcalls().StartRandomEncounter = StartRandomEncounter;
    // The captain has bought the heaviest laser of the catalogue.
    int gun = 0;
    for (int id = 1; id <= 113; ++id) {
        const GameRecord& item = G().EquipmentTypes[id];
        if (item[Equipment::Defined] > 0 && item[Equipment::Kind] == EquipmentKind::LaserGun &&
            (gun == 0 ||
             item[Equipment::GunDamage] > G().EquipmentTypes[gun][Equipment::GunDamage]))
            gun = id;
    }
    for (int slot = 19; slot <= 19; ++slot) {
        GameRecord& rec = G().ShipEquipment[1][1][slot];
        rec[Slot::Used] = 1;
        rec[Slot::EquipmentId] = gun;
    }
    RecalcShipStats(1, 1, 0, 0);
    const auto start = std::make_unique<GameState>(G());
    // The seed: the first whose trip meets a pirate no larger than the Avenger and wins the
    // fight the answering player fights (the same clicks as the script below) over more than
    // one turn, with loot.
    uint32_t seed = 0;
    {
        test::UseAnsweringBackend answering;
        // The search starts at the seed it last found (2076); should the game's draws change, it
        // goes on from there, and wraps round to 1 before it gives up.
        for (uint32_t n = 0; n < 3000 && seed == 0; ++n) {
            const uint32_t s = 1 + (2075 + n) % 3000;
            G() = *start;
            Rng().SetSeed(s);
            answering.backend().answered.clear();
            answering.backend().pressed.clear();
            ui::UseHeadless().Reset();
            Depart(target).Do("TForm2", [](ui::Form& f) { f.Hide(); });
            Form2->ShowModal();
            const auto& a = answering.backend().answered;
            if (G().Ships[0][1][Ship::Faction] == FactionId::Pirates && a.count("TForm15") &&
                a.count("TForm51") && G().Ships[1][1][Ship::Present] == 1 &&
                G().Ships[0][1][Ship::Present] == 0 &&
                std::count(answering.backend().pressed.begin(), answering.backend().pressed.end(),
                           "TForm14.SpeedButton5") > 0)
                seed = s;
        }
    }
    ASSERT_NE(seed, 0u);
    G() = *start;
    ui::UseHeadless().Reset();
    test::UseAnsweringBackend answering(CORVANTH_SCREENS_DIR);
    // Their pictures are drawn where they show best, by the tests of their screens.
    player().LeavePicture("TForm15");
    player().LeavePicture("TForm14");
    Rng().SetSeed(seed);
    ui::audio::ClearLog();
    const int freeBefore = G().Fleets[1][Fleet::FreeCargo];
    std::array<int32_t, 21> cargoBefore{}, captured{};
    std::copy(G().Cargo.begin(), G().Cargo.begin() + 21, cargoBefore.begin());
    Depart(target)
        .Do("TForm15",
            [&](ui::Form&) {
                std::copy(G().CapturedCargo.begin(), G().CapturedCargo.begin() + 21,
                          captured.begin());
                EXPECT_EQ(Form15->Label1->caption, "Encounter");
                EXPECT_EQ(Form15->Image2->picture, "TargetingSystem.jpg");
                EXPECT_EQ(Form15->Label2->caption,
                          "You have a " + SizeWord(G().Ships[0][1][Ship::SizeClass]) +
                              " vessel on your long-range scanners, but you can not say yet "
                              "what kind of ship it is.");
                EXPECT_EQ(Form15->SpeedButton2->caption, "Continue voyage");
                EXPECT_FALSE(Form15->SpeedButton3->enabled);
                EXPECT_EQ(test::CountSound("wave:alert.wav"), 1);
            })
        .CloseRequest("TForm15")  // refused: the encounter is not resolved
        .Click("TForm15", "SpeedButton1")
        .Do("TForm15",
            [](ui::Form& f) {
                EXPECT_TRUE(f.Visible());
                EXPECT_EQ(Form15->Image2->picture,
                          GetShipPictureName(G().Ships[0][1][Ship::Class]));
                EXPECT_EQ(Form15->Label2->caption,
                          "It is a " + ShipClassName(0, 1) +
                              ". You are still not close enough to identify its faction or "
                              "intentions.");
                EXPECT_EQ(Form15->SpeedButton2->caption, "Fly away");
            })
        .Click("TForm15", "SpeedButton1")
        .Do("TForm15",
            [](ui::Form&) {
                EXPECT_EQ(Form15->Image2->picture, G().FactionPictures[5].str());
                EXPECT_EQ(Form15->Label2->caption, "Its a pirate ship. It is hostile!");
                EXPECT_EQ(Form15->SpeedButton1->caption, "Close for battle");
            })
        .Click("TForm15", "SpeedButton1")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_FALSE(Form15->Visible());
                EXPECT_FALSE(Form14->Visible());
                EXPECT_FALSE(Form14->Timer1->Enabled());
                EXPECT_EQ(G().Fleets[1][Fleet::Location], target);
                // Each lot is a quarter of the pirate's stock (at least 1), cut to the room.
                int room = freeBefore, lots = 0, taken = 0;
                for (int good = 1; good <= 20; ++good) {
                    if (captured[good] <= 0) continue;
                    ++lots;
                    const int take = std::max(0, std::min(std::max(1, captured[good] / 4), room));
                    room -= take;
                    taken += take;
                    EXPECT_EQ(G().Cargo[good], cargoBefore[good] + take) << good;
                    if (take > 0) {
                        EXPECT_NE(Form2->ListBox1->ShownText().find(GoodName(good).substr(0, 8)),
                                  std::string::npos);
                    }
                }
                ASSERT_GT(lots, 0);
                EXPECT_EQ(answering.backend().answered["TForm51"], lots);
                EXPECT_EQ(G().Fleets[1][Fleet::FreeCargo], freeBefore - taken);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    G().SelectedPlanet = target;
    Form2->ShowModal();
    // The fight was fought with Fire and End turn, and ended with the victory and the bounty.
    const auto& seen = answering.backend().seen;
    const auto& pressed = answering.backend().pressed;
    const auto fires = std::count(pressed.begin(), pressed.end(), "TForm14.SpeedButton4");
    const auto ends = std::count(pressed.begin(), pressed.end(), "TForm14.SpeedButton5");
    bool victory = false, bounty = false;
    for (const ui::Snapshot& s : seen) {
        if (s.form == "TMessage2" && s.Text("Label2") == "Victory!!") victory = true;
        if (s.form == "TMessage6" &&
            s.Text("Label1").starts_with("For destruction of this pirate vessel you receive a "
                                         "bounty of $C "))
            bounty = true;
    }
    EXPECT_GT(fires, 0);
    EXPECT_GT(ends, 0);
    EXPECT_TRUE(victory);
    EXPECT_TRUE(bounty);
}

// A battle lost without a life point: the death screen, the score, one row in the table and
// the main menu alone on top; no turn runs after it.
TEST_F(Encounters, ABattleLostWithoutALifePointEndsAtTheMainMenu) {
    std::filesystem::remove(kHighscoreNumbersFile);
    std::filesystem::remove(kHighscoreNamesFile);
    G().Players[1][Player::LifePoints] = 0;
    // An unarmed Avenger: the captain can only end turns until the battleship wins.
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) G().ShipEquipment[1][1][slot].fill(0);
    RecalcShipStats(1, 1, 0, 0);
    const int turn = G().TurnNumber;
    test::UseAnsweringBackend answering;
    Rng().SetSeed(5);
    player()
        .Do("TForm1", [](ui::Form&) { StartShipBattle(5, FactionId::Pirates, 12); })
        .Do("TForm43",
            [](ui::Form&) {
                EXPECT_EQ(Form43->Label7->caption, "Sorry!");
                EXPECT_TRUE(Form14->Visible());
            })
        .Click("TForm43", "SpeedButton1")
        .Wait("TForm1", 2000)
        .Do("TForm1", [](ui::Form& f) {
            EXPECT_EQ(ui::App().ModalStack().size(), 1u);
            EXPECT_FALSE(Form14->Visible());
            EXPECT_FALSE(Form15->Visible());
            EXPECT_FALSE(Form14->Timer1->Enabled());
            f.Hide();
        });
    Form1->ShowModal();
    EXPECT_TRUE(GameEnded());
    EXPECT_EQ(G().TurnNumber, turn);
    EXPECT_EQ(answering.backend().answered["TForm38"], 1);
    LoadHighscores();
    EXPECT_EQ(G().Highscores[1][Highscore::Used], 1);
    EXPECT_EQ(G().HighscoreNames[1], "Mara Kellan");
    EXPECT_EQ(G().Highscores[2][Highscore::Used], 0);
}

}  // namespace
}  // namespace corvanth
