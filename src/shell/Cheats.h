// The tweak panel behind the bank's picture: money, fame and reputation, turns and five tweaks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/form.h"

namespace corvanth {

// The amount box as a whole number: optional spaces around a sign and decimal digits, within
// 32 bits; nothing for any other text.
std::optional<int32_t> ParseCheatAmount(const std::string& text);

// The cheats themselves, after the amount was read; each marks the captain a cheater.
// Sums run in 64 bits and stop at the game's caps: money and fame 0..900.000.000, the
// reputation within +-900.000.000, the turn 0..1.000.000.
void CheatMoney(int32_t amount);
void CheatFameAndReputation(int32_t amount);
void CheatTurns(int32_t amount);
inline constexpr int32_t kMaxCheatTurn = 1000000;

class TForm40 : public ui::Form {
  public:
    TForm40();
    ui::Image* Image2;              // background
    ui::Image* Image1;              // logo
    ui::Edit* Edit1;                // the amount; "1000" at start, kept for the run
    ui::SpeedButton* SpeedButton1;  // "+ money"
    ui::SpeedButton* SpeedButton2;  // "+ fame, + rep"
    ui::SpeedButton* SpeedButton3;  // "+ turns"
    ui::SpeedButton* SpeedButton4;  // "Back to game"
    ui::CheckBox* CheckBox1;        // ships of other factions never attack
    ui::CheckBox* CheckBox2;        // locations spawn more often
    ui::CheckBox* CheckBox3;        // more luck in combat
    ui::CheckBox* CheckBox4;        // fame and reputation more easily
    ui::CheckBox* CheckBox5;        // no ageing

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    // Stores the tweaks; any box ticked marks the captain a cheater.
    void FormClose();
    // No close box: "Back to game" is the way out.
    bool CloseQuery() override { return false; }

  private:
    // The amount, or nothing after telling the player it is no whole number.
    std::optional<int32_t> ReadAmount();
};

extern ui::Screen<TForm40> Form40;

// Ticks each box exactly where its tweak is on.
void RefreshCheatForm();

}  // namespace corvanth
