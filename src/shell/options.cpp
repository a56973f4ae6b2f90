// The settings file "GameSettings.sav" and the options screen.
#include "shell/options.h"

#include <array>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/tables.h"
#include "state/variables.h"
#include "ui/files.h"

namespace corvanth {

ui::Screen<TForm58> Form58{"TForm58"};

namespace {

constexpr int kRecords = 3;
constexpr int kRecordSize = 4;
constexpr const char* kWriteFailure = "Sorry, I cannot write the settings file GameSettings.sav.";

// The file as it is named on disk, whatever the letter case, or the name to create.
std::string SettingsPath() {
    return ui::FindFile(kSettingsFile).value_or(kSettingsFile);
}

int32_t Decode(const unsigned char* b) {
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

void Encode(int32_t value, unsigned char* b) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < kRecordSize; ++i) b[i] = static_cast<unsigned char>(v >> (8 * i));
}

// The message switches in the order of boxes 1..9; a field of 1 hides that kind of notice.
constexpr std::array<int, 9> kSwitchFields = {
    Player::HideWarNews,
    Player::HideWarEventNews,
    Player::HideReputationGainNotices,
    Player::HideFameGainNotices,
    Player::HideReputationLossNotices,
    Player::HideFameLossNotices,
    Player::HideWantedNews,
    Player::HideSlowerShipNotice,
    Player::HideTreasureFleetNews,
};

}  // namespace

std::optional<GameSettings> ReadGameSettings() {
    const auto bytes = ui::ReadRegularFile(SettingsPath(), kRecords * kRecordSize);
    if (!bytes || bytes->size() != kRecords * kRecordSize) return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes->data());
    GameSettings s;
    s.launchCount = Decode(b);
    s.protectedMode = Decode(b + kRecordSize) != 0 ? 1 : 0;
    s.cleanExit = Decode(b + 2 * kRecordSize) != 0 ? 1 : 0;
    return s;
}

bool WriteGameSettings(const GameSettings& settings) {
    unsigned char bytes[kRecords * kRecordSize];
    Encode(settings.launchCount, bytes);
    Encode(settings.protectedMode != 0 ? 1 : 0, bytes + kRecordSize);
    Encode(settings.cleanExit != 0 ? 1 : 0, bytes + 2 * kRecordSize);
    // Written aside and renamed over the old file: a kill or a full disk never leaves it empty.
    return ui::WriteFileSafely(
        SettingsPath(), std::string_view(reinterpret_cast<const char*>(bytes), sizeof bytes));
}

void LoadGameSettings() {
    const auto stored = ReadGameSettings();
    if (!stored) {
        ResetGameSettings();
        return;
    }
    GameState& g = G();
    g.LaunchCount = stored->launchCount;
    g.ProtectedModeOn = stored->protectedMode;
    g.CleanExit = stored->cleanExit;
}

void SaveGameSettings() {
    // Said once: a folder the game cannot write to would say it at every start-up step and at
    // the shut-down again. Said again after a write has worked.
    bool& told = Session().SettingsFailureTold;
    const GameState& g = G();
    if (WriteGameSettings({g.LaunchCount, g.ProtectedModeOn, g.CleanExit})) {
        told = false;
    } else if (!told) {
        told = true;
        ShowMessage1(kWriteFailure);
    }
}

void ResetGameSettings() {
    GameState& g = G();
    const GameSettings defaults;
    g.LaunchCount = defaults.launchCount;
    g.ProtectedModeOn = defaults.protectedMode;
    g.CleanExit = defaults.cleanExit;
    SaveGameSettings();
}

TForm58::TForm58() : ui::Form("TForm58") {
    Image2 = Bind<ui::Image>("Image2");
    Image1 = Bind<ui::Image>("Image1");
    CheckBox1 = Bind<ui::CheckBox>("CheckBox1");
    CheckBox2 = Bind<ui::CheckBox>("CheckBox2");
    CheckBox3 = Bind<ui::CheckBox>("CheckBox3");
    CheckBox4 = Bind<ui::CheckBox>("CheckBox4");
    CheckBox5 = Bind<ui::CheckBox>("CheckBox5");
    CheckBox6 = Bind<ui::CheckBox>("CheckBox6");
    CheckBox7 = Bind<ui::CheckBox>("CheckBox7");
    CheckBox8 = Bind<ui::CheckBox>("CheckBox8");
    CheckBox9 = Bind<ui::CheckBox>("CheckBox9");
    CheckBox10 = Bind<ui::CheckBox>("CheckBox10");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    CheckBox1->OnClick = [this] { CheckBox1MouseUp(); };
    CheckBox2->OnClick = [this] { CheckBox2MouseUp(); };
    CheckBox3->OnClick = [this] { CheckBox3MouseUp(); };
    CheckBox4->OnClick = [this] { CheckBox4MouseUp(); };
    CheckBox5->OnClick = [this] { CheckBox5MouseUp(); };
    CheckBox6->OnClick = [this] { CheckBox6MouseUp(); };
    CheckBox7->OnClick = [this] { CheckBox7MouseUp(); };
    CheckBox8->OnClick = [this] { CheckBox8MouseUp(); };
    CheckBox9->OnClick = [this] { CheckBox9MouseUp(); };
    CheckBox10->OnClick = [this] { CheckBox10MouseUp(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void LoadOptionsForm() {
    const GameState& g = G();
    const GameRecord& captain = Captain();
    ui::CheckBox* boxes[] = {Form58->CheckBox1, Form58->CheckBox2, Form58->CheckBox3,
                             Form58->CheckBox4, Form58->CheckBox5, Form58->CheckBox6,
                             Form58->CheckBox7, Form58->CheckBox8, Form58->CheckBox9};
    for (size_t i = 0; i < kSwitchFields.size(); ++i)
        boxes[i]->checked = captain[kSwitchFields[i]] == 0;
    // The stored choice, not the one this run started with; an unreadable file tells none, so
    // the box shows the mode the game runs in.
    const auto stored = ReadGameSettings();
    Form58->CheckBox10->checked = (stored ? stored->protectedMode : g.ProtectedModeOn) != 0;
}

void TForm58::SpeedButton4Click() {
    PlayButtonSound();
    GameState& g = G();
    GameRecord& captain = Captain();
    const ui::CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5,
                                   CheckBox6, CheckBox7, CheckBox8, CheckBox9};
    for (size_t i = 0; i < kSwitchFields.size(); ++i)
        captain[kSwitchFields[i]] = boxes[i]->checked ? 0 : 1;
    // Only the stored protected mode changes: this run keeps the mode it started with, and an
    // unreadable file does not cost the launch count.
    const auto stored = ReadGameSettings();
    GameSettings next = stored.value_or(GameSettings{g.LaunchCount, 0, g.CleanExit});
    next.protectedMode = CheckBox10->checked ? 1 : 0;
    if (!WriteGameSettings(next)) ShowMessage1(kWriteFailure);
    Close();
}

void TForm58::CheckBox1MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox2MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox3MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox4MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox5MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox6MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox7MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox8MouseUp() {
    PlayButtonSound();
}
void TForm58::CheckBox9MouseUp() {
    PlayButtonSound();
}

void TForm58::CheckBox10MouseUp() {
    PlayButtonSound();
    ShowMessage1("The protected mode is activated/deactivated the next time you start the game.");
}

}  // namespace corvanth
