// The loot screen and its rules.
#include "combat/Loot.h"

#include <algorithm>

#include "combat/combat2_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/saturate.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "ui/application.h"

namespace corvanth {

ui::Screen<TForm51> Form51{"TForm51"};

namespace {

int LotAmount() {
    return G().LootItem[Loot::Amount];
}
int LotGood() {
    return G().LootItem[Loot::Good];
}
int FreeRoom() {
    return PlayerFleet()[Fleet::FreeCargo];
}

// "$C low-high": the prices at the lowest and highest supply levels.
std::string PriceBand(int good) {
    const GameRecord& rec = GoodRecord(good);
    return std::to_string(rec[Good::PriceAtLevelBase + 4]) + "-" +
           std::to_string(rec[Good::PriceAtLevelBase]);
}

bool HoldHasGoods() {
    const GameState& g = G();
    return std::any_of(g.Cargo.begin() + Good::First, g.Cargo.begin() + Good::Last + 1,
                       [](int32_t units) { return units > 0; });
}

void FillOwnGoods(TForm51& f) {
    const int row = f.ListBox1->ItemIndex();
    f.ListBox1->Clear();
    for (int good = Good::First; good <= Good::Last; ++good)
        f.ListBox1->items.push_back(GoodName(good) + ", $C: " + PriceBand(good) + ", " +
                                    std::to_string(G().Cargo[good]) + "E");
    f.ListBox1->SetItemIndex(row);
}

// The free room and the advice; the drop controls only while dropping can help.
void ShowRoom(TForm51& f) {
    f.Label5->caption = "Free cargo space: " + std::to_string(FreeRoom());
    bool mayDrop = false;
    if (FreeRoom() >= LotAmount()) {
        f.Label4->caption =
            "Luckily you got enough space in your cargo bay to loot the whole amount without "
            "needing to drop any goods.";
    } else if (!HoldHasGoods()) {
        f.Label4->caption =
            "Your cargo bay cannot hold all cargo and you do not have any old goods you could "
            "drop to free space.";
    } else {
        f.Label4->caption =
            "Unfortunately your cargo bay is full. You need to decide whether you wish to leave "
            "the loot behind or drop less valuable goods.";
        mayDrop = true;
    }
    f.ListBox1->enabled = mayDrop;
    f.SpeedButton1->enabled = mayDrop;
    f.SpeedButton2->enabled = mayDrop;
}

// The good of the selected row when the hold has some of it, else 0.
int SelectedOwnGood(const TForm51& f) {
    const int good = f.ListBox1->ItemIndex() + 1;
    return ValidGood(good) && G().Cargo[good] > 0 ? good : 0;
}

}  // namespace

int LootThatFits(int amount, int freeRoom) {
    return std::max(0, std::min(amount, freeRoom));
}

int TakeLoot() {
    const int good = LotGood();
    if (!ValidGood(good)) return 0;
    const int amount = LootThatFits(LotAmount(), FreeRoom());
    G().Cargo[good] = SaturateInt32(int64_t{G().Cargo[good]} + amount);
    GameState& g = G();
    RecalcShipStats(g.CurrentFleet, g.CurrentShip, 0, 0);
    return amount;
}

void DropCargo(int good, int units) {
    if (!ValidGood(good)) return;
    int32_t& held = G().Cargo[good];
    const int dropped = std::clamp(units, 0, std::max(0, held));
    held -= dropped;
    GameRecord& fleet = PlayerFleet();
    fleet[Fleet::FreeCargo] = SaturateInt32(int64_t{fleet[Fleet::FreeCargo]} + dropped);
}

TForm51::TForm51() : ui::Form("TForm51") {
    Image3 = Bind<ui::Image>("Image3");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    Panel5 = Bind<ui::Panel>("Panel5");
    Label6 = Bind<ui::Label>("Label6");
    Label7 = Bind<ui::Label>("Label7");
    Shape3 = Bind<ui::Shape>("Shape3");
    Shape4 = Bind<ui::Shape>("Shape4");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void TForm51::FormActivate() {
    // The radar stands still while the wreck is searched.
    if (ui::Form* combat = ui::App().FindForm("TForm14"))
        if (auto* radar = dynamic_cast<ui::Timer*>(combat->Find("Timer1")))
            radar->SetEnabled(false);
}

void TForm51::SpeedButton1Click() {
    PlayButtonSound();
    const int good = SelectedOwnGood(*this);
    if (good == 0) return;
    DropCargo(good, G().Cargo[good]);
    FillOwnGoods(*this);
    ShowRoom(*this);
}

void TForm51::SpeedButton2Click() {
    PlayButtonSound();
    const int good = SelectedOwnGood(*this);
    if (good == 0) return;
    DropCargo(good, 1);
    FillOwnGoods(*this);
    ShowRoom(*this);
}

void TForm51::SpeedButton3Click() {
    PlayButtonSound();
    const int good = LotGood();
    const int amount = TakeLoot();
    if (amount < 1) {
        ShowMessage1("Your cargo bay is full so you need to leave the found goods behind.");
    } else {
        ShowFixedNotice("You loot " + std::to_string(amount) + "E of " + GoodName(good) + ".",
                        "container.jpg");
    }
    Close();
}

void TForm51::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

void ShowLoot() {
    TForm51& f = *Form51;
    const int good = LotGood();
    f.Label3->caption =
        std::to_string(LotAmount()) + "E of " + GoodName(good) + " ($C " + PriceBand(good) + ")";
    f.ListBox1->Clear();
    FillOwnGoods(f);
    ShowRoom(f);
    const int ruler = StarSystemRecord(FleetSystem())[StarSystem::Owner];
    const bool illegal =
        PlayableFaction(ruler) && GoodRecord(good)[Good::LegalityBase + ruler] >= 1;
    f.Panel5->visible = illegal;
    f.Shape3->visible = illegal;
    f.Shape4->visible = illegal;
}

void SetLootHeadings(const std::string& headline, const std::string& leadIn) {
    Form51->Label1->caption = headline;
    Form51->Label2->caption = leadIn;
}

void OfferLootItem(const std::string& headline, const std::string& leadIn) {
    SetLootHeadings(headline, leadIn);
    ShowLoot();
    Form51->ShowModal();
}

}  // namespace corvanth
