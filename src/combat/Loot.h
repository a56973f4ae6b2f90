// The loot screen: one lot of goods offered to the hold, with room made by dropping own goods.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm51 : public ui::Form {
  public:
    TForm51();
    ui::Image* Image3;
    ui::Label* Label1;  // headings, written by the caller
    ui::Label* Label2;
    ui::Label* Label3;  // the lot
    ui::Label* Label4;  // advice
    ui::Label* Label5;  // free cargo space
    ui::ListBox* ListBox1;
    ui::SpeedButton* SpeedButton1;  // "Drop all"
    ui::SpeedButton* SpeedButton2;  // "Drop 1x"
    ui::SpeedButton* SpeedButton3;  // "Loot && Continue"
    ui::SpeedButton* SpeedButton4;  // "Leave loot behind"
    ui::Panel* Panel5;
    ui::Label* Label6;
    ui::Label* Label7;
    ui::Shape* Shape3;
    ui::Shape* Shape4;

    void FormActivate() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
};

extern ui::Screen<TForm51> Form51;

// Fills the screen for LootItem.
void ShowLoot();
// The loot screen's headline and lead-in, which later offers under the last headings reuse.
void SetLootHeadings(const std::string& headline, const std::string& leadIn);
// The caller's headings, ShowLoot and the screen modally: the combat's and the events' offer.
void OfferLootItem(const std::string& headline, const std::string& leadIn);

// How much of a lot fits a free room: a hold over its capacity (negative room) takes nothing.
int LootThatFits(int amount, int freeRoom);
// LootItem into the hold, cut to the room; the units taken.
int TakeLoot();
// Units of a good thrown overboard (all of them when `units` is above what the hold has).
void DropCargo(int good, int units);

}  // namespace corvanth
