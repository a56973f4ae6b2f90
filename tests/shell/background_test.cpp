// Start-up and shut-down: the settings on disk, the crash prompt, protected mode, the tutorial.
#include "shell/background.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "shell/SaveLoad.h"
#include "shell/options.h"
#include "shell/start.h"
#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/variables.h"
#include "support/state_hash.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"
#include "ui/audio.h"
#include "ui/files.h"
#include "ui/render.h"

namespace corvanth {
namespace {

using test::ReadSettingsBytes;
using test::SettingsBytes;
using test::WriteSettingsBytes;

class StartUp : public test::ShellTest {};

// The scratch directory holds no picture and no music at all: every run below also shows that
// missing files never stop the start short of the main menu.
TEST_F(StartUp, FirstRunEverStartsTheTutorialAndAnOrderlyQuitCountsOneRun) {
    player()
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 1);
                EXPECT_TRUE(Form1->TutorialPanel->visible);
                EXPECT_FALSE(Form1->TutorialMemo->lines.empty());
                // While the game runs the disk says the run has not ended in order.
                EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(0, 0, 0));
                EXPECT_EQ(Form1->Image8->picture, "exp1_backgr.jpg");
                EXPECT_TRUE(Form1->MediaPlayer1->IsOpen());
            })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm59"), 0);
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 1);
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(1, 0, 1));
    EXPECT_FALSE(Form1->MediaPlayer1->IsOpen());
    EXPECT_FALSE(Form1->MediaPlayer4->IsOpen());
}

TEST_F(StartUp, TheThirdOrderlyStartNoLongerStartsTheTutorial) {
    WriteSettingsBytes(SettingsBytes(1, 0, 1));
    player()
        .Do("TForm1", [](ui::Form&) { EXPECT_EQ(TutorialStep, 1); })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(2, 0, 1));

    TutorialStep = 0;
    EndTutorial();
    player()
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_EQ(TutorialStep, 0);
                EXPECT_FALSE(Form1->TutorialPanel->visible);
            })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(3, 0, 1));
}

TEST_F(StartUp, AKilledRunIsFollowedByThePromptAndProtectedModeKeepsOnlyTheClicks) {
    // What a run killed during play leaves on disk.
    WriteSettingsBytes(SettingsBytes(4, 0, 0));
    player()
        .Do("TForm59",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("Label1")->caption, "Protected Mode");
                EXPECT_EQ(f.Find("Label2")->caption, "Dear customer,");
            })
        .Click("TForm59", "SpeedButton7")
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_EQ(G().ProtectedModeOn, 1);
                EXPECT_FALSE(Form1->MediaPlayer1->IsOpen());
                EXPECT_FALSE(Form1->MediaPlayer2->IsOpen());
                EXPECT_TRUE(Form1->MediaPlayer3->IsOpen());
            })
        // Past the music timer's first tick: it plays nothing and re-arms for 25 to 50 s.
        .Wait("TForm1", 131000)
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_GE(Form1->SoundTimer1->Interval(), 25000);
                EXPECT_LT(Form1->SoundTimer1->Interval(), 50000);
            })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 0);
    EXPECT_EQ(test::CountSound("play:Background.mp3"), 0);
    // The prompt makes no click (its player is not open yet); "Quit" does.
    EXPECT_EQ(test::CountSound("play:button.wav"), 1);
    // The answer is stored with the start's clean-exit mark: the next start needs no prompt.
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(5, 1, 1));
}

TEST_F(StartUp, ANormalStartAfterTheCrashPromptPlaysTheMusic) {
    WriteSettingsBytes(SettingsBytes(2, 0, 0));
    player()
        .Click("TForm59", "SpeedButton1")
        .Do("TForm1", [](ui::Form&) { EXPECT_EQ(G().ProtectedModeOn, 0); })
        .Wait("TForm1", 131000)
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 1);
    EXPECT_EQ(test::CountSound("play:Background.mp3"), 1);
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(3, 0, 1));
}

TEST_F(StartUp, ClosingThePromptAnyOtherWayIsANormalStart) {
    WriteSettingsBytes(SettingsBytes(2, 1, 0));
    player()
        .CloseRequest("TForm59")
        .Do("TForm1", [](ui::Form&) { EXPECT_EQ(G().ProtectedModeOn, 0); })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    // A normal start is stored as such, over the earlier choice.
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(3, 0, 1));
}

TEST_F(StartUp, AProtectedModeChosenOnTheOptionsScreenTakesEffectAtTheNextStart) {
    WriteSettingsBytes(SettingsBytes(5, 0, 1));
    player()
        .Do("TForm1",
            [](ui::Form&) {
                LoadOptionsForm();
                Form58->ShowModal();
                // Chosen, but this run keeps its music.
                EXPECT_EQ(G().ProtectedModeOn, 0);
                EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(5, 1, 0));
            })
        .Tick("TForm58", "CheckBox10", true)
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm58", "SpeedButton4")
        // The desktop's close request on the main menu is "Quit".
        .CloseRequest("TForm1");
    Fbackground->ShowModal();
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(6, 1, 1));

    ui::audio::ClearLog();
    player()
        .Do("TForm1",
            [](ui::Form&) {
                EXPECT_EQ(G().ProtectedModeOn, 1);
                // The backdrop every screen stands on, drawn once for a look.
                ui::RenderFormToPng(*Fbackground,
                                    std::string(CORVANTH_SCREENS_DIR) + "/TFbackground.png");
            })
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(player().TimesSeen("TForm59"), 0);
    EXPECT_EQ(test::CountSound("play:Intro.mp3"), 0);
}

// What killed runs left: the writers' temporary files go, a save with its commit mark is finished,
// one without it is taken back; files of other names stay.
TEST_F(StartUp, TheStartClearsWhatKilledRunsLeftAndFinishesACommittedSave) {
    namespace fs = std::filesystem;
    auto put = [](const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    };
    const std::vector<std::string> leftovers = {
        "GameSettings.sav.tmp-a1B2c3", "savegamedata.STR.tmp-Zz9Yy8", "Highscores.int.tmp-000000",
        "Highscores.str.new", "Savegame05.int.new.tmp-q1w2e3"};
    const std::vector<std::string> others = {"GameSettings.sav.tmp-longer1", "MyNotes.tmp-abcdef",
                                             "Savegame05.int.old"};
    for (const auto& name : leftovers) put(name, "half");
    for (const auto& name : others) put(name, "mine");
    // Slot 3 was killed before its commit, slot 4 after it: the old pair and the new pair.
    for (const char* name : {"Savegame03.int", "Savegame03.str", "Savegame04.int"})
        put(name, "old");
    for (const char* name : {"Savegame03.int.new", "Savegame04.int.new", "Savegame04.str.new"})
        put(name, "new");
    put(SlotMarkName(4), "");
    player().Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    for (const auto& name : leftovers) EXPECT_FALSE(fs::exists(name)) << name;
    for (const auto& name : others) EXPECT_TRUE(fs::exists(name)) << name;
    auto bytes = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes("Savegame03.int") + bytes("Savegame03.str"), "oldold");
    EXPECT_EQ(bytes("Savegame04.int") + bytes("Savegame04.str"), "newnew");
    for (const char* name :
         {"Savegame03.int.new", "Savegame04.int.new", "Savegame04.str.new", "Savegame04.commit"})
        EXPECT_FALSE(fs::exists(name)) << name;
    for (const auto& name : others) fs::remove(name);
}

TEST_F(StartUp, AnUnwritableSettingsFileIsToldAndTheGameStillRuns) {
    // A directory of that name: every write fails, every read fails. The four failed writes
    // (the defaults after the failed read, the clean-exit mark of the start, the defaults again
    // and the count at the shut-down) are told once.
    std::filesystem::create_directory(kSettingsFile);
    Session().SettingsFailureTold = false;
    player()
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "Sorry, I cannot write the settings file GameSettings.sav.");
            })
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    EXPECT_EQ(G().LaunchCount, 1);
    EXPECT_EQ(player().TimesSeen("TMessage1"), 1);
    std::filesystem::remove(kSettingsFile);

    // A folder gone read-only: the file reads, and neither the clean-exit mark of the start nor
    // the count at the shut-down can be written. Said once, and the file keeps its 5, 0, 1.
    player().Reset();
    WriteSettingsBytes(SettingsBytes(5, 0, 1));
    Session().SettingsFailureTold = false;
    ui::ArmFileFault({1, EROFS, false, true});
    player().Click("TMessage1", "SpeedButton3").Click("TForm1", "SpeedButton7");
    Fbackground->ShowModal();
    const size_t writerCalls = ui::FileCallsMade().size();
    ui::DisarmFileFault();
    EXPECT_EQ(G().LaunchCount, 6);
    EXPECT_EQ(player().TimesSeen("TMessage1"), 1);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "Sorry, I cannot write the settings file GameSettings.sav.");
    // Each of the two writes failed at its first call, the open of its temporary file.
    EXPECT_EQ(writerCalls, 2u);
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(5, 0, 1));
}

// The game's state but for the three settings, which the shut-down writes.
uint64_t GameStateButSettings() {
    GameState& g = G();
    const std::array<int32_t, 3> kept = {g.LaunchCount, g.ProtectedModeOn, g.CleanExit};
    g.LaunchCount = g.ProtectedModeOn = g.CleanExit = 0;
    const uint64_t hash = test::GameStateHash();
    std::tie(g.LaunchCount, g.ProtectedModeOn, g.CleanExit) = std::tuple(kept[0], kept[1], kept[2]);
    return hash;
}

// The desktop asks the game to end (a logout, a kill), here twice: from the crash prompt, the
// main menu, the new-captain screen or a dialog in play, every screen closes at once, none opens
// again, nothing of the game goes on, and the run ends in order.
TEST_F(StartUp, AnEndAskedForByTheDesktopEndsTheRunInOrderFromAnyScreen) {
    struct Place {
        const char* screen;
        int32_t cleanExit;  // 0: the prompt comes first
        std::function<void(ui::ScriptedPlayer&)> way;
    };
    const Place places[] = {
        {"TForm59", 0, [](ui::ScriptedPlayer&) {}},
        {"TForm1", 1, [](ui::ScriptedPlayer&) {}},
        {"TForm4", 1, [](ui::ScriptedPlayer& p) { p.Click("TForm1", "SpeedButton1"); }},
        // The quit question over the travel screen of a new game.
        {"TMessage3", 1,
         [](ui::ScriptedPlayer& p) {
             p.Click("TForm1", "SpeedButton1")
                 .Click("TForm4", "SpeedButton4")
                 .Click("TMessage4", "SpeedButton1")
                 .Click("TMessage4", "SpeedButton1")
                 .Click("TMessage4", "SpeedButton1")
                 .CloseRequest("TForm2");
         }},
    };
    const auto showings = [] {
        std::vector<int> counts;
        for (const ui::Form* form : ui::App().Forms()) counts.push_back(form->ShowCount());
        return counts;
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.screen);
        WriteSettingsBytes(SettingsBytes(4, 0, place.cleanExit));
        place.way(player());
        std::vector<int> shown;
        uint64_t state = 0;
        player().Do(place.screen, [&](ui::Form&) {
            shown = showings();
            state = GameStateButSettings();
            ui::App().RequestEnd();
            ui::App().RequestEnd();
        });
        Fbackground->ShowModal();
        EXPECT_FALSE(shown.empty()) << "the screen did not come";
        EXPECT_EQ(showings(), shown);
        EXPECT_EQ(GameStateButSettings(), state);
        EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(5, 0, 1));
    }
}

}  // namespace
}  // namespace corvanth
