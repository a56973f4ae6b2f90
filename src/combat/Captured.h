// The captured ship, TForm32: the surviving officer's offers, the search of the hold and the
// scans of both ships.
#pragma once

#include <cstdint>

#include "ui/form.h"

namespace corvanth {

class TForm32 : public ui::Form {
  public:
    TForm32();
    ui::Image* Image3;              // backdrop
    ui::Image* Image1;              // the player's ship
    ui::Image* Image2;              // the captured ship
    ui::Label* Label5;              // his offer for the player's ship
    ui::Label* Label6;              // his offer for the captured ship
    ui::SpeedButton* SpeedButton2;  // "Search the enemy ship"
    ui::SpeedButton* SpeedButton4;  // "Get more information": the player's ship
    ui::SpeedButton* SpeedButton1;  // "Get more information": the captured ship
    ui::SpeedButton* SpeedButton3;  // "Keep your ship"
    ui::SpeedButton* SpeedButton5;  // "Take the captured ship"

    // Left only through one of the two deals: the payment and the ship hang on them.
    bool CloseQuery() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();

    bool decided = false;
};

extern ui::Screen<TForm32> Form32;

// Money for the captain from a capture, a ransom or a plunder, all of it (the turn caps it), and
// the status shown.
void PayCaptain(int64_t amount);
// The first good of the captured hold (CapturedCargo) made the loot offer (LootItem) and taken
// out of the hold; false when the hold is empty.
bool TakeFirstCapturedGood();
// LootItem offered on the loot screen under the headings it already shows.
void OfferLootUnderLastHeadings();
// Hull price plus the catalogue price of every used slot.
int64_t ShipValue(int fleet, int ship);
// Fills TForm32 for the ship just captured (ship 1 of fleet 0); the caller shows it.
void ShowCaptureOffer();
// The two deals: the ransom for the captured ship, or the player moves over with his crew and
// is paid for his old ship.
void KeepOwnShip();
void TakeCapturedShip();

}  // namespace corvanth
