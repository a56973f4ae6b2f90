// The ship scanner: one ship's class, picture, description, data and equipment, item by item.
#pragma once

#include <string>
#include <vector>

#include "ui/form.h"

namespace corvanth {

// Pictures of the equipment kinds: table A for an installed item, table B for an upgrade on
// offer (they differ in kind 19). "" for a kind without a picture: the image keeps what it had.
std::string InstalledItemPicture(int kind);
std::string UpgradePicture(int kind);

// The used slots of a ship in slot order, as the dealers and the scanner list them; each
// slot's list position (field 3) is written as the list is filled. Row i of such a list is
// the i-th used slot, which is slot i + 1 only while the used slots are packed.
std::vector<int> ListUsedSlots(int fleet, int ship);

class TForm6 : public ui::Form {
  public:
    TForm6();
    ui::Image* Image3;  // background
    ui::Label* Label2;  // class line
    ui::Image* Image1;  // ship picture
    ui::Memo* Memo1;    // description
    ui::Label* Label6;  // size class
    ui::Label* Label3;  // structure
    ui::Label* Label4;  // speed
    ui::Label* Label5;  // crew limits
    ui::ListBox* ListBox1;
    ui::Image* Image2;              // item picture
    ui::Memo* Memo2;                // item text
    ui::SpeedButton* SpeedButton6;  // "Back"
    ui::Panel* Panel2;
    ui::SpeedButton* SpeedButton1;  // "Crew"
    ui::Shape* Shape15;
    ui::Shape* Shape16;

    // The template slot shown in each row of ListBox1.
    std::vector<int> rowSlots;

    void ListBox1Click();
    void SpeedButton1Click();
    void SpeedButton6Click();
    // The close box acts like "Back".
    bool CloseQuery() override;
};

extern ui::Screen<TForm6> Form6;

// The three ways into the scanner; each fills it (and the crew scanner) from the template ship,
// and the caller then shows TForm6.
void ShowShipClassScan(int shipType);
void ShowOwnShipScan(int fleet, int ship);
// The enemy's crew is shown only when the ship's crew-shown mark is 1; "Crew" keeps the
// visibility the previous scan gave it.
void ShowEnemyShipScan(int fleet, int ship);
void ShowShipData();
void ShowEquipmentItem(int slot);

}  // namespace corvanth
