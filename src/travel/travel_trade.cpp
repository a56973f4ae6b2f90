// The trade box: the goods of the fleet's market, buying, selling and the map's price labels.
#include <algorithm>
#include <charconv>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "travel/NextTurnUnit_notices.h"
#include "travel/travel.h"
#include "travel/travel_parts.h"

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

// The detail of the chosen good; `priced` is the location whose price makes the sum.
void FillDetail(int good, int priced) {
    TForm2& form = *Form2;
    const int l = FleetLocation();
    const int32_t here = PriceAt(l, good);
    ShowSum(PriceAt(priced, good), TypedTradeAmount());
    const int legality = Legality(good, priced);
    form.Label19->caption = G().GoodNames[good].str() + LegalityMark(legality) + " / " +
                            std::to_string(here) + " $C" + " / " + std::to_string(G().Cargo[good]) +
                            "E";
    form.Label19->font.color = legality > 0 ? ui::colors::Red : ui::colors::Black;
    form.Label21->caption = "Last price you paid: $C " + FormatThousands(G().LastPricePaid[good]);
    int64_t amount = G().Cargo[good];
    if (form.RadioButton1->Checked() && here > 0) {
        amount = Captain()[Player::Money] / here;
        amount = std::min<int64_t>(amount, PlayerFleet()[Fleet::FreeCargo]);
    }
    form.SpinEdit1->SetText(std::to_string(amount));
}

// At war with the captain's faction, or the captain in bad standing there: only contraband.
bool RefusedAsHostile(int good) {
    const int owner = LocationRecord(G().SelectedPlanet)[Planet::Owner];
    const GameRecord& them = FactionRecord(owner);
    const int captainFaction = Captain()[Player::Faction];
    const bool atWar = captainFaction >= 1 && captainFaction <= FactionId::Pirates &&
                       them[Faction::RelationBase + captainFaction] == 2;
    const bool legal = Legality(good, G().SelectedPlanet) == 0;
    if ((atWar || them[Faction::Reputation] < 0) && legal) {
        ShowMessage1("This planet is hostile. Smuggling is possible, but " +
                     G().GoodNames[good].str() + " are legal here.");
        return true;
    }
    return false;
}

}  // namespace

int64_t TypedTradeAmount() {
    int32_t value = 0;
    return Form2 && WholeNumber(Form2->SpinEdit1->Text(), value) ? value : 0;
}

void FillTradeList() {
    if (!Form2) return;
    TForm2& form = *Form2;
    GameState& g = G();
    const int l = FleetLocation();
    HideMapPrices();
    form.SpeedButton7->caption = form.RadioButton1->Checked() ? "BUY" : "SELL";
    form.Label20->caption = "Your money: $C " + FormatThousands(Captain()[Player::Money]);
    form.Label18->caption =
        "Free Cargo Space: " + std::to_string(PlayerFleet()[Fleet::FreeCargo]) + " E";
    form.Label23->caption = "You are at: " + LocationName(l);
    form.ListBox1->Clear();
    const bool planet = IsPlanet(l);
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.Goods[good][Good::Defined] <= 0) continue;
        const std::string name = g.GoodNames[good].str() + LegalityMark(Legality(good, l));
        const std::string price = planet ? FormatThousands(PriceAt(l, good)) : "N/A";
        form.ListBox1->items.push_back(PadRight(name, 12) + " / " + PadLeft(price, 5) + " $C" +
                                       " / " + PadLeft(std::to_string(g.Cargo[good]), 3) + "E");
    }
    const int good = g.SelectedTradeGood;
    form.ListBox1->SetItemIndex(good < 1 ? 0 : good - 1);
    if (!ValidGood(good)) return;
    FillDetail(good, l);
    if (!planet) {
        form.Label5->caption = "Sum: N/A";
        form.SpinEdit1->SetText("0");
        ShowMapPrices(good);
    }
}

void ShowTradeGoodDetail() {
    if (!Form2) return;
    HideMapPrices();
    const int good = G().SelectedTradeGood;
    if (!ValidGood(good)) return;
    FillDetail(good, G().SelectedPlanet);
    ShowMapPrices(good);
}

void BuyGoods(int good, int64_t amount) {
    if (!ValidGood(good)) return;
    GameState& g = G();
    GameRecord& fleet = PlayerFleet();
    int32_t& money = Captain()[Player::Money];
    if (fleet[Fleet::FreeCargo] == 0) {
        ShowMessage1("You do not have any free cargo space!");
        return;
    }
    if (RefusedAsHostile(good) || amount <= 0) return;
    const int64_t price = PriceAt(g.SelectedPlanet, good);
    const int64_t cost = price * amount;
    if (cost > money) {
        ShowMessage1("You do not have enough money!");
        return;
    }
    if (amount > fleet[Fleet::FreeCargo]) {
        ShowMessage1("You do not have enough cargo space for this amount of goods!");
        return;
    }
    fleet[Fleet::FreeCargo] = SaturateInt32(fleet[Fleet::FreeCargo] - amount);
    money = SaturateInt32(money - cost);
    g.Cargo[good] = SaturateInt32(g.Cargo[good] + amount);
    g.LastPricePaid[good] = static_cast<int32_t>(price);
}

void SellGoods(int good, int64_t amount) {
    if (!ValidGood(good)) return;
    GameState& g = G();
    if (RefusedAsHostile(good) || amount <= 0) return;
    if (amount > g.Cargo[good]) {
        ShowMessage1("You do not have that many units of this kind of good!");
        return;
    }
    const int64_t value = static_cast<int64_t>(PriceAt(g.SelectedPlanet, good)) * amount;
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::FreeCargo] = SaturateInt32(fleet[Fleet::FreeCargo] + amount);
    int32_t& money = Captain()[Player::Money];
    money = SaturateInt32(money + value);
    g.Cargo[good] = SaturateInt32(g.Cargo[good] - amount);
    PlayReward1Sound();
    if (Message6) Message6->CheckBox1->checked = false;
    ShowFixedNotice("You sell some goods for $C " + FormatThousands(value), "Container.jpg");
    if (g.Cargo[good] < 1) g.LastPricePaid[good] = 0;
}

void TForm2::SpeedButton11Click() {
    PlayButtonSound();
    const int s = FleetSystem();
    const int owner = LocationRecord(FleetLocation())[Planet::Owner];
    if (!ValidSystem(s) || owner != G().StarSystems[s][StarSystem::Owner]) {
        ShowMessage1(
            "This planet is under siege. You should not show off your goods or they will be "
            "confiscated.");
        return;
    }
    TradeGroupBox->visible = Shape34->visible = Shape35->visible = true;
    G().SelectedTradeGood = 1;
    ListBox1->SetItemIndex(0);
    FillTradeList();
    ShowTradeGoodDetail();
}

void TForm2::SpeedButton10Click() {
    PlayButtonSound();
    TradeGroupBox->visible = Shape34->visible = Shape35->visible = false;
    G().SelectedTradeGood = 0;
    FillTradeList();
    ShowTradeGoodDetail();
    RefreshStatusPanel();
}

void TForm2::ListBox1Click() {
    PlayButtonSound();
    const int row = ListBox1->ItemIndex();
    // A click below the last row chooses no good: the chosen one stays.
    if (row < 0) {
        ListBox1->SetItemIndex(G().SelectedTradeGood - 1);
        return;
    }
    G().SelectedTradeGood = row + 1;
    ShowTradeGoodDetail();
}

void TForm2::RadioButton1Click() {
    PlayButtonSound();
    FillTradeList();
    ShowTradeGoodDetail();
}

void TForm2::RadioButton2Click() {
    RadioButton1Click();
}

void TForm2::SpeedButton7Click() {
    // The amount is read before the refresh below pre-fills the box with the most possible.
    const int64_t amount = TypedTradeAmount();
    GameState& g = G();
    g.SelectedPlanet = FleetLocation();
    RefreshPlanetPanel();
    PlayButtonSound();
    if (RadioButton1->Checked())
        BuyGoods(g.SelectedTradeGood, amount);
    else
        SellGoods(g.SelectedTradeGood, amount);
    g.SelectedPlanet = FleetLocation();
    RefreshPlanetPanel();
    FillTradeList();
    ShowTradeGoodDetail();
    RefreshStatusPanel();
}

void TForm2::SpeedButton9Click() {
    GameState& g = G();
    g.SelectedPlanet = FleetLocation();
    RefreshPlanetPanel();
    PlayButtonSound();
    for (int good = Good::First; good <= Good::Last; ++good)
        if (g.Cargo[good] > 0) SellGoods(good, g.Cargo[good]);
    FillTradeList();
    ShowTradeGoodDetail();
    RefreshStatusPanel();
}

// Both write the sum of the amount in the box at the selected location's price.
void TForm2::SpinEdit1Change() {
    int32_t value = 0;
    if (!WholeNumber(SpinEdit1->Text(), value)) SpinEdit1->SetText("0");
    ShowSum(PriceAt(G().SelectedPlanet, ListBox1->ItemIndex() + 1), TypedTradeAmount());
}

void TForm2::UpDown1Changing(bool up) {
    const int64_t amount = std::max<int64_t>(0, TypedTradeAmount() + (up ? 1 : -1));
    SpinEdit1->SetText(std::to_string(amount));
    ShowSum(PriceAt(G().SelectedPlanet, ListBox1->ItemIndex() + 1), amount);
}

}  // namespace corvanth
