// The planet screen: its services by the owner's standing, its turns, its close guard, the crew
// notice on departure and the end of a game while docked.
#include "planet/planet.h"
#include "planet/new_game_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "career/governor.h"
#include "shell/SaveLoad.h"
#include "shell/background.h"
#include "shell/shell_fixture.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/newgame.h"
#include "state/tables.h"
#include "support/art.h"
#include "travel/quiet_turns.h"
#include "travel/travel.h"
#include "ui/application.h"

namespace corvanth {
namespace {

constexpr int kNewMoscow = 24;  // the Syndicate's home; Moscow Prime is location 1

class PlanetScreen : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        GameUpcalls() = test::QuietUpcalls();
        // The two things a planet turn must skip, recorded.
        GameUpcalls().StartRandomEncounter = [this] { calls.push_back("encounter"); };
        GameUpcalls().CheckMissionProgress = [this] { calls.push_back("mission"); };
    }
    void TearDown() override {
        GameUpcalls() = StandardUpcalls();
        ClearGameEnded();
        PlanetScreenMayClose = 0;
        ShellTest::TearDown();
    }
    // Main menu, "Start a new game", the Syndicate, "Ok", the opening story: the travel screen.
    ui::ScriptedPlayer& StartSyndicateGame() {
        return test::ClickToSyndicateGame(player()).Do("TForm2",
                                                       [](ui::Form&) { G().TurnNumber = 1; });
    }
    ui::ScriptedPlayer& QuitGame() {
        return player()
            .CloseRequest("TForm2")
            .Click("TMessage3", "SpeedButton1")
            .Click("TForm1", "SpeedButton7");
    }
    std::vector<std::string> calls;
};

// The matrix, row by row, for a Federation captain: own planets, planets of a faction at peace,
// of one at war, of the pirates and of nobody.
TEST_F(PlanetScreen, ServicesFollowTheOwnerTheRelationAndTheReputation) {
    InitGameData();
    GameState& g = G();
    g.Players[1][Player::Faction] = FactionId::Federation;
    const int s = 4, l = 1;
    GameRecord& site = g.Planets[s][l];
    GameRecord& fed = g.Factions[FactionId::Federation];
    GameRecord& outer = g.Factions[FactionId::OuterRimAlliance];
    using B = PlanetScreenButtons;
    auto row = [&](bool gov, bool bank, bool bar, bool ships, bool equip, bool save) {
        const B b = PlanetScreenButtonsFor(s, l);
        EXPECT_EQ(b.governor, gov);
        EXPECT_EQ(b.bank, bank);
        EXPECT_EQ(b.bar, bar);
        EXPECT_EQ(b.ships, ships);
        EXPECT_EQ(b.equipment, equip);
        EXPECT_EQ(b.saveLoad, save);
        EXPECT_TRUE(b.goBack);
    };
    site[Planet::Owner] = FactionId::Federation;
    fed[Faction::Reputation] = 0;
    row(true, true, true, true, true, true);
    fed[Faction::Surrendered] = 1;
    row(false, true, true, true, true, true);
    fed[Faction::Surrendered] = 0;
    fed[Faction::Reputation] = -1;
    row(true, false, false, false, false, false);

    site[Planet::Owner] = FactionId::OuterRimAlliance;
    outer[Faction::RelationBase + FactionId::Federation] = 1;
    outer[Faction::Reputation] = 500;
    row(true, false, true, true, true, true);  // never the bank
    outer[Faction::Surrendered] = 1;
    row(false, false, true, true, true, true);
    outer[Faction::Surrendered] = 0;
    outer[Faction::Reputation] = -1;
    row(true, false, false, false, false, false);
    outer[Faction::RelationBase + FactionId::Federation] = 2;
    outer[Faction::Reputation] = 500;
    row(false, false, false, false, false, false);

    site[Planet::Owner] = FactionId::Pirates;
    row(false, false, false, false, false, false);
    site[Planet::Owner] = 0;
    row(false, false, false, false, false, false);
    site[Planet::Owner] = 9;  // a damaged record: nobody's
    row(false, false, false, false, false, false);

    // On the screen: nobody's planet names no faction, and only "Go back to space" is offered
    // (services whose screens are not aboard never are).
    g.Fleets[1][Fleet::System] = s;
    g.Fleets[1][Fleet::Location] = l;
    site[Planet::Owner] = 0;
    RefreshPlanetScreen();
    EXPECT_EQ(Form3->Label2->caption, "Faction: ");
    EXPECT_TRUE(Form3->SpeedButton4->enabled);
    for (ui::SpeedButton* b : {Form3->SpeedButton1, Form3->SpeedButton2, Form3->SpeedButton3,
                               Form3->SpeedButton5, Form3->SpeedButton7})
        EXPECT_FALSE(b->enabled) << b->Name();

    // The arena planet's bar leads to the tournament while it bears its name.
    g.Fleets[1][Fleet::System] = 24;
    g.Fleets[1][Fleet::Location] = 9;
    g.PlanetNames[24][9] = "Gameris";
    RefreshPlanetScreen();
    EXPECT_EQ(Form3->SpeedButton1->caption, "Gameris tournament");
    g.PlanetNames[24][9] = "Gameris II";
    RefreshPlanetScreen();
    EXPECT_EQ(Form3->SpeedButton1->caption, "Visit bar");
}

// The road of the game: a Syndicate captain docks at Moscow Prime, waits a turn there and goes
// back to space; neither planet turn rolls for an encounter or checks the mission.
TEST_F(PlanetScreen, ACaptainDocksWaitsAndGoesBackToSpace) {
    test::LinkGameArt(std::filesystem::current_path());  // the screen's picture as played
    int turn = 0;
    StartSyndicateGame()
        .Do("TForm2",
            [&](ui::Form&) {
                ASSERT_EQ(FleetSystem(), kNewMoscow);
                ASSERT_EQ(G().SelectedPlanet, 1);
                ASSERT_EQ(Form2->SpeedButton2->caption, "Dock here");
                turn = G().TurnNumber;
            })
        .Click("TForm2", "SpeedButton2")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_EQ(Form3->Label1->caption, "Moscow Prime");
                EXPECT_EQ(Form3->Label2->caption, "Faction: Syndicate");
                EXPECT_TRUE(Form3->SpeedButton6->enabled);
                EXPECT_TRUE(Form3->SpeedButton7->enabled);
                EXPECT_TRUE(Form3->SpeedButton8->enabled);
                EXPECT_TRUE(Form3->SpeedButton4->enabled);
                EXPECT_EQ(G().TurnNumber, turn);
                EXPECT_EQ(PlanetScreenMayClose, 0);
            })
        .Click("TForm3", "SpeedButton7")  // the governor's office and back: no turn
        .Do("TForm27", [](ui::Form&) { EXPECT_EQ(Form27->Label15->caption, "Syndicate"); })
        .Click("TForm27", "SpeedButton2")
        .Click("TForm3", "SpeedButton8")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 1);
                EXPECT_EQ(G().NoEncounterThisTurn, 0);
                // A notice on top disables the turn; back on top the screen gives it again.
                Message1->Label1->caption = "On top";
                Message1->ShowModal();
            })
        .Do("TMessage1", [](ui::Form&) { EXPECT_FALSE(Form3->SpeedButton8->enabled); })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm3", [](ui::Form&) { EXPECT_TRUE(Form3->SpeedButton8->enabled); })
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2", [&](ui::Form&) {
            EXPECT_EQ(G().TurnNumber, turn + 2);
            EXPECT_FALSE(Form3->Visible());
            EXPECT_EQ(G().NoEncounterThisTurn, 0);
        });
    QuitGame();
    Form1->ShowModal();
    EXPECT_TRUE(calls.empty());
}

// The screen can be left only by its button; a crewless ship is told so once until crew is
// aboard again, a ship that needs none never.
TEST_F(PlanetScreen, TheCloseGuardAndTheNoCrewNotice) {
    auto crew = [](int officers, int minimum) {
        GameRecord& ship = PlayerShip();
        for (int k = CrewKind::First; k <= CrewKind::Last; ++k) ship[Ship::CrewBase + k] = 0;
        ship[Ship::CrewOfficers] = officers;
        ship[Ship::CrewMin] = minimum;
    };
    const std::string noCrew =
        "You do not have any crew, hire some men at the bar on the planet. Travel time "
        "multiplied by 4.";
    StartSyndicateGame()
        .Do("TForm2", [&](ui::Form&) { crew(0, 1); })
        .Click("TForm2", "SpeedButton2")
        .CloseRequest("TForm3")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "Please exit the planet window by using the \"Go back to space\" "
                          "button.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm3", "SpeedButton4")
        .Do("TMessage6",
            [&](ui::Form&) {
                EXPECT_EQ(Message6->Label1->caption, noCrew);
                EXPECT_FALSE(Message6->CheckBox1->enabled);
            })
        .Click("TMessage6", "SpeedButton3")
        // Docked again without crew: no second notice.
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(player().TimesSeen("TMessage6"), 1);
                crew(2, 1);  // crew aboard ends the episode
            })
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2", [&](ui::Form&) { crew(0, 0); })  // a ship that needs none
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2", [&](ui::Form&) { crew(0, 1); })  // a new episode
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton4")
        .Do("TMessage6",
            [&](ui::Form&) {
                EXPECT_EQ(Message6->Label1->caption, noCrew);
                EXPECT_EQ(player().TimesSeen("TMessage6"), 2);
            })
        .Click("TMessage6", "SpeedButton3");
    QuitGame();
    Form1->ShowModal();
}

// The captain dies in the turn of "Wait a turn" for good: the game ends once, the planet and travel
// screens close without a word, and no turn runs after it.
TEST_F(PlanetScreen, AnEndWhileDockedUnwindsToTheMenu) {
    int ends = 0, turnsAfter = 0, endTurn = 0;
    StartSyndicateGame().Click("TForm2", "SpeedButton2").Do("TForm3", [&](ui::Form&) {
        // The death protocol of a heart attack, with no life point left for a second chance.
        GameUpcalls().WarTurnStep = [&] {
            ++ends;
            Captain()[Player::LifePoints] = 0;
            GameUpcalls().KillCaptain();
        };
        GameUpcalls().UpdateSenatorStory = [&] { ++turnsAfter; };
    });
    player().Click("TForm3", "SpeedButton8").Click("TForm43", "SpeedButton1");
    // The score, read through: six step screens, the uniform and the table.
    for (const char* screen :
         {"TForm57", "TForm57", "TForm39", "TForm57", "TForm57", "TForm57", "TForm57"})
        player().Click(screen, "SpeedButton1");
    player()
        .Click("TForm38", "SpeedButton11")
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_TRUE(GameEnded());
                EXPECT_EQ(ui::App().ModalStack().size(), 1u);
                EXPECT_FALSE(Form3->Visible());
                EXPECT_FALSE(Form2->Visible());
                EXPECT_EQ(PlanetScreenMayClose, 1);
                endTurn = G().TurnNumber;
            })
        .Wait("TForm1", 2000)
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, endTurn);
                EXPECT_EQ(ends, 1);
                EXPECT_EQ(turnsAfter, 0);
                EXPECT_EQ(player().TimesSeen("TMessage1"), 0);  // no close was refused
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
}

// "Save/Load/Options" costs one turn without an encounter roll and shows the fleet's location
// afterwards: a save and "Back", a damaged slot that changes nothing, and a game saved at Moscow
// Prime loaded at Petersburg. A load that leaves no running game ends it without a turn.
TEST_F(PlanetScreen, SaveLoadAndOptionsCostOneTurnAndShowTheGamesLocation) {
    constexpr int kPetersburg = 2;
    int turn = 0, savedTurn = 0;
    auto turnIs = [&](int expected) {
        return [&, expected](ui::Form&) { EXPECT_EQ(G().TurnNumber, turn + expected); };
    };
    StartSyndicateGame()
        .Click("TForm2", "SpeedButton2")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_TRUE(Form3->SpeedButton6->enabled);
                turn = G().TurnNumber;
            })
        .Click("TForm3", "SpeedButton6")
        .Do("TForm37", [&](ui::Form&) { savedTurn = G().TurnNumber; })
        .Click("TForm37", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")  // "Game saved!"
        .Click("TForm37", "SpeedButton11")
        .Do("TForm3", turnIs(1))
        .Click("TForm3", "SpeedButton8")
        .Do("TForm3", turnIs(2))
        .Click("TForm3", "SpeedButton4")
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 3);
                // The sizes of a slot, and no game in them: a captain of nothing.
                for (const bool texts : {false, true})
                    std::ofstream(SlotFileName(2, texts), std::ios::binary)
                        << std::string(texts ? kSaveTextBytes : kSaveIntBytes, '\0');
                G().Fleets[1][Fleet::Location] = kPetersburg;
                G().SelectedPlanet = kPetersburg;
                RefreshTravelScreen();
                turn = G().TurnNumber;
            })
        .Click("TForm2", "SpeedButton2")
        .Click("TForm3", "SpeedButton6")
        .Click("TForm37", "SpeedButton4")
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Sorry, I cannot load this file.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm37", "SpeedButton11")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, turn + 1);
                EXPECT_EQ(Form3->Label1->caption, "Petersburg");
                EXPECT_EQ(FleetLocation(), kPetersburg);
            })
        .Click("TForm3", "SpeedButton6")
        .Click("TForm37", "SpeedButton2")
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")  // "Game loaded!"
        .Click("TForm37", "SpeedButton11")
        .Do("TForm3",
            [&](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, savedTurn + 1);
                EXPECT_EQ(Form3->Label1->caption, "Moscow Prime");
                EXPECT_EQ(G().SelectedPlanet, 1);
                turn = G().TurnNumber;
            })
        // No running game after the screen: back to the menu, no turn, no score.
        .Click("TForm3", "SpeedButton6")
        .Do("TForm37", [](ui::Form&) { Captain()[Player::GameRunning] = 0; })
        .Click("TForm37", "SpeedButton11")
        .Do("TForm1",
            [&](ui::Form&) {
                EXPECT_EQ(ui::App().ModalStack().size(), 1u);
                EXPECT_EQ(G().TurnNumber, turn);
                EXPECT_EQ(player().TimesSeen("TForm57"), 0);
            })
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_TRUE(calls.empty());
}

}  // namespace
}  // namespace corvanth
