// Travel screen's mission box: SpeedButton6 ("Mission"), SpeedButton8 ("Close"), Timer1 (blinking).
// What the captain's mission asks, and its objectives blinking on the system map.
#include <string>

#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

namespace {

const char* const kKindNames[] = {"Search + Destroy", "Transport",  "Intelligence", "Bounty hunt",
                                  "Patrol",           "Escort",     "Defend",       "Ambush",
                                  "Raid planet",      "Goods Data", "Smuggling",    "Scavenge"};
const char* const kResistance[] = {"Resistance: Very Light", "Resistance: Light",
                                   "Resistance: Medium", "Resistance: Strong",
                                   "Resistance: Very strong"};

std::string CargoText(const GameRecord& m, const char* goods, const char* people) {
    const std::string amount = std::to_string(m[Mission::Amount]);
    if (m[Mission::LoadType] == 1) return "Cargo: " + amount + goods;
    if (m[Mission::LoadType] == 2) return "Cargo: " + amount + people;
    return "";
}

std::string ResistanceOrCargo(const GameRecord& m) {
    const int kind = m[Mission::Kind], difficulty = m[Mission::Difficulty];
    switch (kind) {
        case MissionKind::Intelligence:
            return "Resistance: Unknown";
        case MissionKind::Transport:
            return CargoText(m, "E of goods", " passengers");
        case MissionKind::Smuggling:
            return CargoText(m, "E of contraband", " criminals");
        case MissionKind::GoodsData:
        case MissionKind::Scavenge:
            return "";
        default:
            return difficulty >= 1 && difficulty <= 5 ? kResistance[difficulty - 1] : "";
    }
}

// The objective lines a mission writes; an empty text hides its line.
std::array<std::string, 4> ObjectiveLines(const GameRecord& m) {
    std::array<std::string, 4> lines;
    const int kind = m[Mission::Kind], scope = m[Mission::Scope], target = m[Mission::TargetSystem];
    auto objective = [&](int n) { return m[Mission::ObjectiveBase + n]; };
    auto named = [&](int n) {
        const std::string name =
            scope == 1 ? LocationName(target, objective(n)) : SystemName(objective(n));
        return "Objective " + std::to_string(n) + ": " + name;
    };
    switch (kind) {
        case MissionKind::Bounty:
            lines[0] = "Last seen at: " + SystemName(objective(1));
            return lines;
        case MissionKind::RaidPlanet:
            lines[0] = "Sector: " + SystemName(target);
            lines[1] = "Planet: " + LocationName(target, objective(1));
            return lines;
        case MissionKind::GoodsData:
            lines[0] =
                "Planets left to check: " + std::to_string(GameUpcalls().PlanetsLeftToRecord());
            return lines;
        case MissionKind::Scavenge:
            lines[0] = "Objective 1: " + SystemName(objective(1));
            return lines;
        default:
            break;
    }
    if (scope != 1 && scope != 2) return lines;
    int count = 4;
    if (kind == MissionKind::Transport || kind == MissionKind::Escort ||
        kind == MissionKind::Smuggling)
        count = 2;
    if (kind == MissionKind::Defend || kind == MissionKind::Ambush) count = 1;
    for (int n = 1; n <= count; ++n) lines[n - 1] = named(n);
    if (kind == MissionKind::Defend) lines[1] = "Timeframe: " + std::to_string(objective(2));
    return lines;
}

void SetLabelColour(MapCell& cell, ui::Color colour) {
    cell.name->font.color = colour;
    cell.price->font.color = colour;
}

}  // namespace

MissionBoxLabels BindMissionBoxLabels(ui::Form& form) {
    MissionBoxLabels box;
    box.kind = form.Bind<ui::Label>("Label25");
    box.cargo = form.Bind<ui::Label>("Label26");
    box.reward = form.Bind<ui::Label>("Label27");
    for (int n = 0; n < 4; ++n)
        box.objectives[n] = form.Bind<ui::Label>("Label" + std::to_string(28 + n));
    box.client = form.Bind<ui::Label>("Label32");
    return box;
}

void FillMissionLabels(const MissionBoxLabels& box) {
    const GameRecord& m = CaptainMission();
    const int kind = m[Mission::Kind];
    if (kind < MissionKind::SearchAndDestroy || kind > MissionKind::Scavenge) return;
    const int client = m[Mission::Client];
    box.kind->caption = kKindNames[kind - 1];
    box.client->caption = "Client: " + FactionName(client);
    box.cargo->caption = ResistanceOrCargo(m);
    const std::array<std::string, 4> lines = ObjectiveLines(m);
    for (int n = 0; n < 4; ++n) {
        box.objectives[n]->caption = lines[n];
        box.objectives[n]->visible = !lines[n].empty();
    }
    box.reward->caption = "Reward: " + FormatThousands(m[Mission::Reward]);
}

void FillMissionBox() {
    FillMissionLabels(Form2->missionLabels);
}

void HideMissionMarkers() {
    for (MapCell& cell : Form2->cells) cell.marker->visible = false;
}

void DrawMissionMarkers() {
    HideMissionMarkers();
    GameState& g = G();
    const GameRecord& m = CaptainMission();
    const int kind = m[Mission::Kind];
    if (m[Mission::TargetSystem] != FleetSystem()) return;
    if (m[Mission::Scope] != 1 && kind != MissionKind::RaidPlanet) return;
    ui::Color colour = ui::ColorFromValue(32768);
    if (g.MissionBlinkOn == 1) {
        colour = ui::colors::White;
        g.MissionBlinkOn = 0;
    } else {
        g.MissionBlinkOn = 1;
    }
    const bool single = kind == MissionKind::Defend || kind == MissionKind::RaidPlanet;
    for (int n = 1; n <= (single ? 1 : 4); ++n) {
        const GameRecord& p = LocationRecord(m[Mission::ObjectiveBase + n]);
        const int row = p[Planet::MapRow], column = p[Planet::MapColumn];
        if (row < 1 || row > kMapRows || column < 1 || column > kMapColumns) continue;
        MapCell& cell = Form2->Cell(row, column);
        SetLabelColour(cell, colour);
        cell.marker->visible = true;
    }
}

void CloseMissionBox() {
    TForm2& form = *Form2;
    form.Timer1->SetEnabled(false);
    G().MissionBlinkOn = 1;
    DrawMissionMarkers();
    HideMissionMarkers();
    form.MissionBox1->visible = form.Shape36->visible = form.Shape37->visible = false;
}

MissionButtonAction MissionButtonActionNow() {
    if (CaptainMission()[Mission::Status] != 0) return MissionButtonAction::MissionBox;
    const GameRecord& here = FleetLocationRecord();
    if (here[Planet::Owner] == Captain()[Player::Faction] &&
        here[Planet::Kind] == PlanetKind::Planet)
        return MissionButtonAction::Governor;
    return MissionButtonAction::NoMissionMessage;
}

void TForm2::SpeedButton6Click() {
    if (TutorialStep == 27) AdvanceTutorialStep27();
    PlayButtonSound();
    switch (MissionButtonActionNow()) {
        case MissionButtonAction::Governor:
            GameUpcalls().ShowGovernorScreen();
            return;
        case MissionButtonAction::NoMissionMessage:
            ShowMessage1(
                "You do not have a mission yet. Visit a governor at a friendly planet to get one.");
            return;
        case MissionButtonAction::MissionBox:
            break;
    }
    FillMissionBox();
    MissionBox1->visible = Shape36->visible = Shape37->visible = true;
    G().MissionBlinkOn = 0;
    DrawMissionMarkers();
    Timer1->SetEnabled(true);
}

void TForm2::SpeedButton8Click() {
    PlayButtonSound();
    PlayButtonSoundAgain();
    CloseMissionBox();
}

void TForm2::Timer1Timer() {
    DrawMissionMarkers();
}

}  // namespace corvanth
