// Saved games: the files' layout and round trip, loads that must fail cleanly, the save/load
// screen, the main menu's load path and saves killed halfway.
#include "shell/SaveLoad.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/newgame.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
void Put(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}
int32_t IntAt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<int32_t>(v);
}

class SavedGames : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        for (int slot = 1; slot <= kSaveSlots; ++slot)
            for (bool texts : {false, true}) fs::remove_all(SlotFileName(slot, texts));
        // Every showing of the screen has its descriptions, the picture of it too.
        G().SlotDescriptions[1] = "Before the raid on Pergor";
        G().SlotDescriptions[3] = "Rich, and the Syndicate after me";
        ASSERT_TRUE(WriteSlotDescriptions());
        ResetGameState();
    }
    // A running game as the Federation, with some play in it.
    void StartGame(int turn, const char* name) {
        InitGameData();
        GameState& g = G();
        g.Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        g.TurnNumber = turn;
        g.CaptainNames[1] = name;
        g.Players[1][Player::Money] = 123456;
        g.Fleets[1][Fleet::Location] = 4;
    }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(G()); }
    static bool Same(const GameState& a, const GameState& b) {
        return std::memcmp(&a, &b, sizeof(GameState)) == 0;
    }
};

TEST_F(SavedGames, ASlotHoldsTheSavedTablesInTheirOrderAndGivesThemBackBitForBit) {
    StartGame(41, "Zoë Quill");  // ë is 0xeb in the file, two bytes in memory
    GameState& g = G();
    g.ReservedSaveValue = -77;
    g.PlanetDescriptions[3][2] = std::string(300, 'x');
    g.Planets[26][35][100] = kLoadedNumberLimit;  // the largest a load keeps
    g.Markets[26][35][20][3] = -5;
    ASSERT_TRUE(SaveGame(2));

    const std::string ints = Bytes("Savegame02.int"), texts = Bytes("Savegame02.str");
    ASSERT_EQ(ints.size(), 907092u);
    ASSERT_EQ(texts.size(), 627712u);
    EXPECT_EQ(IntAt(ints, 907072), 41);          // record 226,768: the turn
    EXPECT_EQ(IntAt(ints, 907088), -77);         // the last record: the reserved value
    EXPECT_EQ(IntAt(ints, 388112), 1);           // record 97,028: Players [1] field 1
    EXPECT_EQ(IntAt(ints, 388112 + 8), 123456);  // field 3, the money
    // The captain's name is text record 1,990: length 9, "Zo", 0xeb, " Quill".
    const size_t name = 1990 * 256;
    EXPECT_EQ(texts.substr(name, 10), std::string("\x09Zo\xeb Quill", 10));
    EXPECT_EQ(static_cast<unsigned char>(texts[(910 + 2 * 35 + 1) * 256]), 255);

    // Everything the save does not hold keeps the value it has at the load.
    const auto saved = Copy();
    ResetGameState();
    InitGameData();
    g.Ships[0][0][Ship::Class] = 19;
    g.Fleets[6][Fleet::System] = 3;
    g.Markets[4][1][1][4] = 99;
    g.SelectedPlanet = 7;
    g.CurrentPlayer = 1;
    g.Players[3][Player::Money] = 5;
    PlunderWarned = 1;
    const auto before = Copy();
    ASSERT_TRUE(LoadGame(2));
    EXPECT_EQ(PlunderWarned, 0);  // the running game's screens and fights are gone with it
    EXPECT_EQ(g.CaptainNames[1], "Zoë Quill");
    EXPECT_EQ(g.PlanetDescriptions[3][2], std::string(255, 'x'));
    EXPECT_EQ(g.ReservedSaveValue, -77);
    auto expected = std::make_unique<GameState>(*saved);
    expected->PlanetDescriptions[3][2] = std::string(255, 'x');
    // The walk of the writer is the walk of the reader: the saved ranges equal, the rest as before.
    for (int s = 0; s < SystemBound; ++s)
        for (int l = 0; l < LocationBound; ++l)
            for (int good = 0; good < GoodBound; ++good)
                for (int f = 0; f < 102; ++f) {
                    const bool savedField = s >= 1 && s <= 26 && l >= 1 && l <= 35 && good >= 1 &&
                                            good <= 20 && f >= 1 && f <= 3;
                    ASSERT_EQ(g.Markets[s][l][good][f],
                              (savedField ? *expected : *before).Markets[s][l][good][f]);
                }
    EXPECT_EQ(g.Planets, expected->Planets);
    EXPECT_EQ(g.ShipEquipment[1], expected->ShipEquipment[1]);
    EXPECT_EQ(g.EquipmentTypes[113], expected->EquipmentTypes[113]);
    EXPECT_EQ(g.SpaceEvents[26], expected->SpaceEvents[26]);
    EXPECT_EQ(g.RankNames[4], expected->RankNames[4]);
    EXPECT_EQ(g.Ships[0][0][Ship::Class], 19);
    EXPECT_EQ(g.Fleets[6][Fleet::System], 3);
    EXPECT_EQ(g.Markets[4][1][1][4], 99);
    EXPECT_EQ(g.SelectedPlanet, 7);
    EXPECT_EQ(g.Players[3][Player::Money], 5);
    EXPECT_EQ(g.EarlyGameTurns, before->EarlyGameTurns);

    // Saved again, the files are the same bytes: nothing drifts through a round trip.
    ASSERT_TRUE(SaveGame(5));
    EXPECT_EQ(Bytes("Savegame05.int"), ints);
    EXPECT_EQ(Bytes("Savegame05.str"), texts);
    // A shorter text saved after the 255 x: its record is its 5 bytes and 250 zeros, nothing of
    // the text saved before.
    g.PlanetDescriptions[3][2] = "short";
    ASSERT_TRUE(SaveGame(4));
    EXPECT_EQ(Bytes("Savegame04.str").substr((910 + 2 * 35 + 1) * 256, 256),
              "\x05short" + std::string(250, '\0'));
    g.PlanetDescriptions[3][2] = std::string(255, 'x');

    // A longer file loads; the rest is ignored, and never read: files of 40 GB (sparse) load
    // as the first bytes do.
    Put("Savegame05.int", ints + "trailing bytes");
    EXPECT_TRUE(ReadSavedGame(5));
    fs::resize_file("Savegame05.int", 40ull << 30);
    fs::resize_file("Savegame05.str", 40ull << 30);
    G().CaptainNames[1] = "Running";
    EXPECT_TRUE(ReadSavedGame(5));
    EXPECT_EQ(G().CaptainNames[1], "Zoë Quill");
    // A slot cut short after a good load is no game: nothing of the bytes read before stands in.
    fs::resize_file("Savegame05.str", 1000);
    EXPECT_FALSE(ReadSavedGame(5));
}

TEST_F(SavedGames, AFailedLoadSaysSoAndLeavesTheRunningGameAsItWas) {
    StartGame(12, "Ada");
    ASSERT_TRUE(SaveGame(1));
    const std::string ints = Bytes("Savegame01.int"), texts = Bytes("Savegame01.str");
    StartGame(90, "Running");
    const auto before = Copy();

    std::string damaged = ints;
    damaged[97228 * 4 + 10 * 4] = 99;  // Fleets [1] field 11, the system: 99 of 26
    // Behind the market prices (records 161,768..216,367, three fields each), SpaceEvents [1][1]
    // field 2, the kind: 99 of 9. The check must pass over the prices to find it.
    std::string event = ints;
    event[(216368 + 1) * 4] = 99;
    struct Case {
        const char* what;
        std::string ints, texts;
        bool textFile = true;
    };
    const Case cases[] = {
        {"text file missing", ints, texts, false},
        {"integer file cut to 907,088 bytes", ints.substr(0, 907088), texts},
        {"text file cut", ints, texts.substr(0, 627712 - 100)},
        {"a fleet in system 99", damaged, texts},
        {"an event of kind 99", event, texts},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put("Savegame01.int", c.ints);
        fs::remove("Savegame01.str");
        if (c.textFile) Put("Savegame01.str", c.texts);
        player().Click("TMessage1", "SpeedButton3");
        EXPECT_FALSE(LoadGame(1));
        EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
                  "Sorry, I cannot load this file.");
        EXPECT_TRUE(Same(G(), *before));
    }
    EXPECT_EQ(test::CountSound("wave:bad1.wav"), 5);
}

TEST_F(SavedGames, TheScreenSavesAsksBeforeOverwritingAndLoadsOnlyWhatIsThere) {
    // Slot 2 in two spellings: the exact one empty and cut, the other whole, which is the game.
    StartGame(20, "Bo");
    ASSERT_TRUE(SaveGame(2));
    fs::rename("Savegame02.int", "SAVEGAME02.INT");
    fs::rename("Savegame02.str", "SAVEGAME02.STR");
    Put("Savegame02.int", "");
    Put("Savegame02.str", std::string(1000, 'x'));
    StartGame(30, "Ada");
    ASSERT_TRUE(SaveGame(4));
    ResetGameState();
    // An integer file alone, empty, and a slot cut short: no game.
    Put("Savegame01.int", "");
    Put("Savegame05.int", std::string(kSaveIntBytes, '\0'));
    Put("Savegame05.str", std::string(kSaveTextBytes - 1, '\0'));
    // No game: every "Save" off, "Load" only where a whole pair is, and no question asked.
    RefreshSaveLoadForm();
    player()
        .Do("TForm37",
            [](ui::Form&) {
                for (int slot = 1; slot <= 5; ++slot) {
                    EXPECT_FALSE(Form37->SaveButton(slot)->enabled);
                    EXPECT_EQ(Form37->LoadButton(slot)->enabled, slot == 2 || slot == 4) << slot;
                }
                EXPECT_EQ(Form37->Edit1->Text(), "Before the raid on Pergor");
            })
        .Type("TForm37", "Edit5", "typed, not saved")
        .Click("TForm37", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Game loaded!");
                EXPECT_EQ(G().CaptainNames[1], "Bo");
            })
        .Click("TMessage1", "SpeedButton3")
        // A game runs now: loading another asks first.
        .Click("TForm37", "SpeedButton8")
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")  // "Game loaded!"
        .Do("TForm37",
            [](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, 30);
                EXPECT_TRUE(Form37->SaveButton(1)->enabled);
                // After a load only the buttons change: what was typed stays.
                EXPECT_EQ(Form37->Edit5->Text(), "typed, not saved");
            })
        // Into a used slot: asked, and "No" leaves both files as they were.
        .Click("TForm37", "SpeedButton7")
        .Click("TMessage3", "SpeedButton2")
        // Into an empty slot: nothing asked.
        .Type("TForm37", "Edit3", "Ada at Sargoth")
        .Click("TForm37", "SpeedButton5")
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm37", [](ui::Form&) { EXPECT_TRUE(Form37->LoadButton(3)->enabled); })
        .Click("TForm37", "SpeedButton13")  // "Options"
        .Click("TForm58", "SpeedButton4")
        .Click("TForm37", "SpeedButton12")  // the note on copying files: a click only
        .Click("TForm37", "SpeedButton11");
    const std::string slot4 = Bytes("Savegame04.int") + Bytes("Savegame04.str");
    Form37->ShowModal();
    EXPECT_EQ(Bytes("Savegame04.int") + Bytes("Savegame04.str"), slot4);
    EXPECT_EQ(player().TimesSeen("TMessage3"), 2);
    EXPECT_EQ(player().LastSeen("TMessage3")->Text("Label1"),
              "Do you really want to SAVE the game in this slot (any saved games in this slot are "
              "lost)?");
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), "Game saved!");
    EXPECT_EQ(Bytes("Savegame03.int").size(), 907092u);
    // "Back" stores every description typed, saved or not.
    LoadSlotDescriptions();
    EXPECT_EQ(G().SlotDescriptions[3], "Ada at Sargoth");
    EXPECT_EQ(G().SlotDescriptions[5], "typed, not saved");
    EXPECT_EQ(G().SlotDescriptions[1], "Before the raid on Pergor");
}

// The screen asks the disk at every "Save" and "Load", not the buttons it showed: a game copied
// into a slot while the screen is open is asked about before it is saved over, and a slot removed
// meanwhile fails to load as any missing one does; the buttons follow.
TEST_F(SavedGames, TheScreenAsksTheDiskAtEverySaveAndLoad) {
    StartGame(77, "Copied");
    const SaveImage copied = EncodeSave(G());
    StartGame(30, "Ada");
    ASSERT_TRUE(SaveGame(4));
    ASSERT_TRUE(SaveGame(5));
    RefreshSaveLoadForm();
    player()
        .Do("TForm37",
            [&](ui::Form&) {
                EXPECT_FALSE(Form37->LoadButton(2)->enabled);
                EXPECT_TRUE(Form37->LoadButton(5)->enabled);
                // Behind the screen: a game copied into slot 2, in the letters of its copier,
                // and slot 5 taken away.
                Put("SaveGame02.INT", copied.ints);
                Put("savegame02.str", copied.texts);
                fs::remove("Savegame05.int");
                fs::remove("Savegame05.str");
            })
        .Click("TForm37", "SpeedButton3")
        .Do("TMessage3",
            [](ui::Form&) {
                EXPECT_EQ(Message3->Label1->caption,
                          "Do you really want to SAVE the game in this slot (any saved games in "
                          "this slot are lost)?");
                EXPECT_TRUE(Form37->LoadButton(2)->enabled);
                EXPECT_FALSE(Form37->LoadButton(5)->enabled);
                ui::SoftwareCanvas stack(ui::kCanvasWidth, ui::kCanvasHeight);
                stack.DrawStack();
                EXPECT_TRUE(
                    stack.SavePng(std::string(CORVANTH_SCREENS_DIR) + "/TForm37-asked.png"));
            })
        .Click("TMessage3", "SpeedButton2")
        .Do("TForm37",
            [&](ui::Form&) {
                EXPECT_EQ(Bytes("SaveGame02.INT"), copied.ints);
                EXPECT_EQ(Bytes("savegame02.str"), copied.texts);
                fs::remove("Savegame04.str");
            })
        .Click("TForm37", "SpeedButton8")  // still on from before
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Sorry, I cannot load this file.");
                EXPECT_EQ(G().CaptainNames[1], "Ada");
            })
        .Click("TMessage1", "SpeedButton3")
        .Do("TForm37", [](ui::Form&) { EXPECT_FALSE(Form37->LoadButton(4)->enabled); })
        .Click("TForm37", "SpeedButton4")
        .Click("TMessage3", "SpeedButton1")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption, "Game loaded!");
                EXPECT_EQ(G().CaptainNames[1], "Copied");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm37", "SpeedButton11");
    Form37->ShowModal();
}

// Escape and the window's close button leave as "Back" does: what was typed is kept.
TEST_F(SavedGames, EveryWayOutOfTheScreenKeepsTheTypedDescriptions) {
    RefreshSaveLoadForm();
    player().Type("TForm37", "Edit2", "left with Escape").Key("TForm37", ui::keys::Escape);
    Form37->ShowModal();
    RefreshSaveLoadForm();
    player().Type("TForm37", "Edit4", "left by the close button").CloseRequest("TForm37");
    Form37->ShowModal();
    LoadSlotDescriptions();
    EXPECT_EQ(G().SlotDescriptions[2], "left with Escape");
    EXPECT_EQ(G().SlotDescriptions[4], "left by the close button");
    EXPECT_EQ(G().SlotDescriptions[1], "Before the raid on Pergor");
}

TEST_F(SavedGames, FailedWritesKeepTheOldGameAndTheScreenStillCloses) {
    StartGame(5, "Old");
    ASSERT_TRUE(SaveGame(1));
    const std::string old = Bytes("Savegame01.int") + Bytes("Savegame01.str");
    // The save's new text file cannot take its place, nor can the descriptions.
    fs::create_directories("Savegame01.str.new/in-the-way");
    fs::remove("Savegamedata.str");
    fs::create_directories("Savegamedata.str/in-the-way");
    StartGame(6, "New");
    RefreshSaveLoadForm();
    EXPECT_EQ(Form37->Edit1->Text(), "");  // unreadable: empty descriptions
    player()
        .Click("TForm37", "SpeedButton1")
        .Click("TMessage3", "SpeedButton1")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm37", "SpeedButton11")
        .Click("TMessage1", "SpeedButton3");
    Form37->ShowModal();
    EXPECT_EQ(Bytes("Savegame01.int") + Bytes("Savegame01.str"), old);
    EXPECT_EQ(player().TimesSeen("TMessage1"), 2);
    for (const auto& seen : player().Seen()) EXPECT_NE(seen.Text("Label1"), "Game saved!");
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Sorry, I cannot write the descriptions of the slots to Savegamedata.str.");

    // With the way clear the first write creates the descriptions file whole.
    fs::remove_all("Savegamedata.str");
    fs::remove_all("Savegame01.str.new");
    ASSERT_TRUE(WriteSlotDescriptions());
    EXPECT_EQ(Bytes("Savegamedata.str").size(), 5 * 256u);
}

TEST_F(SavedGames, FromTheMainMenuALoadedGameOpensOnTheTravelScreenOneTurnLater) {
    StartGame(57, "Ilsa Brand");
    // The war news of the turn after the load are not what this test is about.
    G().Players[1][Player::HideWarNews] = 1;
    ASSERT_TRUE(SaveGame(3));
    ResetGameState();
    player()
        .Click("TForm1", "SpeedButton15")
        .Click("TForm37", "SpeedButton6")
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm37", "SpeedButton11")
        .Do("TForm2",
            [](ui::Form&) {
                EXPECT_EQ(G().TurnNumber, 58);
                EXPECT_EQ(G().CaptainNames[1], "Ilsa Brand");
                EXPECT_EQ(G().SelectedPlanet, 4);
                EXPECT_EQ(G().NoEncounterThisTurn, 0);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1")
        // Leaving without a load goes back with no turn and no travel screen.
        .Click("TForm1", "SpeedButton15")
        .Click("TForm37", "SpeedButton11")
        .Click("TForm1", "SpeedButton7");
    Form1->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm2"), 1);
}

// A save killed at any moment leaves the slot loadable, with the old game or the new one.
TEST_F(SavedGames, ASaveKilledAtRandomMomentsNeverLeavesAMixOrABrokenSlot) {
    StartGame(1, "Old");
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(SaveGame(1));
    // Kills spread over about three saves' time, so they fall before, in and after the renames;
    // the span follows what the kills hit, so a busy machine still gives both outcomes.
    double span = 3.0 * std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
    std::mt19937 random(12);
    int oldGames = 0, newGames = 0;
    for (int round = 0; round < 100; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        if (child == 0) {
            StartGame(2, "New");
            (void)!write(ready[1], "x", 1);
            for (;;) SaveGame(1);
        }
        char c;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        close(ready[0]);
        close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<int64_t>(0, static_cast<int64_t>(span))(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ResetGameState();
        ASSERT_TRUE(ReadSavedGame(1)) << round;
        for (const auto& entry : fs::directory_iterator("."))
            EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
        const bool isOld = G().TurnNumber == 1;
        EXPECT_EQ(G().CaptainNames[1], isOld ? "Old" : "New") << round;
        (isOld ? oldGames : newGames)++;
        span *= isOld ? 1.1 : 0.9;
        if (!isOld) {
            StartGame(1, "Old");
            ASSERT_TRUE(SaveGame(1));
        }
    }
    EXPECT_GT(oldGames, 0);
    EXPECT_GT(newGames, 0);
    std::printf("killed saves: %d left the old game, %d the new one\n", oldGames, newGames);
}

}  // namespace
}  // namespace corvanth
