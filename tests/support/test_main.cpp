// Test entry point: every test program runs the game headless, each test in a scratch folder of
// its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "shell/background.h"
#include "shell/start.h"
#include "support/game_test.h"
#include "support/screen_pictures.h"
#include "ui/form.h"
#include "ui/headless.h"
#include "ui/picture.h"

namespace {

namespace fs = std::filesystem;

// Every test starts from the game's own upward calls, whatever the one before it replaced, and
// in an empty working folder: what one test writes there (saves, settings, high scores, links to
// the art) no other test reads, in whatever order they run. The folder goes with the test, and
// so do the pictures read from it (a picture missing from one test's folder is not missing from
// the next one's).
class EachTestAlone : public testing::EmptyTestEventListener {
  public:
    explicit EachTestAlone(fs::path root) : root_(std::move(root)) {}

  private:
    void OnTestStart(const testing::TestInfo&) override {
        corvanth::GameUpcalls() = corvanth::StandardUpcalls();
        ui::ClearPictureCache();
        folder_ = root_ / std::to_string(++count_);
        fs::create_directory(folder_);
        fs::current_path(folder_);
    }
    void OnTestEnd(const testing::TestInfo&) override {
        std::error_code ec;
        fs::current_path(root_, ec);
        fs::remove_all(folder_, ec);
    }

    fs::path root_, folder_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string scratch = (fs::temp_directory_path() / "corvanth-test-XXXXXX").string();
    if (!mkdtemp(scratch.data())) return 2;
    fs::current_path(scratch);
    // The screens' record; the tests that draw a screen themselves write into the same folder.
    std::error_code made;
    fs::create_directories(CORVANTH_SCREENS_DIR, made);
    ui::DrawScreensInto(CORVANTH_SCREENS_DIR, corvanth::test::DrawsPicture);
    ui::SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/forms");
    corvanth::CreateScreens();
    // Start-up always opens the click and sonar players.
    corvanth::Form1->MediaPlayer3->Open();
    corvanth::Form1->MediaPlayer4->Open();
    testing::UnitTest::GetInstance()->listeners().Append(new EachTestAlone(scratch));
    int result = RUN_ALL_TESTS();
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(scratch, ec);
    return result;
}
