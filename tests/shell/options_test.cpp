// The settings file's reader and writer, and the options screen's switches.
#include "shell/options.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"
#include "state/UMessage1.h"
#include "state/variables.h"
#include "ui/application.h"

namespace corvanth {
namespace {

using test::ReadSettingsBytes;
using test::SettingsBytes;
using test::WriteSettingsBytes;

class Settings : public test::ShellTest {};

TEST_F(Settings, FilesThatHoldLessThanThreeRecordsGiveTheDefaultsWrittenAtOnce) {
    // Missing (-1), empty and two records (8 bytes): unreadable, all replaced by 0, 0, 1.
    for (int size : {-1, 0, 8}) {
        std::filesystem::remove(kSettingsFile);
        const auto full = SettingsBytes(9, 1, 0);
        if (size >= 0) WriteSettingsBytes(std::vector<uint8_t>(full.begin(), full.begin() + size));
        G().LaunchCount = 9;
        G().ProtectedModeOn = 1;
        G().CleanExit = 0;
        EXPECT_FALSE(ReadGameSettings()) << size;
        LoadGameSettings();
        EXPECT_EQ(G().LaunchCount, 0) << size;
        EXPECT_EQ(G().ProtectedModeOn, 0) << size;
        EXPECT_EQ(G().CleanExit, 1) << size;
        EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(0, 0, 1)) << size;
    }
}

TEST_F(Settings, ExactAndLongerFilesAreReadAndFlagsAreZeroOrOne) {
    WriteSettingsBytes(SettingsBytes(17, 0, 1));
    LoadGameSettings();
    EXPECT_EQ(G().LaunchCount, 17);
    EXPECT_EQ(G().ProtectedModeOn, 0);
    EXPECT_EQ(G().CleanExit, 1);

    // A fourth record is ignored; 7 and -1 are "on" and go back to the disk as 1.
    auto bytes = SettingsBytes(300000, 7, -1);
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    WriteSettingsBytes(bytes);
    EXPECT_EQ(ReadGameSettings(), (GameSettings{300000, 1, 1}));
    LoadGameSettings();
    EXPECT_EQ(G().LaunchCount, 300000);
    EXPECT_EQ(G().ProtectedModeOn, 1);
    EXPECT_EQ(G().CleanExit, 1);
    SaveGameSettings();
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(300000, 1, 1));

    // Negative counts are numbers like any other: little-endian two's complement.
    WriteSettingsBytes({0xfe, 0xff, 0xff, 0xff, 0, 0, 0, 0, 0, 0, 0, 0});
    LoadGameSettings();
    EXPECT_EQ(G().LaunchCount, -2);
    EXPECT_EQ(G().CleanExit, 0);
}

class OptionsScreen : public test::ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        G().CurrentPlayer = 1;
    }
    GameRecord& captain() { return G().Players[1]; }
};

TEST_F(OptionsScreen, BoxesShowTheSwitchesInvertedAndBackToGameStoresThem) {
    // Box n and its field: 1-37, 2-38, 3-20, 4-21, 5-22, 6-23, 7-30, 8-24, 9-27.
    captain()[Player::HideWarEventNews] = 1;      // box 2 unticked
    captain()[Player::HideSlowerShipNotice] = 1;  // box 8 unticked
    WriteSettingsBytes(SettingsBytes(3, 1, 0));
    G().ProtectedModeOn = 0;  // this run started without it; the file says on
    LoadOptionsForm();
    for (int i = 1; i <= 9; ++i) {
        auto* box = static_cast<ui::CheckBox*>(Form58->Find("CheckBox" + std::to_string(i)));
        EXPECT_EQ(box->checked, i != 2 && i != 8) << "CheckBox" << i;
    }
    EXPECT_TRUE(Form58->CheckBox10->checked);

    player()
        .Do("TForm58",
            [](ui::Form& f) {
                EXPECT_EQ(f.Find("CheckBox4")->caption, "Show info when you gain fame");
            })
        .Tick("TForm58", "CheckBox4", false)
        .Tick("TForm58", "CheckBox2", true)
        .Tick("TForm58", "CheckBox10", false)
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm58", "SpeedButton4");
    Form58->ShowModal();
    EXPECT_EQ(captain()[Player::HideFameGainNotices], 1);
    EXPECT_EQ(captain()[Player::HideWarEventNews], 0);
    EXPECT_EQ(captain()[Player::HideSlowerShipNotice], 1);
    EXPECT_EQ(captain()[Player::HideWarNews], 0);
    EXPECT_EQ(player().LastSeen("TMessage1")->Text("Label1"),
              "The protected mode is activated/deactivated the next time you start the game.");
    // Launch count and clean exit as stored; only the protected mode changed, and only on disk.
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(3, 0, 0));
    EXPECT_EQ(G().ProtectedModeOn, 0);
    // Three ticks, the notice's "Ok" and the button: five clicks.
    EXPECT_EQ(test::CountSound("play:button.wav"), 5);
}

TEST_F(OptionsScreen, AnUnreadableFileCostsNeitherTheLaunchCountNorTheRunningMode) {
    // Two records only: the file tells nothing, and nothing in memory is reset by reading it.
    WriteSettingsBytes({5, 0, 0, 0, 1, 0, 0, 0});
    G().LaunchCount = 12;
    G().ProtectedModeOn = 1;
    G().CleanExit = 0;
    LoadOptionsForm();
    EXPECT_TRUE(Form58->CheckBox10->checked);  // the mode the game runs in
    player()
        .Tick("TForm58", "CheckBox10", false)
        .Click("TMessage1", "SpeedButton3")
        .Click("TForm58", "SpeedButton4");
    Form58->ShowModal();
    EXPECT_EQ(G().LaunchCount, 12);
    EXPECT_EQ(G().ProtectedModeOn, 1);
    EXPECT_EQ(ReadSettingsBytes(), SettingsBytes(12, 0, 0));
}

TEST_F(OptionsScreen, AFailedWriteIsToldAndTheScreenStillCloses) {
    std::filesystem::create_directory(kSettingsFile);
    LoadOptionsForm();
    player()
        .Tick("TForm58", "CheckBox3", false)
        .Click("TForm58", "SpeedButton4")
        .Do("TMessage1",
            [](ui::Form&) {
                EXPECT_EQ(Message1->Label1->caption,
                          "Sorry, I cannot write the settings file GameSettings.sav.");
            })
        .Click("TMessage1", "SpeedButton3");
    Form58->ShowModal();
    EXPECT_FALSE(Form58->Visible());
    // The switches belong to the game, not the file: they are taken all the same.
    EXPECT_EQ(captain()[Player::HideReputationGainNotices], 1);
    std::filesystem::remove(kSettingsFile);
}

}  // namespace
}  // namespace corvanth
