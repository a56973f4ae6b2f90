// The equipment dealer: the slot list, the upgrades of the chosen item, the offer and the sale.
#include "planet/BuyEquipment.h"

#include "planet/Scanner.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm18> Form18{"TForm18"};

namespace {

constexpr int kArenaPriceFactor = 5;

std::string Description(int id) {
    return ValidEquipment(id) ? G().EquipmentDescriptions[id].str() : "";
}

void ShowPicture(ui::Image* image, const std::string& picture) {
    if (!picture.empty()) image->LoadPicture(picture);
}

}  // namespace

bool UpgradeSoldHere(const DealerSite& site, int id) {
    return ValidEquipment(id) && SoldBySite(site, EquipmentType(id), Equipment::SoldByFactionBase);
}

bool UpgradeInStock(const DealerSite& site, int id) {
    return EquipmentType(id)[Equipment::TechLevel] <= site.rating;
}

int64_t UpgradePrice(const DealerSite& site, int id) {
    const int64_t price = EquipmentType(id)[Equipment::Price];
    return site.arena ? price * kArenaPriceFactor : price;
}

int64_t ReplacedItemRefund(int id) {
    return EquipmentType(id)[Equipment::Price] / 3;
}

std::vector<int> ExchangeList(int x) {
    std::vector<int> ids;
    if (!ValidEquipment(x)) return ids;
    // Fields 21..30; the catalogue fills at most the first nine.
    for (int k = Equipment::ExchangeBase + 1; k <= Equipment::ExchangeBase + 10; ++k)
        if (G().EquipmentTypes[x][k] >= 1) ids.push_back(G().EquipmentTypes[x][k]);
    return ids;
}

UpgradePurchase BuyUpgrade(int slot, int c) {
    UpgradePurchase result;
    const DealerSite site = CurrentDealerSite();
    GameRecord& s = PlayerShipSlot(slot);
    const int kind = EquipmentType(c)[Equipment::Kind];
    const int64_t cost = UpgradePrice(site, c) - ReplacedItemRefund(s[Slot::EquipmentId]);
    int32_t& money = Captain()[Player::Money];
    if (!UpgradeSoldHere(site, c)) {
        result.refusal = "This item is not available at this faction.";
    } else if ((kind == EquipmentKind::CargoBay || kind == EquipmentKind::SmugglingBay) &&
               CargoAboard() > 0) {
        result.refusal = "You need to sell all the goods in your cargo space first!";
    } else if (!UpgradeInStock(site, c)) {
        result.refusal =
            "They do not have this item on stock at this planet. Try it at a planet with more "
            "high-tech industry.";
    } else if (money < cost) {
        result.refusal = "You do not have enough money!";
    }
    if (!result.refusal.empty() || !ValidSlot(slot) || s[Slot::Used] <= 0) return result;
    money = AfterPayment(money, cost);
    s[Slot::EquipmentId] = c;
    result.done = true;
    result.cost = cost;
    return result;
}

TForm18::TForm18() : ui::Form("TForm18") {
    Image7 = Bind<ui::Image>("Image7");
    Image1 = Bind<ui::Image>("Image1");
    Label5 = Bind<ui::Label>("Label5");
    Label8 = Bind<ui::Label>("Label8");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    ListBox2 = Bind<ui::ListBox>("ListBox2");
    Image2 = Bind<ui::Image>("Image2");
    Label9 = Bind<ui::Label>("Label9");
    Image3 = Bind<ui::Image>("Image3");
    Image5 = Bind<ui::Image>("Image5");
    Image4 = Bind<ui::Image>("Image4");
    Image6 = Bind<ui::Image>("Image6");
    Label12 = Bind<ui::Label>("Label12");
    Label7 = Bind<ui::Label>("Label7");
    Label10 = Bind<ui::Label>("Label10");
    Label20 = Bind<ui::Label>("Label20");
    Label11 = Bind<ui::Label>("Label11");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");

    ListBox1->OnClick = [this] { ListBox1Click(); };
    ListBox2->OnClick = [this] { ListBox2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

int TForm18::SelectedSlot() const {
    const int row = ListBox1->ItemIndex();
    return row >= 0 && row < static_cast<int>(rowSlots.size()) ? rowSlots[row] : 0;
}

int TForm18::SelectedUpgrade() const {
    const int row = ListBox2->ItemIndex();
    return row >= 0 && row < static_cast<int>(rowUpgrades.size()) ? rowUpgrades[row] : 0;
}

void RefreshEquipmentDealer() {
    TForm18& form = *Form18;
    const int fleet = G().CurrentFleet, ship = G().CurrentShip;
    form.Image1->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
    form.Label5->caption = ShipClassName(fleet, ship);
    form.Label8->caption = "$C: " + FormatThousands(Captain()[Player::Money]);
    form.rowSlots = ListUsedSlots(fleet, ship);
    form.ListBox1->Clear();
    for (int slot : form.rowSlots)
        form.ListBox1->items.push_back(EquipmentName(PlayerShipSlot(slot)[Slot::EquipmentId]));
    form.ListBox1->SetItemIndex(0);
    ListSlotUpgrades();
    form.ListBox2->SetItemIndex(-1);
}

void ListSlotUpgrades() {
    TForm18& form = *Form18;
    const DealerSite site = CurrentDealerSite();
    const int x = PlayerShipSlot(form.SelectedSlot())[Slot::EquipmentId];
    form.rowUpgrades = form.SelectedSlot() > 0 ? ExchangeList(x) : std::vector<int>{};
    form.ListBox2->Clear();
    for (int c : form.rowUpgrades)
        form.ListBox2->items.push_back(EquipmentName(c) +
                                       (UpgradeBuyable(site, c) ? " " : " [N/A]"));
    form.SpeedButton3->enabled = false;
    form.Label10->caption = "Price: -";
    form.Label20->caption = "For the replaced item you get: -";
    form.Label11->caption = "Still to be paid: -";
    form.ListBox2->SetItemIndex(0);
    ShowUpgradeOffer();
    // The installed item's own text and picture; the prices and logos stay the first upgrade's.
    form.Label9->caption = Description(x);
    ShowPicture(form.Image2, InstalledItemPicture(EquipmentType(x)[Equipment::Kind]));
}

void OpenEquipmentDealer() {
    RefreshEquipmentDealer();
    Form18->ListBox1->SetItemIndex(0);
    ListSlotUpgrades();
    Form18->ListBox2->SetItemIndex(0);
    ShowUpgradeOffer();
    Form18->ShowModal();
}

void ShowUpgradeOffer() {
    TForm18& form = *Form18;
    const int c = form.SelectedUpgrade();
    if (c < 1) return;
    const DealerSite site = CurrentDealerSite();
    const GameRecord& item = EquipmentType(c);
    form.Label9->caption = Description(c);
    ShowPicture(form.Image2, UpgradePicture(item[Equipment::Kind]));
    form.SpeedButton3->enabled = UpgradeBuyable(site, c);
    ui::Image* logos[] = {form.Image3, form.Image5, form.Image4, form.Image6};
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f)
        logos[f - 1]->LoadPicture(
            DealerLogoPicture(f, item[Equipment::SoldByFactionBase + f] == 1));
    form.Label7->caption = "Req.: " + std::to_string(item[Equipment::TechLevel]);
    form.Label12->caption = std::to_string(site.rating);
    const int64_t price = UpgradePrice(site, c);
    const int64_t refund =
        ReplacedItemRefund(PlayerShipSlot(form.SelectedSlot())[Slot::EquipmentId]);
    form.Label10->caption = "Price: $C" + FormatThousands(price);
    form.Label20->caption = "For the replaced item you get: $C " + FormatThousands(refund);
    form.Label11->caption = "Still to be paid: $C " + FormatThousands(price - refund);
}

void TForm18::ListBox1Click() {
    if (TutorialStep == 18 && ListBox1->ItemIndex() == 1) AdvanceTutorialStep18();
    PlayButtonSound();
    ListSlotUpgrades();
}

void TForm18::ListBox2Click() {
    // The missile chosen: the hand moves on to "Buy".
    if (TutorialStep == 19 && ListBox1->ItemIndex() == 1) PointTutorialHand(*this, *SpeedButton3);
    PlayButtonSound();
    ShowUpgradeOffer();
}

void TForm18::SpeedButton3Click() {
    PlayButtonSound();
    if (TutorialStep == 19 && ListBox1->ItemIndex() == 1) AdvanceTutorialStep19();
    const int row = ListBox1->ItemIndex();
    const int c = SelectedUpgrade();
    if (c < 1) return;
    const UpgradePurchase bought = BuyUpgrade(SelectedSlot(), c);
    if (!bought.done) {
        if (!bought.refusal.empty()) ShowMessage1(bought.refusal);
        return;
    }
    RefreshEquipmentDealer();
    ListBox1->SetItemIndex(row);
    ListSlotUpgrades();
    ListBox2->SetItemIndex(0);
    ShowUpgradeOffer();
    RecalcShipStats(G().CurrentFleet, G().CurrentShip, 0, 0);
    // The money behind the planet screen shows what is left.
    RefreshStatusPanel();
    ShowMessage1("You buy the item!");
}

void TForm18::SpeedButton4Click() {
    PlayButtonSound();
    ShowShipClassScan(PlayerShip()[Ship::Class]);
    Form6->ShowModal();
}

void TForm18::SpeedButton6Click() {
    if (TutorialStep == 20) AdvanceTutorialStep20();
    PlayButtonSound();
    Close();
}

void TForm18::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm18::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

}  // namespace corvanth
