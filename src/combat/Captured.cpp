// The captured ship: the offers, the one search of its hold, and the two deals. Its buttons
// make no click sound.
#include "combat/Captured.h"

#include "combat/Loot.h"
#include "combat/combat2.h"
#include "planet/Scanner.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/shipstats.h"
#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth {

ui::Screen<TForm32> Form32{"TForm32"};

void PayCaptain(int64_t amount) {
    int32_t& money = Captain()[Player::Money];
    money = AfterGain(money, amount);
    GameUpcalls().RefreshStatusPanel();
}

bool TakeFirstCapturedGood() {
    GameState& g = G();
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.CapturedCargo[good] <= 0) continue;
        g.LootItem[Loot::Amount] = g.CapturedCargo[good];
        g.LootItem[Loot::Good] = good;
        g.CapturedCargo[good] = 0;
        return true;
    }
    return false;
}

void OfferLootUnderLastHeadings() {
    const std::string headline = Form51->Label1->caption;
    const std::string leadIn = Form51->Label2->caption;
    GameUpcalls().ShowLoot(headline, leadIn);
}

int64_t ShipValue(int fleet, int ship) {
    int64_t value = ShipRecord(fleet, ship)[Ship::HullPrice];
    for (int s = Slot::First; s <= Slot::Last; ++s) {
        const GameRecord& slot = SlotRecord(fleet, ship, s);
        if (slot[Slot::Used] > 0) value += EquipmentType(slot[Slot::EquipmentId])[Equipment::Price];
    }
    return value;
}

TForm32::TForm32() : ui::Form("TForm32") {
    Image3 = Bind<ui::Image>("Image3");
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Label5 = Bind<ui::Label>("Label5");
    Label6 = Bind<ui::Label>("Label6");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
}

bool TForm32::CloseQuery() {
    return decided;
}

void ShowCaptureOffer() {
    TForm32& f = *Form32;
    GameState& g = G();
    f.decided = false;
    f.SpeedButton2->enabled = true;
    f.Image1->LoadPicture(GetShipPictureName(CombatOwnShip()[Ship::Class]));
    f.Image2->LoadPicture(GetShipPictureName(EncounterEnemy()[Ship::Class]));
    f.Label5->caption = "$C: " + FormatThousands(ShipValue(g.CurrentFleet, 1) / 4);
    f.Label6->caption = "$C: " + FormatThousands(ShipValue(0, 1) / 4);
}

// One search per capture, one good at most; what is left in the hold is lost.
void TForm32::SpeedButton2Click() {
    GameState& g = G();
    // The headings are the search's even when the hold is empty: a later offer under the last
    // headings must not show an older loot's.
    static const std::string kHeadline = "You plunder the ship...";
    static const std::string kLeadIn = "Quickly searching the abandoned ship you find:";
    SetLootHeadings(kHeadline, kLeadIn);
    if (TakeFirstCapturedGood()) {
        GameUpcalls().ShowLoot(kHeadline, kLeadIn);
        for (int n = Good::First; n <= Good::Last; ++n) g.CapturedCargo[n] = 0;
    } else {
        ShowMessage1("The cargo bays are empty!");
    }
    SpeedButton2->enabled = false;
}

void TForm32::SpeedButton4Click() {
    ShowOwnShipScan(1, 1);
    Form6->ShowModal();
}

void TForm32::SpeedButton1Click() {
    ShowEnemyShipScan(0, 1);
    Form6->ShowModal();
}

void KeepOwnShip() {
    PayCaptain(ShipValue(0, 1) / 4);
}

void TakeCapturedShip() {
    GameState& g = G();
    PayCaptain(ShipValue(g.CurrentFleet, 1) / 4);
    g.ShipClassNames[g.CurrentFleet][1] = g.ShipClassNames[0][1];
    GameRecord& own = FirstOwnShip();
    GameRecord& saved = ShipClassTemplate();
    for (int f = kFirstField; f <= kLastField; ++f) saved[f] = own[f];
    const GameRecord& enemy = EncounterEnemy();
    for (int f = kFirstField; f <= kLastField; ++f) own[f] = enemy[f];
    own[Ship::Present] = 1;
    // The crew moves over with the captain.
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) {
        own[Ship::CrewBase + k] = saved[Ship::CrewBase + k];
        own[Ship::BoardingSquadBase + k] = saved[Ship::BoardingSquadBase + k];
    }
    for (int s = Slot::First; s <= Slot::Last; ++s)
        for (int f = kFirstField; f <= kLastField; ++f)
            g.ShipEquipment[g.CurrentFleet][1][s][f] = g.ShipEquipment[0][1][s][f];
    g.ShipDescriptions[g.CurrentFleet][1] = g.ShipDescriptions[0][1];
    RecalcShipStats(g.CurrentFleet, 1, 0, 0);
}

void TForm32::SpeedButton3Click() {
    KeepOwnShip();
    decided = true;
    Close();
}

void TForm32::SpeedButton5Click() {
    TakeCapturedShip();
    decided = true;
    Close();
}

}  // namespace corvanth
