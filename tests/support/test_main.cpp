// Test entry point: every test program runs the game headless, in a scratch working directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/background.h"
#include "shell/start.h"
#include "support/game_test.h"
#include "ui/form.h"
#include "ui/headless.h"

namespace {

// Every test starts from the game's own upward calls, whatever the one before it replaced.
class FreshUpcalls : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override {
        corvanth::GameUpcalls() = corvanth::StandardUpcalls();
    }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Saves and settings written by a test land in a directory of its own.
    std::string scratch =
        (std::filesystem::temp_directory_path() / "corvanth-test-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 2;
    std::filesystem::current_path(scratch);
    ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    // The mission box test draws the travel screen with its box and a marker showing.
    ui::UseHeadless().LeavePicture("TForm2");
    // The award tests draw these with a decorated uniform and a story on them.
    for (const char* form : {"TForm42", "TForm45", "TForm28"}) ui::UseHeadless().LeavePicture(form);
    ui::SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/forms");
    corvanth::CreateScreens();
    // Start-up always opens the click and sonar players.
    corvanth::Form1->MediaPlayer3->Open();
    corvanth::Form1->MediaPlayer4->Open();
    testing::UnitTest::GetInstance()->listeners().Append(new FreshUpcalls);
    int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    std::filesystem::remove_all(scratch, ec);
    return result;
}
