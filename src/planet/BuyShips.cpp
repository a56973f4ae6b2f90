// The ship dealer: the offer of a class, its availability here, the trade-in and the purchase.
#include "planet/BuyShips.h"

#include <array>

#include "planet/Scanner.h"
#include "state/Module1.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/shipstats.h"
#include "state/showing.h"
#include "state/tables.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"

namespace corvanth {

ui::Screen<TForm17> Form17{"TForm17"};

namespace {

// The arena's world: Duelhold's dealers sell every class and item of its sector level.
constexpr int kArenaSystem = 24;
constexpr int kArenaLocation = 9;

// The dealer's own order of the classes.
constexpr std::array<int, kShipDealerRows> kRowTypes = {
    1, 2, 3, 20, 25, 4, 13, 17, 5, 6, 7, 16, 8, 21, 26, 9, 19, 18, 24, 10, 11, 12, 14, 15, 22, 23};

}  // namespace

int64_t CargoAboard() {
    int64_t units = 0;
    for (int good = Good::First; good <= Good::Last; ++good) units += G().Cargo[good];
    return units;
}

DealerSite CurrentDealerSite() {
    const int s = FleetSystem(), l = FleetLocation();
    DealerSite site;
    site.owner = LocationRecord(s, l)[Planet::Owner];
    site.rating = StarSystemRecord(s)[StarSystem::SectorRating];
    site.arena = s == kArenaSystem && l == kArenaLocation && ArenaShowing();
    return site;
}

bool SoldBySite(const DealerSite& site, const GameRecord& item, int soldByBase) {
    if (site.arena) return true;
    return PlayableFaction(site.owner) && item[soldByBase + site.owner] == 1;
}

std::string DealerLogoPicture(int faction, bool sold) {
    static const char* const kLogos[] = {"", "FederationLogo", "OuterRimLogo", "SyndicateLogo",
                                         "TraderUnionLogo"};
    if (!PlayableFaction(faction)) return "";
    return std::string(kLogos[faction]) + (sold ? ".jpg" : "g.jpg");
}

int ShipDealerRowType(int row) {
    if (row < 0 || row >= kShipDealerRows) return kRowTypes[0];
    return kRowTypes[row];
}

const char* ShipSizeClassName(int sizeClass) {
    static const char* const kNames[] = {"Fighter ship class", "Corvette ship class",
                                         "Destroyer ship class", "Cruiser ship class",
                                         "Battleship/Carrier ship class"};
    if (sizeClass < 1 || sizeClass > 5) return nullptr;
    return kNames[sizeClass - 1];
}

bool TemplateShipAvailable(const DealerSite& site) {
    const GameRecord& t = ShipClassTemplate();
    return site.rating >= t[Ship::RequiredSectorLevel] &&
           SoldBySite(site, t, Ship::SoldByFactionBase);
}

int64_t ShipTradeInValue() {
    const int fleet = G().CurrentFleet;
    int64_t value = ShipRecord(fleet, 1)[Ship::HullPrice];
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        const GameRecord& s = SlotRecord(fleet, 1, slot);
        if (s[Slot::Used] > 0) value += EquipmentType(s[Slot::EquipmentId])[Equipment::Price];
    }
    return value / 2;
}

ShipPurchase BuyShip(int shipType) {
    ShipPurchase result;
    LoadShipType(shipType);
    if (!TemplateShipAvailable(CurrentDealerSite())) return result;
    GameState& g = G();
    const GameRecord& t = ShipClassTemplate();
    const int64_t cost = int64_t{t[Ship::TotalPrice]} - ShipTradeInValue();
    int32_t& money = Captain()[Player::Money];
    if (CargoAboard() > 0) {
        result.refusal = "You need to sell all the goods in your cargo space first!";
    } else if (cost > money) {
        result.refusal = "You not have enough money!";
    } else if (CaptainFactionRecord()[Faction::Rank] < t[Ship::RequiredRank]) {
        result.refusal = "You do not have the necessary rank in your faction to buy this ship!";
    }
    if (!result.refusal.empty()) return result;

    money = AfterPayment(money, cost);
    const int fleet = g.CurrentFleet;
    if (!ValidShip(fleet, 1)) return result;
    GameRecord& ship = g.Ships[fleet][1];
    std::array<int32_t, 5> crew{};
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) crew[k - 1] = ship[Ship::CrewBase + k];
    g.ShipClassNames[fleet][1] = g.ShipClassNames[kTemplateFleet][kTemplateShip];
    ship = t;
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        g.ShipEquipment[fleet][1][slot] = g.ShipEquipment[kTemplateFleet][kTemplateShip][slot];
    g.ShipDescriptions[fleet][1] = g.ShipDescriptions[kTemplateFleet][kTemplateShip];
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) ship[Ship::CrewBase + k] = crew[k - 1];
    RecalcShipStats(fleet, 1, 0, 0);
    result.done = true;
    result.cost = cost;
    return result;
}

TForm17::TForm17() : ui::Form("TForm17") {
    Image1 = Bind<ui::Image>("Image1");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    Label8 = Bind<ui::Label>("Label8");
    Image8 = Bind<ui::Image>("Image8");
    Label2 = Bind<ui::Label>("Label2");
    Label10 = Bind<ui::Label>("Label10");
    Label18 = Bind<ui::Label>("Label18");
    Memo1 = Bind<ui::Memo>("Memo1");
    Label3 = Bind<ui::Label>("Label3");
    Label20 = Bind<ui::Label>("Label20");
    Label11 = Bind<ui::Label>("Label11");
    Image3 = Bind<ui::Image>("Image3");
    Image4 = Bind<ui::Image>("Image4");
    Image5 = Bind<ui::Image>("Image5");
    Image6 = Bind<ui::Image>("Image6");
    Label6 = Bind<ui::Label>("Label6");
    Label9 = Bind<ui::Label>("Label9");
    Label12 = Bind<ui::Label>("Label12");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");

    ListBox1->OnClick = [this] { ListBox1Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void RefreshShipDealer() {
    TForm17& form = *Form17;
    form.ListBox1->Clear();
    // The rows carry the catalogue's class names: each class is loaded once to read its name.
    for (int type : kRowTypes) {
        LoadShipType(type);
        form.ListBox1->items.push_back(ShipClassName(kTemplateFleet, kTemplateShip));
    }
    SelectedShipType = ShipDealerRowType(form.ListBox1->ItemIndex());
    form.Label8->caption = "Your money: " + FormatThousands(Captain()[Player::Money]);
    form.ListBox1->SetItemIndex(0);
    ShowShipOffer(1);
}

void ShowShipOffer(int shipType) {
    TForm17& form = *Form17;
    SelectedShipType = shipType;
    const DealerSite site = CurrentDealerSite();
    LoadShipType(shipType);
    const GameRecord& t = ShipClassTemplate();
    form.Label6->caption = std::to_string(t[Ship::RequiredSectorLevel]);
    form.Label9->caption = std::to_string(site.rating);
    ui::Image* logos[] = {form.Image3, form.Image4, form.Image5, form.Image6};
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f)
        logos[f - 1]->LoadPicture(DealerLogoPicture(f, t[Ship::SoldByFactionBase + f] == 1));
    const bool available = TemplateShipAvailable(site);
    if (!available) PlayButtonSound();
    form.Image8->LoadPicture(available ? GetShipPictureName(shipType)
                                       : GetShipPictureNameG(shipType));
    form.SpeedButton1->enabled = available;
    form.Label2->visible = !available;

    form.Label10->caption = ShipClassName(kTemplateFleet, kTemplateShip);
    if (const char* size = ShipSizeClassName(t[Ship::SizeClass])) form.Label18->caption = size;
    form.Memo1->Clear();
    form.Memo1->scrollBars = ui::ScrollBars::None;
    form.Memo1->SetText(G().ShipDescriptions[kTemplateFleet][kTemplateShip].str());
    form.Memo1->scrollBars = ui::ScrollBars::Vertical;
    form.Label3->caption = "Price: " + FormatThousands(t[Ship::TotalPrice]);
    const int64_t tradeIn = ShipTradeInValue();
    form.Label20->caption = "For your old ship you get: $C " + FormatThousands(tradeIn);
    form.Label11->caption =
        "Still to be paid: $C " + FormatThousands(int64_t{t[Ship::TotalPrice]} - tradeIn);
    const int f = CaptainFaction(), rank = t[Ship::RequiredRank];
    form.Label12->caption = rank >= 0 && rank < 12 ? G().RankNames[f][rank].str() : "";
}

void TForm17::ListBox1Click() {
    PlayButtonSound();
    ShowShipOffer(ShipDealerRowType(ListBox1->ItemIndex()));
}

void TForm17::SpeedButton1Click() {
    PlayButtonSound();
    const int type = SelectedShipType;
    ShowShipOffer(type);
    const ShipPurchase bought = BuyShip(type);
    if (!bought.done) {
        if (!bought.refusal.empty()) ShowMessage1(bought.refusal);
        return;
    }
    RefreshTravelScreen();
    Label8->caption = "Your money: " + FormatThousands(Captain()[Player::Money]);
    ShowMessage1("You buy the ship!");
    Close();
}

void TForm17::SpeedButton2Click() {
    if (TutorialStep == 16) AdvanceTutorialStep16();
    PlayButtonSound();
    Close();
}

void TForm17::SpeedButton3Click() {
    PlayButtonSound();
    ShowShipClassScan(SelectedShipType);
    Form6->ShowModal();
}

void TForm17::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm17::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

}  // namespace corvanth
