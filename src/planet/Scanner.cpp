// The ship scanner: every scan copies its ship into the template and shows the template.
#include "planet/Scanner.h"

#include "planet/BuyShips.h"
#include "planet/CrewScanner.h"
#include "state/Module1.h"
#include "state/Sound.h"
#include "state/pictures.h"
#include "state/shipstats.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm6> Form6{"TForm6"};

namespace {

// Table A; table B shows "gun4.jpg" for kind 19.
std::string KindPicture(int kind, bool upgrade) {
    switch (kind) {
        case 1:
            return "gun.jpg";
        case 2:
        case 14:
        case 15:
        case 16:
            return "torpedo.jpg";
        case 3:
        case 22:
            return "ecm.jpg";
        case 4:
        case 18:
            return "gun2.jpg";
        case 5:
        case 8:
            return "container.jpg";
        case 6:
            return "hiddencargo.jpg";
        case 7:
            return "ship1.jpg";
        case 9:
            return "engines.jpg";
        case 10:
            return "jumpengines.jpg";
        case 11:
            return "gun3.jpg";
        case 12:
            return "shuttle.jpg";
        case 13:
            return "misc.jpg";
        case 17:
            return "targetingsystem.jpg";
        case 19:
            return upgrade ? "gun4.jpg" : "gun.jpg";
        case 20:
            return "shieldgen.jpg";
        case 21:
            return "gun4.jpg";
        case 23:
            return "exp1_particle.jpg";
        case 24:
            return "exp1_quantum.jpg";
        case 25:
            return "exp1_mine.jpg";
        case 26:
            return "exp1_supermine.jpg";
        case 27:
            return "exp1_armor.jpg";
        default:
            return "";
    }
}

void ShowPicture(ui::Image* image, const std::string& picture) {
    if (!picture.empty()) image->LoadPicture(picture);
}

int SlotItem(int slot) {
    return SlotRecord(kTemplateFleet, kTemplateShip, slot)[Slot::EquipmentId];
}

// The template's equipment into the list; row 0 selected.
void FillEquipmentList() {
    TForm6& form = *Form6;
    form.rowSlots = ListUsedSlots(kTemplateFleet, kTemplateShip);
    form.ListBox1->Clear();
    for (int slot : form.rowSlots) form.ListBox1->items.push_back(EquipmentName(SlotItem(slot)));
    form.ListBox1->SetItemIndex(0);
}

// The first listed item: slot 1 while the slots are packed.
int FirstListedSlot() {
    return Form6->rowSlots.empty() ? Slot::First : Form6->rowSlots.front();
}

// A ship of a fleet into the template, with its present damage.
void CopyIntoTemplate(int fleet, int ship) {
    GameState& g = G();
    if (!ValidShip(fleet, ship)) return;
    g.ShipClassNames[kTemplateFleet][kTemplateShip] = g.ShipClassNames[fleet][ship];
    g.Ships[kTemplateFleet][kTemplateShip] = g.Ships[fleet][ship];
    for (int slot = Slot::First; slot <= Slot::Last; ++slot)
        g.ShipEquipment[kTemplateFleet][kTemplateShip][slot] = g.ShipEquipment[fleet][ship][slot];
    g.ShipDescriptions[kTemplateFleet][kTemplateShip] = g.ShipDescriptions[fleet][ship];
    GameRecord& t = ShipClassTemplate();
    const int32_t strength = t[Ship::Strength];
    RecalcShipStats(kTemplateFleet, kTemplateShip, 0, 0);
    t[Ship::Strength] = strength;
}

void ShowCrewButton(bool visible) {
    Form6->Panel2->visible = Form6->Shape15->visible = Form6->Shape16->visible = visible;
}

}  // namespace

std::string InstalledItemPicture(int kind) {
    return KindPicture(kind, false);
}
std::string UpgradePicture(int kind) {
    return KindPicture(kind, true);
}

std::vector<int> ListUsedSlots(int fleet, int ship) {
    std::vector<int> slots;
    for (int slot = Slot::First; slot <= Slot::Last; ++slot) {
        GameRecord& s = SlotRecord(fleet, ship, slot);
        if (s[Slot::Used] <= 0) continue;
        slots.push_back(slot);
        s[Slot::ListPosition] = static_cast<int32_t>(slots.size());
    }
    return slots;
}

TForm6::TForm6() : ui::Form("TForm6") {
    Image3 = Bind<ui::Image>("Image3");
    Label2 = Bind<ui::Label>("Label2");
    Image1 = Bind<ui::Image>("Image1");
    Memo1 = Bind<ui::Memo>("Memo1");
    Label6 = Bind<ui::Label>("Label6");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    Image2 = Bind<ui::Image>("Image2");
    Memo2 = Bind<ui::Memo>("Memo2");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    Panel2 = Bind<ui::Panel>("Panel2");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    Shape15 = Bind<ui::Shape>("Shape15");
    Shape16 = Bind<ui::Shape>("Shape16");
    ListBox1->OnClick = [this] { ListBox1Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
}

bool TForm6::CloseQuery() {
    PlayButtonSound();
    return true;
}

void TForm6::ListBox1Click() {
    PlayButtonSound();
    const int row = ListBox1->ItemIndex();
    if (row < 0 || row >= static_cast<int>(rowSlots.size())) return;
    const int slot = rowSlots[row];
    ShowEquipmentItem(slot);
    const int id = SlotItem(slot);
    const int kind = EquipmentType(id)[Equipment::Kind];
    Memo2->Clear();
    Memo2->lines = {G().EquipmentDescriptions[ValidEquipment(id) ? id : 0].str(),
                    std::to_string(slot), std::to_string(kind)};
    ShowPicture(Image2, kind == EquipmentKind::BoardingShuttle ? "container.jpg"
                                                               : InstalledItemPicture(kind));
}

void TForm6::SpeedButton1Click() {
    PlayButtonSound();
    Form52->ShowModal();
}

void TForm6::SpeedButton6Click() {
    PlayButtonSound();
    Hide();
}

void ShowShipClassScan(int shipType) {
    LoadShipType(shipType);
    FillEquipmentList();
    ShowCrewButton(false);
    ShowShipData();
    ShowEquipmentItem(FirstListedSlot());
    ShowOwnCrewScan();
}

void ShowOwnShipScan(int fleet, int ship) {
    CopyIntoTemplate(fleet, ship);
    FillEquipmentList();
    ShowShipData();
    ShowEquipmentItem(FirstListedSlot());
    const GameRecord& own = PlayerShip();
    int crew = 0;
    for (int k = CrewKind::First; k <= CrewKind::Last; ++k) crew += own[Ship::CrewBase + k];
    ShowCrewButton(crew >= 1);
    ShowOwnCrewScan();
}

void ShowEnemyShipScan(int fleet, int ship) {
    CopyIntoTemplate(fleet, ship);
    FillEquipmentList();
    ShowShipData();
    ShowEquipmentItem(FirstListedSlot());
    ShowEnemyCrewScan();
}

void ShowShipData() {
    TForm6& form = *Form6;
    const GameRecord& t = ShipClassTemplate();
    form.Label2->caption = ShipClassName(kTemplateFleet, kTemplateShip) + " class";
    form.Image1->LoadPicture(GetShipPictureName(t[Ship::Class]));
    form.Memo1->Clear();
    form.Memo1->SetText(G().ShipDescriptions[kTemplateFleet][kTemplateShip].str());
    form.Memo1->scrollBars = ui::ScrollBars::Vertical;
    if (const char* size = ShipSizeClassName(t[Ship::SizeClass])) form.Label6->caption = size;
    form.Label3->caption = "Shields: " + std::to_string(t[Ship::Strength]) + "/" +
                           std::to_string(t[Ship::MaxStrength]);
    form.Label4->caption = "Speed: " + std::to_string(t[Ship::Speed]);
    form.Label5->caption = "Crew: " + std::to_string(t[Ship::CrewMin]) + " / " +
                           std::to_string(t[Ship::CrewMax]) + " (Min / Max)";
    ShowOwnCrewScan();
}

void ShowEquipmentItem(int slot) {
    const int id = SlotItem(slot);
    Form6->Memo2->Clear();
    Form6->Memo2->SetText(G().EquipmentDescriptions[ValidEquipment(id) ? id : 0].str());
    Form6->Memo2->scrollBars = ui::ScrollBars::Vertical;
    ShowPicture(Form6->Image2, InstalledItemPicture(EquipmentType(id)[Equipment::Kind]));
}

}  // namespace corvanth
