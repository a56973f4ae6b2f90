// The cargo transfer screen: goods moved between a captured ship's hold and the player's.
#pragma once

#include "ui/form.h"

namespace corvanth {

class TForm7 : public ui::Form {
  public:
    TForm7();
    ui::Image* Image2;      // backdrop
    ui::ListBox* Listbox1;  // the captured ship's goods, row n-1 = good n
    ui::ListBox* ListBox2;  // the player's goods
    ui::Label* Label3;
    ui::SpinEdit* SpinEdit1;
    ui::Label* Label7;
    ui::SpeedButton* SpeedButton1;  // "Transfer ->"
    ui::SpeedButton* SpeedButton2;  // "<- Transfer"
    ui::SpeedButton* SpeedButton3;  // "Back"

    void Listbox1Click();
    void ListBox2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
};

extern ui::Screen<TForm7> Form7;

void RefreshCargoTransfer();

// The free room of the captured ship: its cargo capacity less what its hold carries.
int CapturedFreeRoom();
// Units of good g moved from the captured hold to the player's (toPlayer) or back: the amount
// is bounded to 0..what the giving side holds and to the taking side's room (a room below 0
// takes nothing). Returns the units moved; `cut` tells whether the room cut the amount.
int TransferCargo(int good, int amount, bool toPlayer, bool& cut);

}  // namespace corvanth
