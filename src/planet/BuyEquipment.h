// The equipment dealer: one installed item replaced by an upgrade from its exchange list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "planet/BuyShips.h"
#include "ui/form.h"

namespace corvanth {

// The sale rule of an upgrade: sold here by the owner (or the arena), in stock by tech level.
bool UpgradeSoldHere(const DealerSite& site, int id);
bool UpgradeInStock(const DealerSite& site, int id);
inline bool UpgradeBuyable(const DealerSite& site, int id) {
    return UpgradeSoldHere(site, id) && UpgradeInStock(site, id);
}
// The price asked (five times the catalogue's at the arena) and what the replaced item brings.
int64_t UpgradePrice(const DealerSite& site, int id);
int64_t ReplacedItemRefund(int id);
// The ids that may replace item x, in the catalogue's order; entries below 1 are none.
std::vector<int> ExchangeList(int x);

struct UpgradePurchase {
    bool done = false;
    std::string refusal;
    int64_t cost = 0;
};
// Replaces the item in a slot of the player's current ship by upgrade c; only the slot's id
// changes. The ship's values are not recomputed here: the screen's "Buy" does that afterwards.
UpgradePurchase BuyUpgrade(int slot, int c);

class TForm18 : public ui::Form {
  public:
    TForm18();
    ui::Image* Image7;              // background
    ui::Image* Image1;              // ship picture
    ui::Label* Label5;              // class name
    ui::Label* Label8;              // money
    ui::ListBox* ListBox1;          // installed items
    ui::ListBox* ListBox2;          // possible upgrades
    ui::Image* Image2;              // item picture
    ui::Label* Label9;              // item description
    ui::Image* Image3;              // Federation
    ui::Image* Image5;              // Outer Rim Alliance
    ui::Image* Image4;              // Syndicate
    ui::Image* Image6;              // Coalition
    ui::Label* Label12;             // the system's sector rating
    ui::Label* Label7;              // the upgrade's tech level
    ui::Label* Label10;             // price
    ui::Label* Label20;             // refund
    ui::Label* Label11;             // still to be paid
    ui::SpeedButton* SpeedButton3;  // "Buy"
    ui::SpeedButton* SpeedButton6;  // "Close"
    ui::SpeedButton* SpeedButton4;  // "Detailed info"

    ui::Panel* TutorialPanel;
    ui::Panel* TutorialHand;
    ui::Timer* TutorialTimer;
    ui::SpeedButton* SpeedButton16;  // "End tutorial"

    // The slot of each row of ListBox1 and the upgrade id of each row of ListBox2.
    std::vector<int> rowSlots;
    std::vector<int> rowUpgrades;
    int SelectedSlot() const;     // 0 when no row is selected
    int SelectedUpgrade() const;  // 0 when no row is selected

    void ListBox1Click();
    void ListBox2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton6Click();
    void SpeedButton16Click();
    void TutorialTimerTimer();
};

extern ui::Screen<TForm18> Form18;

void RefreshEquipmentDealer();
void ListSlotUpgrades();
void ShowUpgradeOffer();
// The dealer filled with the first slot and its first upgrade chosen, shown modally.
void OpenEquipmentDealer();

}  // namespace corvanth
