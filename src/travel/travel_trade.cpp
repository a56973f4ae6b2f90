// Travel screen's trade box: SpeedButton7/9/10/11, ListBox1, RadioButton1/2, SpinEdit1, UpDown1.
// The goods of the fleet's market, buying, selling and the map's price labels.
#include <algorithm>
#include <charconv>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "travel/travel.h"
#include "travel/travel_parts.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

namespace {

// Legality of a good in the space of the location's owner: 0 legal, 1 illegal, 2 banned.
int Legality(int good, int location) {
    const int owner = LocationRecord(location)[Planet::Owner];
    if (!ValidGood(good) || !ValidFaction(owner)) return 0;
    return G().Goods[good][Good::LegalityBase + owner];
}

const char* LegalityMark(int legality) {
    return legality == 1 ? " (X)" : legality == 2 ? " (XX)" : "";
}

std::string PadRight(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string PadLeft(std::string s, size_t width) {
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

// A whole number that a 32-bit count can hold; anything else is none.
bool WholeNumber(const std::string& text, int32_t& value) {
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && at == end && !text.empty();
}

bool IsPlanet(int location) {
    return LocationRecord(location)[Planet::Kind] == PlanetKind::Planet;
}

// Every planet of the system shows the good's price under its name.
void ShowMapPrices(int good) {
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = LocationRecord(l);
        const int row = p[Planet::MapRow], column = p[Planet::MapColumn];
        if (p[Planet::Exists] <= 0 || p[Planet::Kind] != PlanetKind::Planet) continue;
        if (row < 1 || row > kMapRows || column < 1 || column > kMapColumns) continue;
        ui::Label& price = *Form2->Cell(row, column).price;
        price.caption = "$C " + FormatThousands(PriceAt(l, good));
        price.visible = true;
    }
}

void HideMapPrices() {
    for (MapCell& cell : Form2->cells) cell.price->visible = false;
}

void ShowSum(int64_t price, int64_t amount) {
    Form2->Label5->caption = "Sum: $C " + FormatThousands(price * amount);
}

// The chosen good's line, the last price paid, the amount offered and the sum, all at the
// fleet's own market: the one a purchase or sale is made at.
void FillDetail(int good) {
    TForm2& form = *Form2;
    const int l = FleetLocation();
    const int32_t here = PriceAt(l, good);
    const int legality = Legality(good, l);
    form.Label19->caption = GoodName(good) + LegalityMark(legality) + " / " + std::to_string(here) +
                            " $C" + " / " + std::to_string(G().Cargo[good]) + "E";
    form.Label19->font.color = legality > 0 ? ui::colors::Red : ui::colors::Black;
    form.Label21->caption = "Last price you paid: $C " + FormatThousands(G().LastPricePaid[good]);
    if (!IsPlanet(l)) {
        form.Label5->caption = "Sum: N/A";
        form.SpinEdit1->SetText("0");
        return;
    }
    int64_t amount = G().Cargo[good];
    if (form.RadioButton1->Checked() && here > 0) {
        amount = Captain()[Player::Money] / here;
        amount = std::min<int64_t>(amount, PlayerFleet()[Fleet::FreeCargo]);
    }
    form.SpinEdit1->SetText(std::to_string(amount));
    ShowSum(here, TypedTradeAmount());
}

// At war with the captain's faction, or the captain in bad standing there: only contraband.
std::string HostileRefusal(int location, int good) {
    const int owner = LocationRecord(location)[Planet::Owner];
    const GameRecord& them = FactionRecord(owner);
    const bool atWar = AtWar(owner, Captain()[Player::Faction]);
    const bool legal = Legality(good, location) == 0;
    if ((atWar || them[Faction::Reputation] < 0) && legal)
        return "This planet is hostile. Smuggling is possible, but " + GoodName(good) +
               " are legal here.";
    return "";
}

}  // namespace

int64_t TypedTradeAmount() {
    int32_t value = 0;
    return WholeNumber(Form2->SpinEdit1->Text(), value) ? value : 0;
}

void FillTradeList() {
    TForm2& form = *Form2;
    GameState& g = G();
    const int l = FleetLocation();
    form.SpeedButton7->caption = form.RadioButton1->Checked() ? "BUY" : "SELL";
    form.Label20->caption = "Your money: $C " + FormatThousands(Captain()[Player::Money]);
    form.Label18->caption =
        "Free Cargo Space: " + std::to_string(PlayerFleet()[Fleet::FreeCargo]) + " E";
    form.Label23->caption = "You are at: " + LocationName(l);
    form.ListBox1->Clear();
    const bool planet = IsPlanet(l);
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.Goods[good][Good::Defined] <= 0) continue;
        const std::string name = GoodName(good) + LegalityMark(Legality(good, l));
        const std::string price = planet ? FormatThousands(PriceAt(l, good)) : "N/A";
        form.ListBox1->items.push_back(PadRight(name, 12) + " / " + PadLeft(price, 5) + " $C" +
                                       " / " + PadLeft(std::to_string(g.Cargo[good]), 3) + "E");
    }
    ShowTradeGoodDetail();
}

void ShowTradeGoodDetail() {
    HideMapPrices();
    // The chosen good is SelectedTradeGood; the list only shows it.
    const int good = G().SelectedTradeGood;
    Form2->ListBox1->SetItemIndex(good < 1 ? 0 : good - 1);
    if (!ValidGood(good)) return;
    FillDetail(good);
    ShowMapPrices(good);
}

TradeResult BuyGoods(int location, int good, int64_t amount) {
    TradeResult r;
    if (!ValidGood(good)) return r;
    GameState& g = G();
    GameRecord& fleet = PlayerFleet();
    int32_t& money = Captain()[Player::Money];
    if (fleet[Fleet::FreeCargo] == 0) {
        r.refusal = "You do not have any free cargo space!";
        return r;
    }
    r.refusal = HostileRefusal(location, good);
    if (!r.refusal.empty() || amount <= 0) return r;
    const int64_t price = MarketRecord(FleetSystem(), location, good)[Market::Price];
    const int64_t cost = price * amount;
    if (cost > money) {
        r.refusal = "You do not have enough money!";
        return r;
    }
    if (amount > fleet[Fleet::FreeCargo]) {
        r.refusal = "You do not have enough cargo space for this amount of goods!";
        return r;
    }
    fleet[Fleet::FreeCargo] = SaturateInt32(fleet[Fleet::FreeCargo] - amount);
    money = SaturateInt32(money - cost);
    g.Cargo[good] = SaturateInt32(g.Cargo[good] + amount);
    g.LastPricePaid[good] = static_cast<int32_t>(price);
    r.done = true;
    r.value = cost;
    return r;
}

TradeResult SellGoods(int location, int good, int64_t amount) {
    TradeResult r;
    if (!ValidGood(good)) return r;
    GameState& g = G();
    r.refusal = HostileRefusal(location, good);
    if (!r.refusal.empty() || amount <= 0) return r;
    if (amount > g.Cargo[good]) {
        r.refusal = "You do not have that many units of this kind of good!";
        return r;
    }
    const int64_t value =
        static_cast<int64_t>(MarketRecord(FleetSystem(), location, good)[Market::Price]) * amount;
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::FreeCargo] = SaturateInt32(fleet[Fleet::FreeCargo] + amount);
    int32_t& money = Captain()[Player::Money];
    money = AfterGain(money, value);
    g.Cargo[good] = SaturateInt32(g.Cargo[good] - amount);
    if (g.Cargo[good] < 1) g.LastPricePaid[good] = 0;
    r.done = true;
    r.value = value;
    return r;
}

void TellTrade(const TradeResult& r, bool sale) {
    if (!r.refusal.empty()) {
        ShowMessage1(r.refusal);
        return;
    }
    if (!r.done || !sale) return;
    PlayReward1Sound();
    ShowFixedNotice("You sell some goods for $C " + FormatThousands(r.value), "Container.jpg");
}

void TForm2::SpeedButton11Click() {
    if (TutorialStep == 6) AdvanceTutorialStep6();
    PlayButtonSound();
    const int s = FleetSystem();
    const int owner = FleetLocationOwner();
    if (!ValidSystem(s) || owner != StarSystemRecord(s)[StarSystem::Owner]) {
        ShowMessage1(
            "This planet is under siege. You should not show off your goods or they will be "
            "confiscated.");
        return;
    }
    TradeGroupBox->visible = Shape34->visible = Shape35->visible = true;
    G().SelectedTradeGood = 1;
    FillTradeList();
}

void TForm2::SpeedButton10Click() {
    if (TutorialStep == 11) AdvanceTutorialStep11();
    PlayButtonSound();
    TradeGroupBox->visible = Shape34->visible = Shape35->visible = false;
    G().SelectedTradeGood = 0;
    FillTradeList();
    RefreshStatusPanel();
}

void TForm2::ListBox1Click() {
    if (TutorialStep == 7) AdvanceTutorialStep7();
    PlayButtonSound();
    const int row = ListBox1->ItemIndex();
    // A click below the last row chooses no good: the chosen one stays.
    if (row >= 0) G().SelectedTradeGood = row + 1;
    ShowTradeGoodDetail();
}

void TForm2::RadioButton1Click() {
    PlayButtonSound();
    FillTradeList();
}

void TForm2::RadioButton2Click() {
    RadioButton1Click();
}

// The trade is made at the fleet's own market; the panel then shows that location again.
void TForm2::SpeedButton7Click() {
    const int64_t amount = TypedTradeAmount();
    const int good = G().SelectedTradeGood, location = FleetLocation();
    const bool buying = RadioButton1->Checked();
    if (TutorialStep == 8) AdvanceTutorialStep8();
    PlayButtonSound();
    const TradeResult r =
        buying ? BuyGoods(location, good, amount) : SellGoods(location, good, amount);
    TellTrade(r, !buying);
    G().SelectedPlanet = location;
    RefreshPlanetPanel();
    RefreshStatusPanel();
}

void TForm2::SpeedButton9Click() {
    GameState& g = G();
    const int location = FleetLocation();
    if (TutorialStep == 10) AdvanceTutorialStep10();
    PlayButtonSound();
    for (int good = Good::First; good <= Good::Last; ++good)
        if (g.Cargo[good] > 0) TellTrade(SellGoods(location, good, g.Cargo[good]), true);
    g.SelectedPlanet = location;
    RefreshPlanetPanel();
    RefreshStatusPanel();
}

// Both write the sum of the amount in the box at the price the trade will be made at.
void TForm2::SpinEdit1Change() {
    int32_t value = 0;
    if (!WholeNumber(SpinEdit1->Text(), value)) SpinEdit1->SetText("0");
    ShowSum(PriceAt(FleetLocation(), G().SelectedTradeGood), TypedTradeAmount());
}

void TForm2::UpDown1Changing(bool up) {
    const int64_t amount = std::max<int64_t>(0, TypedTradeAmount() + (up ? 1 : -1));
    SpinEdit1->SetText(std::to_string(amount));
    ShowSum(PriceAt(FleetLocation(), G().SelectedTradeGood), amount);
}

}  // namespace corvanth
