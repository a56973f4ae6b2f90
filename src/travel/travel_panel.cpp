// The travel screen's refresh: header, status panel and the planet panel of the selection.
#include <algorithm>

#include "state/awardbars.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "travel/UEvents.h"
#include "travel/travel.h"
#include "travel/travel_parts.h"
#include "travel/travelscreen.h"

namespace corvanth {

namespace {

// "Type: " texts by economy; the planet panel calls type 5 a metropolis, the whole-screen refresh
// a capital. Other types have none.
const char* EconomyText(int economy, bool wholeScreen) {
    switch (economy) {
        case 1:
            return "Type: Agriculture";
        case 2:
            return "Type: Low-Tech";
        case 3:
            return "Type: High-Tech";
        case 4:
            return "Type: Entertainment";
        case 5:
            return wholeScreen ? "Type: Capital" : "Type: Metropolis";
        case 6:
            return "Type: Mine";
        case 7:
            return "Type: Starbase";
        case 8:
            return "Type: Bank Center";
        default:
            return nullptr;
    }
}

// The selected location's name, picture and economy. The fleet may float on a spot whose event
// was taken or has gone: an empty cell shows none of what stood there.
void ShowLocationHeading(int p, bool wholeScreen) {
    TForm2& form = *Form2;
    if (!LocationExists(p)) {
        form.Label4->caption = "";
        form.Image3->LoadPicture("");
        form.Label3->caption = "";
        return;
    }
    const GameRecord& L = LocationRecord(p);
    form.Label4->caption = LocationName(p);
    form.Image3->LoadPicture(GetPlanetPictureNameR(L[Planet::Picture]));
    if (const char* type = EconomyText(L[Planet::Economy], wholeScreen))
        form.Label3->caption = type;
}

}  // namespace

void RefreshStatusPanel() {
    GameState& g = G();
    const GameRecord& captain = Captain();
    const int f = captain[Player::Faction];
    Form2->Label6->caption = "Game Turn No.: " + std::to_string(g.TurnNumber);
    Form2->Label9->caption = "$C: " + FormatThousands(captain[Player::Money]);
    Form2->Image5->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
    Form2->Label8->caption = ShipClassName(g.CurrentFleet, g.CurrentShip) + " class";
    Form2->Image6->LoadPicture(ValidFaction(f) ? g.FactionPictures[f].str() : "");
    Form2->Image21->LoadPicture(GetHeroPictureName(g.CurrentPlayer) + "_sm2.jpg");
    ShowAwardBars(*Form2->ProgressBar2, *Form2->ProgressBar1);
    Form2->SpeedButton6->enabled = true;
}

void FillPlanetMemo() {
    GameState& g = G();
    const int s = FleetSystem(), f = FleetLocation(), p = g.SelectedPlanet;
    const int treasureSystem = Captain()[Player::TreasureFleetSystem];
    ui::Memo& memo = *Form2->Memo1;
    memo.Clear();
    memo.scrollBars = ui::ScrollBars::None;
    if (ValidSystem(s) && ValidLocation(p) && LocationExists(p))
        memo.lines.push_back(g.PlanetDescriptions[s][p].str());
    if (s == treasureSystem && f == 1) ShowTreasureFleetNotice();
    if (s == treasureSystem && p == 1)
        memo.lines.push_back("The treasure fleet is at this planet.");
    if (ValidSystem(s) && g.StarSystems[s][StarSystem::Alerted] == 1)
        memo.lines.push_back("This sector has been warned by your presence.");
    const int plundered = LocationRecord(f)[Planet::LastPlunderTurn];
    if (plundered > 0 && static_cast<int64_t>(g.TurnNumber) - plundered < 1000)
        memo.lines.push_back("You have recently plundered this planet.");
    memo.scrollBars = ui::ScrollBars::Vertical;
}

PlanetPanelButtons PlanetPanelButtonsFor(int p) {
    const GameRecord& L = LocationRecord(p);
    const int f = FleetLocation();
    const int kind = L[Planet::Kind], target = L[Planet::JumpTarget];
    PlanetPanelButtons b;
    b.actionCaption = nullptr;
    b.travel = p != f;
    b.action = p == f && L[Planet::Exists] > 0;
    b.info = kind == PlanetKind::Planet;
    if (kind == PlanetKind::Planet && p == f) {
        b.actionCaption = "Dock here";
        b.enableTrade = true;
    }
    b.tradeControls = LocationRecord(f)[Planet::Kind] == PlanetKind::Planet;
    if (kind == PlanetKind::JumpPoint && target > 0) b.actionCaption = "Jump";
    if ((kind == PlanetKind::JumpPoint || kind == PlanetKind::Special) && target == 0)
        b.actionCaption = "Investigate";
    b.raid = kind == PlanetKind::Planet && L[Planet::Owner] != Captain()[Player::Faction] && p == f;
    return b;
}

void RefreshPlanetPanel() {
    TForm2& form = *Form2;
    // A selected event site that has vanished leaves the panel to the fleet's own location.
    int& selected = G().SelectedPlanet;
    if (LocationRecord(selected)[Planet::Kind] == PlanetKind::Special && !LocationExists(selected))
        selected = FleetLocation();
    const int p = G().SelectedPlanet, f = FleetLocation();
    const GameRecord& L = LocationRecord(p);

    ShowLocationHeading(p, false);
    form.Label2->caption = LocationExists(p) ? "Faction: " + FactionName(L[Planet::Owner]) : "";
    if (LocationExists(p)) {
        const int kind = L[Planet::Kind], target = L[Planet::JumpTarget];
        if (kind == PlanetKind::JumpPoint)
            form.Label3->caption = target > 0 ? "Type: Jumppoint" : "Type: Unknown";
        if (kind == PlanetKind::Special && target == 0) form.Label3->caption = "Type: Navpoint";
    }

    form.Label10->font.color = ui::colors::Black;
    if (p == f) {
        form.Label10->caption = "You are in orbit.";
    } else {
        // The same rule as the trip itself, without the engine's failure roll.
        const TripDays trip = CalcTripDays(GridDistance(f, p));
        form.Label10->caption = "Expected arrival: " + std::to_string(trip.days) + " days.";
        if (trip.penalty) form.Label10->font.color = ui::colors::Red;
    }

    FillPlanetMemo();
    form.Image3->LoadPicture(LocationExists(p) ? GetPlanetPictureNameR(L[Planet::Picture]) : "");

    // A button whose screen is not aboard yet has no handler: it is not offered to the player.
    auto offer = [](ui::SpeedButton& button, bool on) { button.enabled = on && button.OnClick; };
    const PlanetPanelButtons b = PlanetPanelButtonsFor(p);
    offer(*form.SpeedButton5, b.travel);
    offer(*form.SpeedButton2, b.action);
    offer(*form.SpeedButton15, b.info);
    if (b.actionCaption) form.SpeedButton2->caption = b.actionCaption;
    if (b.enableTrade) form.SpeedButton11->enabled = true;
    form.SpeedButton7->enabled = b.tradeControls;
    form.SpeedButton9->enabled = b.tradeControls;
    form.RadioButton1->enabled = b.tradeControls;
    form.RadioButton2->enabled = b.tradeControls;
    form.SpinEdit1->enabled = b.tradeControls;
    form.UpDown1->enabled = b.tradeControls;
    offer(*form.SpeedButton1, b.raid);

    FillTradeList();
    ResetPlanetLabelColours();
    HighlightSelectedCell(p);
}

void RefreshTravelScreen() {
    TForm2& form = *Form2;
    const int s = FleetSystem();
    form.SpeedButton14->caption = "Options";
    form.Label1->caption = ValidSystem(s) ? G().SystemNames[s].str() : "";
    RefreshStatusPanel();
    form.Image5->LoadPicture(GetShipPictureName(PlayerShip()[Ship::Class]));
    RefreshPlanetPanel();
    // Read after the panel: a vanished site it was showing has given way to the fleet's spot.
    ShowLocationHeading(G().SelectedPlanet, true);
    FillPlanetMemo();
    DrawSystemMap();
}

}  // namespace corvanth
