// The game's four writes failed at each of their calls in turn, with an error or with the end of
// the process: the files hold the whole old set or the whole new one, and the player is told
// which.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "shell/SaveLoad.h"
#include "shell/background.h"
#include "shell/highscore.h"
#include "shell_fixture.h"
#include "state/newgame.h"
#include "state/random.h"
#include "ui/audio.h"
#include "ui/files.h"
#include "ui/picture.h"

namespace corvanth {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : std::string("<missing>");
}

void Put(const std::string& name, const std::string& bytes) {
    fs::remove(name);
    if (bytes != "<missing>") std::ofstream(name, std::ios::binary) << bytes;
}

enum class Held { Old, New, Mixed };
void PrintTo(Held h, std::ostream* out) {
    *out << (h == Held::Old ? "old" : h == Held::New ? "new" : "a mix");
}

// Files replaced by one write: what they held before it and what it writes.
struct FileSet {
    std::vector<std::string> files;
    std::vector<std::string> before, after;
    void TakeBefore() {
        before.clear();
        for (const auto& f : files) before.push_back(Bytes(f));
    }
    void TakeAfter() {
        after.clear();
        for (const auto& f : files) after.push_back(Bytes(f));
    }
    void PutBefore() const {
        for (size_t i = 0; i < files.size(); ++i) Put(files[i], before[i]);
    }
    Held Holds() const {
        bool old = true, now = true;
        for (size_t i = 0; i < files.size(); ++i) {
            const std::string bytes = Bytes(files[i]);
            old = old && bytes == before[i];
            now = now && bytes == after[i];
        }
        return old ? Held::Old : now ? Held::New : Held::Mixed;
    }
};

constexpr const char* kSaveFailed = "Sorry, I cannot save the game in this slot.";
constexpr const char* kOldGameKept =
    "Sorry, I cannot save the game in this slot. The game saved there before is kept.";
constexpr const char* kDescriptionsFailed =
    "Sorry, I cannot write the descriptions of the slots to Savegamedata.str.";
constexpr const char* kSettingsFailed = "Sorry, I cannot write the settings file GameSettings.sav.";
constexpr const char* kHighscoresFailed = "Sorry, I cannot save the highscore list.";

// One write as the game makes it: the values it writes, the player's action that makes it (with
// the messages that shows), the bare write for a process that ends in it, and the reader that
// comes next.
struct Write {
    std::string what;
    std::vector<FileSet> sets;
    std::function<void()> oldOnDisk;
    std::function<void()> newInMemory;
    // The write done by a plain call, or by a player's press of `button` on `screen`.
    std::function<void()> act;
    const char* screen = nullptr;
    const char* button = nullptr;
    std::function<void()> bare;
    std::function<void()> read;
    // What the player must be told, by what each set holds.
    std::function<std::vector<std::string>(const std::vector<Held>&)> told;
    bool asks = false;  // the overwrite question comes first
};

class FileFaults : public test::ShellTest {
  protected:
    void TearDown() override {
        ui::DisarmFileFault();
        ShellTest::TearDown();
    }

    // The same game every time: the set-up draws from the generator.
    static void StartGame(int turn, const char* name) {
        Rng().SetSeed(35);
        InitGameData();
        G().Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        G().TurnNumber = turn;
        G().CaptainNames[1] = name;
    }

    // The messages the action showed; the answers it did not need are dropped.
    std::vector<std::string> Run(const Write& w) {
        if (w.button) {
            // The screen is then put away without the descriptions' write of every way out,
            // which the descriptions' own case counts.
            player().Do(w.screen, [&w](ui::Form& f) {
                ui::ClickMiddle(f, *f.Find(w.button));
                f.Hide();
            });
        }
        if (w.asks) player().Click("TMessage3", "SpeedButton1");
        for (int i = 0; i < 3; ++i) player().Click("TMessage1", "SpeedButton3");
        if (w.button) {
            ui::App().FindForm(w.screen)->ShowModal();
        } else {
            w.act();
        }
        std::vector<std::string> told;
        for (const auto& seen : player().Seen())
            if (seen.form == "TMessage1") told.push_back(seen.Text("Label1"));
        player().Reset();
        return told;
    }

    std::vector<Held> Holds(const Write& w) {
        std::vector<Held> held;
        for (const FileSet& set : w.sets) held.push_back(set.Holds());
        return held;
    }

    static void ExpectNothingLeftOver() {
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(name.find(".new"), std::string::npos) << name;
            EXPECT_EQ(name.find(".commit"), std::string::npos) << name;
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
        }
    }

    // Every call of the write failed in turn, with the errors taken in rotation (the writers treat
    // them all alike), then ended at in a child process.
    void FailEachCall(Write& w) {
        SCOPED_TRACE(w.what);
        w.oldOnDisk();
        for (FileSet& set : w.sets) set.TakeBefore();
        // Counted once, done whole: the new set and the plain messages.
        w.newInMemory();
        ui::ArmFileFault({});
        const auto toldWhole = Run(w);
        const std::vector<std::string> calls = ui::FileCallsMade();
        ui::DisarmFileFault();
        for (FileSet& set : w.sets) set.TakeAfter();
        EXPECT_EQ(toldWhole, w.told(std::vector<Held>(w.sets.size(), Held::New)));
        ASSERT_GE(calls.size(), 8u);

        const int errors[] = {EIO, ENOSPC, EACCES, EROFS};
        for (size_t n = 1; n <= calls.size(); ++n) {
            {
                const int error = errors[n % 4];
                SCOPED_TRACE("call " + std::to_string(n) + " (" + calls[n - 1] + ") fails with " +
                             std::strerror(error));
                for (const FileSet& set : w.sets) set.PutBefore();
                w.newInMemory();
                ui::ArmFileFault({static_cast<int>(n), error});
                const auto told = Run(w);
                ui::DisarmFileFault();
                w.read();
                const auto held = Holds(w);
                for (Held h : held) ASSERT_NE(h, Held::Mixed);
                EXPECT_EQ(told, w.told(held));
                ExpectNothingLeftOver();
            }
        }

        // Ended before each call, and once after the last: old up to the commit, new after it,
        // and the next start finds nothing of the write lying about.
        std::vector<std::vector<Held>> ended(w.sets.size());
        for (size_t n = 1; n <= calls.size() + 1; ++n) {
            SCOPED_TRACE("ended before call " + std::to_string(n));
            for (const FileSet& set : w.sets) set.PutBefore();
            const pid_t child = fork();
            if (child == 0) {
                w.newInMemory();
                ui::ArmFileFault({static_cast<int>(n), 0, true});
                w.bare();
                _exit(0);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), n <= calls.size() ? ui::kEndedByFileFault : 0);
            w.read();
            CleanUpAfterKilledRuns();
            ExpectNothingLeftOver();
            const auto held = Holds(w);
            for (size_t i = 0; i < held.size(); ++i) {
                ASSERT_NE(held[i], Held::Mixed);
                ended[i].push_back(held[i]);
            }
        }
        // Once a new set was there, no later end brings the old one back.
        for (const auto& sequence : ended) {
            const auto firstNew = std::find(sequence.begin(), sequence.end(), Held::New);
            ASSERT_NE(firstNew, sequence.end());
            EXPECT_EQ(std::count(firstNew, sequence.end(), Held::Old), 0);
            EXPECT_NE(firstNew, sequence.begin());
            std::printf("%s: %zu calls; ended before calls 1..%zu: old, later: new\n",
                        w.what.c_str(), calls.size(),
                        static_cast<size_t>(firstNew - sequence.begin()));
        }
    }
};

TEST_F(FileFaults, ASlotSaveAndItsDescriptionsEndWholeOldOrWholeNewAndSaySo) {
    Write w;
    w.what = "slot save";
    w.sets = {{{"Savegame01.int", "Savegame01.str"}, {}, {}}, {{"Savegamedata.str"}, {}, {}}};
    w.oldOnDisk = [] {
        StartGame(5, "Old Captain");
        G().SlotDescriptions[1] = "the old game";
        ASSERT_TRUE(SaveGame(1));
        ASSERT_TRUE(WriteSlotDescriptions());
        RefreshSaveLoadForm();
    };
    w.newInMemory = [] {
        StartGame(6, "New Captain");
        Form37->Edit1->SetText("the new game");
        Form37->LoadButton(1)->enabled = true;
    };
    w.screen = "TForm37";
    w.button = "SpeedButton1";
    w.asks = true;
    w.bare = [] {
        SaveGame(1);
        G().SlotDescriptions[1] = "the new game";
        WriteSlotDescriptions();
    };
    w.read = [] {
        ResetGameState();
        ASSERT_TRUE(ReadSavedGame(1));
        // The integer file and the text file of one game.
        EXPECT_EQ(G().CaptainNames[1], G().TurnNumber == 5 ? "Old Captain" : "New Captain");
    };
    // The descriptions are written only after the game, and only their own failure is told.
    w.told = [](const std::vector<Held>& held) -> std::vector<std::string> {
        if (held[0] == Held::Old) return {kOldGameKept};
        if (held[1] == Held::Old) return {"Game saved!", kDescriptionsFailed};
        return {"Game saved!"};
    };
    FailEachCall(w);
}

TEST_F(FileFaults, ASaveIntoAnEmptySlotClaimsNoGameKept) {
    Write w;
    w.what = "save into an empty slot";
    w.sets = {{{"Savegame02.int", "Savegame02.str"}, {}, {}}, {{"Savegamedata.str"}, {}, {}}};
    w.oldOnDisk = [] {
        fs::remove("Savegame02.int");
        fs::remove("Savegame02.str");
        G().SlotDescriptions[2] = "";
        ASSERT_TRUE(WriteSlotDescriptions());
        RefreshSaveLoadForm();
    };
    w.newInMemory = [] {
        StartGame(6, "New Captain");
        RefreshSaveLoadForm();  // a game running: its save buttons are offered
        Form37->Edit2->SetText("the first game here");
        Form37->LoadButton(2)->enabled = false;
    };
    w.screen = "TForm37";
    w.button = "SpeedButton3";
    w.bare = [] {
        SaveGame(2);
        G().SlotDescriptions[2] = "the first game here";
        WriteSlotDescriptions();
    };
    w.read = [] { ReadSavedGame(2); };
    w.told = [](const std::vector<Held>& held) -> std::vector<std::string> {
        if (held[0] == Held::Old) return {kSaveFailed};
        if (held[1] == Held::Old) return {"Game saved!", kDescriptionsFailed};
        return {"Game saved!"};
    };
    FailEachCall(w);
}

TEST_F(FileFaults, TheDescriptionsAndTheSettingsAreReplacedWholeAndFailuresTold) {
    Write descriptions;
    descriptions.what = "descriptions";
    descriptions.sets = {{{"Savegamedata.str"}, {}, {}}};
    descriptions.oldOnDisk = [] {
        G().SlotDescriptions[4] = "before";
        ASSERT_TRUE(WriteSlotDescriptions());
        RefreshSaveLoadForm();
    };
    descriptions.newInMemory = [] { Form37->Edit4->SetText("after"); };
    descriptions.act = [] { SaveSlotDescriptions(); };
    descriptions.bare = [] {
        G().SlotDescriptions[4] = "after";
        WriteSlotDescriptions();
    };
    descriptions.read = [] { LoadSlotDescriptions(); };
    descriptions.told = [](const std::vector<Held>& held) -> std::vector<std::string> {
        if (held[0] == Held::Old) return {kDescriptionsFailed};
        return {};
    };
    FailEachCall(descriptions);

    Write settings;
    settings.what = "settings";
    settings.sets = {{{kSettingsFile}, {}, {}}};
    settings.oldOnDisk = [] { ASSERT_TRUE(WriteGameSettings({3, 0, 1})); };
    settings.newInMemory = [] {
        G().LaunchCount = 4;
        G().ProtectedModeOn = 1;
        G().CleanExit = 0;
        Session().SettingsFailureTold = false;
    };
    settings.act = [] { SaveGameSettings(); };
    settings.bare = [] { SaveGameSettings(); };
    settings.read = [] { ReadGameSettings(); };
    settings.told = [](const std::vector<Held>& held) -> std::vector<std::string> {
        if (held[0] == Held::Old) return {kSettingsFailed};
        return {};
    };
    FailEachCall(settings);
}

TEST_F(FileFaults, TheHighScoreFilesNeverHoldNamesBesideAnotherTablesScores) {
    Write w;
    w.what = "high scores";
    w.sets = {{{kHighscoreNumbersFile, kHighscoreNamesFile}, {}, {}}};
    w.oldOnDisk = [] {
        InitGameData();
        for (auto& row : G().Highscores) row.fill(0);
        for (auto& name : G().HighscoreNames) name = "";
        EnterHighscore("Old Ace", 9000, 1, 3, 2);
        EnterHighscore("Old Hand", 700, 2, 1, 1);
        ASSERT_TRUE(SaveHighscores());
    };
    w.newInMemory = [] {
        StartGame(300, "New Captain");
        ClearGameEnded();
    };
    w.act = [] { AddHighscore(5000); };
    w.bare = [] { AddHighscore(5000); };
    w.read = [] {
        LoadHighscores();
        // The names of the table its scores belong to: the new captain stands second.
        EXPECT_EQ(G().HighscoreNames[2],
                  G().Highscores[2][Highscore::Score] == 5000 ? "New Captain" : "Old Hand");
    };
    w.told = [](const std::vector<Held>& held) -> std::vector<std::string> {
        if (held[0] == Held::Old) return {kHighscoresFailed};
        return {};
    };
    FailEachCall(w);
}

// A pipe, a folder or a device in place of every kind of file the game reads and writes: each is
// named on stderr once, passed over without a wait, left where it is, and the player is told what
// could not be saved. A plain open of the pipe would wait for a writer; /dev/zero never ends.
TEST_F(FileFaults, AnythingButARegularFileNamedLikeAGameFileIsToldAndLeftAloneAndTheGameGoesOn) {
    const std::vector<std::string> names = {
        kSettingsFile,         "Savegamedata.str",  "Savegame01.int",         "Savegame01.str",
        kHighscoreNumbersFile, kHighscoreNamesFile, "TutorialForm1Step1.txt", "exp1_logo.jpg",
        "button.wav"};
    enum class Kind { Pipe, Folder, Device };
    for (const Kind kind : {Kind::Pipe, Kind::Folder, Kind::Device}) {
        const char* what = kind == Kind::Pipe ? "pipe" : kind == Kind::Folder ? "folder" : "device";
        SCOPED_TRACE(what);
        for (const std::string& name : names) {
            fs::remove_all(name);
            if (kind == Kind::Pipe) {
                ASSERT_EQ(mkfifo(name.c_str(), 0644), 0) << name;
            } else if (kind == Kind::Folder) {
                fs::create_directory(name);
            } else {
                fs::create_symlink("/dev/zero", name);
            }
        }
        ui::ClearFileProblems();
        Session().SettingsFailureTold = false;
        TutorialStep = 0;
        EndTutorial();
        const bool sound = ui::audio::Init();
        // A read that waited on the pipe or read the device to its end would never return: the
        // test ends itself first.
        alarm(120);
        player()
            .Click("TMessage1", "SpeedButton3")  // the settings cannot be written, said once
            .Click("TForm1", "SpeedButton9")     // an empty list
            .Click("TForm38", "SpeedButton11")
            .Click("TForm1", "SpeedButton15")  // no descriptions, no game in slot 1
            .Do("TForm37", [](ui::Form&) { EXPECT_FALSE(Form37->LoadButton(1)->enabled); })
            .Click("TForm37", "SpeedButton11")
            .Click("TMessage1", "SpeedButton3")  // the descriptions cannot be written
            .Click("TForm1", "SpeedButton7");
        Fbackground->ShowModal();
        std::vector<std::string> told;
        for (const auto& seen : player().Seen())
            if (seen.form == "TMessage1") told.push_back(seen.Text("Label1"));
        EXPECT_EQ(told, (std::vector<std::string>{kSettingsFailed, kDescriptionsFailed}));
        player().Reset();

        // A running game neither loads from nor saves into them, nor enters its score there.
        StartGame(40, "Piper");
        player().Click("TMessage1", "SpeedButton3").Click("TMessage1", "SpeedButton3");
        EXPECT_FALSE(LoadGame(1));
        EXPECT_FALSE(SaveGame(1));
        AddHighscore(4000);
        EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"), kHighscoresFailed);
        player().Reset();
        // A picture is looked for once a run, whenever a screen first draws it: asked for here.
        ui::ClearPictureCache();
        EXPECT_EQ(ui::LoadPicture("exp1_logo.jpg"), nullptr);
        if (sound) {
            ui::audio::Unload(ui::audio::Load("button.wav"));
            ui::audio::Shutdown();
        }
        alarm(0);

        for (const std::string& name : names) {
            if (name == "button.wav" && !sound) continue;
            EXPECT_TRUE(kind == Kind::Pipe ? fs::is_fifo(name)
                        : kind == Kind::Folder
                            ? fs::is_directory(name)
                            : fs::is_symlink(name) && fs::is_character_file(name))
                << name;
            EXPECT_EQ(std::count(ui::FileProblems().begin(), ui::FileProblems().end(),
                                 name + " is not a regular file; the game leaves it alone"),
                      1)
                << name;
        }
    }
    for (const std::string& name : names) fs::remove_all(name);
}

}  // namespace
}  // namespace corvanth
