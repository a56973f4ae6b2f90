// The ship dealer: a new ship of one of 26 classes in exchange for the current one.
#pragma once

#include <cstdint>
#include <string>

#include "state/variables.h"
#include "ui/form.h"

namespace corvanth {

// Where a dealer stands: the owner of the fleet's location, the system's sector rating, and
// whether the arena's shops are open (Duelhold's arena screen showing).
struct DealerSite {
    int owner = 0;
    int rating = 0;
    bool arena = false;
};
DealerSite CurrentDealerSite();
// Whether the owner's dealers carry an item whose record has sold-by flags at soldByBase + 1..4;
// owners 0 and 5 carry nothing. The arena carries everything.
bool SoldBySite(const DealerSite& site, const GameRecord& item, int soldByBase);

// Units of goods in the player's hold: both dealers sell a new hold only when it is empty.
int64_t CargoAboard();

// The logo of faction 1..4 under "Available at:", coloured where the item is sold, else grey.
std::string DealerLogoPicture(int faction, bool sold);

// The dealer's 26 rows (from 0) and the ship types they offer; type 27 is never offered.
inline constexpr int kShipDealerRows = 26;
int ShipDealerRowType(int row);                // no selection (-1) counts as the first row
const char* ShipSizeClassName(int sizeClass);  // nullptr for a value outside 1..5

// The availability rule of display and purchase, on the class loaded into the template.
bool TemplateShipAvailable(const DealerSite& site);
// What the dealer pays for ship 1 of the player's fleet with its equipment: half its value.
int64_t ShipTradeInValue();

struct ShipPurchase {
    bool done = false;
    std::string refusal;  // empty: nothing to tell (not available here)
    int64_t cost = 0;     // what was paid; negative when the difference was paid out
};
// The purchase of a class in place of ship 1: the crew stays aboard, everything else is new.
ShipPurchase BuyShip(int shipType);

// The ship type on offer, 1..26, is the session's SelectedShipType.

class TForm17 : public ui::Form {
  public:
    TForm17();
    ui::Image* Image1;  // background
    ui::ListBox* ListBox1;
    ui::Label* Label8;  // money
    ui::Image* Image8;  // ship picture
    ui::Label* Label2;  // "[Not available here]"
    ui::Label* Label10;
    ui::Label* Label18;
    ui::Memo* Memo1;
    ui::Label* Label3;              // price
    ui::Label* Label20;             // trade-in
    ui::Label* Label11;             // still to be paid
    ui::Image* Image3;              // Federation
    ui::Image* Image4;              // Outer Rim Alliance
    ui::Image* Image5;              // Syndicate
    ui::Image* Image6;              // Coalition
    ui::Label* Label6;              // sector level required
    ui::Label* Label9;              // the system's rating
    ui::Label* Label12;             // rank required
    ui::SpeedButton* SpeedButton1;  // "Buy this ship"
    ui::SpeedButton* SpeedButton2;  // "Back"
    ui::SpeedButton* SpeedButton3;  // "More information"

    ui::Panel* TutorialPanel;
    ui::Panel* TutorialHand;
    ui::Timer* TutorialTimer;
    ui::SpeedButton* SpeedButton16;  // "End tutorial"

    void ListBox1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton16Click();
    void TutorialTimerTimer();
};

extern ui::Screen<TForm17> Form17;

void RefreshShipDealer();
void ShowShipOffer(int shipType);

}  // namespace corvanth
