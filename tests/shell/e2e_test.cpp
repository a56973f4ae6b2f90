// End to end: the real program on a virtual X display, clicked and typed at as a player would.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "shell/SaveLoad.h"
#include "shell_fixture.h"
#include "state/newgame.h"
#include "support/art.h"

// Last: it brings the X headers, whose macros other headers must not see.
#include "e2e_game.h"

namespace corvanth {
namespace {

using namespace e2e;

// A run directory as the play script lays it out, with no settings file yet.
fs::path FreshRunDirectory() {
    std::string dir = (fs::temp_directory_path() / "corvanth-e2e-XXXXXX").string();
    if (!mkdtemp(dir.data())) throw std::runtime_error("no temporary directory");
    fs::copy(kSourceDir / "forms", fs::path(dir) / "forms");
    std::error_code ec;
    fs::copy(kSourceDir / "data", dir, fs::copy_options::recursive, ec);
    test::LinkGameArt(dir);
    return dir;
}

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool", "import"})
            if (!HaveTool(tool))
                GTEST_SKIP() << tool << " is not installed (scripts/test installs it)";
        if (!fs::exists(kGame)) GTEST_SKIP() << "the game is not built";
        dir_ = FreshRunDirectory();
        x_ = std::make_unique<XServer>();
        ASSERT_FALSE(x_->Name().empty()) << "Xvfb did not start";
    }
    void TearDown() override {
        x_.reset();
        std::error_code ec;
        if (!dir_.empty()) fs::remove_all(dir_, ec);
    }
    // A game saved in slot 2 of the run directory, as an earlier run would have left it.
    void SaveAGame() {
        InitGameData();
        G().Players[1][Player::Faction] = FactionId::Federation;
        ApplyNewGameStart();
        G().TurnNumber = 120;
        G().CaptainNames[1] = "Rin Vance";
        G().SlotDescriptions[2] = "Rin at Finis Prime";
        const fs::path here = fs::current_path();
        fs::current_path(dir_);
        const bool saved = SaveGame(2) && WriteSlotDescriptions();
        fs::current_path(here);
        ASSERT_TRUE(saved);
    }
    // From the main menu into that game, up to its travel screen; the way's pictures kept when
    // asked.
    static void LoadTheSavedGame(Game& game, bool pictures) {
        ASSERT_TRUE(game.WaitFor("TForm1"));
        game.Click("TForm1", "SpeedButton15");
        ASSERT_TRUE(game.WaitFor("TForm37")) << "no save/load screen";
        if (pictures) game.Save("7-save-load-screen");
        game.Click("TForm37", "SpeedButton4");
        ASSERT_TRUE(game.WaitFor("TMessage1")) << "no word after the load";
        if (pictures) game.Save("8-game-loaded");
        game.Click("TMessage1", "SpeedButton3");
        ASSERT_TRUE(game.WaitFor("TForm37"));
        game.Click("TForm37", "SpeedButton11");
        // The turn after the load may bring the world's news first.
        ASSERT_TRUE(game.AnswerNoticesUntil("TForm2"))
            << "the loaded game did not open on the travel screen";
        if (pictures) game.Save("9-loaded-travel-screen");
    }
    std::vector<uint8_t> Settings() const {
        std::ifstream in(dir_ / kSettingsFile, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir_;
    std::unique_ptr<XServer> x_;
};

TEST_F(EndToEnd, ANewCaptainReachesTheTravelScreenAndQuitEndsTheRunInOrder) {
    Game game(*x_, dir_);
    game.softwareRenderer = true;
    game.Start();
    ASSERT_TRUE(game.WaitFor("TForm1")) << "the main menu did not appear";
    game.Save("1-main-menu");

    game.Click("TForm1", "SpeedButton1");
    ASSERT_TRUE(game.WaitFor("TForm4")) << "no new-captain screen";
    game.Click("TForm4", "Edit1");
    const Shot before = game.Capture();
    game.Key("BackSpace", 9);  // "Incognito" out, the captain's own name in
    game.Type("Rin Vance");
    game.Save("2-new-captain");
    // Only the name box changed: what the window shows of it is the new name, sent alone.
    const Box name = Where("TForm4", "Edit1");
    const Shot after = game.Capture();
    int changed = 0;
    for (int y = name.y + 3; y < name.y + name.h - 3; ++y)
        for (int x = name.x + 3; x < name.x + name.w / 2; ++x)
            changed += before.At(x, y) != after.At(x, y);
    EXPECT_GT(changed, 50) << "the typed name did not reach the window";
    game.Click("TForm4", "SpeedButton4");

    // The start of the story comes in long notices before the travel screen is free.
    ASSERT_TRUE(game.WaitFor("TMessage4")) << "no story";
    game.Save("3-story");
    ASSERT_TRUE(game.AnswerNoticesUntil("TForm2")) << "the travel screen did not appear";
    game.Save("4-travel-screen");

    // Escape is the travel screen's close box: the quit question, and "No" stays.
    game.Key("Escape", 1);
    ASSERT_TRUE(game.WaitFor("TMessage3")) << "Escape on the travel screen asked nothing";
    game.Save("5-quit-question");
    game.Click("TMessage3", "SpeedButton2");
    ASSERT_TRUE(game.WaitFor("TForm2")) << "no did not stay on the travel screen";

    ASSERT_TRUE(game.RequestClose());
    ASSERT_TRUE(game.WaitFor("TMessage3")) << "closing the travel screen asked nothing";
    game.Click("TMessage3", "SpeedButton1");
    ASSERT_TRUE(game.WaitFor("TForm1")) << "yes did not lead back to the main menu";

    // The main menu has no close box: Escape does nothing.
    game.Key("Escape", 1);
    EXPECT_EQ(game.Wait(2s), std::nullopt) << "Escape ended the program";
    EXPECT_TRUE(Game::Shows(game.Capture(), "TForm1")) << "Escape left the main menu";

    // No game has been scored in this folder yet: the list is there, and empty.
    game.Click("TForm1", "SpeedButton9");
    ASSERT_TRUE(game.WaitFor("TForm38")) << "no high-score list";
    game.Save("6-highscore-list");
    game.Click("TForm38", "SpeedButton11");
    ASSERT_TRUE(game.WaitFor("TForm1")) << "\"Back\" did not lead back to the main menu";
    game.Click("TForm1", "SpeedButton7");
    EXPECT_EQ(game.Wait(kPatience), std::optional<int>(0));
    EXPECT_EQ(Settings(), test::SettingsBytes(1, 0, 1));
}

TEST_F(EndToEnd, AGameSavedBeforeLoadsFromTheMainMenuOntoTheTravelScreen) {
    ASSERT_NO_FATAL_FAILURE(SaveAGame());
    Game game(*x_, dir_);
    game.Start();
    ASSERT_NO_FATAL_FAILURE(LoadTheSavedGame(game, true));
    // The virtual display's OpenGL, if any, is rasterised on the processor: the game picks the
    // software renderer with no graphics library loaded, which would stay for the whole run.
    const std::string mapped = game.Mapped();
    ASSERT_NE(mapped.find("libSDL2"), std::string::npos) << "the game's mapped files were not read";
    for (const char* library : {"libGL", "libEGL", "libLLVM", "_dri.so"})
        EXPECT_EQ(mapped.find(library), std::string::npos) << library;

    ASSERT_TRUE(game.RequestClose());
    ASSERT_TRUE(game.WaitFor("TMessage3"));
    game.Click("TMessage3", "SpeedButton1");
    ASSERT_TRUE(game.WaitFor("TForm1")) << "yes did not lead back to the main menu";
    game.Click("TForm1", "SpeedButton7");
    EXPECT_EQ(game.Wait(kPatience), std::optional<int>(0));
}

TEST_F(EndToEnd, AKilledRunBringsTheProtectedModePromptAtTheNextStart) {
    {
        Game game(*x_, dir_);
        game.Start();
        ASSERT_TRUE(game.WaitFor("TForm1"));
        game.Kill(SIGKILL);
    }
    // Killed while running: no orderly run counted, and the mark of a run under way.
    EXPECT_EQ(Settings(), test::SettingsBytes(0, 0, 0));

    Game game(*x_, dir_);
    game.Start();
    ASSERT_TRUE(game.WaitFor("TForm59")) << "no protected-mode prompt after the crash";
    game.Save("7-protected-mode-prompt");
    game.Click("TForm59", "SpeedButton7");
    ASSERT_TRUE(game.WaitFor("TForm1"));
    // The desktop's close request on the main menu is "Quit".
    ASSERT_TRUE(game.RequestClose());
    EXPECT_EQ(game.Wait(kPatience), std::optional<int>(0));
    EXPECT_EQ(Settings(), test::SettingsBytes(1, 1, 1));
}

// A logout or a kill asks the game to end, here twice: it ends at once from the planet screen,
// which refuses its close box, in order, and the next start asks nothing; a hang-up at the main
// menu ends that run the same way.
TEST_F(EndToEnd, ASignalToEndOnThePlanetScreenEndsTheRunInOrder) {
    ASSERT_NO_FATAL_FAILURE(SaveAGame());
    {
        Game game(*x_, dir_);
        game.Start();
        ASSERT_NO_FATAL_FAILURE(LoadTheSavedGame(game, false));
        game.Click("TForm2", "SpeedButton2");  // "Dock here"
        ASSERT_TRUE(game.AnswerNoticesUntil("TForm3")) << "no planet screen";
        game.Signal(SIGTERM);
        std::this_thread::sleep_for(50ms);
        game.Signal(SIGTERM);
        EXPECT_EQ(game.Wait(10s), std::optional<int>(0)) << "the game ran on";
    }
    EXPECT_EQ(Settings(), test::SettingsBytes(1, 0, 1));

    Game game(*x_, dir_);
    game.Start();
    ASSERT_EQ(game.NextScreen(), "TForm1") << "the next start asked about the protected mode";
    ASSERT_TRUE(game.WaitFor("TForm1"));
    game.Signal(SIGHUP);
    EXPECT_EQ(game.Wait(10s), std::optional<int>(0));
    EXPECT_EQ(Settings(), test::SettingsBytes(2, 0, 1));
}

// The X library ends a program whose display is gone; the game then must not wait on the dead
// connection while it tears its window down.
TEST_F(EndToEnd, TheGameEndsWhenItsDisplayGoesAway) {
    Game game(*x_, dir_);
    game.Start();
    ASSERT_TRUE(game.WaitFor("TForm1"));
    x_->Stop();
    const std::optional<int> status = game.Wait(kPatience);
    ASSERT_NE(status, std::nullopt) << "the game ran on without its display";
    EXPECT_EQ(*status, 1);
    // Not an orderly end: the next start asks about the protected mode.
    EXPECT_EQ(Settings(), test::SettingsBytes(0, 0, 0));
}

// The shipped game reads no environment variable of its own: its code calls none of the routines
// that read one. The libraries it loads read theirs (SDL's video and audio choices). SDL's hints
// come from the environment too, and the game reads one: SDL's own render-driver setting, in the
// window's choice of renderer, so that a renderer the player named wins over the way around a
// software rasteriser. Any other read of a hint fails here.
TEST(ShippedGame, ReadsNoEnvironmentVariableOfItsOwn) {
    if (!HaveTool("nm")) GTEST_SKIP() << "nm is not installed";
    std::vector<std::string> imports;
    std::istringstream lines(Output("nm -D --undefined-only '" CORVANTH_SHIPPED_GAME "'"));
    for (std::string line; std::getline(lines, line);) {
        const std::string symbol = line.substr(line.find_last_of(' ') + 1);
        imports.push_back(symbol.substr(0, symbol.find('@')));
    }
    auto imported = [&](const std::string& name) {
        return std::find(imports.begin(), imports.end(), name) != imports.end();
    };
    ASSERT_TRUE(imported("SDL_CreateWindow"))
        << "the list of what the game calls in its libraries is not there";
    for (const char* reader :
         {"getenv", "secure_getenv", "SDL_getenv", "environ", "__environ", "SDL_GetHintBoolean"})
        EXPECT_FALSE(imported(reader)) << reader;
    // Every read of a hint in the game's code, with what it reads.
    std::vector<std::string> hintReads;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string code(std::istreambuf_iterator<char>(in), {});
        for (size_t at = code.find("SDL_GetHint"); at != std::string::npos;
             at = code.find("SDL_GetHint", at + 1))
            hintReads.push_back(fs::relative(entry.path(), kSourceDir).string() + ": " +
                                code.substr(at, code.find(')', at) + 1 - at));
    }
    EXPECT_EQ(hintReads, std::vector<std::string>{
                             "src/ui/renderer_choice.cpp: SDL_GetHint(SDL_HINT_RENDER_DRIVER)"});
    EXPECT_TRUE(imported("SDL_GetHint")) << "the game's one read of a hint is not in the program";
}

}  // namespace
}  // namespace corvanth
