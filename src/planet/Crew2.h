// Crew management: who can be hired where, and the screen that hires and dismisses them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// Draws the hireable crew of every kind at every location anew, by the captain's rank in the own
// faction. Once per turn, and once per warm-up pass of a new game.
void RegenerateHireableCrew();

// The change set up on the crew screen and not yet applied is the session's CrewPendingChange.

// Applies the pending change to the ship, the location's supply and the money; returns the
// message for the player. Nothing changes on a refusal.
std::string ApplyCrewChange(bool hireMode);

// Where a hire bar may stand when the player moves it to `position`: never past the ship's
// maximum crew with what is already pending.
int32_t HireBarPosition(int kind, int32_t position);

class TForm24 : public ui::Form {
  public:
    TForm24();
    ui::Image* Image7;  // background
    ui::Image* Image2;  // the ship
    ui::Label* Label27;
    ui::Label* Label2;
    ui::Label* Label4;
    ui::Label* Label5;
    ui::Label* Label7;
    ui::Label* Label9;
    ui::Label* Label8;
    ui::Label* Label25;
    ui::Label* Label26;
    ui::Label* Label31;
    std::array<ui::ScrollBar*, 5> bars{};   // ScrollBar1 .. ScrollBar5
    std::array<ui::Label*, 5> inCrew{};     // Label6, Label14, Label18, Label21, Label24
    std::array<ui::Label*, 5> available{};  // Label3, Label13, Label16, Label20, Label23
    ui::RadioButton* RadioButton1;          // "Hire crew"
    ui::RadioButton* RadioButton2;          // "Dismiss crew"
    ui::SpeedButton* SpeedButton1;          // "Hire/Dismiss"
    ui::SpeedButton* SpeedButton2;          // "Information / Help"
    ui::SpeedButton* SpeedButton4;          // "Back"

    bool HireMode() const { return RadioButton1->Checked(); }
    void ScrollBar1Change() { BarChange(0); }
    void ScrollBar2bChange() { BarChange(1); }
    void ScrollBar3bChange() { BarChange(2); }
    void ScrollBar4bChange() { BarChange(3); }
    void ScrollBar5Change() { BarChange(4); }
    void RadioButton1Click() { ModeChange(); }
    void RadioButton2Click() { ModeChange(); }
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton4Click();

  private:
    void BarChange(int kind);
    void ModeChange();
};

extern ui::Screen<TForm24> Form24;

void PrepareCrewForm();
void RefreshCrewForm();

}  // namespace corvanth
