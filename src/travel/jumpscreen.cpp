// The star map: the galaxy's systems by owner, their price ranges and the mission's targets.
#include "travel/jumpscreen.h"

#include <algorithm>
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"

namespace corvanth {

ui::Screen<TForm12> Form12{"TForm12"};

namespace {

int OwnerOf(int s) {
    return StarSystemRecord(s)[StarSystem::Owner];
}

// The owner's colour; a system of nobody the game knows is neutral grey.
ui::Color OwnerColour(int s) {
    switch (OwnerOf(s)) {
        case FactionId::Federation:
            return kFederationBlue;
        case FactionId::OuterRimAlliance:
            return ui::colors::White;
        case FactionId::Syndicate:
            return ui::colors::Red;
        case FactionId::Coalition:
            return ui::colors::Yellow;
        default:
            return ui::colors::Gray;
    }
}

// The selected system's name, owner, logo and description.
void ShowSystemInfo(int s) {
    TForm12& form = *Form12;
    const GameState& g = G();
    const int owner = OwnerOf(s);
    form.Label3->caption = SystemName(s);
    form.Label4->caption = FactionName(owner);
    form.Image2->LoadPicture(ValidFaction(owner) ? g.FactionPictures[owner].str() : "");
    form.Memo1->Clear();
    form.Memo1->scrollBars = ui::ScrollBars::None;
    if (ValidSystem(s)) form.Memo1->lines.push_back(g.SystemDescriptions[s].str());
    form.Memo1->scrollBars = ui::ScrollBars::Vertical;
}

// A name or price plate just wide enough for its text, centred where the layout put it: the jump
// lanes stay in sight right up to the letters.
void FitPlate(ui::Label& plate) {
    constexpr int kPad = 3;
    const int centre = plate.left + plate.width / 2;
    plate.width = ui::TextWidth(plate.caption, plate.font) + 2 * kPad;
    plate.left = centre - plate.width / 2;
}

void HidePriceLabels() {
    for (StarmapSystem& system : Form12->systems) system.prices->visible = false;
}

void HideTradeBox() {
    TForm12& form = *Form12;
    HidePriceLabels();
    form.TradeGroupBox->visible = form.Shape24->visible = form.Shape25->visible = false;
}

void CloseStarmapMissionBox() {
    TForm12& form = *Form12;
    form.Timer1->SetEnabled(false);
    form.MissionBox1->visible = false;
    G().MissionBlinkOn = 1;
    BlinkMissionTargets();
    form.Shape26->visible = form.Shape27->visible = false;
    // The travel screen's own box may still be open below the map: its markers stay then.
    if (!Form2->MissionBox1->visible) {
        Form2->Timer1->SetEnabled(false);
        HideMissionMarkers();
    }
}

// Leaving the map: both boxes closed. The travel screen's open trade box shows the good chosen
// on the map; a closed one (or an open one when the map leaves no good) gets back what it had,
// or its map would show prices for a box nobody opened.
void LeaveStarmap() {
    HideTradeBox();
    ShowStarmapTradeBox();
    const bool tradeBoxOpen = Form2->TradeGroupBox->visible;
    if (!tradeBoxOpen || G().SelectedTradeGood < 1) G().SelectedTradeGood = Form12->travelTradeGood;
    FillTradeList();
    ShowTradeGoodDetail();
}

}  // namespace

PriceRange SystemPriceRange(int s, int good, int32_t none) {
    PriceRange range{none, 0};
    if (!ValidSystem(s) || !ValidGood(good)) return range;
    const GameState& g = G();
    for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l) {
        const GameRecord& p = g.Planets[s][l];
        if (p[Planet::Exists] < 1 || p[Planet::Kind] != PlanetKind::Planet) continue;
        const int32_t price = g.Markets[s][l][good][Market::Price];
        range.low = std::min(range.low, price);
        range.high = std::max(range.high, price);
    }
    return range;
}

void ColorStarmapSectors() {
    const GameState& g = G();
    for (int s = StarSystem::First; s <= kStarmapSystems; ++s) {
        if (g.StarSystems[s][StarSystem::Exists] <= 0) continue;
        ui::Color colour = OwnerColour(s);
        if (s == GalaxyMapCurrentSystem) colour = ui::colors::Olive;
        if (s == GalaxyMapSystem) colour = ui::colors::Green;
        Form12->System(s).name->font.color = colour;
    }
}

void SelectStarmapSector(int s) {
    PlayButtonSound();
    GalaxyMapSystem = s;
    ShowSystemInfo(s);
    ColorStarmapSectors();
    ShowStarmapTradeBox();
}

void ShowStarmapTradeBox() {
    TForm12& form = *Form12;
    const GameState& g = G();
    const int s = GalaxyMapSystem;
    form.Label20->caption = "Your money: $C " + FormatThousands(Captain()[Player::Money]);
    form.Label18->caption =
        "Free Cargo Space: " + std::to_string(PlayerFleet()[Fleet::FreeCargo]) + " E";
    form.Label23->caption = SystemName(s);
    form.ListBox1->Clear();
    for (int good = Good::First; good <= Good::Last; ++good) {
        if (g.Goods[good][Good::Defined] <= 0) continue;
        const PriceRange range = SystemPriceRange(s, good, 1000000);
        form.ListBox1->items.push_back(GoodName(good) + " / " + std::to_string(range.low) + " $C " +
                                       " to " + std::to_string(range.high) + " $C" + " / " +
                                       std::to_string(g.Cargo[good]) + "E");
    }
    const int selected = g.SelectedTradeGood;
    form.ListBox1->SetItemIndex(selected < 1 ? 0 : selected - 1);
}

void ShowStarmapPriceRanges() {
    HidePriceLabels();
    const int good = G().SelectedTradeGood;
    for (int s = StarSystem::First; s <= kStarmapSystems; ++s) {
        PriceRange range = SystemPriceRange(s, good, 100000);
        if (range.low == 100000) range.low = 0;
        ui::Label& label = *Form12->System(s).prices;
        label.caption = std::to_string(range.low) + " - " + std::to_string(range.high);
        FitPlate(label);
        label.visible = true;
    }
}

void ShowStarmapMissionBox() {
    FillMissionLabels(Form12->missionLabels);
}

void BlinkMissionTargets() {
    GameState& g = G();
    const GameRecord& m = CaptainMission();
    if (m[Mission::Scope] != 2) return;
    g.MissionBlinkOn = g.MissionBlinkOn == 1 ? 0 : 1;
    const int kind = m[Mission::Kind];
    const bool single = kind == MissionKind::Defend || kind == MissionKind::Ambush ||
                        kind == MissionKind::RaidPlanet;
    for (int n = 1; n <= (single ? 1 : 4); ++n) {
        const int target = kind == MissionKind::RaidPlanet ? m[Mission::TargetSystem]
                                                           : m[Mission::ObjectiveBase + n];
        if (target < 1 || target > kStarmapSystems) continue;
        Form12->System(target).name->font.color =
            g.MissionBlinkOn == 1 ? ui::colors::Green : OwnerColour(target);
    }
}

void StarmapNoOp() {}

void OpenStarmap() {
    const int s = FleetSystem();
    GalaxyMapCurrentSystem = s;
    GalaxyMapSystem = s;
    Form12->travelTradeGood = G().SelectedTradeGood;
    for (StarmapSystem& system : Form12->systems) FitPlate(*system.name);
    ShowSystemInfo(s);
    ColorStarmapSectors();
    StarmapNoOp();
    Form12->ShowModal();
}

TForm12::TForm12() : ui::Form("TForm12") {
    for (int s = 1; s <= kStarmapSystems; ++s) {
        // Built by appending: GCC 12's release build takes "S" + number for an overlapping copy.
        std::string n = "S";
        n += std::to_string(s);
        StarmapSystem& system = System(s);
        system.picture = Bind<ui::Image>(n);
        system.name = Bind<ui::Label>(n + "_Text");
        system.prices = Bind<ui::Label>(n + "_Prices");
        system.picture->OnClick = [this, s] { SystemClick(s); };
        if (s >= 23) system.name->OnClick = system.picture->OnClick;
    }
    Image3 = Bind<ui::Image>("Image3");
    Image3->OnClick = [this] { SystemClick(16); };
    Image2 = Bind<ui::Image>("Image2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Memo1 = Bind<ui::Memo>("Memo1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");

    TradeGroupBox = Bind<ui::GroupBox>("TradeGroupBox");
    Shape24 = Bind<ui::Shape>("Shape24");
    Shape25 = Bind<ui::Shape>("Shape25");
    Label20 = Bind<ui::Label>("Label20");
    Label23 = Bind<ui::Label>("Label23");
    Label18 = Bind<ui::Label>("Label18");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    SpeedButton10 = Bind<ui::SpeedButton>("SpeedButton10");

    MissionBox1 = Bind<ui::Panel>("MissionBox1");
    Shape26 = Bind<ui::Shape>("Shape26");
    Shape27 = Bind<ui::Shape>("Shape27");
    Bind<ui::Label>("Label24");
    missionLabels = BindMissionBoxLabels(*this);
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    Timer1 = Bind<ui::Timer>("Timer1");

    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    ListBox1->OnClick = [this] { ListBox1Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm12::SystemClick(int s) {
    SelectStarmapSector(s);
}

void TForm12::SpeedButton3Click() {
    PlayButtonSound();
    TradeGroupBox->visible = Shape24->visible = Shape25->visible = true;
    G().SelectedTradeGood = 1;
    ListBox1->SetItemIndex(0);
    ShowStarmapTradeBox();
    ShowStarmapPriceRanges();
}

void TForm12::ListBox1Click() {
    PlayButtonSound();
    // A click below the last row chooses no good: the chosen one stays.
    const int row = ListBox1->ItemIndex();
    if (row >= 0) G().SelectedTradeGood = row + 1;
    ListBox1->SetItemIndex(G().SelectedTradeGood - 1);
    ShowStarmapPriceRanges();
}

void TForm12::SpeedButton10Click() {
    PlayButtonSound();
    HideTradeBox();
    G().SelectedTradeGood = 0;
    ShowStarmapTradeBox();
}

void TForm12::SpeedButton4Click() {
    PlayButtonSound();
    if (CaptainMission()[Mission::Status] == 0) {
        ShowMessage1("You do not have a mission yet.");
        return;
    }
    ShowStarmapMissionBox();
    Timer1->SetEnabled(true);
    G().MissionBlinkOn = 0;
    BlinkMissionTargets();
    MissionBox1->visible = Shape26->visible = Shape27->visible = true;
}

void TForm12::SpeedButton8Click() {
    PlayButtonSound();
    CloseStarmapMissionBox();
}

void TForm12::Timer1Timer() {
    BlinkMissionTargets();
}

void TForm12::SpeedButton2Click() {
    SpeedButton8Click();
    PlayButtonSound();
    LeaveStarmap();
    Hide();
}

// The window's close box leaves the map as "Back" does, without the clicks.
bool TForm12::CloseQuery() {
    CloseStarmapMissionBox();
    LeaveStarmap();
    return true;
}

}  // namespace corvanth
