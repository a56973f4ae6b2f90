// The settings file that outlives a game, and the options screen with the message switches.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/form.h"

namespace corvanth {

inline constexpr const char* kSettingsFile = "GameSettings.sav";

// The three records of the settings file, flags as 0 or 1.
struct GameSettings {
    int32_t launchCount = 0;
    int32_t protectedMode = 0;
    int32_t cleanExit = 1;
    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// The stored values, applying nothing; none when the file is missing or shorter than three
// records. Any non-zero flag reads as 1; bytes past the third record are ignored.
std::optional<GameSettings> ReadGameSettings();
// Creates or truncates the file and writes the three records; false when any step failed.
bool WriteGameSettings(const GameSettings& settings);

// The stored values into LaunchCount, ProtectedModeOn and CleanExit, or the defaults.
void LoadGameSettings();
// Writes the values in memory; a failure is told through the message dialog.
void SaveGameSettings();
// Launch count 0, protected mode off, clean exit 1, in memory and on disk.
void ResetGameSettings();

class TForm58 : public ui::Form {
  public:
    TForm58();
    ui::Image* Image2;  // background
    ui::Image* Image1;  // game logo
    ui::CheckBox* CheckBox1;
    ui::CheckBox* CheckBox2;
    ui::CheckBox* CheckBox3;
    ui::CheckBox* CheckBox4;
    ui::CheckBox* CheckBox5;
    ui::CheckBox* CheckBox6;
    ui::CheckBox* CheckBox7;
    ui::CheckBox* CheckBox8;
    ui::CheckBox* CheckBox9;
    ui::CheckBox* CheckBox10;       // protected mode, stored in the settings file
    ui::SpeedButton* SpeedButton4;  // "Back to game"

    void SpeedButton4Click();
    // Boxes 1..9 only click; their value is taken by "Back to game".
    void CheckBox1MouseUp();
    void CheckBox2MouseUp();
    void CheckBox3MouseUp();
    void CheckBox4MouseUp();
    void CheckBox5MouseUp();
    void CheckBox6MouseUp();
    void CheckBox7MouseUp();
    void CheckBox8MouseUp();
    void CheckBox9MouseUp();
    void CheckBox10MouseUp();
};

extern ui::Screen<TForm58> Form58;

// Fills the screen before it is shown: switches 1..9 from the captain, 10 from the file.
void LoadOptionsForm();

}  // namespace corvanth
