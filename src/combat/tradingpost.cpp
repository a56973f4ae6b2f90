// The cargo transfer screen and its rule.
#include "combat/tradingpost.h"

#include <algorithm>
#include <numeric>

#include "state/UMessage1.h"
#include "state/saturate.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm7> Form7{"TForm7"};

namespace {

void FillHold(ui::ListBox* list, const decltype(GameState::Cargo)& hold) {
    list->Clear();
    for (int good = Good::First; good <= Good::Last; ++good)
        list->items.push_back(std::to_string(hold[good]) + "E of " + GoodName(good));
}

// The good of the list's selected row, 0 when no row is selected.
int SelectedGood(const ui::ListBox* list) {
    const int good = list->ItemIndex() + 1;
    return ValidGood(good) ? good : 0;
}

// A row chosen in one list: the other list's choice cleared, the good and its units shown, and
// that side's transfer button enabled when it has some.
void ShowSelection(TForm7& f, ui::ListBox* chosen, ui::ListBox* other, ui::SpeedButton* button,
                   const decltype(GameState::Cargo)& hold) {
    other->SetItemIndex(-1);
    f.SpeedButton1->enabled = false;
    f.SpeedButton2->enabled = false;
    const int good = SelectedGood(chosen);
    if (good == 0) return;
    f.Label3->caption = GoodName(good);
    f.SpinEdit1->SetValue(hold[good]);
    button->enabled = hold[good] >= 1;
}

}  // namespace

int CapturedFreeRoom() {
    const GameState& g = G();
    const int64_t held = std::accumulate(g.CapturedCargo.begin() + Good::First,
                                         g.CapturedCargo.begin() + Good::Last + 1, int64_t{0});
    return SaturateInt32(int64_t{EncounterEnemy()[Ship::CargoCapacity]} - held);
}

int TransferCargo(int good, int amount, bool toPlayer, bool& cut) {
    cut = false;
    if (!ValidGood(good)) return 0;
    GameState& g = G();
    int32_t& from = toPlayer ? g.CapturedCargo[good] : g.Cargo[good];
    int32_t& to = toPlayer ? g.Cargo[good] : g.CapturedCargo[good];
    GameRecord& fleet = PlayerFleet();
    int n = std::clamp(amount, 0, std::max(0, from));
    const int room = std::max(0, toPlayer ? fleet[Fleet::FreeCargo] : CapturedFreeRoom());
    if (n > room) {
        n = room;
        cut = true;
    }
    from -= n;
    to = SaturateInt32(int64_t{to} + n);
    fleet[Fleet::FreeCargo] = SaturateInt32(int64_t{fleet[Fleet::FreeCargo]} + (toPlayer ? -n : n));
    return n;
}

void RefreshCargoTransfer() {
    TForm7& f = *Form7;
    const GameState& g = G();
    FillHold(f.Listbox1, g.CapturedCargo);
    f.Label7->caption = "Free cargo space: " + std::to_string(PlayerFleet()[Fleet::FreeCargo]);
    FillHold(f.ListBox2, g.Cargo);
}

TForm7::TForm7() : ui::Form("TForm7") {
    Image2 = Bind<ui::Image>("Image2");
    Listbox1 = Bind<ui::ListBox>("Listbox1");
    ListBox2 = Bind<ui::ListBox>("ListBox2");
    Label3 = Bind<ui::Label>("Label3");
    SpinEdit1 = Bind<ui::SpinEdit>("SpinEdit1");
    Label7 = Bind<ui::Label>("Label7");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    Listbox1->OnClick = [this] { Listbox1Click(); };
    ListBox2->OnClick = [this] { ListBox2Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
}

void TForm7::Listbox1Click() {
    ShowSelection(*this, Listbox1, ListBox2, SpeedButton1, G().CapturedCargo);
}

void TForm7::ListBox2Click() {
    ShowSelection(*this, ListBox2, Listbox1, SpeedButton2, G().Cargo);
}

void TForm7::SpeedButton1Click() {
    const int good = SelectedGood(Listbox1);
    if (good == 0) return;
    bool cut = false;
    TransferCargo(good, SpinEdit1->Value(), true, cut);
    if (cut) ShowMessage1("You do not have that much cargo space.");
    RefreshCargoTransfer();
}

void TForm7::SpeedButton2Click() {
    const int good = SelectedGood(ListBox2);
    if (good == 0) return;
    bool cut = false;
    TransferCargo(good, SpinEdit1->Value(), false, cut);
    if (cut) ShowMessage1("Not enough cargo space at the captured enemy ship.");
    RefreshCargoTransfer();
}

void TForm7::SpeedButton3Click() {
    Close();
}

}  // namespace corvanth
